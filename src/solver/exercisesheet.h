// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// ExerciseSheet: the exercise as the step table and the panel show it. It
// holds the graph being solved, the student's answers as the lesson keeps
// them, and the marks of the last check (not kept: an answer typed again
// loses its mark). The checker behind it is worked out when first needed
// for a graph and mode, not at every edit.
//
// A box total typed in the step table is not taken here: boxTotalTyped()
// asks the owner to make it a step of the lesson, which then gives the sheet
// its new answers.

#include "exercisecheck.h"

#include "model/exerciseanswers.h"
#include "model/graphdata.h"

#include <QLocale>
#include <QObject>

#include <memory>
#include <optional>

namespace stagepath {

class ExerciseSheet : public QObject
{
    Q_OBJECT
public:
    enum class Mark { None, Right, Wrong };

    using QObject::QObject;

    // The graph and the mode the answers are for; the marks go.
    void setGraph(EdgeDataPtr snapshot, PathMode mode);
    const EdgeDataPtr &graph() const { return m_graph; }
    PathMode mode() const { return m_mode; }
    qint64 boxCount() const { return m_graph ? m_graph->shape.totalBoxes() : 0; }
    int columnOf(qint64 box) const; // 0-based

    void setAnswers(const ExerciseAnswers &answers);
    const ExerciseAnswers &answers() const { return m_answers; }
    QString typedTotal(qint64 box) const { return m_answers.boxTotals.value(box); }
    Mark mark(qint64 box) const;
    // For a wrong box total: the candidates compared there.
    QString markTip(qint64 box) const;

    // The student typed a box total in the step table.
    void typeBoxTotal(qint64 box, const QString &text) { Q_EMIT boxTotalTyped(box, text); }

    // Judges the path and total and marks every typed box total.
    PathVerdict check(const QLocale &locale = QLocale());
    // The answers with one more column's box totals filled in, from the
    // first column; nullopt when every column is shown.
    std::optional<ExerciseAnswers> withNextColumn();
    const ExerciseCheck &checker();

Q_SIGNALS:
    void boxTotalTyped(qint64 box, const QString &text);
    // The rows are about to change, and have changed (a new graph).
    void graphAboutToChange();
    void graphChanged();
    // Typed totals or marks changed.
    void marksChanged();

private:
    EdgeDataPtr m_graph;
    PathMode m_mode = PathMode::Shortest;
    std::vector<qint64> m_first; // first box of each column; one more at the end
    std::unique_ptr<ExerciseCheck> m_check;
    ExerciseAnswers m_answers;
    QMap<qint64, bool> m_marks; // box -> right
};

// A cell of the step table in exercise mode (StepTable's column numbers):
// the box, its column and the typed total; nothing that gives an answer.
QString exerciseCellText(const ExerciseSheet &sheet, qint64 box, int column);

} // namespace stagepath

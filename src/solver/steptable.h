// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dynamic program behind "Çiz", shown step by step: one row per box in
// global box order (down column 1, then column 2, ...), with the columns
// "Kutu" (box number), "Sütun" (its column), "En iyi toplam" (the best total
// of a partial path from column 1 to the box, as the result table writes
// totals; "0" in column 1), "Önceki kutu" (the box before it on the first
// best partial path; empty in column 1) and "Eşit yollar" (how many best
// partial paths reach it). Following "Önceki kutu" back from the last box of
// the best path gives the path that "Çiz" marks. See bestpathsearch.h.
//
// Cells are written from the search's per-box numbers when a view asks; no
// text is kept per row.

#include "bestpathsearch.h"
#include "model/graphdata.h"
#include "pathmode.h"
#include "stagetableau.h"
#include "texttable.h"

#include <memory>

namespace stagepath {

class ExerciseSheet;

class StepTable : public TextTable
{
    Q_OBJECT

public:
    enum Column { BoxColumn, ColumnColumn, TotalColumn, PreviousColumn, TiesColumn, ColumnCount };

    explicit StepTable(QObject *parent = nullptr);

    // Works the program out for the snapshot, in one reset. A graph that
    // cannot be computed (a column without boxes, a value that is not a
    // number, a total beyond the double range) shows no rows, and problem()
    // says why in one line.
    void setGraph(EdgeDataPtr snapshot, PathMode mode);
    // Shows a program worked out elsewhere (off the GUI thread, say) for the
    // snapshot, in one reset: its rows, or none and the problem.
    void setSearch(EdgeDataPtr snapshot, std::shared_ptr<const BestPathSearch> search, const QString &problem);
    void clear();

    // The walk through the steps: with a backward program, "En iyi toplam",
    // the fourth column ("Sonraki kutu": the box after this one on its first
    // best partial path to the last column) and "Eşit yollar" are the
    // program's; at a step before the last (1 ... stepCount() - 1) the boxes
    // of the columns not solved yet show none of them. Step 0 shows all.
    void setSteps(std::shared_ptr<const StageProgram> program, int step);

    QString problem() const { return m_problem; }
    // The search behind the rows (the drawing reads the edges on best paths
    // and each box's chosen edge from it); null while there are no rows.
    const BestPathSearch *search() const { return m_search.get(); }

    // The whole graph: the best total as written, and how many full paths
    // have it; empty and "0" when the graph has no path.
    QString bestTotalText() const;
    QString bestPathCountText() const;

    // Exercise mode (null: off): the rows are the sheet's graph's boxes,
    // "En iyi toplam" holds the student's typed totals (editable, marked
    // green or red after a check), "Önceki kutu" and "Eşit yollar" are empty.
    void setExercise(ExerciseSheet *sheet);
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // A count as shown: exact up to 2^63 - 1, "> 9223372036854775807" beyond.
    static QString countText(quint64 count);

protected:
    int rows() const override;
    int columns() const override { return ColumnCount; }
    QString cellText(int box, int column) const override;
    QString headerText(int column) const override;

private:
    bool isBackward() const { return m_program && m_program->recursion() == Recursion::Backward; }
    bool isHidden(int box) const;

    std::shared_ptr<const StageProgram> m_program;
    int m_step = 0;
    // A 0-based box as the table names it: its name, or its number.
    QString boxLabel(qint64 box) const;

    EdgeDataPtr m_snapshot;
    std::shared_ptr<const BestPathSearch> m_search;
    QString m_problem;
    ExerciseSheet *m_exercise = nullptr;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One step of the program as a textbook's stage tableau (stagetableau.h):
// one row per box of the column the step solves; column 0 "Kutu" (its name
// or number); then one column per box of the neighbouring column, headed by
// that box's name or number, each cell the candidate's total in the general
// number form, "-" for a missing road or a neighbour without path, with
// "road + best" as its tooltip; then "En iyi" (the row's best) and "Seçilen"
// (every neighbour that gives it, comma separated, in box order). The chosen
// cells are bold on a light green ground. Empty before the first step.
//
// A neighbouring column of more than pageSize boxes is shown a page of
// pageSize boxes at a time (setPage); "En iyi" and "Seçilen" always weigh
// every neighbour. Cells are worked out when a view asks.

#include "stagetableau.h"

#include <QAbstractTableModel>
#include <QHash>

#include <memory>

namespace stagepath {

class StageTableauTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr qint64 pageSize = 100;
    // "Seçilen" names at most this many neighbours, then says how many more.
    static constexpr qint64 listedChoices = 50;

    explicit StageTableauTable(QObject *parent = nullptr);

    // Shows the step (1 ... program->stepCount()) of the program; step 0 or
    // no program: empty. The page goes back to the first.
    void setStep(std::shared_ptr<const StageProgram> program, int step);
    void clear() { setStep(nullptr, 0); }
    const StageProgram *program() const { return m_program.get(); }
    int step() const { return m_step; }

    int pageCount() const;
    int page() const { return m_page; }
    void setPage(int page);

    // The neighbour (position) a column shows; -1 for "Kutu", "En iyi" and "Seçilen".
    qint64 neighbourOfColumn(int column) const;
    int bestColumn() const { return 1 + int(shownNeighbours()); }
    int choiceColumn() const { return bestColumn() + 1; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void retranslate();

    // The text of a cell as shown (for printing and copying).
    QString cellText(int row, int column) const;
    QString headerText(int column) const;

private:
    qint64 neighbourCount() const;
    qint64 shownNeighbours() const;
    QString choiceText(int row) const;
    QString toolTip(int row, int column) const;

    std::shared_ptr<const StageProgram> m_program;
    int m_step = 0;
    int m_page = 0;
    mutable QHash<int, QString> m_choiceTexts;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The stage table: one row per column of boxes. Column 0 ("Vorta") holds the
// box count as the user typed it, column 1 ("Sayı") the column's label
// ("1.Vorta"). Only the box count is editable; an edit that is not a whole
// number of at least 0, or that would make the graph larger than the limits,
// is refused and the old text stays.

#include "graphdata.h"
#include "prefixsearch.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace stagepath {

// "1.Vorta" for 1, and so on, in the window's language.
QString stageLabel(qint64 number);
// The tabs for stage count n: "Tümü", "1.Vorta" … "n.Vorta".
QStringList stageTabCaptions(int stageCount);

// Checks a stage count text; returns the count, or sets message to why not.
std::optional<int> readStageCount(const QString &text, QString *message);
// Box counts as numbers, from texts the stage table accepted.
std::vector<qint64> boxCountsOf(const QStringList &texts);
// Why a graph with these box counts is over a limit, or an empty string.
QString graphSizeProblem(const std::vector<qint64> &counts);

class StageTable : public QAbstractTableModel, public PrefixSearch
{
    Q_OBJECT
public:
    explicit StageTable(QObject *parent = nullptr);

    // Rebuilds the table for stage count n: n + 1 rows, every count "3".
    void rebuild(int stageCount);

    // Announces the headers and the label column again, after a change of language.
    void retranslate();

    // Box counts as numbers, one per row (the texts always hold whole numbers).
    std::vector<qint64> boxCounts() const;
    QString countText(int row) const { return m_counts.value(row); }
    const QStringList &countTexts() const { return m_counts; }
    // Puts back box count texts kept earlier (they were accepted then);
    // nothing is checked and countEdited is not emitted.
    void setCountTexts(const QStringList &texts);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    std::optional<int> findRowStartingWith(QStringView prefix, int from) const override;

Q_SIGNALS:
    // A box count was edited in place and accepted (the after-edit event);
    // previousText is the count the row held before.
    void countEdited(int row, const QString &previousText);
    // An edit was refused; the message says why, in the window's language.
    void editRefused(const QString &message);

private:
    QStringList m_counts;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The edge table: one row per edge, ordered by stage, then by left box, then
// by right box. Columns: "Değer" (the value, editable), "Kutu No" (global
// number of the left box), "Diğer Kutu" (global number of the right box) and
// "Vorta" (the stage); the two box columns show a named box's name as their
// tooltip. Only the values are stored; the other cells follow from
// the row number and the box counts.

#include "graphdata.h"
#include "prefixsearch.h"
#include "randomsource.h"

#include <QAbstractTableModel>

namespace stagepath {

class EdgeTable : public QAbstractTableModel, public PrefixSearch
{
    Q_OBJECT
public:
    enum Column { ValueColumn, FromColumn, ToColumn, StageColumn, ColumnCount };

    explicit EdgeTable(QObject *parent = nullptr);

    // Replaces every row: one edge between every box of a column and every
    // box of the next, each with a fresh value from the source.
    void regenerate(const std::vector<qint64> &boxCounts, RandomSource &random);
    // The edge data regenerate() shows, made without the table (on any
    // thread); null when stopped() said so on the way (asked now and then).
    static EdgeDataPtr generated(const std::vector<qint64> &boxCounts, RandomSource &random,
                                 const std::function<bool()> &stopped = {});

    const GraphShape &shape() const { return m_data->shape; }
    const EdgeData &edges() const { return *m_data; }
    // An immutable view of the current values; later edits do not change it.
    // Snapshots are taken on the table's thread, and read on any.
    EdgeDataPtr snapshot() const
    {
        m_shared = true;
        return m_data;
    }
    QString valueText(qint64 row) const { return m_data->text(row); }

    // Replaces every row with values kept earlier. The data stays shared with
    // whoever kept it: the first edit afterwards works on a copy.
    void setEdges(EdgeDataPtr data);
    // Sets the text (and so the number) of one value without the after-edit
    // event: for putting back a value kept earlier.
    void setValueText(qint64 row, const QString &text);
    // Replaces the boxes' names (null: none); the values stay.
    void setNames(BoxNamesPtr names);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Every text is accepted as a value; one that is not a number is reported
    // by the commands that need the number.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    std::optional<int> findRowStartingWith(QStringView prefix, int from) const override;
    // The first edge row in [begin, end) whose value text starts with prefix.
    static std::optional<qint64> findValueStartingWith(const EdgeData &edges, QStringView prefix, qint64 begin,
                                                      qint64 end);

    // Column captions in the window's language; retranslate() announces them
    // again after a change of language.
    static QString headerText(int column);
    void retranslate();
    static QVariant cell(const EdgeData &edges, qint64 row, int column);
    // The tooltip of a box cell: the box's name, or nothing when it has none.
    static QVariant boxName(const EdgeData &edges, qint64 row, int column);

Q_SIGNALS:
    // A value was edited in place (the after-edit event); previousText is the
    // text the cell held before.
    void valueEdited(qint64 row, const QString &previousText);

private:
    EdgeData &writable();

    std::shared_ptr<EdgeData> m_data;
    // m_data was handed out (a snapshot, or data given to setEdges) since it
    // was last copied: whoever holds it, on whatever thread, may read it at
    // any time, so the next write works on a copy. Decided by this flag and
    // not by the pointer's use count, which another thread letting go of its
    // copy changes without any ordering with this one's writes.
    mutable bool m_shared = false;
};

} // namespace stagepath

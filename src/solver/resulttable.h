// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The result table ("ListView5") and the hidden list of path texts ("List1").
//
// Nothing is stored per path. The listing keeps the edge snapshot taken when
// "Hesaplama Yap" ran; each cell is worked out from its row number when a view
// asks for it: the row number, written in the mixed radix of the column box
// counts (or, with missing roads, looked up in the counts of real paths, see
// PathIndex), gives the path's box in every column, and the snapshot gives
// the edge texts. Only real paths are listed. Listing tens of millions of paths therefore costs no time and no
// memory beyond the snapshot.
//
// Columns: "1.Vorta" ... "N.Vorta", "Toplam", and after the first listing
// "Yol". A row's cells, column q being sub-item q:
//   column 0          value text of the stage-1 edge; Tag (Qt::UserRole) = box
//                     number of the path's column-1 box; tooltip = column-2 box
//   column p < N      value text of the stage-(p+1) edge; tooltip = box number
//                     of the path's column-(p+2) box
//   column N          "Toplam": the total in the general number form
//   column N+1        "Yol": the path text, no tooltip

#include "model/graphdata.h"
#include "model/prefixsearch.h"
#include "paths.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <span>
#include <vector>

namespace stagepath {

class ResultTable : public QAbstractTableModel, public PrefixSearch
{
    Q_OBJECT

public:
    explicit ResultTable(QObject *parent = nullptr);

    // Rebuilds the columns for N stages: "1.Vorta" ... "N.Vorta", "Toplam".
    // The rows go too (in the same reset), so that no value stands under a
    // header that is not its own.
    void setStageColumns(int stageCount);

    // Lists every path of the snapshot, in one reset. Adds the "Yol" column
    // when the table has exactly N+1 columns (so only on the first listing
    // after setStageColumns). Earlier in-place edits are dropped. With more
    // than limits::maxListedPaths paths nothing is listed and false is
    // returned (callers refuse such a graph before; this is a safety net). A
    // graph with a column of no boxes, or N = 0, lists no rows.
    bool setPaths(EdgeDataPtr snapshot);

    // Removes every row; the columns stay.
    void clearRows();
    // Announces the column captions again, after a change of language.
    void retranslate();

    EdgeDataPtr snapshot() const { return m_snapshot; }
    qint64 pathCount() const { return m_rows; }
    // Column index of "Toplam" and of "Yol" (-1 while there is no "Yol" column).
    int totalColumn() const { return int(m_headers.size()) - (m_hasPathColumn ? 2 : 1); }
    int pathColumn() const { return m_hasPathColumn ? int(m_headers.size()) - 1 : -1; }

    // Box positions (0-based, one per column) of the path on a row, and back.
    std::vector<qint64> positionsOfRow(qint64 row) const;
    qint64 rowOfPositions(std::span<const qint64> positions) const; // -1 if not a listed path

    // The cells as the listing wrote them (edits not applied).
    QString pathText(qint64 row) const;
    double total(qint64 row) const;
    // The text a cell shows (column 0 with any in-place edit applied).
    QString cellText(qint64 row, int column) const;
    QString tag(qint64 row) const;
    // Row -> the text of a first cell edited in place since the listing.
    const QHash<qint64, QString> &firstCellEdits() const { return m_edits; }
    QString toolTip(qint64 row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // An in-place edit of column 0 changes only the text shown; nothing runs.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // The rows of one stage-1 edge are one run of the table, so a search
    // looks at the stage-1 edges and the edited rows only.
    std::optional<int> findRowStartingWith(QStringView prefix, int from) const override;

private:
    std::optional<qint64> findInRange(QStringView prefix, qint64 begin, qint64 end) const;
    // Forgets the listed rows and their edits (inside a reset).
    void dropRows();
    // The captions of the columns for N stages, in the window's language.
    QStringList headersFor(int stageCount) const;
    const std::vector<qint64> &cachedPositions(qint64 row) const;
    QString valueText(qint64 row, int stage) const;
    QString boxText(qint64 row, int column) const;

    QStringList m_headers;
    bool m_hasPathColumn = false;
    EdgeDataPtr m_snapshot;
    PathIndex m_index;
    qint64 m_rows = 0;
    QHash<qint64, QString> m_edits; // row -> edited text of column 0

    mutable qint64 m_cacheRow = -1;
    mutable std::vector<qint64> m_cachePositions;
};

// The hidden list box of path texts: item x is the path text of row x of the
// result table. It follows the table's resets.
class PathTextList : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit PathTextList(const ResultTable *table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const ResultTable *m_table;
};

} // namespace stagepath

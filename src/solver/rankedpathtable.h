#pragma once
// The k best paths as a table: "Sıra" (rank, from 1), "Toplam" (the total as
// the result table writes it), "Yol" (the path text, as the "Yol" column)
// and "Satır" (the path's row in the result table, from 1). The rows are
// the first k rows of the result table ordered by written total, ties in
// table order (see rankedpaths.h). A row number beyond 64 bits belongs to a
// graph that the result table cannot list: its cell stays empty.

#include "model/graphdata.h"
#include "pathmode.h"
#include "rankedpaths.h"

#include <QAbstractTableModel>

namespace stagepath {

class RankedPathTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { RankColumn, TotalColumn, PathColumn, RowColumn, ColumnCount };
    static constexpr int largestCount = 1000;

    explicit RankedPathTable(QObject *parent = nullptr);

    // Ranks the snapshot's paths, in one reset; a graph that cannot be
    // computed shows no rows and problem() says why.
    void setGraph(EdgeDataPtr snapshot, PathMode mode);
    // How many paths to show, 1 to largestCount (clamped); ranks again.
    void setCount(int count);
    int count() const { return m_count; }
    void clear();

    QString problem() const { return m_problem; }
    static QString headerText(int column);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void rank();
    QString cellText(int row, int column) const;

    EdgeDataPtr m_snapshot;
    PathMode m_mode = PathMode::Shortest;
    int m_count = 10;
    std::vector<RankedPath> m_paths;
    QString m_problem;
};

} // namespace stagepath

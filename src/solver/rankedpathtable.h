// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include "texttable.h"

#include <memory>

namespace stagepath {

class RankedPathTable : public TextTable
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
    // Shows paths ranked elsewhere (off the GUI thread, say) as rankedPaths
    // ranks them for the snapshot, mode and count, in one reset; with a
    // problem, no rows.
    void setPaths(EdgeDataPtr snapshot, PathMode mode, int count, RankedPathsPtr paths,
                  const QString &problem);
    int count() const { return m_count; }
    // The path on a row: 0-based box positions and the result-table row.
    const RankedPath &path(int row) const { return (*m_paths)[size_t(row)]; }
    const EdgeDataPtr &snapshot() const { return m_snapshot; }
    void clear();

    QString problem() const { return m_problem; }

protected:
    int rows() const override { return m_paths ? int(m_paths->size()) : 0; }
    int columns() const override { return ColumnCount; }
    QString cellText(int row, int column) const override;
    QString headerText(int column) const override;

private:
    void rank();

    EdgeDataPtr m_snapshot;
    PathMode m_mode = PathMode::Shortest;
    int m_count = 10;
    RankedPathsPtr m_paths;
    QString m_problem;
};

} // namespace stagepath

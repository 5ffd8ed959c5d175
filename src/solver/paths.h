// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A path is one box per column, named by its 0-based position in each column.
// The listing orders paths lexicographically, column 1 varying slowest, so the
// 0-based row number of a path is its positions read as the digits of a
// mixed-radix number with the column box counts as bases.
//
// When roads are missing, only the real paths (every road exists) are
// listed, in the same order. The index then counts, for every box, the real
// path suffixes from it to the last column, and for every edge the rows
// that its left box's rows pass before the edge's own ones end (the counts
// of the suffixes through it and the edges left of it in its row). A row
// number becomes a path by a binary search per column over these running
// counts: column 1 among the boxes, then among the edges leaving the box
// found. Memory is one count per edge and per box, whatever the row count.

#include "model/graphdata.h"

#include <QString>

#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace stagepath {

class PathIndex
{
public:
    PathIndex() = default;
    // Requires the path count of the shape to fit in 64 bits; callers check
    // GraphShape::pathCount() against the listing limit first.
    explicit PathIndex(const GraphShape &shape);
    // The real paths of the edge data; the mixed radix when no road is
    // missing. Requires the real path count to be at most limits::maxListedPaths
    // for exact row numbers (counts beyond are held at the largest qint64).
    explicit PathIndex(const EdgeData &data);

    int columnCount() const { return int(m_counts.size()); }
    qint64 pathCount() const { return m_tail.empty() ? 0 : m_tail.front(); }
    bool skipsMissingRoads() const { return !m_edgeEnd.empty(); }

    void positions(qint64 row, std::vector<qint64> &out) const;
    std::vector<qint64> positions(qint64 row) const;
    // Row of a path; nullopt when it is not a listed path.
    std::optional<qint64> rowOf(std::span<const qint64> positions) const;
    // The rows through a stage-1 edge: [first, first + count).
    qint64 firstRowOfEdge(qint64 edge) const;
    qint64 rowsOfEdge(qint64 edge) const;
    // The stage-1 edge of a row.
    qint64 edgeOfRow(qint64 row) const;

private:
    qint64 endBefore(qint64 edge, qint64 to) const { return to == 0 ? 0 : m_edgeEnd[size_t(edge) - 1]; }

    GraphShape m_shape;
    std::vector<qint64> m_counts;
    std::vector<qint64> m_tail; // m_tail[c] = product of the counts of columns c.. ; m_tail[columns] = 1
    // With missing roads (else empty). Per edge: the rows of its left box's
    // suffixes through it and the edges before it in its row. Per column-1
    // box: the rows up to and including its own.
    std::vector<qint64> m_edgeEnd;
    std::vector<qint64> m_firstEnd;
    std::vector<qint64> m_suffixes; // per box: real path suffixes from it
};

// The number of real paths (every road exists), held at the cap.
qint64 realPathCount(const EdgeData &data, qint64 cap = std::numeric_limits<qint64>::max());
// Every road of the path exists.
bool isRealPath(const EdgeData &data, std::span<const qint64> positions);

// Row number (0-based) of a path given by its positions, for any shape; nullopt
// when the number does not fit in 64 bits or a position is out of range.
std::optional<qint64> rowOfPath(const GraphShape &shape, std::span<const qint64> positions);

// The path text: the column-1 box's label (its name, or its number), then for
// each stage " (", the edge's value text, ") " and the next box's label. Value texts are the edge table's
// texts, unchanged ("07" stays "07").
QString pathText(const EdgeData &data, std::span<const qint64> positions);

// The total as the listing adds it up: total = v1, then total = v(c+1) + total
// for each later stage. NaN when a value is not a number.
double pathTotal(const EdgeData &data, std::span<const qint64> positions);

} // namespace stagepath

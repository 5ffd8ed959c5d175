// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A path is one box per column, named by its 0-based position in each column.
// The listing orders paths lexicographically, column 1 varying slowest, so the
// 0-based row number of a path is its positions read as the digits of a
// mixed-radix number with the column box counts as bases.

#include "model/graphdata.h"

#include <QString>

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

    int columnCount() const { return int(m_counts.size()); }
    qint64 pathCount() const { return m_tail.empty() ? 0 : m_tail.front(); }

    // 0-based position in 0-based column c of the path on 0-based row.
    qint64 position(qint64 row, int column) const
    {
        return (row / m_tail[size_t(column) + 1]) % m_counts[size_t(column)];
    }
    void positions(qint64 row, std::vector<qint64> &out) const;
    std::vector<qint64> positions(qint64 row) const;

private:
    std::vector<qint64> m_counts;
    std::vector<qint64> m_tail; // m_tail[c] = product of the counts of columns c.. ; m_tail[columns] = 1
};

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

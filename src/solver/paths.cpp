// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paths.h"

#include <algorithm>

namespace stagepath {

namespace {

qint64 addHeld(qint64 a, qint64 b)
{
    qint64 sum;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<qint64>::max() : sum;
}

// Per box, the real path suffixes from it to the last column; per edge, the
// running count along its row (see PathIndex). Returns the per-box counts.
std::vector<qint64> countSuffixes(const EdgeData &data, std::vector<qint64> *edgeEnd)
{
    const GraphShape &shape = data.shape;
    std::vector<qint64> suffixes(size_t(shape.totalBoxes()), 0);
    if (shape.columnCount() == 0)
        return suffixes;
    if (edgeEnd)
        edgeEnd->assign(size_t(shape.edgeCount()), 0);
    const int last = shape.columnCount() - 1;
    std::fill(suffixes.begin() + shape.globalBox(last, 0) - 1, suffixes.end(), 1);
    for (int s = last - 1; s >= 0; --s) {
        const qint64 right = shape.boxCount(s + 1);
        const qint64 *next = suffixes.data() + shape.globalBox(s + 1, 0) - 1;
        const double *row = data.values.data() + shape.stageStart(s);
        qint64 *ends = edgeEnd ? edgeEnd->data() + shape.stageStart(s) : nullptr;
        for (qint64 j = 0; j < shape.boxCount(s); ++j, row += right) {
            qint64 sum = 0;
            for (qint64 k = 0; k < right; ++k) {
                if (row[k] != kMissingRoad)
                    sum = addHeld(sum, next[k]);
                if (ends)
                    ends[j * right + k] = sum;
            }
            suffixes[size_t(shape.globalBox(s, j) - 1)] = sum;
        }
    }
    return suffixes;
}

} // namespace

PathIndex::PathIndex(const GraphShape &shape)
    : m_shape(shape)
    , m_counts(shape.boxCounts())
{
    m_tail.assign(m_counts.size() + 1, 1);
    for (size_t c = m_counts.size(); c-- > 0;)
        m_tail[c] = m_tail[c + 1] * m_counts[c];
}

PathIndex::PathIndex(const EdgeData &data)
    : PathIndex(data.shape)
{
    if (!data.hasMissing())
        return;
    m_suffixes = countSuffixes(data, &m_edgeEnd);
    qint64 sum = 0;
    for (qint64 j = 0; j < m_shape.boxCount(0); ++j)
        m_firstEnd.push_back(sum = addHeld(sum, m_suffixes[size_t(j)]));
    m_tail.assign(1, sum);
}

void PathIndex::positions(qint64 row, std::vector<qint64> &out) const
{
    out.resize(m_counts.size());
    if (skipsMissingRoads()) {
        // Column 1: the box whose rows hold the row, then in each column the
        // edge of the box found whose rows hold what is left of it.
        auto at = std::upper_bound(m_firstEnd.begin(), m_firstEnd.end(), row);
        out[0] = at - m_firstEnd.begin();
        row -= out[0] == 0 ? 0 : *(at - 1);
        for (int s = 0; s + 1 < int(m_counts.size()); ++s) {
            const qint64 right = m_counts[size_t(s) + 1];
            const auto begin = m_edgeEnd.begin() + m_shape.edgeRow(s, out[size_t(s)], 0);
            at = std::upper_bound(begin, begin + right, row);
            out[size_t(s) + 1] = at - begin;
            row -= at == begin ? 0 : *(at - 1);
        }
        return;
    }
    for (size_t c = m_counts.size(); c-- > 0;) {
        out[c] = row % m_counts[c];
        row /= m_counts[c];
    }
}

std::vector<qint64> PathIndex::positions(qint64 row) const
{
    std::vector<qint64> out;
    positions(row, out);
    return out;
}

std::optional<qint64> PathIndex::rowOf(std::span<const qint64> positions) const
{
    if (!skipsMissingRoads()) {
        const auto row = rowOfPath(m_shape, positions);
        return row && *row < pathCount() ? row : std::nullopt;
    }
    if (positions.size() != m_counts.size())
        return std::nullopt;
    for (size_t c = 0; c < m_counts.size(); ++c) {
        if (positions[c] < 0 || positions[c] >= m_counts[c])
            return std::nullopt;
    }
    qint64 row = positions[0] == 0 ? 0 : m_firstEnd[size_t(positions[0]) - 1];
    for (int s = 0; s + 1 < int(m_counts.size()); ++s) {
        const qint64 edge = m_shape.edgeRow(s, positions[size_t(s)], positions[size_t(s) + 1]);
        const qint64 before = endBefore(edge, positions[size_t(s) + 1]);
        if (m_edgeEnd[size_t(edge)] == before)
            return std::nullopt; // a missing road, or no way on from its box
        row += before;
    }
    return row;
}

qint64 PathIndex::firstRowOfEdge(qint64 edge) const
{
    const GraphShape::Edge e = m_shape.edgeAt(edge);
    if (!skipsMissingRoads())
        return edge * m_tail[2];
    return (e.from == 0 ? 0 : m_firstEnd[size_t(e.from) - 1]) + endBefore(edge, e.to);
}

qint64 PathIndex::rowsOfEdge(qint64 edge) const
{
    if (!skipsMissingRoads())
        return m_tail[2];
    return m_edgeEnd[size_t(edge)] - endBefore(edge, m_shape.edgeAt(edge).to);
}

qint64 PathIndex::edgeOfRow(qint64 row) const
{
    if (!skipsMissingRoads())
        return row / m_tail[2];
    std::vector<qint64> out;
    positions(row, out);
    return m_shape.edgeRow(0, out[0], out[1]);
}

qint64 realPathCount(const EdgeData &data, qint64 cap)
{
    const GraphShape &shape = data.shape;
    if (shape.columnCount() == 0)
        return 0;
    if (!data.hasMissing())
        return shape.pathCount(cap);
    const std::vector<qint64> suffixes = countSuffixes(data, nullptr);
    qint64 sum = 0;
    for (qint64 j = 0; j < shape.boxCount(0); ++j)
        sum = addHeld(sum, suffixes[size_t(j)]);
    return std::min(sum, cap);
}

bool isRealPath(const EdgeData &data, std::span<const qint64> positions)
{
    for (int s = 0; s + 1 < int(positions.size()); ++s) {
        if (data.isMissing(data.shape.edgeRow(s, positions[size_t(s)], positions[size_t(s) + 1])))
            return false;
    }
    return true;
}

std::optional<qint64> rowOfPath(const GraphShape &shape, std::span<const qint64> positions)
{
    if (int(positions.size()) != shape.columnCount())
        return std::nullopt;
    qint64 row = 0;
    for (int c = 0; c < shape.columnCount(); ++c) {
        const qint64 p = positions[size_t(c)];
        if (p < 0 || p >= shape.boxCount(c))
            return std::nullopt;
        if (__builtin_mul_overflow(row, shape.boxCount(c), &row)
            || __builtin_add_overflow(row, p, &row))
            return std::nullopt;
    }
    return row;
}

QString pathText(const EdgeData &data, std::span<const qint64> positions)
{
    const GraphShape &shape = data.shape;
    if (positions.empty())
        return QString();
    QString text = data.boxLabel(shape.globalBox(0, positions[0]));
    for (int s = 0; s + 1 < int(positions.size()); ++s) {
        text += QLatin1String(" (");
        text += data.text(shape.edgeRow(s, positions[size_t(s)], positions[size_t(s) + 1]));
        text += QLatin1String(") ");
        text += data.boxLabel(shape.globalBox(s + 1, positions[size_t(s) + 1]));
    }
    return text;
}

double pathTotal(const EdgeData &data, std::span<const qint64> positions)
{
    const GraphShape &shape = data.shape;
    if (positions.size() < 2)
        return 0;
    double total = data.value(shape.edgeRow(0, positions[0], positions[1]));
    for (int s = 1; s + 1 < int(positions.size()); ++s)
        total = data.value(shape.edgeRow(s, positions[size_t(s)], positions[size_t(s) + 1])) + total;
    return total;
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paths.h"

namespace stagepath {

PathIndex::PathIndex(const GraphShape &shape)
    : m_counts(shape.boxCounts())
{
    m_tail.assign(m_counts.size() + 1, 1);
    for (size_t c = m_counts.size(); c-- > 0;)
        m_tail[c] = m_tail[c + 1] * m_counts[c];
}

void PathIndex::positions(qint64 row, std::vector<qint64> &out) const
{
    out.resize(m_counts.size());
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

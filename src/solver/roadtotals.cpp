// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roadtotals.h"

#include "writtentotal.h"

#include <cmath>

namespace stagepath {

namespace {

quint64 addCounts(quint64 a, quint64 b)
{
    return a + b >= RoadTotals::countLimit || a + b < a ? RoadTotals::countLimit : a + b;
}

} // namespace

RoadTotals::RoadTotals(const EdgeData &data, PathMode mode) : m_data(data), m_mode(mode)
{
    const GraphShape &shape = data.shape;
    double largest = 0;
    for (int stage = 0; stage < shape.stageCount(); ++stage) {
        double stageLargest = 0;
        for (qint64 row = shape.stageStart(stage); row < shape.stageStart(stage + 1); ++row) {
            const double v = data.value(row);
            if (data.isMissing(row))
                continue;
            if (v != std::floor(v))
                m_whole = false;
            stageLargest = std::max(stageLargest, std::abs(v));
        }
        largest += stageLargest;
    }
    m_whole = m_whole && largest < 1e15;

    const qint64 boxes = shape.totalBoxes();
    m_forward.assign(size_t(boxes), 0);
    m_backward.assign(size_t(boxes), 0);
    m_forwardCount.assign(size_t(boxes), 0);
    m_backwardCount.assign(size_t(boxes), 0);
    const int columns = shape.columnCount();
    if (columns == 0)
        return;
    for (qint64 j = 0; j < shape.boxCount(0); ++j)
        m_forwardCount[size_t(shape.globalBox(0, j) - 1)] = 1;
    for (qint64 k = 0; k < shape.boxCount(columns - 1); ++k)
        m_backwardCount[size_t(shape.globalBox(columns - 1, k) - 1)] = 1;

    // Forward, column after column: each candidate into box k of the next column.
    for (int stage = 0; stage < shape.stageCount(); ++stage) {
        const qint64 right = shape.boxCount(stage + 1);
        for (qint64 j = 0; j < shape.boxCount(stage); ++j) {
            const size_t from = size_t(shape.globalBox(stage, j) - 1);
            if (m_forwardCount[from] == 0)
                continue;
            for (qint64 k = 0; k < right; ++k) {
                const qint64 row = shape.edgeRow(stage, j, k);
                if (data.isMissing(row))
                    continue;
                const size_t to = size_t(shape.globalBox(stage + 1, k) - 1);
                const double total = m_forward[from] + data.value(row);
                if (m_forwardCount[to] == 0 || better(total, m_forward[to])) {
                    m_forward[to] = total;
                    m_forwardCount[to] = m_forwardCount[from];
                } else if (same(total, m_forward[to])) {
                    m_forwardCount[to] = addCounts(m_forwardCount[to], m_forwardCount[from]);
                }
            }
        }
    }
    // Backward, from the last column leftwards.
    for (int stage = shape.stageCount() - 1; stage >= 0; --stage) {
        const qint64 right = shape.boxCount(stage + 1);
        for (qint64 j = 0; j < shape.boxCount(stage); ++j) {
            const size_t from = size_t(shape.globalBox(stage, j) - 1);
            for (qint64 k = 0; k < right; ++k) {
                const qint64 row = shape.edgeRow(stage, j, k);
                const size_t to = size_t(shape.globalBox(stage + 1, k) - 1);
                if (data.isMissing(row) || m_backwardCount[to] == 0)
                    continue;
                const double total = data.value(row) + m_backward[to];
                if (m_backwardCount[from] == 0 || better(total, m_backward[from])) {
                    m_backward[from] = total;
                    m_backwardCount[from] = m_backwardCount[to];
                } else if (same(total, m_backward[from])) {
                    m_backwardCount[from] = addCounts(m_backwardCount[from], m_backwardCount[to]);
                }
            }
        }
    }
    if (shape.stageCount() == 0)
        return; // a path needs at least one road
    for (qint64 k = 0; k < shape.boxCount(columns - 1); ++k) {
        const size_t box = size_t(shape.globalBox(columns - 1, k) - 1);
        if (m_forwardCount[box] == 0)
            continue;
        if (m_count == 0 || better(m_forward[box], m_best)) {
            m_best = m_forward[box];
            m_count = m_forwardCount[box];
        } else if (same(m_forward[box], m_best)) {
            m_count = addCounts(m_count, m_forwardCount[box]);
        }
    }
}

double RoadTotals::key(double total) const
{
    return m_whole ? total : writtenValue(total);
}

bool RoadTotals::better(double a, double b) const
{
    return m_mode == PathMode::Shortest ? key(a) < key(b) : key(a) > key(b);
}

bool RoadTotals::same(double a, double b) const
{
    return key(a) == key(b);
}

bool RoadTotals::onBestPath(qint64 row) const
{
    if (!hasPath() || m_data.isMissing(row))
        return false;
    const GraphShape::Edge edge = m_data.shape.edgeAt(row);
    const size_t from = size_t(m_data.shape.globalBox(edge.stage, edge.from) - 1);
    const size_t to = size_t(m_data.shape.globalBox(edge.stage + 1, edge.to) - 1);
    return m_forwardCount[from] > 0 && m_backwardCount[to] > 0
        && same(m_forward[from] + m_data.value(row) + m_backward[to], m_best);
}

std::vector<std::vector<qint64>> RoadTotals::bestPaths(qint64 limit) const
{
    std::vector<std::vector<qint64>> paths;
    if (!hasPath() || limit <= 0)
        return paths;
    const GraphShape &shape = m_data.shape;
    const int columns = shape.columnCount();
    // Depth first in table order; a box is taken when the partial total so
    // far plus its best total onwards is the best total.
    std::vector<qint64> positions(size_t(columns), -1);
    std::vector<double> sums(size_t(columns), 0);
    int column = 0;
    while (column >= 0 && qint64(paths.size()) < limit) {
        qint64 &k = positions[size_t(column)];
        bool found = false;
        for (++k; k < shape.boxCount(column); ++k) {
            const size_t box = size_t(shape.globalBox(column, k) - 1);
            if (m_backwardCount[box] == 0)
                continue;
            double sum = 0;
            if (column > 0) {
                const qint64 row = shape.edgeRow(column - 1, positions[size_t(column) - 1], k);
                if (m_data.isMissing(row))
                    continue;
                sum = sums[size_t(column) - 1] + m_data.value(row);
            }
            if (same(column > 0 ? sum + m_backward[box] : m_backward[box], m_best)) {
                sums[size_t(column)] = sum;
                found = true;
                break;
            }
        }
        if (!found) {
            k = -1;
            --column;
        } else if (column == columns - 1) {
            paths.push_back(positions);
        } else {
            ++column;
        }
    }
    return paths;
}

} // namespace stagepath

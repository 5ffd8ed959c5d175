// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stagetableau.h"

#include "model/numbers.h"
#include "writtentotal.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace stagepath {

namespace {

quint64 addCounts(quint64 a, quint64 b)
{
    return a >= StageProgram::countLimit - b ? StageProgram::countLimit : a + b;
}

} // namespace

bool StageProgram::tie(double a, double b)
{
    if (a == b)
        return true;
    // Totals written alike with 15 digits differ by far less than this; the
    // written form itself is looked at only for near neighbours.
    if (a == 0 || b == 0 || !(std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b))))
        return false;
    return writtenValue(a) == writtenValue(b);
}

StageProgram::StageProgram(EdgeDataPtr data, PathMode mode, Recursion recursion)
    : m_data(std::move(data))
    , m_mode(mode)
    , m_recursion(recursion)
{
    const auto boxes = size_t(shape().totalBoxes());
    m_best.assign(boxes, 0);
    m_reachable.assign(boxes, false);
    m_ties.assign(boxes, 0);
    m_first.assign(boxes, -1);
    if (shape().columnCount() == 0)
        return;
    if (recursion == Recursion::Forward) {
        solveForward();
        markForwardPath();
    } else {
        solveBackward();
        markBackwardPath();
    }
}

void StageProgram::solveForward()
{
    const GraphShape &g = shape();
    const EdgeData &d = *m_data;
    for (qint64 j = 0; j < g.boxCount(0); ++j) {
        m_reachable[size_t(j)] = true;
        m_ties[size_t(j)] = 1;
    }
    for (int c = 1; c < g.columnCount(); ++c) {
        const qint64 n0 = g.boxCount(c - 1), n1 = g.boxCount(c), f0 = firstBox(c - 1), f1 = firstBox(c);
        // Rows of a stage run by left box: the candidates of every right box
        // are gathered left box after left box, so the first choice is the
        // first in box order.
        for (int pass = 0; pass < 2; ++pass) {
            for (qint64 k = 0; k < n0; ++k) {
                if (!m_reachable[size_t(f0 + k)])
                    continue;
                const double from = m_best[size_t(f0 + k)];
                const qint64 base = g.edgeRow(c - 1, k, 0);
                for (qint64 j = 0; j < n1; ++j) {
                    if (d.isMissing(base + j))
                        continue;
                    const double t = from + d.values[size_t(base + j)];
                    const auto box = size_t(f1 + j);
                    if (pass == 0) {
                        if (!m_reachable[box] || better(t, m_best[box])) {
                            m_reachable[box] = true;
                            m_best[box] = t;
                        }
                    } else if (tie(t, m_best[box])) {
                        m_ties[box] = addCounts(m_ties[box], m_ties[size_t(f0 + k)]);
                        if (m_first[box] < 0)
                            m_first[box] = f0 + k;
                    }
                }
            }
        }
    }
}

void StageProgram::solveBackward()
{
    const GraphShape &g = shape();
    const EdgeData &d = *m_data;
    const int last = g.columnCount() - 1;
    for (qint64 j = 0; j < g.boxCount(last); ++j) {
        m_reachable[size_t(firstBox(last) + j)] = true;
        m_ties[size_t(firstBox(last) + j)] = 1;
    }
    for (int c = last - 1; c >= 0; --c) {
        const qint64 n0 = g.boxCount(c), n1 = g.boxCount(c + 1), f0 = firstBox(c), f1 = firstBox(c + 1);
        for (qint64 j = 0; j < n0; ++j) {
            const auto box = size_t(f0 + j);
            const qint64 base = g.edgeRow(c, j, 0);
            for (int pass = 0; pass < 2; ++pass) {
                for (qint64 k = 0; k < n1; ++k) {
                    if (!m_reachable[size_t(f1 + k)] || d.isMissing(base + k))
                        continue;
                    const double t = d.values[size_t(base + k)] + m_best[size_t(f1 + k)];
                    if (pass == 0) {
                        if (!m_reachable[box] || better(t, m_best[box])) {
                            m_reachable[box] = true;
                            m_best[box] = t;
                        }
                    } else if (tie(t, m_best[box])) {
                        m_ties[box] = addCounts(m_ties[box], m_ties[size_t(f1 + k)]);
                        if (m_first[box] < 0)
                            m_first[box] = f1 + k;
                    }
                }
            }
        }
    }
}

// The first path in table order made of chosen roads: the boxes from which
// such a path leads on to a best last box are found from the right, then the
// path takes the first of them column after column.
void StageProgram::markForwardPath()
{
    const GraphShape &g = shape();
    const EdgeData &d = *m_data;
    const int last = g.columnCount() - 1;
    if (last < 1)
        return;
    bool any = false;
    for (qint64 j = 0; j < g.boxCount(last); ++j) {
        const auto box = size_t(firstBox(last) + j);
        if (m_reachable[box] && (!any || better(m_best[box], m_total))) {
            m_total = m_best[box];
            any = true;
        }
    }
    if (!any)
        return;
    std::vector<bool> leads(m_best.size(), false);
    for (qint64 j = 0; j < g.boxCount(last); ++j) {
        const auto box = size_t(firstBox(last) + j);
        if (m_reachable[box] && tie(m_best[box], m_total)) {
            leads[box] = true;
            m_pathCount = addCounts(m_pathCount, m_ties[box]);
        }
    }
    auto chosen = [&](int c, qint64 k, qint64 j) { // box k of column c chosen by box j of column c + 1
        const qint64 row = g.edgeRow(c, k, j);
        return m_reachable[size_t(firstBox(c) + k)] && !d.isMissing(row)
            && tie(m_best[size_t(firstBox(c) + k)] + d.values[size_t(row)], m_best[size_t(firstBox(c + 1) + j)]);
    };
    for (int c = last - 1; c >= 0; --c)
        for (qint64 k = 0; k < g.boxCount(c); ++k)
            for (qint64 j = 0; j < g.boxCount(c + 1) && !leads[size_t(firstBox(c) + k)]; ++j)
                if (leads[size_t(firstBox(c + 1) + j)] && chosen(c, k, j))
                    leads[size_t(firstBox(c) + k)] = true;
    std::vector<qint64> path;
    for (qint64 k = 0; k < g.boxCount(0); ++k)
        if (leads[size_t(k)]) {
            path.push_back(k);
            break;
        }
    for (int c = 1; c <= last && !path.empty(); ++c) {
        const qint64 from = path.back();
        for (qint64 j = 0; j < g.boxCount(c); ++j)
            if (leads[size_t(firstBox(c) + j)] && chosen(c - 1, from, j)) {
                path.push_back(j);
                break;
            }
    }
    if (qint64(path.size()) == g.columnCount())
        m_positions = std::move(path);
    else
        m_pathCount = 0;
}

void StageProgram::markBackwardPath()
{
    const GraphShape &g = shape();
    if (g.columnCount() < 2)
        return;
    qint64 start = -1;
    for (qint64 j = 0; j < g.boxCount(0); ++j)
        if (m_reachable[size_t(j)] && (start < 0 || better(m_best[size_t(j)], m_best[size_t(start)])))
            start = j;
    if (start < 0)
        return;
    m_total = m_best[size_t(start)];
    for (qint64 j = 0; j < g.boxCount(0); ++j) {
        if (m_reachable[size_t(j)] && tie(m_best[size_t(j)], m_total)) {
            m_pathCount = addCounts(m_pathCount, m_ties[size_t(j)]);
            if (j < start)
                start = j;
        }
    }
    m_total = m_best[size_t(start)];
    for (qint64 box = start; box >= 0; box = m_first[size_t(box)])
        m_positions.push_back(box - firstBox(int(m_positions.size())));
}

int StageProgram::solvedColumn(int step) const
{
    return m_recursion == Recursion::Forward ? step - 1 : stepCount() - step;
}

int StageProgram::neighbourColumn(int step) const
{
    if (step <= 1)
        return -1;
    return m_recursion == Recursion::Forward ? step - 2 : stepCount() - step + 1;
}

bool StageProgram::isSolvedBy(int column, int step) const
{
    return m_recursion == Recursion::Forward ? column < step : column >= stepCount() - step;
}

qint64 StageProgram::roadRow(int step, qint64 row, qint64 neighbour) const
{
    const int c = solvedColumn(step);
    return m_recursion == Recursion::Forward ? shape().edgeRow(c - 1, neighbour, row)
                                             : shape().edgeRow(c, row, neighbour);
}

bool StageProgram::candidate(int step, qint64 row, qint64 neighbour, double *total) const
{
    const qint64 road = roadRow(step, row, neighbour);
    const auto from = size_t(firstBox(neighbourColumn(step)) + neighbour);
    if (m_data->isMissing(road) || !m_reachable[from])
        return false;
    // Forward the road comes after the neighbour's partial path, backward before it.
    *total = m_recursion == Recursion::Forward ? m_best[from] + m_data->values[size_t(road)]
                                               : m_data->values[size_t(road)] + m_best[from];
    return true;
}

bool StageProgram::isChoice(int step, qint64 row, qint64 neighbour) const
{
    double t = 0;
    const auto box = size_t(firstBox(solvedColumn(step)) + row);
    return candidate(step, row, neighbour, &t) && m_reachable[box] && tie(t, m_best[box]);
}

std::vector<qint64> StageProgram::choices(int step, qint64 row, qint64 limit, qint64 *count) const
{
    std::vector<qint64> found;
    qint64 n = 0;
    if (step > 1) {
        for (qint64 k = 0, end = shape().boxCount(neighbourColumn(step)); k < end; ++k) {
            if (isChoice(step, row, k)) {
                if (qint64(found.size()) < limit)
                    found.push_back(k);
                ++n;
            }
        }
    }
    if (count)
        *count = n;
    return found;
}

QString recurrenceText(const StageProgram &program, int step, qint64 row, int maxTerms)
{
    const GraphShape &g = program.shape();
    const EdgeData &d = program.data();
    const int column = program.solvedColumn(step);
    const qint64 box = g.globalBox(column, row);
    const QString f = QStringLiteral("f(%1)").arg(d.boxLabel(box));
    if (step <= 1)
        return f + QStringLiteral(" = 0");
    const bool forward = program.recursion() == Recursion::Forward;
    const int from = program.neighbourColumn(step);
    auto number = [](double v) { return v < 0 ? QStringLiteral("(%1)").arg(formatNumber(v)) : formatNumber(v); };
    QStringList terms, totals;
    qint64 count = 0;
    for (qint64 k = 0, end = g.boxCount(from); k < end; ++k) {
        double t = 0;
        if (!program.candidate(step, row, k, &t))
            continue;
        if (++count > maxTerms)
            continue;
        const QString fx = QStringLiteral("f(%1)").arg(d.boxLabel(g.globalBox(from, k)));
        const QString road = number(d.value(program.roadRow(step, row, k)));
        terms << (forward ? fx + QStringLiteral(" + ") + road : road + QStringLiteral(" + ") + fx);
        totals << formatNumber(t);
    }
    if (count == 0)
        return f + QCoreApplication::translate("StageTableau", ": yol yok");
    const QString best = formatNumber(program.best(box - 1));
    if (count == 1)
        return QStringLiteral("%1 = %2 = %3").arg(f, terms.front(), best);
    if (count > maxTerms) {
        terms << QStringLiteral("…");
        totals << QStringLiteral("…");
    }
    const QString op = program.mode() == PathMode::Longest ? QStringLiteral("max") : QStringLiteral("min");
    return QStringLiteral("%1 = %2{ %3 } = %2{ %4 } = %5")
        .arg(f, op, terms.join(QStringLiteral(", ")), totals.join(QStringLiteral(", ")), best);
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leasttotals.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stagepath {

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

template <bool Negate>
LeastTotals lower(const EdgeData &data)
{
    const GraphShape &shape = data.shape;
    LeastTotals out;
    out.least.assign(size_t(shape.totalBoxes()), inf);
    out.largest.assign(size_t(shape.stageCount()), 0.0);
    if (shape.columnCount() == 0)
        return out;
    std::fill_n(out.least.begin(), shape.boxCount(0), 0.0);
    std::vector<double> scratch;
    for (int s = 0; s < shape.stageCount(); ++s)
        out.largest[size_t(s)] = lowerStage<Negate>(data, s, out.least.data(), scratch, out.missingRoads);
    return out;
}

} // namespace

bool LeastTotals::finite() const
{
    return std::none_of(least.begin(), least.end(), [](double t) { return t == -inf; });
}

LeastTotals leastTotals(const EdgeData &data, PathMode mode)
{
    return mode == PathMode::Longest ? lower<true>(data) : lower<false>(data);
}

std::vector<qint64> leastPathTo(const EdgeData &data, PathMode mode, const std::vector<double> &least,
                                int column, qint64 position)
{
    const GraphShape &shape = data.shape;
    const double sign = mode == PathMode::Longest ? -1 : 1;
    std::vector<qint64> path(size_t(column) + 1, 0);
    path[size_t(column)] = position;
    // The least total of a box is some predecessor's least total plus the
    // edge, computed the same way: look for it.
    for (int c = column; c > 0; --c) {
        const qint64 k = path[size_t(c)];
        const double target = least[size_t(shape.globalBox(c, k) - 1)];
        const double *before = least.data() + shape.globalBox(c - 1, 0) - 1;
        qint64 j = 0;
        const auto valueFrom = [&](qint64 from) {
            const double v = data.value(shape.edgeRow(c - 1, from, k));
            return v == kMissingRoad ? v : sign * v;
        };
        while (j + 1 < shape.boxCount(c - 1) && before[j] + valueFrom(j) != target)
            ++j;
        path[size_t(c) - 1] = j;
    }
    return path;
}

} // namespace stagepath

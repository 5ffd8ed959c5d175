// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Best totals that honour roads that do not exist, for the exercise
// generator and the worksheet's key: a missing road is absent, not costly.
//
// For each box (0-based global number) the best total of a partial path from
// the first column to it (forward) and from it to the last column
// (backward), with the number of partial paths that have it, held at 2^63
// beyond. Totals are compared as "Çiz" compares them: by their written form
// (writtentotal.h); for whole values, whose sums stay below 10^15, that is
// the exact comparison. A forward total adds a path's values left to right
// as the listing does; a backward one right to left as a textbook's
// recursion does.

#include "model/graphdata.h"
#include "pathmode.h"

#include <QtGlobal>

#include <vector>

namespace stagepath {

class RoadTotals
{
public:
    static constexpr quint64 countLimit = quint64(1) << 63;

    // The values must all be numbers or missing roads.
    RoadTotals(const EdgeData &data, PathMode mode);

    PathMode mode() const { return m_mode; }
    bool hasPath() const { return m_count > 0; }
    double best() const { return m_best; }          // the best full path's total
    quint64 bestCount() const { return m_count; }   // how many full paths have it

    // Whether a path reaches the box from the first column / goes on from it to the last.
    bool reached(qint64 box) const { return m_forwardCount[size_t(box)] > 0; }
    bool goesOn(qint64 box) const { return m_backwardCount[size_t(box)] > 0; }
    double forward(qint64 box) const { return m_forward[size_t(box)]; }
    double backward(qint64 box) const { return m_backward[size_t(box)]; }
    quint64 backwardCount(qint64 box) const { return m_backwardCount[size_t(box)]; }

    // Whether total a is better than b in the mode / written alike.
    bool better(double a, double b) const;
    bool same(double a, double b) const;

    // Whether the road (an edge row) lies on some best full path.
    bool onBestPath(qint64 row) const;
    // The best full paths in the listing's order (the first column's box
    // most significant), as 0-based positions per column; at most limit.
    std::vector<std::vector<qint64>> bestPaths(qint64 limit) const;

private:
    double key(double total) const;

    const EdgeData &m_data;
    PathMode m_mode;
    bool m_whole = true; // every value whole and every total below 10^15: compared as they are
    std::vector<double> m_forward, m_backward;
    std::vector<quint64> m_forwardCount, m_backwardCount;
    double m_best = 0;
    quint64 m_count = 0;
};

} // namespace stagepath

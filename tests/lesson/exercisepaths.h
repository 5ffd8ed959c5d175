// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every path of a small lesson, one by one in the listing's order, with
// missing roads left out: the oracle for best totals and tied best paths.

#include "model/graphdata.h"

#include <QStringList>

#include <vector>

namespace exercisepaths {

using namespace stagepath;

struct Path {
    std::vector<qint64> positions;
    double total = 0;
};

inline std::vector<Path> everyPath(const EdgeData &edges)
{
    const GraphShape &shape = edges.shape;
    std::vector<Path> paths{{}};
    for (int column = 0; column < shape.columnCount(); ++column) {
        std::vector<Path> longer;
        for (const Path &p : paths)
            for (qint64 k = 0; k < shape.boxCount(column); ++k) {
                Path q = p;
                if (column > 0) {
                    const qint64 row = shape.edgeRow(column - 1, p.positions.back(), k);
                    if (edges.isMissing(row))
                        continue;
                    q.total += edges.value(row);
                }
                q.positions.push_back(k);
                longer.push_back(q);
            }
        paths = std::move(longer);
    }
    if (shape.stageCount() == 0)
        paths.clear();
    return paths;
}

// The best paths of the mode, in the listing's order.
inline std::vector<Path> bestPaths(const EdgeData &edges, bool longest)
{
    const std::vector<Path> all = everyPath(edges);
    std::vector<Path> best;
    for (const Path &p : all) {
        if (!best.empty() && p.total == best.front().total)
            best.push_back(p);
        else if (best.empty() || (longest ? p.total > best.front().total : p.total < best.front().total))
            best = {p};
    }
    return best;
}

} // namespace exercisepaths

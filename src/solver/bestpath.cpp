// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bestpath.h"

#include "bestpathsearch.h"
#include "model/numbers.h"
#include "paths.h"

#include <cmath>

namespace stagepath {

std::optional<BestPath> findBestPath(const EdgeData &data, PathMode mode)
{
    const BestPathSearch search(data, mode, BestPathSearch::Detail::BestPath);
    if (!search.hasPath())
        return std::nullopt;
    BestPath best;
    best.positions = search.positions();
    best.total = pathTotal(data, best.positions);
    if (!std::isfinite(best.total))
        return std::nullopt;
    // With missing roads only the real paths are listed: the result table
    // maps the path to its row (its counts are made once per listing).
    best.row = search.hasMissingRoads() ? -1 : rowOfPath(data.shape, best.positions).value_or(-1);
    best.pathText = pathText(data, best.positions);
    best.totalText = formatNumber(best.total);
    return best;
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The k best paths: the first k rows of the result table ordered by written
// total (least first in the shortest mode, greatest first in the longest),
// rows with equal written totals in table order. Worked out from the graph
// without listing it:
//
//  1. Paths are enumerated in the order of their totals, box by box, each
//     box keeping the totals found so far and one candidate per predecessor
//     (the next path of that predecessor carried over the edge); since
//     fl(P + v) grows with P, carrying a predecessor's paths in order keeps
//     them in order. The k-th total found fixes the last written total among
//     the k rows.
//  2. Every path written below it is among the first k found. Of the paths
//     written like it, which can be any number, the first ones in table
//     order are found by walking the paths in table order while pruning
//     every partial path from which no way on ends written like it or below
//     (the largest total at each box from which one does is worked out
//     backwards from the last column).

#include "model/graphdata.h"
#include "pathmode.h"

#include <memory>
#include <optional>
#include <vector>

namespace stagepath {

struct RankedPath {
    std::vector<qint64> positions; // 0-based box position in each column
    double total = 0;              // as the listing adds it up
    std::optional<qint64> row;     // 0-based result-table row; none when beyond 64 bits
};

using RankedPathsPtr = std::shared_ptr<const std::vector<RankedPath>>;

// Empty when there is no path or the graph cannot be computed (see
// checkComputable); fewer than k when the graph has fewer paths.
std::vector<RankedPath> rankedPaths(const EdgeData &data, PathMode mode, int k);

// The best paths (those whose written total is the best one, as "Çiz"
// compares), at most max of them, in table order: positions only.
std::vector<std::vector<qint64>> bestPathsInTableOrder(const EdgeData &data, PathMode mode, qint64 max);

} // namespace stagepath

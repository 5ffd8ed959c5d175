// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The least total of the partial paths from column 1 to every box, added
// left to right as the listing adds (total = v1, then v(c+1) + total). Since
// fl(P + v) never decreases as P grows, the least of the box's predecessors'
// least totals plus the edge is exactly the least over all partial paths.
// The longest mode runs on negated values (see stagescan.h): its "least"
// totals are the negated greatest ones.

#include "model/graphdata.h"
#include "pathmode.h"
#include "stagescan.h"

#include <algorithm>
#include <vector>

namespace stagepath {

struct LeastTotals {
    // Per box (0-based global number): the least total, 0 in column 1; -inf
    // where a total goes beyond the double range (in the direction searched:
    // a sum beyond it the other way shows as -inf in the other mode), and
    // +inf where no real path reaches the box (behind missing roads or a
    // column without boxes).
    std::vector<double> least;
    // Per stage: the largest magnitude of its values (of real roads).
    std::vector<double> largest;
    // Some road does not exist.
    bool missingRoads = false;

    // No total went beyond the double range.
    bool finite() const;
};

LeastTotals leastTotals(const EdgeData &data, PathMode mode);

// One stage of it: the least totals of column stage + 1 (which must hold
// +inf) from those of column stage, in the per-box array; returns the
// largest magnitude of the stage's values, and sets missing when a road of
// it does not exist. The scratch keeps its memory from stage to stage.
template <bool Negate>
double lowerStage(const EdgeData &data, int stage, double *least, std::vector<double> &scratch, bool &missing)
{
    const GraphShape &shape = data.shape;
    const qint64 right = shape.boxCount(stage + 1);
    const double *from = least + shape.globalBox(stage, 0) - 1;
    double *to = least + shape.globalBox(stage + 1, 0) - 1;
    scratch.assign(size_t(2 * right), 0.0);
    double *largest = scratch.data();
    double *seen = largest + right;
    const double *row = data.values.data() + shape.stageStart(stage);
    for (qint64 j = 0; j < shape.boxCount(stage); ++j, row += right)
        scan::lowerRow<Negate>(row, from[j], to, largest, seen, right);
    if (right == 0)
        return 0.0;
    missing = missing || *std::max_element(seen, seen + right) == scan::inf;
    return *std::max_element(largest, largest + right);
}

// A path (0-based positions, one per column up to the given one) that reaches
// the box at the given position of the given column with its least total.
std::vector<qint64> leastPathTo(const EdgeData &data, PathMode mode, const std::vector<double> &least,
                                int column, qint64 position);

} // namespace stagepath

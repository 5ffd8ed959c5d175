#pragma once
// The least total of the partial paths from column 1 to every box, added
// left to right as the listing adds (total = v1, then v(c+1) + total). Since
// fl(P + v) never decreases as P grows, the least of the box's predecessors'
// least totals plus the edge is exactly the least over all partial paths.
// The longest mode runs on negated values (see stagescan.h): its "least"
// totals are the negated greatest ones.

#include "model/graphdata.h"
#include "pathmode.h"

#include <vector>

namespace stagepath {

struct LeastTotals {
    // Per box (0-based global number): the least total, 0 in column 1; an
    // infinity where a total goes beyond the double range, and +inf behind a
    // column without boxes.
    std::vector<double> least;
    // Per stage: the largest magnitude of its values.
    std::vector<double> largest;

    bool finite() const;
};

LeastTotals leastTotals(const EdgeData &data, PathMode mode);

// A path (0-based positions, one per column up to the given one) that reaches
// the box at the given position of the given column with its least total.
std::vector<qint64> leastPathTo(const EdgeData &data, PathMode mode, const std::vector<double> &least,
                                int column, qint64 position);

} // namespace stagepath

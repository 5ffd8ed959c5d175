// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The best path: the row that a scan of the listed totals picks.
//
// The listing's totals are added left to right in double precision and
// written in the general number form (15 significant digits); "Çiz" reads the
// written totals back and keeps the first row with the least (shortest mode)
// or greatest (longest mode) of them. findBestPath returns that very row
// without listing anything (see bestpathsearch.h).

#include "model/graphdata.h"
#include "pathmode.h"

#include <QString>

#include <optional>
#include <vector>

namespace stagepath {

struct BestPath {
    std::vector<qint64> positions; // 0-based box position in each column
    double total = 0;              // the path's total as the listing adds it up
    qint64 row = -1;               // 0-based row of the path in the listing; -1 if it does not fit in 64 bits,
                                   // or when roads are missing (ResultTable::rowOfPositions gives it then)
    QString pathText;              // as in the "Yol" column
    QString totalText;             // as in the "Toplam" column
};

// nullopt when there is no path to pick: N = 0, a column without boxes, a
// value that is not a number, or a total beyond the double range (callers
// report these with checkComputable first).
std::optional<BestPath> findBestPath(const EdgeData &data, PathMode mode);

} // namespace stagepath

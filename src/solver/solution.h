// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Everything that explains the best path of one graph in one mode, worked out
// together so that it can be done away from the window and shown at once:
// the per-box program (bestpathsearch.h), the edges on best paths, each box's
// best total as the tables write it, and the k best paths (rankedpaths.h).
// A graph that cannot be computed has none of these but a problem that says
// why (validation.h).

#include "bestpathsearch.h"
#include "model/graphdata.h"
#include "pathmode.h"
#include "rankedpaths.h"
#include "stagetableau.h"

#include <QString>

#include <memory>
#include <vector>

namespace stagepath {

struct SolutionRequest {
    EdgeDataPtr snapshot;
    PathMode mode = PathMode::Shortest;
    int rankedCount = 0;    // how many best paths to rank; 0 for none
    bool boxTexts = false;  // write every box's best total
    // The direction of the stage tableaux, worked out along with the box texts.
    Recursion recursion = Recursion::Forward;
};

struct Solution {
    SolutionRequest request;
    QString problem; // not empty: nothing below was computed
    std::shared_ptr<const BestPathSearch> search;
    // One flag per edge row: the edge lies on some best path.
    std::shared_ptr<const std::vector<bool>> bestEdges;
    // By 0-based box: its best total in the general number form (when asked for).
    std::shared_ptr<const std::vector<QString>> boxTexts;
    // By 0-based box: the position, in the previous column, of the box before
    // it on its first best partial path; -1 in column 1.
    std::shared_ptr<const std::vector<qint64>> previousPositions;
    RankedPathsPtr ranked; // the rankedCount best paths, when asked for
    // The stage tableaux in the request's direction, with the box texts.
    std::shared_ptr<const StageProgram> program;
    // By 0-based box: its best total in the program's direction in the
    // general number form, "-" without a path (with the program).
    std::shared_ptr<const std::vector<QString>> programTexts;

    // The same graph in the same mode: the program and the edges carry over.
    bool sameGraph(const SolutionRequest &other) const
    {
        return request.snapshot == other.snapshot && request.mode == other.mode;
    }
};

// Works out what the request asks for; what an earlier solution of the same
// graph already holds (but a problem) is taken from it rather than worked
// out again.
std::shared_ptr<const Solution> solve(const SolutionRequest &request, const Solution *earlier = nullptr);

} // namespace stagepath

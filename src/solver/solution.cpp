// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solution.h"

#include "model/numbers.h"
#include "validation.h"

namespace stagepath {

namespace {

std::shared_ptr<const std::vector<bool>> edgesOnBestPaths(const BestPathSearch &search, qint64 edgeCount)
{
    auto flags = std::make_shared<std::vector<bool>>(size_t(edgeCount), false);
    if (search.hasPath()) {
        for (qint64 row = 0; row < edgeCount; ++row)
            (*flags)[size_t(row)] = search.onBestPath(row);
    }
    return flags;
}

std::shared_ptr<const std::vector<qint64>> previousPositions(const BestPathSearch &search)
{
    const GraphShape &shape = search.shape();
    auto positions = std::make_shared<std::vector<qint64>>(size_t(shape.totalBoxes()), -1);
    for (int c = 1; c < shape.columnCount(); ++c) {
        const qint64 firstOfPrevious = shape.globalBox(c - 1, 0) - 1;
        for (qint64 box = shape.globalBox(c, 0) - 1, end = box + shape.boxCount(c); box < end; ++box) {
            const qint64 previous = search.previousBox(box);
            (*positions)[size_t(box)] = previous < 0 ? -1 : previous - firstOfPrevious;
        }
    }
    return positions;
}

std::shared_ptr<const std::vector<QString>> boxTexts(const BestPathSearch &search)
{
    auto texts = std::make_shared<std::vector<QString>>(size_t(search.shape().totalBoxes()));
    for (size_t box = 0; box < texts->size(); ++box)
        (*texts)[box] = search.reached(qint64(box)) ? formatNumber(search.bestTotal(qint64(box))) : QStringLiteral("-");
    return texts;
}

std::shared_ptr<const std::vector<QString>> programTexts(const StageProgram &program)
{
    auto texts = std::make_shared<std::vector<QString>>(size_t(program.shape().totalBoxes()));
    for (size_t box = 0; box < texts->size(); ++box)
        (*texts)[box] = program.reachable(qint64(box)) ? formatNumber(program.best(qint64(box))) : QStringLiteral("-");
    return texts;
}

} // namespace

std::shared_ptr<const Solution> solve(const SolutionRequest &request, const Solution *earlier)
{
    auto solution = std::make_shared<Solution>();
    solution->request = request;
    if (!request.snapshot)
        return solution;
    const EdgeData &data = *request.snapshot;
    // A problem is found again: its message is in the language of the moment.
    if (earlier && earlier->sameGraph(request) && earlier->search) {
        solution->search = earlier->search;
        solution->bestEdges = earlier->bestEdges;
        solution->previousPositions = earlier->previousPositions;
        solution->boxTexts = earlier->boxTexts;
        if (earlier->request.rankedCount == request.rankedCount)
            solution->ranked = earlier->ranked;
        if (earlier->program && earlier->program->recursion() == request.recursion) {
            solution->program = earlier->program;
            solution->programTexts = earlier->programTexts;
        }
    } else if (const auto problem = checkComputable(data)) {
        solution->problem = *problem;
    } else {
        auto search = std::make_shared<const BestPathSearch>(data, request.mode);
        if (search->computed()) {
            solution->bestEdges = edgesOnBestPaths(*search, data.shape.edgeCount());
            solution->previousPositions = previousPositions(*search);
            solution->search = std::move(search);
        }
    }
    if (!solution->search)
        return solution;
    if (request.boxTexts && !solution->boxTexts)
        solution->boxTexts = boxTexts(*solution->search);
    if (!request.boxTexts) {
        solution->boxTexts.reset();
        solution->program.reset();
        solution->programTexts.reset();
    } else if (!solution->program) {
        solution->program = std::make_shared<const StageProgram>(request.snapshot, request.mode, request.recursion);
        solution->programTexts = programTexts(*solution->program);
    }
    if (request.rankedCount > 0 && !solution->ranked)
        solution->ranked =
            std::make_shared<const std::vector<RankedPath>>(rankedPaths(data, request.mode, request.rankedCount));
    if (request.rankedCount == 0)
        solution->ranked.reset();
    return solution;
}

} // namespace stagepath

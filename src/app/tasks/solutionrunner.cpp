// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tasks/solutionrunner.h"

#include "app/common/errorfence.h"

#include "background/backgroundlimits.h"

#include <QCoreApplication>

#include <exception>
#include <new>

namespace stagepath {

namespace {

// Beyond these the work takes more than a few milliseconds.
constexpr qint64 smallBoxCount = 20'000;
constexpr qint64 smallRankedWork = 200'000; // paths ranked times columns

// A solution, or one that says why there is none: an error of any type
// becomes its problem, on whatever thread it is worked out.
std::shared_ptr<const Solution> solveSafely(const SolutionRequest &request, const Solution *earlier)
{
    const auto failed = [&](const QString &problem) {
        auto solution = std::make_shared<Solution>();
        solution->request = request;
        solution->problem = problem;
        return solution;
    };
    try {
        if (const auto &hook = SolutionRunner::solveHook())
            hook(request);
        return solve(request, earlier);
    } catch (const std::bad_alloc &) {
        return failed(QCoreApplication::translate("SolutionRunner", "Bellek yetmedi; çözüm gösterilemiyor."));
    } catch (...) {
        return failed(describeError(std::current_exception()));
    }
}

} // namespace

std::function<void(const SolutionRequest &)> &SolutionRunner::solveHook()
{
    static std::function<void(const SolutionRequest &)> hook;
    return hook;
}

SolutionRunner::SolutionRunner(QObject *parent)
    : QObject(parent)
    , m_worker(LatestOnly<std::shared_ptr<const Solution>>::NewerJob::WaitsForRunning,
               [this](const QFuture<std::shared_ptr<const Solution>> &future) {
                   // Without a result only when even the failure could not be made.
                   if (future.resultCount() > 0)
                       report(future.result());
               })
{
}

SolutionRunner::~SolutionRunner() = default;

bool SolutionRunner::solvesAtOnce(const SolutionRequest &request)
{
    if (!request.snapshot)
        return true;
    const GraphShape &shape = request.snapshot->shape;
    return shape.edgeCount() <= workerEdgeThreshold && shape.totalBoxes() <= smallBoxCount
        && qint64(request.rankedCount) * shape.columnCount() <= smallRankedWork;
}

void SolutionRunner::request(const SolutionRequest &request)
{
    if (solvesAtOnce(request)) {
        m_worker.drop();
        report(solveSafely(request, m_latest.get()));
        return;
    }
    // The worker keeps what it reads alive: the snapshot and the earlier solution.
    m_worker.run([request, earlier = m_latest](QPromise<std::shared_ptr<const Solution>> &promise) {
        promise.addResult(solveSafely(request, earlier.get()));
    });
}

void SolutionRunner::cancel()
{
    m_worker.drop();
}

bool SolutionRunner::isWorking() const
{
    return m_worker.isPending();
}

void SolutionRunner::report(std::shared_ptr<const Solution> solution)
{
    m_latest = std::move(solution);
    Q_EMIT solved(m_latest);
}

} // namespace stagepath

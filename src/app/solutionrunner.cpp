// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solutionrunner.h"

#include "errorfence.h"

#include <QCoreApplication>
#include <QPromise>
#include <QThreadPool>

#include <exception>
#include <new>

namespace stagepath {

namespace {

// Beyond these the work takes more than a few milliseconds.
constexpr qint64 smallEdgeCount = 100'000;
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
{
    connect(&m_worker, &QFutureWatcherBase::finished, this, &SolutionRunner::finishWork);
}

SolutionRunner::~SolutionRunner() = default;

bool SolutionRunner::solvesAtOnce(const SolutionRequest &request)
{
    if (!request.snapshot)
        return true;
    const GraphShape &shape = request.snapshot->shape;
    return shape.edgeCount() <= smallEdgeCount && shape.totalBoxes() <= smallBoxCount
        && qint64(request.rankedCount) * shape.columnCount() <= smallRankedWork;
}

void SolutionRunner::request(const SolutionRequest &request)
{
    ++m_generation;
    if (solvesAtOnce(request)) {
        m_waiting.reset();
        report(solveSafely(request, m_latest.get()));
        return;
    }
    m_waiting = request;
    if (!m_worker.isRunning())
        startWaiting();
}

void SolutionRunner::cancel()
{
    ++m_generation;
    m_waiting.reset();
}

bool SolutionRunner::isWorking() const
{
    return m_waiting || (m_worker.isRunning() && m_workerGeneration == m_generation);
}

void SolutionRunner::startWaiting()
{
    const SolutionRequest request = *m_waiting;
    m_waiting.reset();
    m_workerGeneration = m_generation;
    auto promise = std::make_shared<QPromise<std::shared_ptr<const Solution>>>();
    m_worker.setFuture(promise->future());
    promise->start();
    // The worker keeps what it reads alive: the snapshot and the earlier solution.
    // The future is always finished, with a result unless even the failure
    // could not be made.
    QThreadPool::globalInstance()->start([promise, request, earlier = m_latest] {
        try {
            promise->addResult(solveSafely(request, earlier.get()));
        } catch (...) {
        }
        promise->finish();
    });
}

void SolutionRunner::finishWork()
{
    if (m_workerGeneration == m_generation && m_worker.future().resultCount() > 0)
        report(m_worker.result());
    if (m_waiting)
        startWaiting();
}

void SolutionRunner::report(std::shared_ptr<const Solution> solution)
{
    m_latest = std::move(solution);
    Q_EMIT solved(m_latest);
}

} // namespace stagepath

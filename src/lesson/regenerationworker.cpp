// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regenerationworker.h"

#include "model/edgetable.h"

#include <QScopeGuard>

namespace stagepath {

RegenerationWorker::RegenerationWorker(QObject *parent)
    : QObject(parent)
    // A worker that failed is ready too: take() throws its error.
    , m_worker(LatestOnly<EdgeDataPtr>::NewerJob::StartsAtOnce, [this](const QFuture<EdgeDataPtr> &) {
        if (m_active)
            Q_EMIT resultReady();
    })
{
}

// The work stops at its next look at its promise, on its own data; nobody takes it.
RegenerationWorker::~RegenerationWorker() = default;

void RegenerationWorker::start(const QStringList &boxTexts, const std::vector<qint64> &boxCounts,
                               std::unique_ptr<RandomSource> random, ChangeOrigin origin)
{
    m_boxTexts = boxTexts;
    m_origin = origin;
    std::shared_ptr<RandomSource> source(std::move(random));
    m_drawn = std::make_shared<QSemaphore>();
    m_worker.run([counts = boxCounts, source, drawn = m_drawn](QPromise<EdgeDataPtr> &promise) {
        // Drawn, or failed: waitFor() is answered either way.
        const auto answerWaitFor = qScopeGuard([&drawn] { drawn->release(); });
        EdgeDataPtr edges = EdgeTable::generated(counts, *source, [&promise] { return promise.isCanceled(); });
        if (edges)
            promise.addResult(std::move(edges));
    });
    setActive(true);
}

bool RegenerationWorker::waitFor(int ms)
{
    if (!m_active || !m_drawn->tryAcquire(1, ms))
        return false;
    m_drawn->release(); // it stays drawn
    return true;
}

EdgeDataPtr RegenerationWorker::take()
{
    if (!m_active)
        return {};
    QFuture<EdgeDataPtr> future = m_worker.newestFuture();
    setActive(false);
    future.waitForFinished(); // throws what the worker met
    return future.resultCount() > 0 ? future.result() : EdgeDataPtr();
}

void RegenerationWorker::cancel()
{
    m_worker.drop();
    setActive(false);
}

void RegenerationWorker::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    Q_EMIT activeChanged(active);
}

} // namespace stagepath

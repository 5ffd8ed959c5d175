// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regenerationworker.h"

#include "model/edgetable.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

namespace stagepath {

RegenerationWorker::RegenerationWorker(QObject *parent)
    : QObject(parent)
{
    // A worker that failed ends as cancelled too: take() throws its error.
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        if (m_active)
            Q_EMIT landed();
    });
}

RegenerationWorker::~RegenerationWorker()
{
    // The work goes on to its end on its own data; nobody takes it.
    m_watcher.cancel();
}

void RegenerationWorker::start(const QStringList &boxTexts, const std::vector<qint64> &boxCounts,
                               std::unique_ptr<RandomSource> random, bool fromHistory)
{
    m_watcher.cancel();
    m_boxTexts = boxTexts;
    m_fromHistory = fromHistory;
    std::shared_ptr<RandomSource> source(std::move(random));
    m_drawn = std::make_shared<QSemaphore>();
    auto draw = [counts = boxCounts, source, drawn = m_drawn](QPromise<EdgeDataPtr> &promise) {
        try {
            EdgeDataPtr edges = EdgeTable::generated(counts, *source, [&promise] { return promise.isCanceled(); });
            if (edges)
                promise.addResult(std::move(edges));
        } catch (...) {
            promise.setException(std::current_exception());
        }
        drawn->release();
    };
    m_watcher.setFuture(QtConcurrent::run(std::move(draw)));
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
    QFuture<EdgeDataPtr> future = m_watcher.future();
    setActive(false);
    future.waitForFinished(); // throws what the worker met
    return future.resultCount() > 0 ? future.result() : EdgeDataPtr();
}

void RegenerationWorker::cancel()
{
    m_watcher.cancel();
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

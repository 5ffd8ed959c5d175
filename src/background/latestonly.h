// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// LatestOnly<T>: newest-wins jobs on the global thread pool. Each job is
// given a QPromise<T>; only the newest job counts. A job superseded by a
// newer one (or dropped) is never reported, whenever it ends, and its result
// is thrown away. The newest job's future is always finished, and handed to
// the callback on the thread that owns the LatestOnly: with its result, or
// with the error the job threw (of any type, rethrown by QFuture::result()
// or waitForFinished()), or without a result when the job made none.
//
// Jobs keep alive what they read (they get copies or immutable data), since
// a superseded job may run on after its owner is gone.

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace stagepath {

template <typename T>
class LatestOnly
{
public:
    using Job = std::function<void(QPromise<T> &)>;
    using Finished = std::function<void(QFuture<T>)>;

    // What a job started while another runs does.
    enum class NewerJob {
        // The running job is asked to stop (its promise isCanceled()) and the
        // newer one starts beside it: for work that looks at its promise.
        StartsAtOnce,
        // The newer job waits until the running one ended, replacing any job
        // that waited before: for work that cannot stop early, so that the
        // pool is never filled with work nobody wants.
        WaitsForRunning,
    };

    LatestOnly(NewerJob newerJob, Finished newestFinished)
        : m_newerJob(newerJob)
        , m_newestFinished(std::move(newestFinished))
        , m_receiver(std::make_unique<QObject>())
    {
    }
    // Running jobs are asked to stop and are never reported.
    ~LatestOnly() { askToStop(); }
    LatestOnly(const LatestOnly &) = delete;
    LatestOnly &operator=(const LatestOnly &) = delete;

    // job becomes the newest; every job before it is superseded.
    void run(Job job)
    {
        ++m_newest;
        m_newestPending = true;
        m_waiting.reset();
        if (m_runningJobs > 0 && m_newerJob == NewerJob::WaitsForRunning) {
            m_waiting = std::move(job);
            return;
        }
        askToStop();
        start(std::move(job));
    }

    // The newest job is superseded by none: nothing is reported until the next run().
    void drop()
    {
        ++m_newest;
        m_newestPending = false;
        m_waiting.reset();
        if (m_newerJob == NewerJob::StartsAtOnce)
            askToStop();
    }

    // The newest job was run and is not yet reported nor dropped.
    bool isPending() const { return m_newestPending; }
    // The newest job's future; not valid while that job waits for the running one.
    QFuture<T> newestFuture() const { return m_waiting ? QFuture<T>() : m_started; }

private:
    void askToStop()
    {
        if (m_started.isValid() && !m_started.isFinished())
            m_started.cancel();
    }

    void start(Job job)
    {
        const quint64 generation = m_newest;
        // Every error becomes the future's, so that the future always finishes
        // and whoever takes the result hears of the failure.
        m_started = QtConcurrent::run([job = std::move(job)](QPromise<T> &promise) {
            try {
                job(promise);
            } catch (...) {
                promise.setException(std::current_exception());
            }
        });
        ++m_runningJobs;
        // One watcher per job: a superseded job's end is still seen (the
        // waiting job starts then), and is told apart by its generation.
        auto *watcher = new QFutureWatcher<T>(m_receiver.get());
        QObject::connect(watcher, &QFutureWatcherBase::finished, m_receiver.get(), [this, watcher, generation] {
            watcher->deleteLater();
            ended(generation, watcher->future());
        });
        watcher->setFuture(m_started);
    }

    void ended(quint64 generation, QFuture<T> future)
    {
        --m_runningJobs;
        // A job that waits is the newest, so the one that ended was superseded.
        if (m_waiting) {
            if (m_runningJobs == 0) {
                Job job = std::move(*m_waiting);
                m_waiting.reset();
                start(std::move(job));
            }
            return;
        }
        if (generation == m_newest && m_newestPending) {
            m_newestPending = false;
            // The last thing done here: the callback may run() again.
            m_newestFinished(std::move(future));
        }
    }

    const NewerJob m_newerJob;
    Finished m_newestFinished;
    quint64 m_newest = 0; // generation of the newest job
    bool m_newestPending = false;
    int m_runningJobs = 0;
    std::optional<Job> m_waiting;
    QFuture<T> m_started; // the job started last
    // Receives the watchers' signals; going first, it takes them along, so
    // that no job is reported to a LatestOnly that is gone.
    std::unique_ptr<QObject> m_receiver;
};

} // namespace stagepath

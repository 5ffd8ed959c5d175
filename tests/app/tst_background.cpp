// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Work off the window's thread: newest-wins jobs (LatestOnly) and one-shot
// tasks with a progress dialog (BackgroundTask). Workers are held at a gate
// (a semaphore), never timed, so each case runs the same on a busy machine.

#include "app/tasks/backgroundtask.h"
#include "background/latestonly.h"

#include <QDir>
#include <QLineEdit>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <vector>

using namespace stagepath;

namespace {

using Ints = LatestOnly<int>;

// A job that waits at gate, then gives value.
Ints::Job gated(std::shared_ptr<QSemaphore> gate, int value, std::shared_ptr<std::atomic<int>> ran = {})
{
    return [=](QPromise<int> &promise) {
        gate->acquire();
        if (ran)
            ++*ran;
        promise.addResult(value);
    };
}

// Lets every worker of the global pool end, then hands over what they reported.
void settle()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestBackground : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Every held job has a thread of its own, however few cores there are.
        QThreadPool::globalInstance()->setMaxThreadCount(8);
    }

    // Whichever way jobs overlap, only the newest is reported, once; a job
    // that waited and was replaced never runs.
    void onlyTheNewestJobIsReported()
    {
        for (const auto newer : {Ints::NewerJob::StartsAtOnce, Ints::NewerJob::WaitsForRunning}) {
            std::vector<int> reported;
            Ints jobs(newer, [&](const QFuture<int> &future) { reported.push_back(future.result()); });
            auto first = std::make_shared<QSemaphore>();
            auto second = std::make_shared<QSemaphore>();
            auto third = std::make_shared<QSemaphore>();
            auto secondRan = std::make_shared<std::atomic<int>>(0);
            jobs.run(gated(first, 1));
            jobs.run(gated(second, 2, secondRan));
            jobs.run(gated(third, 3));
            // The newest ends before the older ones when they start at once.
            third->release();
            if (newer == Ints::NewerJob::StartsAtOnce)
                QTRY_COMPARE(reported, std::vector<int>{3});
            second->release();
            first->release();
            QTRY_COMPARE(reported, std::vector<int>{3});
            settle();
            QCOMPARE(reported, std::vector<int>{3});
            QVERIFY(!jobs.isPending());
            if (newer == Ints::NewerJob::WaitsForRunning)
                QCOMPARE(secondRan->load(), 0);

            // A dropped job is never reported, and the next one is.
            auto gate = std::make_shared<QSemaphore>();
            jobs.run(gated(gate, 4));
            jobs.drop();
            QVERIFY(!jobs.isPending());
            gate->release();
            settle();
            QCOMPARE(reported, std::vector<int>{3});
            gate->release();
            jobs.run(gated(gate, 5));
            QTRY_COMPARE(reported, (std::vector<int>{3, 5}));
        }
    }

    // An error of any type thrown by a job finishes its future with that
    // error, for LatestOnly and BackgroundTask alike.
    void anErrorOfAnyTypeReachesTheCaller()
    {
        // Errors of unrelated types, as the solver or a writer might throw them.
        const std::vector<std::function<void()>> throwers{[] { throw std::runtime_error("yazılamadı"); },
                                                          [] { throw 42; }, [] { throw std::bad_alloc(); }};
        for (const auto &raise : throwers) {
            int failures = 0;
            Ints jobs(Ints::NewerJob::StartsAtOnce, [&](QFuture<int> future) {
                try {
                    future.waitForFinished();
                } catch (...) {
                    ++failures;
                }
                QCOMPARE(future.resultCount(), 0);
            });
            jobs.run([&raise](QPromise<int> &) { raise(); });
            QTRY_COMPARE(failures, 1);

            QWidget window;
            std::vector<BackgroundTask::Outcome> outcomes;
            BackgroundTask::start(&window, QStringLiteral("sınama"), [&raise](TaskProgress &) { raise(); },
                                  [&](const BackgroundTask::Outcome &outcome) { outcomes.push_back(outcome); });
            QTRY_COMPARE(outcomes.size(), size_t(1));
            QCOMPARE(outcomes[0].status, BackgroundTask::Outcome::Failed);
            QVERIFY(!outcomes[0].problem.isEmpty());
            settle();
        }
    }

    // A file being written when the task is cancelled is not there, not even
    // as a temporary file, once the continuation runs; the window that waited
    // takes input again at once.
    void aCancelledTaskLeavesNothing()
    {
        QTemporaryDir dir;
        QWidget window;
        auto *field = new QLineEdit(&window);
        window.show();
        auto started = std::make_shared<QSemaphore>();
        auto gate = std::make_shared<QSemaphore>();
        std::vector<BackgroundTask::Outcome::Status> outcomes;
        const QString path = dir.filePath(QStringLiteral("yarım.csv"));
        auto *task = BackgroundTask::start(
            &window, QStringLiteral("yazılıyor"),
            [=](TaskProgress &progress) {
                const auto written = writeWholeFile(path, [&](QIODevice *device) {
                    device->write("a;b\n");
                    started->release();
                    gate->acquire();
                    return !progress.isCancelled() && device->write("c;d\n") > 0;
                }, &progress);
                if (written.status != FileOutcome::Cancelled)
                    throw std::logic_error("the writer did not see the cancel");
            },
            [&](const BackgroundTask::Outcome &outcome) { outcomes.push_back(outcome.status); },
            BackgroundTask::Cancel::Offered, BackgroundTask::Window::Waits);
        QSignalSpy finished(task, &BackgroundTask::finished);
        started->acquire();

        QTest::keyClicks(field, QStringLiteral("x"));
        QCOMPARE(field->text(), QString()); // the waiting window takes no input
        task->cancel();
        QTest::keyClicks(field, QStringLiteral("y"));
        QCOMPARE(field->text(), QStringLiteral("y"));
        QVERIFY(outcomes.empty()); // the worker has not ended yet

        gate->release();
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(outcomes, std::vector<BackgroundTask::Outcome::Status>{BackgroundTask::Outcome::Cancelled});
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        settle();
    }
};

QTEST_MAIN(TestBackground)
#include "tst_background.moc"

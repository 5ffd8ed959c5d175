// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tasks/backgroundtask.h"

#include "app/common/errorfence.h"

#include "background/backgroundlimits.h"

#include <QApplication>
#include <QPromise>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <exception>

namespace stagepath {

namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
        return true;
    default:
        return false;
    }
}

} // namespace

BackgroundTask *BackgroundTask::start(QWidget *window, const QString &label, Work work, Continuation done,
                                      Cancel cancel, Window whileRunning)
{
    auto *task = new BackgroundTask(window, label, std::move(done), cancel, whileRunning);
    // Every error becomes the future's, so that the future always finishes
    // and the continuation hears of the failure.
    task->m_watcher.setFuture(QtConcurrent::run(
        [work = std::move(work), progress = task->m_progress](QPromise<void> &promise) {
            try {
                work(*progress);
            } catch (...) {
                promise.setException(std::current_exception());
            }
        }));
    return task;
}

BackgroundTask *BackgroundTask::writeFile(QWidget *window, const QString &label, const QString &fileName,
                                          FileWriter writer, std::function<void(const FileOutcome &)> done)
{
    auto outcome = std::make_shared<FileOutcome>();
    return start(
        window, label,
        [=](TaskProgress &progress) {
            *outcome = writeWholeFile(
                fileName, [&](QIODevice *device) { return writer(device, &progress); }, &progress);
        },
        [=](const Outcome &ended) {
            // writeWholeFile reports every failure itself; this is one it could not.
            if (ended.status == Outcome::Failed)
                done(FileOutcome{FileOutcome::Failed, ended.problem});
            else
                done(*outcome);
        });
}

BackgroundTask::BackgroundTask(QWidget *window, const QString &label, Continuation done, Cancel cancel,
                               Window whileRunning)
    : QObject(window)
    , m_window(window)
    , m_label(label)
    , m_done(std::move(done))
    , m_cancel(cancel)
    , m_poll(new QTimer(this))
{
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &BackgroundTask::end);
    QTimer::singleShot(progressDialogDelayMs, this, &BackgroundTask::showDialog);
    m_poll->setInterval(100);
    connect(m_poll, &QTimer::timeout, this, &BackgroundTask::showProgress);
    if (whileRunning == Window::Waits) {
        m_busyCursor.setBusy(true);
        qApp->installEventFilter(this);
    }
}

BackgroundTask::~BackgroundTask()
{
    // The window is going: the work stops at its next look at the progress.
    m_progress->cancel();
    qApp->removeEventFilter(this);
}

void BackgroundTask::cancel()
{
    if (m_ended)
        return;
    m_progress->cancel();
    releaseWindow();
}

void BackgroundTask::finishNow()
{
    if (m_ended)
        return;
    m_watcher.waitForFinished();
    end();
}

void BackgroundTask::showDialog()
{
    if (!m_holdsWindow)
        return;
    const bool offersCancel = m_cancel == Cancel::Offered;
    m_dialog = new QProgressDialog(m_label, offersCancel ? tr("İptal") : QString(), 0, 0, m_window);
    m_dialog->setObjectName(QStringLiteral("TaskProgress"));
    m_dialog->setWindowTitle(tr("En Kısa Yol"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    if (offersCancel)
        connect(m_dialog, &QProgressDialog::canceled, this, &BackgroundTask::cancel);
    else
        m_dialog->setCancelButton(nullptr); // it can still be closed: that gives up nothing
    showProgress();
    m_dialog->show();
    m_poll->start();
}

// The work's own count, out of its total; a busy bar while the total is unknown.
void BackgroundTask::showProgress()
{
    const qint64 total = m_progress->total.load();
    if (!m_dialog || total <= 0)
        return;
    const qint64 done = std::min(m_progress->done.load(), total);
    m_dialog->setRange(0, 1000);
    m_dialog->setValue(int(done * 1000 / total));
}

void BackgroundTask::releaseWindow()
{
    m_holdsWindow = false;
    m_poll->stop();
    qApp->removeEventFilter(this);
    m_busyCursor.setBusy(false);
    if (m_dialog) {
        m_dialog->disconnect(this);
        m_dialog->hide();
        m_dialog->deleteLater();
        m_dialog = nullptr;
    }
}

void BackgroundTask::end()
{
    if (m_ended)
        return;
    m_ended = true;
    releaseWindow();
    Outcome outcome;
    try {
        m_watcher.waitForFinished(); // throws what the work threw
    } catch (...) {
        outcome = {Outcome::Failed, describeError(std::current_exception())};
    }
    if (outcome.status != Outcome::Failed && m_progress->isCancelled())
        outcome.status = Outcome::Cancelled;
    if (m_done)
        m_done(outcome);
    Q_EMIT finished();
    deleteLater();
}

// While the work runs, a waiting window takes no input. Its dialogs do: the
// progress dialog, and a question asked meanwhile (the window was closed).
bool BackgroundTask::eventFilter(QObject *watched, QEvent *event)
{
    if (m_holdsWindow && isInput(event->type()) && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == m_window) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace stagepath

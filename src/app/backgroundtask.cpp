// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backgroundtask.h"

#include <QFutureWatcher>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace stagepath {

BackgroundTask *BackgroundTask::start(QWidget *window, const QString &label, Work work, Continuation done)
{
    auto *task = new BackgroundTask(window, label, std::move(done));
    auto *watcher = new QFutureWatcher<void>(task);
    connect(watcher, &QFutureWatcherBase::finished, task, &BackgroundTask::end);
    std::shared_ptr<TaskProgress> progress = task->m_progress;
    watcher->setFuture(QtConcurrent::run([work = std::move(work), progress] { work(*progress); }));
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
        [=](bool) { done(*outcome); });
}

BackgroundTask::BackgroundTask(QWidget *window, const QString &label, Continuation done)
    : QObject(window)
    , m_window(window)
    , m_label(label)
    , m_done(std::move(done))
    , m_poll(new QTimer(this))
{
    QTimer::singleShot(dialogDelayMs, this, &BackgroundTask::showDialog);
    m_poll->setInterval(100);
    connect(m_poll, &QTimer::timeout, this, &BackgroundTask::showProgress);
}

BackgroundTask::~BackgroundTask()
{
    // The window is going: the work stops at its next look at the progress.
    m_progress->cancel();
}

void BackgroundTask::showDialog()
{
    if (m_ended)
        return;
    m_dialog = new QProgressDialog(m_label, tr("İptal"), 0, 0, m_window);
    m_dialog->setObjectName(QStringLiteral("ExportProgress"));
    m_dialog->setWindowTitle(tr("En Kısa Yol"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    connect(m_dialog, &QProgressDialog::canceled, this, [this] { m_progress->cancel(); });
    showProgress();
    m_dialog->show();
    m_poll->start();
}

void BackgroundTask::showProgress()
{
    const qint64 total = m_progress->total.load();
    if (!m_dialog || total <= 0)
        return;
    const qint64 done = std::min(m_progress->done.load(), total);
    m_dialog->setRange(0, 1000);
    m_dialog->setValue(int(done * 1000 / total));
}

void BackgroundTask::end()
{
    m_ended = true;
    m_poll->stop();
    if (m_dialog) {
        m_dialog->hide();
        m_dialog->deleteLater();
        m_dialog = nullptr;
    }
    if (m_done)
        m_done(m_progress->isCancelled());
    Q_EMIT finished();
    deleteLater();
}

} // namespace stagepath

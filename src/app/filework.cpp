// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filework.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace stagepath {

namespace {

constexpr int progressDelayMs = 1000;

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

FileWork::FileWork(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &FileWork::finish);
}

FileWork::~FileWork()
{
    // A worker still running finishes on its own data; nobody takes its result.
    stop();
}

void FileWork::run(const QString &label, bool cancellable, std::function<void()> work, std::function<void()> done)
{
    stop();
    m_running = true;
    m_cancellable = cancellable;
    m_done = std::move(done);
    m_busyCursor.setBusy(true);
    qApp->installEventFilter(this);

    m_progress = new QProgressDialog(label, cancellable ? tr("İptal") : QString(), 0, 0, m_window);
    m_progress->setObjectName(QStringLiteral("FileProgress"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(progressDelayMs);
    if (!cancellable)
        m_progress->setCancelButton(nullptr);
    m_progress->reset(); // shown by the timer below, not at once
    // A dialog without "İptal" can still be closed: that gives up nothing.
    if (cancellable)
        connect(m_progress, &QProgressDialog::canceled, this, &FileWork::stop);
    QTimer::singleShot(progressDelayMs, m_progress, [progress = m_progress] { progress->open(); });

    m_watcher.setFuture(QtConcurrent::run(std::move(work)));
}

void FileWork::completeUncancellable()
{
    if (!m_running || m_cancellable)
        return;
    m_watcher.waitForFinished();
    finish();
}

void FileWork::giveUp()
{
    if (m_cancellable)
        stop();
}

void FileWork::finish()
{
    if (!m_running)
        return;
    std::function<void()> done = std::move(m_done);
    stop();
    if (done)
        done();
}

void FileWork::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_done = nullptr;
    qApp->removeEventFilter(this);
    m_busyCursor.setBusy(false);
    if (m_progress) {
        m_progress->disconnect(this);
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
}

// While the work runs, the window takes no input. Its dialogs do: the
// progress dialog, and a question asked meanwhile (the window was closed).
bool FileWork::eventFilter(QObject *watched, QEvent *event)
{
    if (m_running && isInput(event->type()) && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == m_window) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace stagepath

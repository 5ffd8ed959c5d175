// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Work that would hold the window too long, run off its thread: the window
// stays responsive, and when the work takes more than a second a progress
// dialog (modal to the window) shows how far it got and offers to cancel it.
// When the work ends, its continuation runs on the window's thread; when the
// window goes first, the work is cancelled and nothing runs after it.

#include "share/savedfile.h"
#include "share/taskprogress.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;
class QProgressDialog;
class QTimer;
class QWidget;

namespace stagepath {

class BackgroundTask : public QObject
{
    Q_OBJECT
public:
    using Work = std::function<void(TaskProgress &)>;
    using Continuation = std::function<void(bool cancelled)>;

    static constexpr int dialogDelayMs = 1000;

    using FileWriter = std::function<bool(QIODevice *, TaskProgress *)>;

    // Starts the work at once. label says what is being done.
    static BackgroundTask *start(QWidget *window, const QString &label, Work work, Continuation done);
    // Writes a file whole or not at all (share/savedfile.h) in the background;
    // then done gets the outcome.
    static BackgroundTask *writeFile(QWidget *window, const QString &label, const QString &fileName,
                                     FileWriter writer, std::function<void(const FileOutcome &)> done);
    ~BackgroundTask() override;

Q_SIGNALS:
    // After the continuation ran.
    void finished();

private:
    BackgroundTask(QWidget *window, const QString &label, Continuation done);
    void showDialog();
    void showProgress();
    void end();

    std::shared_ptr<TaskProgress> m_progress = std::make_shared<TaskProgress>();
    QWidget *m_window;
    QString m_label;
    Continuation m_done;
    QProgressDialog *m_dialog = nullptr;
    QTimer *m_poll;
    bool m_ended = false;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// BackgroundTask: one piece of work that would hold the window too long, run
// once on a worker thread (QtConcurrent::run with a QPromise). The work tells
// how far it got, and sees whether it should stop, through a TaskProgress;
// when it takes longer than progressDialogDelayMs a progress dialog (modal
// to the window) shows that, and offers "İptal" where the work may be given
// up. The continuation runs on the window's thread once the worker ended,
// with whether the work completed, was cancelled or failed (an error of any
// type it threw). When the window goes first, the work is asked to stop and
// nothing runs after it.

#include "app/common/busycursor.h"
#include "share/savedfile.h"
#include "share/taskprogress.h"

#include <QFutureWatcher>
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
    struct Outcome {
        enum Status { Completed, Cancelled, Failed };
        Status status = Completed;
        QString problem; // when Failed: what went wrong, in the user's language
    };
    using Work = std::function<void(TaskProgress &)>;
    using Continuation = std::function<void(const Outcome &)>;

    // Whether the progress dialog offers "İptal".
    enum class Cancel { Offered, NotOffered };
    // What the window does while the work runs.
    enum class Window {
        StaysUsable,
        // Repaints but takes no input (its dialogs do), under the busy cursor:
        // for work whose result replaces what the window shows.
        Waits,
    };

    // Starts the work at once. label says what is being done.
    static BackgroundTask *start(QWidget *window, const QString &label, Work work, Continuation done,
                                 Cancel cancel = Cancel::Offered, Window whileRunning = Window::StaysUsable);

    using FileWriter = std::function<bool(QIODevice *, TaskProgress *)>;
    // Writes a file whole or not at all (share/savedfile.h) in the background;
    // then done gets the outcome.
    static BackgroundTask *writeFile(QWidget *window, const QString &label, const QString &fileName,
                                     FileWriter writer, std::function<void(const FileOutcome &)> done);
    ~BackgroundTask() override;

    // Asks the work to stop and gives the window back at once (dialog,
    // input, cursor). The continuation still waits for the worker to end,
    // so that a file it was writing is gone by then; it is told Cancelled.
    void cancel();
    // Waits here for the work and runs the continuation now: for work that
    // must be done whole before the window goes on (a save before closing).
    void finishNow();

Q_SIGNALS:
    // After the continuation ran.
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BackgroundTask(QWidget *window, const QString &label, Continuation done, Cancel cancel, Window whileRunning);
    void showDialog();
    void showProgress();
    void releaseWindow();
    void end();

    std::shared_ptr<TaskProgress> m_progress = std::make_shared<TaskProgress>();
    QFutureWatcher<void> m_watcher;
    QWidget *m_window;
    QString m_label;
    Continuation m_done;
    Cancel m_cancel;
    QProgressDialog *m_dialog = nullptr;
    QTimer *m_poll;
    BusyCursor m_busyCursor;
    bool m_holdsWindow = true; // the dialog may still show, the window may wait
    bool m_ended = false;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// FileWork: reading or writing a large lesson file on a worker thread while
// the window waits for it without freezing. Meanwhile the window repaints but
// takes no input (keys, clicks, drops go nowhere), the busy cursor shows,
// and beyond a second a progress dialog says what is done, with "İptal"
// where the work may be given up: its result is then thrown away. What the
// work made is handed to its follow-up on the window's thread.

#include "busycursor.h"

#include <QFutureWatcher>
#include <QObject>

#include <functional>

class QProgressDialog;
class QWidget;

namespace stagepath {

class FileWork : public QObject
{
    Q_OBJECT
public:
    explicit FileWork(QWidget *window);
    ~FileWork() override;

    bool isRunning() const { return m_running; }
    // Runs work on a worker and then done here, unless it was given up. work
    // must touch nothing the window uses (it gets copies or immutable data)
    // and throw nothing. cancellable: the dialog offers "İptal".
    void run(const QString &label, bool cancellable, std::function<void()> work, std::function<void()> done);
    // Running work that may not be given up (a save) is waited for and
    // followed up now, so that what it does is done whole.
    void completeUncancellable();
    // Running work that may be given up (a read) is: its result is thrown away.
    void giveUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void finish();
    void stop();

    QWidget *m_window;
    QFutureWatcher<void> m_watcher;
    QProgressDialog *m_progress = nullptr;
    BusyCursor m_busyCursor;
    std::function<void()> m_done;
    bool m_running = false;
    bool m_cancellable = false;
};

} // namespace stagepath

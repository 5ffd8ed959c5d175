// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// LessonFiles: the file side of the lesson document. The commands of the
// "Dosya" menu (actionNew, actionOpen, actionSave, actionSaveAs, the recent
// files, actionQuit), opening a file named on the command line or dropped on
// the window, and the question before a modified lesson is given up
// (closing, New, Open): Kaydet / Kaydetme / İptal. Nothing else asks.
// A file that cannot be read or written is reported without blocking, and
// the window keeps what it had. A large file is read, and a large lesson
// written, on a worker thread while the window waits without freezing
// (BackgroundTask); a save asked for before the lesson is given up is done
// at once.

#include "drawing/picture.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace stagepath {

class BackgroundTask;
class LessonDocument;
class RecentFiles;
struct Lesson;
struct LessonReading;

class LessonFiles : public QObject
{
    Q_OBJECT
public:
    // report shows a message that stops a command (a warning, not blocking).
    LessonFiles(QMainWindow *window, LessonDocument *document, std::function<void(const QString &)> report);

    // Adds the commands to the file menu; their texts come from retranslate().
    void addActions(QMenu *fileMenu);
    void retranslate();

    // Asks whether to save a modified lesson; false when the user cancels
    // (or the save failed). True at once when nothing was changed.
    bool confirmDiscard();

    // Files of more bytes are read on a worker; lessons of more edges than
    // workerEdgeThreshold (background/backgroundlimits.h) are written on one.
    static constexpr qint64 backgroundFileBytes = qint64(1) << 20;

Q_SIGNALS:
    // A large lesson file was read: its picture, drawn with the lesson's own
    // settings on the worker, comes just before the lesson is loaded.
    void picturePrepared(const stagepath::GraphPicture &picture);

public Q_SLOTS:
    void newLesson();
    // Opens a lesson file (asking first about a modified lesson); true when
    // it was opened, or is being read on a worker.
    bool open(const QString &fileName);
    void chooseAndOpen();
    // True when the lesson was saved, or is being written on a worker.
    bool save();
    bool saveAs();

private:
    // Runs an entry from the event loop so that no error leaves it: it is reported.
    template <typename Handler> bool fenced(Handler &&handler);
    QAction *addAction(QMenu *menu, const char *name, QKeySequence::StandardKey key);
    bool askToDiscard();
    // Where a large lesson is written: on a worker while the window waits, or
    // now, when the lesson is about to be given up (the question before closing).
    enum class Writing { OnWorkerWhenLarge, Now };
    bool saveLesson(Writing writing);
    bool saveLessonAs(Writing writing);
    bool read(const QString &fileName);
    bool takeReading(const QString &fileName, const LessonReading &reading);
    bool write(const QString &fileName, Writing writing);
    bool finishWriting(const QString &fileName, const QString &problem);
    QString dialogFolder() const;
    QString fileFilter() const;

    QMainWindow *m_window;
    LessonDocument *m_document;
    std::function<void(const QString &)> m_report;
    // The window takes no input while either runs.
    QPointer<BackgroundTask> m_reading;
    QPointer<BackgroundTask> m_writing;
    RecentFiles *m_recent = nullptr;
    QMenu *m_recentMenu = nullptr;
    QAction *m_new = nullptr;
    QAction *m_open = nullptr;
    QAction *m_save = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_quit = nullptr;
};

} // namespace stagepath

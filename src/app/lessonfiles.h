#pragma once
// LessonFiles: the file side of the lesson document. The commands of the
// "Dosya" menu (actionNew, actionOpen, actionSave, actionSaveAs, the recent
// files, actionQuit), opening a file named on the command line or dropped on
// the window, and the question before a modified lesson is given up
// (closing, New, Open): Kaydet / Kaydetme / İptal. Nothing else asks.
// A file that cannot be read or written is reported without blocking, and
// the window keeps what it had.

#include <QKeySequence>
#include <QObject>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace stagepath {

class LessonDocument;
class RecentFiles;

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

public Q_SLOTS:
    void newLesson();
    // Opens a lesson file (asking first about a modified lesson).
    bool open(const QString &fileName);
    void chooseAndOpen();
    bool save();
    bool saveAs();

private:
    QAction *addAction(QMenu *menu, const char *name, QKeySequence::StandardKey key);
    bool read(const QString &fileName);
    bool write(const QString &fileName);
    QString dialogFolder() const;
    QString fileFilter() const;

    QMainWindow *m_window;
    LessonDocument *m_document;
    std::function<void(const QString &)> m_report;
    RecentFiles *m_recent = nullptr;
    QMenu *m_recentMenu = nullptr;
    QAction *m_new = nullptr;
    QAction *m_open = nullptr;
    QAction *m_save = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_quit = nullptr;
};

} // namespace stagepath

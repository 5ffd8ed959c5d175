// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Sharing the lesson from the window: actionExportPicture, actionExportResults
// and actionPrint under "Dosya", actionCopy under "Düzen". Each command's
// work is done by a class of its own (PictureExport, TableExport,
// LessonPrinter, ClipboardCopier); this one makes the actions, names them in the
// window's language and lets the edge tables select ranges of rows to copy.

#include "drawing/picture.h"
#include "model/lessonsettings.h"

#include <QList>
#include <QObject>

#include <functional>

class QAbstractItemView;
class QAction;
class QMenu;
class QWidget;

namespace stagepath {

class ClipboardCopier;
class EdgeTable;
class PictureExport;
class LessonPrinter;
class ResultTable;
class TableExport;

// What the commands read from the window.
struct ShareSources {
    QWidget *window = nullptr;                      // the actions' parent, the dialogs' too
    std::function<GraphPicture()> picture;          // the drawing as last drawn
    const EdgeTable *edges = nullptr;
    const ResultTable *results = nullptr;
    std::function<LessonSettings()> settings;       // the lesson's settings in effect
    std::function<QString()> lessonFile;            // the lesson's file; empty when it has none
    std::function<void(const QString &)> report;    // a warning that stops a command
    QList<QAbstractItemView *> rangeViews;          // tables whose rows are selected in ranges
};

class ShareActions : public QObject
{
    Q_OBJECT
public:
    explicit ShareActions(const ShareSources &sources);

    // The exports and printing go before actionQuit in the file menu, copying at the end of the edit menu.
    void addActions(QMenu *fileMenu, QMenu *editMenu);
    void retranslate();

    PictureExport *pictureExport() const { return m_pictureExport; }
    TableExport *tableExport() const { return m_tableExport; }

private:
    QAction *newAction(const char *name);
    // The lesson's file name without its extension, for the files proposed.
    QString lessonName() const;

    ShareSources m_sources;
    PictureExport *m_pictureExport;
    TableExport *m_tableExport;
    LessonPrinter *m_printer;
    ClipboardCopier *m_copier;
    QAction *m_exportPictureAction;
    QAction *m_exportResultsAction;
    QAction *m_printAction;
    QAction *m_copyAction;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// actionUndo and actionRedo of the "Düzen" menu, named by the step they
// would undo or redo: "Geri Al: değer 734 → 50", and plain "Geri Al" when
// there is none. (QUndoStack::createUndoAction would leave its prefix
// dangling there: "Geri Al:".)

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace stagepath {

class LessonDocument;

class HistoryActions : public QObject
{
    Q_OBJECT
public:
    // The actions are children of window.
    HistoryActions(QWidget *window, LessonDocument *document);

    void addActions(QMenu *editMenu);
    // Names the commands and every step again in the language now in use.
    void retranslate();

private:
    void updateTexts();

    LessonDocument *m_document;
    QAction *m_undo;
    QAction *m_redo;
};

} // namespace stagepath

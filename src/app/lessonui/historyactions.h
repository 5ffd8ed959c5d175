// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// actionUndo and actionRedo of the "Düzen" menu, named by the step they
// would undo or redo: "Geri Al: değer 734 → 50", and plain "Geri Al" when
// there is none. (QUndoStack::createUndoAction would leave its prefix
// dangling there: "Geri Al:".)

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace stagepath {

class LessonDocument;

class HistoryActions : public QObject
{
    Q_OBJECT
public:
    // The actions are children of window. An error on the way is given to
    // report; the lesson stays as it was before the step.
    HistoryActions(QWidget *window, LessonDocument *document, std::function<void(const QString &)> report);

    void addActions(QMenu *editMenu);
    // Names the commands and every step again in the language now in use.
    void retranslate();

private:
    void updateTexts();

    LessonDocument *m_document;
    std::function<void(const QString &)> m_report;
    QAction *m_undo;
    QAction *m_redo;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/historyactions.h"

#include "app/common/errorfence.h"

#include "lesson/lessondocument.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace stagepath {

namespace {

QAction *historyAction(QWidget *window, const char *name, QKeySequence::StandardKey key)
{
    auto *action = new QAction(window);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(key);
    action->setEnabled(false);
    return action;
}

QString named(const QString &command, const QString &step)
{
    return step.isEmpty() ? command : QStringLiteral("%1: %2").arg(command, step);
}

} // namespace

HistoryActions::HistoryActions(QWidget *window, LessonDocument *document,
                               std::function<void(const QString &)> report)
    : QObject(window)
    , m_document(document)
    , m_report(std::move(report))
    , m_undo(historyAction(window, "actionUndo", QKeySequence::Undo))
    , m_redo(historyAction(window, "actionRedo", QKeySequence::Redo))
{
    const QUndoStack *history = document->history();
    // A step can rebuild a million edges or bring back a worker's error: both
    // through the fence.
    connect(m_undo, &QAction::triggered, this, [this] { runFenced(m_report, [this] { m_document->undo(); }); });
    connect(m_redo, &QAction::triggered, this, [this] { runFenced(m_report, [this] { m_document->redo(); }); });
    connect(history, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(history, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    connect(history, &QUndoStack::undoTextChanged, this, &HistoryActions::updateTexts);
    connect(history, &QUndoStack::redoTextChanged, this, &HistoryActions::updateTexts);
    updateTexts();
}

void HistoryActions::addActions(QMenu *editMenu)
{
    editMenu->addAction(m_undo);
    editMenu->addAction(m_redo);
}

void HistoryActions::retranslate()
{
    m_document->retranslateHistory();
    updateTexts();
}

void HistoryActions::updateTexts()
{
    const QUndoStack *history = m_document->history();
    m_undo->setText(named(tr("Geri Al"), history->undoText()));
    m_redo->setText(named(tr("Yinele"), history->redoText()));
    m_undo->setEnabled(history->canUndo());
    m_redo->setEnabled(history->canRedo());
}

} // namespace stagepath

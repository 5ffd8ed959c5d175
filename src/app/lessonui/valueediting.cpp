// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/valueediting.h"

#include "app/common/keyboard.h"

#include "lesson/lessondocument.h"
#include "lesson/pastedvalues.h"
#include "model/edgetable.h"
#include "model/stagefilter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace stagepath {

ValueEditing::ValueEditing(const ValueEditingParts &parts)
    : QObject(parts.window)
    , m_parts(parts)
{
    m_pasteAction = new QAction(parts.window);
    m_pasteAction->setObjectName(QStringLiteral("actionPaste"));
    m_pasteAction->setShortcuts(standardShortcuts(QKeySequence::Paste));
    m_pasteAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_pasteAction, &QAction::triggered, this, &ValueEditing::paste);
    for (QAbstractItemView *view : {parts.edgeView, parts.stageEdgeView})
        view->installEventFilter(this);
    retranslate();
}

void ValueEditing::addActions(QMenu *editMenu)
{
    editMenu->addAction(m_pasteAction);
}

void ValueEditing::retranslate()
{
    m_pasteAction->setText(tr("Yapıştır"));
}

QAbstractItemView *ValueEditing::focusedView() const
{
    for (QWidget *w = m_parts.window->focusWidget(); w; w = w->parentWidget()) {
        if (w == m_parts.edgeView || w == m_parts.stageEdgeView)
            return static_cast<QAbstractItemView *>(w);
    }
    return nullptr;
}

void ValueEditing::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (QAbstractItemView *view = focusedView()) {
        pasteInto(view, text);
    } else if (auto *edit = qobject_cast<QLineEdit *>(m_parts.window->focusWidget())) {
        edit->paste(); // a text box keeps its own paste
    }
}

void ValueEditing::pasteInto(QAbstractItemView *view, const QString &text)
{
    const PastedValues pasted = readPastedValues(text);
    if (pasted.items.isEmpty()) {
        m_parts.report(tr("Panoda yapıştırılacak değer yok."));
        return;
    }
    if (pasted.bad) {
        m_parts.report(tr("Yapıştırılamadı: panodaki \"%1\" bir sayı ya da \"-\" değil. Hiçbir değer değiştirilmedi.")
                           .arg(*pasted.bad));
        return;
    }
    const int rows = view->model()->rowCount();
    const int current = view->currentIndex().isValid() ? view->currentIndex().row() : 0;
    if (current + pasted.items.size() > rows) {
        m_parts.report(tr("Yapıştırılamadı: panoda %1 değer var, seçili satırdan sonra %2 yol var; \"%3\" ve sonrası "
                          "için yol yok. Hiçbir değer değiştirilmedi.")
                           .arg(pasted.items.size())
                           .arg(rows - current)
                           .arg(pasted.items[rows - current]));
        return;
    }
    const qint64 first = view == m_parts.stageEdgeView ? m_parts.stageFilter->sourceRow(current) : current;
    m_parts.lesson->pasteValues(first, pasted.items);
}

bool ValueEditing::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *view = static_cast<QAbstractItemView *>(watched);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier
            && view->currentIndex().isValid()) { // (an open editor takes its own keys)
            // The road of the current row does not exist any more.
            const QModelIndex cell = view->currentIndex().siblingAtColumn(EdgeTable::ValueColumn);
            if (cell.data().toString() != QLatin1String("-"))
                view->model()->setData(cell, QStringLiteral("-"));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace stagepath

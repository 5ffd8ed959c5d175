// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/common/keyboard.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

namespace stagepath {

namespace {

class HorizontalArrowKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *bar = qobject_cast<QScrollBar *>(watched);
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (!bar || bar->orientation() != Qt::Horizontal || (key != Qt::Key_Left && key != Qt::Key_Right))
            return false;
        // In a right-to-left layout the bar is mirrored: Left moves forwards.
        const bool forwards = (key == Qt::Key_Right) != bar->isRightToLeft();
        bar->triggerAction(forwards ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        return true;
    }
};

} // namespace

void applyKeyboardConventions(QWidget *window)
{
    for (QPushButton *button : window->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        button->setAutoDefault(true);
    for (QScrollBar *bar : window->findChildren<QScrollBar *>(Qt::FindDirectChildrenOnly)) {
        if (bar->orientation() == Qt::Horizontal)
            bar->installEventFilter(new HorizontalArrowKeys(bar));
    }
}

QAction *createWindowAction(QWidget *window, const char *objectName, const QKeySequence &shortcut)
{
    auto *action = new QAction(window);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

QList<QKeySequence> standardShortcuts(QKeySequence::StandardKey key)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty() && key == QKeySequence::SaveAs)
        keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    if (keys.isEmpty() && key == QKeySequence::Quit)
        keys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    return keys;
}

} // namespace stagepath

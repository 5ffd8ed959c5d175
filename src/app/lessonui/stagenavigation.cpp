// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/stagenavigation.h"

#include "app/common/keyboard.h"

#include <QAction>
#include <QMenu>
#include <QTabBar>
#include <QWidget>

namespace stagepath {

StageNavigation::StageNavigation(QTabBar *tabs, QWidget *window)
    : QObject(window)
    , m_tabs(tabs)
    , m_next(createWindowAction(window, "actionNextStage", QKeySequence(Qt::CTRL | Qt::Key_PageDown)))
    , m_previous(createWindowAction(window, "actionPreviousStage", QKeySequence(Qt::CTRL | Qt::Key_PageUp)))
{
    connect(m_next, &QAction::triggered, this, &StageNavigation::showNextStage);
    connect(m_previous, &QAction::triggered, this, &StageNavigation::showPreviousStage);
}

void StageNavigation::addActions(QMenu *menu)
{
    menu->addActions({m_previous, m_next});
}

void StageNavigation::retranslate()
{
    m_next->setText(tr("Sonraki Vorta"));
    m_previous->setText(tr("Önceki Vorta"));
}

void StageNavigation::showNextStage()
{
    if (m_tabs->currentIndex() + 1 < m_tabs->count())
        m_tabs->setCurrentIndex(m_tabs->currentIndex() + 1);
}

void StageNavigation::showPreviousStage()
{
    if (m_tabs->currentIndex() > 0)
        m_tabs->setCurrentIndex(m_tabs->currentIndex() - 1);
}

} // namespace stagepath

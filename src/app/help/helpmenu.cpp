// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/help/helpmenu.h"

#include "app/common/keyboard.h"
#include "app/help/helptext.h"
#include "app/help/helpwindow.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

namespace stagepath {

HelpMenu::HelpMenu(QWidget *window, QMenu *menu)
    : QObject(window)
    , m_window(window)
    , m_help(createWindowAction(window, "actionHelp", QKeySequence::HelpContents))
    , m_about(createWindowAction(window, "actionAbout", QKeySequence()))
{
    m_about->setMenuRole(QAction::AboutRole);
    menu->addActions({m_help, m_about});
    connect(m_help, &QAction::triggered, this, &HelpMenu::showHelp);
    connect(m_about, &QAction::triggered, this, &HelpMenu::showAbout);
}

void HelpMenu::retranslate()
{
    m_help->setText(tr("Yardım Konuları"));
    m_about->setText(tr("En Kısa Yol Hakkında"));
    if (m_aboutBox) {
        m_aboutBox->setWindowTitle(m_about->text());
        m_aboutBox->setText(aboutHtml());
    }
}

void HelpMenu::showHelp()
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(m_window);
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void HelpMenu::showAbout()
{
    if (!m_aboutBox) {
        m_aboutBox = new QMessageBox(m_window);
        m_aboutBox->setObjectName(QStringLiteral("AboutBox"));
        m_aboutBox->setIcon(QMessageBox::Information);
        m_aboutBox->setTextFormat(Qt::RichText);
        m_aboutBox->setStandardButtons(QMessageBox::Ok);
    }
    retranslate();
    m_aboutBox->open();
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/help/helpwindow.h"

#include "app/help/helptext.h"

#include <QEvent>

namespace stagepath {

HelpWindow::HelpWindow(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(true);
    resize(620, 640);
    retranslate();
}

void HelpWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QTextBrowser::changeEvent(event);
}

void HelpWindow::retranslate()
{
    setWindowTitle(tr("En Kısa Yol — Yardım"));
    setHtml(helpPageHtml());
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/common/windowmessages.h"

#include "app/common/messagebox.h"

#include <QCoreApplication>
#include <QStyle>
#include <QWidget>

namespace stagepath {

WindowMessages::WindowMessages(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

void WindowMessages::warn(const QString &text)
{
    show(text, Kind::Warning);
}

void WindowMessages::inform(const QString &text)
{
    show(text, Kind::Information);
}

std::function<void(const QString &)> WindowMessages::warner()
{
    return [this](const QString &text) { warn(text); };
}

void WindowMessages::show(const QString &text, Kind kind)
{
    if (!m_box) {
        m_box = new MessageBox(m_window);
        m_box->setObjectName(QStringLiteral("Message"));
        m_box->setStandardButtons(QMessageBox::Ok);
    }
    // The window's text, translated where the window first showed it.
    m_box->setWindowTitle(QCoreApplication::translate("stagepath::MainWindow", "En Kısa Yol", "the program's name"));
    m_box->setIcon(kind == Kind::Warning ? QMessageBox::Warning : QMessageBox::Information);
    // A message is plain text. One that names a path through a thousand
    // stages is long: selectable text would lay it out as a document, over
    // and over while the box finds its size.
    constexpr qsizetype longMessage = 2000;
    m_box->setTextFormat(Qt::PlainText);
    m_box->setTextInteractionFlags(text.size() > longMessage
                                       ? Qt::NoTextInteraction
                                       : Qt::TextInteractionFlags(m_window->style()->styleHint(
                                             QStyle::SH_MessageBox_TextInteractionFlags, nullptr, m_box)));
    m_box->setText(text);
    m_box->open();
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform/languagewatch.h"

#include <QEvent>

namespace stagepath {

LanguageWatch::LanguageWatch(std::function<void()> retranslate, QObject *parent)
    : QObject(parent)
    , m_retranslate(std::move(retranslate))
{
}

bool LanguageWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::LanguageChange)
        m_retranslate();
    return QObject::eventFilter(watched, event);
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Calls back when the widget it filters is told the language changed (a
// translator was installed or removed). A window installs one when it is
// fully built, so that a change of language never reaches a half-built one.

#include <QObject>

#include <functional>

namespace stagepath {

class LanguageWatch : public QObject
{
public:
    LanguageWatch(std::function<void()> retranslate, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_retranslate;
};

} // namespace stagepath

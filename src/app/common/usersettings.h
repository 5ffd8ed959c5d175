// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the window keeps what it remembers between runs (the language, the
// recent files, the last folder): the user's settings of the application
// "stagepath".

#include <QSettings>

namespace stagepath {

inline QSettings userSettings()
{
    return QSettings(QStringLiteral("stagepath"), QStringLiteral("stagepath"));
}

} // namespace stagepath

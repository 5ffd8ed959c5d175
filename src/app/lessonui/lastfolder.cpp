// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/lastfolder.h"

#include "app/common/usersettings.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace stagepath::lastfolder {

namespace {

const QString settingsKey = QStringLiteral("lastFolder");

} // namespace

QString folder()
{
    const QString remembered = userSettings().value(settingsKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void remember(const QString &fileName)
{
    userSettings().setValue(settingsKey, QFileInfo(fileName).absolutePath());
}

} // namespace stagepath::lastfolder

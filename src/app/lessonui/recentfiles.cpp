// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/recentfiles.h"

#include "app/common/usersettings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace stagepath {

namespace {

const QString settingsKey = QStringLiteral("recentFiles");

} // namespace

RecentFiles::RecentFiles(QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
{
    rebuildMenu();
}

QStringList RecentFiles::files() const
{
    return userSettings().value(settingsKey).toStringList().mid(0, maxFiles);
}

void RecentFiles::add(const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, maxFiles));
}

void RecentFiles::remove(const QString &fileName)
{
    QStringList list = files();
    if (list.removeAll(QFileInfo(fileName).absoluteFilePath()) > 0)
        store(list);
}

void RecentFiles::store(const QStringList &list)
{
    userSettings().setValue(settingsKey, list);
    rebuildMenu();
}

void RecentFiles::rebuildMenu()
{
    m_menu->clear();
    const QStringList list = files();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString path = list.at(i);
        // "1 ders.stagepath", the whole path as the tip (a & in the name
        // would mark a shortcut letter).
        const QString name = QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = m_menu->addAction(QStringLiteral("%1 %2").arg(i + 1).arg(name));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { Q_EMIT chosen(path); });
    }
    m_menu->setEnabled(!list.isEmpty());
}

} // namespace stagepath

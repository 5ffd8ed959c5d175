// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The recently opened or saved lessons: a submenu of "Dosya" with the
// newest first, kept in the user's settings (QSettings, organisation and
// application "stagepath") from one start to the next.

#include <QObject>
#include <QStringList>

class QMenu;

namespace stagepath {

class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int maxFiles = 8;

    // Fills menu (the submenu) and keeps it up to date.
    explicit RecentFiles(QMenu *menu, QObject *parent = nullptr);

    QStringList files() const;
    // Puts a file first (it was opened or saved).
    void add(const QString &fileName);
    // Forgets a file (it could not be opened).
    void remove(const QString &fileName);

Q_SIGNALS:
    void chosen(const QString &fileName);

private:
    void store(const QStringList &files);
    void rebuildMenu();

    QMenu *m_menu;
};

} // namespace stagepath

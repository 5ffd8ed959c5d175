// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's language: "Türkçe" and "English" under "Görünüm", checkable
// and exclusive. The choice switches the whole window at once and is
// remembered for the next start (QSettings "stagepath"/"stagepath", key
// "language"); without a remembered choice the window is Turkish, whatever
// the system's locale.

#include "app/platform/translations.h"

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace stagepath {

class LanguageMenu : public QObject
{
    Q_OBJECT
public:
    // Adds the menu "Dil" with the two actions (children of window) to
    // parentMenu and puts the remembered language in place.
    LanguageMenu(QWidget *window, QMenu *parentMenu);

    Language language() const { return m_translations->language(); }
    void retranslate();

    static Language rememberedLanguage();

public Q_SLOTS:
    // Switches the window's language now: every window has retranslated
    // itself when this returns.
    void switchTo(Language language);

private:
    Translations *m_translations;
    QMenu *m_menu;
    QActionGroup *m_group;
    QAction *m_turkish;
    QAction *m_english;
};

} // namespace stagepath

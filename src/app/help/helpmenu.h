// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The commands under "Yardım": the help page (F1), in a window of its own,
// and the about box with the program's version, licence and libraries.

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QMessageBox;
class QWidget;

namespace stagepath {

class HelpWindow;

class HelpMenu : public QObject
{
    Q_OBJECT
public:
    // The actions are children of window.
    HelpMenu(QWidget *window, QMenu *menu);

    void retranslate();

public Q_SLOTS:
    void showHelp();
    void showAbout();

private:
    QWidget *m_window;
    QAction *m_help;
    QAction *m_about;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<QMessageBox> m_aboutBox;
};

} // namespace stagepath

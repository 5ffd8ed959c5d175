// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Moving between the stage tabs from anywhere in the window: Ctrl+PgDown
// shows the next stage's edges, Ctrl+PgUp the previous one ("Sonraki Vorta",
// "Önceki Vorta" under "Görünüm"). The mouse wheel over the tabs does the
// same through the tab strip itself.

#include <QObject>

class QAction;
class QMenu;
class QTabBar;
class QWidget;

namespace stagepath {

class StageNavigation : public QObject
{
    Q_OBJECT
public:
    // The actions are children of window and work wherever the focus is in it.
    StageNavigation(QTabBar *tabs, QWidget *window);

    void addActions(QMenu *menu);
    void retranslate();

public Q_SLOTS:
    void showNextStage();
    void showPreviousStage();

private:
    QTabBar *m_tabs;
    QAction *m_next;
    QAction *m_previous;
};

} // namespace stagepath

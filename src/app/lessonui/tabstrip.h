// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// TabStrip: the stage tabs above the edge table.

#include <QHash>
#include <QTabBar>

namespace stagepath {

// The stage tabs. A tab bar lays out all its tabs whenever one is added, so
// the size of each caption is measured once and remembered: a thousand tabs
// are then added in milliseconds instead of seconds.
// The strip is much taller than its row of tabs (the edge table lies over the
// rest); the arrows that scroll a long row of tabs stand in that row, at its
// height, instead of stretching down behind the table.
class TabStrip : public QTabBar
{
    Q_OBJECT
public:
    using QTabBar::QTabBar;

    // Makes the tabs these captions, keeping the tabs that stay and the
    // current one where it still exists, without the currentChanged event.
    // A tab bar lays out all its tabs after every tab added or removed while
    // it shows, so a long run of changes is made while it is hidden: a
    // thousand tabs then take one layout instead of a thousand.
    void setCaptions(const QStringList &captions, int current);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void changeEvent(QEvent *event) override;
    void tabLayoutChange() override;

private:
    mutable QHash<QString, QSize> m_sizes;
    mutable QHash<QString, QSize> m_minimumSizes;
};

} // namespace stagepath

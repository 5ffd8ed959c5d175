// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/tabstrip.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QToolButton>

namespace stagepath {

QSize TabStrip::tabSizeHint(int index) const
{
    const QString text = tabText(index);
    auto it = m_sizes.constFind(text);
    if (it == m_sizes.constEnd())
        it = m_sizes.insert(text, QTabBar::tabSizeHint(index));
    return *it;
}

QSize TabStrip::minimumTabSizeHint(int index) const
{
    const QString text = tabText(index);
    auto it = m_minimumSizes.constFind(text);
    if (it == m_minimumSizes.constEnd())
        it = m_minimumSizes.insert(text, QTabBar::minimumTabSizeHint(index));
    return *it;
}

void TabStrip::setCaptions(const QStringList &captions, int current)
{
    const QSignalBlocker quiet(this);
    const int changes = qAbs(count() - int(captions.size()));
    const bool hide = changes > 8 && isVisible();
    const bool hadFocus = hasFocus();
    if (hide)
        setVisible(false);
    while (count() > captions.size())
        removeTab(count() - 1);
    for (int i = 0; i < captions.size(); ++i) {
        if (i >= count())
            addTab(captions.at(i));
        else if (tabText(i) != captions.at(i))
            setTabText(i, captions.at(i));
    }
    setCurrentIndex(current);
    if (hide) {
        setVisible(true);
        if (hadFocus)
            setFocus(Qt::OtherFocusReason);
    }
}

void TabStrip::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_sizes.clear(), m_minimumSizes.clear();
    QTabBar::changeEvent(event);
}

void TabStrip::tabLayoutChange()
{
    QTabBar::tabLayoutChange();
    if (count() == 0)
        return;
    const int rowHeight = tabRect(0).height();
    for (QToolButton *arrow : findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        const QRect r = arrow->geometry();
        if (r.height() > rowHeight)
            arrow->setGeometry(r.x(), 0, r.width(), rowHeight);
    }
}

} // namespace stagepath

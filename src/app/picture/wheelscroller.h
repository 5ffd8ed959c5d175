// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The mouse wheel over the picture scrolls it through the scroll bars, so
// that their values stay the picture's position in twips: the wheel scrolls
// vertically, Shift+wheel and a horizontal wheel horizontally. A notch moves
// as many of the bar's arrow steps as the desktop's wheel setting says
// (three by default); the finer steps of a touchpad scroll in proportion.

#include <QObject>
#include <QPoint>

class QScrollBar;
class QWheelEvent;

namespace stagepath {

class WheelScroller : public QObject
{
    Q_OBJECT
public:
    // Watches `surface` (a child of this object's parent is fine) for wheel events.
    WheelScroller(QObject *surface, QScrollBar *horizontal, QScrollBar *vertical);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scroll(QScrollBar *bar, int delta, qint64 &remainder);

    QScrollBar *m_horizontal;
    QScrollBar *m_vertical;
    // What fine wheel steps have turned but not yet scrolled (in 1/120 twips).
    qint64 m_horizontalRemainder = 0;
    qint64 m_verticalRemainder = 0;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture/wheelscroller.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace stagepath {

WheelScroller::WheelScroller(QObject *surface, QScrollBar *horizontal, QScrollBar *vertical)
    : QObject(surface)
    , m_horizontal(horizontal)
    , m_vertical(vertical)
{
    surface->installEventFilter(this);
}

bool WheelScroller::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto *wheel = static_cast<QWheelEvent *>(event);
    QPoint delta = wheel->angleDelta();
    if (wheel->inverted())
        delta = -delta;
    // Shift turns a vertical wheel sideways.
    if (wheel->modifiers() & Qt::ShiftModifier && delta.x() == 0)
        delta = QPoint(delta.y(), 0);
    scroll(m_horizontal, delta.x(), m_horizontalRemainder);
    scroll(m_vertical, delta.y(), m_verticalRemainder);
    wheel->accept();
    return true;
}

void WheelScroller::scroll(QScrollBar *bar, int delta, qint64 &remainder)
{
    if (delta == 0)
        return;
    // A notch is 120 eighths of a degree and moves the lines of the desktop's
    // wheel setting; turning the wheel away from the user (positive) scrolls
    // back, towards the top or the left. What a fine step leaves over is kept.
    remainder += qint64(delta) * QApplication::wheelScrollLines() * bar->singleStep();
    const qint64 move = remainder / QWheelEvent::DefaultDeltasPerStep;
    remainder -= move * QWheelEvent::DefaultDeltasPerStep;
    bar->setValue(int(std::clamp<qint64>(bar->value() - move, bar->minimum(), bar->maximum())));
}

} // namespace stagepath

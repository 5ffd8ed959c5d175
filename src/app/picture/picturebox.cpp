// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture/picturebox.h"

#include "app/picture/zoomlevel.h"

#include "drawing/textrule.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace stagepath {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The font the drawing writes its texts in, rather than the window's.
    setFont(drawingFont());
}

void PictureBox::setPicture(const GraphPicture &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, ZoomLevel::fromPercent(ZoomLevel::minimumPercent).factor(),
                        ZoomLevel::fromPercent(ZoomLevel::maximumPercent).factor());
    update();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_picture.paint(painter, event->rect(), m_zoom);
}

} // namespace stagepath

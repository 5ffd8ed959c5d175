// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture/pictureviewport.h"

#include "app/common/keyboard.h"
#include "app/picture/picturebox.h"
#include "app/picture/picturelayout.h"
#include "app/picture/wheelscroller.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QScrollBar>

namespace stagepath {

PictureViewport::PictureViewport(const ClientArea &area, QWidget *window)
    : QObject(window)
    , m_area(area)
    , m_zoomIn(createWindowAction(window, "actionZoomIn", QKeySequence::ZoomIn))
    , m_zoomOut(createWindowAction(window, "actionZoomOut", QKeySequence::ZoomOut))
    , m_zoomReset(createWindowAction(window, "actionZoomReset", QKeySequence(Qt::CTRL | Qt::Key_0)))
{
    new WheelScroller(area.picture, area.horizontalBar, area.verticalBar);
    connect(m_zoomIn, &QAction::triggered, this, &PictureViewport::zoomIn);
    connect(m_zoomOut, &QAction::triggered, this, &PictureViewport::zoomOut);
    connect(m_zoomReset, &QAction::triggered, this, &PictureViewport::resetZoom);
    updateZoomActions();
}

void PictureViewport::addZoomActions(QMenu *menu)
{
    menu->addActions({m_zoomIn, m_zoomOut, m_zoomReset});
}

void PictureViewport::retranslate()
{
    m_zoomIn->setText(tr("Yakınlaştır"));
    m_zoomOut->setText(tr("Uzaklaştır"));
    m_zoomReset->setText(tr("Normal Boyut (%100)"));
}

// The picture covers the drawing at the zoom and the whole viewport; the
// bars range over what it exceeds the viewport by. A bar whose value no
// longer fits moves the picture as its change does.
void PictureViewport::layOut()
{
    const QSize viewport(m_area.widget->width(), m_area.viewport->height());
    const QSizeF extent = m_area.picture->picture().extent(m_zoom.factor());
    const PictureLayout layout = layOutPicture(extent, viewport);
    m_area.picture->resize(layout.pictureSize);
    m_area.horizontalBar->setMaximum(layout.horizontalMaximum);
    m_area.verticalBar->setMaximum(layout.verticalMaximum);
}

// The point in the middle of the viewport stays where it is.
void PictureViewport::setZoom(ZoomLevel level)
{
    if (level == m_zoom)
        return;
    QScrollBar *h = m_area.horizontalBar;
    QScrollBar *v = m_area.verticalBar;
    const double from = m_zoom.factor();
    const double to = level.factor();
    const int across = centredScrollValue(h->value(), m_area.widget->width(), from, to);
    const int down = centredScrollValue(v->value(), m_area.viewport->height(), from, to);
    m_zoom = level;
    m_area.picture->setZoom(to);
    layOut();
    h->setValue(across);
    v->setValue(down);
    updateZoomActions();
}

void PictureViewport::zoomIn()
{
    setZoom(m_zoom.zoomedIn());
}

void PictureViewport::zoomOut()
{
    setZoom(m_zoom.zoomedOut());
}

void PictureViewport::resetZoom()
{
    setZoom(ZoomLevel());
}

void PictureViewport::updateZoomActions()
{
    m_zoomIn->setEnabled(m_zoom.canZoomIn());
    m_zoomOut->setEnabled(m_zoom.canZoomOut());
}

} // namespace stagepath

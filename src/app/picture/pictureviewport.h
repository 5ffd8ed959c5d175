// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture in its viewport: its size and the scroll ranges from the last
// drawing, the window's inner width and the zoom; the mouse wheel over it;
// the zoom commands "Yakınlaştır", "Uzaklaştır" and "Normal Boyut (%100)" under
// "Görünüm". The scroll bars keep holding twips; at 100 % everything is as
// the drawing sizes it.

#include "app/picture/zoomlevel.h"
#include "app/window/clientarea.h"

#include <QObject>
#include <QSize>

class QAction;
class QMenu;

namespace stagepath {

class PictureViewport : public QObject
{
    Q_OBJECT
public:
    // The zoom actions are children of window.
    PictureViewport(const ClientArea &area, QWidget *window);

    void addZoomActions(QMenu *menu);
    void retranslate();

    // After every drawing and every change of the window's inner width.
    void layOut();

    ZoomLevel zoom() const { return m_zoom; }
    void setZoom(ZoomLevel level);

public Q_SLOTS:
    void zoomIn();
    void zoomOut();
    void resetZoom();

private:
    void updateZoomActions();

    ClientArea m_area;
    ZoomLevel m_zoom;
    QAction *m_zoomIn;
    QAction *m_zoomOut;
    QAction *m_zoomReset;
};

} // namespace stagepath

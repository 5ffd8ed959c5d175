// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Picture1: the drawing surface. It keeps no pixels of its own; every exposed
// part is painted again from the picture, at the zoom it is shown at.

#include "drawing/picture.h"

#include <QWidget>

namespace stagepath {

class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    const GraphPicture &picture() const { return m_picture; }
    void setPicture(const GraphPicture &picture);
    double zoom() const { return m_zoom; }
    // Clamped to the zoom levels' range; the caller resizes the surface.
    void setZoom(double zoom);

protected:
    void paintEvent(QPaintEvent *event) override;
    // A click takes the focus from the table that had it, so that copying
    // then copies the picture; the picture stays out of the tab order.
    void mousePressEvent(QMouseEvent *event) override;

private:
    GraphPicture m_picture;
    double m_zoom = 1;
};

} // namespace stagepath

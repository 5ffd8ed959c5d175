// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One repaint of a rectangle of a picture: the background, the circles with
// their box numbers and the edge values that meet it (all black on the
// background, so their order does not change the result), then the lines in
// drawing order and the overlays. A circle or a layer of lines that covers the
// whole rectangle spares painting what lies under it.

#include "drawing/devicemap.h"
#include "drawing/overlaypainter.h"
#include "drawing/picture.h"

#include <QRect>

class QPainter;

namespace stagepath {

class TextBatch;

// The widest box label (name or number) of a column, in drawing pixels.
double boxLabelWidth(const EdgeData &edges, int column);

class GraphPainter
{
public:
    GraphPainter(const GraphPicture::Content &content, const OverlayState &overlays, QPainter &painter, double zoom);

    // The rectangle in the painter's coordinates.
    void paint(const QRectF &area);

private:
    // A circle's stroke in device pixels.
    struct Ring {
        QPointF centre;
        double radius;
    };

    void paintBeneath();
    // Collects the circles that meet the area; false when one covers it all.
    bool visibleCircles(std::vector<Ring> &rings) const;
    bool covers(const Ring &ring) const;
    void paintCircles(const std::vector<Ring> &rings);
    void paintNumbers(TextBatch &texts);

    const GraphPicture::Content &m_content;
    const OverlayState &m_overlays;
    QPainter &m_painter;
    DeviceMap m_map;
    double m_pen; // the graph's pen in device pixels
    QRect m_device;
    QRectF m_area; // the same in drawing pixels
    bool m_raster = false;
};

} // namespace stagepath

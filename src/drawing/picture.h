// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture of the staged graph: every box a circle with its global box
// number (or its name) inside, columns left to right, each centred vertically
// against the largest; the edge values under the circles of their left boxes
// (or on their own lines, linevalues.h, drawn over everything); every box
// of a column joined to every box of the next by a line, black or coloured by
// the position of its left box; then the overlays (overlays.h).
//
// A picture is an immutable value, cheap to build and to copy: it keeps the
// edge data, the settings and the geometry and paints any rectangle of the
// drawing from them, at any zoom, on screen, into an image or into a vector
// file. Nothing is drawn per edge when it is built; a repaint costs about the
// columns, the left boxes of the stages in view and the items in view.
//
// Nothing here throws: an item that cannot be drawn (a coordinate that is not
// finite, or does not fit in 32 bits where whole pixels are needed) is left
// out and drawing goes on.

#include "drawing/geometry.h"
#include "drawing/linevalues.h"
#include "drawing/overlays.h"
#include "drawing/values.h"
#include "model/graphdata.h"

#include <QImage>
#include <QRect>
#include <QSizeF>

#include <memory>
#include <vector>

class QPainter;

namespace stagepath {

struct OverlayState;

struct DrawSettings {
    double xSpacing = 220;
    double ySpacing = 120;
    double radius = 20;
    int penWidth = 1;     // clamped to 1..limits::maxPenWidth
    bool coloured = false;
    // The print look: a white background, and lines dark enough for paper.
    bool paper = false;
    bool valuesOnLines = false; // each value on its own line rather than stacked under its left box

    friend bool operator==(const DrawSettings &, const DrawSettings &) = default;
};

class GraphPicture
{
public:
    // What a picture is made of, shared between its copies.
    struct Content {
        EdgeDataPtr edges;
        DrawSettings settings;
        GraphGeometry geometry;
        ValueLayout values;         // the stacks under the boxes
        LineValueLayout lineValues; // or the values on the lines
        std::vector<double> nameWidths; // per column, the widest box label when boxes have names
        QSizeF extent;
    };

    GraphPicture(); // a picture of nothing: the background alone
    GraphPicture(EdgeDataPtr edges, const DrawSettings &settings);

    // No columns: nothing to draw.
    bool isEmpty() const;
    const EdgeDataPtr &edges() const { return m_content->edges; }
    const DrawSettings &settings() const { return m_content->settings; }
    const GraphGeometry &geometry() const { return m_content->geometry; }
    // M, the largest box count.
    double largest() const { return m_content->geometry.largest(); }
    // The first edge row whose value is not written.
    qint64 valuesEnd() const { return m_content->values.end(); }

    const PictureOverlays &overlays() const;
    // The same picture with other overlays.
    GraphPicture withOverlays(PictureOverlays overlays) const;
    // The same picture in the window's look or in the print look.
    GraphPicture inLook(bool paper) const;

    // Width and height, from the origin, that cover everything drawn (and at
    // least the graph's nominal extent: the last column's centre, the lowest
    // centre of the largest column), in pixels of the drawing at that zoom.
    QSizeF extent(double zoom = 1) const;

    // Paints a rectangle of the drawing, given in the painter's coordinates,
    // in which the drawing at that zoom has its origin at (0, 0): the
    // background, then everything that meets the rectangle, in drawing order.
    // The painter may be translated and scaled (not rotated).
    void paint(QPainter &painter, const QRectF &area, double zoom = 1) const;
    // A rectangle of the drawing as an image, at that zoom and pixel ratio.
    QImage render(const QRect &area, double zoom = 1, qreal devicePixelRatio = 1) const;

private:
    std::shared_ptr<const Content> m_content;
    std::shared_ptr<const OverlayState> m_overlays;
};

} // namespace stagepath

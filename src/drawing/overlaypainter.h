// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Painting the layers drawn over the graph (overlays.h), after the graph's
// own lines, in their order, and where they reach beyond the graph.

#include "drawing/linepainter.h"
#include "drawing/overlays.h"
#include "drawing/picture.h"

#include <QPointF>
#include <QSizeF>

#include <optional>
#include <vector>

class QPainter;

namespace stagepath {

// The overlays of a picture with what painting them needs: the flagged best
// edges counted by stage, the widest label of each column and how far the
// labels reach.
struct OverlayState {
    PictureOverlays layers;
    std::vector<qint64> bestEdgesPerStage;
    std::vector<float> labelWidths;
    QSizeF extent;
};

OverlayState makeOverlayState(const GraphPicture::Content &content, PictureOverlays layers);

// Top-left corner of the label of a box: right of its circle and pen, its
// text ending 6 pixels above the centre, clear of the values under the circle.
std::optional<QPointF> labelTopLeft(const GraphGeometry &geometry, int column, qint64 pos, int penWidth);

class OverlayPainter
{
public:
    OverlayPainter(const GraphPicture::Content &content, const OverlayState &state, const DeviceMap &map,
                   const QRect &device, const LinePainter &lines, bool raster);
    void paint(QPainter &painter) const;

private:
    void paintPath(QPainter &painter, const std::vector<qint64> &positions, QRgb colour, double width) const;
    void paintChosenEdges(QPainter &painter) const;
    void paintChosenRows(QPainter &painter) const;
    void paintLabels(QPainter &painter) const;

    const GraphPicture::Content &m_content;
    const OverlayState &m_state;
    const DeviceMap &m_map;
    QRect m_device;
    QRectF m_area;
    const LinePainter &m_lines;
    bool m_raster;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The order of one repaint, the circles and the box numbers.
#include "graphpainter.h"

#include "colours.h"
#include "linepainter.h"
#include "ringpath.h"
#include "textrule.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace stagepath {

namespace {

// Rings wider than this (device pixels) are cut to the area before the
// painter sees them.
constexpr double kLargestStrokedRing = 16384;

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

} // namespace

double boxLabelWidth(const EdgeData &edges, int column)
{
    double widest = 0;
    const GraphShape &shape = edges.shape;
    for (qint64 j = 0; j < shape.boxCount(column); ++j)
        widest = std::max(widest, estimatedTextSize(edges.boxLabel(shape.globalBox(column, j))).width());
    return widest;
}

GraphPainter::GraphPainter(const GraphPicture::Content &content, const OverlayState &overlays, QPainter &painter,
                           double zoom)
    : m_content(content)
    , m_overlays(overlays)
    , m_painter(painter)
    , m_map(painter, zoom)
    , m_pen(m_map.penWidth(content.settings.penWidth))
{
}

void GraphPainter::paint(const QRectF &area)
{
    if (!(area.width() > 0 && area.height() > 0))
        return;
    m_device = m_map.deviceRect(area).toAlignedRect();
    m_area = m_map.toDrawing(m_device);
    m_painter.save();
    m_map.useDevicePixels(m_painter);
    m_painter.setClipRect(m_device, Qt::IntersectClip);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setBrush(Qt::NoBrush);
    if (!m_content.edges || m_content.edges->shape.columnCount() == 0) {
        m_painter.fillRect(m_device, QColor::fromRgba(surfaceColour(m_content.settings.paper)));
        m_painter.restore();
        return;
    }
    m_raster = m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Raster;
    const LinePainter lines(m_content, m_map, m_device, m_raster);
    LineSet graph{0, m_content.edges->shape.stageCount() - 1, m_content.settings.coloured, kForegroundColour,
                  double(m_content.settings.penWidth)};
    graph.paper = m_content.settings.paper;
    lines.paint(m_painter, graph, [this] { paintBeneath(); });
    OverlayPainter(m_content, m_overlays, m_map, m_device, lines, m_raster).paint(m_painter);
    if (m_content.settings.valuesOnLines) {
        m_map.useDrawingPixels(m_painter);
        m_painter.setFont(drawingFont());
        m_painter.setPen(QColor::fromRgba(kForegroundColour));
        m_content.lineValues.paint(m_painter, *m_content.edges, m_content.geometry, m_area);
    }
    m_painter.restore();
}

void GraphPainter::paintBeneath()
{
    m_map.useDevicePixels(m_painter);
    std::vector<Ring> rings;
    if (!visibleCircles(rings)) {
        m_painter.fillRect(m_device, QColor::fromRgba(kForegroundColour));
        return;
    }
    m_painter.fillRect(m_device, QColor::fromRgba(surfaceColour(m_content.settings.paper)));
    paintCircles(rings);
    m_map.useDrawingPixels(m_painter);
    m_painter.setFont(drawingFont());
    m_painter.setPen(QColor::fromRgba(kForegroundColour));
    TextBatch texts(m_painter, m_raster);
    paintNumbers(texts);
    if (m_content.settings.valuesOnLines) {
        const LineValueLayout &onLines = m_content.lineValues;
        m_content.values.paint(texts, *m_content.edges, m_content.geometry, m_area,
                               [&onLines](int stage) { return onLines.writesStage(stage); });
    } else {
        m_content.values.paint(texts, *m_content.edges, m_content.geometry, m_area);
    }
}

bool GraphPainter::covers(const Ring &ring) const
{
    // Antialiasing softens a pixel on either edge of the stroke.
    const double outer = ring.radius + m_pen / 2 - 1, inner = ring.radius - m_pen / 2 + 1;
    const QRectF r(m_device);
    for (QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        if (distance(corner, ring.centre) > outer)
            return false;
    const QPointF nearest(std::clamp(ring.centre.x(), r.left(), r.right()), std::clamp(ring.centre.y(), r.top(), r.bottom()));
    return inner <= 0 || distance(nearest, ring.centre) >= inner;
}

bool GraphPainter::visibleCircles(std::vector<Ring> &rings) const
{
    const GraphGeometry &g = m_content.geometry;
    const float radius = float(std::abs(g.radius()));
    if (!std::isfinite(radius))
        return true;
    const double reach = radius + (m_pen / 2 + 2) / m_map.scale();
    const QRectF device(m_device);
    for (int c = 0; c < g.columnCount(); ++c) {
        if (std::abs(g.columnX(c) - m_area.center().x()) > m_area.width() / 2 + reach)
            continue;
        const IndexRange boxes = g.boxesNear(c, m_area.top() - reach, m_area.bottom() + reach);
        for (qint64 j = boxes.first; j <= boxes.last; ++j) {
            const QPointF centre = g.boxCentre(c, j);
            if (!std::isfinite(float(centre.x())) || !std::isfinite(float(centre.y())))
                continue;
            const Ring ring{m_map.snapped(QPointF(float(centre.x()), float(centre.y())), m_pen), radius * m_map.scale()};
            const QPointF nearest(std::clamp(ring.centre.x(), device.left(), device.right()),
                                  std::clamp(ring.centre.y(), device.top(), device.bottom()));
            if (distance(nearest, ring.centre) > ring.radius + m_pen / 2 + 1)
                continue;
            if (covers(ring))
                return false;
            rings.push_back(ring);
        }
    }
    return true;
}

void GraphPainter::paintCircles(const std::vector<Ring> &rings)
{
    const QColor black = QColor::fromRgba(kForegroundColour);
    const QPen pen(black, m_pen, Qt::SolidLine, Qt::FlatCap);
    for (const Ring &ring : rings) {
        const double half = m_pen / 2;
        if (ring.radius + half > kLargestStrokedRing) {
            const QRectF clip = QRectF(m_device).adjusted(-2, -2, 2, 2);
            m_painter.fillPath(clippedRing(ring.centre, ring.radius, half, clip), black);
        } else if (half >= ring.radius) {
            // A pen wider than the circle covers the whole disc (a stroker
            // would leave a hole where its inner edge turns inside out).
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(black);
            m_painter.drawEllipse(ring.centre, ring.radius + half, ring.radius + half);
            m_painter.setBrush(Qt::NoBrush);
        } else {
            m_painter.setPen(pen);
            m_painter.drawEllipse(ring.centre, ring.radius, ring.radius);
        }
    }
}

void GraphPainter::paintNumbers(TextBatch &texts)
{
    const GraphGeometry &g = m_content.geometry;
    const EdgeData &edges = *m_content.edges;
    const GraphShape &shape = edges.shape;
    const double line = textLineHeight();
    for (int c = 0; c < g.columnCount(); ++c) {
        const qint64 n = shape.boxCount(c);
        if (n == 0)
            continue;
        const double widest = estimatedTextSize(QString::number(shape.globalBox(c, n - 1))).width();
        const double x = g.columnX(c);
        const double named = size_t(c) < m_content.nameWidths.size() ? m_content.nameWidths[size_t(c)] / 2 : 0;
        if (std::min(x - 6, x - named) > m_area.right() + 1 || std::max(x - 6 + widest, x + named) < m_area.left() - 1)
            continue;
        const IndexRange boxes = g.boxesNear(c, m_area.top() - line, m_area.bottom() + 7);
        for (qint64 j = boxes.first; j <= boxes.last; ++j) {
            const qint64 box = shape.globalBox(c, j);
            const QString number = QString::number(box);
            const auto reference = g.numberPoint(c, j);
            const QString label = edges.names ? edges.boxLabel(box) : number;
            if (label != number) {
                // A name stands centred on its circle.
                if (reference) {
                    const QSizeF size = estimatedTextSize(label);
                    texts.add(QPointF(reference->x() - size.width() / 2, reference->y() - size.height() / 2), label);
                }
            } else if (const auto topLeft = reference ? textTopLeft(*reference, number) : std::nullopt) {
                texts.add(*topLeft, number);
            }
        }
    }
}

} // namespace stagepath

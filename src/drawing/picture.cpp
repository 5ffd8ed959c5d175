// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Building a picture and its extent; painting goes to GraphPainter.
#include "picture.h"

#include "graphpainter.h"
#include "model/inputlimits.h"
#include "overlaypainter.h"
#include "textrule.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace stagepath {

namespace {

void reach(double &edge, double v)
{
    if (std::isfinite(v))
        edge = std::max(edge, v);
}

// How far a stroke reaches beyond its centre line, antialiasing included.
double strokeReach(const DrawSettings &s)
{
    return std::max({double(s.penWidth), kBestEdgesWidth, kChosenEdgeWidth}) / 2 + 1;
}

void reachCircles(QSizeF &extent, const GraphPicture::Content &c)
{
    const GraphShape &shape = c.edges->shape;
    const double circle = std::abs(c.settings.radius) + c.settings.penWidth / 2.0 + 1;
    double right = extent.width(), bottom = extent.height();
    for (int col = 0; col < shape.columnCount(); ++col) {
        const qint64 n = shape.boxCount(col);
        if (n == 0)
            continue;
        const double x = c.geometry.columnX(col);
        const double number = estimatedTextSize(QString::number(shape.globalBox(col, n - 1))).width();
        reach(right, x + circle);
        reach(right, x - 6 + number);
        if (size_t(col) < c.nameWidths.size())
            reach(right, x + c.nameWidths[size_t(col)] / 2);
        for (qint64 j : {qint64(0), n - 1}) {
            const double y = c.geometry.boxCentre(col, j).y();
            reach(bottom, y + circle);
            reach(bottom, y - 6 + textLineHeight());
        }
    }
    extent = QSizeF(right, bottom);
}

void reachLines(QSizeF &extent, const GraphPicture::Content &c)
{
    const GraphShape &shape = c.edges->shape;
    const double stroke = strokeReach(c.settings);
    double right = extent.width(), bottom = extent.height();
    for (int s = 0; s < shape.stageCount(); ++s) {
        const qint64 left = shape.boxCount(s), next = shape.boxCount(s + 1);
        if (left == 0 || next == 0)
            continue;
        // The outermost lines join the first and last boxes.
        for (const QLineF &l : {c.geometry.edgeLine(s, 0, next - 1), c.geometry.edgeLine(s, left - 1, 0)}) {
            for (const QPointF &end : {l.p1(), l.p2()}) {
                reach(right, end.x() + stroke);
                reach(bottom, end.y() + stroke);
            }
        }
    }
    extent = QSizeF(right, bottom);
}

QSizeF contentExtent(const GraphPicture::Content &c)
{
    const GraphShape &shape = c.edges->shape;
    const double x = c.settings.xSpacing, y = c.settings.ySpacing;
    double right = 0, bottom = 0;
    reach(right, double(shape.columnCount() - 1) * x + 20);
    reach(bottom, y * c.geometry.largest() - (y - 20));
    reach(right, c.values.right());
    reach(bottom, c.values.bottom());
    reach(right, c.lineValues.right());
    reach(bottom, c.lineValues.bottom());
    QSizeF extent(right, bottom);
    reachCircles(extent, c);
    reachLines(extent, c);
    return extent;
}

} // namespace

GraphPicture::GraphPicture()
    : m_content(std::make_shared<Content>())
    , m_overlays(std::make_shared<OverlayState>())
{
}

GraphPicture::GraphPicture(EdgeDataPtr edges, const DrawSettings &settings)
    : m_overlays(std::make_shared<OverlayState>())
{
    auto content = std::make_shared<Content>();
    content->settings = settings;
    content->settings.penWidth = int(std::clamp<qint64>(settings.penWidth, 1, limits::maxPenWidth));
    if (edges) {
        content->edges = std::move(edges);
        const GraphShape &shape = content->edges->shape;
        content->geometry = GraphGeometry(shape, settings.xSpacing, settings.ySpacing, settings.radius);
        if (content->edges->names)
            for (int c = 0; c < shape.columnCount(); ++c)
                content->nameWidths.push_back(boxLabelWidth(*content->edges, c));
        if (settings.valuesOnLines)
            content->lineValues = LineValueLayout(*content->edges, content->geometry);
        content->values = ValueLayout(*content->edges, content->geometry);
        content->extent = contentExtent(*content);
    }
    m_content = std::move(content);
}

bool GraphPicture::isEmpty() const
{
    return !m_content->edges || m_content->edges->shape.columnCount() == 0;
}

const PictureOverlays &GraphPicture::overlays() const
{
    return m_overlays->layers;
}

GraphPicture GraphPicture::withOverlays(PictureOverlays overlays) const
{
    GraphPicture copy(*this);
    copy.m_overlays = std::make_shared<const OverlayState>(makeOverlayState(*m_content, std::move(overlays)));
    return copy;
}

GraphPicture GraphPicture::inLook(bool paper) const
{
    if (m_content->settings.paper == paper)
        return *this;
    auto content = std::make_shared<Content>(*m_content);
    content->settings.paper = paper;
    GraphPicture copy(*this);
    copy.m_content = std::move(content);
    return copy;
}

QSizeF GraphPicture::extent(double zoom) const
{
    // A pixel more for the antialiased edges at any zoom.
    const QSizeF e = m_content->extent.expandedTo(m_overlays->extent);
    return e.isEmpty() ? e * zoom : e * zoom + QSizeF(1, 1);
}

void GraphPicture::paint(QPainter &painter, const QRectF &area, double zoom) const
{
    GraphPainter(*m_content, *m_overlays, painter, zoom).paint(area);
}

QImage GraphPicture::render(const QRect &area, double zoom, qreal devicePixelRatio) const
{
    QImage image(area.size() * devicePixelRatio, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    paint(painter, area, zoom);
    painter.end();
    return image;
}

} // namespace stagepath

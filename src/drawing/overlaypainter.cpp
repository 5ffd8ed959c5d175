// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The overlays: best edges, selected path, step-view extras, the red path.
#include "overlaypainter.h"

#include "colours.h"
#include "textrule.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace stagepath {

namespace {

void measureLabels(OverlayState &state, const GraphPicture::Content &content)
{
    const auto &labels = state.layers.boxLabels;
    const GraphShape &shape = content.edges->shape;
    if (!labels || qint64(labels->size()) != shape.totalBoxes())
        return;
    state.labelWidths.assign(size_t(shape.columnCount()), 0.0f);
    double right = 0, bottom = 0;
    for (int c = 0; c < shape.columnCount(); ++c) {
        for (qint64 j = 0; j < shape.boxCount(c); ++j) {
            const QString &text = (*labels)[size_t(shape.globalBox(c, j) - 1)];
            const auto topLeft = text.isEmpty() ? std::nullopt : labelTopLeft(content.geometry, c, j, content.settings.penWidth);
            if (!topLeft)
                continue;
            const QSizeF size = estimatedTextSize(text);
            state.labelWidths[size_t(c)] = std::max(state.labelWidths[size_t(c)], float(size.width()));
            right = std::max(right, topLeft->x() + size.width());
            bottom = std::max(bottom, topLeft->y() + size.height());
        }
    }
    state.extent = QSizeF(right, bottom);
}

} // namespace

OverlayState makeOverlayState(const GraphPicture::Content &content, PictureOverlays layers)
{
    OverlayState state;
    state.layers = std::move(layers);
    if (!content.edges)
        return state;
    const GraphShape &shape = content.edges->shape;
    const auto &best = state.layers.bestEdges;
    if (best && qint64(best->size()) == shape.edgeCount()) {
        for (int s = 0; s < shape.stageCount(); ++s) {
            const auto first = best->begin() + shape.stageStart(s);
            state.bestEdgesPerStage.push_back(std::count(first, first + shape.stageEdgeCount(s), true));
        }
    }
    measureLabels(state, content);
    return state;
}

std::optional<QPointF> labelTopLeft(const GraphGeometry &geometry, int column, qint64 pos, int penWidth)
{
    const QPointF centre = geometry.boxCentre(column, pos);
    const double x = std::round(centre.x() + std::abs(geometry.radius()) + penWidth / 2.0) + 3;
    const double y = std::round(centre.y()) - 20;
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    return QPointF(x, y);
}

OverlayPainter::OverlayPainter(const GraphPicture::Content &content, const OverlayState &state, const DeviceMap &map,
                               const QRect &device, const LinePainter &lines, bool raster)
    : m_content(content)
    , m_state(state)
    , m_map(map)
    , m_device(device)
    , m_area(map.toDrawing(device))
    , m_lines(lines)
    , m_raster(raster)
{
}

void OverlayPainter::paint(QPainter &painter) const
{
    const PictureOverlays &o = m_state.layers;
    const int stages = m_content.edges->shape.stageCount();
    if (!m_state.bestEdgesPerStage.empty()) {
        LineSet best{0, stages - 1, false, kBestEdgesColour, kBestEdgesWidth, o.bestEdges.get(),
                     &m_state.bestEdgesPerStage};
        m_lines.paint(painter, best);
    }
    paintPath(painter, o.selectedPath, kSelectedPathColour, kSelectedPathWidth);
    if (o.highlightedStage >= 0 && o.highlightedStage < stages) {
        const LineSet stage{o.highlightedStage, o.highlightedStage, false, kHighlightedStageColour,
                            double(m_content.settings.penWidth)};
        m_lines.paint(painter, stage);
    }
    paintChosenEdges(painter);
    paintChosenRows(painter);
    paintLabels(painter);
    // The best path is the most prominent line: on top, and never thinner
    // than a layer it lies over, so that none shows beside it.
    double width = m_content.settings.penWidth;
    if (!m_state.bestEdgesPerStage.empty())
        width = std::max(width, kBestEdgesWidth);
    if (o.selectedPath.size() >= 2)
        width = std::max(width, kSelectedPathWidth);
    if (o.chosenFrom)
        width = std::max(width, kChosenEdgeWidth);
    paintPath(painter, o.bestPath, kPathColour, width);
}

void OverlayPainter::paintPath(QPainter &painter, const std::vector<qint64> &positions, QRgb colour,
                               double width) const
{
    const GraphGeometry &g = m_content.geometry;
    const size_t columns = std::min(positions.size(), size_t(std::max(0, g.columnCount())));
    if (columns < 2)
        return;
    m_map.useDevicePixels(painter);
    SegmentBatch batch(painter, m_map, m_device, width);
    auto isBox = [&g](size_t column, qint64 pos) { return pos >= 0 && pos < g.boxCount(int(column)); };
    for (size_t p = 0; p + 1 < columns; ++p)
        if (isBox(p, positions[p]) && isBox(p + 1, positions[p + 1]))
            batch.add(g.edgeLine(int(p), positions[p], positions[p + 1]), colour);
}

void OverlayPainter::paintChosenEdges(QPainter &painter) const
{
    const auto &chosen = m_state.layers.chosenFrom;
    const GraphShape &shape = m_content.edges->shape;
    if (!chosen || qint64(chosen->size()) != shape.totalBoxes())
        return;
    const GraphGeometry &g = m_content.geometry;
    m_map.useDevicePixels(painter);
    SegmentBatch batch(painter, m_map, m_device, kChosenEdgeWidth);
    for (int s = 0; s < shape.stageCount(); ++s) {
        const double x1 = g.columnX(s), x2 = g.columnX(s + 1);
        if (std::max(x1, x2) + std::abs(g.radius()) < m_area.left() - kChosenEdgeWidth
            || std::min(x1, x2) - std::abs(g.radius()) > m_area.right() + kChosenEdgeWidth)
            continue;
        for (qint64 m = 0; m < shape.boxCount(s + 1); ++m) {
            const qint64 from = (*chosen)[size_t(shape.globalBox(s + 1, m) - 1)];
            if (from >= 0 && from < shape.boxCount(s))
                batch.add(g.edgeLine(s, from, m), kChosenEdgeColour);
        }
    }
}

void OverlayPainter::paintChosenRows(QPainter &painter) const
{
    const auto &rows = m_state.layers.chosenEdges;
    const GraphShape &shape = m_content.edges->shape;
    if (!rows || rows->empty())
        return;
    const GraphGeometry &g = m_content.geometry;
    m_map.useDevicePixels(painter);
    SegmentBatch batch(painter, m_map, m_device, kChosenEdgeWidth);
    for (const qint64 row : *rows) {
        if (row < 0 || row >= shape.edgeCount())
            continue;
        const GraphShape::Edge e = shape.edgeAt(row);
        const double x1 = g.columnX(e.stage), x2 = g.columnX(e.stage + 1);
        if (std::max(x1, x2) + std::abs(g.radius()) < m_area.left() - kChosenEdgeWidth
            || std::min(x1, x2) - std::abs(g.radius()) > m_area.right() + kChosenEdgeWidth)
            continue;
        batch.add(g.edgeLine(e.stage, e.from, e.to), kChosenEdgeColour);
    }
}

void OverlayPainter::paintLabels(QPainter &painter) const
{
    const auto &labels = m_state.layers.boxLabels;
    if (m_state.labelWidths.empty())
        return;
    const GraphShape &shape = m_content.edges->shape;
    const GraphGeometry &g = m_content.geometry;
    m_map.useDrawingPixels(painter);
    painter.setFont(drawingFont());
    painter.setPen(QColor::fromRgba(kBoxLabelColour));
    const double line = textLineHeight();
    TextBatch texts(painter, m_raster);
    for (int c = 0; c < shape.columnCount(); ++c) {
        const IndexRange boxes = g.boxesNear(c, m_area.top() + 20 - line, m_area.bottom() + 20);
        for (qint64 j = boxes.first; j <= boxes.last; ++j) {
            const QString &text = (*labels)[size_t(shape.globalBox(c, j) - 1)];
            const auto topLeft = text.isEmpty() ? std::nullopt : labelTopLeft(g, c, j, m_content.settings.penWidth);
            if (topLeft && QRectF(*topLeft, QSizeF(m_state.labelWidths[size_t(c)], line)).intersects(m_area))
                texts.add(*topLeft, text);
        }
    }
}

} // namespace stagepath

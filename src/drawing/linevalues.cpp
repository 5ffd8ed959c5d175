// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linevalues.h"

#include "linepainter.h"
#include "model/numbers.h"
#include "textrule.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace stagepath {

namespace {

constexpr double kPadX = 3, kPadY = 1; // room around the text inside its box
constexpr double kGap = 5;              // least room between two boxes
constexpr double kClearance = 4;        // room around a box that other lines should keep clear of
constexpr QRgb kLabelColour = 0xffffffff;

// The fractions of the way a value may stand at, the middle first.
const std::vector<double> &candidateFractions()
{
    static const std::vector<double> fractions = [] {
        std::vector<double> f;
        for (int i = 0; i <= 38; ++i)
            f.push_back(0.12 + 0.02 * i);
        std::stable_sort(f.begin(), f.end(), [](double a, double b) { return std::abs(a - 0.5) < std::abs(b - 0.5); });
        return f;
    }();
    return fractions;
}

QSizeF labelSize(const QString &text)
{
    return estimatedTextSize(text) + QSizeF(2 * kPadX, 2 * kPadY);
}

QRectF centredRect(QPointF centre, QSizeF size)
{
    return QRectF(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height());
}

// Whether the segment crosses the rectangle.
bool crosses(QLineF line, const QRectF &r)
{
    return clipLine(line, r);
}

double overlapArea(const QRectF &a, const QRectF &b)
{
    const QRectF i = a.intersected(b);
    return i.isValid() ? i.width() * i.height() : 0;
}

} // namespace

LineValueLayout::LineValueLayout(const EdgeData &edges, const GraphGeometry &geometry)
{
    const GraphShape &shape = edges.shape;
    m_fractions.resize(size_t(shape.stageCount()));
    for (int s = 0; s < shape.stageCount(); ++s) {
        if (shape.stageEdgeCount(s) > placedEdges)
            continue;
        placeStage(edges, geometry, s);
        for (qint64 row = shape.stageStart(s); row < shape.stageStart(s + 1); ++row) {
            const QRectF r = labelRect(edges, geometry, row);
            if (r.isValid() && std::isfinite(r.right()) && std::isfinite(r.bottom())) {
                m_right = std::max(m_right, r.right());
                m_bottom = std::max(m_bottom, r.bottom());
            }
        }
    }
}

void LineValueLayout::placeStage(const EdgeData &edges, const GraphGeometry &geometry, int stage)
{
    const GraphShape &shape = edges.shape;
    const qint64 left = shape.boxCount(stage), right = shape.boxCount(stage + 1);
    const double reach = std::abs(geometry.radius()) + 2;
    const double minX = geometry.columnX(stage) + reach, maxX = geometry.columnX(stage + 1) - reach;
    std::vector<QLineF> lines;
    for (qint64 j = 0; j < left; ++j)
        for (qint64 k = 0; k < right; ++k)
            lines.push_back(geometry.edgeLine(stage, j, k));
    std::vector<float> &fractions = m_fractions[size_t(stage)];
    fractions.assign(lines.size(), 0.5f);
    std::vector<QRectF> placed;
    for (size_t i = 0; i < lines.size(); ++i) {
        const qint64 row = shape.stageStart(stage) + qint64(i);
        if (edges.isMissing(row))
            continue;
        const QSizeF size = labelSize(edges.text(row));
        // Cost: overlap with boxes placed before, then lines running through, then distance from the middle.
        double bestOverlap = 0, bestT = 0.5;
        int bestCrossings = 0;
        bool found = false;
        for (const double t : candidateFractions()) {
            const QRectF r = centredRect(lines[i].pointAt(t), size);
            double overlap = 0;
            if (r.left() < minX)
                overlap += (minX - r.left()) * r.height() * 4;
            if (r.right() > maxX)
                overlap += (r.right() - maxX) * r.height() * 4;
            const QRectF roomy = r.adjusted(-kGap, -kGap, kGap, kGap);
            for (const QRectF &other : placed)
                overlap += overlapArea(roomy, other);
            if (found && overlap > bestOverlap)
                continue;
            int crossings = 0;
            const QRectF clear = r.adjusted(-kClearance, -kClearance, kClearance, kClearance);
            for (size_t o = 0; o < lines.size(); ++o)
                if (o != i && !edges.isMissing(shape.stageStart(stage) + qint64(o)) && crosses(lines[o], clear))
                    ++crossings;
            if (!found || overlap < bestOverlap || (overlap == bestOverlap && crossings < bestCrossings)) {
                found = true;
                bestOverlap = overlap;
                bestCrossings = crossings;
                bestT = t;
            }
        }
        fractions[i] = float(bestT);
        placed.push_back(centredRect(lines[i].pointAt(bestT), size));
    }
}

QRectF LineValueLayout::labelRect(const EdgeData &edges, const GraphGeometry &geometry, qint64 row) const
{
    if (row < 0 || row >= edges.shape.edgeCount() || edges.isMissing(row))
        return {};
    const GraphShape::Edge e = edges.shape.edgeAt(row);
    if (!writesStage(e.stage))
        return {};
    const double t = m_fractions[size_t(e.stage)][size_t(row - edges.shape.stageStart(e.stage))];
    return centredRect(geometry.edgeLine(e.stage, e.from, e.to).pointAt(t), labelSize(edges.text(row)));
}

void LineValueLayout::paintLabel(QPainter &painter, const EdgeData &edges, const GraphGeometry &geometry,
                                 qint64 row, const QRectF &area) const
{
    const QRectF r = labelRect(edges, geometry, row);
    if (!r.isValid() || !r.intersects(area))
        return;
    painter.fillRect(r, QColor::fromRgba(kLabelColour));
    drawTextAt(painter, r.topLeft() + QPointF(kPadX, kPadY), edges.text(row));
}

void LineValueLayout::paint(QPainter &painter, const EdgeData &edges, const GraphGeometry &geometry,
                            const QRectF &area) const
{
    const GraphShape &shape = edges.shape;
    for (int s = 0; s < shape.stageCount(); ++s) {
        if (!writesStage(s) || geometry.columnX(s) > area.right() || geometry.columnX(s + 1) < area.left())
            continue;
        for (qint64 row = shape.stageStart(s); row < shape.stageStart(s + 1); ++row)
            paintLabel(painter, edges, geometry, row, area);
    }
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Flattening a ring and cutting it to a rectangle (Sutherland-Hodgman).
#include "ringpath.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace stagepath {

namespace {

using Polygon = std::vector<QPointF>;

int arcSteps(double radius)
{
    constexpr double kTolerance = 0.05;
    if (!(radius > kTolerance))
        return 4;
    const double step = 2 * std::acos(1 - kTolerance / radius);
    return int(std::clamp(std::ceil(2 * M_PI / step), 4.0, 65536.0));
}

Polygon circle(QPointF c, double r, bool clockwise)
{
    const int n = arcSteps(r);
    Polygon p;
    p.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const double a = (clockwise ? -2 : 2) * M_PI * i / n;
        p.emplace_back(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return p;
}

// Keeps the part of a polygon on the inner side of one edge of the rectangle:
// `axis` 0 for x, 1 for y; `keepBelow` whether coordinates below `at` stay.
Polygon clipEdge(const Polygon &poly, int axis, double at, bool keepBelow)
{
    auto coord = [axis](const QPointF &p) { return axis == 0 ? p.x() : p.y(); };
    auto inside = [&](const QPointF &p) { return keepBelow ? coord(p) <= at : coord(p) >= at; };
    Polygon out;
    for (size_t i = 0; i < poly.size(); ++i) {
        const QPointF &p = poly[i], &q = poly[(i + 1) % poly.size()];
        if (inside(p))
            out.push_back(p);
        if (inside(p) != inside(q)) {
            const double t = (at - coord(p)) / (coord(q) - coord(p));
            const QPointF cross = p + t * (q - p);
            out.push_back(axis == 0 ? QPointF(at, cross.y()) : QPointF(cross.x(), at));
        }
    }
    return out;
}

void addClipped(QPainterPath &path, Polygon poly, const QRectF &clip)
{
    poly = clipEdge(poly, 0, clip.left(), false);
    poly = clipEdge(poly, 0, clip.right(), true);
    poly = clipEdge(poly, 1, clip.top(), false);
    poly = clipEdge(poly, 1, clip.bottom(), true);
    if (poly.size() < 3)
        return;
    path.moveTo(poly[0]);
    for (size_t i = 1; i < poly.size(); ++i)
        path.lineTo(poly[i]);
    path.closeSubpath();
}

} // namespace

QPainterPath clippedRing(QPointF centre, double radius, double half, const QRectF &clip)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    addClipped(path, circle(centre, radius + half, true), clip);
    if (radius - half > 0)
        addClipped(path, circle(centre, radius - half, false), clip);
    return path;
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Circle centres, edge end points, text reference points and the runs of
// boxes and edges near a rectangle.
#include "geometry.h"

#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stagepath {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// An interval of real indices; empty when lo > hi (or NaN).
struct Reals {
    double lo, hi;
    bool isEmpty() const { return !(lo <= hi); }
};

constexpr Reals kNone{kInfinity, -kInfinity};
constexpr Reals kAll{-kInfinity, kInfinity};

// The real i with a + b * i >= c (atLeast) or <= c.
Reals solve(double a, double b, double c, bool atLeast)
{
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c))
        return kNone;
    if (b == 0)
        return (atLeast ? a >= c : a <= c) ? kAll : kNone;
    const double r = (c - a) / b;
    return (b > 0) == atLeast ? Reals{r, kInfinity} : Reals{-kInfinity, r};
}

// The hull of two intervals; here always two half-lines of one direction or
// whole lines, whose hull is their union.
Reals hull(Reals a, Reals b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return Reals{std::min(a.lo, b.lo), std::max(a.hi, b.hi)};
}

Reals intersect(Reals a, Reals b)
{
    return Reals{std::max(a.lo, b.lo), std::min(a.hi, b.hi)};
}

IndexRange toIndices(Reals r, qint64 count)
{
    if (r.isEmpty() || count <= 0)
        return {};
    const double top = double(count - 1);
    const double lo = std::max(std::ceil(r.lo) - 1, 0.0);
    const double hi = std::min(std::floor(r.hi) + 1, top);
    if (!(lo <= hi))
        return {};
    return IndexRange{qint64(lo), qint64(hi)};
}

} // namespace

std::optional<qint32> toPixel(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < double(std::numeric_limits<qint32>::min()) || r > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(r);
}

IndexRange linearRange(double a, double b, double low, double high, qint64 count)
{
    return toIndices(intersect(solve(a, b, low, true), solve(a, b, high, false)), count);
}

GraphGeometry::GraphGeometry(const GraphShape &shape, double xSpacing, double ySpacing, double radius)
    : m_counts(shape.boxCounts())
    , m_x(xSpacing)
    , m_y(ySpacing)
    , m_r(radius)
    , m_largest(double(shape.largestColumn()))
{
}

double GraphGeometry::columnX(int column) const
{
    return double(column) * m_x + 20;
}

double GraphGeometry::columnOffset(int column) const
{
    return (m_largest - double(m_counts[size_t(column)])) * m_y / 2;
}

QPointF GraphGeometry::boxCentre(int column, qint64 pos) const
{
    return QPointF(columnX(column), columnOffset(column) + double(pos + 1) * m_y - (m_y - 20));
}

QLineF GraphGeometry::edgeLine(int stage, qint64 from, qint64 to) const
{
    const double x1 = double(stage) * m_x + 20 + m_r;
    const double x2 = double(stage) * m_x + 20 - m_r + m_x;
    return QLineF(x1, edgeStartY(stage, from), x2, edgeEndY(stage, to));
}

double GraphGeometry::edgeStartY(int stage, qint64 from) const
{
    return columnOffset(stage) + double(from + 1) * m_y - (m_y - 20);
}

double GraphGeometry::edgeEndY(int stage, qint64 to) const
{
    const double step = (double(m_counts[size_t(stage)]) - double(m_counts[size_t(stage) + 1])) * m_y / 2;
    return columnOffset(stage) + double(to + 1) * m_y - (m_y - 20) + step;
}

std::optional<QPoint> GraphGeometry::numberPoint(int column, qint64 pos) const
{
    const QPointF c = boxCentre(column, pos);
    const auto x = toPixel(c.x());
    const auto y = toPixel(c.y());
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

std::optional<QPoint> GraphGeometry::valuePoint(int stage, qint64 from, qint64 to) const
{
    const double t = double(to + 1);
    const auto left = toPixel(double(stage) * m_x + 20);
    const auto top = toPixel(columnOffset(stage) + double(from + 1) * m_y - (m_y - 20) + 30 + (t * 10 - 10));
    if (!left || !top)
        return std::nullopt;
    return QPoint(*left, *top);
}

IndexRange GraphGeometry::boxesNear(int column, double top, double bottom) const
{
    return linearRange(boxCentre(column, 0).y(), m_y, top, bottom, boxCount(column));
}

IndexRange GraphGeometry::edgesMeeting(int stage, qint64 from, const QRectF &area) const
{
    const QLineF first = edgeLine(stage, from, 0);
    const double x1 = first.x1(), y1 = first.y1(), x2 = first.x2();
    const double u0 = std::max(area.left(), std::min(x1, x2));
    const double u1 = std::min(area.right(), std::max(x1, x2));
    if (!(u0 <= u1))
        return {};
    // Where the edges cross the rectangle's left and right sides (or their
    // whole length when they stand upright), as the fraction t of the way.
    const double t0 = x1 == x2 ? 0 : (u0 - x1) / (x2 - x1);
    const double t1 = x1 == x2 ? 1 : (u1 - x1) / (x2 - x1);
    const double rise = first.y2() - y1;
    // At either side the edge to box m stands at a + b * m.
    const double a0 = y1 + t0 * rise, b0 = t0 * m_y;
    const double a1 = y1 + t1 * rise, b1 = t1 * m_y;
    const Reals reachesDown = hull(solve(a0, b0, area.top(), true), solve(a1, b1, area.top(), true));
    const Reals reachesUp = hull(solve(a0, b0, area.bottom(), false), solve(a1, b1, area.bottom(), false));
    return toIndices(intersect(reachesDown, reachesUp), boxCount(stage + 1));
}

} // namespace stagepath

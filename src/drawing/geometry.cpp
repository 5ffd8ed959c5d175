#include "geometry.h"

#include "drawingrecord.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stagepath {

std::optional<qint32> toPixel(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < double(std::numeric_limits<qint32>::min()) || r > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(r);
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
    const double offset = columnOffset(stage);
    const double step = (double(m_counts[size_t(stage)]) - double(m_counts[size_t(stage) + 1])) * m_y / 2;
    const double x1 = double(stage) * m_x + 20 + m_r;
    const double y1 = offset + double(from + 1) * m_y - (m_y - 20);
    const double x2 = double(stage) * m_x + 20 - m_r + m_x;
    const double y2 = offset + double(to + 1) * m_y - (m_y - 20) + step;
    return QLineF(x1, y1, x2, y2);
}

std::optional<QPoint> GraphGeometry::numberPointChecked(int column, qint64 pos) const
{
    const QPointF c = boxCentre(column, pos);
    const auto x = toPixel(c.x());
    const auto y = toPixel(c.y());
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

std::optional<QPoint> GraphGeometry::valuePointChecked(int stage, qint64 from, qint64 to) const
{
    const double t = double(to + 1);
    const auto left = toPixel(double(stage) * m_x + 20);
    const auto top = toPixel(columnOffset(stage) + double(from + 1) * m_y - (m_y - 20) + 30 + (t * 10 - 10));
    if (!left || !top)
        return std::nullopt;
    return QPoint(*left, *top);
}

std::optional<QPoint> GraphGeometry::textTopLeftChecked(QPoint ref, QStringView text)
{
    const qint64 top = qint64(ref.y()) - 6;
    const qint64 left = qint64(ref.x()) - (text.size() == 1 ? 3 : 6);
    if (top < std::numeric_limits<qint32>::min() || left < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return QPoint(int(left), int(top));
}

void markPath(DrawingRecord &record, const GraphGeometry &geometry,
              const std::vector<qint64> &positions, int penWidth)
{
    const size_t columns = std::min(positions.size(), size_t(std::max(0, geometry.columnCount())));
    for (size_t p = 0; p + 1 < columns; ++p) {
        const QLineF segment = geometry.edgeLine(int(p), positions[p], positions[p + 1]);
        record.addLine(segment.p1(), segment.p2(), kPathColour, penWidth);
    }
}

} // namespace stagepath

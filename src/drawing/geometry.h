#pragma once
// Where things stand on the drawing, in pixels of the surface (origin top
// left, y downwards). Columns and positions are 0-based here.
//
// Column c is centred at x = c * X + 20. Every column is centred vertically
// against the largest one, M boxes: its offset is (M - n_c) * Y / 2 and box j
// (0-based) has its centre at offset + (j + 1) * Y - (Y - 20), that is
// offset + j * Y + 20. The circles have radius R. The graph's own edges and the
// marked best path use the same end points, so the path covers its edges.

#include "model/graphdata.h"

#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QRgb>
#include <QStringView>

#include <optional>
#include <vector>

namespace stagepath {

class DrawingRecord;

// Rounds to a whole pixel, halves to the even neighbour; nullopt when the value
// is not finite or does not fit a 32-bit signed integer.
std::optional<qint32> toPixel(double value);

class GraphGeometry
{
public:
    GraphGeometry() = default;
    GraphGeometry(const GraphShape &shape, double xSpacing, double ySpacing, double radius);

    double xSpacing() const { return m_x; }
    double ySpacing() const { return m_y; }
    double radius() const { return m_r; }
    // M: the largest box count over all columns.
    double largest() const { return m_largest; }
    int columnCount() const { return int(m_counts.size()); }
    qint64 boxCount(int column) const { return m_counts[size_t(column)]; }

    double columnX(int column) const;
    double columnOffset(int column) const;
    QPointF boxCentre(int column, qint64 pos) const;

    // The edge from box `from` of column `stage` to box `to` of column
    // stage + 1: from the right edge of the left circle to the left edge of the
    // right circle. The end's height is computed from the left column's offset
    // and the step between the two columns' offsets.
    QLineF edgeLine(int stage, qint64 from, qint64 to) const;

    // Reference point of a circle's number: its centre rounded to whole pixels.
    std::optional<QPoint> numberPointChecked(int column, qint64 pos) const;
    QPoint numberPoint(int column, qint64 pos) const { return numberPointChecked(column, pos).value_or(QPoint()); }

    // Reference point of an edge's value: the values of a box stand in a column
    // under its circle, the first 30 pixels below the centre, each further one
    // (by right box) 10 pixels lower.
    std::optional<QPoint> valuePointChecked(int stage, qint64 from, qint64 to) const;
    QPoint valuePoint(int stage, qint64 from, qint64 to) const { return valuePointChecked(stage, from, to).value_or(QPoint()); }

    // Top-left corner of a text written at a reference point: 6 pixels above
    // it, 3 pixels left of it for a single character and 6 for a longer text.
    static std::optional<QPoint> textTopLeftChecked(QPoint ref, QStringView text);
    static QPoint textTopLeft(QPoint ref, QStringView text) { return textTopLeftChecked(ref, text).value_or(QPoint()); }

private:
    std::vector<qint64> m_counts;
    double m_x = 0, m_y = 0, m_r = 0;
    double m_largest = 0;
};

// Red of the marked best path.
inline constexpr QRgb kPathColour = 0xffff0000;

// Marks a path in red over the drawn graph, one segment per stage, with the
// graph's own edge end points. positions holds the 0-based position of the
// path's box in each column; segments are drawn for as many neighbouring pairs
// as it holds.
void markPath(DrawingRecord &record, const GraphGeometry &geometry,
              const std::vector<qint64> &positions, int penWidth);

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where things stand on the drawing, in pixels of the surface (origin top
// left, y downwards). Columns and positions are 0-based here.
//
// Column c is centred at x = c * X + 20. Every column is centred vertically
// against the largest one, M boxes: its offset is (M - n_c) * Y / 2 and box j
// (0-based) has its centre at offset + (j + 1) * Y - (Y - 20), that is
// offset + j * Y + 20. The circles have radius R. The graph's own edges and the
// paths marked over them use the same end points, so a path covers its edges.

#include "model/graphdata.h"

#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

namespace stagepath {

// Rounds to a whole pixel, halves to the even neighbour; nullopt when the value
// is not finite or does not fit a 32-bit signed integer.
std::optional<qint32> toPixel(double value);

// Indices first..last (inclusive); empty when last < first.
struct IndexRange {
    qint64 first = 0;
    qint64 last = -1;
    bool isEmpty() const { return last < first; }
};

// The indices i of 0..count-1 for which a + b * i lies in [low, high], and
// one more on either side, so that rounding never loses one at the edge.
IndexRange linearRange(double a, double b, double low, double high, qint64 count);

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
    // The heights of an edge's two ends, as edgeLine computes them.
    double edgeStartY(int stage, qint64 from) const;
    double edgeEndY(int stage, qint64 to) const;

    // Reference point of a circle's number: its centre rounded to whole pixels.
    std::optional<QPoint> numberPoint(int column, qint64 pos) const;

    // Reference point of an edge's value: the values of a box stand in a column
    // under its circle, the first 30 pixels below the centre, each further one
    // (by right box) 10 pixels lower.
    std::optional<QPoint> valuePoint(int stage, qint64 from, qint64 to) const;

    // The boxes of a column whose centres lie between two heights (and one
    // more on either side).
    IndexRange boxesNear(int column, double top, double bottom) const;
    // The right boxes `to` whose edge from box `from` of the stage meets the
    // rectangle (and one more on either side). Edges from one box fan out in
    // order, so they form one run.
    IndexRange edgesMeeting(int stage, qint64 from, const QRectF &area) const;

private:
    std::vector<qint64> m_counts;
    double m_x = 0, m_y = 0, m_r = 0;
    double m_largest = 0;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The edge values written on their own lines, as a textbook prints them:
// each value in a small white box centred on its line, part of the way from
// the left box to the right box. The boxes are drawn over the lines and the
// marked paths, so that no line covers a value.
//
// Where the value of a line stands is chosen per stage when the picture is
// made. In a stage of up to placedEdges lines every value is placed in turn,
// in edge-row order, at the fraction of the way that keeps its box clear of
// the boxes placed before it and of the circles, and that has the fewest
// other lines running through it, the middle of the line first. A larger
// stage has too many lines for their values to be read on them: it keeps its
// values stacked under the boxes (values.h).

#include "drawing/geometry.h"

#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace stagepath {

class LineValueLayout
{
public:
    static constexpr qint64 placedEdges = 100;

    LineValueLayout() = default;
    LineValueLayout(const EdgeData &edges, const GraphGeometry &geometry);

    // Whether the values of a stage are written on their lines.
    bool writesStage(int stage) const
    {
        return size_t(stage) < m_fractions.size() && !m_fractions[size_t(stage)].empty();
    }
    // The box of an edge row's value (drawing pixels); empty for a road that
    // does not exist and for a stage whose values are not on its lines.
    QRectF labelRect(const EdgeData &edges, const GraphGeometry &geometry, qint64 row) const;
    // The right and bottom edges of everything the values cover (0 when none).
    double right() const { return m_right; }
    double bottom() const { return m_bottom; }

    // Writes the values whose boxes meet the area (drawing pixels); the
    // painter draws in drawing pixels with the surface font.
    void paint(QPainter &painter, const EdgeData &edges, const GraphGeometry &geometry, const QRectF &area) const;

private:
    void placeStage(const EdgeData &edges, const GraphGeometry &geometry, int stage);
    void paintLabel(QPainter &painter, const EdgeData &edges, const GraphGeometry &geometry, qint64 row,
                    const QRectF &area) const;

    // Per stage: the fraction of the way of each line's value, in edge-row
    // order; empty for a stage too large to place (or without lines).
    std::vector<std::vector<float>> m_fractions;
    double m_right = 0;
    double m_bottom = 0;
};

} // namespace stagepath

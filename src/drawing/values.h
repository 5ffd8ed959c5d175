// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The edge values as the drawing writes them: each under the circle of its
// left box, the values of one box stacked by right box, in edge-row order. A
// value whose position does not fit in 32 bits ends the values there (the
// rows after it are not written); the lines are drawn all the same.
//
// Built once per picture in O(columns) plus one pass over the typed texts
// (the few values the user wrote in a form of their own); a repaint writes
// only the values of the boxes whose stacks meet the painted area.

#include "drawing/geometry.h"

#include <QRectF>

#include <functional>
#include <vector>

namespace stagepath {

class TextBatch;

class ValueLayout
{
public:
    ValueLayout() = default;
    ValueLayout(const EdgeData &edges, const GraphGeometry &geometry);

    // The first edge row whose value is not written (the row count when all are).
    qint64 end() const { return m_end; }
    // The right and bottom edges of everything the values cover (0 when none).
    double right() const { return m_right; }
    double bottom() const { return m_bottom; }

    // Writes the values that meet the area (drawing pixels), but those of the
    // stages for which skipStage is true (written on their lines instead).
    void paint(TextBatch &texts, const EdgeData &edges, const GraphGeometry &geometry, const QRectF &area,
               const std::function<bool(int)> &skipStage = {}) const;

private:
    // A typed text of more than one line, written apart from the stacks.
    struct TallText {
        QPoint topLeft;
        QSizeF size;
        qint64 row;
    };

    void measureTypedTexts(const EdgeData &edges, const GraphGeometry &geometry);
    void measureStacks(const GraphShape &shape, const GraphGeometry &geometry);
    void paintStage(TextBatch &texts, const EdgeData &edges, const GraphGeometry &geometry, int stage,
                    const QRectF &area, bool plainDigits) const;
    double stageWidth(int stage) const;

    qint64 m_end = 0;
    std::vector<float> m_typedWidth; // per stage: the widest one-line typed text
    std::vector<TallText> m_tall;
    double m_right = 0;
    double m_bottom = 0;
};

} // namespace stagepath

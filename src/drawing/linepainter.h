// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The graph's lines in a painted area, in drawing order: the lines of each
// stage that meet the area are found per left box as one run of right boxes,
// never by going through every edge. Where a stage's lines are many, or its
// pen so wide that stroking them would fill the area over and over, they are
// set as pixel spans on raster devices (meshspans.h); otherwise, and always
// on vector devices (SVG, PDF, printers), as crisp antialiased strokes.

#include "drawing/colours.h"
#include "drawing/devicemap.h"
#include "drawing/picture.h"

#include <QLineF>
#include <QRect>

#include <functional>
#include <vector>

class QPainter;

namespace stagepath {

// Cuts a line to a rectangle (Liang-Barsky); false when nothing is left.
bool clipLine(QLineF &line, const QRectF &r);

// A set of the graph's lines drawn with one colour rule and pen.
struct LineSet {
    int firstStage = 0;
    int lastStage = -1;
    bool coloured = false;          // by the position of the left box (colours.h), else `colour`
    QRgb colour = kForegroundColour;
    double width = 1;               // pen width in drawing pixels
    const std::vector<bool> *only = nullptr;          // when set: only the flagged edge rows
    const std::vector<qint64> *onlyPerStage = nullptr; // with `only`: how many each stage has
    bool paper = false;             // the print look: light palette colours darkened

    QRgb colourOf(qint64 position) const
    {
        return coloured ? (paper ? onPaper(lineColour(position, true)) : lineColour(position, true)) : colour;
    }
};

// Straight segments stroked crisply (devicemap.h), cut to the area first so
// that the painter walks only what shows, and handed over in runs of one colour.
class SegmentBatch
{
public:
    SegmentBatch(QPainter &painter, const DeviceMap &map, const QRect &device, double width);
    ~SegmentBatch() { flush(); }
    SegmentBatch(const SegmentBatch &) = delete;
    SegmentBatch &operator=(const SegmentBatch &) = delete;

    // A segment in drawing pixels; left out when it is not finite in single
    // precision (the precision the surface takes coordinates in).
    void add(const QLineF &line, QRgb colour);
    void flush();

private:
    QPainter &m_painter;
    const DeviceMap &m_map;
    QRectF m_clip;
    double m_width;
    QRgb m_colour = 0;
    std::vector<QLineF> m_lines;
};

class LinePainter
{
public:
    // `device`: the painted area in device pixels; `raster`: whether pixel
    // spans may be used.
    LinePainter(const GraphPicture::Content &content, const DeviceMap &map, const QRect &device, bool raster);

    // Draws the set in drawing order. `beneath` paints what the lines lie on;
    // it is skipped when they cover the whole area.
    void paint(QPainter &painter, const LineSet &set, const std::function<void()> &beneath = {}) const;

private:
    struct StagePlan {
        int stage;
        bool dense;
    };

    std::vector<StagePlan> plan(const LineSet &set) const;
    bool meetsArea(int stage, double pad, double padDown) const;
    void drawSpans(QPainter &painter, const LineSet &set, const std::vector<int> &stages,
                   const std::function<void()> &beneath) const;
    void drawStrokes(QPainter &painter, const LineSet &set, int stage) const;

    const GraphPicture::Content &m_content;
    const DeviceMap &m_map;
    QRect m_device;
    QRectF m_area; // the same in drawing pixels
    bool m_raster;
};

} // namespace stagepath

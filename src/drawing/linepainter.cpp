// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding the lines in view, and stroking them or setting them as spans.
#include "linepainter.h"

#include "meshspans.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace stagepath {

namespace {

// Lines of one stage beyond which they are set as pixel spans, and the same
// for lines times device pen width: beyond either, stroking one repaint would
// take the painter tens of milliseconds or more.
constexpr qint64 kDenseLines = 20000;
constexpr double kDenseInk = 2000;

bool finiteFloat(double v)
{
    return std::isfinite(float(v));
}

} // namespace

bool clipLine(QLineF &line, const QRectF &r)
{
    const double x0 = line.x1(), y0 = line.y1();
    const double dx = line.x2() - x0, dy = line.y2() - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - r.left(), r.right() - x0, y0 - r.top(), r.bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    if (t0 > 0 || t1 < 1)
        line = QLineF(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy);
    return true;
}

SegmentBatch::SegmentBatch(QPainter &painter, const DeviceMap &map, const QRect &device, double width)
    : m_painter(painter)
    , m_map(map)
    , m_width(map.penWidth(width))
{
    const double margin = m_width / 2 + 2;
    m_clip = QRectF(device).adjusted(-margin, -margin, margin, margin);
}

void SegmentBatch::add(const QLineF &line, QRgb colour)
{
    if (!finiteFloat(line.x1()) || !finiteFloat(line.y1()) || !finiteFloat(line.x2()) || !finiteFloat(line.y2()))
        return;
    const QPointF a(float(line.x1()), float(line.y1())), b(float(line.x2()), float(line.y2()));
    QLineF device(m_map.snapped(a, m_width), m_map.snapped(b, m_width));
    // A line that misses the area is left out. One that meets it goes to the
    // painter whole, so that every repaint antialiases it alike; only a line
    // reaching far beyond what the rasteriser holds is cut to the area first.
    QLineF cut = device;
    if (!clipLine(cut, m_clip))
        return;
    constexpr double kFar = 1 << 20;
    if (std::max({std::abs(device.x1()), std::abs(device.y1()), std::abs(device.x2()), std::abs(device.y2())}) > kFar)
        device = cut;
    if (!m_lines.empty() && colour != m_colour)
        flush();
    m_colour = colour;
    m_lines.push_back(device);
}

void SegmentBatch::flush()
{
    if (m_lines.empty())
        return;
    m_painter.setPen(QPen(QColor::fromRgba(m_colour), m_width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    m_painter.drawLines(m_lines.data(), int(m_lines.size()));
    m_lines.clear();
}

LinePainter::LinePainter(const GraphPicture::Content &content, const DeviceMap &map, const QRect &device, bool raster)
    : m_content(content)
    , m_map(map)
    , m_device(device)
    , m_area(map.toDrawing(device))
    , m_raster(raster)
{
}

bool LinePainter::meetsArea(int s, double pad, double padDown) const
{
    const GraphGeometry &g = m_content.geometry;
    const qint64 left = g.boxCount(s), right = g.boxCount(s + 1);
    const QLineF first = g.edgeLine(s, 0, 0);
    const double ys[4] = {first.y1(), g.edgeStartY(s, left - 1), first.y2(), g.edgeEndY(s, right - 1)};
    const QRectF box = QRectF(QPointF(std::min(first.x1(), first.x2()), *std::min_element(ys, ys + 4)),
                              QPointF(std::max(first.x1(), first.x2()), *std::max_element(ys, ys + 4)));
    return box.adjusted(-pad, -padDown, pad, padDown).intersects(m_area);
}

std::vector<LinePainter::StagePlan> LinePainter::plan(const LineSet &set) const
{
    const GraphGeometry &g = m_content.geometry;
    const double pen = m_map.penWidth(set.width);
    const double pad = (pen / 2 + 2) / m_map.scale();
    std::vector<StagePlan> stages;
    const int last = std::min(set.lastStage, g.columnCount() - 2);
    for (int s = std::max(0, set.firstStage); s <= last; ++s) {
        const qint64 lines = set.only ? (*set.onlyPerStage)[size_t(s)] : g.boxCount(s) * g.boxCount(s + 1);
        if (lines == 0 || g.boxCount(s) == 0 || g.boxCount(s + 1) == 0)
            continue;
        const QLineF first = g.edgeLine(s, 0, 0);
        // The ends' columns as the spans set them.
        const double run = DeviceMap::snap(m_map.toDevice(QPointF(float(first.x2()), 0)).x(), pen)
            - DeviceMap::snap(m_map.toDevice(QPointF(float(first.x1()), 0)).x(), pen);
        const bool many = lines > kDenseLines || double(lines) * pen > kDenseInk;
        const bool dense = m_raster && many && std::isfinite(run) && std::abs(run) >= 2;
        // Strokes cut upright at the ends' columns reach as far down and up
        // as the pen is tall across the steepest line.
        double padDown = pad;
        if (dense && MeshSpans::cutUpright(pen, run)) {
            const double rise = std::max(std::abs(g.edgeEndY(s, g.boxCount(s + 1) - 1) - first.y1()),
                                         std::abs(first.y2() - g.edgeStartY(s, g.boxCount(s) - 1)));
            // (a hundredth more for the ends' snapping to whole pixels)
            padDown = MeshSpans::uprightReach(pen, rise / std::abs(first.x2() - first.x1())) * 1.01 / m_map.scale() + pad;
        }
        if (meetsArea(s, pad, padDown))
            stages.push_back(StagePlan{s, dense});
    }
    return stages;
}

void LinePainter::paint(QPainter &painter, const LineSet &set, const std::function<void()> &beneath) const
{
    const std::vector<StagePlan> stages = plan(set);
    const bool allDense = !stages.empty()
        && std::all_of(stages.begin(), stages.end(), [](const StagePlan &p) { return p.dense; });
    if (allDense) {
        std::vector<int> all;
        for (const StagePlan &p : stages)
            all.push_back(p.stage);
        drawSpans(painter, set, all, beneath);
        return;
    }
    if (beneath)
        beneath();
    m_map.useDevicePixels(painter);
    // Runs of dense stages share one layer of spans; the order is kept.
    for (size_t i = 0; i < stages.size();) {
        std::vector<int> run;
        for (; i < stages.size() && stages[i].dense; ++i)
            run.push_back(stages[i].stage);
        if (!run.empty()) {
            drawSpans(painter, set, run, {});
            continue;
        }
        drawStrokes(painter, set, stages[i++].stage);
    }
}

void LinePainter::drawSpans(QPainter &painter, const LineSet &set, const std::vector<int> &stages,
                            const std::function<void()> &beneath) const
{
    MeshSpans spans(m_content, m_map, m_device, set);
    const QImage &layer = spans.render(stages);
    if (beneath && !spans.coversAll())
        beneath();
    m_map.useDevicePixels(painter);
    painter.drawImage(m_device.topLeft(), layer);
}

void LinePainter::drawStrokes(QPainter &painter, const LineSet &set, int s) const
{
    const GraphGeometry &g = m_content.geometry;
    SegmentBatch batch(painter, m_map, m_device, set.width);
    const double pad = (m_map.penWidth(set.width) / 2 + 2) / m_map.scale();
    const QRectF area = m_area.adjusted(-pad, -pad, pad, pad);
    const qint64 left = g.boxCount(s), right = g.boxCount(s + 1);
    const qint64 start = m_content.edges->shape.stageStart(s);
    for (qint64 j = 0; j < left; ++j) {
        const IndexRange to = g.edgesMeeting(s, j, area);
        const QRgb colour = set.colourOf(j);
        for (qint64 m = to.first; m <= to.last; ++m) {
            if (set.only && !(*set.only)[size_t(start + j * right + m)])
                continue;
            if (m_content.edges->isMissing(start + j * right + m))
                continue; // a road that does not exist has no line
            batch.add(g.edgeLine(s, j, m), colour);
        }
    }
}

} // namespace stagepath

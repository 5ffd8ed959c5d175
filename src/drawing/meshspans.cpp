// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Setting dense meshes of lines as pixel spans, column by column.
#include "meshspans.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace stagepath {

namespace {

// The layer's pixels, kept from one repaint to the next of the same size.
thread_local QImage t_spareLayer;

} // namespace

MeshSpans::MeshSpans(const GraphPicture::Content &content, const DeviceMap &map, const QRect &device, const LineSet &set)
    : m_content(content)
    , m_map(map)
    , m_device(device)
    , m_set(set)
    , m_missing(content.edges->hasMissing())
    , m_pen(map.penWidth(set.width))
{
}

MeshSpans::~MeshSpans()
{
    if (!m_image.isNull())
        t_spareLayer = std::move(m_image);
}

double MeshSpans::leftY(const Stage &st, qint64 from) const
{
    double *kept = st.slot >= 0 ? &m_heights[size_t(2 * st.slot)][size_t(from)] : nullptr;
    if (kept && !std::isnan(*kept))
        return *kept;
    const float y = float(m_content.geometry.edgeStartY(st.stage, from));
    const double device = DeviceMap::snap(m_map.toDevice(QPointF(0, y)).y(), m_pen);
    return kept ? (*kept = device) : device;
}

double MeshSpans::rightY(const Stage &st, qint64 to) const
{
    double *kept = st.slot >= 0 ? &m_heights[size_t(2 * st.slot + 1)][size_t(to)] : nullptr;
    if (kept && !std::isnan(*kept))
        return *kept;
    const float y = float(m_content.geometry.edgeEndY(st.stage, to));
    const double device = DeviceMap::snap(m_map.toDevice(QPointF(0, y)).y(), m_pen);
    return kept ? (*kept = device) : device;
}

double MeshSpans::halfHeight(const Stage &st, double rise) const
{
    const double slope = rise / (st.x2 - st.x1);
    return m_pen / 2 * std::sqrt(1 + slope * slope);
}

MeshSpans::Stage MeshSpans::describe(int stage) const
{
    const GraphGeometry &g = m_content.geometry;
    Stage st{};
    st.stage = stage;
    st.left = g.boxCount(stage);
    st.right = g.boxCount(stage + 1);
    st.firstRow = m_content.edges->shape.stageStart(stage);
    const QLineF first = g.edgeLine(stage, 0, 0);
    st.x1 = DeviceMap::snap(m_map.toDevice(QPointF(float(first.x1()), 0)).x(), m_pen);
    st.x2 = DeviceMap::snap(m_map.toDevice(QPointF(float(first.x2()), 0)).x(), m_pen);
    st.leftY0 = leftY(st, 0);
    const double leftLast = leftY(st, st.left - 1);
    st.leftStep = st.left > 1 ? (leftLast - st.leftY0) / double(st.left - 1) : 0;
    st.rightY0 = rightY(st, 0);
    const double rightLast = rightY(st, st.right - 1);
    st.rightStep = st.right > 1 ? (rightLast - st.rightY0) / double(st.right - 1) : 0;
    const double rise = std::max({std::abs(st.rightY0 - leftLast), std::abs(rightLast - st.leftY0),
                                  std::abs(st.rightY0 - st.leftY0), std::abs(rightLast - leftLast)});
    st.steepest = rise / std::abs(st.x2 - st.x1);
    return st;
}

const QImage &MeshSpans::render(const std::vector<int> &stages)
{
    m_image = std::move(t_spareLayer);
    if (m_image.size() != m_device.size())
        m_image = QImage(m_device.size(), QImage::Format_ARGB32_Premultiplied);
    m_coversAll = false;
    if (m_image.isNull())
        return m_image;
    m_image.fill(Qt::transparent);
    std::vector<Stage> described;
    for (int s : stages) {
        const Stage st = describe(s);
        if (std::isfinite(st.x1) && std::isfinite(st.x2) && std::isfinite(st.leftY0) && std::isfinite(st.rightY0)
            && std::isfinite(st.steepest))
            described.push_back(st);
    }
    // The ends' heights, worked out once each.
    m_heights.assign(2 * described.size(), {});
    for (size_t i = 0; i < described.size(); ++i) {
        m_heights[2 * i].assign(size_t(described[i].left), NAN);
        m_heights[2 * i + 1].assign(size_t(described[i].right), NAN);
        described[i].slot = int(i);
    }
    m_next.resize(size_t(m_device.height()) + 1);
    m_wholeColumns.assign(size_t(m_device.width()), 0);
    m_coversAll = true;
    for (int c = 0; c < m_device.width(); ++c)
        m_coversAll = renderColumn(c, described) && m_coversAll;
    for (int r = 0; r < m_device.height(); ++r) {
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(r));
        for (int c = 0; c < m_device.width(); ++c)
            if (m_wholeColumns[size_t(c)])
                row[c] = m_wholeColumns[size_t(c)];
    }
    return m_image;
}

std::pair<double, double> MeshSpans::reachableHeights(double x, const std::vector<Stage> &stages) const
{
    // At every column the line between the two columns' topmost boxes lies
    // above every other line of a stage, and that between the lowest boxes
    // below; a stroke covers only points within half a pen of its line, or,
    // cut upright, within its band.
    const double half = m_pen / 2;
    double low = INFINITY, high = -INFINITY;
    for (const Stage &st : stages) {
        const double left = std::min(st.x1, st.x2), right = std::max(st.x1, st.x2);
        const bool upright = cutUpright(m_pen, st.x2 - st.x1);
        const double beyond = upright ? 0 : half;
        if (x < left - beyond || x > right + beyond)
            continue;
        const double leftLast = st.leftY0 + st.leftStep * double(st.left - 1);
        const double rightLast = st.rightY0 + st.rightStep * double(st.right - 1);
        const auto edgeAt = [&](double at, bool top) {
            const double t = (std::clamp(at, left, right) - st.x1) / (st.x2 - st.x1);
            return top ? (1 - t) * std::min(st.leftY0, leftLast) + t * std::min(st.rightY0, rightLast)
                       : (1 - t) * std::max(st.leftY0, leftLast) + t * std::max(st.rightY0, rightLast);
        };
        const double reach = upright ? uprightReach(m_pen, st.steepest) : half + 1;
        const double from = upright ? x : x - half, to = upright ? x : x + half;
        low = std::min({low, edgeAt(from, true) - reach, edgeAt(to, true) - reach});
        high = std::max({high, edgeAt(from, false) + reach, edgeAt(to, false) + reach});
    }
    return {low, high};
}

void MeshSpans::skipRowsOutside(double low, double high)
{
    const int rows = m_device.height();
    m_skipped = 0;
    if (!(low <= high)) {
        std::fill(m_next.begin(), m_next.end() - 1, rows);
        m_skipped = rows;
        return;
    }
    const int first = int(std::clamp(std::ceil(low - 0.5 - m_device.top()), 0.0, double(rows)));
    const int end = int(std::clamp(std::ceil(high - 0.5 - m_device.top()), double(first), double(rows)));
    for (int r = 0; r < first; ++r)
        m_next[size_t(r)] = first;
    for (int r = end; r < rows; ++r)
        m_next[size_t(r)] = rows;
    m_skipped = first + (rows - end);
}

bool MeshSpans::renderColumn(int column, const std::vector<Stage> &stages)
{
    m_column = column;
    std::iota(m_next.begin(), m_next.end(), 0);
    m_filled = 0;
    const double x = m_device.left() + column + 0.5;
    const auto [reachLow, reachHigh] = reachableHeights(x, stages);
    skipRowsOutside(reachLow, reachHigh);
    if (columnDone())
        return m_filled == m_device.height();
    const double top = m_device.top(), bottom = top + m_device.height(), half = m_pen / 2;
    for (auto it = stages.rbegin(); it != stages.rend(); ++it) {
        const Stage &st = *it;
        const double left = std::min(st.x1, st.x2), right = std::max(st.x1, st.x2);
        const bool upright = cutUpright(m_pen, st.x2 - st.x1);
        const double beyond = upright ? 0 : half; // how far strokes reach past the ends' columns
        if (x < left - beyond || x > right + beyond)
            continue;
        const double t = (x - st.x1) / (st.x2 - st.x1);
        // At this column the fan from box j spans (1 - t) * y_j plus t times
        // the right ends' heights, and a stroke reaches `reach` beyond that.
        const double reach = half * std::sqrt(1 + st.steepest * st.steepest) + 1;
        const double rightLast = st.rightY0 + st.rightStep * double(st.right - 1);
        const double low = t * std::min(st.rightY0, rightLast), high = t * std::max(st.rightY0, rightLast);
        const IndexRange fans = linearRange((1 - t) * st.leftY0, (1 - t) * st.leftStep, top - reach - high,
                                            bottom + reach - low, st.left);
        const bool nearEnds = !upright && (x < left + half || x > right - half);
        // The last fan alone first: away from the mesh's edges it mostly
        // fills the column by itself.
        if (!fans.isEmpty() && renderFan(st, x, fans.last, nearEnds, IndexRange{0, st.right - 1}))
            return m_filled == m_device.height();
        if (fans.last > fans.first
            && renderBlock(st, x, IndexRange{fans.first, fans.last - 1}, IndexRange{0, st.right - 1}, nearEnds))
            return m_filled == m_device.height();
    }
    return m_filled == m_device.height();
}

std::pair<double, double> MeshSpans::strokeAt(const Stage &st, double x, double y1, double y2) const
{
    const double dx = st.x2 - st.x1, dy = y2 - y1, half = m_pen / 2;
    const double length = std::sqrt(dx * dx + dy * dy), along = (x - st.x1) * dx;
    // Within half a pen of the line...
    double low = y1 + ((x - st.x1) * dy - half * length) / dx;
    double high = y1 + ((x - st.x1) * dy + half * length) / dx;
    if (low > high)
        std::swap(low, high);
    // ...between the caps through its ends: 0 <= (p - p1) . d <= |d|^2.
    const double end = length * length - along;
    if (dy > 0) {
        low = std::max(low, y1 - along / dy);
        high = std::min(high, y1 + end / dy);
    } else if (dy < 0) {
        low = std::max(low, y1 + end / dy);
        high = std::min(high, y1 - along / dy);
    } else if (along < 0 || end < 0) {
        return {1, 0};
    }
    return {low, high};
}

namespace {

IndexRange overlap(IndexRange a, IndexRange b)
{
    return IndexRange{std::max(a.first, b.first), std::min(a.last, b.last)};
}

IndexRange hull(IndexRange a, IndexRange b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return IndexRange{std::min(a.first, b.first), std::max(a.last, b.last)};
}

} // namespace

IndexRange MeshSpans::bandsMeetingRows(const Stage &st, double t, double y1) const
{
    // The line to box m rises D = D0 + m * S; at this column its band runs
    // from y1 + t * D - h to y1 + t * D + h, where h, half the band's
    // height, lies between p and p * (1 + |D| / run) for a pen of half
    // width p: linear bounds on either side of D = 0.
    const double top = m_device.top() - 1, bottom = m_device.top() + m_device.height() + 1;
    const double p = m_pen / 2, k = p / std::abs(st.x2 - st.x1);
    const double d0 = st.rightY0 - y1, slope = st.rightStep;
    const IndexRange rising = linearRange(d0, slope, 0, 1e300, st.right);
    const IndexRange falling = linearRange(d0, slope, -1e300, 0, st.right);
    auto meeting = [&](IndexRange side, double sign) {
        // lowest edge y1 - p + (t - sign * k) * D, highest y1 + p + (t + sign * k) * D
        const IndexRange low = linearRange(y1 - p + (t - sign * k) * d0, (t - sign * k) * slope, -1e300, bottom, st.right);
        const IndexRange high = linearRange(y1 + p + (t + sign * k) * d0, (t + sign * k) * slope, top, 1e300, st.right);
        return overlap(side, overlap(low, high));
    };
    return hull(meeting(rising, 1), meeting(falling, -1));
}

std::pair<double, double> MeshSpans::bandHull(const Stage &st, double t, double y1, IndexRange to) const
{
    // A band's top edge is concave and its bottom edge convex in the right
    // box: the outermost lines hold the extremes.
    double low = INFINITY, high = -INFINITY;
    for (qint64 m : {to.first, to.last}) {
        const double rise = rightY(st, m) - y1, hh = halfHeight(st, rise);
        low = std::min(low, y1 + t * rise - hh);
        high = std::max(high, y1 + t * rise + hh);
    }
    return {low, high};
}

std::pair<double, double> MeshSpans::strokesExtent(const Stage &st, double y1, IndexRange to) const
{
    // A stroke reaches beyond its line's ends by half the pen times the
    // cosine of its slope, at most that of the run's flattest line.
    const double ya = rightY(st, to.first), yb = rightY(st, to.last), dx = st.x2 - st.x1;
    const double flattest = (ya > y1) != (yb > y1) ? 0 : std::min(std::abs(ya - y1), std::abs(yb - y1));
    const double across = m_pen / 2 * std::abs(dx) / std::sqrt(dx * dx + flattest * flattest);
    return {std::min({y1, ya, yb}) - across, std::max({y1, ya, yb}) + across};
}

IndexRange MeshSpans::strokesNearRows(const Stage &st, double y1, IndexRange to) const
{
    // Lines that start below the rows must end within a stroke's reach of
    // them, and likewise above; the ends run monotonously with the box.
    const double across = strokesExtent(st, y1, IndexRange{0, st.right - 1}).second - std::max({y1, st.rightY0, rightY(st, st.right - 1)}) + 1;
    const double top = m_device.top(), bottom = top + m_device.height();
    const IndexRange ends = y1 > bottom + across ? linearRange(st.rightY0, st.rightStep, -1e300, bottom + across, st.right)
        : y1 < top - across                      ? linearRange(st.rightY0, st.rightStep, top - across, 1e300, st.right)
                                                 : IndexRange{0, st.right - 1};
    return IndexRange{std::max(to.first, ends.first), std::min(to.last, ends.last)};
}

std::pair<double, double> MeshSpans::blockReach(const Stage &st, double x, IndexRange fans, IndexRange to) const
{
    // The ends' heights grow with the box, so the block's lines run between
    // the corners of a rectangle of left and right heights. A band's top
    // edge is concave and its bottom edge convex over that rectangle, and a
    // point of a segment is linear in either height and in the way along:
    // the corners hold every extreme.
    // The ends' heights (on the pixel grid) never fall as the box grows.
    const double s1 = leftY(st, fans.first), s2 = leftY(st, fans.last);
    const double e1 = rightY(st, to.first), e2 = rightY(st, to.last);
    const double ys[2] = {std::min(s1, s2), std::max(s1, s2)};
    const double ye[2] = {std::min(e1, e2), std::max(e1, e2)};
    const double run = st.x2 - st.x1, t = (x - st.x1) / run, p = m_pen / 2;
    double low = INFINITY, high = -INFINITY;
    for (double a : ys)
        for (double b : ye) {
            const double hh = halfHeight(st, b - a);
            low = std::min(low, a + t * (b - a) - hh);
            high = std::max(high, a + t * (b - a) + hh);
        }
    if (!cutUpright(m_pen, run)) {
        // A flat-capped stroke lies within half a pen of its segment: the
        // points of the segments within half a pen of the column, widened
        // by the vertical part of half a pen across the flattest line.
        const double ta = std::clamp((x - p - st.x1) / run, 0.0, 1.0), tb = std::clamp((x + p - st.x1) / run, 0.0, 1.0);
        double segLow = INFINITY, segHigh = -INFINITY;
        for (double w : {ta, tb})
            for (double a : ys)
                for (double b : ye) {
                    segLow = std::min(segLow, a + w * (b - a));
                    segHigh = std::max(segHigh, a + w * (b - a));
                }
        const double gap = std::max({0.0, std::min(ys[0], ys[1]) - std::max(ye[0], ye[1]),
                                     std::min(ye[0], ye[1]) - std::max(ys[0], ys[1])});
        const double across = p * std::abs(run) / std::sqrt(run * run + gap * gap);
        low = std::max(low, segLow - across);
        high = std::min(high, segHigh + across);
        // The caps: a stroke lies between the lines through its ends square
        // to it. Where every line of the block rises (or every one falls),
        // that bounds the heights in the column by the flattest and the
        // steepest line's rise.
        const double aLow = ys[0], aHigh = ys[1], bLow = ye[0], bHigh = ye[1];
        if (run > 0 && bHigh < aLow) { // rising: b < a
            const double least = aLow - bHigh, most = aHigh - bLow;
            low = std::max(low, x <= st.x2 ? bLow - (st.x2 - x) * run / least : bLow + (x - st.x2) * run / most);
            high = std::min(high, x >= st.x1 ? aHigh + (x - st.x1) * run / least : aHigh - (st.x1 - x) * run / most);
        } else if (run > 0 && bLow > aHigh) { // falling: b > a
            const double least = bLow - aHigh, most = bHigh - aLow;
            low = std::max(low, x >= st.x1 ? aLow - (x - st.x1) * run / least : aLow + (st.x1 - x) * run / most);
            high = std::min(high, x <= st.x2 ? bHigh + (st.x2 - x) * run / least : bHigh - (x - st.x2) * run / most);
        }
    }
    // A margin for rounding only: the bounds are exact.
    const double margin = 1e-6 * (1 + std::abs(low) + std::abs(high));
    return {low - margin, high + margin};
}

bool MeshSpans::renderBlock(const Stage &st, double x, IndexRange fans, IndexRange to, bool nearEnds)
{
    const auto [low, high] = blockReach(st, x, fans, to);
    const int empty = firstEmptyRow(low, high);
    if (empty < 0)
        return false;
    const qint64 fanCount = fans.last - fans.first + 1, boxCount = to.last - to.first + 1;
    if (fanCount == 1 && (boxCount <= 16 || !nearEnds))
        return renderFan(st, x, fans.first, nearEnds, to);
    // Where the order of the lines does not matter (one colour for all, or
    // a single fan), the half whose lines lie nearer the first empty row
    // goes first (the boxes higher up are the first ones), so that the rows
    // it fills let the other half be passed over whole.
    const bool upperFirst = double(empty) + m_device.top() + 0.5 < (low + high) / 2;
    // One colour for all (or a single fan): the longer side is split.
    if (fanCount > 1 && (m_set.coloured || fanCount >= boxCount)) {
        const qint64 mid = fans.first + fanCount / 2;
        const IndexRange later{mid, fans.last}, earlier{fans.first, mid - 1};
        if (!m_set.coloured && upperFirst)
            return renderBlock(st, x, earlier, to, nearEnds) || renderBlock(st, x, later, to, nearEnds);
        return renderBlock(st, x, later, to, nearEnds) || renderBlock(st, x, earlier, to, nearEnds);
    }
    const qint64 mid = to.first + boxCount / 2;
    const IndexRange later{mid, to.last}, earlier{to.first, mid - 1};
    if (upperFirst)
        return renderBlock(st, x, fans, earlier, nearEnds) || renderBlock(st, x, fans, later, nearEnds);
    return renderBlock(st, x, fans, later, nearEnds) || renderBlock(st, x, fans, earlier, nearEnds);
}

bool MeshSpans::renderFan(const Stage &st, double x, qint64 from, bool nearEnds, IndexRange to)
{
    const double t = (x - st.x1) / (st.x2 - st.x1);
    const double y1 = leftY(st, from);
    const QRgb colour = m_set.colourOf(from) | 0xff000000u;
    if (nearEnds) {
        // Near the ends, first the cheap bound of where the strokes end.
        to = strokesNearRows(st, y1, to);
        if (to.isEmpty())
            return false;
        const auto [low, high] = strokesExtent(st, y1, to);
        if (!hasEmptyRow(low, high))
            return false;
    }
    to = overlap(to, bandsMeetingRows(st, t, y1));
    if (to.isEmpty())
        return false;
    // All the run can cover: one span when neighbouring strokes touch (away
    // from the ends' caps); nothing to do when its rows are full already.
    const auto [low, high] = nearEnds ? strokesExtent(st, y1, to) : bandHull(st, t, y1, to);
    if (!nearEnds && !m_set.only && !m_missing && std::abs(t * st.rightStep) <= m_pen)
        return fill(low, high, colour);
    if (!hasEmptyRow(low, high))
        return false;
    for (qint64 m = to.first; m <= to.last; ++m) {
        if (m_set.only && !(*m_set.only)[size_t(st.firstRow + from * st.right + m)])
            continue;
        if (m_missing && m_content.edges->isMissing(st.firstRow + from * st.right + m))
            continue;
        const auto [a, b] = strokeAt(st, x, y1, rightY(st, m));
        if (fill(a, b, colour))
            return true;
    }
    return false;
}

bool MeshSpans::hasEmptyRow(double low, double high)
{
    return firstEmptyRow(low, high) >= 0;
}

int MeshSpans::firstEmptyRow(double low, double high)
{
    const double first = std::max(std::ceil(low - 0.5 - m_device.top()), 0.0);
    const double last = std::min(std::ceil(high - 0.5 - m_device.top()) - 1, double(m_device.height() - 1));
    if (!(first <= last))
        return -1;
    const int row = nextEmpty(int(first));
    return row <= int(last) ? row : -1;
}

int MeshSpans::nextEmpty(int row)
{
    while (m_next[size_t(row)] != row) {
        m_next[size_t(row)] = m_next[size_t(m_next[size_t(row)])];
        row = m_next[size_t(row)];
    }
    return row;
}

bool MeshSpans::fill(double low, double high, QRgb colour)
{
    // A pixel is covered when its centre lies in the band.
    const int rows = m_device.height();
    const double first = std::max(std::ceil(low - 0.5 - m_device.top()), 0.0);
    const double last = std::min(std::ceil(high - 0.5 - m_device.top()) - 1, double(rows - 1));
    if (!(first <= last))
        return false;
    if (m_filled == 0 && m_skipped == 0 && first == 0 && last == rows - 1) {
        m_wholeColumns[size_t(m_column)] = colour;
        m_filled = rows;
        return true;
    }
    auto *bits = reinterpret_cast<QRgb *>(m_image.bits()) + m_column;
    const qsizetype stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    // Every row filled now points past the run, so that a later search
    // skips the whole run at once.
    const int end = int(last) + 1;
    for (int r = nextEmpty(int(first)); r < end;) {
        bits[r * stride] = colour;
        m_next[size_t(r)] = end;
        ++m_filled;
        ++r;
        if (r < end && m_next[size_t(r)] != r)
            r = nextEmpty(r);
    }
    return columnDone();
}

} // namespace stagepath

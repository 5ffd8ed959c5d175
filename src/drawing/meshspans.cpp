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
    return renderLines(st, x, from, to);
}

bool MeshSpans::renderLines(const Stage &st, double x, qint64 from, IndexRange to)
{
    const double t = (x - st.x1) / (st.x2 - st.x1);
    const double y1 = leftY(st, from);
    const qint64 count = to.last - to.first + 1;
    if (count > 16) {
        // The lines of one fan share a colour: the half nearer the first
        // empty row goes first, and a half whose strokes reach no empty row
        // is passed over whole. A stroke lies within its band, and within
        // what its ends and caps allow.
        const auto [bandLow, bandHigh] = bandHull(st, t, y1, to);
        const auto [endsLow, endsHigh] = strokesExtent(st, y1, to);
        const double heights = std::max({std::abs(y1), std::abs(rightY(st, to.first)), std::abs(rightY(st, to.last))});
        const auto [low, high] = withMargin(st, std::max(bandLow, endsLow), std::min(bandHigh, endsHigh), heights);
        const int empty = firstEmptyRow(low, high);
        if (empty < 0)
            return false;
        const qint64 mid = to.first + count / 2;
        const IndexRange upper{to.first, mid - 1}, lower{mid, to.last};
        if (double(empty) + m_device.top() + 0.5 < (low + high) / 2)
            return renderLines(st, x, from, upper) || renderLines(st, x, from, lower);
        return renderLines(st, x, from, lower) || renderLines(st, x, from, upper);
    }
    const QRgb colour = m_set.colourOf(from) | 0xff000000u;
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

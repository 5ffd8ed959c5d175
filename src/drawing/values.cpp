// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which edge values are written, how far they reach, and writing those in view.
#include "values.h"

#include "model/numbers.h"
#include "textrule.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stagepath {

namespace {

constexpr qint64 kLowest = std::numeric_limits<qint32>::min();

// Whether the text written for the edge to box `to` has its top within 32 bits.
bool heightFits(const GraphGeometry &g, int stage, qint64 from, qint64 to)
{
    const auto p = g.valuePoint(stage, from, to);
    return p && qint64(p->y()) - 6 >= kLowest;
}

// The first i of 0..count-1 for which fits(i) fails, count when none does,
// where fits holds on one run of indices (the positions are monotone).
template <typename Fits>
qint64 firstFailing(qint64 count, Fits fits)
{
    if (count == 0 || !fits(0))
        return 0;
    qint64 lo = 1, hi = count; // fits holds on 0..lo-1
    while (lo < hi) {
        const qint64 mid = lo + (hi - lo) / 2;
        if (fits(mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

// The first row of a stage whose value is not written, or -1 when all are.
qint64 stageEnd(const EdgeData &edges, const GraphGeometry &g, int s)
{
    const GraphShape &shape = edges.shape;
    const qint64 left = shape.boxCount(s), right = shape.boxCount(s + 1), start = shape.stageStart(s);
    if (left == 0 || right == 0)
        return -1;
    const auto x = toPixel(g.columnX(s));
    if (!x || qint64(*x) - 3 < kLowest)
        return start;
    // Heights run monotonously with the left box and with the right box: a
    // box's rows all fit when its first and last do.
    const qint64 j = std::min(firstFailing(left, [&](qint64 b) { return heightFits(g, s, b, 0); }),
                              firstFailing(left, [&](qint64 b) { return heightFits(g, s, b, right - 1); }));
    qint64 end = -1;
    if (j < left)
        end = start + j * right + firstFailing(right, [&](qint64 m) { return heightFits(g, s, j, m); });
    if (qint64(*x) - 6 < kLowest) {
        // This far left only a single character fits: the first longer text ends the values.
        const qint64 stop = end < 0 ? start + left * right : end;
        for (qint64 row = start; row < stop; ++row)
            if (edges.text(row).size() != 1)
                return row;
    }
    return end;
}

// Whether the locale writes whole numbers in plain ASCII digits, as
// QString::number does.
bool plainDigitLocale()
{
    const QLocale locale;
    return locale.zeroDigit() == QLatin1String("0") && locale.negativeSign() == QLatin1String("-");
}

// The text of a row as the table shows it: typed, or the value in the
// general form, which for a whole number below 10^15 is its plain digits.
QString valueText(const EdgeData &edges, qint64 row, bool plainDigits)
{
    if (!edges.texts.isEmpty())
        if (const auto it = edges.texts.constFind(row); it != edges.texts.constEnd())
            return *it;
    const double v = edges.values[size_t(row)];
    if (v == kMissingRoad)
        return QStringLiteral("-");
    if (plainDigits && v == std::floor(v) && std::abs(v) < 1e15)
        return QString::number(qint64(v));
    return formatNumber(v);
}

} // namespace

ValueLayout::ValueLayout(const EdgeData &edges, const GraphGeometry &geometry)
    : m_end(edges.shape.edgeCount())
{
    const GraphShape &shape = edges.shape;
    for (int s = 0; s < shape.stageCount(); ++s) {
        const qint64 end = stageEnd(edges, geometry, s);
        if (end >= 0) {
            m_end = end;
            break;
        }
    }
    m_typedWidth.assign(size_t(shape.stageCount()), 0.0f);
    measureTypedTexts(edges, geometry);
    measureStacks(shape, geometry);
}

void ValueLayout::measureTypedTexts(const EdgeData &edges, const GraphGeometry &geometry)
{
    for (auto it = edges.texts.constBegin(); it != edges.texts.constEnd(); ++it) {
        if (it.key() >= m_end)
            continue;
        const GraphShape::Edge e = edges.shape.edgeAt(it.key());
        const auto reference = geometry.valuePoint(e.stage, e.from, e.to);
        const auto topLeft = reference ? textTopLeft(*reference, *it) : std::nullopt;
        if (!topLeft)
            continue;
        const QSizeF size = estimatedTextSize(*it);
        if (hasLineBreak(*it)) {
            m_tall.push_back(TallText{*topLeft, size, it.key()});
            m_right = std::max(m_right, topLeft->x() + size.width());
            m_bottom = std::max(m_bottom, topLeft->y() + size.height());
        } else {
            float &widest = m_typedWidth[size_t(e.stage)];
            widest = std::max(widest, float(size.width()));
        }
    }
}

void ValueLayout::measureStacks(const GraphShape &shape, const GraphGeometry &geometry)
{
    for (int s = 0; s < shape.stageCount() && shape.stageStart(s) < m_end; ++s) {
        const qint64 left = shape.boxCount(s), right = shape.boxCount(s + 1);
        if (left == 0 || right == 0)
            continue;
        if (const auto x = toPixel(geometry.columnX(s)))
            m_right = std::max(m_right, double(*x) - 6 + stageWidth(s));
        // The lowest value stands under the first or the last box.
        for (qint64 j : {qint64(0), left - 1})
            if (const auto p = geometry.valuePoint(s, j, right - 1))
                m_bottom = std::max(m_bottom, double(p->y()) - 6 + textLineHeight());
    }
}

double ValueLayout::stageWidth(int stage) const
{
    return std::max(widestGeneralNumber(), double(m_typedWidth[size_t(stage)]));
}

void ValueLayout::paint(TextBatch &texts, const EdgeData &edges, const GraphGeometry &geometry, const QRectF &area,
                        const std::function<bool(int)> &skipStage) const
{
    const GraphShape &shape = edges.shape;
    const bool plainDigits = plainDigitLocale();
    for (int s = 0; s < shape.stageCount() && shape.stageStart(s) < m_end; ++s)
        if (!skipStage || !skipStage(s))
            paintStage(texts, edges, geometry, s, area, plainDigits);
    for (const TallText &t : m_tall)
        if (QRectF(t.topLeft, t.size).intersects(area) && (!skipStage || !skipStage(shape.edgeAt(t.row).stage)))
            texts.add(t.topLeft, edges.text(t.row));
}

void ValueLayout::paintStage(TextBatch &texts, const EdgeData &edges, const GraphGeometry &geometry, int stage,
                             const QRectF &area, bool plainDigits) const
{
    const GraphShape &shape = edges.shape;
    const qint64 right = shape.boxCount(stage + 1);
    const auto x = toPixel(geometry.columnX(stage));
    if (right == 0 || !x || *x - 6 > area.right() || *x - 6 + stageWidth(stage) < area.left())
        return;
    // A text stands from 6 above its reference point to a line below that.
    const double above = area.top() - (textLineHeight() - 6), below = area.bottom() + 6;
    const IndexRange boxes = geometry.boxesNear(stage, above - 30 - 10 * double(right - 1), below - 30);
    for (qint64 j = boxes.first; j <= boxes.last; ++j) {
        const double stackTop = geometry.boxCentre(stage, j).y() + 30;
        const IndexRange places = linearRange(stackTop, 10, above, below, right);
        for (qint64 m = places.first; m <= places.last; ++m) {
            const qint64 row = shape.edgeRow(stage, j, m);
            if (row >= m_end)
                return;
            const QString text = valueText(edges, row, plainDigits);
            if (hasLineBreak(text))
                continue; // a tall typed text, written apart
            const auto reference = geometry.valuePoint(stage, j, m);
            if (const auto topLeft = reference ? textTopLeft(*reference, text) : std::nullopt)
                texts.add(*topLeft, text);
        }
    }
}

} // namespace stagepath

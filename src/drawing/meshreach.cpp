// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the strokes of a dense mesh can reach in a column: the bounds that
// let the span walk pass over blocks of lines whose rows are full already.
#include "meshspans.h"

#include <algorithm>
#include <cmath>

namespace stagepath {

double MeshSpans::halfHeight(const Stage &st, double rise) const
{
    const double slope = rise / (st.x2 - st.x1);
    return m_pen / 2 * std::sqrt(1 + slope * slope);
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

IndexRange MeshSpans::overlap(IndexRange a, IndexRange b)
{
    return IndexRange{std::max(a.first, b.first), std::min(a.last, b.last)};
}

namespace {

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
    // The caps bound only lines that all rise or all fall: the right boxes
    // that end above every left end of the block, those that end below
    // every one, and those between are bounded apart. The ends' heights (on
    // the pixel grid) never fall as the box grows. Where the lines have one
    // colour the walk finds the lines that fill the empty rows first, and
    // the plain bound passes over the rest as well.
    const double run = st.x2 - st.x1;
    if (!m_set.coloured || cutUpright(m_pen, run) || run <= 0 || to.first == to.last)
        return cornerReach(st, x, fans, to);
    const double s1 = leftY(st, fans.first), s2 = leftY(st, fans.last);
    const double aLow = std::min(s1, s2), aHigh = std::max(s1, s2);
    // The first box of the run not `below` a height: searched for about
    // the guess that the even step of the heights gives.
    const auto firstBox = [&](double height, auto below) {
        const double guess = st.rightStep > 0 ? std::ceil((height - st.rightY0) / st.rightStep) : double(to.first);
        const qint64 near = qint64(std::clamp(std::isfinite(guess) ? guess : double(to.first), double(to.first), double(to.last + 1)));
        qint64 lo = to.first, hi = to.last + 1;
        if (near - 3 >= lo && below(rightY(st, near - 3)))
            lo = near - 2;
        if (near + 2 < hi && !below(rightY(st, near + 2)))
            hi = near + 2;
        while (lo < hi) {
            const qint64 mid = lo + (hi - lo) / 2;
            if (below(rightY(st, mid)))
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    };
    const qint64 level = firstBox(aLow, [&](double y) { return y < aLow; });
    const qint64 falling = firstBox(aHigh, [&](double y) { return y <= aHigh; });
    if ((level == to.first && falling == to.first) || level > to.last || (level == to.first && falling > to.last))
        return cornerReach(st, x, fans, to);
    double low = INFINITY, high = -INFINITY;
    for (const IndexRange part : {IndexRange{to.first, level - 1}, IndexRange{level, falling - 1}, IndexRange{falling, to.last}}) {
        if (part.isEmpty())
            continue;
        const auto [partLow, partHigh] = cornerReach(st, x, fans, part);
        low = std::min(low, partLow);
        high = std::max(high, partHigh);
    }
    return {low, high};
}

std::pair<double, double> MeshSpans::cornerReach(const Stage &st, double x, IndexRange fans, IndexRange to) const
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
        // steepest line's rise. Between the ends' columns the bound of a
        // line, b - c / (a - b) and the like, is concave (or convex) in
        // either height: there the corners hold its extremes.
        const double aLow = ys[0], aHigh = ys[1], bLow = ye[0], bHigh = ye[1];
        const auto corners = [&](auto bound, bool least) {
            double v = least ? INFINITY : -INFINITY;
            for (double a : ys)
                for (double b : ye)
                    v = least ? std::min(v, bound(a, b)) : std::max(v, bound(a, b));
            return v;
        };
        if (run > 0 && bHigh < aLow) { // rising: b < a
            const double most = aHigh - bLow;
            const double toEnd = (st.x2 - x) * run, fromStart = (x - st.x1) * run;
            low = std::max(low, x <= st.x2 ? corners([&](double a, double b) { return b - toEnd / (a - b); }, true)
                                           : bLow + (x - st.x2) * run / most);
            high = std::min(high, x >= st.x1 ? corners([&](double a, double b) { return a + fromStart / (a - b); }, false)
                                             : aHigh - (st.x1 - x) * run / most);
        } else if (run > 0 && bLow > aHigh) { // falling: b > a
            const double most = bHigh - aLow;
            const double toEnd = (st.x2 - x) * run, fromStart = (x - st.x1) * run;
            low = std::max(low, x >= st.x1 ? corners([&](double a, double b) { return a - fromStart / (b - a); }, true)
                                           : aLow + (st.x1 - x) * run / most);
            high = std::min(high, x <= st.x2 ? corners([&](double a, double b) { return b + toEnd / (b - a); }, false)
                                             : bHigh - (x - st.x2) * run / most);
        }
    }
    return withMargin(st, low, high, std::max({std::abs(ys[0]), std::abs(ys[1]), std::abs(ye[0]), std::abs(ye[1])}));
}

std::pair<double, double> MeshSpans::withMargin(const Stage &st, double low, double high, double heights) const
{
    // A margin for rounding only, as the bounds are exact: a bound is worked
    // out from the ends' heights, the half heights of bands (at most the
    // pen times the rise over the run) and itself, each correct to a few
    // units in the last place.
    const double size = (1 + heights + m_pen) * (1 + m_pen / std::abs(st.x2 - st.x1));
    return {low - 1e-9 * (std::abs(low) + size), high + 1e-9 * (std::abs(high) + size)};
}

} // namespace stagepath

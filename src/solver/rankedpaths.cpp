// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rankedpaths.h"

#include "leasttotals.h"
#include "paths.h"
#include "stagescan.h"
#include "writtentotal.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <deque>
#include <limits>

namespace stagepath {

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// Doubles in order as 64-bit integers: consecutive doubles have consecutive
// keys (-0 and +0 share key 0).
qint64 orderKey(double x)
{
    const qint64 bits = std::bit_cast<qint64>(x);
    return bits < 0 ? -(bits & std::numeric_limits<qint64>::max()) : bits;
}

double fromOrderKey(qint64 key)
{
    return std::bit_cast<double>(key < 0 ? (-key) | std::numeric_limits<qint64>::min() : key);
}

const qint64 maxKey = orderKey(DBL_MAX);

// Largest key in [from, maxKey] such that pred holds, for a predicate that
// holds on a prefix of the keys and at from: gallop, then bisect. Returns
// maxKey + 1 when pred holds up to maxKey.
template <typename Pred>
qint64 lastKeyUpward(qint64 from, Pred pred)
{
    // Keys span nearly all of 64 bits, so they are walked as unsigned
    // offsets from the least key, whose distances always fit.
    constexpr quint64 offset = quint64(1) << 63;
    const auto toOffset = [](qint64 key) { return quint64(key) + offset; };
    const auto toKey = [](quint64 u) { return qint64(u - offset); };
    const quint64 top = toOffset(maxKey);
    quint64 lo = toOffset(from);
    quint64 hi = 0;
    quint64 step = 1;
    for (;;) {
        if (lo == top)
            return maxKey + 1;
        const quint64 next = top - lo < step ? top : lo + step;
        if (!pred(toKey(next))) {
            hi = next;
            break;
        }
        lo = next;
        step = step > std::numeric_limits<quint64>::max() / 2 ? std::numeric_limits<quint64>::max() : step * 2;
    }
    while (hi - lo > 1) {
        const quint64 mid = lo + (hi - lo) / 2;
        (pred(toKey(mid)) ? lo : hi) = mid;
    }
    return toKey(lo);
}

// The largest P with fl(P + v) <= t; fl(P + v) grows with P, so the P that
// satisfy it are all the doubles up to that one. -inf when none does, +inf
// when every finite P does.
double largestAddend(double v, double t)
{
    if (t == inf || t == -inf)
        return t;
    const auto fits = [v, t](qint64 key) { return fromOrderKey(key) + v <= t; };
    const qint64 key = orderKey(std::clamp(t - v, -DBL_MAX, DBL_MAX));
    if (fits(key)) {
        const qint64 last = lastKeyUpward(key, fits);
        return last > maxKey ? inf : fromOrderKey(last);
    }
    // Downwards: the mirrored keys that do not fit form a prefix.
    const qint64 last = lastKeyUpward(-key, [&fits](qint64 k) { return !fits(-k); });
    return last > maxKey ? -inf : fromOrderKey(-(last + 1));
}

struct Found {
    double total;
    qint32 pred;      // box (0-based) it comes from; -1 in column 1
    qint32 predIndex; // which of that box's paths it extends
};

struct Candidate {
    double total;
    qint32 box;
    qint32 index;
};

bool later(const Candidate &a, const Candidate &b)
{
    return a.total > b.total;
}

// Paths to each box in the order of their totals, found as they are asked for.
template <bool Negate>
class Enumeration
{
public:
    Enumeration(const EdgeData &data, const std::vector<double> &least)
        : m_data(data)
        , m_shape(data.shape)
        , m_least(least)
        , m_stateOf(least.size(), -1)
    {
        for (int c = 0; c <= m_shape.columnCount(); ++c)
            m_columnFirst.push_back(c < m_shape.columnCount() ? m_shape.globalBox(c, 0) - 1 : m_shape.totalBoxes());
    }

    int columnOf(qint64 box) const
    {
        return int(std::upper_bound(m_columnFirst.begin(), m_columnFirst.end(), box) - m_columnFirst.begin()) - 1;
    }
    qint64 firstBox(int column) const { return m_columnFirst[size_t(column)]; }

    double value(qint64 from, qint64 to) const
    {
        const int c = columnOf(from);
        return scan::signedValue<Negate>(
            m_data.value(m_shape.edgeRow(c, from - firstBox(c), to - firstBox(c + 1))));
    }

    // The path with the index-th least total (0-based) to the box.
    std::optional<Found> path(qint64 box, qint32 index)
    {
        if (box < m_shape.boxCount(0))
            return index == 0 ? std::optional<Found>(Found{0, -1, -1}) : std::nullopt;
        State &s = state(box);
        while (qint32(s.found.size()) <= index) {
            const Found last = s.found.back();
            if (const auto next = path(last.pred, last.predIndex + 1)) {
                const double total = next->total + value(last.pred, box);
                if (total != inf) { // not over a missing road
                    s.heap.push_back(Candidate{total, last.pred, last.predIndex + 1});
                    std::push_heap(s.heap.begin(), s.heap.end(), later);
                }
            }
            if (s.heap.empty())
                return std::nullopt;
            s.found.push_back(pop(s.heap));
        }
        return s.found[size_t(index)];
    }

    std::vector<qint64> positions(qint64 box, qint32 index)
    {
        std::vector<qint64> out(size_t(m_shape.columnCount()), 0);
        for (int c = m_shape.columnCount() - 1; c >= 0; --c) {
            out[size_t(c)] = box - firstBox(c);
            const Found f = *path(box, index);
            box = f.pred;
            index = f.predIndex;
        }
        return out;
    }

    static Found pop(std::vector<Candidate> &heap)
    {
        std::pop_heap(heap.begin(), heap.end(), later);
        const Candidate c = heap.back();
        heap.pop_back();
        return Found{c.total, c.box, c.index};
    }

private:
    struct State {
        std::vector<Found> found;
        std::vector<Candidate> heap;
    };

    // A box's state on first use: one candidate per predecessor, its least path.
    State &state(qint64 box)
    {
        if (m_stateOf[size_t(box)] >= 0)
            return m_states[size_t(m_stateOf[size_t(box)])];
        m_stateOf[size_t(box)] = qint32(m_states.size());
        State &s = m_states.emplace_back();
        const int c = columnOf(box);
        // Only real partial paths: the box is one that a real path reaches.
        for (qint64 y = firstBox(c - 1); y < firstBox(c); ++y) {
            const double total = m_least[size_t(y)] + value(y, box);
            if (total != inf)
                s.heap.push_back(Candidate{total, qint32(y), 0});
        }
        std::make_heap(s.heap.begin(), s.heap.end(), later);
        s.found.push_back(pop(s.heap));
        return s;
    }

    const EdgeData &m_data;
    const GraphShape &m_shape;
    const std::vector<double> &m_least;
    std::vector<qint64> m_columnFirst;
    std::vector<qint32> m_stateOf;
    std::deque<State> m_states; // stays in place as it grows
};

struct Ranked {
    RankedPath path;
    double written; // signed, as the search compares
};

bool rankedBefore(const Ranked &a, const Ranked &b)
{
    if (a.written != b.written)
        return a.written < b.written;
    return a.path.positions < b.path.positions;
}

// The largest total at each box from which some way on ends at most at the limit.
template <bool Negate>
std::vector<double> roomBelow(const EdgeData &data, const std::vector<double> &least, double limit)
{
    const GraphShape &shape = data.shape;
    std::vector<double> room(least.size(), -inf);
    const int last = shape.columnCount() - 1;
    std::fill(room.begin() + shape.globalBox(last, 0) - 1, room.end(), limit);
    std::vector<double> below;
    for (int s = last - 1; s >= 0; --s) {
        const qint64 right = shape.boxCount(s + 1);
        const double *next = room.data() + shape.globalBox(s + 1, 0) - 1;
        below.resize(size_t(right));
        for (qint64 x = 0; x < right; ++x)
            below[size_t(x)] = scan::limitAfter(next[x]);
        const double *row = data.values.data() + shape.stageStart(s);
        for (qint64 y = 0; y < shape.boxCount(s); ++y, row += right) {
            const size_t box = size_t(shape.globalBox(s, y) - 1);
            scan::forEachBelow<Negate>(row, least[box], below.data(), right, [&](qint64 x) {
                room[box] = std::max(room[box], largestAddend(scan::signedValue<Negate>(row[x]), next[x]));
            });
        }
    }
    return room;
}

// The first paths in table order whose totals are written as the given
// number, skipping those written below it (all ends at most at limit are one
// or the other).
template <bool Negate>
std::vector<std::vector<qint64>> firstWrittenAs(const EdgeData &data, const std::vector<double> &least,
                                                double written, double limit, qint64 wanted)
{
    const GraphShape &shape = data.shape;
    const std::vector<double> room = roomBelow<Negate>(data, least, limit);
    const int last = shape.columnCount() - 1;
    std::vector<std::vector<qint64>> out;
    std::vector<qint64> position(size_t(last) + 1, -1);
    std::vector<double> total(size_t(last) + 1, 0);
    int c = 0;
    while (c >= 0 && qint64(out.size()) < wanted) {
        // The next box of column c, after the current one, from which the path can go on.
        const double before = c > 0 ? total[size_t(c) - 1] : 0;
        qint64 k = position[size_t(c)] + 1;
        for (; k < shape.boxCount(c); ++k) {
            const double t = c > 0 ? before + scan::signedValue<Negate>(data.value(
                                                  shape.edgeRow(c - 1, position[size_t(c) - 1], k)))
                                   : 0;
            if (t <= room[size_t(shape.globalBox(c, k) - 1)]) {
                total[size_t(c)] = t;
                break;
            }
        }
        position[size_t(c)] = k;
        if (k == shape.boxCount(c)) {
            position[size_t(c)] = -1;
            --c;
        } else if (c < last) {
            ++c;
        } else if (writtenValue(total[size_t(c)]) == written) {
            out.push_back(position);
        }
    }
    return out;
}

template <bool Negate>
std::vector<RankedPath> rank(const EdgeData &data, const std::vector<double> &least, int k)
{
    const GraphShape &shape = data.shape;
    Enumeration<Negate> paths(data, least);
    std::vector<Candidate> heap;
    const qint64 lastFirst = shape.globalBox(shape.columnCount() - 1, 0) - 1;
    for (qint64 x = lastFirst; x < shape.totalBoxes(); ++x) {
        if (least[size_t(x)] != inf)
            heap.push_back(Candidate{least[size_t(x)], qint32(x), 0});
    }
    std::make_heap(heap.begin(), heap.end(), later);
    // The k + 1 least totals: the last tells whether the k-th one's written
    // number goes on beyond the k rows.
    std::vector<Ranked> found;
    while (qint32(found.size()) <= k && !heap.empty()) {
        const Found f = Enumeration<Negate>::pop(heap);
        if (const auto next = paths.path(f.pred, f.predIndex + 1)) {
            heap.push_back(Candidate{next->total, f.pred, f.predIndex + 1});
            std::push_heap(heap.begin(), heap.end(), later);
        }
        found.push_back(Ranked{RankedPath{paths.positions(f.pred, f.predIndex), f.total, {}}, writtenValue(f.total)});
    }
    if (qint32(found.size()) > k) {
        const double boundary = found[size_t(k) - 1].written;
        if (found[size_t(k)].written == boundary) {
            const double limit = lastWithSameText(found[size_t(k) - 1].path.total);
            const auto below = std::partition(found.begin(), found.end(),
                                              [boundary](const Ranked &r) { return r.written < boundary; });
            found.erase(below, found.end());
            const qint64 wanted = k - qint64(found.size());
            for (auto &p : firstWrittenAs<Negate>(data, least, boundary, limit, wanted))
                found.push_back(Ranked{RankedPath{std::move(p), 0, {}}, boundary});
        } else {
            found.pop_back();
        }
    }
    std::stable_sort(found.begin(), found.end(), rankedBefore);
    std::vector<RankedPath> out;
    std::optional<PathIndex> listing;
    if (data.hasMissing() && !found.empty())
        listing.emplace(data);
    for (Ranked &r : found) {
        r.path.total = pathTotal(data, r.path.positions);
        if (!listing)
            r.path.row = rowOfPath(shape, r.path.positions);
        else if (listing->pathCount() < std::numeric_limits<qint64>::max())
            r.path.row = listing->rowOf(r.path.positions);
        out.push_back(std::move(r.path));
    }
    return out;
}

} // namespace

std::vector<RankedPath> rankedPaths(const EdgeData &data, PathMode mode, int k)
{
    const GraphShape &shape = data.shape;
    if (k <= 0 || shape.stageCount() < 1 || shape.pathCount(1) == 0 || data.firstNonNumber())
        return {};
    const LeastTotals least = leastTotals(data, mode);
    if (!least.finite())
        return {};
    return mode == PathMode::Longest ? rank<true>(data, least.least, k) : rank<false>(data, least.least, k);
}

namespace {

template <bool Negate>
std::vector<std::vector<qint64>> bestInTableOrder(const EdgeData &data, const std::vector<double> &least, qint64 max)
{
    const GraphShape &shape = data.shape;
    const auto last = least.begin() + shape.globalBox(shape.columnCount() - 1, 0) - 1;
    const double best = *std::min_element(last, least.end());
    if (best == inf)
        return {};
    return firstWrittenAs<Negate>(data, least, writtenValue(best), lastWithSameText(best), max);
}

} // namespace

std::vector<std::vector<qint64>> bestPathsInTableOrder(const EdgeData &data, PathMode mode, qint64 max)
{
    const GraphShape &shape = data.shape;
    if (max <= 0 || shape.stageCount() < 1 || shape.pathCount(1) == 0 || data.firstNonNumber())
        return {};
    const LeastTotals least = leastTotals(data, mode);
    if (!least.finite())
        return {};
    return mode == PathMode::Longest ? bestInTableOrder<true>(data, least.least, max)
                                     : bestInTableOrder<false>(data, least.least, max);
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bestpathsearch.h"

#include "leasttotals.h"
#include "stagescan.h"
#include "writtentotal.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace stagepath {

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr qint64 extraEntries = qint64(1) << 21;

quint64 addCounts(quint64 a, quint64 b)
{
    const quint64 sum = a + b; // both at most 2^63: wraps only to 0
    return sum < a || sum > BestPathSearch::countLimit ? BestPathSearch::countLimit : sum;
}

} // namespace

BestPathSearch::BestPathSearch(const EdgeData &data, PathMode mode, Detail detail)
    : m_shape(data.shape)
    , m_sign(mode == PathMode::Longest ? -1 : 1)
{
    const int columns = m_shape.columnCount();
    if (columns == 0 || data.firstNonNumber())
        return;
    for (int c = 0; c < columns; ++c) {
        if (m_shape.boxCount(c) == 0)
            return;
        m_columnFirst.push_back(m_shape.globalBox(c, 0) - 1);
    }
    m_columnFirst.push_back(m_shape.totalBoxes());
    if (m_shape.totalBoxes() >= std::numeric_limits<qint32>::max() / 2)
        return;
    if (mode == PathMode::Longest)
        search<true>(data, detail);
    else
        search<false>(data, detail);
}

template <bool Negate>
void BestPathSearch::search(const EdgeData &data, Detail detail)
{
    LeastTotals least = leastTotals(data, Negate ? PathMode::Longest : PathMode::Shortest);
    if (!least.finite())
        return; // a total beyond the double range
    m_missingRoads = least.missingRoads;
    m_least = std::move(least.least);
    double sum = 0;
    for (double l : least.largest)
        sum += l;
    const double bound = totalsBound(sum);
    startFirstColumn(detail);
    const int stages = m_shape.stageCount();
    for (int c = 1; c <= stages; ++c)
        extendTo<Negate>(data, c, detail, windowAt(bound, c));
    m_computed = true;
    if (stages == 0)
        return;
    const auto lastColumn = m_least.begin() + firstBox(stages);
    if (std::find_if(lastColumn, m_least.end(), [](double t) { return t != inf; }) == m_least.end()) {
        // Missing roads cut every path.
        m_edgeBits.assign(size_t((m_shape.edgeCount() + 63) / 64), 0);
        return;
    }
    chooseBestPath();
    if (detail == Detail::EveryBox) {
        // The chain back from the marked path's last box gives that path.
        for (int c = 1; c <= stages; ++c)
            m_boxPrevious[size_t(firstBox(c) + m_positions[size_t(c)])] = qint32(firstBox(c - 1) + m_positions[size_t(c) - 1]);
        markBestEdges<Negate>(data);
    }
}

// A bound on the magnitude of every total, from the sum of the stages'
// largest values (and the rounding of that sum).
double BestPathSearch::totalsBound(double sumOfLargest)
{
    const double bound = sumOfLargest * (1 + 1e-12);
    return std::isfinite(bound) ? bound : DBL_MAX;
}

// A path that ends within the given width above the least total of its last
// box, and anything later, can only go through partial paths that end within
// the width of the earlier column above their box's least total, where the
// width grows by the rounding of each addition: two paths that take the same
// edges from a box on keep the difference of their totals but for two
// roundings per stage, each at most half a unit in the last place of the
// largest total (the bound). The last column needs the span of one written
// number, at most 10^-14 of the largest total. Twice that covers the rounding
// of least + width.
double BestPathSearch::windowAt(double bound, int column) const
{
    return 2 * bound * (1.00000001e-14 + double(m_shape.stageCount() - column) * 0x1p-52);
}

void BestPathSearch::Column::clear(qint32 start)
{
    first = start;
    total.clear();
    count.clear();
    rank.clear();
}

void BestPathSearch::startFirstColumn(Detail detail)
{
    const size_t boxes = size_t(m_shape.totalBoxes());
    const qint64 first = m_shape.boxCount(0);
    m_boxEntries.assign(boxes + 1, 0);
    m_entryPred.reserve(boxes);
    if (detail == Detail::EveryBox) {
        m_entryTotal.reserve(boxes);
        m_boxTies.assign(boxes, 0);
        m_boxPrevious.assign(boxes, -1);
        std::fill_n(m_boxTies.begin(), first, 1);
    }
    m_extraBudget = extraEntries;
    m_current.clear(0);
    m_current.total.reserve(size_t(first));
    m_current.count.reserve(size_t(first));
    m_current.rank.reserve(size_t(first));
    for (qint64 j = 0; j < first; ++j) {
        m_boxEntries[size_t(j)] = qint32(j);
        addEntry(0, 1, -1, detail);
        m_current.rank.push_back(qint32(j));
    }
    m_boxEntries[size_t(first)] = qint32(first);
}

void BestPathSearch::addEntry(double total, quint64 count, qint32 pred, Detail detail)
{
    m_current.total.push_back(total);
    m_current.count.push_back(count);
    m_entryPred.push_back(pred);
    if (detail == Detail::EveryBox)
        m_entryTotal.push_back(total);
}

// The kept totals of a column from those of the one before. Each row of
// edges is passed over but where an edge leads within the window of its box;
// there every kept total of the left box that stays within it is carried over.
template <bool Negate>
void BestPathSearch::extendTo(const EdgeData &data, int column, Detail detail, double window)
{
    std::swap(m_previous, m_current);
    const int stage = column - 1;
    const qint64 left = m_shape.boxCount(stage);
    const qint64 right = m_shape.boxCount(column);
    const qint64 leftFirst = firstBox(stage);
    const double *least = m_least.data() + firstBox(column);
    m_limit.resize(size_t(right));
    for (qint64 x = 0; x < right; ++x)
        m_limit[size_t(x)] = scan::limitAfter(least[x] + window);
    m_headCount.assign(size_t(right), 0);
    m_headPred.assign(size_t(right), -1);
    m_headRank.assign(size_t(right), std::numeric_limits<qint32>::max());
    m_extra.clear();
    const double *totals = m_previous.total.data() - m_previous.first;
    const double *row = data.values.data() + m_shape.stageStart(stage);
    for (qint64 y = 0; y < left; ++y, row += right) {
        const qint32 first = m_boxEntries[size_t(leftFirst + y)];
        const qint32 last = m_boxEntries[size_t(leftFirst + y + 1)];
        const double base = m_least[size_t(leftFirst + y)];
        const auto carry = [&](qint64 x, qint32 e, double total) {
            if (total == least[x])
                mergeIntoHead(x, e);
            else
                keepExtra(x, e, total);
        };
        if (last - first == 1) { // the usual case: the least total only
            scan::forEachBelow<Negate>(row, base, m_limit.data(), right, [&](qint64 x) {
                carry(x, first, base + scan::signedValue<Negate>(row[x]));
            });
            continue;
        }
        scan::forEachBelow<Negate>(row, base, m_limit.data(), right, [&](qint64 x) {
            const double value = scan::signedValue<Negate>(row[x]);
            for (qint32 e = first; e < last && totals[e] + value < m_limit[size_t(x)]; ++e)
                carry(x, e, totals[e] + value);
        });
    }
    finishColumn(column, detail);
}

void BestPathSearch::mergeIntoHead(qint64 x, qint32 entry)
{
    const size_t i = size_t(entry - m_previous.first);
    m_headCount[size_t(x)] = addCounts(m_headCount[size_t(x)], m_previous.count[i]);
    if (m_previous.rank[i] < m_headRank[size_t(x)]) {
        m_headRank[size_t(x)] = m_previous.rank[i];
        m_headPred[size_t(x)] = entry;
    }
}

void BestPathSearch::keepExtra(qint64 x, qint32 entry, double total)
{
    if (m_extraBudget == 0) {
        m_exact = false;
        return;
    }
    m_extra.push_back(Extra{qint32(x), entry, total});
    --m_extraBudget;
}

// Entries of the column's boxes: the least total first, then the other kept
// totals in increasing order, each with the first path that reaches it.
void BestPathSearch::finishColumn(int column, Detail detail)
{
    const qint32 *rank = m_previous.rank.data() - m_previous.first;
    const quint64 *count = m_previous.count.data() - m_previous.first;
    std::sort(m_extra.begin(), m_extra.end(), [rank](const Extra &a, const Extra &b) {
        if (a.x != b.x)
            return a.x < b.x;
        if (a.total != b.total)
            return a.total < b.total;
        return rank[a.pred] < rank[b.pred];
    });
    const qint64 first = firstBox(column);
    const qint64 right = m_shape.boxCount(column);
    m_current.clear(qint32(m_entryPred.size()));
    m_current.total.reserve(size_t(right));
    m_current.count.reserve(size_t(right));
    size_t next = 0;
    for (qint64 x = 0; x < right; ++x) {
        m_boxEntries[size_t(first + x)] = qint32(m_entryPred.size());
        addEntry(m_least[size_t(first + x)], m_headCount[size_t(x)], m_headPred[size_t(x)], detail);
        while (next < m_extra.size() && m_extra[next].x == x) {
            const Extra &e = m_extra[next];
            quint64 paths = 0;
            for (; next < m_extra.size() && m_extra[next].x == x && m_extra[next].total == e.total; ++next)
                paths = addCounts(paths, count[m_extra[next].pred]);
            addEntry(e.total, paths, e.pred, detail);
        }
    }
    m_boxEntries[size_t(first + right)] = qint32(m_entryPred.size());
    rankColumn();
    if (detail == Detail::EveryBox)
        summarizeColumn(column);
}

// The first paths of a column's entries in the listing's order: by the order
// of the path they extend, then by box. A counting sort on the former.
void BestPathSearch::rankColumn()
{
    const qint32 *rank = m_previous.rank.data() - m_previous.first;
    const qint32 *pred = m_entryPred.data() + m_current.first;
    const size_t entries = m_current.total.size();
    // A box that no real path reaches has no path to extend: it goes last.
    const qint32 unreached = qint32(m_previous.rank.size());
    const auto order = [&](size_t i) { return size_t(pred[i] < 0 ? unreached : rank[pred[i]]); };
    std::vector<qint32> &start = m_rankStart;
    start.assign(m_previous.rank.size() + 2, 0);
    for (size_t i = 0; i < entries; ++i)
        ++start[order(i) + 1];
    for (size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
    m_current.rank.resize(entries);
    for (size_t i = 0; i < entries; ++i)
        m_current.rank[i] = start[order(i)]++;
}

// Per box: the kept totals written alike with the least one are the best
// partial paths; the first of them gives the previous box.
void BestPathSearch::summarizeColumn(int column)
{
    for (qint64 box = firstBox(column); box < firstBox(column + 1); ++box) {
        const qint32 first = m_boxEntries[size_t(box)] - m_current.first;
        const qint32 end = m_boxEntries[size_t(box) + 1] - m_current.first;
        const double limit = end - first > 1 ? lastWithSameText(m_least[size_t(box)]) : m_least[size_t(box)];
        qint32 chosen = first;
        quint64 ties = 0;
        for (qint32 i = first; i < end && m_current.total[size_t(i)] <= limit; ++i) {
            ties = addCounts(ties, m_current.count[size_t(i)]);
            if (m_current.rank[size_t(i)] < m_current.rank[size_t(chosen)])
                chosen = i;
        }
        m_boxTies[size_t(box)] = ties;
        m_boxPrevious[size_t(box)] = qint32(boxOfEntry(m_entryPred[size_t(m_current.first + chosen)], column - 1));
    }
}

// The best written total of the last column, the paths written alike with
// it, and the first of them.
void BestPathSearch::chooseBestPath()
{
    const int last = m_shape.columnCount() - 1;
    const auto begin = m_least.begin() + firstBox(last);
    const double limit = lastWithSameText(*std::min_element(begin, m_least.end()));
    qint32 best = -1;
    for (size_t i = 0; i < m_current.total.size(); ++i) {
        if (m_current.total[i] > limit)
            continue;
        m_pathCount = addCounts(m_pathCount, m_current.count[i]);
        if (best < 0 || m_current.rank[i] < m_current.rank[size_t(best)])
            best = qint32(i);
    }
    m_bestEntry = m_current.first + best;
    m_bestTotal = m_current.total[size_t(best)];
    m_positions.assign(size_t(last) + 1, 0);
    int c = last;
    for (qint32 e = m_bestEntry; e >= 0; e = m_entryPred[size_t(e)], --c)
        m_positions[size_t(c)] = boxOfEntry(e, c) - firstBox(c);
}

// Backwards from the best totals of the last column: per box, the largest
// kept total from which some way on ends with a best written total. An edge
// lies on a best path when the least total of its left box, carried over it,
// is at most that of its right box (any total that can be carried on to a
// best one is a kept one).
template <bool Negate>
void BestPathSearch::markBestEdges(const EdgeData &data)
{
    m_edgeBits.assign(size_t((m_shape.edgeCount() + 63) / 64), 0);
    const int last = m_shape.columnCount() - 1;
    const double limit = lastWithSameText(m_bestTotal);
    std::vector<double> good(size_t(m_shape.boxCount(last)), -inf); // of the column on the right
    for (qint64 x = 0; x < m_shape.boxCount(last); ++x) {
        const qint64 box = firstBox(last) + x;
        for (qint32 e = m_boxEntries[size_t(box)]; e < m_boxEntries[size_t(box) + 1]; ++e) {
            if (m_entryTotal[size_t(e)] <= limit)
                good[size_t(x)] = m_entryTotal[size_t(e)];
        }
    }
    std::vector<double> goodLeft;
    for (int s = last - 1; s >= 0; --s) {
        const qint64 left = m_shape.boxCount(s);
        const qint64 right = m_shape.boxCount(s + 1);
        m_limit.resize(size_t(right));
        for (qint64 x = 0; x < right; ++x)
            m_limit[size_t(x)] = scan::limitAfter(good[size_t(x)]);
        goodLeft.assign(size_t(left), -inf);
        const qint64 rowStart = m_shape.stageStart(s);
        const double *row = data.values.data() + rowStart;
        for (qint64 y = 0; y < left; ++y, row += right) {
            const qint64 box = firstBox(s) + y;
            scan::forEachBelow<Negate>(row, m_least[size_t(box)], m_limit.data(), right, [&](qint64 x) {
                const qint64 edge = rowStart + y * right + x;
                m_edgeBits[size_t(edge) / 64] |= quint64(1) << (edge % 64);
                const double value = scan::signedValue<Negate>(row[x]);
                for (qint32 e = m_boxEntries[size_t(box)]; e < m_boxEntries[size_t(box) + 1]; ++e) {
                    if (!(m_entryTotal[size_t(e)] + value < m_limit[size_t(x)]))
                        break;
                    goodLeft[size_t(y)] = std::max(goodLeft[size_t(y)], m_entryTotal[size_t(e)]);
                }
            });
        }
        good.swap(goodLeft);
    }
}

qint64 BestPathSearch::boxOfEntry(qint32 entry, int column) const
{
    if (entry < 0)
        return -1;
    const auto begin = m_boxEntries.begin() + firstBox(column);
    const auto end = m_boxEntries.begin() + firstBox(column + 1);
    return std::upper_bound(begin, end, entry) - m_boxEntries.begin() - 1;
}

int BestPathSearch::columnOf(qint64 box) const
{
    return int(std::upper_bound(m_columnFirst.begin(), m_columnFirst.end(), box) - m_columnFirst.begin()) - 1;
}

double BestPathSearch::bestTotal(qint64 box) const
{
    const double t = m_sign * m_least[size_t(box)];
    return t == 0 ? 0.0 : t;
}

qint64 BestPathSearch::chosenEdge(qint64 box) const
{
    const qint64 previous = previousBox(box);
    if (previous < 0)
        return -1;
    const int c = columnOf(box);
    return m_shape.edgeRow(c - 1, previous - firstBox(c - 1), box - firstBox(c));
}

double BestPathSearch::total() const
{
    const double t = m_sign * m_bestTotal;
    return t == 0 ? 0.0 : t;
}

} // namespace stagepath

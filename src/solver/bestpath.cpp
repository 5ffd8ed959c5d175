#include "bestpath.h"

#include "model/numbers.h"
#include "paths.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace stagepath {

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// Both modes run as "least total": the longest mode negates every value.
// Rounding to nearest is symmetric, so fl(-a + -b) == -fl(a + b) and the
// negated totals are exactly the negated listed totals; the 15-digit text of
// -x is the text of x with a minus sign, so ties in the written totals are
// kept too.
template <bool Negate>
inline double signedValue(double x)
{
    if constexpr (Negate)
        return -x;
    else
        return x;
}

struct Shape {
    explicit Shape(const EdgeData &data)
        : values(data.values.data())
        , stages(data.shape.stageCount())
    {
        const GraphShape &s = data.shape;
        for (int c = 0; c < s.columnCount(); ++c) {
            counts.push_back(s.boxCount(c));
            columnStart.push_back(s.globalBox(c, 0) - 1);
        }
        for (int st = 0; st <= stages; ++st)
            stageStart.push_back(st < stages ? s.stageStart(st) : s.edgeCount());
        totalBoxes = s.totalBoxes();
    }
    // First value of the row of edges leaving box j of column s.
    const double *edges(int s, qint64 j) const { return values + stageStart[size_t(s)] + j * counts[size_t(s) + 1]; }

    const double *values;
    int stages;
    std::vector<qint64> counts;
    std::vector<qint64> columnStart; // index of a column's first box in per-box arrays
    std::vector<qint64> stageStart;
    qint64 totalBoxes = 0;
};

// One row of edges leaving a box: the least value + suffix sum, the largest
// magnitude, and whether any value has a fractional part. This loop reads
// every edge value once and bounds the time of the whole-number method.
struct RowScan {
    double best;
    double largest;
    bool fractional;
};

constexpr double roundingShift = 0x1.8p52; // (x + shift) - shift rounds |x| < 2^51 to a whole number

template <bool Negate>
inline RowScan scanRow(const double *row, const double *next, qint64 count)
{
    qint64 k = 0;
    double best = inf;
    double largest = 0;
    bool fractional = false;
#if defined(__SSE2__)
    const __m128d signBit = _mm_set1_pd(-0.0);
    const __m128d shift = _mm_set1_pd(roundingShift);
    __m128d best0 = _mm_set1_pd(inf), best1 = best0;
    __m128d large0 = _mm_setzero_pd(), large1 = large0;
    __m128d frac = _mm_setzero_pd();
    for (; k + 4 <= count; k += 4) {
        const __m128d x0 = _mm_loadu_pd(row + k);
        const __m128d x1 = _mm_loadu_pd(row + k + 2);
        const __m128d v0 = Negate ? _mm_xor_pd(x0, signBit) : x0;
        const __m128d v1 = Negate ? _mm_xor_pd(x1, signBit) : x1;
        best0 = _mm_min_pd(_mm_add_pd(v0, _mm_loadu_pd(next + k)), best0);
        best1 = _mm_min_pd(_mm_add_pd(v1, _mm_loadu_pd(next + k + 2)), best1);
        large0 = _mm_max_pd(_mm_andnot_pd(signBit, x0), large0);
        large1 = _mm_max_pd(_mm_andnot_pd(signBit, x1), large1);
        frac = _mm_or_pd(frac, _mm_cmpneq_pd(_mm_sub_pd(_mm_add_pd(x0, shift), shift), x0));
        frac = _mm_or_pd(frac, _mm_cmpneq_pd(_mm_sub_pd(_mm_add_pd(x1, shift), shift), x1));
    }
    alignas(16) double lanes[2];
    _mm_store_pd(lanes, _mm_min_pd(best0, best1));
    best = lanes[0] < lanes[1] ? lanes[0] : lanes[1];
    _mm_store_pd(lanes, _mm_max_pd(large0, large1));
    largest = lanes[0] > lanes[1] ? lanes[0] : lanes[1];
    fractional = _mm_movemask_pd(frac) != 0;
#endif
    for (; k < count; ++k) {
        const double x = row[k];
        const double a = signedValue<Negate>(x) + next[k];
        best = a < best ? a : best;
        const double ax = std::fabs(x);
        largest = ax > largest ? ax : largest;
        fractional |= (x + roundingShift) - roundingShift != x;
    }
    return RowScan{best, largest, fractional};
}

// A whole stage: out[j] = least value + suffix sum over the edges leaving box j.
struct StageScan {
    double largest;
    bool fractional;
};

template <bool Negate>
StageScan scanStage(const double *edges, const double *next, double *out, qint64 left, qint64 right)
{
    StageScan stage{0, false};
    for (qint64 j = 0; j < left; ++j) {
        const RowScan scan = scanRow<Negate>(edges + j * right, next, right);
        out[j] = scan.best;
        stage.largest = scan.largest > stage.largest ? scan.largest : stage.largest;
        stage.fractional |= scan.fractional;
    }
    return stage;
}

#if defined(__x86_64__) && defined(__GNUC__)
#define STAGEPATH_WIDE_SCAN 1
// The same with 256-bit registers, for processors that have them; the
// results are identical (the same operations on the same lanes, and min,
// max and "or" do not depend on the order of the lanes).
template <bool Negate>
__attribute__((target("avx"))) StageScan scanStageWide(const double *edges, const double *next, double *out,
                                                     qint64 left, qint64 right)
{
    const __m256d signBit = _mm256_set1_pd(-0.0);
    const __m256d shift = _mm256_set1_pd(roundingShift);
    __m256d large = _mm256_setzero_pd();
    __m256d frac = _mm256_setzero_pd();
    double stageLargest = 0;
    bool stageFractional = false;
    for (qint64 j = 0; j < left; ++j) {
        const double *row = edges + j * right;
        __m256d best0 = _mm256_set1_pd(inf), best1 = best0;
        qint64 k = 0;
        for (; k + 8 <= right; k += 8) {
            const __m256d x0 = _mm256_loadu_pd(row + k);
            const __m256d x1 = _mm256_loadu_pd(row + k + 4);
            const __m256d v0 = Negate ? _mm256_xor_pd(x0, signBit) : x0;
            const __m256d v1 = Negate ? _mm256_xor_pd(x1, signBit) : x1;
            best0 = _mm256_min_pd(_mm256_add_pd(v0, _mm256_loadu_pd(next + k)), best0);
            best1 = _mm256_min_pd(_mm256_add_pd(v1, _mm256_loadu_pd(next + k + 4)), best1);
            large = _mm256_max_pd(_mm256_andnot_pd(signBit, x0), large);
            large = _mm256_max_pd(_mm256_andnot_pd(signBit, x1), large);
            frac = _mm256_or_pd(frac, _mm256_cmp_pd(_mm256_sub_pd(_mm256_add_pd(x0, shift), shift), x0, _CMP_NEQ_UQ));
            frac = _mm256_or_pd(frac, _mm256_cmp_pd(_mm256_sub_pd(_mm256_add_pd(x1, shift), shift), x1, _CMP_NEQ_UQ));
        }
        for (; k + 4 <= right; k += 4) {
            const __m256d x0 = _mm256_loadu_pd(row + k);
            const __m256d v0 = Negate ? _mm256_xor_pd(x0, signBit) : x0;
            best0 = _mm256_min_pd(_mm256_add_pd(v0, _mm256_loadu_pd(next + k)), best0);
            large = _mm256_max_pd(_mm256_andnot_pd(signBit, x0), large);
            frac = _mm256_or_pd(frac, _mm256_cmp_pd(_mm256_sub_pd(_mm256_add_pd(x0, shift), shift), x0, _CMP_NEQ_UQ));
        }
        alignas(32) double lanes[4];
        _mm256_store_pd(lanes, _mm256_min_pd(best0, best1));
        double best = lanes[0];
        for (int l = 1; l < 4; ++l)
            best = lanes[l] < best ? lanes[l] : best;
        for (; k < right; ++k) {
            const double x = row[k];
            const double a = signedValue<Negate>(x) + next[k];
            best = a < best ? a : best;
            const double ax = std::fabs(x);
            stageLargest = ax > stageLargest ? ax : stageLargest;
            stageFractional |= (x + roundingShift) - roundingShift != x;
        }
        out[j] = best;
    }
    alignas(32) double lanes[4];
    _mm256_store_pd(lanes, large);
    for (double l : lanes)
        stageLargest = l > stageLargest ? l : stageLargest;
    stageFractional |= _mm256_movemask_pd(frac) != 0;
    return StageScan{stageLargest, stageFractional};
}

bool hasWideRegisters()
{
    static const bool has = __builtin_cpu_supports("avx");
    return has;
}
#endif

// Whole numbers whose path sums all stay below 10^15 in magnitude add up
// exactly in any order, and their totals are written with every digit, so the
// first listed row with the best total is the lexicographically first optimal
// path. One backward pass computes the best suffix sum of every box; it also
// checks that the values qualify, and gives up (false) if they do not.
template <bool Negate>
bool solveWhole(const Shape &g, std::vector<qint64> &positions)
{
    std::vector<double> suffix(size_t(g.totalBoxes), 0.0);
    double bound = 0;
    for (int s = g.stages - 1; s >= 0; --s) {
        const qint64 left = g.counts[size_t(s)];
        const qint64 right = g.counts[size_t(s) + 1];
        const double *next = suffix.data() + g.columnStart[size_t(s) + 1];
        double *out = suffix.data() + g.columnStart[size_t(s)];
#ifdef STAGEPATH_WIDE_SCAN
        const StageScan stage = hasWideRegisters()
                                    ? scanStageWide<Negate>(g.edges(s, 0), next, out, left, right)
                                    : scanStage<Negate>(g.edges(s, 0), next, out, left, right);
#else
        const StageScan stage = scanStage<Negate>(g.edges(s, 0), next, out, left, right);
#endif
        bound += stage.largest;
        if (stage.fractional || !(bound < 1e15))
            return false;
    }

    const double *first = suffix.data();
    qint64 start = 0;
    for (qint64 j = 1; j < g.counts[0]; ++j) {
        if (first[j] < first[start])
            start = j;
    }
    const double best = first[start];
    positions.assign(size_t(g.stages) + 1, 0);
    positions[0] = start;
    double prefix = 0;
    for (int s = 0; s < g.stages; ++s) {
        const double *row = g.edges(s, positions[size_t(s)]);
        const double *next = suffix.data() + g.columnStart[size_t(s) + 1];
        const double need = best - prefix;
        const qint64 right = g.counts[size_t(s) + 1];
        qint64 k = 0;
        while (k < right && signedValue<Negate>(row[k]) + next[k] != need)
            ++k;
        if (k == right)
            return false; // cannot happen with exact sums; the general method decides then
        positions[size_t(s) + 1] = k;
        prefix += signedValue<Negate>(row[k]);
    }
    return true;
}

// Doubles in order as 64-bit integers: consecutive doubles have consecutive
// keys (-0 and +0 share key 0).
inline qint64 orderKey(double x)
{
    const qint64 bits = std::bit_cast<qint64>(x);
    return bits < 0 ? -(bits & std::numeric_limits<qint64>::max()) : bits;
}

inline double fromOrderKey(qint64 key)
{
    return std::bit_cast<double>(key < 0 ? (-key) | std::numeric_limits<qint64>::min() : key);
}

const qint64 maxKey = orderKey(DBL_MAX);

// Largest key in [from, maxKey] (from satisfying pred) such that pred holds,
// for a predicate that holds on a prefix of the keys: gallop, then bisect.
// Returns maxKey + 1 when pred holds up to maxKey.
template <typename Pred>
qint64 lastKeyUpward(qint64 from, Pred pred)
{
    // Keys span nearly all of 64 bits, so distances between them are 128-bit.
    using Wide = __int128;
    Wide lo = from;
    Wide hi;
    Wide step = 1;
    for (;;) {
        if (lo == maxKey)
            return maxKey + 1;
        const Wide next = maxKey - lo < step ? Wide(maxKey) : lo + step;
        if (!pred(qint64(next))) {
            hi = next;
            break;
        }
        lo = next;
        step *= 2;
    }
    while (hi - lo > 1) {
        const Wide mid = lo + (hi - lo) / 2;
        (pred(qint64(mid)) ? lo : hi) = mid;
    }
    return qint64(lo);
}

// The largest P with fl(P + v) <= t; fl(P + v) grows with P, so the P that
// satisfy it are all the doubles up to that one. -inf when none does, +inf
// when every finite P does.
double largestAddend(double v, double t)
{
    if (t == inf)
        return inf;
    if (t == -inf)
        return -inf;
    const auto fits = [v, t](qint64 key) { return fromOrderKey(key) + v <= t; };
    double guess = t - v;
    guess = guess > DBL_MAX ? DBL_MAX : guess < -DBL_MAX ? -DBL_MAX : guess;
    qint64 key = orderKey(guess);
    if (fits(key)) {
        const qint64 last = lastKeyUpward(key, fits);
        return last > maxKey ? inf : fromOrderKey(last);
    }
    // Search downward: mirror the keys.
    const auto fitsMirrored = [&fits](qint64 k) { return !fits(-k); };
    // The mirrored predicate holds on a prefix starting at -key.
    const qint64 last = lastKeyUpward(-key, fitsMirrored);
    if (last > maxKey)
        return -inf;
    return fromOrderKey(-(last + 1));
}

// The largest double whose written total is the same text as that of x,
// x itself included: every total in [x, result] reads back as the same number.
double lastWithSameText(double x)
{
    if (x == 0)
        return 0; // any nonzero total is written with nonzero digits
    const QString text = formatNumber(x);
    const qint64 last = lastKeyUpward(orderKey(x), [&text](qint64 key) {
        return formatNumber(fromOrderKey(key)) == text;
    });
    return last > maxKey ? DBL_MAX : fromOrderKey(last);
}

// Any values. The forward pass gives every box's least left-to-right double
// sum; since fl(P + v) never decreases as P grows, the least total T is exact.
// Totals whose text equals that of T tie with it: they fill [T, H]. A
// backward pass gives for every box the largest prefix sum from which some
// completion still ends in [T, H]; the first row is then read off greedily.
template <bool Negate>
bool solveGeneral(const Shape &g, std::vector<qint64> &positions)
{
    std::vector<double> reach(size_t(g.counts[0]), 0.0);
    std::vector<double> nextReach;
    for (int s = 0; s < g.stages; ++s) {
        const qint64 left = g.counts[size_t(s)];
        const qint64 right = g.counts[size_t(s) + 1];
        nextReach.assign(size_t(right), inf);
        double *out = nextReach.data();
        for (qint64 j = 0; j < left; ++j) {
            const double *row = g.edges(s, j);
            const double prefix = reach[size_t(j)];
            for (qint64 k = 0; k < right; ++k) {
                const double a = prefix + signedValue<Negate>(row[k]);
                out[k] = a < out[k] ? a : out[k];
            }
        }
        reach.swap(nextReach);
    }
    double best = inf;
    for (double r : reach) {
        if (!std::isfinite(r))
            return false; // a total beyond the double range
        best = r < best ? r : best;
    }
    const double limit = lastWithSameText(best);

    std::vector<double> room(size_t(g.totalBoxes), limit);
    for (int s = g.stages - 1; s >= 0; --s) {
        const qint64 left = g.counts[size_t(s)];
        const qint64 right = g.counts[size_t(s) + 1];
        const double *next = room.data() + g.columnStart[size_t(s) + 1];
        double *out = room.data() + g.columnStart[size_t(s)];
        for (qint64 j = 0; j < left; ++j) {
            const double *row = g.edges(s, j);
            double most = -inf;
            for (qint64 k = 0; k < right; ++k) {
                const double v = signedValue<Negate>(row[k]);
                // Cheap test first: the exact edge sum is usually within reach.
                if (most + v > next[k] && most != -inf)
                    continue;
                const double p = largestAddend(v, next[k]);
                most = p > most ? p : most;
            }
            out[j] = most;
        }
    }

    positions.assign(size_t(g.stages) + 1, 0);
    qint64 start = 0;
    while (start < g.counts[0] && !(0 <= room[size_t(start)]))
        ++start;
    if (start == g.counts[0])
        return false;
    positions[0] = start;
    double prefix = 0;
    for (int s = 0; s < g.stages; ++s) {
        const double *row = g.edges(s, positions[size_t(s)]);
        const double *next = room.data() + g.columnStart[size_t(s) + 1];
        const qint64 right = g.counts[size_t(s) + 1];
        qint64 k = 0;
        while (k < right && !(prefix + signedValue<Negate>(row[k]) <= next[k]))
            ++k;
        if (k == right)
            return false;
        positions[size_t(s) + 1] = k;
        prefix = prefix + signedValue<Negate>(row[k]);
    }
    return true;
}

// The same search over the 16-bit copy of the values, when every value is a
// whole number 0..65535 and no total can pass 2^31: the sums are exact 32-bit
// integers, and a stage is one pass over 2 bytes per edge.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define STAGEPATH_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define STAGEPATH_CLONES
#endif

// Least (greatest) of row[k] + next[k]; built for wide registers where the
// processor has them.
STAGEPATH_CLONES qint32 leastOfRow(const quint16 *row, const qint32 *next, qint64 count)
{
    qint32 best = std::numeric_limits<qint32>::max();
    for (qint64 k = 0; k < count; ++k)
        best = std::min(best, qint32(row[k]) + next[k]);
    return best;
}

STAGEPATH_CLONES qint32 greatestOfRow(const quint16 *row, const qint32 *next, qint64 count)
{
    qint32 best = std::numeric_limits<qint32>::min();
    for (qint64 k = 0; k < count; ++k)
        best = std::max(best, qint32(row[k]) + next[k]);
    return best;
}

template <bool Longest>
inline qint32 bestOfRow(const quint16 *row, const qint32 *next, qint64 count)
{
    return Longest ? greatestOfRow(row, next, count) : leastOfRow(row, next, count);
}

template <bool Longest>
bool solveCompact(const EdgeData &data, std::vector<qint64> &positions)
{
    const GraphShape &shape = data.shape;
    const int stages = shape.stageCount();
    if (!data.allWhole() || qint64(stages) * 65535 >= std::numeric_limits<qint32>::max())
        return false;
    const quint16 *values = data.wholeValues.data();
    const auto columnStart = [&](int c) { return size_t(shape.globalBox(c, 0) - 1); };
    std::vector<qint32> suffix(size_t(shape.totalBoxes()), 0);
    for (int s = stages - 1; s >= 0; --s) {
        const qint64 left = shape.boxCount(s), right = shape.boxCount(s + 1);
        const qint32 *next = suffix.data() + columnStart(s + 1);
        qint32 *out = suffix.data() + columnStart(s);
        const quint16 *row = values + shape.stageStart(s);
        for (qint64 j = 0; j < left; ++j, row += right)
            out[j] = bestOfRow<Longest>(row, next, right);
    }
    const auto better = [](qint32 a, qint32 b) { return Longest ? a > b : a < b; };
    qint64 start = 0;
    for (qint64 j = 1; j < shape.boxCount(0); ++j)
        if (better(suffix[size_t(j)], suffix[size_t(start)]))
            start = j;
    positions.assign(size_t(stages) + 1, 0);
    positions[0] = start;
    qint32 need = suffix[size_t(start)];
    for (int s = 0; s < stages; ++s) {
        const qint64 right = shape.boxCount(s + 1);
        const quint16 *row = values + shape.edgeRow(s, positions[size_t(s)], 0);
        const qint32 *next = suffix.data() + columnStart(s + 1);
        qint64 k = 0;
        while (k < right && qint32(row[k]) + next[k] != need)
            ++k;
        if (k == right)
            return false;
        positions[size_t(s) + 1] = k;
        need -= qint32(row[k]);
    }
    return true;
}

template <bool Negate>
bool solve(const EdgeData &data, std::vector<qint64> &positions)
{
    if (solveCompact<Negate>(data, positions))
        return true;
    const Shape g(data);
    return solveWhole<Negate>(g, positions) || solveGeneral<Negate>(g, positions);
}

} // namespace

std::optional<BestPath> findBestPath(const EdgeData &data, PathMode mode)
{
    const GraphShape &shape = data.shape;
    if (shape.stageCount() < 1 || shape.pathCount(1) == 0 || data.firstNonNumber())
        return std::nullopt;
    BestPath best;
    const bool found = mode == PathMode::Shortest ? solve<false>(data, best.positions)
                                                  : solve<true>(data, best.positions);
    if (!found)
        return std::nullopt;
    best.total = pathTotal(data, best.positions);
    if (!std::isfinite(best.total))
        return std::nullopt;
    best.row = rowOfPath(shape, best.positions).value_or(-1);
    best.pathText = pathText(data, best.positions);
    best.totalText = formatNumber(best.total);
    return best;
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two loops that read the edge values of a stage, one row of edges
// (those leaving one box) at a time. Written in blocks of eight with the
// arrays declared unaliased so that the compiler turns each block into a
// few vector instructions, at -O2 already.
//
// Both search modes run as "least total": the longest mode negates every
// value but a missing road's +inf, which stays the worst value in both modes
// (no sum through it is ever below a finite limit). Rounding to nearest is symmetric, so fl(-a + -b) == -fl(a + b), and
// the text of -x is the text of x with a minus sign: negated totals are
// exactly the negated listed totals and tie exactly when those tie.

#include <QtGlobal>

#include <bit>
#include <cmath>
#include <limits>

namespace stagepath::scan {

inline constexpr int lanes = 8;
inline constexpr double inf = std::numeric_limits<double>::infinity();

template <bool Negate>
inline double signedValue(double value)
{
    if constexpr (Negate)
        return value == std::numeric_limits<double>::infinity() ? value : -value;
    else
        return value;
}

// The same inside the vector loops, without a select: a missing road gives
// NaN in the longest mode (inf * 0 is NaN; any finite value times 0 is a zero,
// which adds nothing), and NaN is below nothing and never the least. The NaN
// is made positive, so that anyBelow does not look into its block.
template <bool Negate>
inline double scanValue(double value)
{
    if constexpr (Negate)
        return -value + std::fabs(value * 0.0); // a NaN without its sign bit: no block looked at
    else
        return value;
}

// The limit below which totals are at most the given one: the next double
// above it (the loops below compare with "<"). An infinity stays: nothing
// finite is at most -inf, everything is below +inf.
inline double limitAfter(double total)
{
    if (total == 0)
        return std::numeric_limits<double>::denorm_min();
    if (std::isinf(total))
        return total;
    const qint64 bits = std::bit_cast<qint64>(total);
    return std::bit_cast<double>(total > 0 ? bits + 1 : bits - 1);
}

// least[k] = min(least[k], base + value k), largest[k] = max(largest[k],
// |value k|) over the real roads and seen[k] = max(seen[k], |value k|) over
// all (+inf once a road is missing) for the count values of a row.
template <bool Negate>
void lowerRow(const double *__restrict row, double base, double *__restrict least,
              double *__restrict largest, double *__restrict seen, qint64 count)
{
    qint64 k = 0;
    for (; k + lanes <= count; k += lanes) {
#pragma GCC unroll 1
        for (int i = 0; i < lanes; ++i) {
            const double total = base + scanValue<Negate>(row[k + i]);
            least[k + i] = total < least[k + i] ? total : least[k + i];
            const double size = std::fabs(row[k + i]);
            largest[k + i] = size > largest[k + i] && size != inf ? size : largest[k + i];
            seen[k + i] = size > seen[k + i] ? size : seen[k + i];
        }
    }
    for (; k < count; ++k) {
        const double total = base + scanValue<Negate>(row[k]);
        least[k] = total < least[k] ? total : least[k];
        const double size = std::fabs(row[k]);
        largest[k] = size > largest[k] && size != inf ? size : largest[k];
        seen[k] = size > seen[k] ? size : seen[k];
    }
}

// Calls hit(k) for every k < count with base + value k < limit[k]. A block
// is passed over when no difference (base + value) - limit has its sign bit
// set: the difference of two doubles is negative whenever the first is the
// smaller one (an infinite limit included; gradual underflow keeps a tiny
// difference from becoming zero). A set bit without a smaller sum (the NaN
// of inf - inf) only costs the look at the block.
template <bool Negate>
inline bool anyBelow(const double *__restrict row, double base, const double *__restrict limit)
{
    quint64 signs = 0;
#pragma GCC unroll 1
    for (int i = 0; i < lanes; ++i)
        signs |= std::bit_cast<quint64>((base + scanValue<Negate>(row[i])) - limit[i]);
    return signs >> 63;
}

template <bool Negate, typename Hit>
void forEachBelow(const double *__restrict row, double base, const double *__restrict limit, qint64 count,
                  Hit &&hit)
{
    qint64 k = 0;
    for (; k + lanes <= count; k += lanes) {
        if (anyBelow<Negate>(row + k, base, limit + k)) [[unlikely]] {
            for (int i = 0; i < lanes; ++i) {
                if (base + scanValue<Negate>(row[k + i]) < limit[k + i])
                    hit(k + i);
            }
        }
    }
    for (; k < count; ++k) {
        if (base + scanValue<Negate>(row[k]) < limit[k])
            hit(k);
    }
}

} // namespace stagepath::scan

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "writtentotal.h"

#include <QtGlobal>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace stagepath {

namespace {

constexpr qint64 smallestDigits = 100000000000000; // 10^14: 15 digits, the first not zero

// A nonzero total with 15 significant digits: digits * 10^exponent, sign apart.
struct Written {
    bool negative = false;
    qint64 digits = 0;
    int exponent = 0;

    bool operator==(const Written &) const = default;
};

// Reads the "d.ddd...e±x" that to_chars writes in scientific form.
void readScientific(const char *begin, const char *end, qint64 &digits, int &exponent)
{
    digits = 0;
    int count = 0;
    const char *p = begin;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') {
            digits = digits * 10 + (*p - '0');
            ++count;
        }
    }
    int power = 0;
    ++p; // 'e'
    const bool minus = *p == '-';
    std::from_chars(p + 1, end, power);
    exponent = (minus ? -power : power) - (count - 1);
}

void digitsOf(double magnitude, int precision, qint64 &digits, int &exponent)
{
    char text[48];
    const auto end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, precision).ptr;
    readScientific(text, end, digits, exponent);
}

// Whether the double is exactly digits * 10^exponent, for 16 digits ending
// in 5. Such a number is odd times 5^|exponent| (times a power of two), and a
// double holds an odd part below 2^53 only: the exponent is at most 3 or at
// least -22, which the integer arithmetic below covers.
bool isExactly(double magnitude, qint64 digits, int exponent)
{
    if (exponent >= 0) {
        if (exponent > 3)
            return false;
        quint64 n = quint64(digits);
        for (int i = 0; i < exponent; ++i)
            n *= 10;
        return magnitude < 0x1p64 && quint64(magnitude) == n;
    }
    const int q = -exponent;
    if (q > 22)
        return false;
    quint64 fives = 1;
    for (int i = 0; i < q; ++i)
        fives *= 5;
    if (quint64(digits) % fives != 0)
        return false;
    const quint64 odd = quint64(digits) / fives;
    return odd < (quint64(1) << 53) && std::ldexp(double(odd), -q) == magnitude;
}

// The 15 digits formatNumber writes for a nonzero finite total.
Written written(double total)
{
    Written w;
    w.negative = total < 0;
    const double magnitude = std::fabs(total);
    qint64 digits16 = 0;
    int exponent16 = 0;
    digitsOf(magnitude, 15, digits16, exponent16);
    const qint64 last = digits16 % 10;
    if (last != 5) {
        // Rounding the 16 correctly rounded digits once more cannot cross a
        // halfway point: that point would itself be a nearer 16-digit number.
        w.digits = digits16 / 10 + (last > 5 ? 1 : 0);
        w.exponent = exponent16 + 1;
    } else if (isExactly(magnitude, digits16, exponent16)) {
        w.digits = digits16 / 10 + 1; // exactly halfway: away from zero
        w.exponent = exponent16 + 1;
    } else {
        digitsOf(magnitude, 14, w.digits, w.exponent); // not halfway: rounding to even does not matter
    }
    if (w.digits == 10 * smallestDigits) {
        w.digits = smallestDigits;
        ++w.exponent;
    }
    return w;
}

// digits * 10^exponent as the nearest double; an infinity beyond the range.
double nearest(quint64 digits, int exponent)
{
    char text[48] = {};
    char *p = std::to_chars(text, text + 24, digits).ptr; // at most 20 digits
    *p = 'e';
    p = std::to_chars(p + 1, text + sizeof text, exponent).ptr;
    double value = 0;
    const auto result = std::from_chars(text, p, value);
    if (result.ec == std::errc::result_out_of_range)
        return exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

} // namespace

double writtenValue(double total)
{
    if (total == 0 || !std::isfinite(total))
        return total == 0 ? 0.0 : total;
    const Written w = written(total);
    const double magnitude = nearest(quint64(w.digits), w.exponent);
    return w.negative ? -magnitude : magnitude;
}

double lastWithSameText(double total)
{
    if (total == 0 || !std::isfinite(total))
        return total == 0 ? 0.0 : total;
    const Written w = written(total);
    // The halfway point towards the next written number above: those below
    // it are written alike (formatNumber rounds the point itself away from
    // zero). Below a power of ten the written numbers step ten times finer.
    quint64 halfway = 0;
    int exponent = 0;
    if (!w.negative) {
        halfway = quint64(w.digits) * 10 + 5;
        exponent = w.exponent - 1;
    } else if (w.digits > smallestDigits) {
        halfway = quint64(w.digits) * 10 - 5;
        exponent = w.exponent - 1;
    } else {
        halfway = quint64(w.digits) * 100 - 5;
        exponent = w.exponent - 2;
    }
    const double magnitude = nearest(halfway, exponent);
    if (magnitude > DBL_MAX)
        return DBL_MAX; // written beyond the range: every larger double is written alike
    // The nearest double to the halfway point is the last one written alike,
    // or the first one written differently.
    const double candidate = w.negative ? -magnitude : magnitude;
    if (candidate != 0 && written(candidate) == w)
        return candidate;
    return std::nextafter(candidate, -std::numeric_limits<double>::infinity());
}

} // namespace stagepath

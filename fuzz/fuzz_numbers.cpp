// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Number conversions on arbitrary input: the bytes as text, read under the C
// and the Turkish locale, and the bytes as doubles.
//
// Properties:
// - reading never fails other than by giving no number, and a number read is
//   finite;
// - the general form of a number reads back to a number whose general form is
//   the same text (one normalisation reaches a fixed point), within half a unit
//   in the 15th digit, and exactly when the number has at most 15 significant
//   digits; it has no group separators, and a whole number below 10^15 is
//   plain digits;
// - reading a whole number agrees with reading a number and checking its
//   range, for the ranges the window uses and the full 64-bit range, and a
//   number over a limit is one that reads above it;
// - rounding halves to even agrees with the floating-point unit's own
//   rounding, and the 16-bit conversion with that rounding and its range.

#include "check.h"
#include "model/numbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <fuzzer/FuzzedDataProvider.h>

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

using namespace stagepath;
using fuzz::show;

namespace {

const QLocale &cLocale()
{
    static const QLocale l = QLocale::c();
    return l;
}

const QLocale &turkishLocale()
{
    static const QLocale l(QLocale::Turkish, QLocale::Turkey);
    return l;
}

// Significant digits of the shortest text that reads back as v.
int shortestDigits(double v)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v), std::chars_format::scientific);
    int digits = 0;
    for (const char *p = buffer; p < r.ptr && *p != 'e'; ++p)
        digits += (*p >= '0' && *p <= '9');
    return digits;
}

// A 15-digit text of a number this large rounds beyond the largest double.
bool roundsBeyondRange(double v)
{
    return std::fabs(v) >= 1.797693134862315e308;
}

void checkGeneralForm(double v, const QLocale &locale)
{
    const QString text = formatNumber(v, locale);
    FUZZ_CHECK(!text.isEmpty(), "formatNumber(%.17g) is empty", v);
    FUZZ_CHECK(!text.contains(locale.groupSeparator()) || locale.groupSeparator() == locale.decimalPoint(),
               "formatNumber(%.17g) = '%s' has a group separator", v, show(text).constData());
    if (v == std::floor(v) && std::fabs(v) < 1e15) {
        static const QRegularExpression plain(QStringLiteral("^-?[0-9]+$"));
        QString digits = text;
        for (int d = 0; d < 10; ++d) // locales with their own digits
            digits.replace(locale.toString(d), QString::number(d));
        digits.replace(locale.negativeSign(), QStringLiteral("-"));
        FUZZ_CHECK(plain.match(digits).hasMatch(), "whole %.17g written as '%s'", v, show(text).constData());
    }

    const auto back = parseNumber(text, locale);
    if (!back) {
        FUZZ_CHECK(roundsBeyondRange(v), "formatNumber(%.17g) = '%s' does not read back", v, show(text).constData());
        return;
    }
    FUZZ_CHECK(formatNumber(*back, locale) == text, "'%s' -> %.17g -> '%s': not a fixed point",
               show(text).constData(), *back, show(formatNumber(*back, locale)).constData());
    FUZZ_CHECK(std::fabs(*back - v) <= 6e-15 * std::fabs(v) + 5e-324,
               "%.17g written '%s' reads back as %.17g", v, show(text).constData(), *back);
    if (shortestDigits(v) <= 15)
        FUZZ_CHECK(*back == v, "%.17g (at most 15 digits) written '%s' reads back as %.17g", v,
                   show(text).constData(), *back);
}

void checkWhole(QStringView text, qint64 minimum, qint64 maximum, const QLocale &locale)
{
    const auto number = parseNumber(text, locale);
    const auto whole = parseWhole(text, minimum, maximum, locale);
    // Range test without converting the limits to double: compare as long double,
    // which holds every 64-bit integer exactly.
    const bool expected = number && *number == std::floor(*number)
        && static_cast<long double>(*number) >= static_cast<long double>(minimum)
        && static_cast<long double>(*number) <= static_cast<long double>(maximum);
    FUZZ_CHECK(bool(whole) == expected, "parseWhole('%s', %lld, %lld) = %s, number %.17g",
               show(text.toString()).constData(), (long long)minimum, (long long)maximum,
               whole ? "a number" : "nothing", number ? *number : 0.0);
    if (whole)
        FUZZ_CHECK(static_cast<long double>(*whole) == static_cast<long double>(*number),
                   "parseWhole gave %lld for %.17g", (long long)*whole, *number);
}

void checkText(const QString &text, const QLocale &locale)
{
    const auto value = parseNumber(text, locale);
    if (value) {
        FUZZ_CHECK(std::isfinite(*value), "parseNumber('%s') = %g", show(text).constData(), *value);
        checkGeneralForm(*value, locale);
    }
    constexpr qint64 lo = std::numeric_limits<qint64>::min();
    constexpr qint64 hi = std::numeric_limits<qint64>::max();
    checkWhole(text, 0, 1000, locale);
    checkWhole(text, 0, 100000, locale);
    checkWhole(text, -32768, 32767, locale);
    checkWhole(text, lo, hi, locale);

    // Over a limit: a number above it, or one beyond the double range.
    for (double limit : {0.0, 1000.0, 100000.0}) {
        const bool over = exceedsLimit(text, limit, locale);
        if (value)
            FUZZ_CHECK(over == (*value > limit), "exceedsLimit('%s', %g) = %d for %.17g", show(text).constData(), limit,
                       int(over), *value);
        else if (over)
            FUZZ_CHECK(!text.trimmed().startsWith(locale.negativeSign()), "exceedsLimit('%s', %g) for a negative text",
                       show(text).constData(), limit);
    }
}

void checkRounding(double v)
{
    const double r = roundHalfEven(v);
    const auto small = toInt16(v);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(!small, "toInt16(%g) gave a number", v);
        return;
    }
    FUZZ_CHECK(r == std::nearbyint(v), "roundHalfEven(%.17g) = %.17g, nearbyint %.17g", v, r, std::nearbyint(v));
    FUZZ_CHECK(r == std::floor(r) && std::fabs(r - v) <= 0.5, "roundHalfEven(%.17g) = %.17g", v, r);
    const bool fits = r >= -32768 && r <= 32767;
    FUZZ_CHECK(bool(small) == fits, "toInt16(%.17g): %s", v, small ? "a number" : "nothing");
    if (small)
        FUZZ_CHECK(double(*small) == r, "toInt16(%.17g) = %d", v, int(*small));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::fesetround(FE_TONEAREST);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return -1;
    // The whole input as text, in both locales.
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    checkText(text, cLocale());
    checkText(text, turkishLocale());

    // The input as a sequence of doubles.
    FuzzedDataProvider provider(data, size);
    while (provider.remaining_bytes() >= sizeof(double)) {
        double v;
        const auto bytes = provider.ConsumeBytes<uint8_t>(sizeof v);
        std::memcpy(&v, bytes.data(), sizeof v);
        checkRounding(v);
        checkRounding(v / 1024); // fractions near the halves
        if (std::isfinite(v)) {
            checkGeneralForm(v, cLocale());
            checkGeneralForm(v, turkishLocale());
        }
    }
    return 0;
}

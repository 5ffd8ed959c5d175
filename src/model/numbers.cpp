// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbers.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace stagepath {

std::optional<double> parseNumber(QStringView text, const QLocale &locale)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> parseWhole(QStringView text, qint64 minimum, qint64 maximum,
                                 const QLocale &locale)
{
    const auto value = parseNumber(text, locale);
    if (!value || *value != std::floor(*value))
        return std::nullopt;
    // Compared as integers: a limit need not be exactly a double.
    if (*value < -0x1p63 || *value >= 0x1p63)
        return std::nullopt;
    const qint64 whole = qint64(*value);
    if (whole < minimum || whole > maximum)
        return std::nullopt;
    return whole;
}

bool exceedsLimit(QStringView text, double limit, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (ok)
        return std::isfinite(value) && value > limit;
    // Beyond the double range the conversion fails with an infinity.
    return value == std::numeric_limits<double>::infinity();
}

QString formatNumber(double value, const QLocale &locale)
{
    if (value == 0)
        value = 0; // no "-0"
    QLocale l(locale);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'g', 15);
}

double roundHalfEven(double value)
{
    // nearbyint rounds in the current rounding mode, which is to nearest,
    // ties to even, unless someone changed it; do not rely on that.
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

std::optional<qint16> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < -32768 || r > 32767)
        return std::nullopt;
    return qint16(r);
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "prefixsearch.h"

#include "numbers.h"

#include <cmath>

namespace stagepath {

bool startsWithIgnoringCase(QStringView text, QStringView prefix)
{
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

namespace {
constexpr qint64 powersOfTen[] = {1,           10,           100,           1000,           10000,
                                  100000,      1000000,      10000000,      100000000,      1000000000,
                                  10000000000, 100000000000, 1000000000000, 10000000000000, 100000000000000,
                                  1000000000000000};

int digitCount(qint64 n)
{
    int digits = 1;
    while (digits < 16 && n >= powersOfTen[digits])
        ++digits;
    return digits;
}
} // namespace

NumberPrefix::NumberPrefix(QStringView prefix, const QLocale &locale)
    : m_prefix(prefix)
    , m_locale(locale)
    , m_asciiDigits(locale.zeroDigit() == QLatin1String("0"))
{
    if (prefix.isEmpty() || prefix.size() > 15)
        return;
    qint64 n = 0;
    for (QChar c : prefix) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return;
        n = n * 10 + (c.unicode() - u'0');
    }
    if (prefix.size() > 1 && prefix[0] == QLatin1Char('0'))
        return;
    m_digitsValue = n;
    m_digitCount = int(prefix.size());
}

bool NumberPrefix::matches(double value) const
{
    // A whole number from 0 to 10^15 is written as plain digits: its digits
    // start with the prefix when its leading digits, as a number, equal it.
    if (m_asciiDigits && value >= 0 && value < 1e15 && value == std::floor(value)) {
        if (m_prefix.isEmpty())
            return true;
        if (m_digitsValue < 0)
            return false;
        const auto n = qint64(value);
        const int digits = digitCount(n);
        return digits >= m_digitCount && n / powersOfTen[digits - m_digitCount] == m_digitsValue;
    }
    return startsWithIgnoringCase(formatNumber(value, m_locale), m_prefix);
}

} // namespace stagepath

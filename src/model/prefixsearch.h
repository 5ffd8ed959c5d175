// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Type-ahead in a table: the first row, at or after a given one and wrapping
// round, whose first cell starts with what was typed (ignoring case). A model
// that can answer without reading every row implements PrefixSearch; the
// report view asks it instead of walking the rows, so typing answers at once
// in a table of fifty million rows.

#include <QLocale>
#include <QStringView>

#include <optional>

namespace stagepath {

class PrefixSearch
{
public:
    virtual ~PrefixSearch() = default;
    // The first row >= from, then from row 0 on, whose column-0 text starts
    // with prefix; nullopt when no row does.
    virtual std::optional<int> findRowStartingWith(QStringView prefix, int from) const = 0;
};

// Whether text starts with prefix, ignoring case.
bool startsWithIgnoringCase(QStringView text, QStringView prefix);

// Whether the general number form of a value (formatNumber) starts with a
// prefix, ignoring case. Whole numbers are written without building a string,
// so a million values are looked at in milliseconds.
class NumberPrefix
{
public:
    explicit NumberPrefix(QStringView prefix, const QLocale &locale = QLocale());
    bool matches(double value) const;

private:
    QStringView m_prefix;
    QLocale m_locale;
    bool m_asciiDigits = false; // the locale writes whole numbers in ASCII digits
    // The prefix as a whole number (-1 when it is not plain digits, or has a
    // leading zero, so that no whole number's digits start with it but 0's)
    // and its digit count.
    qint64 m_digitsValue = -1;
    int m_digitCount = 0;
};

// A search over rows [0, rows) that starts at from and wraps round, made of a
// search over a half-open range [begin, end).
template <typename SearchRange>
std::optional<int> searchWrapping(int rows, int from, SearchRange &&searchRange)
{
    if (rows <= 0)
        return std::nullopt;
    from = from < 0 || from >= rows ? 0 : from;
    if (const std::optional<int> row = searchRange(from, rows))
        return row;
    return from > 0 ? searchRange(0, from) : std::nullopt;
}

} // namespace stagepath

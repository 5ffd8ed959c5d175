// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Number conversions used everywhere a number is held as text: cells, text
// boxes, totals. Text is read with the user's locale (QLocale(), which tests
// set with QLocale::setDefault) and written in the general number form.

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace stagepath {

// Reads a text as a finite double by the locale's number format (decimal and
// group separators, surrounding white space allowed). Empty text, text that is
// not a number, infinities, NaN and numbers beyond the double range give
// nullopt.
std::optional<double> parseNumber(QStringView text, const QLocale &locale = QLocale());

// Reads a text as a whole number in [minimum, maximum]; nullopt otherwise
// (fractions, out of range, not a number).
std::optional<qint64> parseWhole(QStringView text, qint64 minimum, qint64 maximum,
                                 const QLocale &locale = QLocale());

// True when the text is a number above the limit, including one too large
// for a double ("1" followed by ten thousand zeros).
bool exceedsLimit(QStringView text, double limit, const QLocale &locale = QLocale());

// The general number form: up to 15 significant digits, the locale's decimal
// separator, no group separators; a whole number as plain digits ("220").
QString formatNumber(double value, const QLocale &locale = QLocale());

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// Converts to a signed 16-bit integer the way counters of that width are
// converted: rounded half to even; nullopt when outside -32768..32767.
std::optional<qint16> toInt16(double value);

} // namespace stagepath

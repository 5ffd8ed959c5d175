// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How tables are written as CSV: UTF-8 text, one line per row ending in CR LF,
// fields separated by commas and quoted as RFC 4180 asks (only a field that
// holds a comma, a quote, CR or LF is quoted; a quote inside is doubled).
// Numbers are written in the general form of the C locale (up to 15
// significant digits, a point as the decimal separator, no group
// separators), so that every spreadsheet and script reads them alike. A cell
// whose text is a number in the user's locale (a Turkish "4,5", a "07") is
// written as that number (4.5, 7); any other text is written as it was typed.

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace stagepath::csv {

inline constexpr char lineEnd[] = "\r\n";

// Appends a finite number as formatNumber(value, QLocale::c()) writes it,
// without going through QLocale for the common cases.
void appendNumber(QByteArray &out, double value);
QByteArray numberText(double value);

// Appends one field, quoted when it has to be.
void appendField(QByteArray &out, QByteArrayView utf8);

// The CSV text of a cell typed in the user's locale (not yet quoted).
QByteArray cellText(const QString &typed);

// A whole line of fields: the header row of a table.
QByteArray line(const QStringList &fields);

} // namespace stagepath::csv

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csvformat.h"

#include "model/numbers.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace stagepath::csv {

namespace {

// to_chars rounds the exact binary value to 15 digits with ties to even;
// formatNumber rounds an exact tie away from zero. A tie can only be where
// the correctly rounded 16 significant digits end in 5; those numbers are
// left to formatNumber itself.
bool mayBeTie(double value)
{
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 15).ptr;
    const char *e = static_cast<const char *>(std::memchr(text, 'e', size_t(end - text)));
    return e && e[-1] == '5';
}

} // namespace

void appendNumber(QByteArray &out, double value)
{
    if (value == 0) {
        out += '0'; // no "-0"
        return;
    }
    char text[40];
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        const auto end = std::to_chars(text, text + sizeof text, qint64(value)).ptr;
        out.append(text, end - text);
        return;
    }
    if (!std::isfinite(value) || mayBeTie(value)) {
        out += formatNumber(value, QLocale::c()).toLatin1();
        return;
    }
    // The general form with 15 significant digits: the same choice between
    // plain and exponent form, the same trailing zeros dropped and the same
    // two-digit exponent as QLocale's 'g'.
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
    out.append(text, end - text);
}

QByteArray numberText(double value)
{
    QByteArray out;
    appendNumber(out, value);
    return out;
}

void appendField(QByteArray &out, QByteArrayView utf8)
{
    bool quoted = false;
    for (const char c : utf8) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            quoted = true;
            break;
        }
    }
    if (!quoted) {
        out.append(utf8.data(), utf8.size());
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

QByteArray cellText(const QString &typed)
{
    if (const auto number = parseNumber(typed))
        return numberText(*number);
    return typed.toUtf8();
}

QByteArray line(const QStringList &fields)
{
    QByteArray out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendField(out, fields[i].toUtf8());
    }
    out += lineEnd;
    return out;
}

} // namespace stagepath::csv

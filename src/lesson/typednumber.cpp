// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typednumber.h"

#include "model/numbers.h"

#include <charconv>
#include <cmath>

namespace stagepath {

namespace {

constexpr int generalDigits = 15; // significant digits of the general form
constexpr qsizetype longestPlain = 40;

struct Plain {
    char ascii[longestPlain + 2];
    qsizetype length = 0;
    qsizetype integerDigits = 0;
    qsizetype fractionDigits = 0;
    bool negative = false;
};

// -?digits(point digits)? in the locale's signs; false for anything else.
bool spellPlain(QStringView text, char16_t point, char16_t minus, Plain &plain)
{
    if (text.size() > longestPlain || point == 0)
        return false;
    qsizetype i = 0;
    const auto digits = [&](qsizetype &count) {
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            plain.ascii[plain.length++] = char(text[i++].unicode());
            ++count;
        }
    };
    if (i < text.size() && text[i] == minus) {
        plain.negative = true;
        plain.ascii[plain.length++] = '-';
        ++i;
    }
    digits(plain.integerDigits);
    if (i < text.size() && text[i] == point) {
        plain.ascii[plain.length++] = '.';
        ++i;
        digits(plain.fractionDigits);
        if (plain.fractionDigits == 0)
            return false;
    }
    return plain.integerDigits > 0 && i == text.size();
}

// Whether a plain decimal is written as formatNumber writes its number:
// no leading zero, no trailing zero after the point, no "-0", at most 15
// significant digits, and within the range written without an exponent.
bool isGeneralForm(const Plain &plain, double value)
{
    const char *digits = plain.ascii + (plain.negative ? 1 : 0);
    const qsizetype integer = plain.integerDigits;
    if (integer > 1 && digits[0] == '0')
        return false;
    if (plain.fractionDigits > 0 && plain.ascii[plain.length - 1] == '0')
        return false;
    if (value == 0)
        return !plain.negative && plain.fractionDigits == 0;
    if (digits[0] != '0') // 1 or more: all digits count, up to 10^15
        return integer + plain.fractionDigits <= generalDigits;
    qsizetype zeros = 0; // below 1: the zeros after the point do not count
    while (digits[integer + 1 + zeros] == '0')
        ++zeros;
    return zeros < 4 && plain.fractionDigits - zeros <= generalDigits;
}

} // namespace

TypedNumberReader::TypedNumberReader(const QLocale &locale)
    : m_locale(locale)
{
    const QString point = locale.decimalPoint();
    const QString minus = locale.negativeSign();
    if (point.size() == 1 && minus.size() == 1 && locale.zeroDigit() == u"0") {
        m_point = point.front().unicode();
        m_minus = minus.front().unicode();
    }
}

TypedNumber TypedNumberReader::read(QStringView text) const
{
    Plain plain;
    if (spellPlain(text, m_point, m_minus, plain)) {
        double value = 0;
        std::from_chars(plain.ascii, plain.ascii + plain.length, value);
        return {value, isGeneralForm(plain, value)};
    }
    const auto value = parseNumber(text, m_locale);
    return {value, value && formatNumber(*value, m_locale) == text};
}

std::optional<double> fileTextNumber(QStringView text)
{
    static const TypedNumberReader c{QLocale::c()};
    static const TypedNumberReader comma{QLocale(QLocale::Turkish, QLocale::Turkey)};
    if (const auto value = c.read(text).value)
        return value;
    return comma.read(text).value;
}

bool fitsGeneralForm(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    int digits = 0;
    for (const char *c = buffer; c < end && *c != 'e'; ++c)
        digits += *c >= '0' && *c <= '9';
    return digits <= generalDigits;
}

} // namespace stagepath

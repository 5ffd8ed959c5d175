// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A text as the edge table takes it when it is typed: its number, read by
// the locale, and whether the text is that number in the general form (then
// the table keeps only the number). The same answer as parseNumber and
// formatNumber give, found without them for plain decimals ("734", "-4,5"),
// which is most of what a large lesson file holds.

#include <QLocale>
#include <QStringView>

#include <optional>

namespace stagepath {

struct TypedNumber {
    std::optional<double> value; // none: not a number
    bool generalForm = false;    // the text is formatNumber(*value)
};

// Reads many texts by one locale (whose signs it looks up once).
class TypedNumberReader
{
public:
    explicit TypedNumberReader(const QLocale &locale = QLocale());
    TypedNumber read(QStringView text) const;

private:
    QLocale m_locale;
    char16_t m_point = 0; // 0: the locale's signs are not single plain characters
    char16_t m_minus = 0;
};

inline TypedNumber readTypedNumber(QStringView text, const QLocale &locale = QLocale())
{
    return TypedNumberReader(locale).read(text);
}

// The number a lesson file's text entry stands for, the same on every
// machine: the text read by the C locale, or, when that reads no number, by
// the decimal comma and grouping dot of Turkish (as German writes them too);
// none when neither reads a number. (Files record no locale: the texts they
// hold were typed under some locale, and every reader must agree on them.)
std::optional<double> fileTextNumber(QStringView text);

// True when the shortest decimal that reads back as value has at most 15
// significant digits: then the general form of value reads back as value.
bool fitsGeneralForm(double value);

} // namespace stagepath

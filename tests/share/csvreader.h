// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An RFC 4180 reader for the tests: records of fields, CR LF between records,
// a field in quotes may hold commas, line breaks and doubled quotes. The text
// is UTF-8. A malformed text gives no records.

#include <QByteArray>
#include <QList>
#include <QStringDecoder>
#include <QStringList>

// UTF-8 as text, a byte order mark at the start included (it is a
// character of a field there).
inline QString decodeUtf8(const QByteArray &utf8)
{
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom).decode(utf8);
}

inline QList<QStringList> readCsv(const QByteArray &utf8)
{
    QList<QStringList> records;
    QStringList record;
    QByteArray field;
    bool quoted = false;
    qsizetype i = 0;
    const auto endField = [&] {
        record << decodeUtf8(field);
        field.clear();
    };
    while (i < utf8.size()) {
        const char c = utf8[i];
        if (quoted) {
            if (c == '"' && i + 1 < utf8.size() && utf8[i + 1] == '"') {
                field += '"';
                i += 2;
            } else if (c == '"') {
                quoted = false;
                ++i;
            } else {
                field += c;
                ++i;
            }
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
            ++i;
        } else if (c == ',') {
            endField();
            ++i;
        } else if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
            endField();
            records << record;
            record.clear();
            i += 2;
        } else if (c == '"' || c == '\r' || c == '\n') {
            return {}; // a quote inside an unquoted field, or a bare line break
        } else {
            field += c;
            ++i;
        }
    }
    if (quoted || !field.isEmpty() || !record.isEmpty())
        return {}; // the last record must end with CR LF
    return records;
}

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessonfile.h"
#include "typednumber.h"

#include "model/numbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <charconv>
#include <cstdio>
#include <cmath>

// The file is laid out for people as well as for programs: one key per line,
// and the edge values one line per left box (the values from that box to
// every box of the next column), so that a lesson reads like its table.

namespace stagepath {

namespace {

struct LessonFile {
    Q_DECLARE_TR_FUNCTIONS(LessonFile)
};

// A number in the shortest form that reads back as the same double.
void appendNumber(QByteArray &out, double value)
{
    char buffer[32];
    std::to_chars_result end;
    if (value == std::floor(value) && std::abs(value) < 1e15)
        end = std::to_chars(buffer, buffer + sizeof buffer, qint64(value)); // also turns -0 into 0
    else
        end = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end.ptr - buffer);
}

void appendEscaped(QByteArray &out, char16_t c)
{
    switch (c) {
    case u'"': out += "\\\""; return;
    case u'\\': out += "\\\\"; return;
    case u'\n': out += "\\n"; return;
    case u'\r': out += "\\r"; return;
    case u'\t': out += "\\t"; return;
    default: break;
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", unsigned(c));
    out += buffer;
}

// A JSON string: UTF-8, with quotes, backslashes and control characters escaped.
void appendString(QByteArray &out, QStringView text)
{
    out += '"';
    qsizetype plain = 0; // start of the run not yet written
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;
            continue;
        }
        // A lone surrogate has no UTF-8 form, and Qt's reader drops a byte
        // order mark written as UTF-8 inside a string: both are escaped.
        if (c >= 0x20 && c != u'"' && c != u'\\' && !QChar::isSurrogate(c) && c != 0xFEFF)
            continue;
        out += text.sliced(plain, i - plain).toUtf8();
        appendEscaped(out, c);
        plain = i + 1;
    }
    out += text.sliced(plain).toUtf8();
    out += '"';
}

// An entry: the number when the text is that number in the general form, else the text.
void appendEntry(QByteArray &out, const QString &text, const TypedNumberReader &typedNumbers)
{
    const TypedNumber typed = typedNumbers.read(text);
    if (typed.generalForm)
        appendNumber(out, *typed.value);
    else
        appendString(out, text);
}

void appendValue(QByteArray &out, const EdgeData &edges, qint64 row, const TypedNumberReader &typedNumbers)
{
    const auto typed = edges.texts.constFind(row);
    if (typed != edges.texts.constEnd())
        appendEntry(out, *typed, typedNumbers); // (" - ": a missing road, as typed)
    else if (edges.isMissing(row))
        out += "null"; // a road that does not exist
    else if (std::isfinite(edges.value(row)))
        appendNumber(out, edges.value(row));
    else
        appendString(out, edges.text(row));
}

void appendValues(QByteArray &out, const EdgeData &edges, const TypedNumberReader &typedNumbers)
{
    const GraphShape &shape = edges.shape;
    out += "    \"values\": [";
    const char *separator = "\n        ";
    for (int stage = 0; stage < shape.stageCount(); ++stage) {
        const qint64 right = shape.boxCount(stage + 1);
        for (qint64 box = 0; box < shape.boxCount(stage) && right > 0; ++box) {
            const qint64 first = shape.edgeRow(stage, box, 0);
            for (qint64 row = first; row < first + right; ++row) {
                out += row == first ? separator : ", ";
                appendValue(out, edges, row, typedNumbers);
            }
            separator = ",\n        ";
        }
    }
    out += shape.edgeCount() > 0 ? "\n    ],\n" : "],\n";
}

void appendSetting(QByteArray &out, const char *key, double value, bool last = false)
{
    out += "    \"";
    out += key;
    out += "\": ";
    appendNumber(out, value);
    out += last ? "\n" : ",\n";
}

void appendSwitch(QByteArray &out, const char *key, bool on, bool last = false)
{
    out += "    \"";
    out += key;
    out += on ? "\": true" : "\": false";
    out += last ? "\n" : ",\n";
}

} // namespace

bool needsVersion2(const Lesson &lesson)
{
    return lesson.edges && lesson.edges->hasMissing();
}

QByteArray writeLesson(const Lesson &lesson)
{
    const EdgeData &edges = *lesson.edges;
    const TypedNumberReader typedNumbers;
    QByteArray out;
    out.reserve(256 + 8 * lesson.boxTexts.size() + 6 * edges.shape.edgeCount() + 16 * edges.texts.size());
    out += "{\n    \"format\": \"stagepath\",\n    \"version\": ";
    out += QByteArray::number(needsVersion2(lesson) ? 2 : lessonfile::firstVersion);
    out += ",\n    \"boxes\": [";
    for (qsizetype i = 0; i < lesson.boxTexts.size(); ++i) {
        if (i > 0)
            out += ", ";
        appendEntry(out, lesson.boxTexts.at(i), typedNumbers);
    }
    out += "],\n";
    appendValues(out, edges, typedNumbers);
    const LessonSettings &s = lesson.settings;
    appendSetting(out, "x", s.xSpacing);
    appendSetting(out, "y", s.ySpacing);
    appendSetting(out, "penWidth", s.penWidth);
    appendSetting(out, "circleSize", s.circleSize);
    appendSwitch(out, "colourLines", s.colourLines);
    appendSwitch(out, "longest", s.longest, true);
    out += "}\n";
    return out;
}

QString writeLessonFile(const QString &path, const Lesson &lesson)
{
    const QByteArray text = writeLesson(lesson);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return {};
    QString reason;
    switch (file.error()) {
    case QFileDevice::OpenError: reason = LessonFile::tr("dosya yazmak için açılamadı"); break;
    case QFileDevice::PermissionsError: reason = LessonFile::tr("izin yok"); break;
    case QFileDevice::RenameError: reason = LessonFile::tr("yeni dosya eskisinin yerine konamadı"); break;
    default: reason = LessonFile::tr("yazılamadı (disk dolu olabilir)"); break;
    }
    // The system's own words, when it has any.
    if (file.errorString() != QFile().errorString())
        reason += QStringLiteral(" (%1)").arg(file.errorString());
    return LessonFile::tr("\"%1\" kaydedilemedi: %2. Dosya olduğu gibi kaldı.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson file reader on arbitrary bytes, under the C locale (first byte
// even) or the Turkish one (odd); the rest is the file.
//
// Properties:
// - reading ends with a lesson or with a problem, never both, never neither;
// - a lesson read fits the window's limits: its counts are whole numbers the
//   stage table takes and give as many edges as it has values, every typed
//   text kept is one that is not its number's general form, every value is
//   the number its text reads as, and the settings are ones the controls take;
// - written and read again it is the same lesson, and written again the same
//   bytes;
// - the quick reading of a typed text agrees with parseNumber and formatNumber.

#include "check.h"
#include "lesson/lessonfile.h"
#include "lesson/typednumber.h"
#include "model/inputlimits.h"
#include "model/numbers.h"
#include "model/stagetable.h"

#include <cmath>

using namespace stagepath;
using fuzz::show;

namespace {

bool same(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

void checkTyped(const QString &text, const QLocale &locale)
{
    const auto value = parseNumber(text, locale);
    const TypedNumber typed = readTypedNumber(text, locale);
    FUZZ_CHECK(typed.value.has_value() == value.has_value() && (!value || same(*typed.value, *value)),
               "\"%s\" reads as a different number", show(text).constData());
    FUZZ_CHECK(typed.generalForm == (value && formatNumber(*value, locale) == text),
               "\"%s\": general form %d", show(text).constData(), int(typed.generalForm));
}

void checkLesson(const Lesson &lesson, const QLocale &locale)
{
    const GraphShape &shape = lesson.edges->shape;
    FUZZ_CHECK(lesson.boxTexts.size() == shape.columnCount() && shape.columnCount() >= 1
                   && shape.stageCount() <= limits::maxStageCount,
               "%lld count texts for %d columns", (long long)lesson.boxTexts.size(), shape.columnCount());
    for (int c = 0; c < shape.columnCount(); ++c)
        FUZZ_CHECK(parseWhole(lesson.boxTexts.at(c), 0, limits::maxBoxesPerColumn, locale) == shape.boxCount(c),
                   "count text \"%s\" is not %lld", show(lesson.boxTexts.at(c)).constData(), (long long)shape.boxCount(c));
    FUZZ_CHECK(graphSizeProblem(shape.boxCounts()).isEmpty(), "a graph over the limits");
    FUZZ_CHECK(qint64(lesson.edges->values.size()) == shape.edgeCount(), "%zu values for %lld edges",
               lesson.edges->values.size(), (long long)shape.edgeCount());
    for (qint64 row = 0; row < shape.edgeCount(); ++row) {
        const QString text = lesson.edges->text(row);
        if (lesson.edges->isMissing(row)) { // a road that does not exist: "-", or as it was typed (" - ")
            FUZZ_CHECK(isMissingRoadText(text), "row %lld: a missing road shows \"%s\"", (long long)row,
                       show(text).constData());
            continue;
        }
        const auto value = parseNumber(text, locale);
        FUZZ_CHECK(same(lesson.edges->value(row), value.value_or(std::nan(""))), "row %lld: \"%s\" is not its value",
                   (long long)row, show(text).constData());
        FUZZ_CHECK(lesson.edges->texts.contains(row) == !(value && formatNumber(*value, locale) == text),
                   "row %lld: \"%s\" kept wrongly", (long long)row, show(text).constData());
        checkTyped(text, locale);
    }
    const LessonSettings &s = lesson.settings;
    FUZZ_CHECK(std::abs(s.xSpacing) <= limits::maxSpacing && std::abs(s.ySpacing) <= limits::maxSpacing, "spacing");
    FUZZ_CHECK(s.penWidth >= 1 && s.penWidth <= limits::maxPenWidth, "pen width %d", s.penWidth);
    FUZZ_CHECK(s.circleSize >= 10 && s.circleSize <= 20 && s.circleSize == std::floor(s.circleSize), "circle size");
}

void checkRoundTrip(const Lesson &lesson)
{
    const QByteArray text = writeLesson(lesson);
    const LessonReading again = readLesson(text);
    FUZZ_CHECK(again.lesson, "the written lesson is refused: %s", show(again.problem).constData());
    FUZZ_CHECK(again.lesson->boxTexts == lesson.boxTexts, "count texts changed");
    for (qint64 row = 0; row < lesson.edges->shape.edgeCount(); ++row)
        FUZZ_CHECK(again.lesson->edges->text(row) == lesson.edges->text(row)
                       && same(again.lesson->edges->value(row), lesson.edges->value(row)),
                   "row %lld changed", (long long)row);
    FUZZ_CHECK(again.lesson->settings == lesson.settings, "settings changed");
    FUZZ_CHECK(again.lesson->origin == lesson.origin, "the exercise's origin changed");
    FUZZ_CHECK(writeLesson(*again.lesson) == text, "written twice, different bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool installed = (qInstallMessageHandler(fuzz::strictMessages), true);
    Q_UNUSED(installed);
    if (size == 0)
        return 0;
    const QLocale locale = (data[0] & 1) ? QLocale(QLocale::Turkish, QLocale::Turkey) : QLocale::c();
    QLocale::setDefault(locale); // the user's locale, which the tables read with
    const QByteArray file(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const LessonReading reading = readLesson(file);
    FUZZ_CHECK(reading.lesson.has_value() != !reading.problem.isEmpty(), "a lesson and a problem, or neither");
    if (reading.lesson) {
        checkLesson(*reading.lesson, locale);
        checkRoundTrip(*reading.lesson);
    }
    checkTyped(QString::fromUtf8(file.left(64)), locale);
    return 0;
}

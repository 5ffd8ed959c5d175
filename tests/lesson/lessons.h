// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Random lessons as a user could have typed them into the window, and the
// comparison of two lessons.

#include "lesson/lesson.h"
#include "model/edgetable.h"
#include "model/numbers.h"

#include <QRandomGenerator>

#include <cmath>

namespace lessons {

using namespace stagepath;

// Texts the edge table takes besides numbers in the general form.
inline const QStringList oddTexts{
    QStringLiteral("07"), QStringLiteral("abc"), QString(), QStringLiteral(" 5 "), QStringLiteral("4,5"),
    QStringLiteral("4.5"), QStringLiteral("1e3"), QStringLiteral("-0"), QStringLiteral("+7"),
    QStringLiteral("1.000"), QStringLiteral("\"tırnak\" \\ \n\t\x01"), QStringLiteral("ğüşıöçİ"),
    QStringLiteral("😀"), QString(QChar(0xD800)), QStringLiteral("\uFEFFbom"), QStringLiteral("0.1234567890123456789"),
    QStringLiteral("1e400"), QStringLiteral("-"), QStringLiteral(" - ")};

// A cell text: a whole number, a fraction in the general form, or an odd text.
inline QString valueText(QRandomGenerator &rng)
{
    switch (rng.bounded(4)) {
    case 0: return QString::number(rng.bounded(1001));
    case 1: return formatNumber(std::ldexp(double(qint64(rng.generate64() >> 11)), -40) - 4096);
    case 2: return formatNumber(rng.generateDouble() * 1e-3 - 5e-4);
    default: return oddTexts.at(rng.bounded(int(oddTexts.size())));
    }
}

// A box count text the stage table takes: a count up to 4, sometimes spelt oddly.
inline QString countText(qint64 count, QRandomGenerator &rng)
{
    switch (rng.bounded(6)) {
    case 0: return QStringLiteral("0") + QString::number(count);
    case 1: return QStringLiteral(" %1 ").arg(count);
    default: return QString::number(count);
    }
}

// A lesson of up to six columns of up to four boxes, its texts read by the
// default locale as the window reads what is typed.
inline Lesson randomLesson(QRandomGenerator &rng)
{
    Lesson lesson;
    std::vector<qint64> counts;
    const int columns = rng.bounded(1, 7);
    for (int c = 0; c < columns; ++c) {
        counts.push_back(rng.bounded(5));
        lesson.boxTexts << countText(counts.back(), rng);
    }
    auto shaped = std::make_shared<EdgeData>();
    shaped->shape = GraphShape(counts);
    shaped->values.assign(size_t(shaped->shape.edgeCount()), 0.0);
    EdgeTable table;
    table.setEdges(shaped);
    for (int row = 0; row < table.rowCount(); ++row)
        table.setData(table.index(row, 0), valueText(rng));
    lesson.edges = table.snapshot();

    LessonSettings &s = lesson.settings;
    s.xSpacing = *parseNumber(formatNumber(rng.generateDouble() * 20000 - 10000));
    s.ySpacing = rng.bounded(2) ? 120 : -double(rng.bounded(10001));
    s.penWidth = rng.bounded(1, 32768);
    s.circleSize = rng.bounded(10, 21);
    s.colourLines = rng.bounded(2);
    s.longest = rng.bounded(2);
    return lesson;
}

inline bool sameNumber(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

// Where two lessons differ first, or an empty string.
inline QString difference(const Lesson &a, const Lesson &b)
{
    if (a.boxTexts != b.boxTexts)
        return QStringLiteral("box counts %1 / %2").arg(a.boxTexts.join(u'|'), b.boxTexts.join(u'|'));
    if (a.edges->shape.boxCounts() != b.edges->shape.boxCounts())
        return QStringLiteral("shapes differ");
    for (qint64 row = 0; row < a.edges->shape.edgeCount(); ++row) {
        if (a.edges->text(row) != b.edges->text(row) || !sameNumber(a.edges->value(row), b.edges->value(row)))
            return QStringLiteral("row %1: \"%2\" (%3) / \"%4\" (%5)")
                .arg(row)
                .arg(a.edges->text(row))
                .arg(a.edges->value(row), 0, 'g', 17)
                .arg(b.edges->text(row))
                .arg(b.edges->value(row), 0, 'g', 17);
    }
    if (!(a.settings == b.settings))
        return QStringLiteral("settings differ");
    return {};
}

} // namespace lessons

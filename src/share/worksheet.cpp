// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet.h"

#include "model/numbers.h"
#include "solver/bestpathsearch.h"
#include "solver/rankedpaths.h"
#include "solver/stagetableau.h"

#include <QCoreApplication>
#include <QLocale>

namespace stagepath {

namespace {

struct Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

PathMode modeOf(const Lesson &lesson)
{
    return lesson.settings.longest ? PathMode::Longest : PathMode::Shortest;
}

QString pathText(const EdgeData &edges, const std::vector<qint64> &positions)
{
    const GraphShape &shape = edges.shape;
    QString text = edges.boxLabel(shape.globalBox(0, positions[0]));
    for (int stage = 0; stage < shape.stageCount(); ++stage) {
        const qint64 row = shape.edgeRow(stage, positions[size_t(stage)], positions[size_t(stage) + 1]);
        text += QStringLiteral(" (") + edges.text(row) + QStringLiteral(") ")
            + edges.boxLabel(shape.globalBox(stage + 1, positions[size_t(stage) + 1]));
    }
    return text;
}

// The tableaux, the last stage first; filled from the backward program when
// given (the tableau of stage s is the step that solves column s).
std::vector<WorksheetTableau> tableaux(const EdgeData &edges, const StageProgram *totals)
{
    const GraphShape &shape = edges.shape;
    std::vector<WorksheetTableau> result;
    for (int stage = shape.stageCount() - 1; stage >= 0; --stage) {
        WorksheetTableau tableau;
        tableau.title = Worksheet::tr("Aşama %1: %2. sütunun kutuları, %3. sütundan geriye")
                            .arg(stage + 1)
                            .arg(stage + 1)
                            .arg(stage + 2);
        tableau.headers << Worksheet::tr("Kutu");
        for (qint64 k = 0; k < shape.boxCount(stage + 1); ++k)
            tableau.headers << edges.boxLabel(shape.globalBox(stage + 1, k));
        tableau.headers << Worksheet::tr("En iyi") << Worksheet::tr("Seçilen");
        for (qint64 j = 0; j < shape.boxCount(stage); ++j) {
            const qint64 box = shape.globalBox(stage, j);
            QStringList row{edges.boxLabel(box)};
            QStringList chosen;
            const int step = shape.columnCount() - stage;
            for (qint64 k = 0; k < shape.boxCount(stage + 1); ++k) {
                if (!totals) {
                    row << QString();
                    continue;
                }
                double total = 0;
                if (!totals->candidate(step, j, k, &total)) {
                    row << QStringLiteral("-");
                    continue;
                }
                row << formatNumber(total);
                if (totals->isChoice(step, j, k))
                    chosen << edges.boxLabel(shape.globalBox(stage + 1, k));
            }
            if (!totals)
                row << QString() << QString();
            else if (totals->reachable(box - 1))
                row << formatNumber(totals->best(box - 1)) << chosen.join(QStringLiteral(", "));
            else
                row << QStringLiteral("-") << QString();
            tableau.rows.push_back(row);
        }
        result.push_back(std::move(tableau));
    }
    return result;
}

WorksheetExercise exerciseOf(const Lesson &lesson, int number)
{
    WorksheetExercise exercise;
    exercise.number = number;
    exercise.lesson = lesson;
    exercise.modeText = lesson.settings.longest
        ? Worksheet::tr("En Uzun Yol: ilk sütundan son sütuna, toplamı en büyük olan yolu bulun.")
        : Worksheet::tr("En Kısa Yol: ilk sütundan son sütuna, toplamı en küçük olan yolu bulun.");
    if (lesson.edges->hasMissing())
        exercise.modeText += QLatin1Char(' ') + Worksheet::tr("Çizgisi olmayan yol yoktur.");
    return exercise;
}

} // namespace

QString worksheetProblem(const Lesson &lesson)
{
    const GraphShape &shape = lesson.edges->shape;
    if (shape.columnCount() < 2)
        return Worksheet::tr("derste vorta yok: çalışma kâğıdı en az iki sütun ister.");
    if (shape.columnCount() > worksheet::maxColumns || shape.largestColumn() > worksheet::maxBoxesPerColumn)
        return Worksheet::tr("ders bir sayfaya sığmaz: çalışma kâğıdı en çok %1 sütun ve sütun başına %2 kutu alır.")
            .arg(worksheet::maxColumns)
            .arg(worksheet::maxBoxesPerColumn);
    for (qint64 row = 0; row < shape.edgeCount(); ++row)
        if (!lesson.edges->isMissing(row) && !std::isfinite(lesson.edges->value(row)))
            return Worksheet::tr("%1. kenarın değeri (\"%2\") bir sayı değil.").arg(row + 1).arg(lesson.edges->text(row));
    return {};
}

WorksheetExercise sheetExercise(const Lesson &lesson, int number)
{
    WorksheetExercise exercise = exerciseOf(lesson, number);
    exercise.tableaux = tableaux(*lesson.edges, nullptr);
    return exercise;
}

WorksheetExercise keyExercise(const Lesson &lesson, int number)
{
    WorksheetExercise exercise = exerciseOf(lesson, number);
    const StageProgram program(lesson.edges, modeOf(lesson), Recursion::Backward);
    exercise.tableaux = tableaux(*lesson.edges, &program);
    // The best total, its paths and their number as "Çiz" decides them.
    const BestPathSearch search(*lesson.edges, modeOf(lesson));
    if (!search.hasPath()) {
        exercise.totalLine = Worksheet::tr("Bu derste ilk sütundan son sütuna giden yol yok.");
        return exercise;
    }
    exercise.totalLine = Worksheet::tr("En iyi toplam: %1").arg(formatNumber(search.total()));
    for (const auto &positions : bestPathsInTableOrder(*lesson.edges, modeOf(lesson), worksheet::maxPaths))
        exercise.paths << pathText(*lesson.edges, positions);
    if (search.pathCount() > quint64(exercise.paths.size()))
        exercise.morePaths = search.pathCount() >= BestPathSearch::countLimit
            ? Worksheet::tr("… ve daha pek çok eşit yol.")
            : Worksheet::tr("… ve %1 eşit yol daha.").arg(search.pathCount() - quint64(exercise.paths.size()));
    return exercise;
}

QStringList exerciseTexts(const WorksheetExercise &exercise, bool key)
{
    QStringList texts;
    texts << (key ? Worksheet::tr("Alıştırma %1 — Cevap Anahtarı") : Worksheet::tr("Alıştırma %1")).arg(exercise.number);
    if (!key)
        texts << Worksheet::tr("Ad Soyad: ______________________") << Worksheet::tr("Tarih: ____________");
    texts << exercise.modeText;
    if (key) {
        texts << exercise.totalLine;
        if (!exercise.paths.isEmpty())
            texts << (exercise.paths.size() == 1 && exercise.morePaths.isEmpty() ? Worksheet::tr("En iyi yol:")
                                                                                 : Worksheet::tr("Eşit en iyi yollar:"));
        texts << exercise.paths;
        if (!exercise.morePaths.isEmpty())
            texts << exercise.morePaths;
    }
    for (const WorksheetTableau &tableau : exercise.tableaux) {
        texts << tableau.title << tableau.headers.join(QStringLiteral(" | "));
        for (const QStringList &row : tableau.rows)
            texts << row.join(QStringLiteral(" | "));
    }
    return texts;
}

QPageSize::PageSizeId paperFor(const QLocale &locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Philippines:
    case QLocale::PuertoRico:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::Panama:
    case QLocale::DominicanRepublic:
    case QLocale::ElSalvador:
    case QLocale::Nicaragua:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}

} // namespace stagepath

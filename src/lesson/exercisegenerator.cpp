// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercisegenerator.h"

#include "exerciserandom.h"

#include "model/inputlimits.h"
#include "solver/bestpathsearch.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <numeric>

namespace stagepath {

namespace {

struct NewExercise {
    Q_DECLARE_TR_FUNCTIONS(NewExercise)
};

PathMode modeOf(const ExerciseOrigin &options)
{
    return options.longest ? PathMode::Longest : PathMode::Shortest;
}

// Breaks the ties of the best total: every road on a tied best path but not
// on the first one (the path "Çiz" marks) moves one step away from the best
// (up in the shortest mode, down in the longest) where the range allows. The
// first best path keeps its total and every other path's total moves the
// same way or stays.
void breakTies(EdgeData &edges, const BestPathSearch &search, const ExerciseOrigin &options)
{
    const GraphShape &shape = edges.shape;
    std::vector<bool> first(size_t(shape.edgeCount()), false);
    const std::vector<qint64> &positions = search.positions();
    for (int stage = 0; stage < shape.stageCount(); ++stage)
        first[size_t(shape.edgeRow(stage, positions[size_t(stage)], positions[size_t(stage) + 1]))] = true;
    std::vector<qint64> rows;
    for (qint64 row = 0; row < shape.edgeCount(); ++row)
        if (!first[size_t(row)] && search.onBestPath(row))
            rows.push_back(row);
    for (const qint64 row : rows) {
        double &v = edges.values[size_t(row)];
        if (!options.longest && v < double(options.maxValue))
            v += 1;
        else if (options.longest && v > double(options.minValue))
            v -= 1;
    }
}

} // namespace

std::optional<std::vector<qint64>> readBoxCounts(QStringView text, QString *problem)
{
    std::vector<qint64> counts;
    const auto items = text.split(u',');
    for (qsizetype i = 0; i < items.size(); ++i) {
        bool ok = false;
        const qint64 count = items[i].trimmed().toLongLong(&ok);
        if (!ok || count < 1 || count > limits::maxBoxesPerColumn) {
            *problem = NewExercise::tr("Kutu sayılarının %1. öğesi (\"%2\") 1 ile %3 arasında bir tam sayı olmalı.")
                           .arg(i + 1)
                           .arg(items[i].trimmed().toString())
                           .arg(limits::maxBoxesPerColumn);
            return std::nullopt;
        }
        counts.push_back(count);
    }
    return counts;
}

QString exerciseOptionsProblem(const ExerciseOrigin &options)
{
    const auto &boxes = options.boxes;
    if (boxes.size() < 2)
        return NewExercise::tr("Kutu sayıları en az iki sütun vermeli (örneğin 1,3,3,2,1).");
    if (qint64(boxes.size()) - 1 > limits::maxStageCount)
        return NewExercise::tr("Kutu sayıları %1 sütun veriyor; vorta sayısı en çok %2 olabilir.")
            .arg(boxes.size())
            .arg(limits::maxStageCount);
    qint64 total = 0, roads = 0;
    for (size_t c = 0; c < boxes.size(); ++c) {
        if (boxes[c] < 1 || boxes[c] > limits::maxBoxesPerColumn)
            return NewExercise::tr("Kutu sayılarının %1. öğesi 1 ile %2 arasında olmalı.")
                .arg(c + 1)
                .arg(limits::maxBoxesPerColumn);
        total += boxes[c];
        if (c > 0)
            roads += boxes[c - 1] * boxes[c];
        if (total > limits::maxBoxes || roads > limits::maxEdges)
            return NewExercise::tr("Kutu sayıları çok büyük: en çok %1 kutu ve %2 kenar olabilir.")
                .arg(limits::maxBoxes)
                .arg(limits::maxEdges);
    }
    if (options.minValue < -exercise::maxValue || options.maxValue > exercise::maxValue)
        return NewExercise::tr("Değerler -%1 ile %1 arasında olmalı.").arg(exercise::maxValue);
    if (options.minValue > options.maxValue)
        return NewExercise::tr("En küçük değer (%1) en büyük değerden (%2) büyük olamaz.")
            .arg(options.minValue)
            .arg(options.maxValue);
    if (options.missingPercent < 0 || options.missingPercent > exercise::maxMissingPercent)
        return NewExercise::tr("Eksik yolların payı 0 ile %1 arasında bir yüzde olmalı.").arg(exercise::maxMissingPercent);
    const qint64 stages = qint64(boxes.size()) - 1;
    if (roads - missingRoadCount(roads, options.missingPercent) < stages)
        return NewExercise::tr("%%1 eksik yolla %2 kenardan hiçbir yol kalamaz; payı küçültün.")
            .arg(options.missingPercent)
            .arg(roads);
    if (options.unique && options.minValue == options.maxValue && options.missingPercent == 0
        && std::any_of(boxes.begin(), boxes.end(), [](qint64 n) { return n > 1; }))
        return NewExercise::tr("Bütün değerler eşitken (%1) bütün yollar eşit olur: tek bir en iyi yol olamaz. "
                               "Değer aralığını genişletin.")
            .arg(options.minValue);
    return {};
}

qint64 missingRoadCount(qint64 roads, int percent)
{
    const qint64 product = roads * percent;
    qint64 count = product / 100;
    const qint64 rest = product % 100;
    if (rest > 50 || (rest == 50 && count % 2 == 1))
        ++count;
    return count;
}

ExerciseResult generateExercise(const ExerciseOrigin &options)
{
    if (const QString problem = exerciseOptionsProblem(options); !problem.isEmpty())
        return {std::nullopt, problem};
    ExerciseRandom random(options.seed);
    auto edges = std::make_shared<EdgeData>();
    edges->shape = GraphShape(options.boxes);
    const qint64 roads = edges->shape.edgeCount();
    const qint64 missing = missingRoadCount(roads, options.missingPercent);
    const quint64 span = quint64(options.maxValue - options.minValue) + 1;
    edges->values.resize(size_t(roads));
    std::vector<qint64> order(static_cast<size_t>(roads), 0);
    for (int attempt = 0; attempt < exercise::maxAttempts; ++attempt) {
        for (double &v : edges->values)
            v = double(options.minValue + qint64(random.below(span)));
        // The missing roads: the first ones of a partial Fisher–Yates shuffle of the rows.
        std::iota(order.begin(), order.end(), qint64(0));
        for (qint64 i = 0; i < missing; ++i) {
            const qint64 j = i + qint64(random.below(quint64(roads - i)));
            std::swap(order[size_t(i)], order[size_t(j)]);
            edges->values[size_t(order[size_t(i)])] = kMissingRoad;
        }
        const BestPathSearch search(*edges, modeOf(options));
        if (!search.hasPath())
            continue;
        if (options.unique && search.pathCount() > 1) {
            breakTies(*edges, search, options);
            if (BestPathSearch(*edges, modeOf(options)).pathCount() != 1)
                continue;
        }
        Lesson lesson;
        for (const qint64 count : options.boxes)
            lesson.boxTexts << QString::number(count);
        lesson.edges = std::move(edges);
        lesson.settings.longest = options.longest;
        lesson.origin = options;
        return {std::move(lesson), {}};
    }
    if (options.unique)
        return {std::nullopt, NewExercise::tr("%1 denemede tek bir en iyi yolu olan bir alıştırma bulunamadı; "
                                              "değer aralığını genişletin ya da eksik yol payını değiştirin.")
                                  .arg(exercise::maxAttempts)};
    return {std::nullopt, NewExercise::tr("%1 denemede yolu olan bir alıştırma bulunamadı; eksik yol payını küçültün.")
                              .arg(exercise::maxAttempts)};
}

quint64 freshSeed()
{
    return QRandomGenerator::system()->generate64();
}

} // namespace stagepath

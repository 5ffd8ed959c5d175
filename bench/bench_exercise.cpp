// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// New exercises and worksheets as the batch mode makes them, files written:
// an exercise of 10^6 roads (with and without one best path), one of the
// textbook's size (6 columns of 5) with one best path, and the worksheet and
// key of 30 exercises.
#include "guimain.h"

#include "share/batchrun.h"

#include <QTemporaryDir>

using namespace stagepath;

namespace {

BatchRequest exercise(const QString &file, const QString &boxes, quint64 seed, bool unique)
{
    BatchRequest r;
    r.newExercise = file;
    r.boxes = boxes;
    r.values = QStringLiteral("1..1000");
    r.missing = QStringLiteral("10");
    r.seed = QString::number(seed);
    r.unique = unique;
    return r;
}

} // namespace

// Two columns of 1000 boxes: 10^6 roads, 10 % of them missing.
static void BM_NewExerciseMillionRoads(benchmark::State &state)
{
    QTemporaryDir dir;
    quint64 seed = 1;
    for (auto _ : state) {
        const BatchResult result = runBatch(
            exercise(dir.filePath(QStringLiteral("e.stagepath")), QStringLiteral("1000,1000"), seed++, state.range(0)));
        if (result.exitCode != 0)
            state.SkipWithError(qPrintable(result.problem));
    }
}
BENCHMARK(BM_NewExerciseMillionRoads)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// The textbook's size with one best path; values 1..20, so ties are common and broken.
static void BM_NewExerciseUniqueTextbook(benchmark::State &state)
{
    QTemporaryDir dir;
    quint64 seed = 1;
    for (auto _ : state) {
        BatchRequest r = exercise(dir.filePath(QStringLiteral("e.stagepath")), QStringLiteral("5,5,5,5,5,5"), seed++, true);
        r.values = QStringLiteral("1..20");
        const BatchResult result = runBatch(r);
        if (result.exitCode != 0)
            state.SkipWithError(qPrintable(result.problem));
    }
}
BENCHMARK(BM_NewExerciseUniqueTextbook)->Unit(benchmark::kMillisecond);

// The worksheet and the key of 30 exercises of 1,3,3,3,3,1 boxes.
static void BM_Worksheet30(benchmark::State &state)
{
    QTemporaryDir dir;
    BatchRequest sheet;
    for (int i = 0; i < 30; ++i) {
        const QString file = dir.filePath(QStringLiteral("e%1.stagepath").arg(i));
        BatchRequest r = exercise(file, QStringLiteral("1,3,3,3,3,1"), quint64(i), false);
        r.values = QStringLiteral("1..20");
        runBatch(r);
        sheet.lessonFiles << file;
    }
    sheet.worksheet = dir.filePath(QStringLiteral("sheet.pdf"));
    sheet.key = dir.filePath(QStringLiteral("key.pdf"));
    for (auto _ : state) {
        const BatchResult result = runBatch(sheet);
        if (result.exitCode != 0)
            state.SkipWithError(qPrintable(result.problem));
    }
}
BENCHMARK(BM_Worksheet30)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    return runBenchmarksWithGui(argc, argv);
}

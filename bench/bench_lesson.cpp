// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lessons at the largest size the window admits (10^6 edges): saving and
// opening a lesson file, the size of the file per edge, and undoing a box
// count change (the document alone, and the window with its redraw).
#include "app/window/mainwindow.h"
#include "lesson/lessondocument.h"
#include "lesson/lessonfile.h"
#include "model/edgetable.h"
#include "model/numbers.h"
#include "model/stagetable.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace stagepath;

namespace {

// Two columns of 1000 boxes, a million edges, each value typed as the kind asks.
enum class Values { Whole, Fractional, Texts, MissingRoads }; // the last: whole, every tenth road missing

Lesson millionEdges(Values kind)
{
    ClockStirredRandom random;
    EdgeTable table;
    table.regenerate({1000, 1000}, random);
    if (kind == Values::MissingRoads) {
        for (int row = 0; row < table.rowCount(); row += 10)
            table.setValueText(row, QStringLiteral("-"));
    } else if (kind != Values::Whole) {
        for (int row = 0; row < table.rowCount(); ++row) {
            const double v = table.edges().value(row) + 0.125 + row * 1e-7;
            table.setValueText(row, kind == Values::Fractional ? formatNumber(v) : QStringLiteral("0%1").arg(row % 1000));
        }
    }
    return {QStringList{"1000", "1000"}, table.snapshot(), LessonSettings()};
}

const char *const kindNames[] = {"whole", "fractional", "texts", "10% missing"};

} // namespace

static void BM_SaveLesson(benchmark::State &state)
{
    const auto kind = Values(state.range(0));
    const Lesson lesson = millionEdges(kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ders.stagepath"));
    for (auto _ : state) {
        const QString problem = writeLessonFile(path, lesson);
        if (!problem.isEmpty())
            state.SkipWithError(qPrintable(problem));
    }
    state.SetLabel(kindNames[state.range(0)]);
    state.counters["file_bytes_per_edge"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_SaveLesson)->ArgName("values")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

static void BM_OpenLesson(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ders.stagepath"));
    writeLessonFile(path, millionEdges(Values(state.range(0))));
    for (auto _ : state) {
        const LessonReading reading = readLessonFile(path);
        if (!reading.lesson)
            state.SkipWithError(qPrintable(reading.problem));
        benchmark::DoNotOptimize(reading.lesson->edges.get());
    }
    state.SetLabel(kindNames[state.range(0)]);
}
BENCHMARK(BM_OpenLesson)->ArgName("values")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A box count edited and its regeneration done (not timed), then undone:
// the counts and every value from before come back.
static void BM_UndoBoxCount(benchmark::State &state)
{
    LessonDocument document(std::make_unique<ClockStirredRandom>());
    document.load(millionEdges(Values::Whole), QString());
    StageTable *stages = document.stageTable();
    for (auto _ : state) {
        state.PauseTiming();
        stages->setData(stages->index(0, 0), QStringLiteral("999"));
        document.regenerateAfterCountEdits();
        state.ResumeTiming();
        document.undo();
    }
    if (document.edgeTable()->rowCount() != 1000 * 1000)
        state.SkipWithError("undo did not bring the table back");
}
// Fixed iterations: the edit and its regeneration, not timed, cost far more than the undo.
BENCHMARK(BM_UndoBoxCount)->Unit(benchmark::kMillisecond)->Iterations(20);

// The same through the window's actionUndo: the undo and the redraw of a
// million lines that follows it.
static void BM_UndoBoxCountInWindow(benchmark::State &state)
{
    int argc = 1;
    char name[] = "bench_lesson";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ders.stagepath"));
    writeLessonFile(path, millionEdges(Values::Whole));
    window.openLesson(path);
    QAbstractItemModel *stages = window.findChild<QAbstractItemView *>(QStringLiteral("ListView1"))->model();
    QAction *undo = window.findChild<QAction *>(QStringLiteral("actionUndo"));
    QTimer *tick = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    tick->setInterval(0); // the regeneration at once, not 200 ms later
    for (auto _ : state) {
        state.PauseTiming();
        stages->setData(stages->index(0, 0), QStringLiteral("999"));
        while (tick->isActive())
            QCoreApplication::processEvents();
        state.ResumeTiming();
        undo->trigger();
    }
}
BENCHMARK(BM_UndoBoxCountInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();

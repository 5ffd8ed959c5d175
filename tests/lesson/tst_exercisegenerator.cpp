// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// New exercises: the same seed gives the checked-in files byte for byte;
// on random options the ranges, the missing share, a path left and one best
// path are checked against every path; the totals that honour missing roads
// against every path; the generator's options survive a lesson file.

#include "exercisepaths.h"

#include "lesson/exercisegenerator.h"
#include "lesson/exerciserandom.h"
#include "lesson/lessonfile.h"
#include "solver/bestpathsearch.h"
#include "solver/rankedpaths.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cfenv>
#include <cmath>

using namespace stagepath;

Q_DECLARE_METATYPE(stagepath::ExerciseOrigin)

namespace {

ExerciseOrigin optionsOf(quint64 seed, std::vector<qint64> boxes, qint64 low, qint64 high, int missing, bool unique,
                         bool longest)
{
    ExerciseOrigin o;
    o.seed = seed;
    o.boxes = std::move(boxes);
    o.minValue = low;
    o.maxValue = high;
    o.missingPercent = missing;
    o.unique = unique;
    o.longest = longest;
    return o;
}

// Lessons with whole values and missing roads, every shape up to 4 columns of 4.
EdgeDataPtr randomEdges(QRandomGenerator &rng)
{
    std::vector<qint64> counts;
    const int columns = 2 + rng.bounded(3);
    for (int c = 0; c < columns; ++c)
        counts.push_back(1 + rng.bounded(4));
    auto edges = std::make_shared<EdgeData>();
    edges->shape = GraphShape(counts);
    const int missingShare = rng.bounded(60);
    for (qint64 row = 0; row < edges->shape.edgeCount(); ++row)
        edges->values.push_back(rng.bounded(100) < missingShare ? kMissingRoad : double(rng.bounded(-3, 6)));
    return edges;
}

} // namespace

class TestExerciseGenerator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The published generator: its first numbers for seed 0, as the
    // reference SplitMix64 and xoshiro256** give them.
    void randomNumbers()
    {
        quint64 state = 0;
        QCOMPARE(splitMix64(state), 0xE220A8397B1DCDAFULL);
        QCOMPARE(splitMix64(state), 0x6E789E6AA1B965F4ULL);
        ExerciseRandom random(0);
        QCOMPARE(random.next(), 0x99EC5F36CB75F2B4ULL);
        // below(n): every value of a small range comes, and none beyond it.
        std::vector<int> seen(7, 0);
        for (int i = 0; i < 7000; ++i)
            ++seen[size_t(random.below(7))];
        for (int count : seen)
            QVERIFY(count > 800 && count < 1200);
        QCOMPARE(random.below(1), 0ULL);
    }

    void reproducible_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<ExerciseOrigin>("options");
        QTest::newRow("plain") << "seed1-plain" << optionsOf(1, {1, 3, 3, 2, 1}, 1, 20, 0, false, false);
        QTest::newRow("missing, unique") << "seed42-unique" << optionsOf(42, {1, 3, 3, 2, 1}, 1, 20, 10, true, false);
        QTest::newRow("longest, negative, largest seed")
            << "seedmax-longest" << optionsOf(18446744073709551615ULL, {2, 4, 4, 3}, -50, 50, 25, true, true);
        QTest::newRow("narrow range, ties broken")
            << "seed7-narrow" << optionsOf(7, {1, 5, 5, 5, 5, 5, 1}, 1, 9, 30, true, false);
    }
    // The checked-in lessons: a change to the generator, the mapping to a
    // range, the choice of missing roads or the file's layout shows here.
    void reproducible()
    {
        QFETCH(QString, file);
        QFETCH(ExerciseOrigin, options);
        QFile expected(QStringLiteral(STAGEPATH_SOURCE_DIR "/tests/lesson/data/%1.stagepath").arg(file));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        const ExerciseResult made = generateExercise(options);
        QVERIFY2(made.lesson, qPrintable(made.problem));
        const QByteArray text = writeLesson(*made.lesson);
        QCOMPARE(text, expected.readAll());
        // Read back, the lesson keeps its origin and writes the same bytes.
        const LessonReading reading = readLesson(text);
        QVERIFY2(reading.lesson, qPrintable(reading.problem));
        QVERIFY(reading.lesson->origin == options);
        QCOMPARE(writeLesson(*reading.lesson), text);
    }

    // Random options against every path.
    void randomOptions()
    {
        std::fesetround(FE_TONEAREST);
        QRandomGenerator rng(2612);
        int made = 0;
        for (int i = 0; i < 400; ++i) {
            std::vector<qint64> boxes;
            const int columns = 2 + rng.bounded(4);
            for (int c = 0; c < columns; ++c)
                boxes.push_back(1 + rng.bounded(4));
            const qint64 low = rng.bounded(-5, 6);
            const ExerciseOrigin options = optionsOf(rng.generate64(), boxes, low, low + rng.bounded(12),
                                                     rng.bounded(61), rng.bounded(2) == 1, rng.bounded(2) == 1);
            const ExerciseResult result = generateExercise(options);
            if (!result.lesson) {
                QVERIFY(!result.problem.isEmpty());
                continue;
            }
            ++made;
            const EdgeData &edges = *result.lesson->edges;
            const qint64 roads = edges.shape.edgeCount();
            qint64 missing = 0;
            for (qint64 row = 0; row < roads; ++row) {
                if (edges.isMissing(row)) {
                    ++missing;
                    continue;
                }
                const double v = edges.value(row);
                QVERIFY(v == std::floor(v) && v >= double(options.minValue) && v <= double(options.maxValue));
            }
            QCOMPARE(missing, qint64(std::nearbyint(double(options.missingPercent * roads) / 100)));
            const auto best = exercisepaths::bestPaths(edges, options.longest);
            QVERIFY(!best.empty());
            if (options.unique)
                QCOMPARE(best.size(), size_t(1));
            QCOMPARE(result.lesson->settings.longest, options.longest);
        }
        QVERIFY(made > 300); // the generator gives up rarely
    }

    // Options that cannot give an exercise are refused with a reason, at once.
    void impossible()
    {
        const ExerciseResult equal = generateExercise(optionsOf(3, {1, 3, 3, 1}, 5, 5, 0, true, false));
        QVERIFY(!equal.lesson);
        QVERIFY(equal.problem.contains(QStringLiteral("eşit")));
        // Two roads, 60 % of them missing: one left, and a path needs two.
        QVERIFY(!generateExercise(optionsOf(3, {1, 1, 1}, 1, 9, 60, false, false)).lesson);
        QVERIFY(!generateExercise(optionsOf(3, {1, 3}, 9, 1, 0, false, false)).lesson);
        QVERIFY(!generateExercise(optionsOf(3, {4}, 1, 9, 0, false, false)).lesson);
        // One path only: equal values are no obstacle.
        QVERIFY(generateExercise(optionsOf(3, {1, 1, 1}, 5, 5, 0, true, false)).lesson);
        QCOMPARE(missingRoadCount(10, 25), 2); // 2.5 to even
        QCOMPARE(missingRoadCount(10, 35), 4); // 3.5 to even
    }

    // The totals with missing roads absent against every path: best total,
    // how many, which (in the listing's order), the roads on them.
    void totalsAgainstEveryPath()
    {
        QRandomGenerator rng(77);
        for (int i = 0; i < 500; ++i) {
            const EdgeDataPtr edges = randomEdges(rng);
            const bool longest = rng.bounded(2) == 1;
            const PathMode mode = longest ? PathMode::Longest : PathMode::Shortest;
            const BestPathSearch totals(*edges, mode);
            const auto best = exercisepaths::bestPaths(*edges, longest);
            QCOMPARE(totals.hasPath(), !best.empty());
            if (best.empty())
                continue;
            QCOMPARE(totals.total(), best.front().total);
            QCOMPARE(totals.pathCount(), quint64(best.size()));
            QCOMPARE(totals.positions(), best.front().positions);
            const auto found = bestPathsInTableOrder(*edges, mode, 1000);
            QCOMPARE(found.size(), best.size());
            std::vector<bool> onBest(size_t(edges->shape.edgeCount()), false);
            for (size_t p = 0; p < best.size(); ++p) {
                QCOMPARE(found[p], best[p].positions);
                for (int s = 0; s < edges->shape.stageCount(); ++s)
                    onBest[size_t(edges->shape.edgeRow(s, best[p].positions[size_t(s)],
                                                       best[p].positions[size_t(s) + 1]))] = true;
            }
            for (qint64 row = 0; row < edges->shape.edgeCount(); ++row)
                QCOMPARE(totals.onBestPath(row), bool(onBest[size_t(row)]));
            QCOMPARE(bestPathsInTableOrder(*edges, mode, 2).size(), std::min<size_t>(2, best.size()));
        }
    }

    // Counts beyond 64 bits are held, not wrapped: 1000 stages of two boxes, all equal.
    void countsHeld()
    {
        auto edges = std::make_shared<EdgeData>();
        edges->shape = GraphShape(std::vector<qint64>(1001, 2));
        edges->values.assign(size_t(edges->shape.edgeCount()), 1.0);
        const BestPathSearch totals(*edges, PathMode::Shortest);
        QCOMPARE(totals.total(), 1000.0);
        QCOMPARE(totals.pathCount(), BestPathSearch::countLimit);
        QCOMPARE(bestPathsInTableOrder(*edges, PathMode::Shortest, 1000).size(), size_t(1000));
    }
};

QTEST_GUILESS_MAIN(TestExerciseGenerator)
#include "tst_exercisegenerator.moc"

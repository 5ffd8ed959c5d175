// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shape of the staged graph (box numbers, edge rows, path counts) and the
// random source of the edge values.
#include "model/graphdata.h"
#include "model/randomsource.h"

#include <QTest>

#include <cmath>
#include <set>

using namespace stagepath;
using Counts = std::vector<qint64>;

namespace {
// "from-to" for each edge row, stages separated by " |".
QString describeEdges(const GraphShape &shape)
{
    QStringList stages;
    for (int s = 0; s < shape.stageCount(); ++s) {
        QStringList pairs;
        for (qint64 row = shape.stageStart(s); row < shape.stageStart(s + 1); ++row) {
            const GraphShape::Edge e = shape.edgeAt(row);
            if (e.stage != s || shape.edgeRow(e.stage, e.from, e.to) != row)
                return QStringLiteral("row %1 maps to stage %2, %3-%4").arg(row).arg(e.stage).arg(e.from).arg(e.to);
            pairs << QStringLiteral("%1-%2").arg(shape.globalBox(s, e.from)).arg(shape.globalBox(s + 1, e.to));
        }
        stages << pairs.join(u' ');
    }
    return stages.join(QStringLiteral(" | "));
}
} // namespace

class TestGraph : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void edges_data();
    void edges();
    void pathCount_data();
    void pathCount();

    void edgeValue_data();
    void edgeValue();
    void edgeValueDistribution();
    void frozenClockStillVaries();
    void generatorsDiffer();
};

void TestGraph::edges_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qint64>("totalBoxes");

    QTest::newRow("start: five columns of 3")
        << Counts{3, 3, 3, 3, 3}
        << "1-4 1-5 1-6 2-4 2-5 2-6 3-4 3-5 3-6 | 4-7 4-8 4-9 5-7 5-8 5-9 6-7 6-8 6-9"
           " | 7-10 7-11 7-12 8-10 8-11 8-12 9-10 9-11 9-12"
           " | 10-13 10-14 10-15 11-13 11-14 11-15 12-13 12-14 12-15"
        << qint64(15);
    QTest::newRow("2,3,1") << Counts{2, 3, 1} << "1-3 1-4 1-5 2-3 2-4 2-5 | 3-6 4-6 5-6" << qint64(6);
    QTest::newRow("3,0,3: no edges") << Counts{3, 0, 3} << " | " << qint64(6);
    QTest::newRow("empty first column") << Counts{0, 2, 2} << " | 1-3 1-4 2-3 2-4" << qint64(4);
    QTest::newRow("empty middle stages") << Counts{1, 2, 0, 2, 1} << "1-2 1-3 |  |  | 4-6 5-6" << qint64(6);
    QTest::newRow("one column") << Counts{3} << "" << qint64(3);
    QTest::newRow("no column") << Counts{} << "" << qint64(0);
}

void TestGraph::edges()
{
    QFETCH(Counts, counts);
    QFETCH(QString, expected);
    QFETCH(qint64, totalBoxes);
    const GraphShape shape(counts);
    QCOMPARE(shape.columnCount(), int(counts.size()));
    QCOMPARE(shape.stageCount(), qMax(0, int(counts.size()) - 1));
    QCOMPARE(describeEdges(shape), expected);
    QCOMPARE(shape.totalBoxes(), totalBoxes);
    qint64 edges = 0;
    for (int s = 0; s < shape.stageCount(); ++s) {
        QCOMPARE(shape.stageStart(s), edges);
        QCOMPARE(shape.stageEdgeCount(s), counts[size_t(s)] * counts[size_t(s) + 1]);
        edges += shape.stageEdgeCount(s);
    }
    QCOMPARE(shape.edgeCount(), edges);
}

void TestGraph::pathCount_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<qint64>("cap");
    QTest::addColumn<qint64>("expected");
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    QTest::newRow("start") << Counts{3, 3, 3, 3, 3} << max << qint64(243);
    QTest::newRow("2,3,1") << Counts{2, 3, 1} << max << qint64(6);
    QTest::newRow("a column of 0") << Counts{3, 0, 3} << max << qint64(0);
    QTest::newRow("one column") << Counts{4} << max << qint64(4);
    QTest::newRow("no column") << Counts{} << max << qint64(0);
    QTest::newRow("exactly the cap") << Counts{3, 3, 3, 3, 3} << qint64(243) << qint64(243);
    QTest::newRow("over a small cap") << Counts{3, 3, 3, 3, 3} << qint64(242) << qint64(242);
    QTest::newRow("beyond 64 bits") << Counts(1001, 100000) << max << max;
    QTest::newRow("0 after a huge product") << [] { Counts c(30, 100000); c.push_back(0); return c; }()
                                            << max << qint64(0);
}

void TestGraph::pathCount()
{
    QFETCH(Counts, counts);
    QFETCH(qint64, cap);
    QFETCH(qint64, expected);
    QCOMPARE(GraphShape(counts).pathCount(cap), expected);
}

void TestGraph::edgeValue_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("expected");
    // u × 1000 is a half exactly when u = m / 16 with m odd.
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("1/16: 62.5 to even 62") << 1.0f / 16 << 62;
    QTest::newRow("3/16: 187.5 to even 188") << 3.0f / 16 << 188;
    QTest::newRow("5/16: 312.5 to even 312") << 5.0f / 16 << 312;
    QTest::newRow("7/16: 437.5 to even 438") << 7.0f / 16 << 438;
    QTest::newRow("15/16: 937.5 to even 938") << 15.0f / 16 << 938;
    QTest::newRow("just above 1/16") << std::nextafter(1.0f / 16, 1.0f) << 63;
    QTest::newRow("just below 3/16") << std::nextafter(3.0f / 16, 0.0f) << 187;
    QTest::newRow("0.5") << 0.5f << 500;
    QTest::newRow("float nearest 0.0005 lies above") << 0.0005f << 1;
    QTest::newRow("smallest step") << 1.0f / 16777216 << 0;
    QTest::newRow("largest below 1") << std::nextafter(1.0f, 0.0f) << 1000;
}

void TestGraph::edgeValue()
{
    QFETCH(float, u);
    QFETCH(int, expected);
    QCOMPARE(edgeValueFrom(u), expected);
}

void TestGraph::edgeValueDistribution()
{
    // Uniform draws in [0, 1): 0 and 1000 come up half as often as the values between.
    ClockStirredRandom random;
    std::vector<int> counts(1001, 0);
    constexpr int draws = 1000000;
    for (int i = 0; i < draws; ++i) {
        const float u = random.next();
        QVERIFY(u >= 0.0f && u < 1.0f);
        ++counts[size_t(edgeValueFrom(u))];
    }
    // Expected 500 and 1000 with standard deviations near 22 and 32.
    QVERIFY2(counts[0] > 350 && counts[0] < 650, qPrintable(QString::number(counts[0])));
    QVERIFY2(counts[1000] > 350 && counts[1000] < 650, qPrintable(QString::number(counts[1000])));
    int lowest = draws, highest = 0;
    for (size_t v = 1; v < 1000; ++v) {
        lowest = qMin(lowest, counts[v]);
        highest = qMax(highest, counts[v]);
    }
    QVERIFY2(lowest > 800 && highest < 1200, qPrintable(QStringLiteral("%1..%2").arg(lowest).arg(highest)));
}

void TestGraph::frozenClockStillVaries()
{
    ClockStirredRandom random([] { return 43200.0f; });
    std::set<float> seen;
    float previous = -1;
    for (int i = 0; i < 1000; ++i) {
        const float u = random.next();
        QVERIFY(u != previous);
        previous = u;
        seen.insert(u);
    }
    QVERIFY(seen.size() > 990);
}

void TestGraph::generatorsDiffer()
{
    // A new generator on the same frozen clock, and the next run of the same
    // one, both give other values.
    const auto frozen = [] { return 100.0f; };
    ClockStirredRandom first(frozen), second(frozen);
    std::vector<float> a, b, c;
    for (int i = 0; i < 36; ++i) {
        a.push_back(first.next());
        b.push_back(second.next());
    }
    for (int i = 0; i < 36; ++i)
        c.push_back(first.next());
    QVERIFY(a != b);
    QVERIFY(a != c);
}

QTEST_GUILESS_MAIN(TestGraph)
#include "tst_graph.moc"

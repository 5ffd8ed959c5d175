// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/bestpath.h"
#include "solver/bestpathsearch.h"
#include "solver/paths.h"
#include "solver/rankedpaths.h"
#include "solver/validation.h"

#include "graphs.h"
#include "model/numbers.h"

#include <QtTest>

#include <cmath>
#include <numeric>

using namespace stagepath;
using namespace stagepath::test;

namespace {

// What the window shows when it lists every path and "Çiz" scans it: each
// total added left to right, written as text and read back; the first row
// with the least (or greatest) number wins, both tests strict. The same
// comparison ranks the partial paths into every box.
struct Written {
    double number = 0; // the written total read back
    QString text;
};

Written written(double total)
{
    const QString text = formatNumber(total);
    return Written{*parseNumber(text), text};
}

double listedTotal(const EdgeData &data, const std::vector<qint64> &p)
{
    const GraphShape &shape = data.shape;
    double total = 0;
    for (size_t s = 0; s + 1 < p.size(); ++s) {
        const double v = data.value(shape.edgeRow(int(s), p[s], p[s + 1]));
        total = s == 0 ? v : v + total;
    }
    return total;
}

// Everything the search reports, worked out from every path and partial path.
struct BruteForce {
    std::vector<QString> bestText;        // per box (0-based)
    std::vector<quint64> ties;
    std::vector<qint64> firstPrevious;    // previous box on the box's first best partial path
    std::vector<std::vector<qint64>> ranked; // full paths by written total, then row
    std::vector<Written> rankedTotal;
    std::vector<bool> onBest;             // per edge row
    quint64 bestCount = 0;
};

BruteForce bruteForce(const EdgeData &data, PathMode mode)
{
    const GraphShape &shape = data.shape;
    const auto better = [mode](double a, double b) { return mode == PathMode::Shortest ? a < b : a > b; };
    BruteForce f;
    f.bestText.resize(size_t(shape.totalBoxes()));
    f.ties.resize(size_t(shape.totalBoxes()), 0);
    f.firstPrevious.resize(size_t(shape.totalBoxes()), -1);
    std::vector<double> bestNumber(size_t(shape.totalBoxes()));
    std::vector<qint64> counts;
    for (int c = 0; c < shape.columnCount(); ++c) {
        counts.push_back(shape.boxCount(c));
        for (const auto &p : allPaths(GraphShape(counts))) { // partial paths in table order
            if (!isRealPath(data, p))
                continue; // over a missing road
            const Written w = written(listedTotal(data, p));
            const size_t box = size_t(shape.globalBox(c, p.back()) - 1);
            if (f.ties[box] == 0 || better(w.number, bestNumber[box])) {
                bestNumber[box] = w.number;
                f.bestText[box] = w.text;
                f.ties[box] = 0;
                f.firstPrevious[box] = c > 0 ? shape.globalBox(c - 1, p[size_t(c) - 1]) - 1 : -1;
            }
            f.ties[box] += w.number == bestNumber[box];
        }
    }
    for (auto &p : allPaths(shape)) {
        if (isRealPath(data, p))
            f.ranked.push_back(std::move(p));
    }
    for (const auto &p : f.ranked)
        f.rankedTotal.push_back(written(listedTotal(data, p)));
    std::vector<size_t> order(f.ranked.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return better(f.rankedTotal[a].number, f.rankedTotal[b].number);
    });
    f.onBest.assign(size_t(shape.edgeCount()), false);
    std::vector<std::vector<qint64>> ranked;
    std::vector<Written> rankedTotal;
    for (size_t i : order) {
        ranked.push_back(f.ranked[i]);
        rankedTotal.push_back(f.rankedTotal[i]);
        if (f.rankedTotal[i].number != f.rankedTotal[order[0]].number)
            continue;
        ++f.bestCount;
        for (int s = 0; s < shape.stageCount(); ++s)
            f.onBest[size_t(shape.edgeRow(s, f.ranked[i][size_t(s)], f.ranked[i][size_t(s) + 1]))] = true;
    }
    f.ranked = std::move(ranked);
    f.rankedTotal = std::move(rankedTotal);
    return f;
}

enum class Values { SmallWhole, Whole, Tenths, SignedTenths, Large, HugeAndTiny, Huge };

double randomValue(QRandomGenerator &rng, Values kind)
{
    switch (kind) {
    case Values::SmallWhole: return rng.bounded(4); // many ties
    case Values::Whole: return rng.bounded(1001);
    case Values::Tenths: return rng.bounded(31) / 10.0; // sums round differently by order
    case Values::SignedTenths: return (rng.bounded(61) - 30) / 10.0;
    case Values::Large: return 3e15 + rng.bounded(6) * 0.5; // totals beyond 15 digits: texts tie
    case Values::HugeAndTiny: {
        static const double pool[] = {1e17, -1e17, 1.0, 2.0, 0.1, 3e-5, 1e16 + 2, -7.25};
        return pool[rng.bounded(8)];
    }
    case Values::Huge: // 1e15 .. 1e17, halfway cases of the 15th digit included
        return double(rng.bounded(100) + 1) * 1e15 + double(rng.bounded(4)) * 5 - double(rng.bounded(2)) * 1e17;
    }
    return 0;
}

} // namespace

class TestBestPath : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void matchesBruteForce_data();
    void matchesBruteForce();
    void knownGraphs_data();
    void knownGraphs();
    void shiftedValuesKeepTheRow_data();
    void shiftedValuesKeepTheRow();
    void missingRoadsMatchBruteForce_data();
    void missingRoadsMatchBruteForce();
    void noPath_data();
    void noPath();
    void rowBeyond64Bits();
    void messages();
    void tooManyPaths_data();
    void tooManyPaths();
};

void TestBestPath::matchesBruteForce_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mode");
    const std::pair<const char *, Values> kinds[] = {
        {"small whole (many ties)", Values::SmallWhole}, {"whole 0-1000", Values::Whole},
        {"tenths", Values::Tenths}, {"signed tenths", Values::SignedTenths},
        {"large, texts tie", Values::Large}, {"huge and tiny", Values::HugeAndTiny}, {"huge", Values::Huge}};
    for (const auto &[name, kind] : kinds) {
        QTest::addRow("%s, shortest", name) << int(kind) << int(PathMode::Shortest);
        QTest::addRow("%s, longest", name) << int(kind) << int(PathMode::Longest);
    }
}

// Random small lessons, every one compared with the listing worked out in
// full: the best path, the per-box program, the edges on best paths and the
// ranked paths.
void TestBestPath::matchesBruteForce()
{
    QFETCH(int, kind);
    QFETCH(int, mode);
    const bool practical = Values(kind) < Values::Large; // totals of at most 15 digits
    QRandomGenerator rng(quint32(1000 + kind * 10 + mode));
    for (int round = 0; round < 300; ++round) {
        std::vector<qint64> counts(size_t(rng.bounded(2, 7)));
        for (auto &n : counts)
            n = rng.bounded(round % 10 == 0 ? 0 : 1, 5);
        const auto graph = makeGraph(counts, [&](qint64) { return randomValue(rng, Values(kind)); });
        const BestPathSearch search(*graph, PathMode(mode));
        const auto best = findBestPath(*graph, PathMode(mode));
        if (graph->shape.pathCount(1) == 0) {
            QVERIFY(!search.computed() && !best && rankedPaths(*graph, PathMode(mode), 3).empty());
            continue;
        }
        const BruteForce expected = bruteForce(*graph, PathMode(mode));
        const std::vector<qint64> &chosen = expected.ranked.front();
        QVERIFY(best && search.computed() && search.exact());
        QCOMPARE(best->positions, chosen);
        QCOMPARE(best->row, rowOfPath(graph->shape, chosen).value());
        QCOMPARE(best->totalText, expected.rankedTotal.front().text);
        QCOMPARE(search.positions(), chosen);
        QCOMPARE(search.pathCount(), expected.bestCount);
        QCOMPARE(formatNumber(search.total()), expected.rankedTotal.front().text);

        for (qint64 box = 0; box < graph->shape.totalBoxes(); ++box) {
            QCOMPARE(formatNumber(search.bestTotal(box)), expected.bestText[size_t(box)]);
            QCOMPARE(search.tieCount(box), expected.ties[size_t(box)]);
            // On the chosen path the previous box is the path's own; elsewhere the
            // first best partial path's. Only huge values can tell them apart.
            const int c = search.columnOf(box);
            const bool onPath = c > 0 && graph->shape.globalBox(c, chosen[size_t(c)]) - 1 == box;
            const qint64 own = onPath ? graph->shape.globalBox(c - 1, chosen[size_t(c) - 1]) - 1 : -1;
            QCOMPARE(search.previousBox(box), onPath ? own : expected.firstPrevious[size_t(box)]);
            if (practical)
                QCOMPARE(search.previousBox(box), expected.firstPrevious[size_t(box)]);
            const qint64 edge = search.chosenEdge(box);
            QCOMPARE(edge < 0 ? -1 : graph->shape.globalBox(c - 1, graph->shape.edgeAt(edge).from) - 1,
                     search.previousBox(box));
        }
        for (qint64 row = 0; row < graph->shape.edgeCount(); ++row)
            QCOMPARE(search.onBestPath(row), bool(expected.onBest[size_t(row)]));

        const int all = int(expected.ranked.size());
        for (int k : {1, 2, 5, all + 2}) {
            const auto ranked = rankedPaths(*graph, PathMode(mode), k);
            QCOMPARE(int(ranked.size()), std::min(k, all));
            for (size_t i = 0; i < ranked.size(); ++i) {
                QCOMPARE(ranked[i].positions, expected.ranked[i]);
                QCOMPARE(formatNumber(ranked[i].total), expected.rankedTotal[i].text);
                QCOMPARE(ranked[i].row, rowOfPath(graph->shape, expected.ranked[i]));
            }
        }
    }
}

void TestBestPath::missingRoadsMatchBruteForce_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mode");
    const std::pair<const char *, Values> kinds[] = {
        {"small whole (many ties)", Values::SmallWhole}, {"whole 0-1000", Values::Whole}, {"tenths", Values::Tenths}};
    for (const auto &[name, kind] : kinds) {
        QTest::addRow("%s, shortest", name) << int(kind) << int(PathMode::Shortest);
        QTest::addRow("%s, longest", name) << int(kind) << int(PathMode::Longest);
    }
}

// Random lessons with roads that do not exist (none to most of them): the
// search, the ranked and the tied best paths, the listing's rows and the
// "no path" check against the real paths worked out in full.
void TestBestPath::missingRoadsMatchBruteForce()
{
    QFETCH(int, kind);
    QFETCH(int, mode);
    QRandomGenerator rng(quint32(7000 + kind * 10 + mode));
    int withoutPath = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<qint64> counts(size_t(rng.bounded(2, 6)));
        for (auto &n : counts)
            n = rng.bounded(1, 5);
        const int missingPercent = int(rng.bounded(70));
        const auto graph = makeGraph(counts, [&](qint64) {
            return int(rng.bounded(100)) < missingPercent ? kMissingRoad : randomValue(rng, Values(kind));
        });
        const BruteForce expected = bruteForce(*graph, PathMode(mode));
        const qint64 real = qint64(expected.ranked.size());
        QCOMPARE(realPathCount(*graph), real);
        QCOMPARE(noPathMessage(*graph).has_value(), real == 0);
        QVERIFY(!checkComputable(*graph));

        // The listing: row i is the i-th real path, and back.
        const PathIndex index(*graph);
        QCOMPARE(index.pathCount(), real);
        std::vector<std::vector<qint64>> listed;
        for (const auto &p : allPaths(graph->shape)) {
            const auto row = index.rowOf(p);
            QCOMPARE(row.has_value(), isRealPath(*graph, p));
            if (row) {
                QCOMPARE(*row, qint64(listed.size()));
                listed.push_back(p);
            }
        }
        for (qint64 row = 0; row < real; ++row)
            QCOMPARE(index.positions(row), listed[size_t(row)]);

        const BestPathSearch search(*graph, PathMode(mode));
        const auto best = findBestPath(*graph, PathMode(mode));
        QVERIFY(search.computed());
        QCOMPARE(search.hasPath(), real > 0);
        QCOMPARE(best.has_value(), real > 0);
        for (qint64 box = 0; box < graph->shape.totalBoxes(); ++box) {
            const bool reached = expected.ties[size_t(box)] > 0;
            QCOMPARE(search.reached(box), reached);
            QCOMPARE(search.tieCount(box), expected.ties[size_t(box)]);
            if (reached)
                QCOMPARE(formatNumber(search.bestTotal(box)), expected.bestText[size_t(box)]);
            QCOMPARE(search.previousBox(box), expected.firstPrevious[size_t(box)]);
        }
        const auto ties = bestPathsInTableOrder(*graph, PathMode(mode), 1000);
        QCOMPARE(qint64(ties.size()), qint64(expected.bestCount));
        if (real == 0) {
            ++withoutPath;
            QVERIFY(rankedPaths(*graph, PathMode(mode), 3).empty());
            continue;
        }
        const std::vector<qint64> &chosen = expected.ranked.front();
        QCOMPARE(best->positions, chosen);
        QCOMPARE(best->totalText, expected.rankedTotal.front().text);
        QCOMPARE(search.pathCount(), expected.bestCount);
        for (qint64 row = 0; row < graph->shape.edgeCount(); ++row)
            QCOMPARE(search.onBestPath(row), bool(expected.onBest[size_t(row)]));
        // The tied best paths in table order: the best ones among the listed.
        std::vector<std::vector<qint64>> tiedInOrder;
        for (const auto &p : listed)
            if (formatNumber(pathTotal(*graph, p)) == expected.rankedTotal.front().text)
                tiedInOrder.push_back(p);
        QCOMPARE(ties, tiedInOrder);
        QCOMPARE(ties.front(), chosen);
        for (int k : {1, 4, int(real) + 2}) {
            const auto ranked = rankedPaths(*graph, PathMode(mode), k);
            QCOMPARE(qint64(ranked.size()), std::min<qint64>(k, real));
            for (size_t i = 0; i < ranked.size(); ++i) {
                QCOMPARE(ranked[i].positions, expected.ranked[i]);
                QCOMPARE(ranked[i].row, index.rowOf(expected.ranked[i]));
            }
        }
    }
    QVERIFY(withoutPath > 10); // the rounds met lessons without any path
}

void TestBestPath::knownGraphs_data()
{
    QTest::addColumn<std::vector<qint64>>("counts");
    QTest::addColumn<std::vector<double>>("values");
    QTest::addColumn<int>("mode");
    QTest::addColumn<qint64>("row");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("total");
    // Boxes 1,2 | 3,4,5: edges (1,3) (1,4) (1,5) (2,3) (2,4) (2,5).
    const std::vector<qint64> twoThree{2, 3};
    QTest::newRow("one stage, shortest") << twoThree << std::vector<double>{7, 3, 9, 4, 3, 1}
                                         << int(PathMode::Shortest) << qint64(5) << "2 (1) 5" << "1";
    QTest::newRow("one stage, longest") << twoThree << std::vector<double>{7, 3, 9, 4, 3, 1}
                                        << int(PathMode::Longest) << qint64(2) << "1 (9) 5" << "9";
    QTest::newRow("tie goes to first row") << twoThree << std::vector<double>{5, 2, 5, 2, 5, 5}
                                           << int(PathMode::Shortest) << qint64(1) << "1 (2) 4" << "2";
    QTest::newRow("single row, shortest") << std::vector<qint64>{1, 1} << std::vector<double>{42}
                                          << int(PathMode::Shortest) << qint64(0) << "1 (42) 2" << "42";
    QTest::newRow("single row, longest") << std::vector<qint64>{1, 1} << std::vector<double>{42}
                                         << int(PathMode::Longest) << qint64(0) << "1 (42) 2" << "42";
    // The greedy first stage is a trap: the cheap first edge leads to a dear second one.
    QTest::newRow("greedy would fail") << std::vector<qint64>{1, 2, 1} << std::vector<double>{1, 5, 100, 1}
                                       << int(PathMode::Shortest) << qint64(1) << "1 (5) 3 (1) 4" << "6";
    // Left to right 0.1 + 0.2 = 0.30000000000000004, written "0.3", so it ties with 0.3.
    QTest::newRow("written totals tie") << std::vector<qint64>{1, 2, 1} << std::vector<double>{0.1, 0.3, 0.2, 0}
                                        << int(PathMode::Shortest) << qint64(0) << "1 (0.1) 2 (0.2) 4" << "0.3";
}

void TestBestPath::knownGraphs()
{
    QFETCH(std::vector<qint64>, counts);
    QFETCH(std::vector<double>, values);
    QFETCH(int, mode);
    QFETCH(qint64, row);
    QFETCH(QString, path);
    QFETCH(QString, total);
    const auto graph = makeGraph(counts, [&](qint64 r) { return values[size_t(r)]; });
    const auto best = findBestPath(*graph, PathMode(mode));
    QVERIFY(best);
    QCOMPARE(best->row, row);
    QCOMPARE(best->pathText, path);
    QCOMPARE(best->totalText, total);
}

void TestBestPath::shiftedValuesKeepTheRow_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("shortest") << int(PathMode::Shortest);
    QTest::newRow("longest") << int(PathMode::Longest);
}

void TestBestPath::shiftedValuesKeepTheRow()
{
    // Too many paths to list: adding a half to every edge adds the same to
    // every total, so the chosen path must stay. Whole values and halves take
    // different ways through the solver; many ties test the first-row rule.
    QFETCH(int, mode);
    QRandomGenerator rng(77);
    std::vector<qint64> counts(41);
    for (auto &n : counts)
        n = rng.bounded(1, 23);
    const auto whole = makeGraph(counts, [&](qint64) { return double(rng.bounded(4)); });
    const auto halves = makeGraph(counts, [&](qint64 r) { return whole->values[size_t(r)] + 0.5; });
    const auto a = findBestPath(*whole, PathMode(mode));
    const auto b = findBestPath(*halves, PathMode(mode));
    QVERIFY(a && b);
    QCOMPARE(b->positions, a->positions);
    QCOMPARE(b->total, a->total + 20);
}

void TestBestPath::noPath_data()
{
    QTest::addColumn<std::vector<qint64>>("counts");
    QTest::addColumn<QString>("badText");
    QTest::newRow("no stage") << std::vector<qint64>{3} << QString();
    QTest::newRow("empty column") << std::vector<qint64>{2, 0, 2} << QString();
    QTest::newRow("not a number") << std::vector<qint64>{2, 2} << QStringLiteral("abc");
    QTest::newRow("total beyond range") << std::vector<qint64>{1, 1, 1} << QStringLiteral("1e308");
}

void TestBestPath::noPath()
{
    QFETCH(std::vector<qint64>, counts);
    QFETCH(QString, badText);
    auto graph = makeGraph(counts, [](qint64) { return 1.0; });
    if (!badText.isEmpty()) {
        for (qint64 r = 0; r < graph->shape.edgeCount(); ++r)
            setText(*graph, r, badText);
    }
    QVERIFY(!findBestPath(*graph, PathMode::Shortest));
    QVERIFY(!findBestPath(*graph, PathMode::Longest));
}

void TestBestPath::rowBeyond64Bits()
{
    // 70 columns of 2 boxes: 2^70 paths. Every edge costs 1 except those
    // into the second box of each column, which cost 0; the cheapest path
    // runs through the second box everywhere after the first column.
    std::vector<qint64> counts(70, 2);
    const auto graph = makeGraph(counts, [](qint64 r) { return r % 2 == 1 ? 0.0 : 1.0; });
    const auto best = findBestPath(*graph, PathMode::Shortest);
    QVERIFY(best);
    QCOMPARE(best->row, qint64(-1));
    std::vector<qint64> expected(70, 1);
    expected[0] = 0;
    QCOMPARE(best->positions, expected);
    QCOMPARE(best->totalText, QStringLiteral("0"));

    const auto longest = findBestPath(*graph, PathMode::Longest);
    QVERIFY(longest);
    QCOMPARE(longest->row, qint64(0));
    QCOMPARE(longest->totalText, QStringLiteral("69"));
}

void TestBestPath::messages()
{
    auto graph = makeGraph({2, 2, 2}, [](qint64) { return 1.0; });
    QVERIFY(!checkComputable(*graph));

    setText(*graph, 6, QStringLiteral("x1"));
    setText(*graph, 4, QStringLiteral("abc"));
    QCOMPARE(nonNumberMessage(*graph),
             std::optional<QString>(QStringLiteral("Değer sütununun 5. satırındaki değer bir sayı değil: \"abc\".")));
    QCOMPARE(checkComputable(*graph), nonNumberMessage(*graph));

    // A column without boxes comes first: the listing stops there.
    auto empty = makeGraph({2, 0, 2}, [](qint64) { return 1.0; });
    QVERIFY(emptyColumnMessage(empty->shape));
    QVERIFY(emptyColumnMessage(empty->shape)->contains(QStringLiteral("2.Vorta")));
    QVERIFY(!emptyColumnMessage(GraphShape({0})));

    // Overflow either way, named by a path that reaches it.
    for (double sign : {1.0, -1.0}) {
        auto big = makeGraph({1, 2, 1, 1}, [&](qint64 r) { return r == 1 ? sign * 1e308 : sign * 9e307; });
        const auto message = overflowMessage(*big);
        QVERIFY(message);
        QVERIFY2(message->contains(QStringLiteral("1 (")) && message->endsWith(QStringLiteral(") 5.")), qPrintable(*message));
        QCOMPARE(checkComputable(*big), message);
    }
    // Large sums within range are fine.
    auto large = makeGraph({1, 1, 1}, [](qint64) { return 8e307; });
    QVERIFY(!overflowMessage(*large));
}

void TestBestPath::tooManyPaths_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<qint64>("boxes");
    QTest::addColumn<QString>("count");
    QTest::newRow("15 columns of 3: allowed") << 15 << qint64(3) << QString();
    QTest::newRow("17 columns of 3") << 17 << qint64(3) << QStringLiteral("129140163");
    QTest::newRow("1001 columns of 100") << 1001 << qint64(100) << QStringLiteral("yaklaşık 10^2002");
}

void TestBestPath::tooManyPaths()
{
    QFETCH(int, columns);
    QFETCH(qint64, boxes);
    QFETCH(QString, count);
    const auto message = tooManyPathsMessage(GraphShape(std::vector<qint64>(size_t(columns), boxes)));
    QCOMPARE(bool(message), !count.isEmpty());
    if (message) {
        QVERIFY2(message->contains(QStringLiteral("(%1)").arg(count)), qPrintable(*message));
        QVERIFY(message->contains(QStringLiteral("50000000")));
    }
}

QTEST_GUILESS_MAIN(TestBestPath)
#include "tst_bestpath.moc"

#include "solver/bestpath.h"
#include "solver/validation.h"

#include "graphs.h"
#include "model/numbers.h"

#include <QtTest>

#include <cmath>

using namespace stagepath;
using namespace stagepath::test;

namespace {

// What "Çiz" does with a full listing: add up each row left to right, write
// the total as text, read it back, and keep the first row with the least
// (or greatest) number, both tests strict.
struct Scan {
    qint64 row = -1;
    std::vector<qint64> positions;
    QString totalText;
};

Scan scanListing(const EdgeData &data, PathMode mode)
{
    const GraphShape &shape = data.shape;
    Scan best;
    double bestNumber = 0;
    qint64 row = 0;
    for (const auto &p : allPaths(shape)) {
        double total = data.value(shape.edgeRow(0, p[0], p[1]));
        for (int s = 1; s < shape.stageCount(); ++s)
            total = data.value(shape.edgeRow(s, p[size_t(s)], p[size_t(s) + 1])) + total;
        const QString text = formatNumber(total);
        const double number = *parseNumber(text);
        const bool better = mode == PathMode::Shortest ? number < bestNumber : number > bestNumber;
        if (best.row < 0 || better) {
            best = Scan{row, p, text};
            bestNumber = number;
        }
        ++row;
    }
    return best;
}

// A random shape: 1 to maxStages stages, 1 to maxBoxes boxes per column.
std::vector<qint64> randomCounts(QRandomGenerator &rng, int maxStages, int maxBoxes)
{
    std::vector<qint64> counts(size_t(1 + rng.bounded(1, maxStages + 1)));
    for (auto &n : counts)
        n = rng.bounded(1, maxBoxes + 1);
    return counts;
}

enum class Values { SmallWhole, Whole, Tenths, Thirds, Large, HugeAndTiny };

double randomValue(QRandomGenerator &rng, Values kind)
{
    switch (kind) {
    case Values::SmallWhole: return rng.bounded(4);
    case Values::Whole: return rng.bounded(1001);
    case Values::Tenths: return rng.bounded(31) / 10.0; // sums round differently by order
    case Values::Thirds: return (rng.bounded(13) - 6) / 3.0;
    case Values::Large: return 3e15 + rng.bounded(6) * 0.5; // totals beyond 15 digits: texts tie
    case Values::HugeAndTiny: {
        static const double pool[] = {1e17, -1e17, 1.0, 2.0, 0.1, 3e-5, 1e16 + 2, -7.25};
        return pool[rng.bounded(8)];
    }
    }
    return 0;
}

} // namespace

class TestBestPath : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void sameRowAsScan_data();
    void sameRowAsScan();
    void knownGraphs_data();
    void knownGraphs();
    void shiftedValuesKeepTheRow_data();
    void shiftedValuesKeepTheRow();
    void noPath_data();
    void noPath();
    void rowBeyond64Bits();
    void messages();
    void tooManyPaths_data();
    void tooManyPaths();
};

void TestBestPath::sameRowAsScan_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mode");
    const std::pair<const char *, Values> kinds[] = {
        {"small whole (many ties)", Values::SmallWhole}, {"whole 0-1000", Values::Whole},
        {"tenths", Values::Tenths}, {"thirds, signed", Values::Thirds},
        {"large, texts tie", Values::Large}, {"huge and tiny", Values::HugeAndTiny}};
    for (const auto &[name, kind] : kinds) {
        QTest::addRow("%s, shortest", name) << int(kind) << int(PathMode::Shortest);
        QTest::addRow("%s, longest", name) << int(kind) << int(PathMode::Longest);
    }
}

void TestBestPath::sameRowAsScan()
{
    QFETCH(int, kind);
    QFETCH(int, mode);
    QRandomGenerator rng(quint32(1000 + kind * 10 + mode));
    for (int round = 0; round < 400; ++round) {
        const auto counts = randomCounts(rng, 5, 4);
        const auto graph = makeGraph(counts, [&](qint64) { return randomValue(rng, Values(kind)); });
        const Scan expected = scanListing(*graph, PathMode(mode));
        const auto best = findBestPath(*graph, PathMode(mode));
        QVERIFY(best);
        QCOMPARE(best->row, expected.row);
        QCOMPARE(best->positions, expected.positions);
        QCOMPARE(best->totalText, expected.totalText);
    }
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
             std::optional<QString>(QStringLiteral("Kenar tablosunun 5. satırındaki değer bir sayı değil: \"abc\"")));
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
        QVERIFY2(message->contains(QStringLiteral("1 (")) && message->endsWith(QStringLiteral(") 5")), qPrintable(*message));
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

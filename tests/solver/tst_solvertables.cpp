// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/rankedpathtable.h"
#include "solver/resulttable.h"
#include "solver/steptable.h"
#include "solver/validation.h"

#include "graphs.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using namespace stagepath;
using namespace stagepath::test;

namespace {

QStringList rowTexts(const QAbstractItemModel &model, int row)
{
    QStringList texts;
    for (int c = 0; c < model.columnCount(); ++c)
        texts << model.index(row, c).data().toString();
    return texts;
}

QStringList headers(const QAbstractItemModel &model)
{
    QStringList texts;
    for (int c = 0; c < model.columnCount(); ++c)
        texts << model.headerData(c, Qt::Horizontal).toString();
    return texts;
}

// Boxes 1 | 2, 3 | 4: 1 (0.1) 2 (0.2) 4 adds up to 0.30000000000000004,
// written "0.3" like 1 (0.3) 3 (0) 4: the two tie, the first listed wins.
std::shared_ptr<EdgeData> tiedTenths()
{
    const std::vector<double> values{0.1, 0.3, 0.2, 0};
    return makeGraph({1, 2, 1}, [&](qint64 r) { return values[size_t(r)]; });
}

} // namespace

class TestSolverTables : public QObject
{
    Q_OBJECT

private slots:
    void stepTable_data();
    void stepTable();
    void stepTableCannotCompute();
    void counts();
    void rankedPaths_data();
    void rankedPaths();
    void namesInEveryPathText();
};

void TestSolverTables::stepTable_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("point");
    QTest::newRow("C") << QLocale::c() << ".";
    QTest::newRow("Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey) << ",";
}

void TestSolverTables::stepTable()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, point);
    QLocale::setDefault(locale);
    StepTable table;
    QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(headers(table), QStringList({"Kutu", "Sütun", "En iyi toplam", "Önceki kutu", "Eşit yollar"}));
    table.setGraph(tiedTenths(), PathMode::Shortest);
    QCOMPARE(table.rowCount(), 4);
    const QString tenth = QStringLiteral("0%1").arg(point);
    QCOMPARE(rowTexts(table, 0), QStringList({"1", "1", "0", "", "1"}));
    QCOMPARE(rowTexts(table, 1), QStringList({"2", "2", tenth + "1", "1", "1"}));
    QCOMPARE(rowTexts(table, 2), QStringList({"3", "2", tenth + "3", "1", "1"}));
    QCOMPARE(rowTexts(table, 3), QStringList({"4", "3", tenth + "3", "2", "2"}));
    QCOMPARE(table.bestTotalText(), tenth + "3");
    QCOMPARE(table.bestPathCountText(), QStringLiteral("2"));
    QVERIFY(table.problem().isEmpty());

    table.setGraph(tiedTenths(), PathMode::Longest);
    QCOMPARE(rowTexts(table, 3), QStringList({"4", "3", tenth + "3", "2", "2"}));
    QCOMPARE(rowTexts(table, 2), QStringList({"3", "2", tenth + "3", "1", "1"}));
    table.clear();
    QCOMPARE(table.rowCount(), 0);
    QCOMPARE(table.bestPathCountText(), QStringLiteral("0"));
}

void TestSolverTables::stepTableCannotCompute()
{
    QLocale::setDefault(QLocale::c());
    StepTable table;
    QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto notNumber = tiedTenths();
    setText(*notNumber, 2, QStringLiteral("x"));
    auto overflow = makeGraph({1, 1, 1}, [](qint64) { return 1e308; });
    for (const auto &graph : {std::shared_ptr<EdgeData>(notNumber), makeGraph({2, 0, 2}, [](qint64) { return 1.0; }),
                              overflow}) {
        table.setGraph(tiedTenths(), PathMode::Shortest);
        QCOMPARE(table.rowCount(), 4);
        table.setGraph(graph, PathMode::Shortest);
        QCOMPARE(table.rowCount(), 0);
        QCOMPARE(table.problem(), checkComputable(*graph).value_or(QString()));
        QVERIFY(!table.problem().isEmpty() && !table.problem().contains(QLatin1Char('\n')));
        QVERIFY(table.bestTotalText().isEmpty());
    }
    // No stage: the first column alone, and no path.
    table.setGraph(makeGraph({3}, [](qint64) { return 0.0; }), PathMode::Shortest);
    QCOMPARE(table.rowCount(), 3);
    QCOMPARE(rowTexts(table, 2), QStringList({"3", "1", "0", "", "1"}));
    QCOMPARE(table.bestPathCountText(), QStringLiteral("0"));
}

void TestSolverTables::counts()
{
    QCOMPARE(StepTable::countText(BestPathSearch::countLimit - 1), QStringLiteral("9223372036854775807"));
    QCOMPARE(StepTable::countText(BestPathSearch::countLimit), QStringLiteral("> 9223372036854775807"));
    // Columns of two boxes, every value 0: 2^(c-1) best partial paths into a
    // box of column c, held once they pass 2^63 - 1.
    StepTable table;
    table.setGraph(makeGraph(std::vector<qint64>(66, 2), [](qint64) { return 0.0; }), PathMode::Longest);
    QCOMPARE(table.index(2 * 62, StepTable::TiesColumn).data().toString(), QStringLiteral("4611686018427387904"));
    QCOMPARE(table.index(2 * 63 + 1, StepTable::TiesColumn).data().toString(), QStringLiteral("> 9223372036854775807"));
    QCOMPARE(table.index(2 * 65, StepTable::TiesColumn).data().toString(), QStringLiteral("> 9223372036854775807"));
    QCOMPARE(table.bestPathCountText(), QStringLiteral("> 9223372036854775807"));
}

void TestSolverTables::rankedPaths_data()
{
    stepTable_data();
}

void TestSolverTables::rankedPaths()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, point);
    QLocale::setDefault(locale);
    RankedPathTable table;
    QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(headers(table), QStringList({"Sıra", "Toplam", "Yol", "Satır"}));
    table.setCount(3);
    const std::vector<double> values{1.5, 1, 0.5, 2.5}; // 1-3, 1-4, 2-3, 2-4
    table.setGraph(makeGraph({2, 2}, [&](qint64 r) { return values[size_t(r)]; }), PathMode::Shortest);
    const auto number = [&point](const char *text) { return QString::fromLatin1(text).replace('.', point); };
    QCOMPARE(rowTexts(table, 0), QStringList({"1", number("0.5"), number("2 (0.5) 3"), "3"}));
    QCOMPARE(rowTexts(table, 1), QStringList({"2", "1", "1 (1) 4", "2"}));
    QCOMPARE(rowTexts(table, 2), QStringList({"3", number("1.5"), number("1 (1.5) 3"), "1"}));
    QCOMPARE(table.rowCount(), 3);
    table.setCount(0);
    QCOMPARE(table.count(), 1);
    QCOMPARE(table.rowCount(), 1);
    table.setCount(5000);
    QCOMPARE(table.count(), RankedPathTable::largestCount);
    QCOMPARE(table.rowCount(), 4);

    // 2^70 paths; the cheapest runs through the second box of every column
    // after the first: its row number does not fit in 64 bits.
    table.setCount(2);
    table.setGraph(makeGraph(std::vector<qint64>(70, 2), [](qint64 r) { return r % 2 == 1 ? 0.0 : 1.0; }),
                   PathMode::Shortest);
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.index(0, RankedPathTable::TotalColumn).data().toString(), QStringLiteral("0"));
    QCOMPARE(table.index(0, RankedPathTable::RowColumn).data().toString(), QString());
    table.setGraph(makeGraph({2, 0}, [](qint64) { return 1.0; }), PathMode::Shortest);
    QCOMPARE(table.rowCount(), 0);
    QVERIFY(!table.problem().isEmpty());
}

// Named boxes: every path text (the listing, the k best paths) against a
// brute-force listing that writes each box by its name or number, and the
// steps table against the same table of the unnamed graph.
void TestSolverTables::namesInEveryPathText()
{
    QRandomGenerator rng(19);
    for (int round = 0; round < 20; ++round) {
        std::vector<qint64> counts;
        for (int c = rng.bounded(2, 6); c > 0; --c)
            counts.push_back(rng.bounded(1, 4));
        const auto plain = makeGraph(counts, [&](qint64) { return double(rng.bounded(10)); });
        auto named = std::make_shared<EdgeData>(*plain);
        BoxNames names(size_t(plain->shape.totalBoxes()));
        for (size_t box = 0; box < names.size(); ++box)
            if (rng.bounded(3))
                names[box] = QStringLiteral("Şehir %1").arg(QChar(u'A' + int(box)));
        named->names = std::make_shared<const BoxNames>(names);
        const auto label = [&](qint64 box) {
            return names[size_t(box - 1)].isEmpty() ? QString::number(box) : names[size_t(box - 1)];
        };

        const GraphShape &shape = plain->shape;
        QStringList expected;
        for (const auto &p : allPaths(shape)) {
            QString path = label(shape.globalBox(0, p[0]));
            for (int s = 0; s < shape.stageCount(); ++s)
                path += QStringLiteral(" (%1) %2")
                            .arg(named->text(shape.edgeRow(s, p[size_t(s)], p[size_t(s) + 1])))
                            .arg(label(shape.globalBox(s + 1, p[size_t(s) + 1])));
            expected << path;
        }
        ResultTable listing;
        listing.setStageColumns(shape.stageCount());
        QVERIFY(listing.setPaths(named));
        QCOMPARE(listing.rowCount(), int(expected.size()));
        for (int r = 0; r < listing.rowCount(); ++r)
            QCOMPARE(listing.pathText(r), expected[r]);

        RankedPathTable ranked;
        ranked.setCount(5);
        ranked.setGraph(named, PathMode::Longest);
        QVERIFY(ranked.rowCount() > 0);
        for (int r = 0; r < ranked.rowCount(); ++r) {
            const int row = ranked.index(r, RankedPathTable::RowColumn).data().toInt() - 1;
            QCOMPARE(ranked.index(r, RankedPathTable::PathColumn).data().toString(), expected.value(row));
        }

        StepTable numbered, steps;
        numbered.setGraph(plain, PathMode::Shortest);
        steps.setGraph(named, PathMode::Shortest);
        QCOMPARE(steps.rowCount(), int(names.size()));
        for (int r = 0; r < steps.rowCount(); ++r) {
            QStringList want = rowTexts(numbered, r);
            want[StepTable::BoxColumn] = label(want[StepTable::BoxColumn].toLongLong());
            if (!want[StepTable::PreviousColumn].isEmpty())
                want[StepTable::PreviousColumn] = label(want[StepTable::PreviousColumn].toLongLong());
            QCOMPARE(rowTexts(steps, r), want);
        }
    }
}

QTEST_GUILESS_MAIN(TestSolverTables)
#include "tst_solvertables.moc"

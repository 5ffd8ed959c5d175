// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/resulttable.h"

#include "graphs.h"
#include "model/inputlimits.h"
#include "model/numbers.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace stagepath;
using namespace stagepath::test;

namespace {

// Global box number worked out from the counts, as the edge table numbers boxes.
qint64 boxNumber(const GraphShape &shape, int column, qint64 position)
{
    qint64 before = 0;
    for (int c = 0; c < column; ++c)
        before += shape.boxCount(c);
    return before + position + 1;
}

QString text(const ResultTable &t, int row, int column, int role = Qt::DisplayRole)
{
    return t.data(t.index(row, column), role).toString();
}

QStringList headers(const ResultTable &t)
{
    QStringList h;
    for (int c = 0; c < t.columnCount(); ++c)
        h << t.headerData(c, Qt::Horizontal).toString();
    return h;
}

// The box numbers in a path text, in order.
QList<qint64> boxesOfPathText(const QString &path)
{
    QList<qint64> boxes;
    const QStringList parts = path.split(QRegularExpression(QStringLiteral(" \\([^)]*\\) ")));
    for (const QString &p : parts)
        boxes << p.toLongLong();
    return boxes;
}

std::shared_ptr<EdgeData> defaultGraph()
{
    return makeGraph({3, 3, 3, 3, 3}, [](qint64 r) { return double((r * 37) % 1001); });
}

} // namespace

class TestResultTable : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void columns_data();
    void columns();
    void defaultGraphRows();
    void cellsMatchListing_data();
    void cellsMatchListing();
    void totals_data();
    void totals();
    void noRows();
    void rowsGoWithColumnsAndClear();
    void inPlaceEditShowsOnly();
    void rowPositions();
    void millionsOfRowsAtOnce();
    void modelTester();
};

void TestResultTable::columns_data()
{
    QTest::addColumn<int>("stages");
    QTest::addColumn<QStringList>("before");
    QTest::newRow("N=0") << 0 << QStringList{"Toplam"};
    QTest::newRow("N=1") << 1 << QStringList{"1.Vorta", "Toplam"};
    QTest::newRow("N=4") << 4 << QStringList{"1.Vorta", "2.Vorta", "3.Vorta", "4.Vorta", "Toplam"};
}

void TestResultTable::columns()
{
    QFETCH(int, stages);
    QFETCH(QStringList, before);
    ResultTable t;
    t.setStageColumns(stages);
    QCOMPARE(headers(t), before);
    QCOMPARE(t.pathColumn(), -1);
    QCOMPARE(t.totalColumn(), stages);

    std::vector<qint64> counts(size_t(stages) + 1, 2);
    const auto graph = makeGraph(counts, [](qint64 r) { return double(r); });
    QVERIFY(t.setPaths(graph));
    QCOMPARE(headers(t), before + QStringList{"Yol"});
    QCOMPARE(t.pathColumn(), stages + 1);
    QCOMPARE(t.totalColumn(), stages);
    // A second listing finds N+2 columns and adds none.
    QVERIFY(t.setPaths(graph));
    QCOMPARE(headers(t), before + QStringList{"Yol"});
    // A listing for another stage count than the headers' adds none either.
    t.setStageColumns(stages + 1);
    QVERIFY(t.setPaths(graph));
    QCOMPARE(t.columnCount(), stages + 2);
    QCOMPARE(t.pathColumn(), -1);
}

void TestResultTable::defaultGraphRows()
{
    ResultTable t;
    t.setStageColumns(4);
    QVERIFY(t.setPaths(defaultGraph()));
    QCOMPARE(t.rowCount(), 243);
    for (int r = 0; r < 27; ++r) {
        QCOMPARE(text(t, r, 0, Qt::UserRole), QStringLiteral("1"));
        QCOMPARE(text(t, r, 0, Qt::ToolTipRole), QStringLiteral("4"));
    }
    for (int r = 27; r < 54; ++r) {
        QCOMPARE(text(t, r, 0, Qt::UserRole), QStringLiteral("1"));
        QCOMPARE(text(t, r, 0, Qt::ToolTipRole), QStringLiteral("5"));
    }
    QCOMPARE(boxesOfPathText(text(t, 0, 5)), (QList<qint64>{1, 4, 7, 10, 13}));
    QCOMPARE(boxesOfPathText(text(t, 1, 5)), (QList<qint64>{1, 4, 7, 10, 14}));
    QCOMPARE(boxesOfPathText(text(t, 242, 5)), (QList<qint64>{3, 6, 9, 12, 15}));
    QCOMPARE(text(t, 0, 3, Qt::ToolTipRole), QStringLiteral("13"));
    QCOMPARE(text(t, 1, 3, Qt::ToolTipRole), QStringLiteral("14"));
    // The tag is only on the row's own cell; totals and path texts have no tooltip.
    QVERIFY(!t.data(t.index(0, 1), Qt::UserRole).isValid());
    QVERIFY(!t.data(t.index(0, 4), Qt::ToolTipRole).isValid());
    QVERIFY(!t.data(t.index(0, 5), Qt::ToolTipRole).isValid());
}

void TestResultTable::cellsMatchListing_data()
{
    QTest::addColumn<std::vector<qint64>>("counts");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("missing"); // percent of the roads that do not exist
    QTest::newRow("one stage 2x3") << std::vector<qint64>{2, 3} << 1u << 0;
    QTest::newRow("two stages 3x1x4") << std::vector<qint64>{3, 1, 4} << 2u << 0;
    QTest::newRow("uneven 2x4x1x3x2") << std::vector<qint64>{2, 4, 1, 3, 2} << 3u << 0;
    QTest::newRow("single path 1x1x1") << std::vector<qint64>{1, 1, 1} << 4u << 0;
    QTest::newRow("six stages of 2") << std::vector<qint64>{2, 2, 2, 2, 2, 2, 2} << 5u << 0;
    QTest::newRow("uneven, roads missing") << std::vector<qint64>{2, 4, 1, 3, 2} << 6u << 25;
    QTest::newRow("4x4x4x4, roads missing") << std::vector<qint64>{4, 4, 4, 4} << 7u << 40;
    QTest::newRow("six stages of 3, half missing") << std::vector<qint64>{3, 3, 3, 3, 3, 3, 3} << 8u << 50;
    QTest::newRow("every road missing") << std::vector<qint64>{2, 3, 2} << 9u << 100;
}

void TestResultTable::cellsMatchListing()
{
    QFETCH(std::vector<qint64>, counts);
    QFETCH(quint32, seed);
    QFETCH(int, missing);
    QRandomGenerator rng(seed);
    auto graph = makeGraph(counts, [&](qint64) { return double(rng.bounded(1001)); });
    // Some values typed by hand: texts that differ from the number's form.
    for (qint64 r = 0; r < graph->shape.edgeCount(); r += 3)
        setText(*graph, r, QStringLiteral("0%1").arg(rng.bounded(100)));
    for (qint64 r = 0; r < graph->shape.edgeCount(); ++r)
        if (int(rng.bounded(100)) < missing)
            graph->values[size_t(r)] = kMissingRoad, graph->texts.remove(r);
    const GraphShape &shape = graph->shape;
    const int n = shape.stageCount();

    ResultTable t;
    PathTextList list(&t);
    t.setStageColumns(n);
    QVERIFY(t.setPaths(graph));
    std::vector<std::vector<qint64>> paths; // only real paths are listed
    for (auto &p : allPaths(shape))
        if (isRealPath(*graph, p))
            paths.push_back(std::move(p));
    QCOMPARE(t.rowCount(), int(paths.size()));
    QCOMPARE(list.rowCount(), int(paths.size()));
    QCOMPARE(static_cast<const QAbstractItemModel &>(list).columnCount(), 1);

    for (int r = 0; r < int(paths.size()); ++r) {
        const auto &p = paths[size_t(r)];
        auto edge = [&](int s) { return shape.edgeRow(s, p[size_t(s)], p[size_t(s) + 1]); };
        QString path = QString::number(boxNumber(shape, 0, p[0]));
        double total = 0;
        for (int s = 0; s < n; ++s) {
            const QString value = graph->text(edge(s));
            QCOMPARE(text(t, r, s), value);
            QCOMPARE(text(t, r, s, Qt::ToolTipRole), QString::number(boxNumber(shape, s + 1, p[size_t(s) + 1])));
            path += QStringLiteral(" (%1) %2").arg(value).arg(boxNumber(shape, s + 1, p[size_t(s) + 1]));
            total = s == 0 ? *parseNumber(value) : *parseNumber(value) + total;
        }
        QCOMPARE(text(t, r, 0, Qt::UserRole), QString::number(boxNumber(shape, 0, p[0])));
        QCOMPARE(text(t, r, n), formatNumber(total));
        QCOMPARE(t.total(r), total);
        QCOMPARE(text(t, r, n + 1), path);
        QCOMPARE(t.pathText(r), path);
        QCOMPARE(list.data(list.index(r)).toString(), path);
        QCOMPARE(t.positionsOfRow(r), p);
        QCOMPARE(t.rowOfPositions(p), qint64(r));
    }
    // Typing in the table finds the first row from the current one whose
    // first cell starts with the text, wrapping round.
    for (const QString &prefix : {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("05"), QStringLiteral("9")}) {
        for (int from = 0; from < t.rowCount(); from += 3) {
            std::optional<int> expected;
            for (int i = 0; i < t.rowCount() && !expected; ++i)
                if (text(t, (from + i) % t.rowCount(), 0).startsWith(prefix))
                    expected = (from + i) % t.rowCount();
            QCOMPARE(t.findRowStartingWith(prefix, from), expected);
        }
    }
}

void TestResultTable::totals_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("total");
    QTest::newRow("whole") << QStringList{"120", "35", "90", "7"} << "C" << "252";
    QTest::newRow("leading zero counts as its number") << QStringList{"120", "35", "90", "07"} << "C" << "252";
    QTest::newRow("one stage") << QStringList{"250"} << "C" << "250";
    QTest::newRow("fraction, dot") << QStringList{"0.1", "0.2"} << "C" << "0.3";
    QTest::newRow("fraction, comma") << QStringList{"0,1", "0,2"} << "tr_TR" << "0,3";
    QTest::newRow("negative") << QStringList{"-5", "2"} << "C" << "-3";
    QTest::newRow("no group separator") << QStringList{"999999", "1"} << "tr_TR" << "1000000";
}

void TestResultTable::totals()
{
    QFETCH(QStringList, values);
    QFETCH(QString, locale);
    QFETCH(QString, total);
    QLocale::setDefault(QLocale(locale));
    std::vector<qint64> counts(size_t(values.size()) + 1, 1);
    auto graph = makeGraph(counts, [](qint64) { return 0.0; });
    for (int i = 0; i < values.size(); ++i)
        setText(*graph, i, values[i]);
    ResultTable t;
    t.setStageColumns(int(values.size()));
    QVERIFY(t.setPaths(graph));
    QCOMPARE(t.rowCount(), 1);
    QCOMPARE(text(t, 0, int(values.size())), total);
    QCOMPARE(text(t, 0, 0), values[0]); // the value text is copied, not reformatted
    QVERIFY(t.pathText(0).contains(QStringLiteral("(%1)").arg(values.last())));
}

void TestResultTable::noRows()
{
    ResultTable t;
    // N = 0: one column of boxes and no edges; "Yol" is still added.
    t.setStageColumns(0);
    QVERIFY(t.setPaths(makeGraph({3}, [](qint64) { return 0.0; })));
    QCOMPARE(t.rowCount(), 0);
    QCOMPARE(headers(t), (QStringList{"Toplam", "Yol"}));

    // A column of no boxes: no path.
    t.setStageColumns(2);
    QVERIFY(t.setPaths(makeGraph({2, 0, 3}, [](qint64) { return 1.0; })));
    QCOMPARE(t.rowCount(), 0);

    // Beyond the limit: refused, nothing changes but the rows going.
    t.setStageColumns(16);
    std::vector<qint64> many(17, 3); // 3^17 paths
    QVERIFY(!t.setPaths(makeGraph(many, [](qint64) { return 1.0; })));
    QCOMPARE(t.rowCount(), 0);
    QCOMPARE(t.pathColumn(), -1);
}

void TestResultTable::rowsGoWithColumnsAndClear()
{
    ResultTable t;
    PathTextList list(&t);
    t.setStageColumns(4);
    QVERIFY(t.setPaths(defaultGraph()));
    QSignalSpy resets(&t, &QAbstractItemModel::modelReset);
    QSignalSpy listResets(&list, &QAbstractItemModel::modelReset);

    t.clearRows();
    QCOMPARE(t.rowCount(), 0);
    QCOMPARE(list.rowCount(), 0);
    QCOMPARE(t.columnCount(), 6); // columns stay

    QVERIFY(t.setPaths(defaultGraph()));
    QCOMPARE(list.rowCount(), 243);
    t.setStageColumns(2);
    QCOMPARE(t.rowCount(), 0);
    QCOMPARE(list.rowCount(), 0);
    QCOMPARE(headers(t), (QStringList{"1.Vorta", "2.Vorta", "Toplam"}));
    QCOMPARE(resets.count(), 3);
    QCOMPARE(listResets.count(), 3);
}

void TestResultTable::inPlaceEditShowsOnly()
{
    ResultTable t;
    PathTextList list(&t);
    t.setStageColumns(4);
    QVERIFY(t.setPaths(defaultGraph()));
    const QString total = text(t, 5, 4);
    const QString path = text(t, 5, 5);
    const QString tag = text(t, 5, 0, Qt::UserRole);

    QVERIFY(t.flags(t.index(5, 0)) & Qt::ItemIsEditable);
    for (int c = 1; c < t.columnCount(); ++c)
        QVERIFY(!(t.flags(t.index(5, c)) & Qt::ItemIsEditable));
    QVERIFY(!t.setData(t.index(5, 1), QStringLiteral("x"), Qt::EditRole));
    QVERIFY(!t.setData(t.index(5, 0), QStringLiteral("x"), Qt::DisplayRole));

    QSignalSpy changed(&t, &QAbstractItemModel::dataChanged);
    QVERIFY(t.setData(t.index(5, 0), QStringLiteral("abc"), Qt::EditRole));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(text(t, 5, 0), QStringLiteral("abc"));
    QCOMPARE(text(t, 5, 0, Qt::EditRole), QStringLiteral("abc"));
    QCOMPARE(text(t, 5, 4), total);
    QCOMPARE(text(t, 5, 5), path);
    QCOMPARE(text(t, 5, 0, Qt::UserRole), tag);
    QCOMPARE(list.data(list.index(5)).toString(), path);
    QVERIFY(text(t, 4, 0) != QStringLiteral("abc"));

    // A new listing shows the values again.
    QVERIFY(t.setPaths(defaultGraph()));
    QVERIFY(text(t, 5, 0) != QStringLiteral("abc"));
}

void TestResultTable::rowPositions()
{
    ResultTable t;
    t.setStageColumns(3);
    QVERIFY(t.setPaths(makeGraph({2, 3, 1, 4}, [](qint64) { return 1.0; })));
    const auto paths = allPaths(t.snapshot()->shape);
    for (int r = 0; r < int(paths.size()); ++r) {
        QCOMPARE(t.positionsOfRow(r), paths[size_t(r)]);
        QCOMPARE(t.rowOfPositions(paths[size_t(r)]), qint64(r));
    }
    QCOMPARE(t.rowOfPositions(std::vector<qint64>{0, 3, 0, 0}), qint64(-1));
    QCOMPARE(t.rowOfPositions(std::vector<qint64>{0, 0, 0}), qint64(-1));
    QVERIFY(t.positionsOfRow(24).empty());
}

void TestResultTable::millionsOfRowsAtOnce()
{
    // 15 columns of 3 boxes: 14,348,907 rows, listed without visiting them.
    std::vector<qint64> counts(15, 3);
    const auto graph = makeGraph(counts, [](qint64 r) { return double(r % 10); });
    ResultTable t;
    t.setStageColumns(14);
    QVERIFY(t.setPaths(graph));
    QCOMPARE(t.rowCount(), 14348907);
    QVERIFY(!text(t, 0, 0).isEmpty());

    const int last = t.rowCount() - 1;
    QList<qint64> lastBoxes;
    for (int c = 0; c < 15; ++c)
        lastBoxes << 3 * c + 3;
    QCOMPARE(boxesOfPathText(text(t, last, 15)), lastBoxes);
    QCOMPARE(text(t, last, 0, Qt::UserRole), QStringLiteral("3"));
    QCOMPARE(text(t, last, 13, Qt::ToolTipRole), QStringLiteral("45"));
}

void TestResultTable::modelTester()
{
    ResultTable t;
    PathTextList list(&t);
    QAbstractItemModelTester tableTester(&t, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester listTester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    t.setStageColumns(4);
    QVERIFY(t.setPaths(defaultGraph()));
    QVERIFY(t.setData(t.index(3, 0), QStringLiteral("9"), Qt::EditRole));
    QVERIFY(t.setPaths(makeGraph({2, 3, 1, 2, 2}, [](qint64 r) { return r * 0.5; })));
    t.clearRows();
    t.setStageColumns(1);
    QVERIFY(t.setPaths(makeGraph({2, 3}, [](qint64 r) { return double(r); })));
    t.setStageColumns(0);
    QVERIFY(t.setPaths(makeGraph({3}, [](qint64) { return 0.0; })));
}

QTEST_GUILESS_MAIN(TestResultTable)
#include "tst_resulttable.moc"

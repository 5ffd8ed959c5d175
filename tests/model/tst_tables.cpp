// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three table models: stage table, edge table and the one-stage filter.
#include "model/edgetable.h"
#include "model/stagefilter.h"
#include "model/stagetable.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace stagepath;
using Counts = std::vector<qint64>;

namespace {
const QLocale turkish(QLocale::Turkish, QLocale::Turkey);

void attachTester(QAbstractItemModel *model)
{
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, model);
}

// Values 0, 62 (1/16: a half, to even), 500, 1000, then again.
SequenceRandom fixedValues() { return SequenceRandom({0.0f, 1.0f / 16, 0.5f, std::nextafter(1.0f, 0.0f)}); }
const QStringList fixedTexts{"0", "62", "500", "1000"};

QStringList rowTexts(const QAbstractItemModel &model, int row)
{
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
        cells << model.index(row, c).data().toString();
    return cells;
}

QStringList headers(const QAbstractItemModel &model)
{
    QStringList texts;
    for (int c = 0; c < model.columnCount(); ++c)
        texts << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return texts;
}

// "from-to" of every row of an edge model, in order.
QString pairs(const QAbstractItemModel &model)
{
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.index(r, 1).data().toString() + u'-' + model.index(r, 2).data().toString();
    return out.join(u' ');
}
} // namespace

class TestTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void stageRebuild_data();
    void stageRebuild();
    void stageEdit_data();
    void stageEdit();
    void stageCountText_data();
    void stageCountText();

    void edgeStart();
    void edgeLargeNumbersArePlainDigits();
    void edgeEdit_data();
    void edgeEdit();
    void edgeSnapshotAndRegenerate();

    void filterStages_data();
    void filterStages();
    void filterFollowsEdgeTable();
};

void TestTables::stageRebuild_data()
{
    QTest::addColumn<int>("stages");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("N=4") << 4 << QStringList{"1.Vorta", "2.Vorta", "3.Vorta", "4.Vorta", "5.Vorta"}
                         << QStringList{"Tümü", "1.Vorta", "2.Vorta", "3.Vorta", "4.Vorta"};
    QTest::newRow("N=1") << 1 << QStringList{"1.Vorta", "2.Vorta"} << QStringList{"Tümü", "1.Vorta"};
    QTest::newRow("N=0") << 0 << QStringList{"1.Vorta"} << QStringList{"Tümü"};
}

void TestTables::stageRebuild()
{
    QFETCH(int, stages);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, tabs);
    StageTable table;
    attachTester(&table);
    table.rebuild(7);
    QVERIFY(table.setData(table.index(1, 0), "5"));
    table.rebuild(stages); // edited counts go back to "3"

    QCOMPARE(headers(table), (QStringList{"Vorta", "Sayı"}));
    QCOMPARE(table.rowCount(), labels.size());
    for (int r = 0; r < table.rowCount(); ++r) {
        QCOMPARE(rowTexts(table, r), (QStringList{"3", labels[r]}));
        QVERIFY(table.flags(table.index(r, 0)) & Qt::ItemIsEditable);
        QVERIFY(!(table.flags(table.index(r, 1)) & Qt::ItemIsEditable));
    }
    QVERIFY(!table.setData(table.index(0, 1), "9"));
    QCOMPARE(table.boxCounts(), Counts(size_t(stages + 1), 3));
    QCOMPARE(stageTabCaptions(stages), tabs);
}

void TestTables::stageEdit_data()
{
    QTest::addColumn<bool>("isTurkish");
    QTest::addColumn<int>("stages");
    QTest::addColumn<QStringList>("before"); // accepted edits first, "row=text"
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("count");       // -1: refused
    QTest::addColumn<QString>("why");        // part of the refusal message

    QTest::newRow("5") << false << 4 << QStringList() << 2 << "5" << qint64(5) << "";
    QTest::newRow("05 kept as typed") << false << 4 << QStringList() << 0 << "05" << qint64(5) << "";
    QTest::newRow("0") << false << 4 << QStringList() << 4 << "0" << qint64(0) << "";
    QTest::newRow("tr: 5,0") << true << 4 << QStringList() << 1 << "5,0" << qint64(5) << "";
    QTest::newRow("one column at its limit") << false << 1 << QStringList() << 0 << "100000" << qint64(100000) << "";
    QTest::newRow("letters") << false << 4 << QStringList() << 1 << "abc" << qint64(-1) << "tam sayı";
    QTest::newRow("negative") << false << 4 << QStringList() << 1 << "-1" << qint64(-1) << "tam sayı";
    QTest::newRow("fraction") << false << 4 << QStringList() << 3 << "2.5" << qint64(-1) << "tam sayı";
    QTest::newRow("tr: fraction") << true << 4 << QStringList() << 3 << "2,5" << qint64(-1) << "tam sayı";
    QTest::newRow("C: Turkish fraction") << false << 4 << QStringList() << 3 << "2,5" << qint64(-1) << "tam sayı";
    QTest::newRow("empty") << false << 4 << QStringList() << 0 << "" << qint64(-1) << "tam sayı";
    QTest::newRow("over a column's limit") << false << 4 << QStringList() << 0 << "100001" << qint64(-1) << "100000";
    QTest::newRow("edges at their limit") << false << 1 << QStringList{"0=100000"} << 1 << "10" << qint64(10) << "";
    QTest::newRow("edges over their limit")
        << false << 1 << QStringList{"0=100000"} << 1 << "11" << qint64(-1) << "Çizgi sayısı (Değer / Kutu No / Diğer Kutu / Vorta tablosunun satırları) en çok 1000000";
    QTest::newRow("boxes at their limit")
        << false << 3 << QStringList{"1=0", "2=100000", "3=0"} << 0 << "100000" << qint64(100000) << "";
    QTest::newRow("boxes over their limit")
        << false << 4 << QStringList{"1=0", "3=0", "4=0", "0=100000", "2=100000"} << 4 << "1" << qint64(-1)
        << "kutuların toplamı en çok 200000";
}

void TestTables::stageEdit()
{
    QFETCH(bool, isTurkish);
    QFETCH(int, stages);
    QFETCH(QStringList, before);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(qint64, count);
    QFETCH(QString, why);
    QLocale::setDefault(isTurkish ? turkish : QLocale::c());

    StageTable table;
    attachTester(&table);
    table.rebuild(stages);
    for (const QString &edit : before)
        QVERIFY(table.setData(table.index(edit.section(u'=', 0, 0).toInt(), 0), edit.section(u'=', 1)));
    const QString oldText = table.countText(row);
    const Counts oldCounts = table.boxCounts();
    QSignalSpy edited(&table, &StageTable::countEdited);
    QSignalSpy refused(&table, &StageTable::editRefused);
    QSignalSpy changed(&table, &QAbstractItemModel::dataChanged);

    const bool accepted = table.setData(table.index(row, 0), text);
    QCOMPARE(accepted, count >= 0);
    if (accepted) {
        QCOMPARE(table.index(row, 0).data().toString(), text);
        QCOMPARE(table.boxCounts()[size_t(row)], count);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(edited.at(0).at(0).toInt(), row);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(refused.size(), 0);
    } else {
        QCOMPARE(table.index(row, 0).data().toString(), oldText);
        QCOMPARE(table.boxCounts(), oldCounts);
        QCOMPARE(edited.size(), 0);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(refused.size(), 1);
        const QString message = refused.at(0).at(0).toString();
        QVERIFY2(message.contains(why) && message.contains(stageLabel(row + 1)), qPrintable(message));
    }
}

void TestTables::stageCountText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: refused
    QTest::addColumn<QString>("why");
    QTest::newRow("4") << "4" << 4 << "";
    QTest::newRow("0") << "0" << 0 << "";
    QTest::newRow("limit") << "1000" << 1000 << "";
    QTest::newRow("over the limit") << "1001" << -1 << "en çok 1000";
    QTest::newRow("negative") << "-1" << -1 << "tam sayı";
    QTest::newRow("fraction") << "2.5" << -1 << "tam sayı";
    QTest::newRow("empty") << "" << -1 << "tam sayı";
}

void TestTables::stageCountText()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(QString, why);
    QString message;
    QCOMPARE(readStageCount(text, &message).value_or(-1), expected);
    QVERIFY2(message.contains(why), qPrintable(message));
}

void TestTables::edgeStart()
{
    QLocale::setDefault(turkish);
    EdgeTable table;
    attachTester(&table);
    auto random = fixedValues();
    table.regenerate({3, 3, 3, 3, 3}, random);

    QCOMPARE(headers(table), (QStringList{"Değer", "Kutu No", "Diğer Kutu", "Vorta"}));
    QCOMPARE(table.rowCount(), 36);
    QCOMPARE(pairs(table), "1-4 1-5 1-6 2-4 2-5 2-6 3-4 3-5 3-6 4-7 4-8 4-9 5-7 5-8 5-9 6-7 6-8 6-9 "
                           "7-10 7-11 7-12 8-10 8-11 8-12 9-10 9-11 9-12 "
                           "10-13 10-14 10-15 11-13 11-14 11-15 12-13 12-14 12-15");
    for (int r = 0; r < 36; ++r) {
        QCOMPARE(table.index(r, 0).data().toString(), fixedTexts[r % 4]);
        QCOMPARE(table.index(r, 0).data(Qt::EditRole).toString(), fixedTexts[r % 4]);
        QCOMPARE(table.index(r, 3).data().toString(), QString::number(r / 9 + 1));
    }
    QCOMPARE(table.edges().value(1), 62.0);
    QVERIFY(!table.edges().firstNonNumber());
}

void TestTables::edgeLargeNumbersArePlainDigits()
{
    QLocale::setDefault(turkish);
    EdgeTable table;
    auto random = fixedValues();
    table.regenerate({1500, 2}, random);
    QCOMPARE(rowTexts(table, 2999), (QStringList{"1000", "1500", "1502", "1"}));
    QCOMPARE(rowTexts(table, 2998), (QStringList{"500", "1500", "1501", "1"}));
}

void TestTables::edgeEdit_data()
{
    QTest::addColumn<bool>("isTurkish");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // NaN: not a number
    QTest::newRow("plain") << false << "7" << 7.0;
    QTest::newRow("leading zero kept") << false << "07" << 7.0;
    QTest::newRow("letters kept") << false << "abc" << qQNaN();
    QTest::newRow("empty") << false << "" << qQNaN();
    QTest::newRow("spaces kept") << false << " 12 " << 12.0;
    QTest::newRow("minus zero kept") << false << "-0" << 0.0;
    QTest::newRow("C: fraction") << false << "4.5" << 4.5;
    QTest::newRow("C: comma is no decimal") << false << "4,5" << qQNaN();
    QTest::newRow("tr: fraction") << true << "4,5" << 4.5;
    QTest::newRow("tr: trailing zero kept") << true << "4,50" << 4.5;
    QTest::newRow("tr: grouped") << true << "1.000" << 1000.0;
    QTest::newRow("tr: point is no decimal") << true << "4.5" << qQNaN();
}

void TestTables::edgeEdit()
{
    QFETCH(bool, isTurkish);
    QFETCH(QString, text);
    QFETCH(double, value);
    QLocale::setDefault(isTurkish ? turkish : QLocale::c());

    EdgeTable table;
    attachTester(&table);
    auto random = fixedValues();
    table.regenerate({3, 3, 3}, random);
    QSignalSpy edited(&table, &EdgeTable::valueEdited);
    QSignalSpy changed(&table, &QAbstractItemModel::dataChanged);

    const int row = 13;
    QVERIFY(table.setData(table.index(row, 0), text));
    QCOMPARE(edited.size(), 1);
    QCOMPARE(edited.at(0).at(0).toLongLong(), qint64(row));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), table.index(row, 0));
    QCOMPARE(table.index(row, 0).data().toString(), text);
    QCOMPARE(rowTexts(table, row).mid(1), (QStringList{"5", "8", "2"}));
    QCOMPARE(table.edges().isNumber(row), !std::isnan(value));
    if (std::isnan(value)) {
        QVERIFY(std::isnan(table.edges().value(row)));
        QCOMPARE(table.edges().firstNonNumber(), std::optional<qint64>(row));
    } else {
        QCOMPARE(table.edges().value(row), value);
        QVERIFY(!table.edges().firstNonNumber());
    }
    // The neighbours keep their values.
    QCOMPARE(table.valueText(row - 1), fixedTexts[(row - 1) % 4]);
    QCOMPARE(table.valueText(row + 1), fixedTexts[(row + 1) % 4]);

    // Typing the plain form afterwards shows the plain form.
    QVERIFY(table.setData(table.index(row, 0), "8"));
    QCOMPARE(table.index(row, 0).data().toString(), "8");
    QCOMPARE(table.edges().value(row), 8.0);
    QVERIFY(!table.edges().firstNonNumber());

    // Other columns take no edit.
    QVERIFY(table.flags(table.index(row, 0)) & Qt::ItemIsEditable);
    QVERIFY(!(table.flags(table.index(row, 3)) & Qt::ItemIsEditable));
    QVERIFY(!table.setData(table.index(row, 1), "99"));
    QCOMPARE(table.index(row, 1).data().toString(), "5");
    QCOMPARE(edited.size(), 2);
}

void TestTables::edgeSnapshotAndRegenerate()
{
    EdgeTable table;
    attachTester(&table);
    auto random = fixedValues();
    table.regenerate({3, 3, 3, 3, 3}, random);

    const EdgeDataPtr before = table.snapshot();
    QVERIFY(table.setData(table.index(2, 0), "07"));
    QVERIFY(table.setData(table.index(30, 0), "x"));
    QVERIFY(table.setData(table.index(5, 0), "y"));
    QCOMPARE(before->text(2), "500");
    QCOMPARE(before->value(2), 500.0);
    QVERIFY(!before->firstNonNumber());
    QCOMPARE(table.valueText(2), "07");
    QCOMPARE(table.edges().firstNonNumber(), std::optional<qint64>(5));

    const EdgeDataPtr after = table.snapshot();
    QVERIFY(table.setData(table.index(5, 0), "6"));
    QCOMPARE(after->text(5), "y");
    QCOMPARE(table.edges().firstNonNumber(), std::optional<qint64>(30));

    // A regeneration draws every value anew, edited ones included.
    QSignalSpy reset(&table, &QAbstractItemModel::modelReset);
    SequenceRandom sevens({0.007f});
    table.regenerate({3, 3, 3, 3, 3}, sevens);
    QCOMPARE(reset.size(), 1);
    for (int r = 0; r < 36; ++r)
        QCOMPARE(table.valueText(r), "7");
    QVERIFY(!table.edges().firstNonNumber());
    QCOMPARE(before->text(2), "500");
    QCOMPARE(after->text(2), "07");
}

void TestTables::filterStages_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tab 2: first stage") << Counts{3, 3, 3, 3, 3} << 0 << "1-4 1-5 1-6 2-4 2-5 2-6 3-4 3-5 3-6";
    QTest::newRow("tab 5: fourth stage")
        << Counts{3, 3, 3, 3, 3} << 3 << "10-13 10-14 10-15 11-13 11-14 11-15 12-13 12-14 12-15";
    QTest::newRow("2,3,1 second stage") << Counts{2, 3, 1} << 1 << "3-6 4-6 5-6";
    QTest::newRow("columns of 2 and 0") << Counts{2, 0, 3} << 0 << "";
    QTest::newRow("after an empty stage") << Counts{2, 0, 3, 1} << 2 << "3-6 4-6 5-6";
    QTest::newRow("no stage chosen") << Counts{3, 3} << -1 << "";
    QTest::newRow("stage beyond the graph") << Counts{3, 3} << 1 << "";
}

void TestTables::filterStages()
{
    QFETCH(Counts, counts);
    QFETCH(int, stage);
    QFETCH(QString, expected);
    EdgeTable table;
    auto random = fixedValues();
    table.regenerate(counts, random);
    StageFilter filter(&table);
    attachTester(&filter);
    filter.setStage(stage);

    QCOMPARE(filter.stage(), stage);
    QCOMPARE(headers(filter), headers(table));
    QCOMPARE(pairs(filter), expected);
    for (int r = 0; r < filter.rowCount(); ++r) {
        QCOMPARE(rowTexts(filter, r), rowTexts(table, int(filter.sourceRow(r))));
        QCOMPARE(filter.index(r, 3).data().toString(), QString::number(stage + 1));
    }
}

void TestTables::filterFollowsEdgeTable()
{
    EdgeTable table;
    attachTester(&table);
    auto random = fixedValues();
    table.regenerate({3, 3, 3, 3, 3}, random);
    StageFilter filter(&table);
    attachTester(&filter);
    filter.setStage(1);
    QCOMPARE(filter.sourceRow(0), 9);

    // An edit in the edge table shows in the filter at the mapped row.
    QSignalSpy changed(&filter, &QAbstractItemModel::dataChanged);
    QVERIFY(table.setData(table.index(11, 0), "123"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), filter.index(2, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), filter.index(2, 0));
    QCOMPARE(filter.index(2, 0).data().toString(), "123");
    // Edits in other stages do not touch it.
    QVERIFY(table.setData(table.index(8, 0), "1"));
    QVERIFY(table.setData(table.index(18, 0), "1"));
    QCOMPARE(changed.size(), 1);

    // An edit through the filter is an edit of the edge table.
    QSignalSpy edited(&table, &EdgeTable::valueEdited);
    QVERIFY(filter.setData(filter.index(4, 0), "abc"));
    QCOMPARE(edited.size(), 1);
    QCOMPARE(edited.at(0).at(0).toLongLong(), 13);
    QCOMPARE(table.valueText(13), "abc");
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(1).at(0).toModelIndex(), filter.index(4, 0));
    QVERIFY(!(filter.flags(filter.index(4, 1)) & Qt::ItemIsEditable));
    QVERIFY(!filter.setData(filter.index(4, 1), "9"));
    QCOMPARE(table.index(13, 1).data().toString(), "5");

    // A regeneration resets it to the stage in the new shape.
    QSignalSpy reset(&filter, &QAbstractItemModel::modelReset);
    table.regenerate({3, 2, 1, 3, 3}, random);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(pairs(filter), "4-6 5-6");
    QCOMPARE(filter.sourceRow(0), 6);
    table.regenerate({3}, random);
    QCOMPARE(filter.rowCount(), 0);
    QCOMPARE(filter.stage(), 1);
    table.regenerate({3, 3, 3}, random);
    QCOMPARE(filter.rowCount(), 9);
}

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"

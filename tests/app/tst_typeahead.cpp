// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Type-ahead in every table: each model's search agrees with reading every
// row, and the report view picks the rows the toolkit's own type-ahead picks.

#include "app/tables/reportview.h"
#include "model/edgetable.h"
#include "model/stagefilter.h"
#include "model/stagetable.h"
#include "solver/resulttable.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

using namespace stagepath;

namespace {

// The first row at or after from, wrapping, whose first cell starts with prefix: by reading every row.
std::optional<int> readEveryRow(const QAbstractItemModel &model, const QString &prefix, int from)
{
    const int rows = model.rowCount();
    for (int i = 0; i < rows; ++i) {
        const int row = (from + i) % rows;
        if (model.index(row, 0).data().toString().startsWith(prefix, Qt::CaseInsensitive))
            return row;
    }
    return std::nullopt;
}

const QStringList oddTexts{QStringLiteral("07"), QStringLiteral("abc"), QStringLiteral("Abd"),
                           QStringLiteral("-5"), QStringLiteral("5,5"), QStringLiteral("5.5"),
                           QStringLiteral("1e3"), QStringLiteral(" 12")};

// Prefixes worth typing: beginnings of the table's texts, and some that match nothing.
QStringList prefixesOf(const QAbstractItemModel &model, QRandomGenerator &random)
{
    QStringList prefixes{QStringLiteral("9999"), QStringLiteral("x"), QStringLiteral("A")};
    for (int i = 0; i < 12 && model.rowCount() > 0; ++i) {
        const QString text = model.index(int(random.bounded(model.rowCount())), 0).data().toString();
        if (!text.isEmpty())
            prefixes << text.left(1 + int(random.bounded(text.size())));
    }
    return prefixes;
}

void compareSearches(const QAbstractItemModel &model, QRandomGenerator &random, const char *what)
{
    const auto *search = dynamic_cast<const PrefixSearch *>(&model);
    QVERIFY(search);
    for (const QString &prefix : prefixesOf(model, random)) {
        for (int k = 0; k < 4; ++k) {
            const int from = model.rowCount() > 0 ? int(random.bounded(model.rowCount())) : 0;
            QVERIFY2(search->findRowStartingWith(prefix, from) == readEveryRow(model, prefix, from),
                     qPrintable(QStringLiteral("%1: \"%2\" from %3").arg(QLatin1String(what), prefix).arg(from)));
        }
    }
}

} // namespace

class TestTypeAhead : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modelsAgreeWithReadingEveryRow_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey);
    }
    void modelsAgreeWithReadingEveryRow()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        QRandomGenerator random(20261207);
        for (int round = 0; round < 60; ++round) {
            const int stages = 1 + int(random.bounded(4));
            StageTable stageTable;
            stageTable.rebuild(stages);
            for (int c = 0; c <= stages; ++c)
                stageTable.setData(stageTable.index(c, 0), QString::number(1 + random.bounded(4)));
            EdgeTable edges;
            std::vector<float> draws;
            for (int i = 0; i < 64; ++i)
                draws.push_back(float(random.bounded(1.0)));
            SequenceRandom source(draws);
            edges.regenerate(stageTable.boxCounts(), source);
            for (int i = 0; i < 3; ++i) {
                const int row = int(random.bounded(edges.rowCount()));
                edges.setData(edges.index(row, 0), oddTexts[int(random.bounded(oddTexts.size()))]);
            }
            ResultTable results;
            results.setStageColumns(stages);
            results.setPaths(edges.snapshot());
            for (int i = 0; i < 3 && results.rowCount() > 0; ++i) {
                const int row = int(random.bounded(results.rowCount()));
                results.setData(results.index(row, 0), oddTexts[int(random.bounded(oddTexts.size()))]);
            }
            QAbstractItemModelTester tester(&results, QAbstractItemModelTester::FailureReportingMode::QtTest);

            compareSearches(stageTable, random, "stage table");
            compareSearches(edges, random, "edge table");
            compareSearches(results, random, "result table");
            StageFilter filter(&edges);
            filter.setStage(int(random.bounded(stages)));
            compareSearches(filter, random, "one stage");
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Typed keys move the current row as they move it in the toolkit's own table view.
    void viewTypesAheadAsTheToolkitDoes()
    {
        QLocale::setDefault(QLocale::c());
        QApplication::setKeyboardInputInterval(80);
        EdgeTable edges;
        SequenceRandom source({0.5f, 0.05f, 0.55f, 0.555f, 0.1f, 0.505f, 0.9f, 0.51f});
        edges.regenerate({4, 4}, source);
        edges.setData(edges.index(6, 0), QStringLiteral("abc"));
        ReportView view;
        view.setModel(&edges);
        QStandardItemModel plain(edges.rowCount(), 1);
        for (int r = 0; r < edges.rowCount(); ++r)
            plain.setItem(r, 0, new QStandardItem(edges.index(r, 0).data().toString()));
        QTableView reference;
        reference.setModel(&plain);

        // Words typed quickly, with pauses between them.
        const QStringList words{QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("55"),
                                QStringLiteral("555"), QStringLiteral("50"), QStringLiteral("A"),
                                QStringLiteral("9"), QStringLiteral("5"), QStringLiteral("zz")};
        for (const QString &word : words) {
            for (const QChar key : word) {
                view.keyboardSearch(QString(key));
                reference.keyboardSearch(QString(key));
            }
            QCOMPARE(view.currentIndex().row(), reference.currentIndex().row());
            QTest::qWait(120);
        }
    }
};

QTEST_MAIN(TestTypeAhead)
#include "tst_typeahead.moc"

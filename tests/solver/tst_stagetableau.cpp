// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stage tableaux, both recursions, against a brute force over every
// partial path of random lessons (ties, tenths, missing roads), and the
// stagecoach lesson as a teacher works it on the board.

#include "graphs.h"

#include "solver/stagetableau.h"
#include "solver/stagetableautable.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <optional>

using namespace stagepath;
using namespace stagepath::test;

namespace {

double written(double total)
{
    return QLocale::c().toString(total, 'g', 15).toDouble();
}

// Best totals by brute force: every partial path from the first column to a
// box (forward, added left to right) or from a box to the last column
// (backward, added right to left), roads that do not exist left out.
struct Brute {
    const EdgeData &d;
    bool longest;
    bool forward;

    bool better(double a, double b) const { return longest ? a > b : a < b; }

    // Every total of a partial path that ends (forward) or starts (backward) at the box.
    void totals(int column, qint64 j, const std::function<void(double)> &take) const
    {
        const GraphShape &g = d.shape;
        const int end = forward ? 0 : g.columnCount() - 1;
        if (column == end) {
            take(0);
            return;
        }
        const int next = forward ? column - 1 : column + 1;
        for (qint64 k = 0; k < g.boxCount(next); ++k) {
            const qint64 row = forward ? g.edgeRow(next, k, j) : g.edgeRow(column, j, k);
            if (d.isMissing(row))
                continue;
            const double v = d.value(row);
            totals(next, k, [&](double t) { take(forward ? t + v : v + t); });
        }
    }
    std::optional<double> best(int column, qint64 j) const
    {
        std::optional<double> b;
        totals(column, j, [&](double t) {
            if (!b || better(t, *b))
                b = t;
        });
        return b;
    }
    qint64 ties(int column, qint64 j, double bestTotal) const
    {
        qint64 n = 0;
        totals(column, j, [&](double t) { n += written(t) == written(bestTotal); });
        return n;
    }
};

} // namespace

class TestStageTableau : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void tableauxAgreeWithEveryPartialPath()
    {
        QRandomGenerator random(20);
        for (int round = 0; round < 60; ++round) {
            std::vector<qint64> counts(size_t(random.bounded(2, 6)));
            for (qint64 &n : counts)
                n = random.bounded(1, 5);
            const int kind = round % 3; // whole values with many ties, tenths, missing roads
            auto data = makeGraph(counts, [&](qint64) {
                if (kind == 2 && random.bounded(4) == 0)
                    return kMissingRoad;
                return kind == 1 ? random.bounded(1, 4) / 10.0 : double(random.bounded(-1, 3));
            });
            const EdgeDataPtr snapshot = data;
            const GraphShape &g = data->shape;
            const auto paths = allPaths(g);
            for (bool longest : {false, true}) {
                // The full paths as the listing adds them, and "Çiz"'s choice among them.
                std::optional<double> bestFull;
                std::vector<std::pair<std::vector<qint64>, double>> real;
                for (const auto &p : paths) {
                    double t = 0;
                    bool exists = true;
                    for (int c = 0; c + 1 < g.columnCount(); ++c) {
                        const qint64 row = g.edgeRow(c, p[size_t(c)], p[size_t(c) + 1]);
                        exists = exists && !data->isMissing(row);
                        t += data->value(row);
                    }
                    if (!exists)
                        continue;
                    real.push_back({p, t});
                    if (!bestFull || (longest ? t > *bestFull : t < *bestFull))
                        bestFull = t;
                }
                for (Recursion r : {Recursion::Forward, Recursion::Backward}) {
                    const PathMode mode = longest ? PathMode::Longest : PathMode::Shortest;
                    const StageProgram program(snapshot, mode, r);
                    const Brute brute{*data, longest, r == Recursion::Forward};
                    const QByteArray where = QByteArray("round ") + QByteArray::number(round)
                        + (longest ? " longest" : " shortest") + (brute.forward ? " forward" : " backward");
                    for (int step = 1; step <= program.stepCount(); ++step) {
                        const int c = program.solvedColumn(step), n = program.neighbourColumn(step);
                        for (qint64 j = 0; j < g.boxCount(c); ++j) {
                            const qint64 box = g.globalBox(c, j) - 1;
                            const auto best = brute.best(c, j);
                            QVERIFY2(program.reachable(box) == best.has_value(), where);
                            if (!best)
                                continue;
                            QVERIFY2(program.best(box) == *best, where);
                            QVERIFY2(program.tieCount(box) == quint64(brute.ties(c, j, *best)), where);
                            if (n < 0)
                                continue;
                            std::vector<qint64> chosen;
                            for (qint64 k = 0; k < g.boxCount(n); ++k) {
                                const qint64 row = brute.forward ? g.edgeRow(n, k, j) : g.edgeRow(c, j, k);
                                const auto from = brute.best(n, k);
                                double cell = 0;
                                const bool shown = program.candidate(step, j, k, &cell);
                                QVERIFY2(shown == (from && !data->isMissing(row)), where);
                                if (!shown)
                                    continue;
                                QVERIFY2(cell == (brute.forward ? *from + data->value(row) : data->value(row) + *from),
                                         where);
                                if (written(cell) == written(*best))
                                    chosen.push_back(k);
                            }
                            QVERIFY2(program.choices(step, j, 1000) == chosen, where);
                            QCOMPARE(program.firstChoice(box), chosen.empty() ? -1 : g.globalBox(n, chosen[0]) - 1);
                        }
                    }
                    // The whole lesson: "Çiz"'s total, tie count and marked path.
                    QVERIFY2(program.hasPath() == bestFull.has_value(), where);
                    if (!bestFull)
                        continue;
                    QVERIFY2(written(program.total()) == written(*bestFull), where);
                    quint64 count = 0;
                    const std::vector<qint64> *first = nullptr;
                    for (const auto &[p, t] : real)
                        if (written(t) == written(*bestFull) && count++ == 0)
                            first = &p;
                    QVERIFY2(program.pathCount() == count, where);
                    QVERIFY2(program.positions() == *first, where);
                }
            }
        }
    }

    // The tableaux of the stagecoach lesson, backward as the board has them.
    void stagecoachTableaux()
    {
        const std::vector<double> values{2, 4, 3, 7, 4, 6, 3, 2, 4, 4, 1, 5, 1, 4, 6, 3, 3, 3, 3, 4};
        auto data = makeGraph({1, 3, 3, 2, 1}, [&](qint64 row) { return values[size_t(row)]; });
        auto names = std::make_shared<BoxNames>();
        for (char c = 'A'; c <= 'J'; ++c)
            names->push_back(QString(QChar(c)));
        data->names = names;
        StageTableauTable table;
        QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto program = std::make_shared<const StageProgram>(data, PathMode::Shortest, Recursion::Backward);
        auto shown = [&table] {
            QList<QStringList> rows;
            QStringList header;
            for (int c = 0; c < table.columnCount(); ++c)
                header << table.headerData(c, Qt::Horizontal).toString();
            rows << header;
            for (int r = 0; r < table.rowCount(); ++r) {
                QStringList row;
                for (int c = 0; c < table.columnCount(); ++c)
                    row << table.index(r, c).data().toString();
                rows << row;
            }
            return rows;
        };
        QCOMPARE(table.rowCount(), 0);
        table.setStep(program, 2);
        QCOMPARE(shown(), (QList<QStringList>{{"Kutu", "J", "En iyi", "Seçilen"}, {"H", "3", "3", "J"}, {"I", "4", "4", "J"}}));
        table.setStep(program, 3);
        QCOMPARE(shown(), (QList<QStringList>{{"Kutu", "H", "I", "En iyi", "Seçilen"},
                                              {"E", "4", "8", "4", "H"},
                                              {"F", "9", "7", "7", "I"},
                                              {"G", "6", "7", "6", "H"}}));
        table.setStep(program, 4);
        QCOMPARE(shown(), (QList<QStringList>{{"Kutu", "E", "F", "G", "En iyi", "Seçilen"},
                                              {"B", "11", "11", "12", "11", "E, F"},
                                              {"C", "7", "9", "10", "7", "E"},
                                              {"D", "8", "8", "11", "8", "E, F"}}));
        QCOMPARE(table.index(0, 1).data(Qt::ToolTipRole).toString(), "7 + 4");
        QVERIFY(table.index(0, 2).data(Qt::BackgroundRole).isValid());
        QVERIFY(!table.index(0, 3).data(Qt::BackgroundRole).isValid());
        table.setStep(program, 5);
        QCOMPARE(shown(), (QList<QStringList>{{"Kutu", "B", "C", "D", "En iyi", "Seçilen"},
                                              {"A", "13", "11", "11", "11", "C, D"}}));
        QCOMPARE(recurrenceText(*program, 5, 0), "f(A) = min{ 2 + f(B), 4 + f(C), 3 + f(D) } = min{ 13, 11, 11 } = 11");
        QCOMPARE(program->pathCount(), 3u);
        QCOMPARE(program->positions(), (std::vector<qint64>{0, 1, 0, 0, 0}));

        const StageProgram forward(data, PathMode::Shortest, Recursion::Forward);
        QCOMPARE(recurrenceText(forward, 4, 0), "f(H) = min{ f(E) + 1, f(F) + 6, f(G) + 3 } = min{ 8, 10, 11 } = 8");
        QCOMPARE(forward.positions(), program->positions());

        // A missing road is no candidate; a box no path reaches has no best.
        data->values[0] = kMissingRoad; // A-B
        auto cut = std::make_shared<const StageProgram>(data, PathMode::Shortest, Recursion::Forward);
        table.setStep(cut, 2);
        QCOMPARE(shown().at(1), (QStringList{"B", "-", "-", ""}));
        QCOMPARE(table.index(0, 1).data(Qt::ToolTipRole).toString(), "Bu yol yok");
        table.setStep(cut, 3);
        QCOMPARE(table.index(0, 1).data().toString(), "-"); // E from B
        QCOMPARE(table.index(0, 1).data(Qt::ToolTipRole).toString(), "7 + -");
    }

    // A neighbouring column wider than a page is shown page by page; the
    // best and the choices weigh all of it.
    void widePagesKeepTheWholeRow()
    {
        const qint64 wide = StageTableauTable::pageSize * 2 + 5;
        auto data = makeGraph({wide, 2}, [&](qint64 row) { return row == 2 * (wide - 1) + 1 ? -1.0 : double(row % 7); });
        StageTableauTable table;
        QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
        table.setStep(std::make_shared<const StageProgram>(data, PathMode::Shortest, Recursion::Forward), 2);
        QCOMPARE(table.pageCount(), 3);
        QCOMPARE(table.columnCount(), 1 + int(StageTableauTable::pageSize) + 2);
        QCOMPARE(table.index(1, table.bestColumn()).data().toString(), "-1");
        QCOMPARE(table.index(1, table.choiceColumn()).data().toString(), QString::number(wide));
        table.setPage(2);
        QCOMPARE(table.columnCount(), 1 + 5 + 2);
        QCOMPARE(table.headerData(5, Qt::Horizontal).toString(), QString::number(wide));
        QCOMPARE(table.index(1, 5).data().toString(), "-1");
    }
};

QTEST_MAIN(TestStageTableau)
#include "tst_stagetableau.moc"

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tables as CSV, read back with an RFC 4180 reader (csvreader.h): every
// cell of the edge table and of the result table, in-place edits and odd
// texts included, under the C and the Turkish locale; numbers in the C form
// exactly as QLocale writes them; a file written whole or not at all.

#include "csvreader.h"
#include "lesson/lessons.h"

#include "model/boxnames.h"
#include "model/edgetable.h"
#include "model/numbers.h"
#include "share/csvformat.h"
#include "share/csvoutput.h"
#include "share/edgecsv.h"
#include "share/resultcsv.h"
#include "share/savedfile.h"
#include "share/taskprogress.h"
#include "solver/resulttable.h"

#include <QBuffer>
#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <bit>
#include <cmath>

using namespace stagepath;

namespace {

QByteArray cForm(double value)
{
    return formatNumber(value, QLocale::c()).toUtf8();
}

// What a typed cell becomes in CSV: its number in the C form, or the text.
QString csvCell(const QString &typed)
{
    const auto number = parseNumber(typed);
    return number ? QString::fromUtf8(cForm(*number)) : typed;
}

// A lesson whose values are all numbers, typed in the default locale's form.
EdgeDataPtr numericEdges(QRandomGenerator &rng)
{
    std::vector<qint64> counts;
    for (int c = rng.bounded(1, 6); c > 0; --c)
        counts.push_back(rng.bounded(1, 5));
    auto shaped = std::make_shared<EdgeData>();
    shaped->shape = GraphShape(counts);
    shaped->values.assign(size_t(shaped->shape.edgeCount()), 0.0);
    EdgeTable table;
    table.setEdges(shaped);
    for (int row = 0; row < table.rowCount(); ++row) {
        const double v = rng.bounded(3) == 0 ? rng.bounded(1001) : double(rng.bounded(-20000, 20000)) / 8 + 0.1;
        table.setData(table.index(row, 0), rng.bounded(5) == 0 ? QStringLiteral("0") + formatNumber(v) : formatNumber(v));
        if (rng.bounded(6) == 0)
            table.setData(table.index(row, 0), QStringLiteral("-")); // only real paths are listed
    }
    // Half the graphs name their boxes, some with a comma or a quote that the
    // path field must quote.
    if (rng.bounded(2)) {
        BoxNames names(size_t(table.shape().totalBoxes()));
        for (size_t box = 0; box < names.size(); ++box)
            names[box] = box % 3 == 0 ? QStringLiteral("şehir \"%1\", iç").arg(letterName(qint64(box))) : letterName(qint64(box));
        table.setNames(normalisedNames(std::move(names)));
    }
    return table.snapshot();
}

QList<QStringList> written(const std::function<bool(QIODevice *)> &writer)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writer(&buffer))
        return {};
    return readCsv(buffer.data());
}

// A device that asks the work to stop once it was handed the first chunk.
class CancellingDevice : public QBuffer
{
public:
    explicit CancellingDevice(TaskProgress *progress) : m_progress(progress) {}

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        m_progress->cancel();
        return QBuffer::writeData(data, size);
    }

private:
    TaskProgress *m_progress;
};

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The quick form against QLocale's: random bit patterns, whole numbers
    // at the edge of 15 digits, exact ties at the 16th digit (which QLocale
    // rounds away from zero), decimal fractions and their sums.
    void numbersAsTheCLocaleWritesThem()
    {
        QRandomGenerator rng(20240607);
        QList<double> values{0.0, -0.0, 999999999999999, 1e15, 1000000000000005, -1000000000000005,
                             1234567890123455, 617283945061727.5, 0.1 + 0.2, 1e-5, 1.5e-5, 123456.5e-20, 1e300};
        for (int i = 0; i < 200000; ++i) {
            double v = 0;
            switch (i % 5) {
            case 0: v = std::bit_cast<double>(rng.generate64()); break;
            case 1: v = double(qint64(rng.generate64() >> 10) - (qint64(1) << 53)) / std::pow(10.0, rng.bounded(20)); break;
            case 2: v = std::ldexp(double(rng.bounded(1, 100000) * 10 + 5), rng.bounded(-12, 40)); break;
            case 3: v = rng.bounded(-100000, 100000) / 1000.0; break;
            default: v = rng.bounded(1000) / 10.0 + rng.bounded(1000) / 100.0 + rng.bounded(1000) / 1000.0; break;
            }
            if (std::isfinite(v))
                values << v;
        }
        for (const double v : values)
            QVERIFY2(csv::numberText(v) == cForm(v), qPrintable(QString::number(v, 'g', 17)));
    }

    void tablesReadBack_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey);
    }
    void tablesReadBack()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        QRandomGenerator rng(7);
        for (int round = 0; round < 40; ++round) {
            const lessons::Lesson lesson = lessons::randomLesson(rng);
            checkEdges(*lesson.edges);
            checkResults(numericEdges(rng), rng);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Cancelled or failed, the writing leaves the folder as it was: no
    // partial target, no temporary file, an old target untouched.
    void unfinishedFileLeavesNothing()
    {
        QRandomGenerator rng(3);
        const EdgeDataPtr edges = numericEdges(rng);
        const QStringList headers{"a", "b", "c", "d"};
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("old.csv"));
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        const auto folderAsBefore = [&] {
            return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                       == QStringList{QStringLiteral("old.csv")}
                && [&] { QFile f(old); return f.open(QIODevice::ReadOnly) && f.readAll() == "old"; }();
        };
        TaskProgress cancelled;
        cancelled.cancel();
        for (const QString &target : {old, dir.filePath(QStringLiteral("new.csv"))}) {
            FileOutcome outcome = writeWholeFile(
                target, [&](QIODevice *d) { return writeEdgeCsv(*edges, headers, d, &cancelled); }, &cancelled);
            QCOMPARE(outcome.status, FileOutcome::Cancelled);
            QVERIFY(folderAsBefore());
            outcome = writeWholeFile(target, [&](QIODevice *d) { d->write("partial"); return false; });
            QCOMPARE(outcome.status, FileOutcome::Failed);
            QVERIFY(outcome.problem.contains(QDir::toNativeSeparators(target)));
            QVERIFY(folderAsBefore());
        }

        // A long export stops at the next chunk once it is cancelled.
        ResultTable table;
        auto big = std::make_shared<EdgeData>();
        big->shape = GraphShape(std::vector<qint64>(12, 3)); // 531,441 paths
        big->values.assign(size_t(big->shape.edgeCount()), 5);
        table.setStageColumns(11);
        table.setPaths(big);
        TaskProgress progress;
        CancellingDevice device(&progress);
        device.open(QIODevice::WriteOnly);
        QVERIFY(!writeResultCsv(ListedPaths::of(table), &device, &progress));
        QVERIFY(device.size() <= 2 * CsvOutput::chunkSize);
        QVERIFY(progress.done.load() < table.pathCount());
    }

private:
    void checkEdges(const EdgeData &edges)
    {
        QStringList headers;
        for (int c = 0; c < EdgeTable::ColumnCount; ++c)
            headers << EdgeTable::headerText(c);
        const QList<QStringList> records = written([&](QIODevice *d) { return writeEdgeCsv(edges, headers, d); });
        QCOMPARE(records.size(), edges.shape.edgeCount() + 1);
        QCOMPARE(records[0], headers);
        for (qint64 row = 0; row < edges.shape.edgeCount(); ++row) {
            const QStringList &fields = records[row + 1];
            QCOMPARE(fields.size(), 4);
            // A text is kept as typed, as far as UTF-8 can hold it (not a lone surrogate);
            // a road that does not exist has an empty field.
            QCOMPARE(fields[0], edges.isMissing(row) ? QString()
                                : decodeUtf8(edges.isNumber(row) ? cForm(edges.value(row)) : edges.text(row).toUtf8()));
            for (int c = 1; c < EdgeTable::ColumnCount; ++c)
                QCOMPARE(fields[c], EdgeTable::cell(edges, row, c).toString());
        }
    }

    void checkResults(const EdgeDataPtr &edges, QRandomGenerator &rng)
    {
        ResultTable table;
        table.setStageColumns(edges->shape.stageCount());
        table.setPaths(edges);
        const QStringList edits{QStringLiteral("4,5"), QStringLiteral("4.5"), QStringLiteral("say \"a, b\""),
                                QStringLiteral("07"), QStringLiteral("satır\nsonu")};
        for (int i = 0; i < 3 && table.rowCount() > 0; ++i)
            table.setData(table.index(rng.bounded(table.rowCount()), 0), edits[rng.bounded(int(edits.size()))]);
        const QList<QStringList> records = written([&](QIODevice *d) { return writeResultCsv(ListedPaths::of(table), d); });
        QCOMPARE(records.size(), table.rowCount() + 1);
        QStringList headers;
        for (int c = 0; c < table.columnCount(); ++c)
            headers << table.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(records[0], headers);
        const int n = edges->shape.stageCount();
        static const QRegularExpression value(QStringLiteral("\\(([^)]*)\\)"));
        for (int row = 0; row < table.rowCount(); ++row) {
            const QStringList &fields = records[row + 1];
            QCOMPARE(fields.size(), n + 2);
            for (int c = 0; c < n; ++c)
                QCOMPARE(fields[c], csvCell(table.cellText(row, c)));
            QCOMPARE(parseNumber(fields[n], QLocale::c()), parseNumber(table.cellText(row, n)));
            const QString shown = table.cellText(row, n + 1);
            QString expected;
            qsizetype last = 0;
            for (auto m = value.globalMatch(shown); m.hasNext();) {
                const auto match = m.next();
                expected += shown.mid(last, match.capturedStart() - last) + QLatin1Char('(')
                    + csvCell(match.captured(1)) + QLatin1Char(')');
                last = match.capturedEnd();
            }
            expected += shown.mid(last);
            QCOMPARE(fields[n + 1], expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"

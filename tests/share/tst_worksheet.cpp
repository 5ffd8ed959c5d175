// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Worksheets and new exercises in the batch mode: the key's total, tied
// paths and tableaux against every path; the sheet holds no answer; bad
// options and bad files leave nothing written; the PDFs' text (when
// pdftotext is installed) has the key's answers and the sheet none.

#include "../lesson/exercisepaths.h"

#include "lesson/exercisegenerator.h"
#include "lesson/lessonfile.h"
#include "model/numbers.h"
#include "share/batchrun.h"
#include "share/worksheet.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace stagepath;

namespace {

Lesson randomLesson(QRandomGenerator &rng)
{
    std::vector<qint64> counts;
    const int columns = 2 + rng.bounded(4);
    for (int c = 0; c < columns; ++c)
        counts.push_back(1 + rng.bounded(4));
    auto edges = std::make_shared<EdgeData>();
    edges->shape = GraphShape(counts);
    const int missingShare = rng.bounded(50);
    for (qint64 row = 0; row < edges->shape.edgeCount(); ++row)
        edges->values.push_back(rng.bounded(100) < missingShare ? kMissingRoad : double(rng.bounded(-2, 9)));
    Lesson lesson;
    for (qint64 n : counts)
        lesson.boxTexts << QString::number(n);
    lesson.edges = edges;
    lesson.settings.longest = rng.bounded(2) == 1;
    return lesson;
}

QString pathText(const EdgeData &edges, const std::vector<qint64> &positions)
{
    QString text = QString::number(edges.shape.globalBox(0, positions[0]));
    for (int s = 0; s < edges.shape.stageCount(); ++s)
        text += QStringLiteral(" (%1) %2")
                    .arg(edges.text(edges.shape.edgeRow(s, positions[size_t(s)], positions[size_t(s) + 1])))
                    .arg(edges.shape.globalBox(s + 1, positions[size_t(s) + 1]));
    return text;
}

// The best total from box j of the column onwards, by trying every way on; none when there is none.
std::optional<double> bestOnward(const EdgeData &edges, int column, qint64 j, bool longest)
{
    if (column == edges.shape.columnCount() - 1)
        return 0.0;
    std::optional<double> best;
    for (qint64 k = 0; k < edges.shape.boxCount(column + 1); ++k) {
        const qint64 row = edges.shape.edgeRow(column, j, k);
        const auto onward = bestOnward(edges, column + 1, k, longest);
        if (edges.isMissing(row) || !onward)
            continue;
        const double total = edges.value(row) + *onward;
        if (!best || (longest ? total > *best : total < *best))
            best = total;
    }
    return best;
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The key against every path, under either locale; the sheet has the
    // same tableaux with nothing but the boxes filled in.
    void keyAgainstEveryPath()
    {
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Turkish, QLocale::Turkey)}) {
            QLocale::setDefault(locale);
            QRandomGenerator rng(4242);
            for (int i = 0; i < 300; ++i) {
                const Lesson lesson = randomLesson(rng);
                const EdgeData &edges = *lesson.edges;
                const bool longest = lesson.settings.longest;
                const WorksheetExercise key = keyExercise(lesson, i + 1);
                const WorksheetExercise sheet = sheetExercise(lesson, i + 1);
                const auto best = exercisepaths::bestPaths(edges, longest);
                QStringList expected;
                for (const auto &p : best)
                    expected << pathText(edges, p.positions);
                QCOMPARE(key.paths, expected);
                if (!best.empty())
                    QCOMPARE(key.totalLine, QStringLiteral("En iyi toplam: ") + formatNumber(best.front().total));
                QCOMPARE(key.tableaux.size(), size_t(edges.shape.stageCount()));
                QCOMPARE(sheet.tableaux.size(), key.tableaux.size());
                for (size_t t = 0; t < key.tableaux.size(); ++t) {
                    const int column = edges.shape.stageCount() - 1 - int(t); // the last stage first
                    const WorksheetTableau &filled = key.tableaux[t];
                    const WorksheetTableau &empty = sheet.tableaux[t];
                    QCOMPARE(empty.headers, filled.headers);
                    QCOMPARE(filled.rows.size(), size_t(edges.shape.boxCount(column)));
                    for (qint64 j = 0; j < edges.shape.boxCount(column); ++j) {
                        const QStringList &row = filled.rows[size_t(j)];
                        const qint64 right = edges.shape.boxCount(column + 1);
                        QStringList chosen;
                        const auto onward = bestOnward(edges, column, j, longest);
                        for (qint64 k = 0; k < right; ++k) {
                            const qint64 road = edges.shape.edgeRow(column, j, k);
                            const auto next = bestOnward(edges, column + 1, k, longest);
                            const bool absent = edges.isMissing(road) || !next;
                            QCOMPARE(row[k + 1], absent ? QStringLiteral("-") : formatNumber(edges.value(road) + *next));
                            if (!absent && edges.value(road) + *next == *onward)
                                chosen << QString::number(edges.shape.globalBox(column + 1, k));
                        }
                        QCOMPARE(row[right + 1], onward ? formatNumber(*onward) : QStringLiteral("-"));
                        QCOMPARE(row[right + 2], chosen.join(QStringLiteral(", ")));
                        const QStringList &blank = empty.rows[size_t(j)];
                        QCOMPARE(blank[0], row[0]);
                        for (qsizetype c = 1; c < blank.size(); ++c)
                            QVERIFY(blank[c].isEmpty());
                    }
                }
                // Nothing of the answer on the sheet.
                const QString sheetText = exerciseTexts(sheet, false).join(u'\n');
                QVERIFY(!sheetText.contains(QStringLiteral("En iyi toplam")));
                for (const QString &path : std::as_const(expected))
                    QVERIFY(!sheetText.contains(path));
                const QString keyText = exerciseTexts(key, true).join(u'\n');
                for (const QString &path : std::as_const(expected))
                    QVERIFY(keyText.contains(path));
            }
        }
    }

    void paper()
    {
        QCOMPARE(paperFor(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
        QCOMPARE(paperFor(QLocale(QLocale::French, QLocale::Canada)), QPageSize::Letter);
        QCOMPARE(paperFor(QLocale(QLocale::Turkish, QLocale::Turkey)), QPageSize::A4);
        QCOMPARE(paperFor(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
    }

    // --new-exercise: the same seed, the same bytes; each bad option one
    // line and no file.
    void newExerciseBatch()
    {
        QTemporaryDir dir;
        const auto request = [&](const QString &name, const std::function<void(BatchRequest &)> &change) {
            BatchRequest r;
            r.newExercise = dir.filePath(name);
            r.boxes = QStringLiteral("1,3,3,2,1");
            r.values = QStringLiteral("1..20");
            r.missing = QStringLiteral("10");
            r.seed = QStringLiteral("123456789012345");
            r.unique = true;
            change(r);
            return r;
        };
        const BatchResult first = runBatch(request(QStringLiteral("a.stagepath"), [](BatchRequest &) {}));
        const BatchResult second = runBatch(request(QStringLiteral("b.stagepath"), [](BatchRequest &) {}));
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(first.output, QStringLiteral("Seed: 123456789012345\n"));
        QFile a(dir.filePath(QStringLiteral("a.stagepath"))), b(dir.filePath(QStringLiteral("b.stagepath")));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
        QCOMPARE(second.exitCode, 0);
        // A fresh seed is printed, and is the lesson's.
        const BatchResult fresh = runBatch(request(QStringLiteral("c.stagepath"), [](BatchRequest &r) { r.seed = {}; }));
        QVERIFY(fresh.output.startsWith(QStringLiteral("Seed: ")));
        const auto reading = readLessonFile(dir.filePath(QStringLiteral("c.stagepath")));
        QVERIFY(reading.lesson && reading.lesson->origin);
        QCOMPARE(fresh.output, QStringLiteral("Seed: %1\n").arg(reading.lesson->origin->seed));

        const std::vector<std::function<void(BatchRequest &)>> bad{
            [](BatchRequest &r) { r.boxes = QStringLiteral("1,x,3"); },
            [](BatchRequest &r) { r.boxes = QStringLiteral("3"); },
            [](BatchRequest &r) { r.boxes = {}; },
            [](BatchRequest &r) { r.values = QStringLiteral("20..1"); },
            [](BatchRequest &r) { r.values = QStringLiteral("1-20"); },
            [](BatchRequest &r) { r.missing = QStringLiteral("61"); },
            [](BatchRequest &r) { r.seed = QStringLiteral("-1"); },
            [](BatchRequest &r) { r.values = QStringLiteral("4..4"); },
            [](BatchRequest &r) { r.newExercise = QStringLiteral("/no/such/folder/x.stagepath"); },
        };
        for (size_t i = 0; i < bad.size(); ++i) {
            const QString name = QStringLiteral("bad%1.stagepath").arg(i);
            const BatchResult result = runBatch(request(name, bad[i]));
            QCOMPARE(result.exitCode, 1);
            QVERIFY(!result.problem.isEmpty() && !result.problem.contains(u'\n'));
            QVERIFY(result.output.isEmpty());
            QVERIFY(!QFile::exists(dir.filePath(name)));
        }
    }

    // --worksheet: a bad lesson among good ones writes nothing; good ones
    // write both PDFs, whose text has the answers in the key only.
    void worksheetBatch()
    {
        QTemporaryDir dir;
        QStringList lessons;
        std::vector<Lesson> made;
        for (quint64 seed : {11, 12, 13}) {
            ExerciseOrigin o;
            o.seed = seed;
            o.boxes = {1, 3, 3, 2, 1};
            o.maxValue = 9;
            o.missingPercent = 15;
            made.push_back(*generateExercise(o).lesson);
            lessons << dir.filePath(QStringLiteral("e%1.stagepath").arg(seed));
            QVERIFY(writeLessonFile(lessons.last(), made.back()).isEmpty());
        }
        QFile broken(dir.filePath(QStringLiteral("broken.stagepath")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("{ not json") > 0);
        broken.close();
        BatchRequest request;
        request.worksheet = dir.filePath(QStringLiteral("sheet.pdf"));
        request.key = dir.filePath(QStringLiteral("key.pdf"));
        request.lessonFiles = lessons + QStringList{broken.fileName()};
        const BatchResult refused = runBatch(request);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.problem.contains(QStringLiteral("broken.stagepath")));
        QVERIFY(!QFile::exists(request.worksheet) && !QFile::exists(request.key));

        request.lessonFiles = lessons;
        BatchRequest sameFile = request;
        sameFile.key = request.worksheet;
        QCOMPARE(runBatch(sameFile).exitCode, 1);
        QVERIFY(!QFile::exists(request.worksheet));
        const BatchResult result = runBatch(request);
        QCOMPARE(result.exitCode, 0);
        for (const QString &pdf : {request.worksheet, request.key}) {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.read(5) == "%PDF-");
        }
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed: the PDFs' text is not read");
        const QString sheet = pdfText(request.worksheet).simplified();
        const QString key = pdfText(request.key).simplified();
        for (size_t i = 0; i < made.size(); ++i) {
            const WorksheetExercise answer = keyExercise(made[i], int(i) + 1);
            QVERIFY2(key.contains(answer.totalLine), qPrintable(answer.totalLine));
            QVERIFY(sheet.contains(QStringLiteral("Alıştırma %1").arg(i + 1)));
            for (const QString &path : answer.paths) {
                QVERIFY2(key.contains(path), qPrintable(path));
                QVERIFY(!sheet.contains(path));
            }
        }
        QVERIFY(!sheet.contains(QStringLiteral("En iyi toplam")));
    }
};

QTEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The batch mode on lesson files as a user writes them: its answer, its
// SVG and its CSV rows against a computation of its own over every path
// (both modes, ties, fractional values); what it refuses and that a refusal
// leaves no file; and the real program, started without any display.

#include "csvreader.h"

#include "model/numbers.h"
#include "share/batchrun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>
#include <numeric>

using namespace stagepath;

namespace {

struct Graph {
    std::vector<int> counts;
    std::vector<double> values; // edge table order
    bool longest = false;
};

QByteArray lessonJson(const Graph &g)
{
    QStringList boxes, values;
    for (int n : g.counts)
        boxes << QString::number(n);
    bool missing = false;
    for (double v : g.values) {
        missing = missing || std::isinf(v);
        values << (std::isinf(v) ? QStringLiteral("null") : QString::number(v, 'g', 17)); // null: no road
    }
    return QStringLiteral(R"({"format": "stagepath", "version": %4, "boxes": [%1], "values": [%2], "longest": %3})")
        .arg(boxes.join(u','), values.join(u','), g.longest ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(missing ? 2 : 1)
        .toUtf8();
}

// Every real path (no road missing) in the listing's order, as positions,
// with its total added up left to right.
struct Path {
    std::vector<int> positions;
    double total = 0;
};

std::vector<Path> everyPath(const Graph &g)
{
    std::vector<Path> paths{{}};
    for (size_t c = 0; c < g.counts.size(); ++c) {
        std::vector<Path> longer;
        for (const Path &p : paths)
            for (int j = 0; j < g.counts[c]; ++j) {
                Path q = p;
                q.positions.push_back(j);
                longer.push_back(q);
            }
        paths = longer;
    }
    for (Path &p : paths) {
        size_t stageStart = 0;
        for (size_t s = 0; s + 1 < g.counts.size(); ++s) {
            const double v = g.values[stageStart + size_t(p.positions[s] * g.counts[s + 1] + p.positions[s + 1])];
            p.total = s == 0 ? v : v + p.total;
            stageStart += size_t(g.counts[s] * g.counts[s + 1]);
        }
    }
    std::erase_if(paths, [](const Path &p) { return std::isinf(p.total); });
    return paths;
}

int globalBox(const Graph &g, size_t column, int position)
{
    int before = 0;
    for (size_t c = 0; c < column; ++c)
        before += g.counts[c];
    return before + position + 1;
}

double edgeValue(const Graph &g, size_t stage, int from, int to)
{
    size_t start = 0;
    for (size_t s = 0; s < stage; ++s)
        start += size_t(g.counts[s] * g.counts[s + 1]);
    return g.values[start + size_t(from * g.counts[stage + 1] + to)];
}

QString pathText(const Graph &g, const Path &p)
{
    QString text = QString::number(globalBox(g, 0, p.positions[0]));
    for (size_t s = 0; s + 1 < p.positions.size(); ++s)
        text += QStringLiteral(" (%1) %2").arg(formatNumber(edgeValue(g, s, p.positions[s], p.positions[s + 1])))
                    .arg(globalBox(g, s + 1, p.positions[s + 1]));
    return text;
}

// The first path with the least (greatest) total as the result table writes it.
const Path &bestPath(const std::vector<Path> &paths, bool longest)
{
    const auto written = [](double total) { return *parseNumber(formatNumber(total)); };
    const Path *best = &paths.front();
    for (const Path &p : paths)
        if (longest ? written(p.total) > written(best->total) : written(p.total) < written(best->total))
            best = &p;
    return *best;
}

Graph randomGraph(QRandomGenerator &rng)
{
    static const QList<double> values{1, 2, 3, 2.5, 0.1, 0.2, 0.3, 1000, -7};
    Graph g;
    for (int c = rng.bounded(2, 6); c > 0; --c)
        g.counts.push_back(rng.bounded(1, 4));
    for (size_t s = 0; s + 1 < g.counts.size(); ++s)
        for (int e = 0; e < g.counts[s] * g.counts[s + 1]; ++e)
            g.values.push_back(values[rng.bounded(int(values.size()))]);
    if (rng.bounded(2)) { // roads that do not exist, sometimes every path cut
        const int percent = rng.bounded(60);
        for (double &v : g.values)
            if (int(rng.bounded(100)) < percent)
                v = INFINITY;
    }
    g.longest = rng.bounded(2);
    return g;
}

// The red segments of an SVG the drawing wrote, as x1 y1 x2 y2.
QList<QList<double>> redSegments(const QByteArray &svg, int *circles)
{
    QList<QList<double>> segments;
    QXmlStreamReader xml(svg);
    QString stroke;
    *circles = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("g") && a.hasAttribute(QLatin1String("stroke")))
            stroke = a.value(QLatin1String("stroke")).toString();
        if (xml.name() == QLatin1String("circle"))
            ++*circles;
        if (xml.name() == QLatin1String("polyline") && stroke == QLatin1String("#ff0000")) {
            QList<double> points;
            for (const QString &xy : a.value(QLatin1String("points")).toString().simplified().split(u' '))
                for (const QString &n : xy.split(u','))
                    points << n.toDouble();
            segments << points;
        }
    }
    return xml.hasError() ? QList<QList<double>>() : segments;
}

} // namespace

class TestBatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString &name, const QByteArray &text = {})
    {
        const QString path = m_dir.filePath(name);
        QFile out(path);
        if (!text.isNull() && (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size()))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QByteArray contents(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void answersAndFilesAgreeWithEveryPath()
    {
        QRandomGenerator rng(11);
        for (int round = 0; round < 60; ++round) {
            Graph g = randomGraph(rng);
            BatchRequest request;
            request.lessonFile = file(QStringLiteral("ders.stagepath"), lessonJson(g));
            request.solve = true;
            request.longest = rng.bounded(3) == 0;
            request.shortest = !request.longest && rng.bounded(3) == 0;
            request.allBest = rng.bounded(2);
            request.picture = file(QStringLiteral("graf.svg"));
            request.results = file(QStringLiteral("yollar.csv"));
            QFile::remove(request.picture);
            QFile::remove(request.results);
            const BatchResult result = runBatch(request);

            const std::vector<Path> paths = everyPath(g);
            if (paths.empty()) { // missing roads cut every path
                QCOMPARE(result.exitCode, 3);
                QVERIFY(!result.problem.isEmpty() && !result.problem.contains(u'\n'));
                QVERIFY(result.output.isEmpty() && !QFile::exists(request.results));
                continue;
            }
            QCOMPARE(result.exitCode, 0);
            QVERIFY(result.problem.isEmpty());
            const bool longest = request.longest || (g.longest && !request.shortest);
            const Path &best = bestPath(paths, longest);
            QString expected = QStringLiteral("Mod: %1\nToplam: %2\n")
                                   .arg(longest ? "En Uzun Yol" : "En Kısa Yol", formatNumber(best.total));
            for (const Path &p : paths) // every tied best path, in table order
                if (request.allBest ? formatNumber(p.total) == formatNumber(best.total) : &p == &best)
                    expected += QStringLiteral("Yol: %1\n").arg(pathText(g, p));
            QCOMPARE(result.output, expected);
            checkPicture(g, best, contents(request.picture));
            checkRows(g, paths, readCsv(contents(request.results)));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void refusalsLeaveNoFile_data()
    {
        QTest::addColumn<QByteArray>("lesson");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("named"); // a text of the problem
        const QByteArray good = R"({"format": "stagepath", "version": 1, "boxes": [2, 2], "values": [1, 2, 3, 4]})";
        QTest::newRow("not a lesson") << QByteArray("{\"boxes\": ") << QStringList{"--solve"} << "ders.stagepath";
        QTest::newRow("a value no number")
            << QByteArray(R"({"format": "stagepath", "version": 1, "boxes": [1, 2], "values": [1, "abc"]})")
            << QStringList{"--export-results"} << "abc";
        QTest::newRow("no path to print")
            << QByteArray(R"({"format": "stagepath", "version": 1, "boxes": [3], "values": []})")
            << QStringList{"--solve"} << "Vorta Sayısı 0";
        QTest::newRow("no kind of picture") << good << QStringList{"--export-picture=graf.jpg"} << "graf.jpg";
        QTest::newRow("a folder that is not there")
            << good << QStringList{"--export-results", "--export-edges=yok/kenarlar.csv"} << "kenarlar.csv";
    }
    void refusalsLeaveNoFile()
    {
        QFETCH(QByteArray, lesson);
        QFETCH(QStringList, options);
        QFETCH(QString, named);
        QTemporaryDir dir;
        QFile in(dir.filePath(QStringLiteral("ders.stagepath")));
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(lesson) == lesson.size());
        in.close();
        BatchRequest request;
        request.lessonFile = in.fileName();
        for (const QString &o : options) {
            request.solve = request.solve || o == QLatin1String("--solve");
            if (o.startsWith(QLatin1String("--export-picture=")))
                request.picture = dir.filePath(o.section(u'=', 1));
            if (o == QLatin1String("--export-results"))
                request.results = dir.filePath(QStringLiteral("yollar.csv"));
        }
        // Writable, yet not kept when another file fails.
        request.edges = dir.filePath(QStringLiteral("kenarlar.csv"));
        for (const QString &o : options)
            if (o.startsWith(QLatin1String("--export-edges=")))
                request.edges = dir.filePath(o.section(u'=', 1));
        const BatchResult result = runBatch(request);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.problem.contains(named), qPrintable(result.problem));
        QVERIFY(!result.problem.contains(u'\n'));
        QVERIFY(result.output.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("ders.stagepath")});
    }

    // The program itself: no window and no display, the answer on standard
    // output, a problem as one line on standard error.
    void realProgramWithoutDisplay()
    {
        const QString lesson = file(QStringLiteral("kaynak.stagepath"),
                                    R"({"format": "stagepath", "version": 1, "boxes": [1, 2, 1], "values": [5, 3, 1, 4]})");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        const auto run = [&](const QStringList &arguments, QByteArray *out, QByteArray *err) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(QStringLiteral(STAGEPATH_PROGRAM), arguments);
            if (!program.waitForFinished(30000))
                return -1;
            *out = program.readAllStandardOutput();
            *err = program.readAllStandardError();
            return program.exitCode();
        };
        QByteArray out, err;
        QCOMPARE(run({QStringLiteral("--solve"), lesson}, &out, &err), 0);
        QCOMPARE(out, QByteArray("Mod: En Kısa Yol\nToplam: 6\nYol: 1 (5) 2 (1) 4\n"));
        QCOMPARE(err, QByteArray());
        QCOMPARE(run({QStringLiteral("--solve"), QStringLiteral("--longest"), lesson}, &out, &err), 0);
        QCOMPARE(out, QByteArray("Mod: En Uzun Yol\nToplam: 7\nYol: 1 (3) 3 (4) 4\n"));
        const QString cut = file(QStringLiteral("kesik.stagepath"),
                                 R"({"format": "stagepath", "version": 2, "boxes": [1, 2, 1], "values": [5, 3, null, null]})");
        QCOMPARE(run({QStringLiteral("--solve"), QStringLiteral("--shortest"), cut}, &out, &err), 3);
        QVERIFY(out.isEmpty());
        QVERIFY2(err.startsWith("stagepath: ") && err.count('\n') == 1 && err.contains("kesik.stagepath"), err.constData());
        QCOMPARE(run({QStringLiteral("--solve"), m_dir.filePath(QStringLiteral("yok.stagepath"))}, &out, &err), 1);
        QVERIFY(out.isEmpty());
        QVERIFY2(err.startsWith("stagepath: ") && err.count('\n') == 1 && err.contains("yok.stagepath"), err.constData());
    }

    // A lesson's texts solve to the same totals under every locale: the real
    // program asked under C, Turkish and German. ("2.500" is 2500 to a
    // Turkish or German reader, but not in a file; "4,50" and "1,5" read as
    // no number by C.)
    void textsSolveAlikeUnderEveryLocale()
    {
        const QString lesson = file(QStringLiteral("yerel.stagepath"), R"({"format": "stagepath", "version": 1,
            "boxes": [1, 2, 1], "values": ["2.500", "4,50", "07", "1,5"]})");
        for (const auto &[name, locale] : {std::pair{"C", QLocale::c()}, {"tr_TR.UTF-8", QLocale(QLocale::Turkish)},
                                           {"de_DE.UTF-8", QLocale(QLocale::German)}}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("LANGUAGE"));
            for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
                env.insert(QLatin1String(variable), QLatin1String(name));
            for (const bool longest : {false, true}) {
                QProcess program;
                program.setProcessEnvironment(env);
                program.start(QStringLiteral(STAGEPATH_PROGRAM),
                              longest ? QStringList{QStringLiteral("--solve"), QStringLiteral("--longest"), lesson}
                                      : QStringList{QStringLiteral("--solve"), lesson});
                QVERIFY(program.waitForFinished(30000));
                const QString total = QString::fromUtf8(program.readAllStandardOutput()).section(u'\n', 1, 1);
                QVERIFY2(total.startsWith(QStringLiteral("Toplam: ")), qPrintable(total));
                QCOMPARE(parseNumber(total.mid(8), locale), std::optional<double>(longest ? 9.5 : 6.0));
            }
        }
    }

private:
    // One circle per box; one red segment per stage, from the right of the
    // path's circle to the left of the next, at the circles' centres.
    void checkPicture(const Graph &g, const Path &best, const QByteArray &svg)
    {
        int circles = 0;
        const QList<QList<double>> red = redSegments(svg, &circles);
        QCOMPARE(circles, std::accumulate(g.counts.begin(), g.counts.end(), 0));
        QCOMPARE(red.size(), qsizetype(g.counts.size() - 1));
        const int largest = *std::max_element(g.counts.begin(), g.counts.end());
        const auto centreY = [&](size_t c, int j) { return (largest - g.counts[c]) * 120.0 / 2 + j * 120 + 20; };
        for (size_t s = 0; s < size_t(red.size()); ++s) {
            const QList<double> expected{s * 220.0 + 40, centreY(s, best.positions[s]), (s + 1) * 220.0,
                                         centreY(s + 1, best.positions[s + 1])};
            QCOMPARE(red[qsizetype(s)].size(), 4);
            for (int i = 0; i < 4; ++i)
                QVERIFY2(std::abs(red[qsizetype(s)][i] - expected[i]) < 0.01,
                         qPrintable(QStringLiteral("segment %1, coordinate %2: %3, not %4")
                                        .arg(s).arg(i).arg(red[qsizetype(s)][i]).arg(expected[i])));
        }
    }

    void checkRows(const Graph &g, const std::vector<Path> &paths, const QList<QStringList> &records)
    {
        const size_t stages = g.counts.size() - 1;
        QCOMPARE(records.size(), qsizetype(paths.size() + 1));
        QStringList headers;
        for (size_t s = 1; s <= stages; ++s)
            headers << QStringLiteral("%1.Vorta").arg(s);
        QCOMPARE(records[0], headers << QStringLiteral("Toplam") << QStringLiteral("Yol"));
        for (size_t r = 0; r < paths.size(); ++r) {
            QStringList expected;
            for (size_t s = 0; s < stages; ++s)
                expected << formatNumber(edgeValue(g, s, paths[r].positions[s], paths[r].positions[s + 1]));
            expected << formatNumber(paths[r].total) << pathText(g, paths[r]);
            QCOMPARE(records[qsizetype(r) + 1], expected);
        }
    }
};

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"

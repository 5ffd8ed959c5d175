// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/exercisecheck.h"

#include "graphs.h"
#include "model/numbers.h"

#include <QtTest>

#include <algorithm>
#include <set>

using namespace stagepath;
using namespace stagepath::test;

namespace {

// Every path of a lesson with its sum, added left to right over existing
// roads; the best sum and the best paths among those that exist.
struct Paths {
    std::vector<std::vector<qint64>> all;
    std::vector<bool> exists;
    std::vector<double> sum;
    double best = 0;
    std::vector<std::vector<qint64>> best_;
    int firstMissingStage(const EdgeData &data, const std::vector<qint64> &p) const
    {
        for (size_t s = 0; s + 1 < p.size(); ++s) {
            if (data.isMissing(data.shape.edgeRow(int(s), p[s], p[s + 1])))
                return int(s);
        }
        return -1;
    }
};

Paths everyPath(const EdgeData &data, bool longest)
{
    Paths paths;
    paths.all = allPaths(data.shape);
    bool any = false;
    for (const auto &p : paths.all) {
        double total = 0;
        bool exists = paths.firstMissingStage(data, p) < 0;
        for (size_t s = 0; exists && s + 1 < p.size(); ++s)
            total += data.value(data.shape.edgeRow(int(s), p[s], p[s + 1]));
        paths.exists.push_back(exists);
        paths.sum.push_back(total);
        if (exists && (!any || (longest ? total > paths.best : total < paths.best)))
            paths.best = total;
        any = any || exists;
    }
    for (size_t i = 0; i < paths.all.size(); ++i) {
        if (paths.exists[i] && paths.sum[i] == paths.best)
            paths.best_.push_back(paths.all[i]);
    }
    return paths;
}

QString pathText(const EdgeData &data, const std::vector<qint64> &p, const QString &separator)
{
    QStringList words;
    for (size_t c = 0; c < p.size(); ++c)
        words << data.boxLabel(data.shape.globalBox(int(c), p[c]));
    return words.join(separator);
}

bool sharesPrefix(const std::vector<qint64> &a, const std::vector<qint64> &b, size_t length)
{
    return std::equal(a.begin(), a.begin() + qint64(length), b.begin());
}

// A random lesson: whole or half values 0..9 (so that ties are common), a
// quarter of the roads missing, names on some lessons.
std::shared_ptr<EdgeData> randomLesson(QRandomGenerator &random)
{
    std::vector<qint64> counts(size_t(random.bounded(1, 6)));
    for (auto &c : counts)
        c = random.bounded(1, 5);
    const bool halves = random.bounded(2) == 1;
    auto data = makeGraph(counts, [&](qint64) {
        if (random.bounded(4) == 0)
            return kMissingRoad;
        return halves ? random.bounded(20) / 2.0 : double(random.bounded(10));
    });
    if (random.bounded(3) == 0) {
        auto names = std::make_shared<BoxNames>();
        for (qint64 b = 0; b < data->shape.totalBoxes(); ++b)
            names->push_back(random.bounded(4) == 0 ? QString() : QStringLiteral("K%1").arg(b * 7 + 3));
        data->names = names;
    }
    return data;
}

} // namespace

class TestExerciseCheck : public QObject
{
    Q_OBJECT

private slots:
    // Every path of random lessons, typed with its right total, a wrong one
    // and cut short or out of order, judged as brute force judges it.
    void pathsAgainstBruteForce()
    {
        QRandomGenerator random(2126);
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Turkish, QLocale::Turkey)}) {
            for (int lesson = 0; lesson < 300; ++lesson) {
                const auto data = randomLesson(random);
                const bool longest = random.bounded(2) == 1;
                const ExerciseCheck check(*data, longest ? PathMode::Longest : PathMode::Shortest);
                const Paths paths = everyPath(*data, longest);
                QVERIFY(check.computed());
                QCOMPARE(check.hasPath(), !paths.best_.empty());
                if (check.hasPath()) {
                    QCOMPARE(check.bestTotal(), paths.best);
                    QCOMPARE(check.bestPathCount(), quint64(paths.best_.size()));
                }
                for (size_t i = 0; i < paths.all.size(); ++i) {
                    const auto &p = paths.all[i];
                    const QString text = pathText(*data, p, i % 2 ? QStringLiteral(" - ") : QStringLiteral(" "));
                    const PathVerdict v = check.checkPath(text, formatNumber(paths.sum[i], locale), locale);
                    if (!paths.exists[i]) {
                        const int stage = paths.firstMissingStage(*data, p);
                        QCOMPARE(v.problem, PathProblem::MissingRoad);
                        QCOMPARE(v.fromBox + 1, data->shape.globalBox(stage, p[size_t(stage)]));
                        QCOMPARE(v.toBox + 1, data->shape.globalBox(stage + 1, p[size_t(stage) + 1]));
                        QVERIFY(v.text.contains(data->boxLabel(v.toBox + 1)));
                        continue;
                    }
                    if (paths.sum[i] == paths.best) {
                        QCOMPARE(v.problem, PathProblem::None);
                        QCOMPARE(v.verdictName(), QStringLiteral("right"));
                        QVERIFY(v.text.contains(QString::number(paths.best_.size())) || paths.best_.size() == 1);
                    } else {
                        QCOMPARE(v.problem, PathProblem::NotBest);
                        // The first column whose prefix no best path shares.
                        size_t column = 0;
                        while (std::any_of(paths.best_.begin(), paths.best_.end(),
                                           [&](const auto &b) { return sharesPrefix(b, p, column + 1); }))
                            ++column;
                        QCOMPARE(v.column, int(column));
                        // The candidates: each next box with the best full sum that keeps the prefix.
                        std::vector<PathCandidate> expected;
                        for (qint64 k = 0; k < data->shape.boxCount(int(column)); ++k) {
                            bool found = false;
                            double reach = 0;
                            for (size_t j = 0; j < paths.all.size(); ++j) {
                                const auto &q = paths.all[j];
                                if (!paths.exists[j] || q[column] != k || !sharesPrefix(q, p, column))
                                    continue;
                                if (!found || (longest ? paths.sum[j] > reach : paths.sum[j] < reach))
                                    reach = paths.sum[j];
                                found = true;
                            }
                            if (found)
                                expected.push_back({data->shape.globalBox(int(column), k) - 1, reach,
                                                    reach == paths.best, k == p[column]});
                        }
                        QCOMPARE(v.candidates.size(), expected.size());
                        for (size_t c = 0; c < expected.size(); ++c) {
                            QCOMPARE(v.candidates[c].box, expected[c].box);
                            QCOMPARE(v.candidates[c].total, expected[c].total);
                            QCOMPARE(v.candidates[c].best, expected[c].best);
                            QCOMPARE(v.candidates[c].chosen, expected[c].chosen);
                        }
                    }
                    // A wrong total is named with the path's own sum.
                    const PathVerdict wrong = check.checkPath(text, formatNumber(paths.sum[i] + 0.5, locale), locale);
                    QCOMPARE(wrong.problem, PathProblem::WrongTotal);
                    QCOMPARE(wrong.pathTotal, paths.sum[i]);
                    QVERIFY(wrong.text.contains(formatNumber(paths.sum[i])));
                    QCOMPARE(check.checkPath(text, QStringLiteral("x"), locale).problem, PathProblem::BadTotal);
                    QCOMPARE(check.checkPath(text, QString(), locale).verdictName(), QStringLiteral("incomplete"));
                    // Not one box per column: one short, one too many, two swapped.
                    const QString total = formatNumber(paths.sum[i], locale);
                    auto shorter = p;
                    shorter.pop_back();
                    if (!shorter.empty())
                        QCOMPARE(check.checkPath(pathText(*data, shorter, QStringLiteral("-")), total, locale).problem,
                                 PathProblem::NotAPath);
                    QCOMPARE(check.checkPath(text + QStringLiteral(" 1"), total, locale).problem, PathProblem::NotAPath);
                    if (p.size() >= 2) {
                        QStringList words = ExerciseCheck::pathWords(text);
                        words.swapItemsAt(0, 1);
                        const PathVerdict swapped = check.checkPath(words.join(QLatin1Char(' ')), total, locale);
                        QCOMPARE(swapped.problem, PathProblem::NotAPath);
                        QCOMPARE(swapped.column, 0);
                    }
                }
                QCOMPARE(check.checkPath(QStringLiteral("1 ? 2"), QStringLiteral("3"), locale).problem,
                         PathProblem::UnknownBox);
            }
        }
    }

    // Every box's best total against every partial path into it; a typed
    // total is right only when written alike, "-" only for a box no road reaches.
    void boxTotalsAgainstBruteForce()
    {
        QRandomGenerator random(77);
        const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
        for (int lesson = 0; lesson < 300; ++lesson) {
            const auto data = randomLesson(random);
            const bool longest = random.bounded(2) == 1;
            const ExerciseCheck check(*data, longest ? PathMode::Longest : PathMode::Shortest);
            const GraphShape &shape = data->shape;
            for (int c = 0; c < shape.columnCount(); ++c) {
                for (qint64 k = 0; k < shape.boxCount(c); ++k) {
                    // Brute force: the partial paths from column 1 to this box.
                    std::vector<qint64> counts(shape.boxCounts().begin(), shape.boxCounts().begin() + c + 1);
                    counts.back() = 1;
                    bool found = false;
                    double best = 0;
                    std::set<qint64> bestFrom;
                    for (auto p : allPaths(GraphShape(counts))) {
                        p.back() = k;
                        double total = 0;
                        bool exists = true;
                        for (int s = 0; s < c && exists; ++s) {
                            const qint64 row = shape.edgeRow(s, p[size_t(s)], p[size_t(s) + 1]);
                            exists = !data->isMissing(row);
                            total += data->value(row);
                        }
                        if (!exists)
                            continue;
                        if (!found || (longest ? total > best : total < best)) {
                            best = total;
                            bestFrom.clear();
                        }
                        if (total == best && c > 0)
                            bestFrom.insert(p[size_t(c) - 1]);
                        found = true;
                    }
                    const qint64 box = shape.globalBox(c, k) - 1;
                    QCOMPARE(check.reachable(box), found);
                    QCOMPARE(check.boxTotalText(box), found ? formatNumber(best) : QStringLiteral("-"));
                    const QString right = found ? formatNumber(best, turkish) : QStringLiteral("-");
                    QVERIFY(check.boxTotalRight(box, right, turkish));
                    QVERIFY(!check.boxTotalRight(box, found ? formatNumber(best + 1, turkish) : QStringLiteral("0"),
                                                 turkish));
                    QVERIFY(!check.boxTotalRight(box, QString(), turkish));
                    if (!found)
                        continue;
                    // The candidates name every way in, and the best ones give the total.
                    std::set<qint64> named;
                    for (const BoxCandidate &cand : check.boxCandidates(box)) {
                        QCOMPARE(cand.total, cand.before + cand.value);
                        if (cand.total == best)
                            named.insert(cand.from - (shape.globalBox(c - 1, 0) - 1));
                    }
                    QCOMPARE(named, bestFrom);
                    if (c > 0)
                        QVERIFY(check.boxCandidatesText(box).contains(formatNumber(best)));
                }
            }
        }
    }

    // A lesson with a value that is not a number is not judged; a lesson
    // whose every path misses a road has no best path but names the road.
    void lessonsThatCannotBeSolved()
    {
        auto data = makeGraph({2, 2}, [](qint64) { return kMissingRoad; });
        setText(*data, 3, QStringLiteral("abc"));
        const ExerciseCheck bad(*data, PathMode::Shortest);
        QVERIFY(!bad.computed());
        QCOMPARE(bad.checkPath(QStringLiteral("1 3"), QStringLiteral("1")).verdictName(), QStringLiteral("wrong"));
        data->values[3] = kMissingRoad;
        const ExerciseCheck none(*data, PathMode::Longest);
        QVERIFY(none.computed());
        QVERIFY(!none.hasPath());
        QCOMPARE(none.checkPath(QStringLiteral("1-3"), QStringLiteral("1")).problem, PathProblem::MissingRoad);
    }
};

QTEST_GUILESS_MAIN(TestExerciseCheck)
#include "tst_exercisecheck.moc"

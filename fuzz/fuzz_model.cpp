// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The problem model and the solver driven by a sequence of window actions
// decoded from the input: rebuild for a stage count, type a stage count, edit
// a box count (accepted or refused; the timer's regeneration may come later),
// edit an edge value (through the edge table or the one-stage view), pick a
// tab, list every path, edit a result cell, clear the rows or rebuild the
// result columns, pick the best path (with the step table and the ranked
// paths).
//
// After every action the tables are checked against what the harness worked
// out on its own: N+1 stage rows, one edge row per pair of boxes of
// neighbouring columns with the right box numbers and stage, the values drawn
// or typed, the one-stage view as a window on the edge table, the listing's
// cells from the row number, and the best path against a scan of every listed
// total (the first row with the least or greatest total as written), or
// against sampled rows when there are too many to scan. With the best path
// come the per-box program (every box's best written total, its count of
// best partial paths and the box before it, worked out from every partial
// path), the edges on best paths and the ranked paths (the listing sorted by
// written total); with too many paths, their agreement with the best path.
// Every model runs under QAbstractItemModelTester, which aborts on a broken
// model contract (the result table and the path list while they are small
// enough for the tester to visit every cell).

#include "check.h"
#include "model/edgetable.h"
#include "model/inputlimits.h"
#include "model/numbers.h"
#include "model/randomsource.h"
#include "model/stagefilter.h"
#include "model/stagetable.h"
#include "solver/bestpath.h"
#include "solver/bestpathsearch.h"
#include "solver/paths.h"
#include "solver/rankedpaths.h"
#include "solver/rankedpathtable.h"
#include "solver/resulttable.h"
#include "solver/steptable.h"
#include "solver/validation.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QLocale>

#include <fuzzer/FuzzedDataProvider.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

using namespace stagepath;
using fuzz::show;

namespace {

constexpr int kMaxStages = 7;        // stage counts the harness applies
constexpr qint64 kMaxBoxes = 12;     // box counts applied freely
constexpr qint64 kBigBoxes = 600;    // larger counts only while the edge table stays small
constexpr qint64 kBigEdges = 8000;
constexpr qint64 kScanPaths = 729;   // best path checked against a scan of every row up to this
constexpr qint64 kTesterRows = 243;  // the model tester visits every cell; bigger listings go without
constexpr int kMaxActions = 40;
constexpr int kSamples = 8;

const double nan = std::numeric_limits<double>::quiet_NaN();

// Small deterministic generator for picking sample rows.
struct Sampler {
    quint64 state;
    qint64 below(qint64 n) // 0 <= x < n, n > 0
    {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return qint64((state >> 17) % quint64(n));
    }
};

bool sameNumber(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

// ---- What the harness expects, worked out without the code under test ----

qint64 edgeCountOf(const std::vector<qint64> &counts)
{
    qint64 n = 0;
    for (size_t i = 0; i + 1 < counts.size(); ++i)
        n += counts[i] * counts[i + 1];
    return n;
}

qint64 pathCountOf(const std::vector<qint64> &counts, qint64 cap)
{
    if (counts.size() < 2)
        return 0;
    qint64 n = 1;
    for (qint64 c : counts) {
        if (c == 0)
            return 0;
    }
    for (qint64 c : counts) {
        if (n > cap / c)
            return cap + 1;
        n *= c;
    }
    return n;
}

qint64 firstBoxOf(const std::vector<qint64> &counts, size_t column)
{
    qint64 n = 0;
    for (size_t c = 0; c < column; ++c)
        n += counts[c];
    return n;
}

struct ExpectedEdge {
    int stage;    // 1-based, as shown
    qint64 from;  // global box numbers
    qint64 to;
};

ExpectedEdge expectedEdge(const std::vector<qint64> &counts, qint64 row)
{
    qint64 start = 0;
    for (size_t s = 0; s + 1 < counts.size(); ++s) {
        const qint64 rows = counts[s] * counts[s + 1];
        if (row < start + rows) {
            const qint64 offset = row - start;
            return {int(s) + 1, firstBoxOf(counts, s) + offset / counts[s + 1] + 1,
                    firstBoxOf(counts, s + 1) + offset % counts[s + 1] + 1};
        }
        start += rows;
    }
    std::abort();
}

qint64 edgeRowOf(const std::vector<qint64> &counts, size_t stage, qint64 j, qint64 k)
{
    qint64 start = 0;
    for (size_t s = 0; s < stage; ++s)
        start += counts[s] * counts[s + 1];
    return start + j * counts[stage + 1] + k;
}

std::vector<qint64> positionsOfRow(const std::vector<qint64> &counts, qint64 row)
{
    std::vector<qint64> p(counts.size());
    for (size_t c = counts.size(); c-- > 0;) {
        p[c] = row % counts[c];
        row /= counts[c];
    }
    return p;
}

// -1 when the row number does not fit in 64 bits.
qint64 rowOfPositions(const std::vector<qint64> &counts, const std::vector<qint64> &p)
{
    qint64 row = 0;
    for (size_t c = 0; c < counts.size(); ++c) {
        if (__builtin_mul_overflow(row, counts[c], &row) || __builtin_add_overflow(row, p[c], &row))
            return -1;
    }
    return row;
}

// The graph as the edge table should hold it.
struct Graph {
    std::vector<qint64> counts;
    std::vector<QString> texts;  // per edge row: the text shown
    std::vector<double> values;  // per edge row: the text read as a number, NaN if it is not one

    qint64 edgeRow(size_t stage, qint64 j, qint64 k) const { return edgeRowOf(counts, stage, j, k); }

    double total(const std::vector<qint64> &p) const // left to right, as the listing adds
    {
        double t = values[size_t(edgeRow(0, p[0], p[1]))];
        for (size_t s = 1; s + 1 < p.size(); ++s)
            t = values[size_t(edgeRow(s, p[s], p[s + 1]))] + t;
        return t;
    }

    QString pathText(const std::vector<qint64> &p) const
    {
        QString text = QString::number(firstBoxOf(counts, 0) + p[0] + 1);
        for (size_t s = 0; s + 1 < p.size(); ++s)
            text += QStringLiteral(" (%1) %2")
                        .arg(texts[size_t(edgeRow(s, p[s], p[s + 1]))])
                        .arg(firstBoxOf(counts, s + 1) + p[s + 1] + 1);
        return text;
    }
};

// ---- The models, wired as the window wires them ----

struct World {
    StageTable stages;
    EdgeTable edges;
    StageFilter filter{&edges};
    ResultTable results;
    PathTextList pathList{&results};
    StepTable steps;
    RankedPathTable ranked;
    QAbstractItemModelTester stageTester{&stages, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester edgeTester{&edges, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester filterTester{&filter, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester stepTester{&steps, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester rankedTester{&ranked, QAbstractItemModelTester::FailureReportingMode::Fatal};
    std::unique_ptr<QAbstractItemModelTester> resultTester;
    std::unique_ptr<QAbstractItemModelTester> listTester;

    std::vector<QString> countTexts; // the stage table's texts
    std::vector<qint64> counts;      // and their numbers
    Graph graph;                     // the edge table (its counts lag behind after an edit until the tick)
    int filterStage = -1;

    // The result table.
    int columnStages = 0;            // N of its columns
    bool hasPathColumn = false;
    std::optional<Graph> listed;     // the graph it lists
    QHash<qint64, QString> resultEdits;

    int refusals = 0;
    int acceptances = 0;

    World()
    {
        QObject::connect(&stages, &StageTable::editRefused, [this](const QString &message) {
            FUZZ_CHECK(!message.isEmpty(), "empty refusal message");
            ++refusals;
        });
        QObject::connect(&stages, &StageTable::countEdited, [this](int) { ++acceptances; });
    }

    // The result table's testers walk every cell: only for small listings.
    void dropResultTesters()
    {
        listTester.reset();
        resultTester.reset();
    }
    void attachResultTesters()
    {
        if (results.rowCount() > kTesterRows)
            return;
        if (!resultTester)
            resultTester = std::make_unique<QAbstractItemModelTester>(
                &results, QAbstractItemModelTester::FailureReportingMode::Fatal);
        if (!listTester)
            listTester = std::make_unique<QAbstractItemModelTester>(
                &pathList, QAbstractItemModelTester::FailureReportingMode::Fatal);
    }
};

// Values in [0, 1) of single precision, k / 2^24, from the input.
std::vector<float> drawsFrom(FuzzedDataProvider &in)
{
    std::vector<float> u(size_t(in.ConsumeIntegralInRange(1, 6)));
    for (float &x : u)
        x = float(in.ConsumeIntegral<quint32>() >> 8) * (1.0f / 16777216.0f);
    return u;
}

// KutuEkle: the edge table from the stage table's counts.
void regenerate(World &w, FuzzedDataProvider &in)
{
    const std::vector<float> draws = drawsFrom(in);
    SequenceRandom random(draws);
    w.edges.regenerate(w.stages.boxCounts(), random);
    w.graph.counts = w.counts;
    const qint64 rows = edgeCountOf(w.counts);
    w.graph.texts.assign(size_t(rows), QString());
    w.graph.values.assign(size_t(rows), 0);
    for (qint64 r = 0; r < rows; ++r) {
        const double v = std::nearbyint(double(draws[size_t(r) % draws.size()]) * 1000.0);
        FUZZ_CHECK(v >= 0 && v <= 1000, "drawn value %g", v);
        w.graph.values[size_t(r)] = v;
        w.graph.texts[size_t(r)] = QString::number(qint64(v));
    }
}

// Vorta_Ekle: stage table, result columns, edge table.
void rebuild(World &w, int stageCount, FuzzedDataProvider &in)
{
    w.stages.rebuild(stageCount);
    w.countTexts.assign(size_t(stageCount) + 1, QStringLiteral("3"));
    w.counts.assign(size_t(stageCount) + 1, 3);
    w.results.setStageColumns(stageCount);
    w.columnStages = stageCount;
    w.hasPathColumn = false;
    w.listed.reset();
    w.resultEdits.clear();
    w.attachResultTesters();
    regenerate(w, in);
}

QString fuzzText(FuzzedDataProvider &in, size_t maxLength)
{
    const std::string bytes = in.ConsumeRandomLengthString(maxLength);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

QString doubleText(FuzzedDataProvider &in)
{
    double v = 0;
    const auto bytes = in.ConsumeBytes<uint8_t>(sizeof v);
    if (!bytes.empty())
        std::memcpy(&v, bytes.data(), bytes.size());
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: return formatNumber(v);
    case 1: return QLocale().toString(v, 'g', 17);
    default: return QString::number(v, 'g', 17);
    }
}

QString countText(FuzzedDataProvider &in)
{
    static const char *const tricky[] = {
        "", " ", "-0", "+3", " 3 ", "3.0", "3,0", "1e1", "0x3", "٣", "３", "1.000", "1,000", "inf", "nan",
        "-1", "100000", "100001", "1e5", "99999.5", "2.5", "2,5", "03", "0", "200000", "50000",
    };
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0: case 1: case 2: case 3:
        return QString::number(in.ConsumeIntegralInRange(0, 6));
    case 4: return QString::number(in.ConsumeBool() ? in.ConsumeIntegralInRange<qint64>(-10, 300000)
                                                    : in.ConsumeIntegralInRange<qint64>(kMaxBoxes, kBigBoxes));
    case 5: return QString::fromUtf8(tricky[in.ConsumeIntegralInRange<size_t>(0, std::size(tricky) - 1)]);
    case 6: return fuzzText(in, 12);
    default: return doubleText(in);
    }
}

QString valueText(FuzzedDataProvider &in)
{
    static const char *const tricky[] = {
        "07", "", "abc", "1e308", "-1e308", "1.7976931348623157e308", "-1.7976931348623157e308", "4,50", "4.50",
        "-0", "1e-320", "0.1", "0.2", "0.3", "1e15", "1e16", "9007199254740993", "-7", " 5 ", "1.000,5",
    };
    switch (in.ConsumeIntegralInRange(0, 8)) {
    case 0: case 1: case 2:
        return QString::number(in.ConsumeIntegralInRange(0, 1000));
    case 3: // fractions that tie when written with 15 digits
        return formatNumber(in.ConsumeIntegralInRange(-30, 30) * 0.1);
    case 4: // whole numbers whose sums are no longer exact
        return formatNumber(double(in.ConsumeIntegralInRange<qint64>(-1000, 1000)) * 1e14 + in.ConsumeIntegralInRange(0, 9));
    case 5: return QString::fromUtf8(tricky[in.ConsumeIntegralInRange<size_t>(0, std::size(tricky) - 1)]);
    case 6: return fuzzText(in, 16);
    default: return doubleText(in);
    }
}

// ---- Checks after every action ----

void checkStages(World &w)
{
    const int rows = int(w.countTexts.size());
    FUZZ_CHECK(w.stages.rowCount() == rows, "stage table has %d rows, expected %d", w.stages.rowCount(), rows);
    for (int r = 0; r < rows; ++r) {
        FUZZ_CHECK(w.stages.index(r, 0).data().toString() == w.countTexts[size_t(r)], "stage row %d text", r);
        FUZZ_CHECK(w.stages.index(r, 1).data().toString() == QStringLiteral("%1.Vorta").arg(r + 1), "stage row %d label", r);
    }
    FUZZ_CHECK(w.stages.boxCounts() == w.counts, "box counts differ from the texts");
    FUZZ_CHECK(stageTabCaptions(rows - 1).size() == rows, "tab count");
}

void checkEdgeRow(const World &w, qint64 row)
{
    const ExpectedEdge e = expectedEdge(w.graph.counts, row);
    const int r = int(row);
    const QString value = w.edges.index(r, 0).data().toString();
    FUZZ_CHECK(value == w.graph.texts[size_t(row)], "edge row %lld shows '%s', expected '%s'", (long long)row,
               show(value).constData(), show(w.graph.texts[size_t(row)]).constData());
    FUZZ_CHECK(w.edges.index(r, 1).data().toString() == QString::number(e.from), "edge row %lld from box", (long long)row);
    FUZZ_CHECK(w.edges.index(r, 2).data().toString() == QString::number(e.to), "edge row %lld to box", (long long)row);
    FUZZ_CHECK(w.edges.index(r, 3).data().toString() == QString::number(e.stage), "edge row %lld stage", (long long)row);
    FUZZ_CHECK(sameNumber(w.edges.edges().value(row), w.graph.values[size_t(row)]), "edge row %lld value %.17g, expected %.17g",
               (long long)row, w.edges.edges().value(row), w.graph.values[size_t(row)]);
}

void checkEdges(World &w, Sampler &pick)
{
    const qint64 rows = qint64(w.graph.texts.size());
    FUZZ_CHECK(w.edges.rowCount() == rows, "edge table has %d rows, expected %lld", w.edges.rowCount(), (long long)rows);
    if (rows == 0)
        return;
    if (rows <= 12) {
        for (qint64 r = 0; r < rows; ++r)
            checkEdgeRow(w, r);
    } else {
        checkEdgeRow(w, 0);
        checkEdgeRow(w, rows - 1);
        for (int i = 0; i < kSamples; ++i)
            checkEdgeRow(w, pick.below(rows));
    }
    // The first row that is not a number.
    qint64 firstNaN = -1;
    for (qint64 r = 0; r < rows && firstNaN < 0; ++r) {
        if (std::isnan(w.graph.values[size_t(r)]))
            firstNaN = r;
    }
    const auto found = w.edges.edges().firstNonNumber();
    FUZZ_CHECK(found.value_or(-1) == firstNaN, "first non-number row %lld, expected %lld",
               (long long)found.value_or(-1), (long long)firstNaN);
}

void checkFilter(World &w, Sampler &pick)
{
    const auto &c = w.graph.counts;
    const int s = w.filterStage;
    const bool exists = s >= 0 && size_t(s) + 1 < c.size();
    const qint64 rows = exists ? c[size_t(s)] * c[size_t(s) + 1] : 0;
    FUZZ_CHECK(w.filter.rowCount() == rows, "stage view of stage %d has %d rows, expected %lld", s,
               w.filter.rowCount(), (long long)rows);
    if (rows == 0)
        return;
    const qint64 first = edgeRowOf(c, size_t(s), 0, 0);
    for (int i = 0; i < 4; ++i) {
        const int r = int(pick.below(rows));
        for (int col = 0; col < EdgeTable::ColumnCount; ++col)
            FUZZ_CHECK(w.filter.index(r, col).data() == w.edges.index(int(first + r), col).data(),
                       "stage view row %d column %d differs from edge row %lld", r, col, (long long)(first + r));
    }
}

void checkResultRow(const World &w, const Graph &g, qint64 row)
{
    const int n = int(g.counts.size()) - 1;
    const auto p = positionsOfRow(g.counts, row);
    const int r = int(row);
    FUZZ_CHECK(w.results.positionsOfRow(row) == p, "positions of result row %d", r);
    FUZZ_CHECK(w.results.rowOfPositions(p) == row, "row of the positions of result row %d", r);
    for (int c = 0; c < n; ++c) {
        QString expected = g.texts[size_t(g.edgeRow(size_t(c), p[size_t(c)], p[size_t(c) + 1]))];
        if (c == 0 && w.resultEdits.contains(row))
            expected = w.resultEdits.value(row);
        const QString cell = w.results.index(r, c).data().toString();
        FUZZ_CHECK(cell == expected, "result row %d column %d '%s', expected '%s'", r, c, show(cell).constData(),
                   show(expected).constData());
        const QString tip = w.results.index(r, c).data(Qt::ToolTipRole).toString();
        FUZZ_CHECK(tip == QString::number(firstBoxOf(g.counts, size_t(c) + 1) + p[size_t(c) + 1] + 1),
                   "result row %d column %d tooltip '%s'", r, c, show(tip).constData());
    }
    FUZZ_CHECK(w.results.index(r, 0).data(Qt::UserRole).toString() == QString::number(p[0] + 1), "result row %d tag", r);
    const QString total = w.results.index(r, n).data().toString();
    FUZZ_CHECK(total == formatNumber(g.total(p)), "result row %d total '%s', expected %.17g", r, show(total).constData(),
               g.total(p));
    if (w.hasPathColumn) {
        const QString path = w.results.index(r, n + 1).data().toString();
        FUZZ_CHECK(path == g.pathText(p), "result row %d path '%s', expected '%s'", r, show(path).constData(),
                   show(g.pathText(p)).constData());
        FUZZ_CHECK(w.pathList.index(r).data().toString() == path, "path list item %d", r);
    }
}

void checkResults(World &w, Sampler &pick)
{
    const int columns = w.columnStages + 1 + (w.hasPathColumn ? 1 : 0);
    FUZZ_CHECK(w.results.columnCount() == columns, "result table has %d columns, expected %d", w.results.columnCount(), columns);
    for (int c = 0; c < w.columnStages; ++c)
        FUZZ_CHECK(w.results.headerData(c, Qt::Horizontal).toString() == QStringLiteral("%1.Vorta").arg(c + 1), "header %d", c);
    FUZZ_CHECK(w.results.headerData(w.columnStages, Qt::Horizontal).toString() == QStringLiteral("Toplam"), "Toplam header");
    if (w.hasPathColumn)
        FUZZ_CHECK(w.results.headerData(w.columnStages + 1, Qt::Horizontal).toString() == QStringLiteral("Yol"), "Yol header");

    const qint64 rows = w.listed ? pathCountOf(w.listed->counts, limits::maxListedPaths) : 0;
    const qint64 shown = rows > limits::maxListedPaths ? 0 : rows;
    FUZZ_CHECK(w.results.rowCount() == shown, "result table has %d rows, expected %lld", w.results.rowCount(), (long long)shown);
    FUZZ_CHECK(w.pathList.rowCount() == shown, "path list has %d items", w.pathList.rowCount());
    // Cells are only meaningful under the columns of the listed graph's own stage count.
    if (shown == 0 || int(w.listed->counts.size()) - 1 != w.columnStages)
        return;
    checkResultRow(w, *w.listed, 0);
    checkResultRow(w, *w.listed, shown - 1);
    // Rows and positions that are not listed.
    FUZZ_CHECK(w.results.positionsOfRow(-1).empty() && w.results.positionsOfRow(shown).empty(), "positions of no row");
    auto beyond = positionsOfRow(w.listed->counts, pick.below(shown));
    beyond.back() = w.listed->counts.back() + pick.below(3);
    FUZZ_CHECK(w.results.rowOfPositions(beyond) == -1, "row of positions beyond the last column");
    beyond.pop_back();
    FUZZ_CHECK(w.results.rowOfPositions(beyond) == -1, "row of too few positions");
    FUZZ_CHECK(w.results.pathText(shown).isEmpty() && w.results.cellText(-1, 0).isEmpty()
                   && w.results.cellText(0, w.results.columnCount()).isEmpty() && w.results.tag(shown).isEmpty(),
               "texts of cells that do not exist");
    for (int i = 0; i < kSamples / 2; ++i)
        checkResultRow(w, *w.listed, pick.below(shown));
}

// ---- The best path ----

// The written total read back, as the scan compares it.
std::optional<double> shownTotal(double total) { return parseNumber(formatNumber(total)); }

// ---- The per-box program and the ranked paths ----

// The best written total into a box over every partial path from column 1,
// its text, how many partial paths have it, and the box before the box on the
// first of them (-1 in column 1).
struct BoxBest {
    double shown = 0;
    QString text;
    quint64 ties = 0;
    qint64 previous = -1;
};

// nullopt when some partial total is written beyond the double range.
std::optional<std::vector<BoxBest>> boxBests(const Graph &g, PathMode mode)
{
    const auto better = [mode](double a, double b) { return mode == PathMode::Shortest ? a < b : a > b; };
    std::vector<BoxBest> boxes(size_t(firstBoxOf(g.counts, g.counts.size())));
    for (size_t c = 0; c < g.counts.size(); ++c) {
        const std::vector<qint64> prefix(g.counts.begin(), g.counts.begin() + qint64(c) + 1);
        qint64 partials = 1;
        for (qint64 n : prefix)
            partials *= n;
        for (qint64 r = 0; r < partials; ++r) {
            const auto p = positionsOfRow(prefix, r);
            const double total = c == 0 ? 0 : g.total(p);
            const auto shown = shownTotal(total);
            if (!shown)
                return std::nullopt;
            BoxBest &b = boxes[size_t(firstBoxOf(g.counts, c) + p[c])];
            if (b.ties == 0 || better(*shown, b.shown))
                b = BoxBest{*shown, formatNumber(total), 0, c == 0 ? -1 : firstBoxOf(g.counts, c - 1) + p[c - 1]};
            b.ties += *shown == b.shown;
        }
    }
    return boxes;
}

// What every graph must satisfy: the chain back from the best path's last
// box is the best path, its edges lie on best paths, the first ranked path is
// the best one.
void checkChain(const Graph &g, const BestPathSearch &search, const EdgeData &data, PathMode mode, const BestPath &best)
{
    FUZZ_CHECK(search.computed() && search.hasPath() && search.positions() == best.positions, "search and best path differ");
    FUZZ_CHECK(search.pathCount() >= 1 && formatNumber(search.total()) == best.totalText, "best total or count");
    const size_t last = g.counts.size() - 1;
    qint64 box = firstBoxOf(g.counts, last) + best.positions[last];
    for (size_t c = last; c > 0; --c) {
        const qint64 before = firstBoxOf(g.counts, c - 1) + best.positions[c - 1];
        FUZZ_CHECK(search.previousBox(box) == before, "the chain leaves the best path at column %zu", c + 1);
        FUZZ_CHECK(search.onBestPath(g.edgeRow(c - 1, best.positions[c - 1], best.positions[c])), "edge of the best path");
        FUZZ_CHECK(search.tieCount(box) >= 1, "no best partial path into box %lld", (long long)box + 1);
        box = before;
    }
    const auto first = rankedPaths(data, mode, 1);
    FUZZ_CHECK(first.size() == 1 && first.front().positions == best.positions, "first ranked path is not the best");
}

// With every total at hand: the program box by box, the edges on best paths
// and the ranked paths against the sorted listing.
void checkProgram(const Graph &g, const BestPathSearch &search, const EdgeData &data, PathMode mode,
                  const std::vector<double> &totals, const BestPath &best, Sampler &pick)
{
    const auto boxes = boxBests(g, mode);
    if (!boxes || !search.exact())
        return;
    for (size_t box = 0; box < boxes->size(); ++box) {
        const BoxBest &b = (*boxes)[box];
        const int c = search.columnOf(qint64(box));
        const bool onPath = c > 0 && firstBoxOf(g.counts, size_t(c)) + best.positions[size_t(c)] == qint64(box);
        FUZZ_CHECK(formatNumber(search.bestTotal(qint64(box))) == b.text, "box %zu best total", box + 1);
        FUZZ_CHECK(search.tieCount(qint64(box)) == b.ties, "box %zu: %llu best partial paths, expected %llu", box + 1,
                   (unsigned long long)search.tieCount(qint64(box)), (unsigned long long)b.ties);
        FUZZ_CHECK(onPath || search.previousBox(qint64(box)) == b.previous, "box %zu previous box", box + 1);
    }
    const auto better = [mode](double a, double b) { return mode == PathMode::Shortest ? a < b : a > b; };
    std::vector<qint64> order(totals.size());
    std::vector<double> shown;
    for (size_t r = 0; r < totals.size(); ++r) {
        order[r] = qint64(r);
        shown.push_back(*shownTotal(totals[r]));
    }
    std::stable_sort(order.begin(), order.end(), [&](qint64 a, qint64 b) { return better(shown[size_t(a)], shown[size_t(b)]); });
    std::vector<bool> onBest(g.values.size(), false);
    quint64 count = 0;
    for (qint64 r : order) {
        if (shown[size_t(r)] != shown[size_t(order.front())])
            break;
        ++count;
        const auto p = positionsOfRow(g.counts, r);
        for (size_t s = 0; s + 1 < p.size(); ++s)
            onBest[size_t(g.edgeRow(s, p[s], p[s + 1]))] = true;
    }
    FUZZ_CHECK(search.pathCount() == count, "%llu best paths, expected %llu", (unsigned long long)search.pathCount(),
               (unsigned long long)count);
    for (size_t e = 0; e < onBest.size(); ++e)
        FUZZ_CHECK(search.onBestPath(qint64(e)) == onBest[e], "edge row %zu on a best path", e + 1);
    const int k = int(pick.below(qint64(totals.size()) + 3)) + 1;
    const auto ranked = rankedPaths(data, mode, k);
    FUZZ_CHECK(ranked.size() == std::min(size_t(k), totals.size()), "%zu ranked paths for k = %d", ranked.size(), k);
    for (size_t i = 0; i < ranked.size(); ++i)
        FUZZ_CHECK(ranked[i].row == order[i] && ranked[i].positions == positionsOfRow(g.counts, order[i]),
                   "ranked path %zu is row %lld, expected row %lld", i + 1, (long long)ranked[i].row.value_or(-1),
                   (long long)order[i]);
}

// The two tables on the edge table's snapshot: no rows and the message of
// checkComputable when it has one, else one row per box and the best paths.
void checkTables(World &w, PathMode mode, Sampler &pick)
{
    const EdgeDataPtr snapshot = w.edges.snapshot();
    const auto problem = checkComputable(*snapshot);
    w.steps.setGraph(snapshot, mode);
    w.ranked.setCount(int(pick.below(12)) + 1);
    w.ranked.setGraph(snapshot, mode);
    FUZZ_CHECK(w.steps.problem() == problem.value_or(QString()) && w.ranked.problem() == w.steps.problem(),
               "table message '%s'", show(w.steps.problem()).constData());
    if (problem) {
        FUZZ_CHECK(w.steps.rowCount() == 0 && w.ranked.rowCount() == 0, "rows under a message");
        return;
    }
    const qint64 paths = pathCountOf(w.graph.counts, RankedPathTable::largestCount);
    FUZZ_CHECK(w.steps.rowCount() == firstBoxOf(w.graph.counts, w.graph.counts.size()), "step table rows");
    FUZZ_CHECK(w.ranked.rowCount() == std::min<qint64>(w.ranked.count(), paths), "ranked table has %d rows",
               w.ranked.rowCount());
    if (w.ranked.rowCount() > 0)
        FUZZ_CHECK(w.ranked.index(0, RankedPathTable::TotalColumn).data().toString() == w.steps.bestTotalText(),
                   "first ranked total '%s', best total '%s'",
                   show(w.ranked.index(0, RankedPathTable::TotalColumn).data().toString()).constData(),
                   show(w.steps.bestTotalText()).constData());
}

void checkBest(World &w, PathMode mode, Sampler &pick)
{
    const Graph &g = w.graph;
    const EdgeData &data = w.edges.edges();
    const int n = int(g.counts.size()) - 1;
    const qint64 paths = pathCountOf(g.counts, kScanPaths);
    bool emptyColumn = false;
    for (qint64 c : g.counts)
        emptyColumn |= c == 0;
    emptyColumn &= n >= 1;
    qint64 firstNaN = -1;
    for (size_t r = 0; r < g.values.size() && firstNaN < 0; ++r) {
        if (std::isnan(g.values[r]))
            firstNaN = qint64(r);
    }

    const auto problem = checkComputable(data);
    checkTables(w, mode, pick);
    if (emptyColumn)
        FUZZ_CHECK(problem, "no message for a column without boxes");
    else if (firstNaN >= 0)
        FUZZ_CHECK(problem && problem->contains(QStringLiteral("%1. satırındaki").arg(firstNaN + 1)),
                   "message for row %lld not a number: '%s'", (long long)firstNaN, show(problem.value_or(QString())).constData());

    const auto best = findBestPath(data, mode);
    if (n < 1 || emptyColumn || firstNaN >= 0) {
        FUZZ_CHECK(!best, "a best path where there is none");
        return;
    }

    // Every total, when there are few enough paths to scan.
    std::vector<double> totals;
    if (paths <= kScanPaths) {
        totals.reserve(size_t(paths));
        bool overflow = false;
        for (qint64 r = 0; r < paths; ++r) {
            totals.push_back(g.total(positionsOfRow(g.counts, r)));
            overflow |= !std::isfinite(totals.back());
        }
        FUZZ_CHECK(bool(problem) == overflow, "overflow message '%s' but a scan %s an overflow",
                   show(problem.value_or(QString())).constData(), overflow ? "finds" : "finds no");
    }
    if (problem)
        return; // the window refuses to choose; findBestPath only had to survive
    FUZZ_CHECK(best, "no best path for a graph without problems");

    FUZZ_CHECK(best->positions.size() == size_t(n) + 1, "best path has %zu positions", best->positions.size());
    for (size_t c = 0; c < best->positions.size(); ++c)
        FUZZ_CHECK(best->positions[c] >= 0 && best->positions[c] < g.counts[c], "best position %lld in column %zu",
                   (long long)best->positions[c], c);
    const double total = g.total(best->positions);
    FUZZ_CHECK(sameNumber(best->total, total), "best total %.17g, the path adds up to %.17g", best->total, total);
    FUZZ_CHECK(best->totalText == formatNumber(total), "best total text");
    FUZZ_CHECK(best->pathText == g.pathText(best->positions), "best path text '%s'", show(best->pathText).constData());
    const qint64 bestRow = rowOfPositions(g.counts, best->positions);
    FUZZ_CHECK(best->row == bestRow, "best row %lld, its positions give %lld", (long long)best->row, (long long)bestRow);
    const auto bestShown = shownTotal(total);

    const auto better = [mode](double a, double b) { return mode == PathMode::Shortest ? a < b : a > b; };
    if (!totals.empty()) {
        // The scan of "Çiz": the first row with the least (greatest) written total.
        std::vector<double> shown;
        for (double t : totals) {
            const auto s = shownTotal(t);
            if (!s)
                return; // a total written beyond the double range does not read back; nothing to compare
            shown.push_back(*s);
        }
        qint64 pick_ = 0;
        for (qint64 r = 1; r < qint64(shown.size()); ++r) {
            if (better(shown[size_t(r)], shown[size_t(pick_)]))
                pick_ = r;
        }
        FUZZ_CHECK(best->row == pick_, "%s: best row %lld (total %.17g), the scan picks row %lld (total %.17g)",
                   mode == PathMode::Shortest ? "shortest" : "longest", (long long)best->row, total, (long long)pick_,
                   totals[size_t(pick_)]);
    } else if (bestShown) {
        // Too many paths to scan: no sampled row beats the chosen one, and a tie comes later.
        const qint64 all = pathCountOf(g.counts, std::numeric_limits<qint64>::max() / 2);
        for (int i = 0; i < kSamples; ++i) {
            const qint64 r = pick.below(all);
            const auto s = shownTotal(g.total(positionsOfRow(g.counts, r)));
            if (!s)
                continue;
            FUZZ_CHECK(!better(*s, *bestShown) && (*s != *bestShown || bestRow < 0 || r >= bestRow),
                       "row %lld (total %.17g) beats the best row %lld (total %.17g)", (long long)r, *s,
                       (long long)bestRow, *bestShown);
        }
    }
    const BestPathSearch search(data, mode);
    checkChain(g, search, data, mode, *best);
    if (!totals.empty())
        checkProgram(g, search, data, mode, totals, *best, pick);
}

// ---- Actions ----

void editCount(World &w, FuzzedDataProvider &in)
{
    const int rows = int(w.countTexts.size());
    const int row = in.ConsumeIntegralInRange(-1, rows);
    const int column = in.ConsumeIntegralInRange(0, 3) == 0 ? 1 : 0;
    const QString text = countText(in);
    const bool valid = row >= 0 && row < rows && column == 0;

    std::optional<qint64> count = parseWhole(text, 0, limits::maxBoxesPerColumn);
    bool accept = valid && count;
    if (accept) {
        auto after = w.counts;
        after[size_t(row)] = *count;
        qint64 boxes = 0;
        for (qint64 c : after)
            boxes += c;
        accept = boxes <= limits::maxBoxes && edgeCountOf(after) <= limits::maxEdges;
        if (accept && *count > kMaxBoxes && (*count > kBigBoxes || edgeCountOf(after) > kBigEdges))
            return; // would be accepted, but too big to fuzz quickly
    }
    const int refusalsBefore = w.refusals;
    const int acceptancesBefore = w.acceptances;
    const bool accepted = w.stages.setData(w.stages.index(row, column), text);
    FUZZ_CHECK(accepted == accept, "box count '%s' for row %d column %d: %s", show(text).constData(), row, column,
               accepted ? "accepted" : "refused");
    if (accepted) {
        FUZZ_CHECK(w.acceptances == acceptancesBefore + 1 && w.refusals == refusalsBefore, "signals of an accepted count");
        w.countTexts[size_t(row)] = text;
        w.counts[size_t(row)] = *count;
        if (in.ConsumeIntegralInRange(0, 3) != 0) // the timer's tick
            regenerate(w, in);
    } else {
        FUZZ_CHECK(w.acceptances == acceptancesBefore, "countEdited for a refused count");
        if (valid)
            FUZZ_CHECK(w.refusals == refusalsBefore + 1, "no message for the refused count '%s'", show(text).constData());
    }
}

void editValue(World &w, FuzzedDataProvider &in)
{
    const qint64 rows = qint64(w.graph.texts.size());
    const QString text = valueText(in);
    const int how = in.ConsumeIntegralInRange(0, 5);
    if (rows == 0)
        return;
    if (how == 0) { // not the value column, or not an edit: refused
        const int column = in.ConsumeIntegralInRange(1, 3);
        const int row = int(in.ConsumeIntegralInRange<qint64>(0, rows - 1));
        FUZZ_CHECK(!w.edges.setData(w.edges.index(row, column), text), "edge column %d took an edit", column);
        FUZZ_CHECK(!w.edges.setData(w.edges.index(row, 0), text, Qt::DisplayRole), "an edit with the display role");
        return;
    }
    qint64 row;
    if (how == 1 && w.filter.rowCount() > 0) { // through the one-stage view
        const int r = in.ConsumeIntegralInRange(0, w.filter.rowCount() - 1);
        row = w.filter.sourceRow(r);
        FUZZ_CHECK(w.filter.setData(w.filter.index(r, 0), text), "stage view refused a value");
    } else {
        row = in.ConsumeIntegralInRange<qint64>(0, rows - 1);
        FUZZ_CHECK(w.edges.setData(w.edges.index(int(row), 0), text), "edge table refused a value");
    }
    w.graph.texts[size_t(row)] = text;
    w.graph.values[size_t(row)] = parseNumber(text).value_or(nan);
}

void typeStageCount(World &w, FuzzedDataProvider &in)
{
    const QString text = in.ConsumeBool() ? QString::number(in.ConsumeIntegralInRange(-2, 1002)) : countText(in);
    QString message;
    const auto n = readStageCount(text, &message);
    const auto number = parseNumber(text);
    const bool whole = number && *number == std::floor(*number) && *number >= 0 && *number <= limits::maxStageCount;
    FUZZ_CHECK(bool(n) == whole, "stage count '%s' %s", show(text).constData(), n ? "accepted" : "refused");
    FUZZ_CHECK(bool(n) == message.isEmpty(), "stage count '%s': message '%s'", show(text).constData(),
               show(message).constData());
    if (n) {
        FUZZ_CHECK(double(*n) == *number, "stage count '%s' read as %d", show(text).constData(), *n);
        if (*n <= kMaxStages)
            rebuild(w, *n, in);
    }
}

void list(World &w)
{
    const qint64 count = w.graph.counts.empty() ? 0 : pathCountOf(w.graph.counts, limits::maxListedPaths);
    const bool fits = count <= limits::maxListedPaths;
    const auto tooMany = tooManyPathsMessage(w.edges.shape());
    FUZZ_CHECK(bool(tooMany) == !fits, "too-many-paths message '%s' for %lld paths",
               show(tooMany.value_or(QString())).constData(), (long long)count);
    if (count > kTesterRows)
        w.dropResultTesters();
    const bool listed = w.results.setPaths(w.edges.snapshot());
    FUZZ_CHECK(listed == fits, "setPaths for %lld paths returned %d", (long long)count, int(listed));
    if (fits) {
        const int stages = int(w.graph.counts.size()) - 1;
        if (!w.hasPathColumn && stages == w.columnStages)
            w.hasPathColumn = true;
        w.listed = w.graph;
    } else {
        w.listed.reset();
    }
    w.resultEdits.clear();
    w.attachResultTesters();
}

void editResult(World &w, FuzzedDataProvider &in)
{
    const int rows = w.results.rowCount();
    const QString text = valueText(in);
    if (rows == 0)
        return;
    const int row = in.ConsumeIntegralInRange(0, rows - 1);
    const int column = in.ConsumeIntegralInRange(0, w.results.columnCount() - 1);
    const bool accepted = w.results.setData(w.results.index(row, column), text);
    FUZZ_CHECK(accepted == (column == 0), "result column %d edit %s", column, accepted ? "accepted" : "refused");
    if (accepted)
        w.resultEdits.insert(row, text);
}

void act(World &w, FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange(0, 13)) {
    case 0:
        rebuild(w, in.ConsumeIntegralInRange(0, kMaxStages), in);
        break;
    case 1:
        typeStageCount(w, in);
        break;
    case 2: case 3: case 4:
        editCount(w, in);
        break;
    case 5: case 6:
        editValue(w, in);
        break;
    case 7:
        w.filterStage = in.ConsumeIntegralInRange(-2, kMaxStages + 1);
        w.filter.setStage(w.filterStage);
        break;
    case 8:
        regenerate(w, in);
        break;
    case 9:
        list(w);
        break;
    case 10:
        editResult(w, in);
        break;
    case 13: // the rows go, the columns stay
        w.results.clearRows();
        w.listed.reset();
        w.resultEdits.clear();
        w.attachResultTesters();
        break;
    case 11: { // result columns for another stage count than the listed graph's
        const int n = in.ConsumeIntegralInRange(0, kMaxStages);
        w.results.setStageColumns(n);
        w.columnStages = n;
        w.hasPathColumn = false;
        w.listed.reset();
        w.resultEdits.clear();
        w.attachResultTesters();
        break;
    }
    case 12: {
        Sampler pick{in.ConsumeIntegral<quint64>()};
        checkBest(w, in.ConsumeBool() ? PathMode::Shortest : PathMode::Longest, pick);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    std::fesetround(FE_TONEAREST);
    qInstallMessageHandler(fuzz::strictMessages);
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    QLocale::setDefault(in.ConsumeBool() ? QLocale(QLocale::Turkish, QLocale::Turkey) : QLocale::c());

    World w;
    rebuild(w, 4, in); // the window's start: four stages of three boxes
    Sampler pick{0x5eed};
    for (int i = 0; i < kMaxActions && in.remaining_bytes() > 0; ++i) {
        act(w, in);
        checkStages(w);
        checkEdges(w, pick);
        checkFilter(w, pick);
        checkResults(w, pick);
    }
    // Headers, and none beyond the columns.
    const QStringList edgeHeaders{"Değer", "Kutu No", "Diğer Kutu", "Vorta"};
    for (int c = -1; c <= EdgeTable::ColumnCount; ++c) {
        const QString want = c >= 0 && c < EdgeTable::ColumnCount ? edgeHeaders[c] : QString();
        FUZZ_CHECK(w.edges.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == want
                       && w.filter.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == want,
                   "edge header %d", c);
    }
    FUZZ_CHECK(w.stages.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString() == QStringLiteral("Vorta")
                   && w.stages.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString() == QStringLiteral("Sayı")
                   && !w.stages.headerData(2, Qt::Horizontal, Qt::DisplayRole).isValid(),
               "stage headers");

    // The window's "Çiz" at the end of every sequence, in both modes.
    checkBest(w, PathMode::Shortest, pick);
    checkBest(w, PathMode::Longest, pick);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Solver timings. Each measured step runs interleaved with its baseline in
// the same iterations (the machine is shared and noisy): the counter gives
// the median ratio of the two times, the time column the step alone.
//  - the best path at the window's limit of 10^6 edges and on 10^7 edges,
//    against Boost's DAG shortest paths (the algorithm alone, on a graph
//    built beforehand);
//  - the per-box program behind the step table and the 1,000 best paths, at
//    each limit of the window (10^6 edges, 200,000 boxes, 1,000 stages),
//    against one plain pass over the values (a loop summing them);
//  - all that the solution steps window shows, worked out at once (the
//    checks, the program, every box's best total written, the edges on best
//    paths and the 1,000 best paths): how long after a change it shows;
//  - listing millions of paths, and for scale the listing done the direct
//    way (every row's strings built and kept).

#include "model/graphdata.h"
#include "model/numbers.h"
#include "solver/bestpath.h"
#include "solver/bestpathsearch.h"
#include "solver/exercisesheet.h"
#include "solver/paths.h"
#include "solver/rankedpaths.h"
#include "solver/resulttable.h"
#include "solver/solution.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

#ifdef STAGEPATH_HAVE_BOOST
#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/dag_shortest_paths.hpp>
#endif

using namespace stagepath;

namespace {

enum class Values { Whole, Tenths, FewWhole };

std::shared_ptr<EdgeData> makeGraph(std::vector<qint64> counts, Values kind)
{
    auto data = std::make_shared<EdgeData>();
    data->shape = GraphShape(std::move(counts));
    data->values.resize(size_t(data->shape.edgeCount()));
    QRandomGenerator rng(7);
    for (double &v : data->values) {
        switch (kind) {
        case Values::Whole: v = double(rng.bounded(1001)); break; // as the edge table draws them
        case Values::Tenths: v = rng.bounded(10001) / 10.0; break;
        case Values::FewWhole: v = double(rng.bounded(4)); break; // ties everywhere
        }
    }
    return data;
}

std::shared_ptr<EdgeData> makeGraph(int columns, qint64 boxes, Values kind)
{
    return makeGraph(std::vector<qint64>(size_t(columns), boxes), kind);
}

// The window's limits: 1000 x 1000 boxes (10^6 edges), 100000 | 1 | 99999
// boxes (200,000 boxes), 1001 columns of 31 or 32 boxes (1,000 stages, about
// 10^6 edges).
enum Shape { Million, ManyBoxes, ManyStages };

std::vector<qint64> countsOf(int shape)
{
    switch (shape) {
    case Million: return {1000, 1000};
    case ManyBoxes: return {100000, 1, 99999};
    default: {
        std::vector<qint64> counts(1001);
        for (size_t i = 0; i < counts.size(); ++i)
            counts[i] = 31 + qint64(i % 2);
        return counts;
    }
    }
}

const EdgeData &graphAt(int shape, Values kind)
{
    static std::map<std::pair<int, int>, std::shared_ptr<EdgeData>> graphs;
    auto &g = graphs[{shape, int(kind)}];
    if (!g)
        g = makeGraph(countsOf(shape), kind);
    return *g;
}

// 1,000 stages of 100 boxes: 10^7 edges.
const EdgeData &bigGraph(Values kind)
{
    static std::map<int, std::shared_ptr<EdgeData>> graphs;
    auto &g = graphs[int(kind)];
    if (!g)
        g = makeGraph(1001, 100, kind);
    return *g;
}

template <typename F>
double seconds(F &&f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times the step and its baseline back to back in every iteration; the
// iteration time is the step's, the counter the median of step / baseline.
template <typename Step, typename Baseline>
void interleaved(benchmark::State &state, const char *counter, Step &&step, Baseline &&baseline)
{
    std::vector<double> ratios;
    for (auto _ : state) {
        const double base = seconds(baseline);
        const double own = seconds(step);
        state.SetIterationTime(own);
        ratios.push_back(own / base);
    }
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
    state.counters[counter] = ratios[ratios.size() / 2];
}

void plainPass(const EdgeData &data)
{
    double sum = 0;
    for (double v : data.values)
        sum += v;
    benchmark::DoNotOptimize(sum);
}

const char *const kindNames[] = {"whole", "tenths", "0..3"};

void BM_BestPath(benchmark::State &state)
{
    const EdgeData &data = graphAt(Million, Values(state.range(0)));
    const PathMode mode = PathMode(state.range(1));
    state.SetLabel(kindNames[state.range(0)]);
    interleaved(state, "xPlainPass", [&] { benchmark::DoNotOptimize(findBestPath(data, mode)); },
                [&] { plainPass(data); });
}
BENCHMARK(BM_BestPath)->ArgNames({"values", "longest"})->Args({0, 0})->Args({1, 0})->Args({2, 0})->Args({0, 1})
    ->UseManualTime()->Unit(benchmark::kMillisecond);

// The per-box program behind the step table (every box's summary and the
// edges on best paths), and the 1,000 best paths.
void BM_StepProgram(benchmark::State &state)
{
    const EdgeData &data = graphAt(int(state.range(0)), Values(state.range(1)));
    state.SetLabel(kindNames[state.range(1)]);
    interleaved(state, "xPlainPass", [&] { BestPathSearch search(data, PathMode::Shortest); benchmark::DoNotOptimize(search.pathCount()); },
                [&] { plainPass(data); });
}
BENCHMARK(BM_StepProgram)->ArgNames({"shape", "values"})->ArgsProduct({{Million, ManyBoxes, ManyStages}, {0, 1, 2}})
    ->UseManualTime()->Unit(benchmark::kMillisecond);

// "Kontrol Et" in exercise mode: the checker worked out for the graph (a
// tenth of the roads missing), a path that is not best judged with its
// candidates, and a thousand typed box totals marked.
void BM_ExerciseCheck(benchmark::State &state)
{
    auto data = std::make_shared<EdgeData>(graphAt(int(state.range(0)), Values(state.range(1))));
    for (size_t i = 0; i < data->values.size(); i += 10)
        data->values[i] = kMissingRoad;
    state.SetLabel(kindNames[state.range(1)]);
    const GraphShape &shape = data->shape;
    QStringList path;
    for (int c = 0; c < shape.columnCount(); ++c)
        path << QString::number(shape.globalBox(c, (c * 7 + 1) % shape.boxCount(c)));
    ExerciseAnswers answers{path.join(QLatin1Char('-')), QStringLiteral("12345"), {}, 0};
    for (qint64 b = 0; b < 1000; ++b)
        answers.boxTotals.insert(b * (shape.totalBoxes() / 1000), QString::number(b));
    const EdgeDataPtr graph = data;
    for (auto _ : state) {
        ExerciseSheet sheet;
        sheet.setGraph(graph, PathMode::Shortest);
        sheet.setAnswers(answers);
        benchmark::DoNotOptimize(sheet.check());
    }
}
BENCHMARK(BM_ExerciseCheck)->ArgNames({"shape", "values"})->ArgsProduct({{Million, ManyStages}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

void BM_RankedPaths(benchmark::State &state)
{
    const EdgeData &data = graphAt(int(state.range(0)), Values(state.range(1)));
    state.SetLabel(kindNames[state.range(1)]);
    interleaved(state, "xPlainPass", [&] { benchmark::DoNotOptimize(rankedPaths(data, PathMode::Shortest, 1000)); },
                [&] { plainPass(data); });
}
BENCHMARK(BM_RankedPaths)->ArgNames({"shape", "values"})->ArgsProduct({{Million, ManyBoxes, ManyStages}, {0, 1, 2}})
    ->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Solution(benchmark::State &state)
{
    auto data = std::make_shared<const EdgeData>(graphAt(int(state.range(0)), Values::Whole));
    const SolutionRequest request{data, PathMode::Shortest, 1000, true};
    for (auto _ : state)
        benchmark::DoNotOptimize(solve(request));
}
BENCHMARK(BM_Solution)->ArgName("shape")->Arg(Million)->Arg(ManyBoxes)->Arg(ManyStages)->Unit(benchmark::kMillisecond);

#ifdef STAGEPATH_HAVE_BOOST
using BoostGraph = boost::adjacency_list<boost::vecS, boost::vecS, boost::directedS, boost::no_property,
                                         boost::property<boost::edge_weight_t, double>>;

// Vertex 0 is a source joined to every box of column 1 at no cost; box b is vertex b.
std::unique_ptr<BoostGraph> boostGraph(const EdgeData &data)
{
    const GraphShape &shape = data.shape;
    auto g = std::make_unique<BoostGraph>(size_t(shape.totalBoxes()) + 1);
    for (qint64 j = 0; j < shape.boxCount(0); ++j)
        boost::add_edge(0, size_t(shape.globalBox(0, j)), 0.0, *g);
    for (int s = 0; s < shape.stageCount(); ++s) {
        for (qint64 j = 0; j < shape.boxCount(s); ++j) {
            for (qint64 k = 0; k < shape.boxCount(s + 1); ++k)
                boost::add_edge(size_t(shape.globalBox(s, j)), size_t(shape.globalBox(s + 1, k)),
                                data.value(shape.edgeRow(s, j, k)), *g);
        }
    }
    return g;
}

void boostShortest(const BoostGraph &g, std::vector<double> &distance, std::vector<size_t> &predecessor)
{
    using namespace boost;
    dag_shortest_paths(g, 0,
                       distance_map(make_iterator_property_map(distance.begin(), get(vertex_index, g)))
                           .predecessor_map(make_iterator_property_map(predecessor.begin(), get(vertex_index, g))));
}

// The best path on 10^7 edges against Boost's algorithm alone (its graph
// built beforehand); the counter is Boost's time over ours.
void BM_BestPathAgainstBoost(benchmark::State &state)
{
    const EdgeData &data = bigGraph(Values(state.range(0)));
    const PathMode mode = PathMode(state.range(1));
    state.SetLabel(kindNames[state.range(0)]);
    const auto g = boostGraph(data);
    std::vector<double> distance(num_vertices(*g));
    std::vector<size_t> predecessor(num_vertices(*g));
    std::vector<double> ratios;
    for (auto _ : state) {
        const double boost = seconds([&] { boostShortest(*g, distance, predecessor); });
        const double own = seconds([&] { benchmark::DoNotOptimize(findBestPath(data, mode)); });
        state.SetIterationTime(own);
        ratios.push_back(boost / own);
    }
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
    state.counters["boostOverOurs"] = ratios[ratios.size() / 2];
}
BENCHMARK(BM_BestPathAgainstBoost)->ArgNames({"values", "longest"})->Args({0, 0})->Args({1, 0})->Args({0, 1})
    ->UseManualTime()->Unit(benchmark::kMillisecond);

// What a solver built on Boost would pay per click: the graph from the edge values, then the algorithm.
void BM_BoostBuildAndSolve(benchmark::State &state)
{
    const EdgeData &data = bigGraph(Values::Whole);
    for (auto _ : state) {
        const auto g = boostGraph(data);
        std::vector<double> distance(num_vertices(*g));
        std::vector<size_t> predecessor(num_vertices(*g));
        boostShortest(*g, distance, predecessor);
        benchmark::DoNotOptimize(distance.data());
    }
}
BENCHMARK(BM_BoostBuildAndSolve)->Unit(benchmark::kMillisecond);
#endif

// The floor on 10^7 edges: read every value once.
void BM_PlainPass(benchmark::State &state)
{
    const EdgeData &data = bigGraph(Values::Whole);
    for (auto _ : state)
        plainPass(data);
    state.SetItemsProcessed(state.iterations() * data.shape.edgeCount());
}
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMillisecond);

// 15 columns of 3 boxes: 14,348,907 paths. Time until the first rows can be shown.
void BM_ListPaths15x3(benchmark::State &state)
{
    const EdgeDataPtr data = makeGraph(15, 3, Values::Whole);
    ResultTable table;
    table.setStageColumns(14);
    for (auto _ : state) {
        table.setPaths(data);
        for (int r = 0; r < 40; ++r) {
            for (int c = 0; c < table.columnCount(); ++c) {
                auto text = table.data(table.index(r, c));
                benchmark::DoNotOptimize(text);
            }
        }
    }
}
BENCHMARK(BM_ListPaths15x3)->Unit(benchmark::kMicrosecond);

void BM_BestPath15x3(benchmark::State &state)
{
    const EdgeDataPtr data = makeGraph(15, 3, Values::Whole);
    for (auto _ : state) {
        auto best = findBestPath(*data, PathMode::Shortest);
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(BM_BestPath15x3)->Unit(benchmark::kMicrosecond);

// The listing done the direct way: every row's cells,
// tag and tooltips built as strings and kept, totals added per row.
struct StoredRow {
    QStringList cells;
    QStringList toolTips;
    QString tag;
};

void BM_StoredRows(benchmark::State &state)
{
    const int columns = int(state.range(0));
    const EdgeDataPtr data = makeGraph(columns, 3, Values::Whole);
    const GraphShape &shape = data->shape;
    const PathIndex index(shape);
    for (auto _ : state) {
        std::vector<StoredRow> rows;
        std::vector<qint64> p;
        for (qint64 r = 0; r < index.pathCount(); ++r) {
            index.positions(r, p);
            StoredRow row;
            row.tag = QString::number(shape.globalBox(0, p[0]));
            for (int s = 0; s < shape.stageCount(); ++s) {
                row.cells << data->text(shape.edgeRow(s, p[size_t(s)], p[size_t(s) + 1]));
                row.toolTips << QString::number(shape.globalBox(s + 1, p[size_t(s) + 1]));
            }
            double total = *parseNumber(row.cells[0]);
            for (int c = 1; c < shape.stageCount(); ++c)
                total = *parseNumber(row.cells[c]) + total;
            row.cells << formatNumber(total) << pathText(*data, p);
            rows.push_back(std::move(row));
        }
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["paths"] = double(index.pathCount());
}
BENCHMARK(BM_StoredRows)->ArgName("columns")->Arg(5)->Arg(8)->Arg(11)->Unit(benchmark::kMillisecond);

void BM_ListedRows(benchmark::State &state)
{
    const int columns = int(state.range(0));
    const EdgeDataPtr data = makeGraph(columns, 3, Values::Whole);
    ResultTable table;
    table.setStageColumns(columns - 1);
    for (auto _ : state) {
        table.setPaths(data);
        auto text = table.data(table.index(0, 0));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ListedRows)->ArgName("columns")->Arg(5)->Arg(8)->Arg(11)->Unit(benchmark::kMicrosecond);

// Roads that do not exist: a copy of the graph with every tenth road (drawn
// at random, the same on every run) missing.
std::shared_ptr<EdgeData> withMissingRoads(const EdgeData &data, int percent = 10)
{
    auto sparse = std::make_shared<EdgeData>(data);
    QRandomGenerator rng(19);
    for (double &v : sparse->values)
        if (int(rng.bounded(100)) < percent)
            v = kMissingRoad;
    return sparse;
}

// The best path with 10 % of 10^6 roads missing; the counter is the median
// ratio to the same search on the graph with every road.
void BM_BestPathMissingRoads(benchmark::State &state)
{
    const EdgeData &full = graphAt(Million, Values(state.range(0)));
    static std::map<int, std::shared_ptr<EdgeData>> sparse;
    auto &data = sparse[int(state.range(0))];
    if (!data)
        data = withMissingRoads(full);
    const PathMode mode = PathMode(state.range(1));
    state.SetLabel(kindNames[state.range(0)]);
    interleaved(state, "xEveryRoad", [&] { benchmark::DoNotOptimize(findBestPath(*data, mode)); },
                [&] { benchmark::DoNotOptimize(findBestPath(full, mode)); });
}
BENCHMARK(BM_BestPathMissingRoads)->ArgNames({"values", "longest"})->Args({0, 0})->Args({1, 0})->Args({2, 0})->Args({0, 1})
    ->UseManualTime()->Unit(benchmark::kMillisecond);

// All that the steps window shows, with 10 % of the roads missing, against
// the same with every road.
void BM_SolutionMissingRoads(benchmark::State &state)
{
    const EdgeDataPtr full = makeGraph(countsOf(int(state.range(0))), Values::Whole);
    const EdgeDataPtr sparse = withMissingRoads(*full);
    const auto request = [](EdgeDataPtr data) { return SolutionRequest{std::move(data), PathMode::Shortest, 1000, true}; };
    interleaved(state, "xEveryRoad", [&] { benchmark::DoNotOptimize(solve(request(sparse))); },
                [&] { benchmark::DoNotOptimize(solve(request(full))); });
}
BENCHMARK(BM_SolutionMissingRoads)->ArgName("shape")->Arg(Million)->Arg(ManyStages)->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Listing the real paths: 17 columns of 3 boxes with 10 % of the roads
// missing (about 24 million rows), and 10^6 roads (1000 x 1000) with 10 %
// missing: the counts made once per listing, then a row number mapped to
// its path (random rows, the time per row).
void BM_ListRealPaths(benchmark::State &state)
{
    const EdgeDataPtr data = state.range(0) == 0 ? withMissingRoads(*makeGraph(17, 3, Values::Whole))
                                                  : withMissingRoads(*makeGraph({1000, 1000}, Values::Whole));
    ResultTable table;
    table.setStageColumns(data->shape.stageCount());
    for (auto _ : state) {
        table.setPaths(data);
        auto text = table.data(table.index(table.rowCount() / 2, 0));
        benchmark::DoNotOptimize(text);
    }
    state.counters["rows"] = double(table.rowCount());
}
BENCHMARK(BM_ListRealPaths)->ArgName("shape")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RowToRealPath(benchmark::State &state)
{
    const EdgeDataPtr data = state.range(0) == 0 ? withMissingRoads(*makeGraph(17, 3, Values::Whole))
                                                  : withMissingRoads(*makeGraph({1000, 1000}, Values::Whole));
    const PathIndex index(*data);
    QRandomGenerator rng(3);
    std::vector<qint64> rows(4096);
    for (qint64 &r : rows)
        r = qint64(rng.bounded(quint64(index.pathCount())));
    std::vector<qint64> positions;
    size_t i = 0;
    for (auto _ : state) {
        index.positions(rows[i++ % rows.size()], positions);
        benchmark::DoNotOptimize(positions.data());
    }
    state.counters["rows"] = double(index.pathCount());
}
BENCHMARK(BM_RowToRealPath)->ArgName("shape")->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();

// Solver timings: the best path against Boost's DAG shortest paths and a plain
// pass over the values; listing millions of paths; and, for scale, the
// listing done the direct way (every row's strings built and kept).

#include "model/graphdata.h"
#include "model/numbers.h"
#include "solver/bestpath.h"
#include "solver/paths.h"
#include "solver/resulttable.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <QStringList>

#include <memory>
#include <vector>

#ifdef STAGEPATH_HAVE_BOOST
#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/dag_shortest_paths.hpp>
#endif

using namespace stagepath;

namespace {

std::shared_ptr<EdgeData> makeGraph(int columns, qint64 boxes, bool fractional)
{
    auto data = std::make_shared<EdgeData>();
    data->shape = GraphShape(std::vector<qint64>(size_t(columns), boxes));
    data->values.resize(size_t(data->shape.edgeCount()));
    QRandomGenerator rng(7);
    for (double &v : data->values)
        v = fractional ? rng.bounded(10001) / 10.0 : double(rng.bounded(1001));
    return data;
}

// 1,000 stages of 100 boxes: 10^7 edges.
const EdgeData &bigGraph(bool fractional)
{
    static const auto whole = makeGraph(1001, 100, false);
    static const auto fraction = makeGraph(1001, 100, true);
    return fractional ? *fraction : *whole;
}

void BM_BestPath(benchmark::State &state)
{
    const EdgeData &data = bigGraph(state.range(0) != 0);
    for (auto _ : state) {
        auto best = findBestPath(data, PathMode::Shortest);
        benchmark::DoNotOptimize(best);
    }
    state.SetItemsProcessed(state.iterations() * data.shape.edgeCount());
}
BENCHMARK(BM_BestPath)->ArgName("fractional")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BestPathLongest(benchmark::State &state)
{
    const EdgeData &data = bigGraph(false);
    for (auto _ : state) {
        auto best = findBestPath(data, PathMode::Longest);
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(BM_BestPathLongest)->Unit(benchmark::kMillisecond);

// The floor: read every value once.
void BM_PlainPass(benchmark::State &state)
{
    const EdgeData &data = bigGraph(false);
    for (auto _ : state) {
        double sum = 0;
        for (double v : data.values)
            sum += v;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * data.shape.edgeCount());
}
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMillisecond);

// The same with eight independent sums: as fast as memory delivers the values.
void BM_PlainPassUnrolled(benchmark::State &state)
{
    const EdgeData &data = bigGraph(false);
    const double *v = data.values.data();
    const size_t n = data.values.size();
    for (auto _ : state) {
        double s[8] = {};
        size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            for (int l = 0; l < 8; ++l)
                s[l] += v[i + size_t(l)];
        }
        for (; i < n; ++i)
            s[0] += v[i];
        double sum = 0;
        for (double x : s)
            sum += x;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * qint64(n));
}
BENCHMARK(BM_PlainPassUnrolled)->Unit(benchmark::kMillisecond);

// 1000 x 1000 boxes: 10^6 edges, the window's limit.
void BM_BestPathMillion(benchmark::State &state)
{
    static const auto data = makeGraph(2, 1000, state.range(0) != 0);
    for (auto _ : state) {
        auto best = findBestPath(*data, PathMode::Shortest);
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(BM_BestPathMillion)->ArgName("fractional")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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

// The algorithm alone, on a graph built beforehand.
void BM_BoostDagShortestPaths(benchmark::State &state)
{
    const EdgeData &data = bigGraph(false);
    const auto g = boostGraph(data);
    std::vector<double> distance(num_vertices(*g));
    std::vector<size_t> predecessor(num_vertices(*g));
    for (auto _ : state) {
        boostShortest(*g, distance, predecessor);
        benchmark::DoNotOptimize(distance.data());
    }
    state.SetItemsProcessed(state.iterations() * data.shape.edgeCount());
}
BENCHMARK(BM_BoostDagShortestPaths)->Unit(benchmark::kMillisecond);

// What a solver built on Boost pays per click: the graph from the edge values, then the algorithm.
void BM_BoostBuildAndSolve(benchmark::State &state)
{
    const EdgeData &data = bigGraph(false);
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

// 15 columns of 3 boxes: 14,348,907 paths. Time until the first rows can be shown.
void BM_ListPaths15x3(benchmark::State &state)
{
    const EdgeDataPtr data = makeGraph(15, 3, false);
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
    const EdgeDataPtr data = makeGraph(15, 3, false);
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
    const EdgeDataPtr data = makeGraph(columns, 3, false);
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
    const EdgeDataPtr data = makeGraph(columns, 3, false);
    ResultTable table;
    table.setStageColumns(columns - 1);
    for (auto _ : state) {
        table.setPaths(data);
        auto text = table.data(table.index(0, 0));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ListedRows)->ArgName("columns")->Arg(5)->Arg(8)->Arg(11)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the edge table: generating a million edges with the clock-stirred
// generator, the memory each edge takes, and reading cells back.
#include "model/edgetable.h"
#include "model/randomsource.h"
#include "model/stagefilter.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <random>

using namespace stagepath;

namespace {
// Two neighbouring columns of 1000 boxes: 10^6 edges in one stage.
const std::vector<qint64> twoColumns{1000, 1000};
// 1001 columns of 31 or 32 boxes: about 10^6 edges over 1000 stages.
std::vector<qint64> manyStages()
{
    std::vector<qint64> counts(1001);
    for (size_t i = 0; i < counts.size(); ++i)
        counts[i] = 31 + qint64(i % 2);
    return counts;
}

const std::vector<qint64> &shapeFor(int which)
{
    static const std::vector<qint64> many = manyStages();
    return which == 0 ? twoColumns : many;
}

size_t heapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd; // the arena and the blocks mapped on their own
}
} // namespace

static void BM_Regenerate(benchmark::State &state)
{
    const auto &counts = shapeFor(int(state.range(0)));
    ClockStirredRandom random;
    EdgeTable table;
    table.regenerate(counts, random);
    for (auto _ : state) {
        table.regenerate(counts, random);
        benchmark::DoNotOptimize(table.edges().values.data());
    }
    const qint64 edges = table.shape().edgeCount();
    state.SetItemsProcessed(state.iterations() * edges);
    state.counters["edges"] = double(edges);

    // Memory held per edge: the heap a fresh table keeps after one generation.
    malloc_trim(0);
    const size_t before = heapInUse();
    {
        auto fresh = std::make_unique<EdgeTable>();
        fresh->regenerate(counts, random);
        state.counters["bytes_per_edge"] = double(heapInUse() - before) / double(edges);
        state.counters["value_bytes_per_edge"] =
            double(fresh->edges().values.capacity() * sizeof(double)) / double(edges);
    }
}
BENCHMARK(BM_Regenerate)->ArgName("many_stages")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One call of data() for a random row and column, as a view does when it paints.
static void BM_CellData(benchmark::State &state)
{
    const auto &counts = shapeFor(int(state.range(0)));
    ClockStirredRandom random;
    EdgeTable table;
    table.regenerate(counts, random);
    // Some edited texts, as the user leaves them.
    for (int r = 0; r < table.rowCount(); r += 9973)
        table.setData(table.index(r, 0), QStringLiteral("0%1").arg(r % 1000));

    std::mt19937 pick(42);
    std::vector<QModelIndex> cells(4096);
    for (auto &cell : cells)
        cell = table.index(int(pick() % quint32(table.rowCount())), int(pick() % 4));
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.data(cells[i], Qt::DisplayRole));
        i = (i + 1) % cells.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CellData)->ArgName("many_stages")->Arg(0)->Arg(1);

// The same through the filter of one stage in the middle.
static void BM_FilterData(benchmark::State &state)
{
    ClockStirredRandom random;
    EdgeTable table;
    table.regenerate(manyStages(), random);
    StageFilter filter(&table);
    filter.setStage(500);
    std::mt19937 pick(7);
    std::vector<QModelIndex> cells(1024);
    for (auto &cell : cells)
        cell = filter.index(int(pick() % quint32(filter.rowCount())), int(pick() % 4));
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(filter.data(cells[i], Qt::DisplayRole));
        i = (i + 1) % cells.size();
    }
}
BENCHMARK(BM_FilterData);

BENCHMARK_MAIN();

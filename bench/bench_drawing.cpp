// Cost of drawing the graph into its record and of repainting one viewport
// of the surface (1016 x 460 pixels, the frame's visible part) from it.
#include "drawing/drawingrecord.h"
#include "drawing/graphdrawing.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <malloc.h>

using namespace stagepath;

namespace {

constexpr int kInnerWidth = 15240;
const QSize kViewport(1016, 460);

EdgeDataPtr makeEdges(std::vector<qint64> counts)
{
    auto e = std::make_shared<EdgeData>();
    e->shape = GraphShape(std::move(counts));
    e->values.resize(size_t(e->shape.edgeCount()));
    for (size_t i = 0; i < e->values.size(); ++i)
        e->values[i] = double((i * 7919) % 1001);
    return e;
}

// 0: the default graph (five columns of 3); 1: 50 columns of 20 (19,600
// lines); 2: two columns of 1000 (10^6 lines and 10^6 values).
EdgeDataPtr graph(int which)
{
    static const EdgeDataPtr graphs[] = {makeEdges({3, 3, 3, 3, 3}), makeEdges(std::vector<qint64>(50, 20)),
                                         makeEdges({1000, 1000})};
    return graphs[which];
}

size_t heapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

} // namespace

static void BM_DrawGraph(benchmark::State &state)
{
    const EdgeDataPtr edges = graph(int(state.range(0)));
    DrawingRecord record;
    DrawSettings settings;
    settings.coloured = true;
    for (auto _ : state) {
        const DrawResult r = drawGraph(record, edges, settings, kInnerWidth);
        benchmark::DoNotOptimize(r.heightTwips);
    }
    state.counters["ops"] = double(record.opCount());
    state.counters["lines"] = double(record.lineCount());

    malloc_trim(0);
    const size_t before = heapInUse();
    {
        DrawingRecord fresh;
        drawGraph(fresh, edges, settings, kInnerWidth);
        state.counters["bytes_per_op"] = double(heapInUse() - before) / double(fresh.opCount());
    }
}
BENCHMARK(BM_DrawGraph)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Repaint of one viewport: graph, pen width, and where the viewport stands.
static void BM_Repaint(benchmark::State &state)
{
    const EdgeDataPtr edges = graph(int(state.range(0)));
    DrawingRecord record;
    DrawSettings settings;
    settings.penWidth = int(state.range(1));
    drawGraph(record, edges, settings, kInnerWidth);
    const QRect view(QPoint(int(state.range(2)), int(state.range(3))), kViewport);
    QImage image(kViewport, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.translate(-view.topLeft());
        record.paint(painter, view);
    }
}
BENCHMARK(BM_Repaint)
    ->ArgNames({"graph", "pen", "x", "y"})
    ->Args({0, 1, 0, 0})
    ->Args({1, 1, 0, 0})     // 50 x 20, the viewport first shown
    ->Args({1, 1, 5000, 1000}) // 50 x 20, the densest part
    ->Args({1, 7, 5000, 1000})
    ->Args({1, 400, 5000, 1000})
    ->Args({1, 32767, 5000, 1000})
    ->Args({2, 1, 0, 60000})  // 10^6 lines, mid-height
    ->Unit(benchmark::kMillisecond);

// Repaint of the strip that one click on a scroll arrow uncovers (100 twips,
// 7 pixels) on a viewport-sized surface: the graph and where the strip stands.
static void BM_RepaintStrip(benchmark::State &state)
{
    const EdgeDataPtr edges = graph(int(state.range(0)));
    DrawingRecord record;
    drawGraph(record, edges, DrawSettings{}, kInnerWidth);
    const QPoint origin(0, int(state.range(1)));
    const QRect strip(origin + QPoint(0, kViewport.height() - 7), QSize(kViewport.width(), 7));
    QImage image(kViewport, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.translate(-origin);
        painter.setClipRect(strip);
        record.paint(painter, strip);
    }
}
BENCHMARK(BM_RepaintStrip)->ArgNames({"graph", "y"})->Args({1, 1000})->Args({2, 60000})->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QGuiApplication app(argc, argv); // fonts need the GUI application
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

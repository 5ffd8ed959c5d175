// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of building the picture of a graph and of repainting one viewport of
// the surface (1016 x 457 device pixels, the frame's visible part) from it,
// at several zooms and pen widths, and of exporting a drawing of about
// 20,000 lines as SVG and PDF. BM_Baseline is a fixed painter workload for
// comparing runs on a noisy machine: compare ratios to it.
#include "benchedges.h"
#include "guimain.h"

#include "drawing/export.h"
#include "drawing/picture.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>

using namespace stagepath;

namespace {

const QSize kViewport(1016, 457);

// 0: the default graph (five columns of 3); 1: 50 columns of 20 (19,600
// lines); 2: two columns of 1000 (10^6 lines and 10^6 values).
EdgeDataPtr graph(int which)
{
    static const EdgeDataPtr graphs[] = {makeEdges({3, 3, 3, 3, 3}), makeEdges(std::vector<qint64>(50, 20)),
                                         makeEdges({1000, 1000})};
    return graphs[which];
}

} // namespace

static void BM_Baseline(benchmark::State &state)
{
    QImage image(kViewport, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(image.rect(), Qt::white);
        for (int i = 0; i < 2000; ++i)
            painter.drawLine(QLineF(i % 1016, 0, (i * 7) % 1016, 457));
    }
}
BENCHMARK(BM_Baseline)->Unit(benchmark::kMillisecond);

static void BM_Build(benchmark::State &state)
{
    const EdgeDataPtr edges = graph(int(state.range(0)));
    DrawSettings settings;
    settings.coloured = true;
    for (auto _ : state) {
        const GraphPicture picture(edges, settings);
        benchmark::DoNotOptimize(picture.extent());
    }
}
BENCHMARK(BM_Build)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Repaint of one viewport: graph, pen width, where the viewport stands (device
// pixels of the zoomed surface) and the zoom in percent.
static void BM_Repaint(benchmark::State &state)
{
    DrawSettings settings;
    settings.penWidth = int(state.range(1));
    const GraphPicture picture(graph(int(state.range(0))), settings);
    const double zoom = double(state.range(4)) / 100;
    const QRect view(QPoint(int(state.range(2)), int(state.range(3))), kViewport);
    QImage image(kViewport, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.translate(-view.topLeft());
        picture.paint(painter, view, zoom);
    }
}
BENCHMARK(BM_Repaint)
    ->ArgNames({"graph", "pen", "x", "y", "zoom"})
    ->Args({0, 1, 0, 0, 100})
    ->Args({0, 32767, 0, 0, 100})
    ->Args({1, 1, 5000, 1000, 100})     // 50 x 20, the densest part
    ->Args({1, 7, 5000, 1000, 100})
    ->Args({1, 400, 5000, 1000, 100})
    ->Args({1, 32767, 5000, 1000, 100})
    ->Args({1, 1, 20000, 4000, 400})
    ->Args({2, 1, 0, 0, 100})           // 10^6 lines, the top
    ->Args({2, 1, 0, 60000, 100})       // halfway down
    ->Args({2, 7, 0, 60000, 100})
    ->Args({2, 32767, 0, 60000, 100})
    ->Args({2, 1, 0, 30000, 50})
    ->Args({2, 1, 0, 240000, 400})
    ->Unit(benchmark::kMillisecond);

// Values on the lines: the picture made (every value of a stage of up to
// 100 lines placed clear of the others) and one viewport painted. Graphs as
// above, and 3: six columns of ten, the largest stages that are placed.
static void BM_ValuesOnLines(benchmark::State &state)
{
    static const EdgeDataPtr tens = makeEdges(std::vector<qint64>(6, 10));
    const EdgeDataPtr edges = state.range(0) == 3 ? tens : graph(int(state.range(0)));
    DrawSettings settings;
    settings.valuesOnLines = true;
    const QRect view(QPoint(int(state.range(1)), int(state.range(2))), kViewport);
    QImage image(kViewport, QImage::Format_RGB32);
    for (auto _ : state) {
        const GraphPicture picture(edges, settings);
        QPainter painter(&image);
        painter.translate(-view.topLeft());
        picture.paint(painter, view);
    }
}
BENCHMARK(BM_ValuesOnLines)
    ->ArgNames({"graph", "x", "y"})
    ->Args({0, 0, 0})
    ->Args({3, 0, 300})
    ->Args({1, 5000, 1000})
    ->Args({2, 0, 60000})
    ->Unit(benchmark::kMillisecond);

// Repaint of the strip that one click on a scroll arrow uncovers (100 twips,
// 7 pixels): the graph and where the viewport stands.
static void BM_RepaintStrip(benchmark::State &state)
{
    const GraphPicture picture(graph(int(state.range(0))), DrawSettings{});
    const QPoint origin(0, int(state.range(1)));
    const QRect strip(origin + QPoint(0, kViewport.height() - 7), QSize(kViewport.width(), 7));
    QImage image(kViewport, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.translate(-origin);
        painter.setClipRect(strip);
        picture.paint(painter, strip);
    }
}
BENCHMARK(BM_RepaintStrip)->ArgNames({"graph", "y"})->Args({1, 1000})->Args({2, 60000})->Unit(benchmark::kMillisecond);

// The whole 50 x 20 drawing (19,600 lines) as SVG (0) and PDF (1).
static void BM_Export(benchmark::State &state)
{
    const GraphPicture picture(graph(1), DrawSettings{});
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (state.range(0) == 0)
            writeSvg(picture, &buffer);
        else
            writePdf(picture, &buffer);
        state.counters["bytes"] = double(buffer.size());
    }
}
BENCHMARK(BM_Export)->ArgNames({"pdf"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarksWithGui(argc, argv);
}

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sharing a lesson: the result table of 14,348,907 rows (15 columns of 3
// boxes) and the edge table of 10^6 rows as CSV, with the rows per second and
// the most heap memory the writer held at once; and the whole drawing of
// 19,600 lines with the best path in red as SVG and PDF, as the batch mode
// and the window write it.
#include "benchedges.h"
#include "guimain.h"

#include "share/edgecsv.h"
#include "share/picturefile.h"
#include "share/printout.h"
#include "share/resultcsv.h"
#include "solver/resulttable.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>


using namespace stagepath;

// The most memory the process held while a writer ran, beyond what it held
// before: the peak resident set is reset first (Linux: clear_refs 5).
namespace {

qint64 statusKilobytes(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

qint64 resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    return statusKilobytes("VmRSS:");
}

void reportPeak(benchmark::State &state, qint64 before)
{
    state.counters["peak_memory_growth_bytes"] = double(statusKilobytes("VmHWM:") - before) * 1024;
}

} // namespace

namespace {

// A device that keeps nothing: what a writer costs without the disk.
class NullDevice : public QIODevice
{
public:
    NullDevice() { open(QIODevice::WriteOnly); }
    qint64 written = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        written += size;
        return size;
    }
};

} // namespace

static void BM_ResultCsv(benchmark::State &state)
{
    ResultTable table;
    table.setStageColumns(14);
    table.setPaths(makeEdges(std::vector<qint64>(15, 3)));
    const ListedPaths paths = ListedPaths::of(table);
    for (auto _ : state) {
        NullDevice device;
        const qint64 before = resetPeak();
        writeResultCsv(paths, &device);
        reportPeak(state, before);
        state.counters["file_bytes"] = double(device.written);
    }
    state.SetItemsProcessed(state.iterations() * paths.rowCount);
}
BENCHMARK(BM_ResultCsv)->Unit(benchmark::kMillisecond)->Iterations(1);

static void BM_EdgeCsv(benchmark::State &state)
{
    const EdgeDataPtr edges = makeEdges({1000, 1000});
    const QStringList headers{"Değer", "Kutu No", "Diğer Kutu", "Vorta"};
    for (auto _ : state) {
        NullDevice device;
        const qint64 before = resetPeak();
        writeEdgeCsv(*edges, headers, &device);
        reportPeak(state, before);
        state.counters["file_bytes"] = double(device.written);
    }
    state.SetItemsProcessed(state.iterations() * edges->shape.edgeCount());
}
BENCHMARK(BM_EdgeCsv)->Unit(benchmark::kMillisecond);

// The 50 x 20 drawing (19,600 lines) with a red path, as SVG (0) and PDF (1).
static void BM_PictureFile(benchmark::State &state)
{
    const GraphPicture picture = markedPicture(makeEdges(std::vector<qint64>(50, 20)), LessonSettings{},
                                               std::vector<qint64>(50, 3));
    const PictureFormat format = state.range(0) == 0 ? PictureFormat::Svg : PictureFormat::Pdf;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writePicture(picture, format, &buffer);
        state.counters["bytes"] = double(buffer.size());
    }
}
BENCHMARK(BM_PictureFile)->ArgNames({"pdf"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Laying out and painting the printout of a listing of 16 stages (the first
// 1,000 of 43,046,721 rows, 18 columns) on a PDF page, as the preview does.
static void BM_Printout(benchmark::State &state)
{
    ResultTable table;
    table.setStageColumns(15);
    table.setPaths(makeEdges(std::vector<qint64>(16, 3)));
    const Printout printout(Printout::gather(QStringLiteral("ders"), table.snapshot(), LessonSettings{},
                                             ListedPaths::of(table)));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        printout.print(&pdf);
    }
}
BENCHMARK(BM_Printout)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarksWithGui(argc, argv);
}

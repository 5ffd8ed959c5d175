// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture of a graph under any settings the window's text boxes can hold
// (spacings and circle size of any double, NaN and infinities included, any
// pen width), with overlays, painted in parts at any zoom.
//
// Properties:
// - building and painting never fail; the extent is finite and not negative,
//   and the surface is never smaller than the viewport nor larger than a
//   widget can be;
// - the values end at the first row whose position does not fit, as a walk
//   through every row finds;
// - painting any rectangle gives the same pixels (to within antialiasing
//   levels) whichever rectangle they are painted as part of;
// - beyond the extent only the background shows.

#include "check.h"
#include "drawing/colours.h"
#include "drawing/geometry.h"
#include "drawing/picture.h"
#include "drawing/surface.h"
#include "drawing/textrule.h"
#include "model/numbers.h"
#include "solver/bestpath.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

using namespace stagepath;
using fuzz::show;

namespace {

constexpr int kMaxColumns = 8;
constexpr qint64 kMaxBoxes = 8;
constexpr int kMaxSide = 48; // painted rectangles are at most this many pixels a side

double anyDouble(FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: return in.ConsumeIntegralInRange(-300, 300);
    case 1: return in.ConsumeIntegralInRange(-30, 300) / 4.0;
    case 2: return in.ConsumeIntegralInRange(0, 1) ? 1e300 : -1e300;
    case 3: return std::numeric_limits<double>::quiet_NaN();
    case 4: return in.ConsumeBool() ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
    default: {
        double v = 0;
        const auto bytes = in.ConsumeBytes<uint8_t>(sizeof v);
        if (!bytes.empty())
            std::memcpy(&v, bytes.data(), bytes.size());
        return v;
    }
    }
}

int anyPen(FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return in.ConsumeIntegralInRange(1, 4);
    case 1: return in.ConsumeIntegralInRange(-5, 200);
    default: return in.ConsumeIntegral<int>();
    }
}

QString anyText(FuzzedDataProvider &in)
{
    static const char *const tricky[] = {"&", "&&x", "a\nb", "\t", "\r\n", "ğüşİıöç", "\u2028", "", "07", "1e308"};
    if (in.ConsumeBool())
        return QString::fromUtf8(tricky[in.ConsumeIntegralInRange<size_t>(0, std::size(tricky) - 1)]);
    const std::string bytes = in.ConsumeRandomLengthString(24);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

std::shared_ptr<EdgeData> anyGraph(FuzzedDataProvider &in)
{
    auto data = std::make_shared<EdgeData>();
    std::vector<qint64> counts(size_t(in.ConsumeIntegralInRange(0, kMaxColumns)));
    for (qint64 &c : counts)
        c = in.ConsumeIntegralInRange<qint64>(0, kMaxBoxes);
    data->shape = GraphShape(counts);
    data->values.resize(size_t(data->shape.edgeCount()));
    for (qint64 r = 0; r < data->shape.edgeCount(); ++r) {
        if (in.ConsumeIntegralInRange(0, 7) != 0) {
            data->values[size_t(r)] = in.ConsumeIntegralInRange(0, 1000);
        } else { // a typed text, as the edge table keeps it
            const QString text = anyText(in);
            const auto number = parseNumber(text);
            data->values[size_t(r)] = number ? *number : std::numeric_limits<double>::quiet_NaN();
            if (!number || formatNumber(*number) != text)
                data->texts.insert(r, text);
        }
    }
    return data;
}

// The first edge row whose value cannot be written, row by row.
qint64 firstUnwritten(const EdgeData &edges, const GraphGeometry &g)
{
    for (qint64 row = 0; row < edges.shape.edgeCount(); ++row) {
        const auto e = edges.shape.edgeAt(row);
        const auto reference = g.valuePoint(e.stage, e.from, e.to);
        if (!reference || !textTopLeft(*reference, edges.text(row)))
            return row;
    }
    return edges.shape.edgeCount();
}

PictureOverlays anyOverlays(FuzzedDataProvider &in, const EdgeData &data)
{
    PictureOverlays o;
    const GraphShape &shape = data.shape;
    if (in.ConsumeBool()) {
        auto best = std::make_shared<std::vector<bool>>(size_t(shape.edgeCount()));
        for (size_t i = 0; i < best->size(); ++i)
            (*best)[i] = in.ConsumeIntegralInRange(0, 3) == 0;
        o.bestEdges = best;
    }
    if (in.ConsumeBool()) {
        auto labels = std::make_shared<std::vector<QString>>(size_t(shape.totalBoxes()));
        for (QString &l : *labels)
            l = in.ConsumeBool() ? anyText(in) : QString();
        o.boxLabels = labels;
    }
    if (in.ConsumeBool()) {
        auto chosen = std::make_shared<std::vector<qint64>>(size_t(shape.totalBoxes()));
        for (qint64 &c : *chosen)
            c = in.ConsumeIntegralInRange<qint64>(-1, kMaxBoxes);
        o.chosenFrom = chosen;
    }
    o.highlightedStage = in.ConsumeIntegralInRange(-1, kMaxColumns);
    for (int c = 0; c < shape.columnCount(); ++c) {
        const qint64 n = shape.boxCount(c);
        o.selectedPath.push_back(n ? in.ConsumeIntegralInRange<qint64>(0, n - 1) : 0);
    }
    if (const auto best = findBestPath(data, in.ConsumeBool() ? PathMode::Shortest : PathMode::Longest))
        o.bestPath = best->positions;
    return o;
}

QImage paintPart(const GraphPicture &picture, const QRect &whole, const QRect &part, double zoom)
{
    QImage image(whole.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.translate(-whole.topLeft());
    painter.setClipRect(part);
    picture.paint(painter, part, zoom);
    painter.end();
    return image;
}

void checkPainting(const GraphPicture &picture, FuzzedDataProvider &in)
{
    const double zooms[] = {0.5, 1, 1.25, 2, 4};
    const double zoom = zooms[in.ConsumeIntegralInRange<size_t>(0, std::size(zooms) - 1)];
    const QSizeF e = picture.extent(zoom);
    const int cx = int(std::min(e.width() / 2, 1e6)), cy = int(std::min(e.height() / 2, 1e6));
    const QRect whole(cx + in.ConsumeIntegralInRange(-200, 200), cy + in.ConsumeIntegralInRange(-200, 200),
                      in.ConsumeIntegralInRange(1, kMaxSide), in.ConsumeIntegralInRange(1, kMaxSide));
    const QImage big = paintPart(picture, whole, whole, zoom);
    const int dx = in.ConsumeIntegralInRange(0, whole.width() - 1);
    const int dy = in.ConsumeIntegralInRange(0, whole.height() - 1);
    const QRect part(whole.x() + dx, whole.y() + dy, in.ConsumeIntegralInRange(1, whole.width() - dx),
                     in.ConsumeIntegralInRange(1, whole.height() - dy));
    const QImage small = paintPart(picture, whole, part, zoom);
    // Antialiased edges may differ by a few levels, and by up to an eighth of
    // full coverage where the raster engine cuts a stroke to a clip of a
    // pixel or two; a missing or misplaced item differs by far more.
    constexpr int kLevels = 36;
    const auto close = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= kLevels && std::abs(qGreen(a) - qGreen(b)) <= kLevels
            && std::abs(qBlue(a) - qBlue(b)) <= kLevels;
    };
    for (int y = dy; y < dy + part.height(); ++y)
        for (int x = dx; x < dx + part.width(); ++x)
            FUZZ_CHECK(close(small.pixel(x, y), big.pixel(x, y)),
                       "pixel (%d, %d) at zoom %g is %08x painted alone (%d, %d, %d x %d), %08x as part of (%d, %d, %d x %d);"
                       " X %g Y %g R %g pen %d",
                       whole.x() + x, whole.y() + y, zoom, small.pixel(x, y), part.x(), part.y(), part.width(),
                       part.height(), big.pixel(x, y), whole.x(), whole.y(), whole.width(), whole.height(),
                       picture.settings().xSpacing, picture.settings().ySpacing, picture.settings().radius,
                       picture.settings().penWidth);

    // Beyond the extent only the background shows (for drawings of a size
    // the window allows).
    if (!(e.width() < 1e6 && e.height() < 1e6))
        return;
    const QRect away(int(std::ceil(e.width())) + in.ConsumeIntegralInRange(0, 30), in.ConsumeIntegralInRange(0, int(e.height()) + 30), 8, 8);
    const QImage empty = paintPart(picture, away, away, zoom);
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x)
            FUZZ_CHECK((empty.pixel(x, y) | 0xff000000u) == kBackgroundColour,
                       "pixel %08x beyond the extent (%g x %g) at (%d, %d), zoom %g; X %g Y %g R %g pen %d, %d columns",
                       empty.pixel(x, y), e.width(), e.height(), away.x() + x, away.y() + y, zoom,
                       picture.settings().xSpacing, picture.settings().ySpacing, picture.settings().radius,
                       picture.settings().penWidth, picture.geometry().columnCount());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", "/usr/share/fonts/truetype");
    static QGuiApplication app(*argc, *argv);
    // Start-up messages (no runtime directory and the like) are the
    // environment's; from here on every message counts.
    qInstallMessageHandler(fuzz::strictMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider in(bytes, size);
    QLocale::setDefault(in.ConsumeBool() ? QLocale(QLocale::Turkish, QLocale::Turkey) : QLocale::c());

    const auto data = anyGraph(in);
    DrawSettings settings;
    if (in.ConsumeBool()) {
        settings.xSpacing = anyDouble(in);
        settings.ySpacing = anyDouble(in);
        settings.radius = anyDouble(in);
    }
    settings.penWidth = in.ConsumeBool() ? anyPen(in) : 1;
    settings.coloured = in.ConsumeBool();

    GraphPicture picture(data, settings);
    FUZZ_CHECK(picture.isEmpty() == (data->shape.columnCount() == 0), "empty for %d columns", data->shape.columnCount());
    FUZZ_CHECK(picture.settings().penWidth >= 1 && picture.settings().penWidth <= 32767, "pen %d", picture.settings().penWidth);
    FUZZ_CHECK(picture.valuesEnd() == firstUnwritten(*data, picture.geometry()), "values end at %lld, not %lld",
               (long long)picture.valuesEnd(), (long long)firstUnwritten(*data, picture.geometry()));
    if (!picture.isEmpty())
        picture = picture.withOverlays(anyOverlays(in, *data));

    const QSizeF e = picture.extent();
    FUZZ_CHECK(std::isfinite(e.width()) && std::isfinite(e.height()) && e.width() >= 0 && e.height() >= 0,
               "extent %g x %g", e.width(), e.height());
    const QSizeF viewport(in.ConsumeIntegralInRange(0, 20000), kViewportHeight);
    const QSizeF surface = surfaceSize(e, viewport);
    FUZZ_CHECK(surface.width() >= viewport.width() && surface.height() >= viewport.height()
                   && surface.width() <= 16777215 && surface.height() <= 16777215,
               "surface %g x %g", surface.width(), surface.height());
    checkPainting(picture, in);

    // Whole pixels: rounded halves to even, only what fits in 32 bits.
    const double v = anyDouble(in);
    const auto px = toPixel(v);
    const double r = std::nearbyint(v);
    FUZZ_CHECK(bool(px) == (std::isfinite(v) && r >= -2147483648.0 && r <= 2147483647.0), "toPixel(%.17g)", v);
    if (px)
        FUZZ_CHECK(double(*px) == r, "toPixel(%.17g) = %d", v, *px);
    return 0;
}

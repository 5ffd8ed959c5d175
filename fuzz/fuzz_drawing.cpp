// The drawing of a graph under any settings the window's text boxes can hold
// (spacings and circle size of any double, NaN and infinities included, any
// pen width), the best path marked over it, loose operations on the record,
// and small parts of the surface painted.
//
// Properties:
// - drawing never fails; what cannot be drawn is left out, and what is drawn
//   has finite coordinates; with spacings of a sensible size everything is
//   drawn: a circle and a number per box, a value and a line per edge, at the
//   places the geometry gives;
// - the surface is never smaller than the viewport nor larger than a widget
//   can be, and the scroll ranges are what exceeds the viewport;
// - the marked path adds one red segment per stage, on the graph's own edges;
// - painting any rectangle works, paints only the background away from what
//   is drawn, and gives the same pixels (to within antialiasing levels)
//   whichever rectangle they are painted as part of.

#include "check.h"
#include "drawing/drawingrecord.h"
#include "drawing/geometry.h"
#include "drawing/graphdrawing.h"
#include "model/numbers.h"
#include "solver/bestpath.h"

#include <QGuiApplication>
#include <QImage>

#include <fuzzer/FuzzedDataProvider.h>

#include <cfenv>
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

// The window draws in opaque colours only. (Painting skips what lies under a
// stroke that covers the painted area, which holds for opaque strokes.)
QRgb opaque(QRgb colour) { return colour | 0xff000000u; }

bool finitePoint(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Whether a value fits where the record keeps it: single precision, and whole
// pixels in 32 bits for texts.
bool sensible(double v) { return std::isfinite(v) && std::fabs(v) <= 1e4; }

void checkRecord(const DrawingRecord &record)
{
    qsizetype circles = 0, lines = 0, texts = 0;
    for (qsizetype k = 0; k < record.opCount(); ++k) {
        const auto op = record.op(k);
        switch (op.kind) {
        case DrawingRecord::Kind::Circle:
            ++circles;
            FUZZ_CHECK(finitePoint(op.p1) && std::isfinite(op.radius), "circle %lld not finite", (long long)k);
            break;
        case DrawingRecord::Kind::Line:
            ++lines;
            FUZZ_CHECK(finitePoint(op.p1) && finitePoint(op.p2), "line %lld not finite", (long long)k);
            break;
        default:
            ++texts;
            break;
        }
        FUZZ_CHECK(op.penWidth >= 1 && op.penWidth <= kMaxPenWidth, "pen width %d", op.penWidth);
    }
    FUZZ_CHECK(circles == record.circleCount() && lines == record.lineCount() && texts == record.textCount(),
               "counts %lld/%lld/%lld, operations %lld/%lld/%lld", (long long)record.circleCount(),
               (long long)record.lineCount(), (long long)record.textCount(), (long long)circles, (long long)lines,
               (long long)texts);
    const QRectF b = record.bounds();
    if (record.opCount() > 0)
        FUZZ_CHECK(std::isfinite(b.left()) && std::isfinite(b.top()) && std::isfinite(b.right()) && std::isfinite(b.bottom()),
                   "bounds not finite");
}

void checkDrawing(const DrawingRecord &record, const DrawResult &result, const EdgeData &data,
                  const DrawSettings &settings, int innerWidth)
{
    const GraphShape &shape = data.shape;
    FUZZ_CHECK(result.drawn == (shape.columnCount() > 0), "drawn %d for %d columns", int(result.drawn), shape.columnCount());
    if (!result.drawn)
        return;
    FUZZ_CHECK(result.largest == double(shape.largestColumn()), "largest %g", result.largest);
    FUZZ_CHECK(result.heightTwips >= kViewportHeightTwips && result.heightTwips <= kMaxSurfaceTwips, "height %d twips",
               result.heightTwips);
    FUZZ_CHECK(result.widthTwips >= std::max(0, innerWidth) && result.widthTwips <= kMaxSurfaceTwips, "width %d twips",
               result.widthTwips);
    FUZZ_CHECK(result.vScrollMax == result.heightTwips - kViewportHeightTwips, "vertical scroll %lld",
               (long long)result.vScrollMax);
    FUZZ_CHECK(result.hScrollMax == std::max<qint64>(0, qint64(result.widthTwips) - std::max(0, innerWidth)),
               "horizontal scroll %lld", (long long)result.hScrollMax);
    checkRecord(record);

    FUZZ_CHECK(record.circleCount() <= shape.totalBoxes() && record.lineCount() <= shape.edgeCount()
                   && record.textCount() <= shape.totalBoxes() + shape.edgeCount(),
               "more drawn than the graph holds");
    if (!(sensible(settings.xSpacing) && sensible(settings.ySpacing) && sensible(settings.radius)))
        return;
    FUZZ_CHECK(record.circleCount() == shape.totalBoxes(), "%lld circles for %lld boxes", (long long)record.circleCount(),
               (long long)shape.totalBoxes());
    FUZZ_CHECK(record.lineCount() == shape.edgeCount(), "%lld lines for %lld edges", (long long)record.lineCount(),
               (long long)shape.edgeCount());
    FUZZ_CHECK(record.textCount() == shape.totalBoxes() + shape.edgeCount(), "%lld texts", (long long)record.textCount());

    // Circles column by column, each with its number; the lines in edge order.
    const GraphGeometry &g = result.geometry;
    qint64 circle = 0, line = 0;
    for (qsizetype k = 0; k < record.opCount(); ++k) {
        const auto op = record.op(k);
        if (op.kind == DrawingRecord::Kind::Circle) {
            const auto e = circle++;
            int c = 0;
            qint64 j = e;
            while (j >= shape.boxCount(c))
                j -= shape.boxCount(c++);
            const QPointF want = g.boxCentre(c, j);
            FUZZ_CHECK(op.p1 == QPointF(float(want.x()), float(want.y())), "circle %lld at (%g, %g), expected (%g, %g)",
                       (long long)e, op.p1.x(), op.p1.y(), want.x(), want.y());
            FUZZ_CHECK(op.radius == double(float(settings.radius)), "circle radius %g", op.radius);
        } else if (op.kind == DrawingRecord::Kind::Line) {
            const auto edge = shape.edgeAt(line++);
            const QLineF want = g.edgeLine(edge.stage, edge.from, edge.to);
            FUZZ_CHECK(op.p1 == QPointF(float(want.x1()), float(want.y1())) && op.p2 == QPointF(float(want.x2()), float(want.y2())),
                       "line %lld misplaced", (long long)(line - 1));
            if (!settings.coloured)
                FUZZ_CHECK(op.colour == linePalette()[0], "uncoloured line %lld", (long long)(line - 1));
        } else if (op.kind == DrawingRecord::Kind::EdgeText) {
            FUZZ_CHECK(op.text == data.text(op.edgeRow), "edge value text of row %lld: '%s'", (long long)op.edgeRow,
                       show(op.text).constData());
        }
    }
}

// For a failed pixel check: the operations drawn near a pixel.
void dumpNear(const DrawingRecord &record, QPoint pixel)
{
    for (qsizetype k = 0; k < record.opCount(); ++k) {
        const auto op = record.op(k);
        const char *kind = op.kind == DrawingRecord::Kind::Circle ? "circle"
            : op.kind == DrawingRecord::Kind::Line                ? "line"
                                                                  : "text";
        std::fprintf(stderr, "  op %lld %s colour %08x pen %d p1 (%.9g, %.9g) p2 (%.9g, %.9g) r %.9g at (%d, %d) '%s'\n",
                     (long long)k, kind, op.colour, op.penWidth, op.p1.x(), op.p1.y(), op.p2.x(), op.p2.y(), op.radius,
                     op.topLeft.x(), op.topLeft.y(), show(op.text).constData());
    }
    std::fprintf(stderr, "  pixel (%d, %d)\n", pixel.x(), pixel.y());
}

void checkPainting(const DrawingRecord &record, FuzzedDataProvider &in)
{
    const QRectF b = record.bounds();
    // A rectangle near what is drawn, and a part of it.
    const int cx = b.isNull() ? 0 : int(std::clamp(b.center().x(), -1e6, 1e6));
    const int cy = b.isNull() ? 0 : int(std::clamp(b.center().y(), -1e6, 1e6));
    const QRect whole(cx + in.ConsumeIntegralInRange(-200, 200), cy + in.ConsumeIntegralInRange(-200, 200),
                      in.ConsumeIntegralInRange(1, kMaxSide), in.ConsumeIntegralInRange(1, kMaxSide));
    const QImage big = record.render(whole);
    FUZZ_CHECK(!big.isNull() && big.size() == whole.size(), "render of %dx%d", whole.width(), whole.height());

    const int dx = in.ConsumeIntegralInRange(0, whole.width() - 1);
    const int dy = in.ConsumeIntegralInRange(0, whole.height() - 1);
    const QRect part(whole.x() + dx, whole.y() + dy, in.ConsumeIntegralInRange(1, whole.width() - dx),
                     in.ConsumeIntegralInRange(1, whole.height() - dy));
    const QImage small = record.render(part);
    // Antialiased edges are not exactly the same everywhere: the raster engine
    // clips lines to the device, and with wide pens the record paints tile by
    // tile, batching other runs of lines, so where overlapping edges blend
    // changes by a few levels. A missing or misplaced operation changes much
    // more.
    constexpr int kLevels = 12;
    const auto close = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= kLevels && std::abs(qGreen(a) - qGreen(b)) <= kLevels
            && std::abs(qBlue(a) - qBlue(b)) <= kLevels;
    };
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            if (!close(small.pixel(x, y), big.pixel(x + dx, y + dy)))
                dumpNear(record, QPoint(part.x() + x, part.y() + y));
            FUZZ_CHECK(close(small.pixel(x, y), big.pixel(x + dx, y + dy)),
                       "pixel (%d, %d) is %08x painted alone, %08x as part of (%d, %d, %d x %d)", part.x() + x,
                       part.y() + y, small.pixel(x, y), big.pixel(x + dx, y + dy), whole.x(), whole.y(), whole.width(),
                       whole.height());
        }
    }

    // Away from everything drawn only the background shows. (A rectangle
    // held as corner and size loses its far edge when one edge is
    // astronomically far: only drawings of a size the window allows count.)
    const auto near = [](double v) { return std::fabs(v) < 1e7; };
    if (!b.isNull() && !(near(b.left()) && near(b.right()) && near(b.top()) && near(b.bottom())))
        return;
    const QRect away = b.isNull() ? QRect(0, 0, 8, 8) : QRect(int(b.right()) + 4, int(b.top()), 8, 8);
    const QImage empty = record.render(away);
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x) {
            if (empty.pixel(x, y) != (record.background() | 0xff000000u)) {
                dumpNear(record, QPoint(away.x() + x, away.y() + y));
                std::fprintf(stderr, "  bounds (%g, %g) - (%g, %g)\n", b.left(), b.top(), b.right(), b.bottom());
            }
            FUZZ_CHECK(empty.pixel(x, y) == (record.background() | 0xff000000u), "pixel %08x beyond the drawing at (%d, %d)",
                       empty.pixel(x, y), away.x() + x, away.y() + y);
        }
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
    // The window is a widget: its inner width is at most what a widget can be.
    const int innerWidth = in.ConsumeBool() ? in.ConsumeIntegralInRange(-100, kMaxSurfaceTwips) : 11520;

    DrawingRecord record;
    const DrawResult result = drawGraph(record, data, settings, innerWidth);
    checkDrawing(record, result, *data, settings, innerWidth);

    // "Çiz": the best path in red over the graph.
    if (result.drawn) {
        std::vector<qint64> positions;
        if (const auto best = findBestPath(*data, in.ConsumeBool() ? PathMode::Shortest : PathMode::Longest))
            positions = best->positions;
        else
            for (int c = 0; c < data->shape.columnCount(); ++c)
                positions.push_back(data->shape.boxCount(c) ? in.ConsumeIntegralInRange<qint64>(0, data->shape.boxCount(c) - 1) : 0);
        const qsizetype before = record.lineCount();
        const qsizetype firstOp = record.opCount();
        markPath(record, result.geometry, positions, settings.penWidth);
        const qsizetype added = record.lineCount() - before;
        FUZZ_CHECK(added <= data->shape.stageCount(), "%lld segments for %d stages", (long long)added, data->shape.stageCount());
        if (sensible(settings.xSpacing) && sensible(settings.ySpacing) && sensible(settings.radius))
            FUZZ_CHECK(added == data->shape.stageCount(), "%lld segments for %d stages", (long long)added,
                       data->shape.stageCount());
        FUZZ_CHECK(record.opCount() - firstOp == added, "marking added other than lines");
        for (qsizetype k = firstOp; k < record.opCount(); ++k)
            FUZZ_CHECK(record.op(k).colour == kPathColour, "segment not red");
    }

    // Loose operations, as other callers may add them.
    const int loose = in.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < loose; ++i) {
        const QPoint at(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>());
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0: record.addCircle(QPointF(anyDouble(in), anyDouble(in)), anyDouble(in), anyPen(in)); break;
        case 1: record.addLine(QPointF(anyDouble(in), anyDouble(in)), QPointF(anyDouble(in), anyDouble(in)),
                               opaque(in.ConsumeIntegral<QRgb>()), anyPen(in)); break;
        case 2: record.addText(at, anyText(in)); break;
        case 3: record.addEdgeText(at, in.ConsumeIntegralInRange<qint64>(-2, data->shape.edgeCount() + 2)); break;
        default: record.addNumberText(at, in.ConsumeIntegral<qint64>()); break;
        }
        (void)estimatedTextSize(anyText(in));
    }
    checkRecord(record);
    checkPainting(record, in);

    // Whole pixels: rounded halves to even, only what fits in 32 bits.
    const double v = anyDouble(in);
    const auto px = toPixel(v);
    const double r = std::nearbyint(v);
    FUZZ_CHECK(bool(px) == (std::isfinite(v) && r >= -2147483648.0 && r <= 2147483647.0), "toPixel(%.17g)", v);
    if (px)
        FUZZ_CHECK(double(*px) == r, "toPixel(%.17g) = %d", v, *px);
    return 0;
}

#include "graphdrawing.h"

#include "drawingrecord.h"

#include <algorithm>
#include <cmath>

namespace stagepath {

namespace {

constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255),
};

// Twips for a pixel extent: the larger of the graph's nominal extent and what
// is actually drawn, at least `minimum`, at most what a widget can be.
int surfaceTwips(double nominalPx, double drawnPx, int minimum)
{
    double px = std::isfinite(nominalPx) ? nominalPx : 0;
    if (std::isfinite(drawnPx))
        px = std::max(px, std::ceil(drawnPx));
    const double twips = std::ceil(px * kTwipsPerDrawingPixel);
    if (!(twips > minimum))
        return minimum;
    return int(std::min(twips, double(kMaxSurfaceTwips)));
}

// Whether the edge value of a row is written as a single character.
bool singleCharacter(const EdgeData &edges, qint64 row)
{
    const auto it = edges.texts.constFind(row);
    if (it != edges.texts.constEnd())
        return it->size() == 1;
    const double v = edges.values[size_t(row)];
    return v >= 0 && v <= 9 && v == std::floor(v);
}

void drawValues(DrawingRecord &out, const EdgeData &edges, const GraphGeometry &g)
{
    const GraphShape &shape = edges.shape;
    const int stages = std::min(shape.stageCount(), g.columnCount() - 1);
    for (int s = 0; s < stages; ++s) {
        const qint64 left = shape.boxCount(s);
        const qint64 right = shape.boxCount(s + 1);
        qint64 row = shape.stageStart(s);
        for (qint64 j = 0; j < left; ++j) {
            for (qint64 m = 0; m < right; ++m, ++row) {
                // A position that does not fit ends the values here; the lines
                // are drawn all the same.
                const auto ref = g.valuePointChecked(s, j, m);
                if (!ref)
                    return;
                const qint64 top = qint64(ref->y()) - 6;
                const qint64 leftEdge = qint64(ref->x()) - (singleCharacter(edges, row) ? 3 : 6);
                if (top < std::numeric_limits<qint32>::min() || leftEdge < std::numeric_limits<qint32>::min())
                    return;
                out.addEdgeText(QPoint(int(leftEdge), int(top)), row);
            }
        }
    }
}

} // namespace

const std::array<QRgb, 16> &linePalette()
{
    return kPalette;
}

std::optional<QRgb> paletteColour(int index)
{
    if (index < 0 || index >= int(kPalette.size()))
        return std::nullopt;
    return kPalette[size_t(index)];
}

DrawResult drawGraph(DrawingRecord &out, EdgeDataPtr edges, const DrawSettings &settings, int innerWidthTwips)
{
    DrawResult result;
    if (!edges || edges->shape.columnCount() == 0)
        return result; // no stage table: nothing is drawn, not even cleared

    const GraphShape &shape = edges->shape;
    const int pen = std::clamp(settings.penWidth, 1, kMaxPenWidth);
    out.clear();
    out.reserve(2 * (shape.totalBoxes() + shape.edgeCount()));
    out.setEdgeSource(edges);

    const GraphGeometry g(shape, settings.xSpacing, settings.ySpacing, settings.radius);
    result.largest = g.largest();
    result.drawn = true;
    const int columns = shape.columnCount();

    // Circles with their global box numbers, column by column, top to bottom.
    qint64 box = 0;
    for (int c = 0; c < columns; ++c) {
        for (qint64 j = 0; j < shape.boxCount(c); ++j) {
            ++box;
            out.addCircle(g.boxCentre(c, j), settings.radius, pen);
            if (const auto ref = g.numberPointChecked(c, j)) {
                const QString number = QString::number(box);
                if (const auto topLeft = GraphGeometry::textTopLeftChecked(*ref, number))
                    out.addNumberText(*topLeft, box);
            }
        }
    }

    drawValues(out, *edges, g);

    // Lines. With colouring, the lines of a box take the palette entry of its
    // position; a position beyond the palette keeps the colour of the line
    // drawn just before.
    QRgb colour = kPalette[0];
    for (int c = 0; c + 1 < columns; ++c) {
        for (qint64 j = 0; j < shape.boxCount(c); ++j) {
            for (qint64 m = 0; m < shape.boxCount(c + 1); ++m) {
                if (!settings.coloured)
                    colour = kPalette[0];
                else if (const auto entry = paletteColour(int(std::min<qint64>(j + 1, 16))))
                    colour = *entry;
                const QLineF line = g.edgeLine(c, j, m);
                out.addLine(line.p1(), line.p2(), colour, pen);
            }
        }
    }

    // The surface: at least the graph's nominal extent (the lowest centres of
    // the largest column, the last column's centres) and everything drawn,
    // never lower than the viewport nor narrower than the window.
    const double y = settings.ySpacing;
    const double nominalHeight = y * g.largest() - (y - 20);
    const double nominalWidth = double(columns - 1) * settings.xSpacing + 20;
    const QRectF drawn = out.bounds();
    const double drawnBottom = drawn.isNull() ? 0 : drawn.bottom();
    const double drawnRight = drawn.isNull() ? 0 : drawn.right();
    result.heightTwips = surfaceTwips(nominalHeight, drawnBottom, kViewportHeightTwips);
    result.widthTwips = surfaceTwips(nominalWidth, drawnRight, std::max(0, innerWidthTwips));
    result.drawingHeightTwips = surfaceTwips(nominalHeight, drawnBottom, 0);
    result.drawingWidthTwips = surfaceTwips(nominalWidth, drawnRight, 0);
    result.vScrollMax = std::max<qint64>(0, qint64(result.heightTwips) - kViewportHeightTwips);
    result.hScrollMax = std::max<qint64>(0, qint64(result.widthTwips) - std::max(0, innerWidthTwips));
    result.geometry = g;
    return result;
}

} // namespace stagepath

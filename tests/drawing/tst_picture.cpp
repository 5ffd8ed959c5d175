// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture as it lands on pixels: crisp lines in the exact palette colour,
// texts where the text rule puts them, the red path and the other overlays,
// wide pens; that any part painted alone equals the same part of the whole,
// at every zoom and pixel ratio; that the dense mesh set as spans matches the
// same lines stroked by the painter; and that the surface covers the drawing.

#include "drawing/colours.h"
#include "drawing/devicemap.h"
#include "drawing/linevalues.h"
#include "drawing/picture.h"
#include "drawing/surface.h"
#include "drawing/textrule.h"
#include "model/numbers.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using namespace stagepath;

using Counts = std::vector<qint64>;

namespace {

const QRgb kBackground = kBackgroundColour;

EdgeDataPtr makeEdges(const Counts &counts, const QHash<qint64, QString> &texts = {})
{
    auto e = std::make_shared<EdgeData>();
    e->shape = GraphShape(counts);
    e->values.resize(size_t(e->shape.edgeCount()));
    for (size_t i = 0; i < e->values.size(); ++i)
        e->values[i] = double((i * 397) % 1001);
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        e->texts.insert(it.key(), it.value());
        e->values[size_t(it.key())] = parseNumber(it.value()).value_or(std::nan(""));
    }
    return e;
}

GraphPicture defaultPicture(int pen = 1, bool coloured = false)
{
    DrawSettings s;
    s.penWidth = pen;
    s.coloured = coloured;
    return GraphPicture(makeEdges({3, 3, 3, 3, 3}), s);
}

QRgb rgb(const QImage &image, int x, int y)
{
    return image.pixel(x, y) | 0xff000000u;
}

int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Pixels of two images of one size that differ by more than `levels` in a channel.
int differing(const QImage &a, const QImage &b, int levels = 0)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += distance(a.pixel(x, y), b.pixel(x, y)) > levels;
    return n;
}

// A random graph of up to `columns` columns of `least` to `most` boxes, one
// of whose values is typed as `typed`.
EdgeDataPtr randomEdges(QRandomGenerator &rng, int columns, int least, int most, const QString &typed)
{
    Counts counts(size_t(rng.bounded(1, columns + 1)));
    for (qint64 &c : counts)
        c = rng.bounded(least, most + 1);
    QHash<qint64, QString> texts;
    const qint64 edges = GraphShape(counts).edgeCount();
    if (edges > 0)
        texts.insert(rng.bounded(edges), typed);
    return makeEdges(counts, texts);
}

// The part of the picture painted alone on a device of the whole's size, the
// painter translated as for the whole.
QImage paintedAlone(const GraphPicture &p, const QRect &whole, const QRect &part, double zoom, qreal ratio)
{
    QImage image(whole.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.translate(-whole.topLeft());
    painter.setClipRect(part);
    p.paint(painter, part, zoom);
    painter.end();
    return image;
}

QImage deviceCrop(const QImage &image, const QRect &logical, qreal ratio)
{
    QImage crop = image.copy(QRect(logical.topLeft() * ratio, logical.size() * ratio));
    crop.setDevicePixelRatio(1);
    return crop;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void palette();
    void crispLines_data();
    void crispLines();
    void textsLandByTheTextRule();
    void textSetting();
    void redPath();
    void overlaysLand();
    void widePensCover();
    void partialRepaintMatchesWhole();
    void denseMeshMatchesStrokes_data();
    void denseMeshMatchesStrokes();
    void surfaceCoversTheDrawing();
    void surfaceSizeIsWholeTwips();
    void emptyPicture();
    void valuesOnTheirLines();
};

void TestPicture::palette()
{
    const QList<QRgb> expected{
        qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255)};
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(paletteColour(i), std::optional<QRgb>(expected[i]));
        // Every entry, bright white and silver included, shows on the background.
        const int apart = std::abs(qRed(expected[i]) - qRed(kBackground)) + std::abs(qGreen(expected[i]) - qGreen(kBackground))
            + std::abs(qBlue(expected[i]) - qBlue(kBackground));
        QVERIFY2(apart >= 80, qPrintable(QString::number(i)));
    }
    QCOMPARE(paletteColour(16), std::nullopt);
    // Positions beyond the palette keep entry 15.
    QCOMPARE(lineColour(1, true), expected[2]);
    QCOMPARE(lineColour(15, true), expected[15]);
    QCOMPARE(lineColour(400, true), expected[15]);
    QCOMPARE(lineColour(1, false), expected[0]);
}

void TestPicture::crispLines_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("100 %") << 1.0 << qreal(1);
    QTest::newRow("pixel ratio 2") << 1.0 << qreal(2);
    QTest::newRow("zoom 150 %") << 1.5 << qreal(1);
    QTest::newRow("zoom 50 %") << 0.5 << qreal(1);
    QTest::newRow("zoom 400 %") << 4.0 << qreal(1);
}

void TestPicture::crispLines()
{
    QFETCH(double, zoom);
    QFETCH(qreal, ratio);
    // The horizontal lines 1-4 (y = 20), 2-5 (y = 140) and 3-6 (y = 260), at
    // x = 100: each fills exactly round(zoom * ratio) device rows in the
    // exact palette colour, with the background right above and below.
    const GraphPicture picture = defaultPicture(1, true);
    const QImage image = picture.render(QRect(0, 0, int(300 * zoom), int(300 * zoom)), zoom, ratio);
    const double k = zoom * ratio;
    const int rows = std::max(1, int(std::lround(k)));
    const int x = int(100 * k);
    const QList<QPair<int, QRgb>> lines{{20, qRgb(0, 0, 128)}, {140, qRgb(0, 128, 0)}, {260, qRgb(0, 128, 128)}};
    for (const auto &[y, colour] : lines) {
        // An odd stroke is centred on a pixel's centre, an even one on an edge.
        const int top = int(std::floor(DeviceMap::snap(y * k, rows) - rows / 2.0 + 0.5));
        if ((top + rows) >= image.height())
            continue;
        const QString where = QStringLiteral("line at %1, device row %2").arg(y).arg(top);
        QCOMPARE(rgb(image, x, top - 1), kBackground);
        for (int r = top; r < top + rows; ++r)
            QVERIFY2(rgb(image, x, r) == colour, qPrintable(where));
        QCOMPARE(rgb(image, x, top + rows), kBackground);
    }
    // Drawing point (x, y) shows at pixel (x, y) at 100 %: the line's row is y.
    if (k == 1)
        QCOMPARE(rgb(image, 100, 20), qRgb(0, 0, 128));
}

void TestPicture::textsLandByTheTextRule()
{
    // The values of box 1 stand at (20, 50), (20, 60), (20, 70): tops at 44,
    // 54, 64, left edges at 14, or 17 for a single character; a typed text
    // is drawn as typed ("07" stays "07"; '&' marks, a line break breaks).
    const auto edges = makeEdges({3, 3, 3, 3, 3}, {{0, QStringLiteral("7")}, {1, QStringLiteral("07")},
                                                   {2, QStringLiteral("a&b\nc")}});
    const GraphPicture picture(edges, DrawSettings{});
    const QRect region(0, 42, 45, 60); // under circle 1, left of every line
    const QImage drawn = picture.render(region);

    QImage expected(region.size(), QImage::Format_RGB32);
    expected.fill(kBackground);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(drawingFont());
    painter.translate(-region.topLeft());
    drawTextAt(painter, QPoint(17, 44), QStringLiteral("7"));
    drawTextAt(painter, QPoint(14, 54), QStringLiteral("07"));
    drawTextAt(painter, QPoint(14, 64), QStringLiteral("a&b\nc"));
    painter.end();
    QCOMPARE(differing(drawn, expected), 0);

    // Box numbers likewise: "1" at (17, 14), "10" at (674, 14).
    const QImage numbers = picture.render(QRect(660, 8, 40, 24));
    QImage number(numbers.size(), QImage::Format_RGB32);
    number.fill(kBackground);
    QPainter p2(&number);
    p2.setRenderHint(QPainter::TextAntialiasing);
    p2.setFont(drawingFont());
    p2.translate(-660, -8);
    drawTextAt(p2, QPoint(674, 14), QStringLiteral("10"));
    p2.end();
    // Only the number's own pixels are compared: the circle passes nearby.
    QCOMPARE(differing(numbers.copy(12, 4, 16, 14), number.copy(12, 4, 16, 14)), 0);
}

void TestPicture::textSetting()
{
    auto image = [](const QString &text, bool batched) {
        QImage im(80, 40, QImage::Format_RGB32);
        im.fill(kBackground);
        QPainter p(&im);
        p.setFont(drawingFont());
        p.setRenderHint(QPainter::TextAntialiasing);
        if (batched) {
            TextBatch batch(p, true);
            batch.add(QPointF(10, 10), text);
        } else {
            drawTextAt(p, QPointF(10, 10), text);
        }
        return im;
    };
    auto inked = [](const QImage &im, const QRect &area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += distance(im.pixel(x, y), kBackground) > 60;
        return n;
    };
    // A text is set from its top-left corner: nothing above or left of it.
    const QImage digits = image(QStringLiteral("123"), false);
    QVERIFY(inked(digits, QRect(10, 10, 30, 14)) > 10);
    QCOMPARE(inked(digits, QRect(0, 0, 80, 10)), 0);
    QCOMPARE(inked(digits, QRect(0, 0, 10, 40)), 0);
    // Numbers gathered into one run of glyphs land exactly where texts do.
    for (const QString &t : {QStringLiteral("123"), QStringLiteral("-4.5e+7"), QStringLiteral("1 000,25")})
        QCOMPARE(differing(image(t, true), image(t, false)), 0);
    // Laid-out text (a line break) sets its first line where plain text goes.
    QCOMPARE(differing(image(QStringLiteral("12 Çığ"), false), image(QStringLiteral("12 Çığ\n"), false)), 0);
    // A line break starts a new line below; a long line is not wrapped.
    QVERIFY(inked(image(QStringLiteral("12\n34"), false), QRect(10, 23, 30, 14)) > 10);
    QCOMPARE(inked(image(QStringLiteral("1234567890123"), false), QRect(0, 23, 80, 17)), 0);
    // An ampersand is not drawn; it underlines the next character; two draw one.
    const QImage ab = image(QStringLiteral("ab"), false);
    const QImage marked = image(QStringLiteral("a&b"), true);
    const int baseline = 10 + int(QFontMetricsF(drawingFont()).ascent());
    QCOMPARE(differing(ab.copy(0, 0, 80, baseline), marked.copy(0, 0, 80, baseline)), 0);
    QVERIFY(differing(ab, marked) > 0);
    QVERIFY(differing(image(QStringLiteral("a&&b"), false), ab) > 0);
}

void TestPicture::redPath()
{
    // "Çiz" marks 1 5 9 10 14: (40, 20)-(220, 140), (260, 140)-(440, 260),
    // (480, 260)-(660, 20), (700, 20)-(880, 140), with the graph's pen.
    PictureOverlays o;
    o.bestPath = {0, 1, 2, 0, 1};
    const GraphPicture picture = defaultPicture(3).withOverlays(o);
    const QImage image = picture.render(QRect(0, 0, 1016, 457));
    for (const QPoint p : {QPoint(130, 80), QPoint(350, 200), QPoint(570, 140), QPoint(790, 80)})
        QCOMPARE(rgb(image, p.x(), p.y()), kPathColour);
    // Not on the edges left unmarked.
    QCOMPARE(rgb(image, 130, 140), qRgb(0, 0, 0));

    // A level segment is one crisp row of red at pen 1, over the black edge.
    o.bestPath = {1, 1};
    const QImage level = GraphPicture(makeEdges({3, 3}), DrawSettings{}).withOverlays(o).render(QRect(0, 130, 300, 20));
    QCOMPARE(rgb(level, 100, 10), kPathColour);
    QCOMPARE(rgb(level, 100, 9), kBackground);
    QCOMPARE(rgb(level, 100, 11), kBackground);
}

void TestPicture::overlaysLand()
{
    // Each layer in its colour on its own edge, at the midpoint; the red
    // path, drawn last, wins where it covers another layer.
    auto best = std::make_shared<std::vector<bool>>(36, false);
    (*best)[0] = true;  // 1-4
    (*best)[10] = true; // 4-8 (stage 2 starts at row 9)
    auto chosen = std::make_shared<std::vector<qint64>>(15, -1);
    (*chosen)[7] = 2; // box 8 from box 6
    auto labels = std::make_shared<std::vector<QString>>(15);
    (*labels)[4] = QStringLiteral("MM");
    PictureOverlays o;
    o.bestEdges = best;
    o.selectedPath = {2, 2, 2, 2, 2};
    o.highlightedStage = 3;
    o.chosenFrom = chosen;
    o.boxLabels = labels;
    o.bestPath = {0, 1};
    const GraphPicture picture = defaultPicture().withOverlays(o);
    const QImage image = picture.render(QRect(0, 0, 1016, 457));
    QCOMPARE(rgb(image, 130, 20), kBestEdgesColour);
    QCOMPARE(rgb(image, 350, 80), kBestEdgesColour);
    QCOMPARE(rgb(image, 130, 260), kSelectedPathColour);
    QCOMPARE(rgb(image, 790, 200), kHighlightedStageColour);
    QCOMPARE(rgb(image, 350, 200), kChosenEdgeColour);
    QCOMPARE(rgb(image, 130, 80), kPathColour);
    // The label stands right of circle 5 (240, 140), above its lines' start.
    int labelInk = 0;
    for (int y = 118; y < 136; ++y)
        for (int x = 262; x < 285; ++x)
            labelInk += distance(rgb(image, x, y), kBoxLabelColour) < 40;
    QVERIFY(labelInk > 3);
}

void TestPicture::widePensCover()
{
    // Pen 32767: every stroke covers the whole view; lines lie over the
    // circles, so a view within a stage shows the colour of the last box's
    // lines.
    const QImage black = defaultPicture(32767).render(QRect(0, 0, 1016, 457));
    for (int y = 0; y < black.height(); y += 7)
        for (int x = 0; x < black.width(); x += 7)
            QCOMPARE(rgb(black, x, y), qRgb(0, 0, 0));
    const QImage coloured = defaultPicture(32767, true).render(QRect(0, 0, 1016, 457));
    QCOMPARE(rgb(coloured, 800, 300), qRgb(0, 128, 128));
    // The red path drawn with it covers everything too.
    PictureOverlays o;
    o.bestPath = {0, 0, 0, 0, 0};
    QCOMPARE(rgb(defaultPicture(32767).withOverlays(o).render(QRect(500, 400, 10, 10)), 5, 5), kPathColour);
}

void TestPicture::partialRepaintMatchesWhole()
{
    // Random small graphs, settings, overlays, zooms and pixel ratios: every
    // part painted alone equals the same part of the whole painted at once.
    QRandomGenerator rng(42);
    const double zooms[] = {0.5, 0.75, 1, 1.25, 2, 4};
    for (int round = 0; round < 40; ++round) {
        const EdgeDataPtr edges = randomEdges(rng, 5, 0, 6, rng.bounded(2) ? QStringLiteral("x&y\nz") : QStringLiteral("07"));
        DrawSettings s;
        s.xSpacing = rng.bounded(60, 300);
        s.ySpacing = rng.bounded(30, 200) + (rng.bounded(2) ? 0.5 : 0);
        s.radius = rng.bounded(10, 21);
        s.penWidth = rng.bounded(5) == 0 ? rng.bounded(20, 3000) : rng.bounded(1, 9);
        s.coloured = rng.bounded(2);
        PictureOverlays o;
        for (qint64 c : edges->shape.boxCounts())
            o.bestPath.push_back(c > 0 ? rng.bounded(int(c)) : 0);
        const GraphPicture picture = GraphPicture(edges, s).withOverlays(o);
        const double zoom = zooms[rng.bounded(int(std::size(zooms)))];
        const qreal ratio = rng.bounded(3) == 0 ? 2 : 1;
        const QRect whole(rng.bounded(0, 200), rng.bounded(0, 200), 400, 300);
        const QImage full = paintedAlone(picture, whole, whole, zoom, ratio);
        for (int k = 0; k < 6; ++k) {
            const QRect part(whole.x() + rng.bounded(0, 380), whole.y() + rng.bounded(0, 280), rng.bounded(1, 120),
                             rng.bounded(1, 120));
            const QRect inside = part.intersected(whole).translated(-whole.topLeft());
            const QImage alone = paintedAlone(picture, whole, part.intersected(whole), zoom, ratio);
            const int bad = differing(deviceCrop(alone, inside, ratio), deviceCrop(full, inside, ratio), 12);
            QVERIFY2(bad == 0, qPrintable(QStringLiteral("round %1 part %2,%3 %4x%5 zoom %6 ratio %7 pen %8: %9 pixels")
                                              .arg(round).arg(part.x()).arg(part.y()).arg(part.width())
                                              .arg(part.height()).arg(zoom).arg(ratio).arg(s.penWidth).arg(bad)));
        }
    }
}

void TestPicture::denseMeshMatchesStrokes_data()
{
    QTest::addColumn<int>("pen");
    QTest::addColumn<bool>("coloured");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("bottom");
    QTest::addColumn<bool>("missing"); // every seventh road does not exist
    QTest::newRow("pen 1") << 1 << false << 1.0 << false << false;
    QTest::newRow("pen 1, coloured") << 1 << true << 1.0 << false << false;
    QTest::newRow("pen 3, coloured, zoom 125 %") << 3 << true << 1.25 << false << false;
    QTest::newRow("pen 2, zoom 50 %") << 2 << false << 0.5 << false << false;
    QTest::newRow("pen 40, coloured: caps cut the strokes") << 40 << true << 1.0 << false << false;
    QTest::newRow("pen 120, coloured, zoom 200 %") << 120 << true << 2.0 << false << false;
    QTest::newRow("pen 3, bottom edge") << 3 << false << 1.0 << true << false;
    // Wide pens at the mesh's top edge, where the rows above the top line
    // are reached by the caps of steep lines only.
    QTest::newRow("pen 100, zoom 200 %") << 100 << false << 2.0 << false << false;
    QTest::newRow("pen 75, coloured, zoom 400 %") << 75 << true << 4.0 << false << false;
    // One colour: the lines nearest the empty rows go first there.
    QTest::newRow("pen 300, zoom 400 %") << 300 << false << 4.0 << false << false;
    // Roads missing: the lines are set one by one, runs of them passed over
    // where their caps keep them from the empty rows.
    QTest::newRow("pen 6, coloured, roads missing") << 6 << true << 1.0 << false << true;
    QTest::newRow("pen 40, roads missing") << 40 << false << 1.0 << false << true;
    QTest::newRow("pen 400, coloured, roads missing: one blot") << 400 << true << 1.0 << false << true;
}

void TestPicture::denseMeshMatchesStrokes()
{
    QFETCH(int, pen);
    QFETCH(bool, coloured);
    QFETCH(double, zoom);
    QFETCH(bool, bottom);
    QFETCH(bool, missing);
    // Two columns of 150 boxes: 22,500 lines, set as spans. The reference is
    // the painter filling the strokes of the same lines (same ends, same
    // order and colours) without antialiasing, over a view between the columns where
    // nothing but lines is drawn: along the top or the bottom, where the
    // mesh thins out into single lines and the edge of the mesh shows.
    DrawSettings s;
    s.penWidth = pen;
    s.coloured = coloured;
    s.ySpacing = 60;
    auto edges = std::make_shared<EdgeData>(*makeEdges({150, 150}));
    for (size_t i = 3; missing && i < edges->values.size(); i += 7)
        edges->values[i] = kMissingRoad;
    const GraphPicture picture(edges, s);
    const double lowest = picture.geometry().edgeLine(0, 149, 149).y1();
    // Below the mesh the lowest box's values are written: the view there
    // starts right of them.
    const QRect view(int((bottom ? 90 : 45) * zoom), bottom ? int((lowest - 120) * zoom) : 0,
                     int((bottom ? 125 : 170) * zoom), int(250 * zoom));
    const QImage spans = picture.render(view, zoom);

    QImage reference(view.size(), QImage::Format_RGB32);
    reference.fill(kBackground);
    QPainter painter(&reference);
    painter.translate(-view.topLeft());
    const double w = std::max(1.0, std::round(pen * zoom));
    QPainterPathStroker stroker;
    stroker.setWidth(w);
    stroker.setCapStyle(Qt::FlatCap);
    const GraphGeometry &g = picture.geometry();
    for (qint64 j = 0; j < 150; ++j) {
        for (qint64 m = 0; m < 150; ++m) {
            if (edges->isMissing(j * 150 + m))
                continue;
            const QLineF l = g.edgeLine(0, j, m);
            QPainterPath line(QPointF(DeviceMap::snap(l.x1() * zoom, w), DeviceMap::snap(l.y1() * zoom, w)));
            line.lineTo(DeviceMap::snap(l.x2() * zoom, w), DeviceMap::snap(l.y2() * zoom, w));
            painter.fillPath(stroker.createStroke(line), QColor::fromRgb(lineColour(j, coloured)));
        }
    }
    painter.end();
    // Both set a pixel where its centre lies in a stroke: only rounding on
    // a stroke's very edge may differ.
    const int total = view.width() * view.height();
    const int bad = differing(spans, reference);
    QVERIFY2(bad * 1000 < total, qPrintable(QStringLiteral("%1 of %2 pixels").arg(bad).arg(total)));
}

void TestPicture::surfaceCoversTheDrawing()
{
    // Everything drawn lies within the extent: beyond its right and bottom
    // edges only the background shows. Long typed values, many-line ones,
    // the lowest value stacks and wide pens included.
    QRandomGenerator rng(3);
    for (int round = 0; round < 12; ++round) {
        const EdgeDataPtr edges = randomEdges(rng, 4, 1, 5,
                                              rng.bounded(2) ? QStringLiteral("a long typed value, far wider") : QStringLiteral("1\n2\n3\n4"));
        DrawSettings s;
        s.xSpacing = rng.bounded(30, 250);
        s.ySpacing = rng.bounded(20, 150);
        s.penWidth = rng.bounded(1, 30);
        PictureOverlays o;
        o.boxLabels = std::make_shared<std::vector<QString>>(size_t(edges->shape.totalBoxes()), QStringLiteral("label"));
        const GraphPicture picture = GraphPicture(edges, s).withOverlays(o);
        const QSizeF e = picture.extent();
        const int right = int(std::ceil(e.width())), bottom = int(std::ceil(e.height()));
        const QImage beyondRight = picture.render(QRect(right, 0, 60, bottom + 60));
        const QImage beyondBottom = picture.render(QRect(0, bottom, right + 60, 60));
        for (const QImage *im : {&beyondRight, &beyondBottom})
            for (int y = 0; y < im->height(); ++y)
                for (int x = 0; x < im->width(); ++x)
                    QVERIFY2(rgb(*im, x, y) == kBackground, qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

void TestPicture::surfaceSizeIsWholeTwips()
{
    // The default graph fits the viewport: the surface is the viewport and
    // nothing scrolls (4160 twips high, raised to 6855; 14400 wide, raised to
    // the window's 15240).
    const QSizeF viewport(1016, kViewportHeight);
    QCOMPARE(surfaceSize(defaultPicture().extent(), viewport), viewport);
    // Larger drawings: 16 twips per drawing pixel, rounded up to whole twips,
    // and surface * 15 gives those twips back exactly, at every zoom.
    QRandomGenerator rng(11);
    for (int i = 0; i < 2000; ++i) {
        const QSizeF extent(rng.bounded(100000.0) + 1100, rng.bounded(2000000.0) + 500);
        const QSizeF s = surfaceSize(extent, viewport);
        QCOMPARE(double(std::llround(s.width() * 15)), std::ceil(extent.width() * 16));
        QCOMPARE(double(std::llround(s.height() * 15)), std::ceil(extent.height() * 16));
    }
    // A tall column: the surface reaches below the last value, whose text
    // stands from 47924 (the lowest centre 47900, + 30, - 6) one line down.
    const GraphPicture tall(makeEdges({400, 1}), DrawSettings{});
    QVERIFY(surfaceSize(tall.extent(), viewport).height() * 15 >= (47924 + 11) * 16.0);
}

void TestPicture::emptyPicture()
{
    const GraphPicture none;
    QVERIFY(none.isEmpty());
    QVERIFY(GraphPicture(makeEdges({}), DrawSettings{}).isEmpty());
    const QImage image = none.render(QRect(0, 0, 20, 20));
    QCOMPARE(rgb(image, 10, 10), kBackground);
    // A column without boxes draws nothing but is no empty picture.
    QVERIFY(!GraphPicture(makeEdges({0}), DrawSettings{}).isEmpty());
}

// Values on the lines, for every pair of columns of 1 to 5 boxes and some
// three-column graphs at the default spacing: each value's box is centred on
// its own line, between the two circles, clear of every other value's box;
// drawn, it is white with black text, and the red path does not cover it.
void TestPicture::valuesOnTheirLines()
{
    QRandomGenerator rng(23);
    std::vector<Counts> shapes;
    for (qint64 left = 1; left <= 5; ++left)
        for (qint64 right = 1; right <= 5; ++right)
            shapes.push_back({left, right});
    for (int i = 0; i < 20; ++i)
        shapes.push_back({rng.bounded(1, 6), rng.bounded(1, 6), rng.bounded(1, 6)});
    for (const Counts &counts : shapes) {
        auto edges = std::make_shared<EdgeData>(*makeEdges(counts));
        for (double &v : edges->values)
            v = rng.bounded(4) == 0 ? 1000 : rng.bounded(1000); // up to four digits
        if (rng.bounded(2))
            edges->texts.insert(0, QStringLiteral("12,75"));
        DrawSettings settings;
        settings.valuesOnLines = true;
        const GraphGeometry g(edges->shape, settings.xSpacing, settings.ySpacing, settings.radius);
        const LineValueLayout layout(*edges, g);
        const GraphShape &shape = edges->shape;
        std::vector<QRectF> boxes;
        for (qint64 row = 0; row < shape.edgeCount(); ++row) {
            const GraphShape::Edge e = shape.edgeAt(row);
            const QRectF r = layout.labelRect(*edges, g, row);
            const QString where = QStringLiteral("%1 boxes, row %2").arg(QString::number(counts[0]) + u'x'
                                                                         + QString::number(counts[1])).arg(row);
            QVERIFY2(r.width() > estimatedTextSize(edges->text(row)).width(), qPrintable(where));
            QVERIFY2(r.left() >= g.columnX(e.stage) + settings.radius && r.right() <= g.columnX(e.stage + 1) - settings.radius,
                     qPrintable(where));
            const QLineF line = g.edgeLine(e.stage, e.from, e.to);
            const QPointF c = r.center();
            const double off = std::abs(line.dy() * (c.x() - line.x1()) - line.dx() * (c.y() - line.y1())) / line.length();
            QVERIFY2(off < 0.01, qPrintable(where));
            for (const QRectF &other : boxes)
                QVERIFY2(!r.intersects(other), qPrintable(where));
            boxes.push_back(r);
        }

        // The best path through the first boxes, drawn over the lines; the values over it.
        PictureOverlays o;
        o.bestPath.assign(counts.size(), 0);
        const GraphPicture picture = GraphPicture(edges, settings).withOverlays(o);
        const QImage image = picture.render(QRect(QPoint(0, 0), picture.extent().toSize()));
        for (qint64 row = 0; row < shape.edgeCount(); ++row) {
            const QRect inside = boxes[size_t(row)].toAlignedRect().adjusted(2, 2, -2, -2);
            int white = 0, dark = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    const QRgb p = rgb(image, x, y);
                    QVERIFY2(p != kPathColour, qPrintable(QStringLiteral("row %1 covered at %2, %3").arg(row).arg(x).arg(y)));
                    white += p == qRgb(255, 255, 255);
                    dark += qGray(p) < 100;
                }
            QVERIFY2(white > dark && dark > 5, qPrintable(QStringLiteral("row %1: %2 white, %3 dark").arg(row).arg(white).arg(dark)));
        }
    }

    // A stage of more than 100 lines keeps its stacks: the picture is the
    // one drawn without values on the lines.
    const EdgeDataPtr dense = makeEdges({11, 10});
    DrawSettings onLines;
    onLines.valuesOnLines = true;
    const GraphPicture stacked(dense, DrawSettings{}), same(dense, onLines);
    QCOMPARE(same.extent(), stacked.extent());
    const QRect all(QPoint(0, 0), stacked.extent().toSize());
    QCOMPARE(same.render(all), stacked.render(all));
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"

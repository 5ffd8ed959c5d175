// Drawing the graph into a record, sizing the surface, and repainting the
// record into images: what the record holds, what lands on the pixels, and
// that a repaint of part of the surface matches the same part of a whole one.

#include "drawing/drawingrecord.h"
#include "drawing/geometry.h"
#include "drawing/graphdrawing.h"
#include "model/numbers.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace stagepath;

using Counts = std::vector<qint64>;
Q_DECLARE_METATYPE(Counts)

namespace {

constexpr int kInnerWidth = 15240; // the window's inner width at start, twips

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

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Pixels of two images that differ by more than rounding noise.
int differingPixels(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (colourDistance(a.pixel(x, y), b.pixel(x, y)) > 24)
                ++n;
    return n;
}

} // namespace

class TestGraphDrawing : public QObject
{
    Q_OBJECT

private slots:
    void palette();
    void defaultGraphRecord();
    void shapes_data();
    void shapes();
    void noColumnsLeavesRecord();
    void lineColours_data();
    void lineColours();
    void surfaceSize_data();
    void surfaceSize();
    void oddSettings_data();
    void oddSettings();
    void pixels();
    void text();
    void partialRepaint_data();
    void partialRepaint();
    void widePensStayCheap_data();
    void widePensStayCheap();
    void denseMeshStaysCheap();
};

void TestGraphDrawing::palette()
{
    const QList<QRgb> expected{
        qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255)};
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(paletteColour(i), std::optional<QRgb>(expected[i]));
        // Every entry, bright white and silver included, shows on the background.
        QVERIFY2(colourDistance(expected[i], kBackgroundColour) >= 80, qPrintable(QString::number(i)));
    }
    QCOMPARE(paletteColour(-1), std::nullopt);
    QCOMPARE(paletteColour(16), std::nullopt);
}

void TestGraphDrawing::defaultGraphRecord()
{
    DrawingRecord record;
    const auto edges = makeEdges({3, 3, 3, 3, 3}, {{2, QStringLiteral("07")}, {4, QStringLiteral("a&b")}});
    const DrawResult r = drawGraph(record, edges, DrawSettings{}, kInnerWidth);

    QVERIFY(r.drawn);
    QCOMPARE(r.largest, 3.0);
    QCOMPARE(record.circleCount(), 15);
    QCOMPARE(record.lineCount(), 36);
    QCOMPARE(record.textCount(), 15 + 36);
    QCOMPARE(record.opCount(), 15 + 15 + 36 + 36);
    QCOMPARE(record.background(), kBackgroundColour);

    // Circles first, each followed by its number; then the values; then the lines.
    const QList<double> xs{20, 240, 460, 680, 900};
    const QList<double> ys{20, 140, 260};
    for (int k = 0; k < 15; ++k) {
        const auto circle = record.op(2 * k);
        QCOMPARE(circle.kind, DrawingRecord::Kind::Circle);
        QCOMPARE(circle.p1, QPointF(xs[k / 3], ys[k % 3]));
        QCOMPARE(circle.radius, 20.0);
        QCOMPARE(circle.colour, kForegroundColour);
        const auto number = record.op(2 * k + 1);
        QCOMPARE(number.text, QString::number(k + 1));
        const int shift = k + 1 < 10 ? 3 : 6;
        QCOMPARE(number.topLeft, QPoint(int(xs[k / 3]) - shift, int(ys[k % 3]) - 6));
    }
    // Values in edge-row order under their left boxes, then the lines in the
    // same order: box 1's values at (20, 50), (20, 60), (20, 70).
    const GraphGeometry &g = r.geometry;
    for (qint64 row = 0; row < 36; ++row) {
        const auto value = record.op(30 + row);
        const auto e = edges->shape.edgeAt(row);
        QCOMPARE(value.edgeRow, row);
        QCOMPARE(value.text, edges->text(row));
        QCOMPARE(value.topLeft, GraphGeometry::textTopLeft(g.valuePoint(e.stage, e.from, e.to), value.text));
        const auto line = record.op(66 + row);
        QCOMPARE(QLineF(line.p1, line.p2), g.edgeLine(e.stage, e.from, e.to));
        QCOMPARE(line.colour, qRgb(0, 0, 0));
    }
    QCOMPARE(record.op(30).topLeft.y(), 44);
    QCOMPARE(record.op(32).topLeft, QPoint(14, 64)); // "07"
    QCOMPARE(record.op(34).text, QStringLiteral("a&b"));
}

void TestGraphDrawing::shapes_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<int>("circles");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("texts");
    QTest::addColumn<double>("largest");

    QTest::newRow("stage count 0") << Counts{4} << 4 << 0 << 4 << 4.0;
    QTest::newRow("columns of 1 and 3") << Counts{1, 3} << 4 << 3 << 4 + 3 << 3.0;
    QTest::newRow("empty middle column") << Counts{3, 0, 3} << 6 << 0 << 6 << 3.0;
    QTest::newRow("one column, no boxes") << Counts{0} << 0 << 0 << 0 << 0.0;
    QTest::newRow("uneven") << Counts{2, 3, 1} << 6 << 9 << 6 + 9 << 3.0;
}

void TestGraphDrawing::shapes()
{
    QFETCH(Counts, counts);
    QFETCH(int, circles);
    QFETCH(int, lines);
    QFETCH(int, texts);
    QFETCH(double, largest);

    DrawingRecord record;
    const DrawResult r = drawGraph(record, makeEdges(counts), DrawSettings{}, kInnerWidth);
    QVERIFY(r.drawn);
    QCOMPARE(record.circleCount(), circles);
    QCOMPARE(record.lineCount(), lines);
    QCOMPARE(record.textCount(), texts);
    QCOMPARE(r.largest, largest);
    QCOMPARE(r.heightTwips, kViewportHeightTwips);
    QCOMPARE(r.widthTwips, kInnerWidth);
    // Numbers run column by column, top to bottom.
    qint64 expected = 0;
    for (qsizetype i = 0; i < record.opCount(); ++i)
        if (record.op(i).kind == DrawingRecord::Kind::NumberText)
            QCOMPARE(record.op(i).text, QString::number(++expected));
    QCOMPARE(expected, qint64(circles));
}

void TestGraphDrawing::noColumnsLeavesRecord()
{
    DrawingRecord record;
    record.addLine(QPointF(0, 0), QPointF(10, 10), qRgb(255, 0, 0), 1);
    QCOMPARE(drawGraph(record, makeEdges({}), DrawSettings{}, kInnerWidth).drawn, false);
    QCOMPARE(drawGraph(record, nullptr, DrawSettings{}, kInnerWidth).drawn, false);
    QCOMPARE(record.opCount(), 1);
}

void TestGraphDrawing::lineColours_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<bool>("coloured");

    QTest::newRow("black") << Counts{3, 3, 3} << false;
    QTest::newRow("coloured") << Counts{3, 3, 3} << true;
    QTest::newRow("coloured, 17 boxes") << Counts{17, 2, 17, 1} << true;
}

void TestGraphDrawing::lineColours()
{
    QFETCH(Counts, counts);
    QFETCH(bool, coloured);

    DrawingRecord record;
    DrawSettings s;
    s.coloured = coloured;
    drawGraph(record, makeEdges(counts), s, kInnerWidth);
    const GraphShape shape(counts);
    qsizetype i = 0;
    while (record.op(i).kind != DrawingRecord::Kind::Line)
        ++i;
    for (qint64 row = 0; row < shape.edgeCount(); ++row, ++i) {
        const auto e = shape.edgeAt(row);
        // Boxes beyond the palette keep the colour of the lines before them:
        // entry 15, bright white.
        const QRgb want = !coloured ? qRgb(0, 0, 0) : linePalette()[size_t(std::min<qint64>(e.from + 1, 15))];
        QCOMPARE(record.op(i).colour, want);
    }
    QCOMPARE(i, record.opCount());
}

void TestGraphDrawing::surfaceSize_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<double>("ySpacing");
    QTest::addColumn<int>("innerWidth");
    QTest::addColumn<int>("minHeight"); // twips the surface must reach at least
    QTest::addColumn<int>("minWidth");

    // (360 - 100) * 16 = 4160 is raised to the viewport; the last column's
    // circles end at x = 920.
    QTest::newRow("default") << Counts{3, 3, 3, 3, 3} << 120.0 << kInnerWidth << 6855 << kInnerWidth;
    QTest::newRow("narrow window") << Counts{3, 3, 3, 3, 3} << 120.0 << 9000 << 6855 << 920 * 16;
    // A column of 6: lowest centre 620, its circle's lower edge 640, the values of
    // its last box down to reference 670, so the text's top at 664.
    QTest::newRow("column of 6") << Counts{6, 3} << 120.0 << kInnerWidth << (664 + 11) * 16 << kInnerWidth;
    QTest::newRow("column of 5, last") << Counts{3, 5} << 120.0 << kInnerWidth << 500 * 16 << kInnerWidth;
    QTest::newRow("tall: scroll range beyond 16 bits") << Counts{400} << 120.0 << kInnerWidth << 47900 * 16 << kInnerWidth;
    QTest::newRow("wide: scroll range beyond 16 bits") << Counts(200, 1) << 120.0 << kInnerWidth << 6855 << (199 * 220 + 40) * 16;
}

void TestGraphDrawing::surfaceSize()
{
    QFETCH(Counts, counts);
    QFETCH(double, ySpacing);
    QFETCH(int, innerWidth);
    QFETCH(int, minHeight);
    QFETCH(int, minWidth);

    DrawingRecord record;
    DrawSettings s;
    s.ySpacing = ySpacing;
    const DrawResult r = drawGraph(record, makeEdges(counts), s, innerWidth);

    QVERIFY2(r.heightTwips >= minHeight, qPrintable(QString::number(r.heightTwips)));
    QVERIFY2(r.widthTwips >= minWidth, qPrintable(QString::number(r.widthTwips)));
    QVERIFY(r.heightTwips >= kViewportHeightTwips);
    QVERIFY(r.widthTwips >= innerWidth);
    QCOMPARE(r.vScrollMax, qint64(r.heightTwips) - kViewportHeightTwips);
    QCOMPARE(r.hScrollMax, qint64(r.widthTwips) - innerWidth);
    // Everything drawn lies on the surface, also as the window shows it
    // (15 twips to the pixel).
    const QRectF drawn = record.bounds();
    QVERIFY(drawn.bottom() * kTwipsPerDrawingPixel <= r.heightTwips);
    QVERIFY(drawn.right() * kTwipsPerDrawingPixel <= r.widthTwips);
    // Not grossly larger than what is drawn.
    if (r.heightTwips > kViewportHeightTwips)
        QVERIFY(r.heightTwips <= (drawn.bottom() + 2) * kTwipsPerDrawingPixel);
}

void TestGraphDrawing::oddSettings_data()
{
    QTest::addColumn<DrawSettings>("settings");
    QTest::addColumn<Counts>("counts");

    auto s = [](double x, double y, double r, int pen) {
        DrawSettings d;
        d.xSpacing = x;
        d.ySpacing = y;
        d.radius = r;
        d.penWidth = pen;
        d.coloured = true;
        return d;
    };
    const Counts five{3, 3, 3, 3, 3};
    QTest::newRow("negative spacing") << s(-220, -120, 20, 1) << five;
    QTest::newRow("huge spacing") << s(1e300, 1e300, 20, 1) << five;
    QTest::newRow("limit spacing, tall column") << s(10000, 10000, 20, 1) << Counts{3, 100000};
    QTest::newRow("not a number") << s(std::nan(""), std::nan(""), std::nan(""), 1) << five;
    QTest::newRow("negative radius") << s(220, 120, -20, 1) << five;
    QTest::newRow("pen 0") << s(220, 120, 20, 0) << five;
    QTest::newRow("pen beyond 16 bits") << s(220, 120, 20, 100000) << five;
}

void TestGraphDrawing::oddSettings()
{
    QFETCH(DrawSettings, settings);
    QFETCH(Counts, counts);

    DrawingRecord record;
    const DrawResult r = drawGraph(record, makeEdges(counts), settings, kInnerWidth);
    QVERIFY(r.drawn);
    QVERIFY(r.heightTwips >= kViewportHeightTwips && r.heightTwips <= kMaxSurfaceTwips);
    QVERIFY(r.widthTwips >= kInnerWidth && r.widthTwips <= kMaxSurfaceTwips);
    QVERIFY(r.vScrollMax >= 0 && r.hScrollMax >= 0);
    for (qsizetype i = 0; i < record.opCount(); ++i) {
        const auto op = record.op(i);
        QVERIFY(op.penWidth >= 1 && op.penWidth <= kMaxPenWidth);
        QVERIFY(std::isfinite(op.p1.x()) && std::isfinite(op.p1.y()) && std::isfinite(op.radius));
    }
    const QImage image = record.render(QRect(0, 0, 300, 200));
    QCOMPARE(image.size(), QSize(300, 200));
}

void TestGraphDrawing::pixels()
{
    DrawingRecord record;
    DrawSettings s;
    s.penWidth = 2;
    const DrawResult r = drawGraph(record, makeEdges({3, 3, 3, 3, 3}), s, kInnerWidth);
    markPath(record, r.geometry, {0, 1, 2, 0, 1}, 3);
    const QImage image = record.render(QRect(0, 0, 1016, 460));

    auto near = [&](int x, int y, QRgb want) {
        const QRgb got = image.pixel(x, y);
        if (colourDistance(got, want) <= 60)
            return true;
        qWarning("pixel (%d, %d) is %08x, wanted %08x", x, y, got, want);
        return false;
    };
    QVERIFY(near(39, 140, qRgb(0, 0, 0)));            // circle outline at centre + radius
    QVERIFY(near(20, 120, qRgb(0, 0, 0)));            // and at its top
    QVERIFY(near(20, 132, kBackgroundColour));        // inside, above the number
    QVERIFY(near(130, 140, qRgb(0, 0, 0)));           // lines 2-5 and 1-6 / 3-4 meet here
    QVERIFY(near(60, 140, qRgb(0, 0, 0)));            // line 2-5, black
    QVERIFY(near(600, 400, kBackgroundColour));       // below the graph
    QVERIFY(near(130, 80, qRgb(255, 0, 0)));          // red path 1-5
    QVERIFY(near(570, 140, qRgb(255, 0, 0)));         // red path 9-10
    QVERIFY(near(790, 80, qRgb(255, 0, 0)));          // red path 10-14

    // With colouring, the line from box 2 (position 2) is green.
    s.coloured = true;
    drawGraph(record, makeEdges({3, 3, 3, 3, 3}), s, kInnerWidth);
    const QImage colouredImage = record.render(QRect(0, 0, 300, 300));
    QVERIFY(colourDistance(colouredImage.pixel(60, 140), qRgb(0, 128, 0)) <= 60);
    QVERIFY(colourDistance(colouredImage.pixel(60, 20), qRgb(0, 0, 128)) <= 60);
    QVERIFY(colourDistance(colouredImage.pixel(60, 260), qRgb(0, 128, 128)) <= 60);
}

void TestGraphDrawing::text()
{
    auto image = [](const QString &text) {
        DrawingRecord r;
        r.addText(QPoint(10, 10), text);
        return r.render(QRect(0, 0, 80, 40));
    };
    auto inked = [](const QImage &im, const QRect &area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (colourDistance(im.pixel(x, y), kBackgroundColour) > 100)
                    ++n;
        return n;
    };

    // A text is set from its top-left corner: nothing above or left of it.
    const QImage digits = image(QStringLiteral("123"));
    QVERIFY(inked(digits, QRect(10, 10, 30, 14)) > 10);
    QCOMPARE(inked(digits, QRect(0, 0, 80, 10)), 0);
    QCOMPARE(inked(digits, QRect(0, 0, 10, 40)), 0);

    // Laid-out text (a line break) sets its first line exactly where plain text goes.
    const QImage plain = image(QStringLiteral("12 Çığ"));
    QCOMPARE(differingPixels(plain, image(QStringLiteral("12 Çığ\n"))), 0);
    // A line break starts a new line below; no wrapping of a long line.
    const QImage twoLines = image(QStringLiteral("12\n34"));
    QVERIFY(inked(twoLines, QRect(10, 23, 30, 14)) > 10);
    const QImage longLine = image(QStringLiteral("1234567890123"));
    QCOMPARE(inked(longLine, QRect(0, 23, 80, 17)), 0);

    // Turkish letters are drawn as themselves.
    QVERIFY(differingPixels(image(QStringLiteral("ğ")), image(QStringLiteral("g"))) > 0);

    // An ampersand is not drawn; it underlines the next character; two draw one.
    const QImage ab = image(QStringLiteral("ab"));
    const QImage marked = image(QStringLiteral("a&b"));
    const int baseline = 10 + int(QFontMetricsF(drawingFont()).ascent());
    QCOMPARE(differingPixels(ab.copy(0, 0, 80, baseline), marked.copy(0, 0, 80, baseline)), 0);
    QVERIFY(differingPixels(ab, marked) > 0);
    QVERIFY(differingPixels(image(QStringLiteral("a&&b")), ab) > 0);
}

void TestGraphDrawing::partialRepaint_data()
{
    QTest::addColumn<int>("pen");
    QTest::addColumn<bool>("coloured");
    QTest::newRow("pen 1") << 1 << false;
    QTest::newRow("pen 7, coloured") << 7 << true;
    QTest::newRow("pen 60") << 60 << false;
    QTest::newRow("pen 2000") << 2000 << true;
}

void TestGraphDrawing::partialRepaint()
{
    QFETCH(int, pen);
    QFETCH(bool, coloured);

    DrawingRecord record;
    DrawSettings s;
    s.penWidth = pen;
    s.coloured = coloured;
    const DrawResult r = drawGraph(record, makeEdges({3, 4, 2, 3, 5}, {{3, QStringLiteral("x&y\nz")}}), s, kInnerWidth);
    markPath(record, r.geometry, {0, 1, 1, 2, 4}, pen);
    const QRect whole(0, 0, 1016, 620);
    const QImage full = record.render(whole);
    // An exposed part repainted on the same surface: strips and tiles, some
    // cutting through circles, texts and line ends.
    for (const QRect &part : {QRect(0, 0, 37, 620), QRect(215, 0, 12, 620), QRect(0, 45, 1016, 9),
                              QRect(100, 100, 50, 50), QRect(233, 134, 16, 13), QRect(870, 600, 146, 20),
                              QRect(12, 40, 20, 40), QRect(300, 0, 400, 300)}) {
        QImage surface(whole.size(), QImage::Format_RGB32);
        surface.fill(Qt::magenta);
        QPainter painter(&surface);
        painter.setClipRect(part);
        record.paint(painter, part);
        painter.end();
        QVERIFY2(differingPixels(surface.copy(part), full.copy(part)) == 0,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(part.x()).arg(part.y()).arg(part.width()).arg(part.height())));
    }
    // Painting through a translated painter (a surface that has moved) gives
    // the same picture where nothing is cut at the device's edge.
    QImage moved(whole.size() + QSize(40, 30), QImage::Format_RGB32);
    QPainter painter(&moved);
    painter.translate(40, 30);
    record.paint(painter, whole);
    painter.end();
    QVERIFY(differingPixels(moved.copy(40, 30, 1016, 620), full) == 0);
}

void TestGraphDrawing::widePensStayCheap_data()
{
    QTest::addColumn<int>("pen");
    QTest::newRow("pen 1") << 1;
    QTest::newRow("pen 5000") << 5000;
    QTest::newRow("pen 32767") << 32767;
}

void TestGraphDrawing::widePensStayCheap()
{
    QFETCH(int, pen);
    // 50 columns of 20 boxes: 19,600 lines.
    DrawingRecord record;
    DrawSettings s;
    s.penWidth = pen;
    const Counts counts(50, 20);
    const DrawResult r = drawGraph(record, makeEdges(counts), s, kInnerWidth);
    QElapsedTimer timer;
    timer.start();
    for (const QRect &view : {QRect(0, 0, 1016, 460), QRect(5000, 1000, 1016, 460)})
        record.render(view);
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    // A stroke that covers the whole view leaves it in one colour.
    if (pen >= 5000) {
        const QImage view = record.render(QRect(5000, 1000, 200, 100));
        QCOMPARE(view.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(view.pixel(199, 99), qRgb(0, 0, 0));
    }
    Q_UNUSED(r);
}

QTEST_MAIN(TestGraphDrawing)
#include "tst_graphdrawing.moc"

void TestGraphDrawing::denseMeshStaysCheap()
{
    // Two columns of 600 boxes: 360,000 lines, of which a view halfway down
    // meets about a quarter. The mesh is set without the painter's line
    // drawing, still in the lines' colour, and circles and values keep theirs.
    DrawingRecord record;
    const DrawResult r = drawGraph(record, makeEdges({600, 600}), DrawSettings{}, kInnerWidth);
    QVERIFY(r.drawn);
    const QRect view(0, 36000, 1016, 460);
    QElapsedTimer timer;
    timer.start();
    const QImage image = record.render(view);
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    int black = 0, background = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xffffff;
            black += p == 0;
            background += p == (kBackgroundColour & 0xffffff);
        }
    // Between the columns the mesh covers much of the area; right of the last
    // column there is only background.
    QVERIFY2(black > 40000, qPrintable(QString::number(black)));
    QVERIFY(background > 0);
    QCOMPARE(image.pixel(1000, 200) & 0xffffff, kBackgroundColour & 0xffffff);
    // The red path over the mesh is still red.
    markPath(record, r.geometry, {300, 300}, 1);
    const QImage marked = record.render(view);
    const QRgb mid = marked.pixel(120, int(r.geometry.boxCentre(0, 300).y()) - view.top());
    QCOMPARE(mid & 0xffffff, kPathColour & 0xffffff);
}

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Geometry of the drawing: circle centres, edge end points, the reference
// points of numbers and values, the text corner rule; the runs of edges that
// meet a rectangle, and where the values end, against brute force.

#include "drawing/geometry.h"
#include "drawing/picture.h"
#include "drawing/textrule.h"
#include "model/numbers.h"

#include <QtTest>

#include <QRandomGenerator>

#include <cmath>
#include <limits>

using namespace stagepath;

using Counts = std::vector<qint64>;
Q_DECLARE_METATYPE(Counts)

namespace {

// Whether a segment meets a closed rectangle: an end lies in it, or the
// segment crosses one of its sides.
bool meets(const QLineF &l, const QRectF &r)
{
    if (r.contains(l.p1()) || r.contains(l.p2()))
        return true;
    const QLineF sides[4] = {{r.topLeft(), r.topRight()},
                             {r.topRight(), r.bottomRight()},
                             {r.bottomRight(), r.bottomLeft()},
                             {r.bottomLeft(), r.topLeft()}};
    for (const QLineF &side : sides)
        if (l.intersects(side) == QLineF::BoundedIntersection)
            return true;
    return false;
}

// The first edge row whose value cannot be written, row by row.
qint64 firstUnwritten(const EdgeData &edges, const GraphGeometry &g)
{
    for (qint64 row = 0; row < edges.shape.edgeCount(); ++row) {
        const auto e = edges.shape.edgeAt(row);
        const auto reference = g.valuePoint(e.stage, e.from, e.to);
        if (!reference || !stagepath::textTopLeft(*reference, edges.text(row)))
            return row;
    }
    return edges.shape.edgeCount();
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void boxCentre_data();
    void boxCentre();
    void edgeLine_data();
    void edgeLine();
    void valuePoint_data();
    void valuePoint();
    void textTopLeft_data();
    void textTopLeft();
    void edgesMeetingMatchesBruteForce();
    void valuesEndMatchesBruteForce();
};

void TestGeometry::boxCentre_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<double>("ySpacing");
    QTest::addColumn<int>("column");
    QTest::addColumn<qint64>("pos");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<QPoint>("numberPoint");

    const Counts five{3, 3, 3, 3, 3};
    QTest::newRow("default first") << five << 120.0 << 0 << qint64(0) << QPointF(20, 20) << QPoint(20, 20);
    QTest::newRow("default column 3 bottom") << five << 120.0 << 2 << qint64(2) << QPointF(460, 260) << QPoint(460, 260);
    QTest::newRow("default last column") << five << 120.0 << 4 << qint64(2) << QPointF(900, 260) << QPoint(900, 260);
    QTest::newRow("single box level with middle") << Counts{1, 3} << 120.0 << 0 << qint64(0) << QPointF(20, 140) << QPoint(20, 140);
    QTest::newRow("smaller column centred") << Counts{2, 3} << 120.0 << 0 << qint64(0) << QPointF(20, 80) << QPoint(20, 80);
    // Half-pixel offsets: the centre keeps the half, the number is rounded to even.
    QTest::newRow("Y 121 half down to even") << Counts{3, 2} << 121.0 << 1 << qint64(0) << QPointF(240, 80.5) << QPoint(240, 80);
    QTest::newRow("Y 123 half up to even") << Counts{3, 2} << 123.0 << 1 << qint64(0) << QPointF(240, 81.5) << QPoint(240, 82);
    QTest::newRow("largest column set by a later one") << Counts{1, 1, 5} << 100.0 << 1 << qint64(0) << QPointF(240, 220) << QPoint(240, 220);
}

void TestGeometry::boxCentre()
{
    QFETCH(Counts, counts);
    QFETCH(double, ySpacing);
    QFETCH(int, column);
    QFETCH(qint64, pos);
    QFETCH(QPointF, centre);
    QFETCH(QPoint, numberPoint);

    const GraphGeometry g(GraphShape(counts), 220, ySpacing, 20);
    QCOMPARE(g.boxCentre(column, pos), centre);
    QCOMPARE(g.numberPoint(column, pos), std::optional<QPoint>(numberPoint));
}

void TestGeometry::edgeLine_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("stage");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<QLineF>("line");

    const Counts five{3, 3, 3, 3, 3};
    QTest::newRow("default 1-5") << five << 20.0 << 0 << qint64(0) << qint64(1) << QLineF(40, 20, 220, 140);
    QTest::newRow("default 9-10") << five << 20.0 << 2 << qint64(2) << qint64(0) << QLineF(480, 260, 660, 20);
    QTest::newRow("default 10-14") << five << 20.0 << 3 << qint64(0) << qint64(1) << QLineF(700, 20, 880, 140);
    QTest::newRow("columns 2 and 3") << Counts{2, 3} << 20.0 << 0 << qint64(0) << qint64(1) << QLineF(40, 80, 220, 140);
    QTest::newRow("columns 3 and 2") << Counts{3, 2} << 20.0 << 0 << qint64(2) << qint64(1) << QLineF(40, 260, 220, 200);
    QTest::newRow("single box fans out, bottom") << Counts{1, 3} << 20.0 << 0 << qint64(0) << qint64(2) << QLineF(40, 140, 220, 260);
    QTest::newRow("radius 10 moves the ends") << five << 10.0 << 0 << qint64(0) << qint64(1) << QLineF(30, 20, 230, 140);
}

void TestGeometry::edgeLine()
{
    QFETCH(Counts, counts);
    QFETCH(double, radius);
    QFETCH(int, stage);
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(QLineF, line);

    const GraphGeometry g(GraphShape(counts), 220, 120, radius);
    QCOMPARE(g.edgeLine(stage, from, to), line);
    // The ends lie on the circles' edges, level with their centres.
    QCOMPARE(g.edgeLine(stage, from, to).p1(), g.boxCentre(stage, from) + QPointF(radius, 0));
    QCOMPARE(g.edgeLine(stage, from, to).p2(), g.boxCentre(stage + 1, to) - QPointF(radius, 0));
}

void TestGeometry::valuePoint_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<double>("ySpacing");
    QTest::addColumn<int>("stage");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<QPoint>("point");

    const Counts five{3, 3, 3, 3, 3};
    QTest::newRow("box 1, first value") << five << 120.0 << 0 << qint64(0) << qint64(0) << QPoint(20, 50);
    QTest::newRow("box 1, third value") << five << 120.0 << 0 << qint64(0) << qint64(2) << QPoint(20, 70);
    QTest::newRow("box 2 starts at 170") << five << 120.0 << 0 << qint64(1) << qint64(0) << QPoint(20, 170);
    QTest::newRow("column 2 at x 240") << five << 120.0 << 1 << qint64(0) << qint64(0) << QPoint(240, 50);
    QTest::newRow("smaller column moves down") << Counts{2, 3} << 120.0 << 0 << qint64(0) << qint64(0) << QPoint(20, 110);
    QTest::newRow("half pixel rounds to even") << Counts{2, 3} << 121.0 << 0 << qint64(0) << qint64(0) << QPoint(20, 110);
    QTest::newRow("half pixel rounds up to even") << Counts{2, 3} << 123.0 << 0 << qint64(0) << qint64(1) << QPoint(20, 122);
}

void TestGeometry::valuePoint()
{
    QFETCH(Counts, counts);
    QFETCH(double, ySpacing);
    QFETCH(int, stage);
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(QPoint, point);

    const GraphGeometry g(GraphShape(counts), 220, ySpacing, 20);
    QCOMPARE(g.valuePoint(stage, from, to), std::optional<QPoint>(point));
}

void TestGeometry::textTopLeft_data()
{
    QTest::addColumn<QPoint>("ref");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("one digit") << QPoint(20, 50) << "7" << true << QPoint(17, 44);
    QTest::newRow("two digits") << QPoint(20, 50) << "77" << true << QPoint(14, 44);
    QTest::newRow("empty text is not one character") << QPoint(20, 50) << "" << true << QPoint(14, 44);
    QTest::newRow("mnemonic counts as a character") << QPoint(20, 50) << "&7" << true << QPoint(14, 44);
    const int low = std::numeric_limits<qint32>::min();
    QTest::newRow("top below 32 bits") << QPoint(20, low + 5) << "7" << false << QPoint();
    QTest::newRow("left below 32 bits") << QPoint(low + 5, 20) << "77" << false << QPoint();
}

void TestGeometry::textTopLeft()
{
    QFETCH(QPoint, ref);
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QFETCH(QPoint, topLeft);

    const auto corner = stagepath::textTopLeft(ref, text);
    QCOMPARE(corner.has_value(), fits);
    if (fits)
        QCOMPARE(*corner, topLeft);
}

void TestGeometry::edgesMeetingMatchesBruteForce()
{
    // Every edge that meets the rectangle lies in the run, and the run is no
    // wider than those edges and one more on either side.
    QRandomGenerator rng(20261207);
    for (int round = 0; round < 500; ++round) {
        const Counts counts{rng.bounded(1, 14), rng.bounded(1, 14)};
        const double r = rng.bounded(0, 40);
        const double x = round % 7 == 0 ? 2 * r : rng.bounded(-300, 300); // upright edges too
        const double y = rng.bounded(-150, 150) + rng.generateDouble();
        const GraphGeometry g(GraphShape(counts), x, y, r);
        const QRectF area(rng.bounded(-400, 400), rng.bounded(-900, 1500), rng.bounded(1, 300), rng.bounded(1, 300));
        for (qint64 j = 0; j < counts[0]; ++j) {
            const IndexRange run = g.edgesMeeting(0, j, area);
            qint64 lo = counts[1], hi = -1;
            for (qint64 m = 0; m < counts[1]; ++m) {
                if (!meets(g.edgeLine(0, j, m), area))
                    continue;
                QVERIFY2(m >= run.first && m <= run.last, qPrintable(QStringLiteral("round %1 box %2 edge %3").arg(round).arg(j).arg(m)));
                lo = std::min(lo, m);
                hi = std::max(hi, m);
            }
            if (hi >= 0)
                QVERIFY(run.first >= lo - 1 && run.last <= hi + 1);
            else
                QVERIFY(run.isEmpty() || run.last - run.first <= 1);
        }
    }
}

void TestGeometry::valuesEndMatchesBruteForce()
{
    // Spacings that push values beyond 32 bits part of the way through a
    // stage, a whole stage to the left, or just so far left that only a
    // single character still fits.
    const int low = std::numeric_limits<qint32>::min();
    const double xs[] = {220, -1e9, 1.5e9, double(low) + 4 - 20, double(low) + 10 - 20, 7e8};
    const double ys[] = {120, 1.1e8, -1.3e8, 7.7e7, -2.2e7, 1e300, std::nan("")};
    QRandomGenerator rng(7);
    for (int round = 0; round < 400; ++round) {
        Counts counts(size_t(rng.bounded(2, 5)));
        for (qint64 &c : counts)
            c = rng.bounded(0, 30);
        auto edges = std::make_shared<EdgeData>();
        edges->shape = GraphShape(counts);
        for (qint64 row = 0; row < edges->shape.edgeCount(); ++row)
            edges->values.push_back(rng.bounded(4) ? rng.bounded(0, 10) : rng.bounded(10, 1001));
        if (edges->shape.edgeCount() > 0)
            edges->texts.insert(rng.bounded(edges->shape.edgeCount()), QStringLiteral("x"));
        DrawSettings settings;
        settings.xSpacing = xs[rng.bounded(int(std::size(xs)))];
        settings.ySpacing = ys[rng.bounded(int(std::size(ys)))];
        const GraphPicture picture(edges, settings);
        QCOMPARE(picture.valuesEnd(), firstUnwritten(*edges, picture.geometry()));
    }
}

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"

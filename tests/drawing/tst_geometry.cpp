// Geometry of the drawing: circle centres, edge end points, the reference
// points of numbers and values, the text corner rule, and the red path.

#include "drawing/drawingrecord.h"
#include "drawing/geometry.h"

#include <QtTest>

#include <limits>

using namespace stagepath;

using Counts = std::vector<qint64>;
Q_DECLARE_METATYPE(Counts)

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
    void markPath_data();
    void markPath();
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
    QCOMPARE(g.numberPoint(column, pos), numberPoint);
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
    QCOMPARE(g.valuePoint(stage, from, to), point);
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

    const auto corner = GraphGeometry::textTopLeftChecked(ref, text);
    QCOMPARE(corner.has_value(), fits);
    if (fits)
        QCOMPARE(*corner, topLeft);
}

void TestGeometry::markPath_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<Counts>("positions");
    QTest::addColumn<QList<QLineF>>("segments");

    QTest::newRow("default path 1 5 9 10 14")
        << Counts{3, 3, 3, 3, 3} << Counts{0, 1, 2, 0, 1}
        << QList<QLineF>{QLineF(40, 20, 220, 140), QLineF(260, 140, 440, 260),
                         QLineF(480, 260, 660, 20), QLineF(700, 20, 880, 140)};
    QTest::newRow("columns 2 and 3, boxes 1 and 4")
        << Counts{2, 3} << Counts{0, 1} << QList<QLineF>{QLineF(40, 80, 220, 140)};
    QTest::newRow("one stage") << Counts{3, 3} << Counts{2, 2} << QList<QLineF>{QLineF(40, 260, 220, 260)};
    QTest::newRow("fewer positions than columns")
        << Counts{3, 3, 3} << Counts{0, 0} << QList<QLineF>{QLineF(40, 20, 220, 20)};
}

void TestGeometry::markPath()
{
    QFETCH(Counts, counts);
    QFETCH(Counts, positions);
    QFETCH(QList<QLineF>, segments);

    const GraphGeometry g(GraphShape(counts), 220, 120, 20);
    DrawingRecord record;
    record.addCircle(QPointF(20, 20), 20, 1); // drawn before: the path goes on top
    stagepath::markPath(record, g, positions, 3);

    QCOMPARE(record.lineCount(), qsizetype(segments.size()));
    QCOMPARE(record.opCount(), qsizetype(segments.size() + 1));
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const auto op = record.op(i + 1);
        QCOMPARE(op.kind, DrawingRecord::Kind::Line);
        QCOMPARE(QLineF(op.p1, op.p2), segments[i]);
        QCOMPARE(op.colour, qRgb(255, 0, 0));
        QCOMPARE(op.penWidth, 3);
        // The same end points as the graph's own edge between those boxes.
        QCOMPARE(QLineF(op.p1, op.p2), g.edgeLine(int(i), positions[size_t(i)], positions[size_t(i) + 1]));
    }
}

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"

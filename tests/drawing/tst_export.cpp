// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole drawing as files: an SVG of real circles, lines and texts (one
// circle element per box, one red line per stage of the path), a PDF, and
// PNG images at one and two device pixels per drawing pixel.

#include "drawing/colours.h"
#include "drawing/export.h"

#include <QBuffer>
#include <QImage>
#include <QXmlStreamReader>
#include <QtTest>

using namespace stagepath;

namespace {

// With missingRoads, every seventh road from the sixth (none on the marked path) does not exist.
GraphPicture markedDefault(bool missingRoads = false)
{
    auto e = std::make_shared<EdgeData>();
    e->shape = GraphShape({3, 3, 3, 3, 3});
    e->values.assign(size_t(e->shape.edgeCount()), 5);
    for (qint64 row = 5; missingRoads && row < e->shape.edgeCount(); row += 7)
        e->values[size_t(row)] = kMissingRoad;
    PictureOverlays o;
    o.bestPath = {0, 1, 2, 0, 1};
    return GraphPicture(e, DrawSettings{}).withOverlays(o);
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void svgHasRealShapes();
    void pdfAndPng();
};

void TestExport::svgHasRealShapes()
{
  for (const bool missingRoads : {false, true}) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(writeSvg(markedDefault(missingRoads), &buffer, QStringLiteral("Çizim")));
    QXmlStreamReader xml(buffer.data());
    int circles = 0, redLines = 0, blackLines = 0, texts = 0, dashes = 0;
    QString inheritedStroke;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        if (xml.name() == QLatin1String("g") && attributes.hasAttribute(QLatin1String("stroke")))
            inheritedStroke = attributes.value(QLatin1String("stroke")).toString();
        if (xml.name() == QLatin1String("circle"))
            ++circles;
        else if (xml.name() == QLatin1String("polyline"))
            (inheritedStroke == QLatin1String("#ff0000") ? redLines : blackLines)++;
        else if (xml.name() == QLatin1String("text"))
            ++texts, dashes += xml.readElementText() == QLatin1String("-");
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    // A missing road has no line; its place in the value stack shows "-".
    const int missing = missingRoads ? 5 : 0; // rows 5, 12, …, 33
    QCOMPARE(circles, 15);
    QCOMPARE(redLines, 4);
    QCOMPARE(blackLines, 36 - missing);
    QCOMPARE(texts, 15 + 36);
    QCOMPARE(dashes, missing);
  }
}

void TestExport::pdfAndPng()
{
    const GraphPicture picture = markedDefault();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QVERIFY(writePdf(picture, &pdf));
    QVERIFY(pdf.data().startsWith("%PDF"));

    for (int scale : {1, 2}) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QVERIFY(writePng(picture, &png, scale));
        const QImage image = QImage::fromData(png.data(), "PNG");
        QCOMPARE(image.size(), wholeDrawingSize(picture) * scale);
        // The red path's first segment, midway: (130, 80).
        QCOMPARE(image.pixel(130 * scale, 80 * scale) | 0xff000000u, kPathColour);
    }
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"

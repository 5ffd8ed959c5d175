#pragma once
// The picture of the drawing surface, kept as a list of drawing operations in
// the order they were drawn: circle outlines, straight lines and texts, each
// with its colour and pen width, on a cleared background. The surface keeps no
// pixels: every exposed part is painted again from this record, so the picture
// survives moving, covering and scrolling until the next clear.
//
// The record is compact enough for a million lines and a million edge values:
// an operation takes 28 bytes, an edge value refers to its row of the held edge
// data instead of holding a string, and a box number is kept as the number.
// Operations are grouped in runs of consecutive operations with a common
// bounding box, so a repaint only looks at the runs that meet the exposed area.

#include "model/graphdata.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <array>
#include <vector>

class QPainter;

namespace stagepath {

// Background of the surface: a light grey-blue on which black, every entry of
// the line palette (bright white and silver included) and the red path show.
inline constexpr QRgb kBackgroundColour = 0xff8caad2; // 140, 170, 210
inline constexpr QRgb kForegroundColour = 0xff000000; // circles and texts
inline constexpr int kMaxPenWidth = 32767;

// The surface font: a sans serif at 11 pixels, the size of an 8.25 point font at
// 96 dots per inch, with a text's top 6 pixels above the point it is written at.
QFont drawingFont();

class DrawingRecord
{
public:
    enum class Kind : quint8 { Circle, Line, Text, EdgeText, NumberText };

    // One operation as the tests and the painter see it.
    struct OpView {
        Kind kind = Kind::Line;
        QRgb colour = 0;
        int penWidth = 1;
        QPointF p1;         // circle centre or line start
        QPointF p2;         // line end
        double radius = 0;  // circles
        QPoint topLeft;     // texts: the corner the text is set from
        QString text;       // texts: exactly as given (mnemonic marks included)
        qint64 edgeRow = -1; // EdgeText: the edge row the text comes from
    };

    DrawingRecord();

    // Forgets everything drawn; the whole surface shows the background colour.
    void clear(QRgb background = kBackgroundColour);
    QRgb background() const { return m_background; }

    // Room for that many operations, so that a large drawing grows once.
    void reserve(qsizetype operations);

    // Edge data that EdgeText operations refer to; held until the next clear.
    void setEdgeSource(EdgeDataPtr edges);
    const EdgeDataPtr &edgeSource() const { return m_edges; }

    // Each add returns false, drawing nothing, when a coordinate is not finite.
    // Pen widths are clamped to 1..kMaxPenWidth.
    bool addCircle(QPointF centre, double radius, int penWidth, QRgb colour = kForegroundColour);
    bool addLine(QPointF from, QPointF to, QRgb colour, int penWidth);
    // Texts are set from their top-left corner.
    void addText(QPoint topLeft, const QString &text, QRgb colour = kForegroundColour);
    void addEdgeText(QPoint topLeft, qint64 edgeRow, QRgb colour = kForegroundColour);
    void addNumberText(QPoint topLeft, qint64 number, QRgb colour = kForegroundColour);

    qsizetype opCount() const { return qsizetype(m_ops.size()); }
    qsizetype circleCount() const { return m_circles; }
    qsizetype lineCount() const { return m_lines; }
    qsizetype textCount() const { return m_texts; }
    OpView op(qsizetype index) const;

    // Everything drawn, pen widths, antialiasing margin and estimated text
    // extents included; empty when nothing is drawn.
    QRectF bounds() const;

    // Paints the exposed rectangle (drawing coordinates, the painter's own
    // coordinates): the background, then every operation that meets it, in
    // drawing order, antialiased. Circles are outlines, lines have flat ends.
    // Where wide strokes are drawn, each tile of the rectangle starts from the
    // last stroke that covers all of it, so huge pen widths stay cheap.
    void paint(QPainter &painter, const QRect &exposed) const;
    // The given area of the surface as an image (for tests and snapshots).
    QImage render(const QRect &area) const;

private:
    // Circle: centre x, y and radius as floats. Line: both ends as floats.
    // Text: the top-left corner as two 32-bit integers, then the estimated
    // width and height as floats.
    struct Op {
        std::array<quint32, 4> d;
        QRgb colour;
        quint32 ref;  // Text: string index; EdgeText: edge row; NumberText: the number
        quint16 pen;
        Kind kind;
        quint8 flags; // texts: whether laid out (mnemonic mark, line break, tab)
    };
    static_assert(sizeof(Op) == 28);

    // Bounding box of a run of consecutive operations.
    struct Box {
        double x0, y0, x1, y1;
    };

    void append(const Op &op, const Box &box);
    void addTextOp(Kind kind, QPoint topLeft, quint32 ref, QStringView text, QRgb colour);
    QString textOf(const Op &op) const;
    static Box opBox(const Op &op);
    static bool meets(const Box &box, const QRectF &area);
    // Whether the stroke of an operation covers the whole area.
    static bool covers(const Op &op, const QRectF &area);
    void paintOps(QPainter &painter, const std::vector<quint32> &ops, const QRectF &area) const;

    std::vector<Op> m_ops;
    std::vector<Box> m_chunks;
    std::vector<QString> m_strings;
    EdgeDataPtr m_edges;
    QRgb m_background = kBackgroundColour;
    Box m_bounds{0, 0, -1, -1};
    qsizetype m_circles = 0;
    qsizetype m_lines = 0;
    qsizetype m_texts = 0;
};

// Estimated size of a text in the surface font, never smaller than the drawn
// text: widths from cached character advances, one line per line break.
QSizeF estimatedTextSize(QStringView text);

} // namespace stagepath

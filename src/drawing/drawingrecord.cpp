#include "drawingrecord.h"

#include "model/numbers.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace stagepath {

namespace {

constexpr size_t kChunkSize = 64;
constexpr double kAntialiasMargin = 1.0;
constexpr quint8 kNeedsLayout = 1; // mnemonic mark, line break or tab: laid out text

quint32 fromFloat(float f) { return std::bit_cast<quint32>(f); }
float toFloat(quint32 u) { return std::bit_cast<float>(u); }
quint32 fromInt(qint32 i) { return std::bit_cast<quint32>(i); }
qint32 toInt(quint32 u) { return std::bit_cast<qint32>(u); }

// Character advances of the surface font, measured once per process.
struct Metrics {
    static constexpr int kCached = 0x250; // Latin-1 and Latin Extended-A/B (Turkish letters)
    std::array<float, kCached> advance{};
    float maxWidth = 12;
    float maxDigit = 8;
    float lineSpacing = 14;
    float ascent = 11;
};

Metrics measure()
{
    Metrics m;
    const QFontMetricsF fm(drawingFont());
    for (int c = 0; c < Metrics::kCached; ++c)
        m.advance[size_t(c)] = float(std::max(0.0, fm.horizontalAdvance(QChar(char16_t(c)))));
    m.maxWidth = float(std::max({fm.maxWidth(), fm.height(), 1.0}));
    m.maxDigit = 0;
    for (char16_t c = u'0'; c <= u'9'; ++c)
        m.maxDigit = std::max(m.maxDigit, m.advance[c]);
    m.lineSpacing = float(std::max(fm.lineSpacing(), fm.height()));
    m.ascent = float(fm.ascent());
    return m;
}

const Metrics &metrics()
{
    // Fonts need the GUI application; without one a generous fixed guess serves.
    if (!qGuiApp) {
        static const Metrics fallback = [] {
            Metrics m;
            m.advance.fill(m.maxWidth);
            return m;
        }();
        return fallback;
    }
    static const Metrics measured = measure();
    return measured;
}

bool needsLayout(QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'&' || u == u'\n' || u == u'\r' || u == u'\t' || u == 0x2028 || u == 0x2029)
            return true;
    }
    return false;
}

bool finite(QPointF p) { return std::isfinite(float(p.x())) && std::isfinite(float(p.y())); }

int clampPen(int pen) { return std::clamp(pen, 1, kMaxPenWidth); }

bool meets(const double b[4], const QRectF &area)
{
    return b[2] >= area.left() && b[0] <= area.right() && b[3] >= area.top() && b[1] <= area.bottom();
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double len2 = dx * dx + dy * dy;
    double t = 0;
    if (len2 > 0)
        t = std::clamp(((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / len2, 0.0, 1.0);
    return std::hypot(p.x() - (a.x() + t * dx), p.y() - (a.y() + t * dy));
}

} // namespace

QFont drawingFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    font.setKerning(false);
    return font;
}

QSizeF estimatedTextSize(QStringView text)
{
    const Metrics &m = metrics();
    double width = 0, lineWidth = 0;
    int lines = 1;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == 0x2028 || u == 0x2029) {
            ++lines;
            width = std::max(width, lineWidth);
            lineWidth = 0;
            continue;
        }
        lineWidth += u < Metrics::kCached ? m.advance[u] : m.maxWidth;
    }
    width = std::max(width, lineWidth);
    // Slack for glyphs that overhang their advance and for the mnemonic underline.
    return QSizeF(width + 2, lines * double(m.lineSpacing) + 2);
}

DrawingRecord::DrawingRecord() = default;

void DrawingRecord::clear(QRgb background)
{
    m_ops.clear();
    m_ops.shrink_to_fit();
    m_chunks.clear();
    m_chunks.shrink_to_fit();
    m_strings.clear();
    m_edges.reset();
    m_background = background;
    m_bounds = Box{0, 0, -1, -1};
    m_circles = m_lines = m_texts = 0;
}

void DrawingRecord::setEdgeSource(EdgeDataPtr edges)
{
    m_edges = std::move(edges);
}

QRectF DrawingRecord::bounds() const
{
    if (m_bounds.x1 < m_bounds.x0)
        return QRectF();
    return QRectF(QPointF(m_bounds.x0, m_bounds.y0), QPointF(m_bounds.x1, m_bounds.y1));
}

void DrawingRecord::append(const Op &op, const Box &box)
{
    if (m_ops.size() % kChunkSize == 0) {
        m_chunks.push_back(box);
    } else {
        Box &c = m_chunks.back();
        c = Box{std::min(c.x0, box.x0), std::min(c.y0, box.y0), std::max(c.x1, box.x1), std::max(c.y1, box.y1)};
    }
    if (m_bounds.x1 < m_bounds.x0)
        m_bounds = box;
    else
        m_bounds = Box{std::min(m_bounds.x0, box.x0), std::min(m_bounds.y0, box.y0),
                       std::max(m_bounds.x1, box.x1), std::max(m_bounds.y1, box.y1)};
    m_ops.push_back(op);
}

DrawingRecord::Box DrawingRecord::opBox(const Op &op)
{
    switch (op.kind) {
    case Kind::Circle: {
        const double cx = toFloat(op.d[0]), cy = toFloat(op.d[1]);
        const double reach = std::abs(double(toFloat(op.d[2]))) + op.pen / 2.0 + kAntialiasMargin;
        return Box{cx - reach, cy - reach, cx + reach, cy + reach};
    }
    case Kind::Line: {
        const double x1 = toFloat(op.d[0]), y1 = toFloat(op.d[1]);
        const double x2 = toFloat(op.d[2]), y2 = toFloat(op.d[3]);
        const double reach = op.pen / 2.0 + kAntialiasMargin;
        return Box{std::min(x1, x2) - reach, std::min(y1, y2) - reach,
                   std::max(x1, x2) + reach, std::max(y1, y2) + reach};
    }
    case Kind::Text:
    case Kind::EdgeText:
    case Kind::NumberText: {
        const double x = toInt(op.d[0]), y = toInt(op.d[1]);
        return Box{x - kAntialiasMargin, y - kAntialiasMargin,
                   x + toFloat(op.d[2]) + kAntialiasMargin, y + toFloat(op.d[3]) + kAntialiasMargin};
    }
    }
    return Box{0, 0, -1, -1};
}

bool DrawingRecord::addCircle(QPointF centre, double radius, int penWidth, QRgb colour)
{
    const float r = float(radius);
    if (!finite(centre) || !std::isfinite(r))
        return false;
    Op op{};
    op.d = {fromFloat(float(centre.x())), fromFloat(float(centre.y())), fromFloat(r), 0};
    op.colour = colour;
    op.pen = quint16(clampPen(penWidth));
    op.kind = Kind::Circle;
    append(op, opBox(op));
    ++m_circles;
    return true;
}

bool DrawingRecord::addLine(QPointF from, QPointF to, QRgb colour, int penWidth)
{
    if (!finite(from) || !finite(to))
        return false;
    Op op{};
    op.d = {fromFloat(float(from.x())), fromFloat(float(from.y())), fromFloat(float(to.x())), fromFloat(float(to.y()))};
    op.colour = colour;
    op.pen = quint16(clampPen(penWidth));
    op.kind = Kind::Line;
    append(op, opBox(op));
    ++m_lines;
    return true;
}

void DrawingRecord::addTextOp(Kind kind, QPoint topLeft, quint32 ref, QStringView text, QRgb colour)
{
    const QSizeF size = estimatedTextSize(text);
    Op op{};
    op.d = {fromInt(topLeft.x()), fromInt(topLeft.y()), fromFloat(float(size.width())), fromFloat(float(size.height()))};
    op.colour = colour;
    op.ref = ref;
    op.pen = 1;
    op.kind = kind;
    op.flags = needsLayout(text) ? kNeedsLayout : 0;
    append(op, opBox(op));
    ++m_texts;
}

void DrawingRecord::addText(QPoint topLeft, const QString &text, QRgb colour)
{
    if (m_strings.size() >= std::numeric_limits<quint32>::max())
        return;
    m_strings.push_back(text);
    addTextOp(Kind::Text, topLeft, quint32(m_strings.size() - 1), text, colour);
}

void DrawingRecord::addEdgeText(QPoint topLeft, qint64 edgeRow, QRgb colour)
{
    if (!m_edges || edgeRow < 0 || edgeRow >= qint64(m_edges->values.size()))
        return;
    if (edgeRow > qint64(std::numeric_limits<quint32>::max())) {
        addText(topLeft, m_edges->text(edgeRow), colour);
        return;
    }
    // A value that the table shows in the general form of a whole number is
    // plain digits: its extent follows from the digit count without formatting.
    const double v = m_edges->values[size_t(edgeRow)];
    if (!m_edges->texts.contains(edgeRow) && v == std::floor(v) && std::abs(v) < 1e15) {
        const Metrics &m = metrics();
        int digits = 1;
        for (double a = std::abs(v); a >= 10; a = std::floor(a / 10))
            ++digits;
        const double width = digits * double(m.maxDigit) + (v < 0 ? m.maxWidth : 0) + 2;
        Op op{};
        op.d = {fromInt(topLeft.x()), fromInt(topLeft.y()), fromFloat(float(width)), fromFloat(m.lineSpacing + 2)};
        op.colour = colour;
        op.ref = quint32(edgeRow);
        op.pen = 1;
        op.kind = Kind::EdgeText;
        append(op, opBox(op));
        ++m_texts;
        return;
    }
    addTextOp(Kind::EdgeText, topLeft, quint32(edgeRow), m_edges->text(edgeRow), colour);
}

void DrawingRecord::addNumberText(QPoint topLeft, qint64 number, QRgb colour)
{
    if (number < 0 || number > qint64(std::numeric_limits<quint32>::max())) {
        addText(topLeft, QString::number(number), colour);
        return;
    }
    addTextOp(Kind::NumberText, topLeft, quint32(number), QString::number(number), colour);
}

QString DrawingRecord::textOf(const Op &op) const
{
    switch (op.kind) {
    case Kind::Text:
        return m_strings[op.ref];
    case Kind::EdgeText:
        return m_edges ? m_edges->text(op.ref) : QString();
    case Kind::NumberText:
        return QString::number(op.ref);
    default:
        return QString();
    }
}

DrawingRecord::OpView DrawingRecord::op(qsizetype index) const
{
    const Op &o = m_ops[size_t(index)];
    OpView v;
    v.kind = o.kind;
    v.colour = o.colour;
    v.penWidth = o.pen;
    switch (o.kind) {
    case Kind::Circle:
        v.p1 = QPointF(toFloat(o.d[0]), toFloat(o.d[1]));
        v.radius = toFloat(o.d[2]);
        break;
    case Kind::Line:
        v.p1 = QPointF(toFloat(o.d[0]), toFloat(o.d[1]));
        v.p2 = QPointF(toFloat(o.d[2]), toFloat(o.d[3]));
        break;
    default:
        v.topLeft = QPoint(toInt(o.d[0]), toInt(o.d[1]));
        v.text = textOf(o);
        if (o.kind == Kind::EdgeText)
            v.edgeRow = o.ref;
        break;
    }
    return v;
}

void DrawingRecord::paint(QPainter &painter, const QRect &exposed) const
{
    if (exposed.isEmpty())
        return;
    painter.fillRect(exposed, QColor::fromRgba(m_background));

    // Pixel (x, y) covers [x, x + 1); an operation whose box reaches into the
    // rectangle's pixels is drawn.
    const QRectF area(QPointF(exposed.left(), exposed.top()), QPointF(exposed.right() + 1.0, exposed.bottom() + 1.0));

    std::vector<quint32> visible;
    for (size_t c = 0; c < m_chunks.size(); ++c) {
        const Box &cb = m_chunks[c];
        const double cbArr[4] = {cb.x0, cb.y0, cb.x1, cb.y1};
        if (!meets(cbArr, area))
            continue;
        const size_t end = std::min(m_ops.size(), (c + 1) * kChunkSize);
        for (size_t i = c * kChunkSize; i < end; ++i) {
            const Box b = opBox(m_ops[i]);
            const double bArr[4] = {b.x0, b.y0, b.x1, b.y1};
            if (meets(bArr, area))
                visible.push_back(quint32(i));
        }
    }
    if (visible.empty())
        return;

    // A stroke that covers the whole rectangle hides everything drawn before
    // it: start from the last such stroke.
    const QPointF corners[4] = {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()};
    const double halfSide = std::min(area.width(), area.height()) / 2;
    size_t start = 0;
    for (size_t k = visible.size(); k-- > 0;) {
        const Op &o = m_ops[visible[k]];
        if (o.kind != Kind::Circle && o.kind != Kind::Line)
            continue;
        const double half = o.pen / 2.0 - kAntialiasMargin;
        if (half < halfSide)
            continue;
        bool covers = true;
        if (o.kind == Kind::Line) {
            const QPointF a(toFloat(o.d[0]), toFloat(o.d[1])), b(toFloat(o.d[2]), toFloat(o.d[3]));
            for (const QPointF &p : corners)
                covers = covers && distanceToSegment(p, a, b) <= half;
        } else {
            const QPointF centre(toFloat(o.d[0]), toFloat(o.d[1]));
            const double r = std::abs(double(toFloat(o.d[2])));
            for (const QPointF &p : corners)
                covers = covers && std::hypot(p.x() - centre.x(), p.y() - centre.y()) <= r + half;
            const double inner = r - o.pen / 2.0 + kAntialiasMargin;
            if (covers && inner > 0) {
                const double nx = std::clamp(centre.x(), area.left(), area.right());
                const double ny = std::clamp(centre.y(), area.top(), area.bottom());
                covers = std::hypot(nx - centre.x(), ny - centre.y()) >= inner;
            }
        }
        if (covers) {
            start = k;
            break;
        }
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBrush(Qt::NoBrush);
    const QFont font = drawingFont();
    painter.setFont(font);
    const double ascent = QFontMetricsF(painter.font()).ascent();

    // Consecutive lines of one colour and pen go to the painter together: a
    // wide pen then fills their union once instead of every line on its own.
    std::vector<QLineF> batch;
    QRgb batchColour = 0;
    int batchPen = -1;
    auto flush = [&] {
        if (batch.empty())
            return;
        painter.setPen(QPen(QColor::fromRgba(batchColour), batchPen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLines(batch.data(), int(batch.size()));
        batch.clear();
    };

    for (size_t k = start; k < visible.size(); ++k) {
        const Op &o = m_ops[visible[k]];
        if (o.kind == Kind::Line) {
            if (!batch.empty() && (o.colour != batchColour || o.pen != batchPen))
                flush();
            batchColour = o.colour;
            batchPen = o.pen;
            batch.emplace_back(toFloat(o.d[0]), toFloat(o.d[1]), toFloat(o.d[2]), toFloat(o.d[3]));
            continue;
        }
        flush();
        if (o.kind == Kind::Circle) {
            painter.setPen(QPen(QColor::fromRgba(o.colour), o.pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const double r = std::abs(double(toFloat(o.d[2])));
            painter.drawEllipse(QPointF(toFloat(o.d[0]), toFloat(o.d[1])), r, r);
            continue;
        }
        painter.setPen(QColor::fromRgba(o.colour));
        const QString text = textOf(o);
        const double x = toInt(o.d[0]), y = toInt(o.d[1]);
        if (o.flags & kNeedsLayout) {
            // Set from the top-left corner, unwrapped, a line break starts a
            // new line, tabs unexpanded, '&' marks the next character.
            painter.drawText(QRectF(x, y, 0, 0),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextShowMnemonic, text);
        } else {
            painter.drawText(QPointF(x, y + ascent), text);
        }
    }
    flush();
    painter.restore();
}

QImage DrawingRecord::render(const QRect &area) const
{
    QImage image(area.size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    paint(painter, area);
    painter.end();
    return image;
}

} // namespace stagepath

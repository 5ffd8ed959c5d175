#include "drawingrecord.h"

#include "model/numbers.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace stagepath {

namespace {

constexpr size_t kChunkSize = 64;
constexpr double kAntialiasMargin = 1.0;
constexpr quint8 kNeedsLayout = 1; // texts with a mnemonic mark, line break or tab are laid out
constexpr int kTilePen = 48;       // pen widths from which wide strokes are painted tile by tile
constexpr size_t kDenseLines = 20000; // lines in one repaint beyond which they are not antialiased
constexpr int kTileSize = 128;

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

// Cuts a line to a rectangle (Liang-Barsky); false when nothing is left.
// Lines set pixel by pixel into a transparent image of an area, without
// antialiasing: for meshes of lines too dense for the painter.
class LineOverlay
{
public:
    LineOverlay(const QRectF &area, qreal ratio)
        : m_origin(area.topLeft())
        , m_ratio(ratio)
        , m_image(QSize(qMax(1, int(std::ceil(area.width() * ratio))), qMax(1, int(std::ceil(area.height() * ratio)))),
                  QImage::Format_ARGB32_Premultiplied)
    {
        m_image.fill(Qt::transparent);
        m_image.setDevicePixelRatio(ratio);
        m_bits = m_image.bits();
        m_width = m_image.width();
        m_height = m_image.height();
        m_stride = m_image.bytesPerLine();
    }

    void draw(const QLineF &line, QRgb colour, int pen)
    {
        const int thickness = std::clamp(int(std::lround(pen * m_ratio)), 1, 3);
        const QPointF a = (line.p1() - m_origin) * m_ratio, b = (line.p2() - m_origin) * m_ratio;
        long x0 = std::lround(a.x()), y0 = std::lround(a.y());
        const long x1 = std::lround(b.x()), y1 = std::lround(b.y());
        const long dx = std::labs(x1 - x0), dy = -std::labs(y1 - y0);
        const long sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        const bool steep = -dy > dx;
        const QRgb pixel = qPremultiply(colour | 0xff000000u);
        long err = dx + dy;
        for (;;) {
            for (int t = 0; t < thickness; ++t) {
                const long off = t - thickness / 2;
                set(steep ? x0 + off : x0, steep ? y0 : y0 + off, pixel);
            }
            if (x0 == x1 && y0 == y1)
                break;
            const long e2 = 2 * err;
            if (e2 >= dy) { err += dy; x0 += sx; }
            if (e2 <= dx) { err += dx; y0 += sy; }
        }
    }

    const QImage &image() const { return m_image; }

private:
    void set(long x, long y, QRgb pixel)
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        reinterpret_cast<QRgb *>(m_bits + y * m_stride)[x] = pixel;
    }

    QPointF m_origin;
    qreal m_ratio;
    QImage m_image;
    uchar *m_bits = nullptr;
    long m_width = 0, m_height = 0, m_stride = 0;
};

bool clipLine(QLineF &line, const QRectF &r)
{
    const double x0 = line.x1(), y0 = line.y1();
    const double dx = line.x2() - x0, dy = line.y2() - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - r.left(), r.right() - x0, y0 - r.top(), r.bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    if (t0 > 0 || t1 < 1)
        line = QLineF(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy);
    return true;
}

int clampPen(int pen) { return std::clamp(pen, 1, kMaxPenWidth); }


// Outlines of circle strokes cut to a rectangle, arcs flattened to within a
// twentieth of a pixel.
class Outliner
{
public:
    explicit Outliner(const QRectF &clip)
        : m_x0(clip.left()), m_y0(clip.top()), m_x1(clip.right()), m_y1(clip.bottom())
    {
    }

    // The stroke of a circle: a ring from radius - half to radius + half, a
    // disc when the pen is wider than the circle.
    void ring(QPainterPath &path, QPointF centre, double radius, double half)
    {
        const double outer = radius + half;
        m_poly.clear();
        arc(centre, outer, 0, -2 * M_PI, 2 * steps(outer));
        addTo(path);
        const double inner = radius - half;
        if (inner > 0) {
            m_poly.clear();
            arc(centre, inner, 0, 2 * M_PI, 2 * steps(inner));
            addTo(path);
        }
    }

private:
    static int steps(double radius)
    {
        constexpr double kTolerance = 0.05;
        if (!(radius > kTolerance))
            return 2;
        const double step = 2 * std::acos(1 - kTolerance / radius);
        return int(std::clamp(std::ceil(M_PI / step), 2.0, 4096.0));
    }

    void arc(QPointF c, double r, double from, double to, int n)
    {
        for (int i = 0; i <= n; ++i) {
            const double t = from + (to - from) * i / n;
            m_poly.emplace_back(c.x() + r * std::cos(t), c.y() + r * std::sin(t));
        }
    }

    template<typename Inside, typename Cross>
    void clipEdge(Inside inside, Cross cross)
    {
        m_tmp.clear();
        const size_t n = m_poly.size();
        for (size_t i = 0; i < n; ++i) {
            const QPointF &p = m_poly[i];
            const QPointF &q = m_poly[(i + 1) % n];
            const bool pin = inside(p), qin = inside(q);
            if (pin)
                m_tmp.push_back(p);
            if (pin != qin)
                m_tmp.push_back(cross(p, q));
        }
        m_poly.swap(m_tmp);
    }

    void addTo(QPainterPath &path)
    {
        const double x0 = m_x0, y0 = m_y0, x1 = m_x1, y1 = m_y1;
        auto atX = [](double x) {
            return [x](const QPointF &p, const QPointF &q) {
                const double t = (x - p.x()) / (q.x() - p.x());
                return QPointF(x, p.y() + t * (q.y() - p.y()));
            };
        };
        auto atY = [](double y) {
            return [y](const QPointF &p, const QPointF &q) {
                const double t = (y - p.y()) / (q.y() - p.y());
                return QPointF(p.x() + t * (q.x() - p.x()), y);
            };
        };
        clipEdge([x0](const QPointF &p) { return p.x() >= x0; }, atX(x0));
        if (m_poly.size() >= 3)
            clipEdge([x1](const QPointF &p) { return p.x() <= x1; }, atX(x1));
        if (m_poly.size() >= 3)
            clipEdge([y0](const QPointF &p) { return p.y() >= y0; }, atY(y0));
        if (m_poly.size() >= 3)
            clipEdge([y1](const QPointF &p) { return p.y() <= y1; }, atY(y1));
        if (m_poly.size() < 3)
            return;
        path.moveTo(m_poly[0]);
        for (size_t i = 1; i < m_poly.size(); ++i)
            path.lineTo(m_poly[i]);
        path.closeSubpath();
    }

    double m_x0, m_y0, m_x1, m_y1;
    std::vector<QPointF> m_poly, m_tmp;
};

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

void DrawingRecord::reserve(qsizetype operations)
{
    if (operations <= 0)
        return;
    m_ops.reserve(size_t(operations));
    m_chunks.reserve(size_t(operations) / kChunkSize + 1);
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

bool DrawingRecord::meets(const Box &b, const QRectF &area)
{
    return b.x1 > area.left() && b.x0 < area.right() && b.y1 > area.top() && b.y0 < area.bottom();
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

bool DrawingRecord::covers(const Op &o, const QRectF &area)
{
    // Only an opaque stroke hides what lies under it.
    if ((o.kind != Kind::Circle && o.kind != Kind::Line) || qAlpha(o.colour) != 255)
        return false;
    const double half = o.pen / 2.0 - kAntialiasMargin;
    if (half < std::min(area.width(), area.height()) / 2)
        return false;
    const QPointF corners[4] = {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()};
    if (o.kind == Kind::Line) {
        // A line's stroke is the rectangle along the segment, `half` to each side.
        const QPointF a(toFloat(o.d[0]), toFloat(o.d[1])), b(toFloat(o.d[2]), toFloat(o.d[3]));
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double len = std::hypot(dx, dy);
        if (!(len > 2 * kAntialiasMargin))
            return false;
        for (const QPointF &p : corners) {
            const double along = ((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / len;
            const double across = std::abs((p.x() - a.x()) * dy - (p.y() - a.y()) * dx) / len;
            if (along < kAntialiasMargin || along > len - kAntialiasMargin || across > half)
                return false;
        }
        return true;
    }
    const QPointF centre(toFloat(o.d[0]), toFloat(o.d[1]));
    const double r = std::abs(double(toFloat(o.d[2])));
    for (const QPointF &p : corners)
        if (std::hypot(p.x() - centre.x(), p.y() - centre.y()) > r + half)
            return false;
    const double inner = r - o.pen / 2.0 + kAntialiasMargin;
    if (inner > 0) {
        const double nx = std::clamp(centre.x(), area.left(), area.right());
        const double ny = std::clamp(centre.y(), area.top(), area.bottom());
        return std::hypot(nx - centre.x(), ny - centre.y()) >= inner;
    }
    return true;
}

void DrawingRecord::paintOps(QPainter &painter, const std::vector<quint32> &ops, const QRectF &area) const
{
    // A stroke that covers the whole area hides everything drawn before it:
    // start from the last such stroke.
    size_t start = 0;
    for (size_t k = ops.size(); k-- > 0;) {
        if (covers(m_ops[ops[k]], area)) {
            start = k;
            break;
        }
    }

    const double ascent = QFontMetricsF(painter.font()).ascent();
    // Circles are filled as rings cut to the area (with a margin for
    // antialiasing), so that a ring covers the same pixels whatever part of
    // the surface is repainted. Lines have flat ends and go to the painter in
    // runs of one colour and pen.
    Outliner outliner(area.adjusted(-2, -2, 2, 2));
    QPainterPath ring;
    std::vector<QLineF> lines;
    QRgb lineColour = 0;
    int linePen = 0;
    // Where lines are so dense that the area is a solid mesh of them (a
    // hundred thousand lines can cross one view of a graph of a million edges),
    // the painter would take seconds. They are then set pixel by pixel into an
    // overlay, without antialiasing, and the overlay is drawn once over the
    // rest: the look is the same mesh, in a fraction of a second. Lines come
    // last in the record, so drawing them last keeps the order.
    size_t lineCount = 0;
    for (size_t k = start; k < ops.size(); ++k)
        lineCount += m_ops[ops[k]].kind == Kind::Line;
    const bool dense = lineCount > kDenseLines;
    const bool oneDevicePixel = painter.device() && painter.device()->devicePixelRatioF() == 1.0;
    auto flushLines = [&] {
        if (lines.empty())
            return;
        QPen pen(QColor::fromRgba(lineColour), linePen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        // A one-pixel pen on a one-to-one device is the cosmetic pen, which
        // the painter draws by a faster path.
        pen.setCosmetic(linePen <= 1 && oneDevicePixel && !painter.worldTransform().isScaling());
        painter.setPen(pen);
        painter.drawLines(lines.data(), int(lines.size()));
        painter.setPen(Qt::NoPen);
        lines.clear();
    };

    if (dense) {
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        LineOverlay overlay(area, ratio);
        for (size_t k = start; k < ops.size(); ++k) {
            const Op &o = m_ops[ops[k]];
            if (o.kind != Kind::Line)
                continue;
            QLineF line(toFloat(o.d[0]), toFloat(o.d[1]), toFloat(o.d[2]), toFloat(o.d[3]));
            if (clipLine(line, area.adjusted(-(o.pen / 2.0 + 1), -(o.pen / 2.0 + 1), o.pen / 2.0 + 1, o.pen / 2.0 + 1)))
                overlay.draw(line, o.colour, o.pen);
        }
        std::vector<quint32> rest;
        rest.reserve(ops.size() - lineCount);
        for (size_t k = start; k < ops.size(); ++k)
            if (m_ops[ops[k]].kind != Kind::Line)
                rest.push_back(ops[k]);
        paintOps(painter, rest, area);
        painter.drawImage(area.topLeft(), overlay.image());
        return;
    }

    for (size_t k = start; k < ops.size(); ++k) {
        const Op &o = m_ops[ops[k]];
        if (o.kind == Kind::Line) {
            if (!lines.empty() && (o.colour != lineColour || o.pen != linePen))
                flushLines();
            lineColour = o.colour;
            linePen = o.pen;
            // Cut to the area, with room for the pen and antialiasing, so that
            // the painter walks only the visible part of a long line.
            QLineF line(toFloat(o.d[0]), toFloat(o.d[1]), toFloat(o.d[2]), toFloat(o.d[3]));
            if (clipLine(line, area.adjusted(-(o.pen / 2.0 + 2), -(o.pen / 2.0 + 2), o.pen / 2.0 + 2, o.pen / 2.0 + 2)))
                lines.push_back(line);
            continue;
        }
        flushLines();
        if (o.kind == Kind::Circle) {
            ring.clear();
            ring.setFillRule(Qt::WindingFill);
            outliner.ring(ring, QPointF(toFloat(o.d[0]), toFloat(o.d[1])), std::abs(double(toFloat(o.d[2]))), o.pen / 2.0);
            if (!ring.isEmpty())
                painter.fillPath(ring, QColor::fromRgba(o.colour));
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
        painter.setPen(Qt::NoPen);
    }
    flushLines();
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
    int widest = 0;
    for (size_t c = 0; c < m_chunks.size(); ++c) {
        if (!meets(m_chunks[c], area))
            continue;
        const size_t end = std::min(m_ops.size(), (c + 1) * kChunkSize);
        for (size_t i = c * kChunkSize; i < end; ++i) {
            if (meets(opBox(m_ops[i]), area)) {
                visible.push_back(quint32(i));
                widest = std::max<int>(widest, m_ops[i].pen);
            }
        }
    }
    if (visible.empty())
        return;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(drawingFont());

    if (widest < kTilePen) {
        paintOps(painter, visible, area);
    } else {
        // Wide strokes cover much of the area each: paint tile by tile, each
        // from the last stroke that covers the whole tile, so the work stays
        // near a few fills of the area however many strokes overlap.
        std::vector<quint32> inTile;
        const int x0 = int(std::floor(area.left() / kTileSize)), x1 = int(std::ceil(area.right() / kTileSize));
        const int y0 = int(std::floor(area.top() / kTileSize)), y1 = int(std::ceil(area.bottom() / kTileSize));
        for (int ty = y0; ty < y1; ++ty) {
            for (int tx = x0; tx < x1; ++tx) {
                const QRectF tile = QRectF(tx * double(kTileSize), ty * double(kTileSize), kTileSize, kTileSize).intersected(area);
                if (tile.isEmpty())
                    continue;
                inTile.clear();
                for (quint32 i : visible)
                    if (meets(opBox(m_ops[i]), tile))
                        inTile.push_back(i);
                if (inTile.empty())
                    continue;
                painter.save();
                painter.setClipRect(tile, Qt::IntersectClip);
                paintOps(painter, inTile, tile);
                painter.restore();
            }
        }
    }
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

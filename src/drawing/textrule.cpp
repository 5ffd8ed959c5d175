// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The surface font, the text corner rule, setting texts and their extents.
#include "textrule.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

namespace stagepath {

namespace {

// Character advances of the surface font, measured once per process.
struct Metrics {
    static constexpr int kCached = 0x250; // Latin-1 and Latin Extended-A/B (Turkish letters)
    std::array<float, kCached> advance{};
    float maxWidth = 12;
    float lineSpacing = 14;
    float ascent = 11;
    float widestNumber = 22 * 12;
};

// The longest general form of a number: sign, 15 digits, decimal separator,
// exponent mark, exponent sign and three exponent digits.
constexpr int kGeneralNumberLength = 22;

Metrics measure()
{
    Metrics m;
    const QFontMetricsF fm(drawingFont());
    for (int c = 0; c < Metrics::kCached; ++c)
        m.advance[size_t(c)] = float(std::max(0.0, fm.horizontalAdvance(QChar(char16_t(c)))));
    m.maxWidth = float(std::max({fm.maxWidth(), fm.height(), 1.0}));
    m.lineSpacing = float(std::max(fm.lineSpacing(), fm.height()));
    m.ascent = float(fm.ascent());
    float widest = 0;
    for (char16_t c : u"0123456789-+.,eE")
        if (c)
            widest = std::max(widest, m.advance[c]);
    m.widestNumber = kGeneralNumberLength * widest + 2;
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

bool isLineBreak(char16_t u)
{
    return u == u'\n' || u == u'\r' || u == 0x2028 || u == 0x2029;
}

bool needsLayout(QStringView text)
{
    for (QChar c : text)
        if (c == u'&' || c == u'\t' || isLineBreak(c.unicode()))
            return true;
    return false;
}

} // namespace

// Glyphs of the characters a number is written with, for setting plain
// numbers without laying them out. Each batch makes its own: a raw font is
// not to be shared between threads, and one kept for the whole process would
// outlive the application whose font engines it holds. Qt keeps the engine
// itself in its per-thread font cache, so making one is cheap.
struct NumberGlyphs {
    static constexpr char16_t kLast = 0x7f;
    QRawFont font;
    std::array<quint32, kLast + 1> glyph{};
    std::array<QPointF, kLast + 1> advance{};
    std::array<bool, kLast + 1> known{};
};

namespace {

std::unique_ptr<NumberGlyphs> makeNumberGlyphs()
{
    if (!qGuiApp)
        return nullptr;
    auto g = std::make_unique<NumberGlyphs>();
    g->font = QRawFont::fromFont(drawingFont());
    if (!g->font.isValid())
        return nullptr;
    for (char16_t c : u"0123456789-+.,eE ") {
        if (!c)
            continue;
        const QList<quint32> index = g->font.glyphIndexesForString(QString(QChar(c)));
        if (index.size() != 1 || index[0] == 0)
            continue;
        g->glyph[c] = index[0];
        g->advance[c] = g->font.advancesForGlyphIndexes(index).value(0);
        g->known[c] = true;
    }
    return g;
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

std::optional<QPoint> textTopLeft(QPoint reference, QStringView text)
{
    const qint64 top = qint64(reference.y()) - 6;
    const qint64 left = qint64(reference.x()) - (text.size() == 1 ? 3 : 6);
    if (top < std::numeric_limits<qint32>::min() || left < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return QPoint(int(left), int(top));
}

void drawTextAt(QPainter &painter, QPointF topLeft, const QString &text)
{
    if (needsLayout(text)) {
        // The underline of a marked character is a line: crisp, not smoothed.
        const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawText(QRectF(topLeft, QSizeF(0, 0)),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextShowMnemonic, text);
        painter.setRenderHint(QPainter::Antialiasing, smooth);
    } else {
        painter.drawText(topLeft + QPointF(0, metrics().ascent), text);
    }
}

TextBatch::TextBatch(QPainter &painter, bool raster)
    : m_painter(painter)
    , m_raster(raster)
{
}

TextBatch::~TextBatch()
{
    flush();
}

const NumberGlyphs *TextBatch::numberGlyphs()
{
    if (m_raster && !m_numbers) {
        m_numbers = makeNumberGlyphs();
        m_raster = m_numbers != nullptr; // no raw font: every text laid out
    }
    return m_numbers.get();
}

void TextBatch::add(QPointF topLeft, const QString &text)
{
    const NumberGlyphs *g = m_raster ? numberGlyphs() : nullptr;
    const bool plain = g && std::all_of(text.begin(), text.end(), [g](QChar c) {
        return c.unicode() <= NumberGlyphs::kLast && g->known[c.unicode()];
    });
    if (!plain) {
        drawTextAt(m_painter, topLeft, text);
        return;
    }
    QPointF at = topLeft + QPointF(0, metrics().ascent);
    for (QChar c : text) {
        m_glyphs.append(g->glyph[c.unicode()]);
        m_positions.append(at);
        at += g->advance[c.unicode()];
    }
}

void TextBatch::flush()
{
    if (m_glyphs.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(m_numbers->font);
    run.setGlyphIndexes(m_glyphs);
    run.setPositions(m_positions);
    m_painter.drawGlyphRun(QPointF(), run);
    m_glyphs.clear();
    m_positions.clear();
}

bool hasLineBreak(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return isLineBreak(c.unicode()); });
}

QSizeF estimatedTextSize(QStringView text)
{
    const Metrics &m = metrics();
    double widest = 0, width = 0;
    int lines = 1;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (isLineBreak(u)) {
            widest = std::max(widest, width);
            width = 0;
            ++lines;
            continue;
        }
        width += u < Metrics::kCached ? m.advance[u] : m.maxWidth;
    }
    widest = std::max(widest, width);
    // Room for an underline, italic overhang and rounding.
    return QSizeF(widest + 2, lines * double(m.lineSpacing) + 2);
}

double textLineHeight()
{
    return metrics().lineSpacing + 2;
}

double widestGeneralNumber()
{
    return metrics().widestNumber;
}

} // namespace stagepath

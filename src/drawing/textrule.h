// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Texts on the drawing: the surface font, where a text written at a reference
// point is set, how it is set (from its top-left corner, unwrapped, a line
// break starts a new line, tabs unexpanded, '&' marks the next character,
// which is underlined, and "&&" writes one '&'), and how much room it takes.

#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <QStringView>

#include <QList>

#include <memory>
#include <optional>

class QPainter;

namespace stagepath {

struct NumberGlyphs;

// The surface font: DejaVu Sans at 11 pixels, the size of an 8.25 point font
// at 96 dots per inch.
QFont drawingFont();

// Top-left corner of a text written at a reference point: 6 pixels above it,
// 3 pixels left of it for a single character and 6 for any other text;
// nullopt when a coordinate falls below the 32-bit range.
std::optional<QPoint> textTopLeft(QPoint reference, QStringView text);

// Sets a text from its top-left corner in the painter's current font, pen and
// coordinates.
void drawTextAt(QPainter &painter, QPointF topLeft, const QString &text);

// Texts set from their top-left corners in the painter's current font, pen
// and coordinates, all drawn by the time the batch is flushed or destroyed.
// On raster devices the plain ones (digits, signs, separators: every box
// number and most values) are gathered into one run of glyphs, which spares
// laying each out; the glyphs land exactly where drawTextAt puts them.
// Elsewhere (SVG, PDF, printers) every text stays a text of its own.
class TextBatch
{
public:
    TextBatch(QPainter &painter, bool raster);
    ~TextBatch();
    TextBatch(const TextBatch &) = delete;
    TextBatch &operator=(const TextBatch &) = delete;

    void add(QPointF topLeft, const QString &text);
    void flush();

private:
    const NumberGlyphs *numberGlyphs();

    QPainter &m_painter;
    bool m_raster;
    std::unique_ptr<NumberGlyphs> m_numbers; // made on the first plain text
    QList<quint32> m_glyphs;
    QList<QPointF> m_positions;
};

// Whether a text has more than one line.
bool hasLineBreak(QStringView text);

// Room a text takes in the surface font, never less than what is drawn:
// character advances measured once, one line per line break.
QSizeF estimatedTextSize(QStringView text);
// Height of one line of text, and the widest number in the general form that
// a value the user did not type can be written as.
double textLineHeight();
double widestGeneralNumber();

} // namespace stagepath

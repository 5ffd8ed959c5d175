// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every colour the drawing uses, in one place: the surface's background, the
// black of circles and texts, the 16-entry palette that colours the lines by
// their left box, and the colours of the layers drawn over the graph.

#include <QRgb>
#include <QtGlobal>

#include <array>
#include <optional>

namespace stagepath {

// A light grey-blue on which black, every palette entry (bright white and
// silver included) and every overlay colour show.
inline constexpr QRgb kBackgroundColour = 0xff8caad2; // 140, 170, 210
inline constexpr QRgb kForegroundColour = 0xff000000; // circles, box numbers, edge values

// Layers over the graph, in the order they are drawn.
inline constexpr QRgb kBestEdgesColour = 0xffff8c00;      // every edge on some best path: strong orange
inline constexpr QRgb kSelectedPathColour = 0xff0000ff;   // the path of the selected result row: blue
inline constexpr QRgb kHighlightedStageColour = 0xffc8007a; // every edge of the stage in view: crimson
inline constexpr QRgb kChosenEdgeColour = 0xff006e3c;     // the incoming edge chosen for each box: dark green
inline constexpr QRgb kBoxLabelColour = 0xff4b0082;       // labels beside the circles: indigo
inline constexpr QRgb kPathColour = 0xffff0000;           // the best path that "Çiz" marks: red

// The print look's background, and a colour as it is drawn there: one too
// light to show on white paper (white, silver, yellow, bright green or cyan)
// is darkened, keeping its hue.
inline constexpr QRgb kPaperColour = 0xffffffff;
QRgb onPaper(QRgb colour);
inline QRgb surfaceColour(bool paper)
{
    return paper ? kPaperColour : kBackgroundColour;
}

// The 16 colours of the line colouring, by index.
const std::array<QRgb, 16> &linePalette();
// Palette entry by index; nullopt outside 0..15.
std::optional<QRgb> paletteColour(int index);

// Colour of the lines that leave the box at 0-based position `position` of
// its column: with colouring, palette entry position + 1; a box beyond the
// palette keeps the colour of the lines drawn just before its own, entry 15.
// Without colouring, black.
QRgb lineColour(qint64 position, bool coloured);

} // namespace stagepath

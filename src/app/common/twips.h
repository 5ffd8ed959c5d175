// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Twips at the window's edge. The window's design places its controls in
// twips (1/1440 inch, 15 to the pixel at 96 dots per inch), and its scroll
// bars count twips: their values, ranges and steps. Everything inside the
// window computes in pixels; this is the one place that converts.

#include <QRect>

class QScrollBar;

namespace stagepath::twips {

inline constexpr int perPixel = 15;
// The scroll bars move the picture by 100 twips an arrow, 500 a page.
inline constexpr int arrowStep = 100;
inline constexpr int pageStep = 500;

// Twips to pixels, rounded to the nearest pixel.
int toPixels(double twips);
// A design rectangle given in twips, in pixels.
QRect toPixels(int left, int top, int width, int height);
// Pixels (the surface's size may have a fraction) to whole twips.
qint64 fromPixels(double pixels);

// A scroll bar that moves the picture: twips steps, range 0 until a drawing
// sets it (picturelayout.h).
void setUpScrollBar(QScrollBar *bar);
// Where the picture stands, in pixels, for a scroll bar value in twips.
int pictureOffset(int valueTwips);

} // namespace stagepath::twips

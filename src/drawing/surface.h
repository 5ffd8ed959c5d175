// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The size of the drawing surface, the widget that shows the drawing inside
// its viewport and scrolls under it.

#include <QSizeF>

namespace stagepath {

// The viewport's height in widget pixels (the frame that shows the surface).
inline constexpr double kViewportHeight = 457;

// Size of the surface in widget pixels for a drawing of the given extent
// (drawing pixels at the current zoom), never smaller than the viewport.
//
// The surface is sized at 16 twips for each pixel drawn while the screen has
// 15 twips to the pixel, so each side is ceil(extent * 16) / 15 widget pixels:
// a whole number of twips, which the window's scroll ranges are counted in
// (surface * 15, rounded, is exact). The result may have a fraction; a widget
// takes it rounded up. At most the largest size a widget can have.
QSizeF surfaceSize(QSizeF extent, QSizeF viewport);

} // namespace stagepath

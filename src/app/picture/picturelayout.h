// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the picture stands in its viewport. The picture covers everything
// drawn, at the zoom, and is never smaller than the viewport: never narrower
// than the window's inner width, never lower than the frame. The scroll
// ranges, in twips, are what it exceeds the viewport by. At 100 % this is
// the size the drawing gives the surface.

#include <QSize>
#include <QSizeF>

namespace stagepath {

struct PictureLayout {
    QSize pictureSize;         // pixels
    int horizontalMaximum = 0; // twips
    int verticalMaximum = 0;   // twips
};

// extent: what the drawing covers at its zoom, in pixels; viewport: the
// window's inner width and the frame's height, in pixels.
PictureLayout layOutPicture(QSizeF extent, QSize viewport);

// The scroll value (twips) that keeps the drawing point at the middle of a
// viewport of viewportPixels in place when the zoom goes from `from` to `to`.
int centredScrollValue(int valueTwips, int viewportPixels, double from, double to);

} // namespace stagepath

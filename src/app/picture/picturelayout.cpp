// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture/picturelayout.h"

#include "app/common/twips.h"

#include "drawing/surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stagepath {

namespace {

// The scroll range of one side, in twips: what the surface exceeds the viewport by.
int scrollMaximum(double surfacePixels, int viewportPixels)
{
    const qint64 excess = twips::fromPixels(surfacePixels) - qint64(viewportPixels) * twips::perPixel;
    return int(std::clamp<qint64>(excess, 0, std::numeric_limits<int>::max()));
}

} // namespace

PictureLayout layOutPicture(QSizeF extent, QSize viewport)
{
    const QSizeF surface = surfaceSize(extent, QSizeF(viewport));
    return {QSize(int(std::ceil(surface.width())), int(std::ceil(surface.height()))),
            scrollMaximum(surface.width(), viewport.width()), scrollMaximum(surface.height(), viewport.height())};
}

int centredScrollValue(int valueTwips, int viewportPixels, double from, double to)
{
    const double half = viewportPixels / 2.0;
    const double centre = double(valueTwips) / twips::perPixel + half;
    const double value = (centre / from * to - half) * twips::perPixel;
    return int(std::clamp(std::round(value), 0.0, double(std::numeric_limits<int>::max())));
}

} // namespace stagepath

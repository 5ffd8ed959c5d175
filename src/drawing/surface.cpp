// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The surface's size from the drawing's extent.
#include "surface.h"

#include <algorithm>
#include <cmath>

namespace stagepath {

namespace {

constexpr double kLargestWidget = 16777215; // QWIDGETSIZE_MAX

double side(double extent, double viewport)
{
    const double twips = std::isfinite(extent) ? std::ceil(extent * 16) : 0;
    const double pixels = std::min(twips / 15, kLargestWidget);
    return std::max(pixels, viewport);
}

} // namespace

QSizeF surfaceSize(QSizeF extent, QSizeF viewport)
{
    return QSizeF(side(extent.width(), viewport.width()), side(extent.height(), viewport.height()));
}

} // namespace stagepath

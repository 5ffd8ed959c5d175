// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/common/twips.h"

#include <QScrollBar>

#include <cmath>

namespace stagepath::twips {

int toPixels(double twips)
{
    return int(std::lround(twips / perPixel));
}

QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

qint64 fromPixels(double pixels)
{
    return std::llround(pixels * perPixel);
}

void setUpScrollBar(QScrollBar *bar)
{
    bar->setRange(0, 0);
    bar->setSingleStep(arrowStep);
    bar->setPageStep(pageStep);
}

int pictureOffset(int valueTwips)
{
    return -(valueTwips / perPixel);
}

} // namespace stagepath::twips

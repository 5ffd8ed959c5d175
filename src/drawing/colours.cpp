// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The line palette and the colour of a box's lines.
#include "colours.h"

#include <algorithm>

namespace stagepath {

namespace {

constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255),
};

} // namespace

const std::array<QRgb, 16> &linePalette()
{
    return kPalette;
}

std::optional<QRgb> paletteColour(int index)
{
    if (index < 0 || index >= int(kPalette.size()))
        return std::nullopt;
    return kPalette[size_t(index)];
}

QRgb onPaper(QRgb colour)
{
    constexpr int darkest = 110; // grey level at most this shows well on white
    const int grey = qGray(colour);
    if (grey <= darkest)
        return colour;
    const auto scaled = [grey](int channel) { return channel * darkest / grey; };
    return qRgba(scaled(qRed(colour)), scaled(qGreen(colour)), scaled(qBlue(colour)), qAlpha(colour));
}

QRgb lineColour(qint64 position, bool coloured)
{
    if (!coloured)
        return kPalette[0];
    return kPalette[size_t(std::clamp<qint64>(position + 1, 0, 15))];
}

} // namespace stagepath

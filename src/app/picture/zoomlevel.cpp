// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture/zoomlevel.h"

#include <algorithm>

namespace stagepath {

ZoomLevel ZoomLevel::fromPercent(int percent)
{
    const int clamped = std::clamp(percent, minimumPercent, maximumPercent);
    ZoomLevel level;
    level.m_percent = minimumPercent + (clamped - minimumPercent) / stepPercent * stepPercent;
    return level;
}

} // namespace stagepath

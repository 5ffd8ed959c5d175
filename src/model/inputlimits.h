// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Upper limits on what the window accepts, chosen so that no single input can
// freeze the window for more than about a second or exhaust memory. Input over
// a limit is refused, before anything is cleared or allocated, with a message
// that names the limit.

#include <QtGlobal>

namespace stagepath::limits {

inline constexpr qint64 maxStageCount = 1000;        // N, so at most 1001 columns
inline constexpr qint64 maxBoxesPerColumn = 100000;  // one box count
inline constexpr qint64 maxBoxes = 200000;           // all columns together
inline constexpr qint64 maxEdges = 1000000;          // rows of the edge table
inline constexpr qint64 maxListedPaths = 50000000;   // rows of the result table
inline constexpr double maxSpacing = 10000;          // |X|, |Y| in pixels
inline constexpr qint64 maxPenWidth = 32767;         // the pen width is a 16-bit count

} // namespace stagepath::limits

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace stagepath {

// "En Kısa Yol" picks the least total, "En Uzun Yol" the greatest.
enum class PathMode { Shortest, Longest };

} // namespace stagepath

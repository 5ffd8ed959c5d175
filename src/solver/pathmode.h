#pragma once

namespace stagepath {

// "En Kısa Yol" picks the least total, "En Uzun Yol" the greatest.
enum class PathMode { Shortest, Longest };

} // namespace stagepath

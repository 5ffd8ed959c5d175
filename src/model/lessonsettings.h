// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings of a lesson besides its tables: the drawing's spacing, circle
// size, pen width and line colouring, and which best path is asked for.

namespace stagepath {

struct LessonSettings {
    double xSpacing = 220;   // pixels between neighbouring columns of boxes
    double ySpacing = 120;   // pixels between neighbouring boxes of a column
    double circleSize = 20;  // radius of a box's circle
    int penWidth = 1;        // pixels, 1 .. limits::maxPenWidth
    bool colourLines = false;
    bool longest = false;    // "En Uzun Yol" rather than "En Kısa Yol"
    bool valuesOnLines = false; // each value written beside its own line, not stacked under the box
    bool exercise = false;      // the answer stays hidden until the student asks for it
    bool backward = false;      // the steps solve from each box to the last column ("Geri")

    friend bool operator==(const LessonSettings &, const LessonSettings &) = default;
};

} // namespace stagepath

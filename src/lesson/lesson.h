// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A lesson: everything the window holds of one exercise besides its results,
// as a lesson file keeps it. Qt Core only, so that programs without a window
// can read, change and write lessons.

#include "model/exerciseanswers.h"
#include "model/graphdata.h"
#include "model/lessonsettings.h"

#include <QStringList>

namespace stagepath {

struct Lesson {
    // The stage table's box counts exactly as typed, first column first. The
    // stage count is their number less one.
    QStringList boxTexts;
    // The edge table: its shape follows the counts; the values, and the texts
    // of those typed otherwise than in the general number form.
    EdgeDataPtr edges;
    LessonSettings settings;
    // What a student answered in exercise mode.
    ExerciseAnswers answers;
};

} // namespace stagepath

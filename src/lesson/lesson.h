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

#include <optional>

namespace stagepath {

// The options and seed a generated exercise was made from (docs/exercises.md):
// with them, the generator makes the same values again on every machine.
struct ExerciseOrigin {
    quint64 seed = 0;
    std::vector<qint64> boxes;  // box count of each column, first column first
    qint64 minValue = 1;        // whole values from minValue to maxValue
    qint64 maxValue = 20;
    int missingPercent = 0;     // the share of roads that do not exist, 0 .. 60
    bool unique = false;        // exactly one best path in the lesson's mode
    bool longest = false;       // the mode it was made for

    friend bool operator==(const ExerciseOrigin &, const ExerciseOrigin &) = default;
};

struct Lesson {
    // The stage table's box counts exactly as typed, first column first. The
    // stage count is their number less one.
    QStringList boxTexts;
    // The edge table: its shape follows the counts; the values, and the texts
    // of those typed otherwise than in the general number form.
    EdgeDataPtr edges;
    LessonSettings settings;
    // Where a generated exercise came from; none for a lesson made otherwise.
    std::optional<ExerciseOrigin> origin;
    // What a student answered in exercise mode.
    ExerciseAnswers answers;
};

} // namespace stagepath

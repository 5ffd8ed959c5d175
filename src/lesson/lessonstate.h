// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The parts of a lesson that one step of its history changes, as a step
// keeps them to put them back.

#include "model/exerciseanswers.h"
#include "model/graphdata.h"
#include "model/lessonsettings.h"

#include <QStringList>

namespace stagepath {

// The tables and the stage count that shapes them.
struct TablesState {
    QString stageCountText; // as typed
    QStringList boxTexts;   // the stage table, as typed
    EdgeDataPtr edges;      // the edge table; shared, never written
};

// The settings: the values in effect and the texts of the boxes that hold
// the three typed ones.
struct SettingsState {
    LessonSettings values;
    QString xText;
    QString yText;
    QString penWidthText;
    ExerciseAnswers answers; // the student's, in an exercise

    friend bool operator==(const SettingsState &, const SettingsState &) = default;
};

// Which setting a step changes.
enum class Setting { XSpacing, YSpacing, PenWidth, CircleSize, ColourLines, Mode, Recursion, Exercise, Answers, ValuesOnLines };

// Where a change the document reports comes from: the user's own edit, or
// undo and redo (which also show the restored state in the controls).
enum class ChangeOrigin { Edit, History };

// Whether a step's change was made before the step was pushed (a table took
// the user's edit itself): then its first redo does nothing.
enum class FirstRedo { Applies, AlreadyApplied };

// What a step of the tables changed.
enum class TableChange {
    StageCount, // everything: the stage count, the stage table and the edge table
    BoxCounts,  // the stage table's counts and with them every edge value
    Value,      // one edge value
    Names,      // the boxes' names
};

} // namespace stagepath

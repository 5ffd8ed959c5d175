// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// New exercises: a lesson whose values are drawn from a seed, with a share
// of roads that do not exist, at least one path left, and, when asked, one
// best path only. The same options and seed give the same lesson on every
// machine (exerciserandom.h; the steps are in docs/exercises.md).

#include "lesson.h"

#include <QString>

#include <optional>

namespace stagepath {

namespace exercise {
inline constexpr qint64 maxValue = 1000000000; // |value|: totals stay whole and exact
inline constexpr int maxMissingPercent = 60;
inline constexpr int maxAttempts = 100;        // draws before the generator gives up
} // namespace exercise

struct ExerciseResult {
    std::optional<Lesson> lesson;
    QString problem; // why none was made (Turkish, one sentence)
};

// The box counts of a text such as "1,3,3,2,1", or why it is not one
// (problem set, nothing returned).
std::optional<std::vector<qint64>> readBoxCounts(QStringView text, QString *problem);

// Why the options cannot make an exercise; empty when they can be tried.
QString exerciseOptionsProblem(const ExerciseOrigin &options);

// round(percent x roads / 100), a half rounded to even.
qint64 missingRoadCount(qint64 roads, int percent);

// The exercise of the options and seed; the lesson keeps them as its origin.
ExerciseResult generateExercise(const ExerciseOrigin &options);

// A seed no one chose: from the system's random source.
quint64 freshSeed();

} // namespace stagepath

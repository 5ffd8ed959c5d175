// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a student answered in an exercise, as the lesson keeps it: the path
// and its total as typed, the box totals typed into the step table, and how
// many columns of box totals were revealed as a hint.

#include <QMap>
#include <QString>
#include <QtGlobal>

namespace stagepath {

struct ExerciseAnswers {
    QString path;                    // box numbers or names, as typed
    QString total;                   // in the user's locale, as typed
    QMap<qint64, QString> boxTotals; // 0-based global box -> the total typed for it
    int revealedColumns = 0;         // the first columns whose box totals were filled in

    bool isEmpty() const { return path.isEmpty() && total.isEmpty() && boxTotals.isEmpty() && revealedColumns == 0; }
    friend bool operator==(const ExerciseAnswers &, const ExerciseAnswers &) = default;
};

} // namespace stagepath

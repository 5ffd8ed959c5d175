// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The solution steps on paper ("Yazdır" in SolutionSteps): the drawing page
// of the lesson's printout (printout.h), then every stage's tableau in the
// order of the steps, one after the other: a line naming the step and its
// recurrence for the first box, the neighbours' header, a row per box. A
// tableau shows at most maxNeighbours neighbours; the rows of all of them
// are cut at Printout::maxRows, with a line that says so. May run off the
// window's thread.

#include "printout.h"

#include "solver/stagetableau.h"

namespace stagepath {

inline constexpr qint64 maxPrintedNeighbours = 20;

PrintoutContent gatherStepsPrintout(const QString &title, const LessonSettings &settings,
                                    const StageProgram &program);

} // namespace stagepath

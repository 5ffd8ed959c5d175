// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dynamic program walked column by column over a solution. Step 0 is
// before the walk and adds nothing to the drawing. Step c, from 1 to the
// number of columns, has c columns solved (forward columns 1 to c, backward
// the last c): each solved box's best total is written beside its circle and
// the edge it chose is marked, the stage that solved the step's column is
// highlighted with every tied choice of its tableau marked (none at step 1,
// where every total is 0) and, at the last step, the best path is marked in
// red as "Çiz" marks it.

#include "drawing/overlays.h"
#include "solver/solution.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

namespace stagepath {

class StepWalk
{
    Q_DECLARE_TR_FUNCTIONS(StepWalk)

public:
    // A solution of another graph or mode starts before the walk (one of the
    // same keeps the step); one without a program has no steps.
    void setSolution(std::shared_ptr<const Solution> solution);
    const std::shared_ptr<const Solution> &solution() const { return m_solution; }

    int count() const;
    int current() const { return m_step; }
    bool isWalking() const { return m_step > 0; }
    bool atLast() const { return m_step > 0 && m_step == count(); }
    // Walking, before the last step: what is not solved yet stays hidden.
    bool hidesAnswer() const { return m_step > 0 && m_step < count(); }
    bool isBackward() const;
    // Clamped to 0 ... count().
    void goTo(int step);

    // What the current step adds to the drawing (see overlaylayers.h).
    PictureOverlays overlays() const;
    // "Adım 3 / 5: 2.Vorta, 3. sütunun en iyi toplamları", in the window's language.
    QString text() const;

private:
    std::shared_ptr<const Solution> m_solution;
    int m_step = 0;
};

} // namespace stagepath

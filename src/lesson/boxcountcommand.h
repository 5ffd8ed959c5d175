// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The step of box count edits in the stage table and the regeneration of the
// edge table that follows them (Timer1's tick). The step is pushed when the
// table takes the first edit; edits made before the tick join it, and the
// tick completes it. Undo puts back the counts and every value the
// regeneration replaced, exactly (the old table is kept, not copied).

#include "tablescommand.h"

#include <QCoreApplication>

namespace stagepath {

class BoxCountCommand : public TablesCommand
{
    Q_DECLARE_TR_FUNCTIONS(BoxCountCommand)
public:
    // before: the tables before the edit; counts: the stage table's texts
    // after it; row: the edited row.
    BoxCountCommand(LessonDocument *document, TablesState before, QStringList counts, int row);

    int id() const override { return 2; }
    // Edits made while the regeneration waits join the step.
    bool mergeWith(const QUndoCommand *other) override;
    std::unique_ptr<LessonCommand> doneCopy() const override;

    // Whether the regeneration still waits for the tick (or for the worker).
    bool isWaiting() const { return afterIsOpen(); }
    // The stage table's texts after the step.
    const QStringList &boxTexts() const { return after().boxTexts; }
    // The regeneration: every edge value drawn anew for the new counts.
    void regenerate();

protected:
    void apply(ChangeOrigin origin) override;

private:
    void describe() override;

    int m_row; // the edited row, -1 when several were
};

} // namespace stagepath

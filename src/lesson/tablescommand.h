// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The base of the steps that replace tables (the stage count, box counts):
// such a step keeps the tables as they were before it and after it, and
// undo puts back the tables from before.

#include "lessoncommand.h"

namespace stagepath {

class TablesCommand : public LessonCommand
{
public:
    void undo() override;
    std::vector<KeptEdges> keptEdges() const override { return {m_before, m_after}; }

protected:
    TablesCommand(LessonDocument *document, FirstRedo firstRedo, TableChange change, TablesState before);

    const TablesState &before() const { return m_beforeState; }
    const TablesState &after() const { return m_afterState; }
    // The tables after the step; their edges may come later (setAfterEdges).
    void setAfter(TablesState after);
    void setAfterEdges(EdgeDataPtr edges);
    // Whether the edges after the step are still to be made.
    bool afterIsOpen() const { return !m_afterState.edges; }
    void restoreAfter();
    // Gives a done copy the tables of this step.
    void copyTablesTo(TablesCommand &copy) const;

private:
    TableChange m_change;
    TablesState m_beforeState;
    TablesState m_afterState;
    KeptEdges m_before;
    KeptEdges m_after;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tablescommand.h"

#include "lessondocument.h"

namespace stagepath {

TablesCommand::TablesCommand(LessonDocument *document, FirstRedo firstRedo, TableChange change, TablesState before)
    : LessonCommand(document, firstRedo)
    , m_change(change)
    , m_beforeState(std::move(before))
    , m_before(keepEdges(m_beforeState.edges))
{
}

void TablesCommand::setAfter(TablesState after)
{
    m_afterState = std::move(after);
    m_after = keepEdges(m_afterState.edges);
}

void TablesCommand::setAfterEdges(EdgeDataPtr edges)
{
    m_afterState.edges = std::move(edges);
    m_after = keepEdges(m_afterState.edges);
}

void TablesCommand::restoreAfter()
{
    document()->restoreTables(m_afterState, m_change);
}

void TablesCommand::undo()
{
    document()->restoreTables(m_beforeState, m_change);
}

void TablesCommand::copyTablesTo(TablesCommand &copy) const
{
    copy.m_afterState = m_afterState;
    copy.m_after = m_after;
    copy.markAsDoneCopy();
}

} // namespace stagepath

#include "stagecountcommand.h"

#include "lessondocument.h"

namespace stagepath {

StageCountCommand::StageCountCommand(LessonDocument *document, TablesState before, const QString &text,
                                     bool continuesTyping)
    : LessonCommand(document, false)
    , m_beforeState(std::move(before))
    , m_before(keepEdges(m_beforeState.edges))
    , m_continuesTyping(continuesTyping)
{
    m_afterState.stageCountText = text;
    describe();
}

void StageCountCommand::describe()
{
    setText(tr("vorta sayısı %1 → %2").arg(m_beforeState.stageCountText, m_afterState.stageCountText));
}

void StageCountCommand::apply(bool /*again*/)
{
    // The first time the tables are built with fresh values; later they are put back.
    if (!m_afterState.edges) {
        m_afterState = document()->rebuildTables(m_afterState.stageCountText);
        m_after = keepEdges(m_afterState.edges);
        return;
    }
    document()->restoreTables(m_afterState, TableChange::StageCount);
}

void StageCountCommand::undo()
{
    document()->restoreTables(m_beforeState, TableChange::StageCount);
}

bool StageCountCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const StageCountCommand *>(other);
    if (!next || !mayMerge(other) || !next->m_continuesTyping)
        return false;
    m_afterState = next->m_afterState;
    m_after = next->m_after;
    describe();
    return true;
}

std::unique_ptr<LessonCommand> StageCountCommand::replica() const
{
    auto copy = std::make_unique<StageCountCommand>(document(), m_beforeState, m_afterState.stageCountText, false);
    copy->m_afterState = m_afterState;
    copy->m_after = m_after;
    copy->takeAsDone();
    return copy;
}

} // namespace stagepath

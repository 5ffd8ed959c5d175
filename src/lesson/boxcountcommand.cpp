#include "boxcountcommand.h"

#include "lessondocument.h"

#include "model/stagetable.h"

namespace stagepath {

BoxCountCommand::BoxCountCommand(LessonDocument *document, TablesState before, QStringList counts, int row)
    : LessonCommand(document, true)
    , m_beforeState(std::move(before))
    , m_before(keepEdges(m_beforeState.edges))
    , m_row(row)
{
    m_afterState.stageCountText = m_beforeState.stageCountText;
    m_afterState.boxTexts = std::move(counts);
    describe();
}

void BoxCountCommand::describe()
{
    if (m_row < 0 || m_row >= m_beforeState.boxTexts.size()) {
        setText(tr("kutu sayıları"));
        return;
    }
    setText(tr("%1 kutu sayısı %2 → %3")
                .arg(stageLabel(m_row + 1), m_beforeState.boxTexts.at(m_row), m_afterState.boxTexts.at(m_row)));
}

void BoxCountCommand::regenerate()
{
    m_afterState.edges = document()->regenerateEdges(m_afterState.boxTexts, false);
    m_after = keepEdges(m_afterState.edges);
}

void BoxCountCommand::apply(bool /*again*/)
{
    // Redone before the tick came (it was undone in time): regenerate now.
    if (isWaiting()) {
        m_afterState.edges = document()->regenerateEdges(m_afterState.boxTexts, true);
        m_after = keepEdges(m_afterState.edges);
        return;
    }
    document()->restoreTables(m_afterState, TableChange::BoxCounts);
}

void BoxCountCommand::undo()
{
    document()->restoreTables(m_beforeState, TableChange::BoxCounts);
}

bool BoxCountCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const BoxCountCommand *>(other);
    if (!next || !mayMerge(other) || !isWaiting())
        return false;
    if (next->m_row != m_row)
        m_row = -1;
    m_afterState.boxTexts = next->m_afterState.boxTexts;
    describe();
    return true;
}

std::unique_ptr<LessonCommand> BoxCountCommand::replica() const
{
    auto copy = std::make_unique<BoxCountCommand>(document(), m_beforeState, m_afterState.boxTexts, m_row);
    copy->m_afterState = m_afterState;
    copy->m_after = m_after;
    copy->takeAsDone();
    return copy;
}

} // namespace stagepath

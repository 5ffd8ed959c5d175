// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxcountcommand.h"

#include "lessondocument.h"

#include "model/stagetable.h"

namespace stagepath {

BoxCountCommand::BoxCountCommand(LessonDocument *document, TablesState before, QStringList counts, int row)
    : TablesCommand(document, FirstRedo::AlreadyApplied, TableChange::BoxCounts, std::move(before))
    , m_row(row)
{
    setAfter({this->before().stageCountText, std::move(counts), {}});
    describe();
}

void BoxCountCommand::describe()
{
    if (m_row < 0 || m_row >= before().boxTexts.size()) {
        setText(tr("kutu sayıları"));
        return;
    }
    setText(tr("%1 kutu sayısı %2 → %3")
                .arg(stageLabel(m_row + 1), before().boxTexts.at(m_row), after().boxTexts.at(m_row)));
}

void BoxCountCommand::regenerate()
{
    setAfterEdges(document()->regenerateEdges(after().boxTexts, ChangeOrigin::Edit));
}

void BoxCountCommand::apply(ChangeOrigin /*origin*/)
{
    // Redone before the tick came (it was undone in time): regenerate now,
    // or on the worker.
    if (isWaiting()) {
        if (EdgeDataPtr edges = document()->redoCountEdits(after().boxTexts))
            setAfterEdges(std::move(edges));
    } else
        restoreAfter();
}

bool BoxCountCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const BoxCountCommand *>(other);
    if (!next || !mayMerge(other) || !isWaiting())
        return false;
    if (next->m_row != m_row)
        m_row = -1;
    setAfter(next->after());
    describe();
    return true;
}

std::unique_ptr<LessonCommand> BoxCountCommand::doneCopy() const
{
    auto copy = std::make_unique<BoxCountCommand>(document(), before(), after().boxTexts, m_row);
    copyTablesTo(*copy);
    return copy;
}

} // namespace stagepath

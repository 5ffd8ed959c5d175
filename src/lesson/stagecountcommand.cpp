// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stagecountcommand.h"

#include "lessondocument.h"

namespace stagepath {

StageCountCommand::StageCountCommand(LessonDocument *document, TablesState before, const QString &text,
                                     bool continuesTyping, EdgeDataPtr namesFrom)
    : TablesCommand(document, FirstRedo::Applies, TableChange::StageCount, std::move(before))
    , m_continuesTyping(continuesTyping)
    , m_namesFrom(std::move(namesFrom))
{
    setAfter({text, {}, {}});
    describe();
}

void StageCountCommand::describe()
{
    setText(tr("vorta sayısı %1 → %2").arg(before().stageCountText, after().stageCountText));
}

void StageCountCommand::apply(ChangeOrigin /*origin*/)
{
    // The first time the tables are built with fresh values; later they are put back.
    if (afterIsOpen()) {
        setAfter(document()->rebuildTables(after().stageCountText, m_namesFrom));
        m_namesFrom.reset(); // the tables are kept from now on; this would only hold memory
    } else {
        restoreAfter();
    }
}

bool StageCountCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const StageCountCommand *>(other);
    if (!next || !mayMerge(other) || !next->m_continuesTyping)
        return false;
    setAfter(next->after());
    describe();
    return true;
}

std::unique_ptr<LessonCommand> StageCountCommand::doneCopy() const
{
    auto copy = std::make_unique<StageCountCommand>(document(), before(), after().stageCountText, false);
    copyTablesTo(*copy);
    return copy;
}

} // namespace stagepath

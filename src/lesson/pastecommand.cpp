// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pastecommand.h"

#include "lessondocument.h"

namespace stagepath {

PasteCommand::PasteCommand(LessonDocument *document, qint64 firstRow, QStringList before, QStringList after)
    : LessonCommand(document, FirstRedo::AlreadyApplied)
    , m_firstRow(firstRow)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
    describe();
}

void PasteCommand::describe()
{
    setText(tr("%n değer yapıştırma", nullptr, int(m_after.size())));
}

void PasteCommand::apply(ChangeOrigin /*origin*/)
{
    document()->restoreValues(m_firstRow, m_after);
}

void PasteCommand::undo()
{
    document()->restoreValues(m_firstRow, m_before);
}

std::unique_ptr<LessonCommand> PasteCommand::doneCopy() const
{
    auto copy = std::make_unique<PasteCommand>(document(), m_firstRow, m_before, m_after);
    copy->markAsDoneCopy();
    return copy;
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "edgevaluecommand.h"

#include "lessondocument.h"

namespace stagepath {

EdgeValueCommand::EdgeValueCommand(LessonDocument *document, qint64 row, const QString &before, const QString &after)
    : LessonCommand(document, FirstRedo::AlreadyApplied)
    , m_row(row)
    , m_before(before)
    , m_after(after)
{
    describe();
}

void EdgeValueCommand::describe()
{
    setText(tr("değer %1 → %2").arg(m_before, m_after));
}

void EdgeValueCommand::apply(ChangeOrigin /*origin*/)
{
    document()->restoreValue(m_row, m_after);
}

void EdgeValueCommand::undo()
{
    document()->restoreValue(m_row, m_before);
}

std::unique_ptr<LessonCommand> EdgeValueCommand::doneCopy() const
{
    auto copy = std::make_unique<EdgeValueCommand>(document(), m_row, m_before, m_after);
    copy->markAsDoneCopy();
    return copy;
}

} // namespace stagepath

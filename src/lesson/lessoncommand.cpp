// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessoncommand.h"

namespace stagepath {

LessonCommand::LessonCommand(LessonDocument *document, bool alreadyDone)
    : m_document(document)
    , m_skipRedo(alreadyDone)
    , m_done(alreadyDone)
{
}

void LessonCommand::redo()
{
    if (m_skipRedo) {
        m_skipRedo = false;
        return;
    }
    apply(m_done);
    m_done = true;
}

bool LessonCommand::mayMerge(const QUndoCommand *other)
{
    const auto *step = dynamic_cast<const LessonCommand *>(other);
    return step && !step->m_replica;
}

void LessonCommand::takeAsDone()
{
    m_skipRedo = true;
    m_done = true;
    m_replica = true;
}

} // namespace stagepath

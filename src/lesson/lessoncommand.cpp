// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessoncommand.h"

namespace stagepath {

LessonCommand::LessonCommand(LessonDocument *document, FirstRedo firstRedo)
    : m_document(document)
    , m_skipRedo(firstRedo == FirstRedo::AlreadyApplied)
    , m_done(firstRedo == FirstRedo::AlreadyApplied)
{
}

void LessonCommand::redo()
{
    if (m_skipRedo) {
        m_skipRedo = false;
        return;
    }
    apply(m_done ? ChangeOrigin::History : ChangeOrigin::Edit);
    m_done = true;
}

bool LessonCommand::mayMerge(const QUndoCommand *other)
{
    const auto *step = dynamic_cast<const LessonCommand *>(other);
    return step && !step->m_doneCopy;
}

void LessonCommand::markAsDoneCopy()
{
    m_skipRedo = true;
    m_done = true;
    m_doneCopy = true;
}

} // namespace stagepath

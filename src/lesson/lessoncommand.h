// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The base of the steps of a lesson's history (QUndoCommand). A step keeps
// what it needs to put the lesson back as it was before it and after it; the
// edge table's data is kept by shared pointer, so keeping a whole table costs
// nothing until the table is written next (it is copied on write).

#include "historybudget.h"
#include "lessonstate.h"

#include <QUndoCommand>

#include <memory>
#include <vector>

namespace stagepath {

class LessonDocument;

class LessonCommand : public QUndoCommand
{
public:
    void redo() final;

    // A copy of this step that counts as already done: its first redo does
    // nothing and it never merges into the step before it. The history is
    // rebuilt from such copies when its oldest steps are dropped.
    virtual std::unique_ptr<LessonCommand> doneCopy() const = 0;
    // The edge tables this step keeps.
    virtual std::vector<KeptEdges> keptEdges() const { return {}; }
    // Names the step (its text in the Undo and Redo commands), in the
    // window's language; again after a change of language.
    virtual void describe() = 0;

protected:
    LessonCommand(LessonDocument *document, FirstRedo firstRedo);

    // Does the step: the first time as the user's edit, after an undo as history.
    virtual void apply(ChangeOrigin origin) = 0;
    // Whether other, pushed right after a step, may be merged into it at all
    // (a done copy may not).
    static bool mayMerge(const QUndoCommand *other);
    // Makes this a done copy (see doneCopy()).
    void markAsDoneCopy();

    LessonDocument *document() const { return m_document; }

private:
    LessonDocument *m_document;
    bool m_skipRedo;
    bool m_done;
    bool m_doneCopy = false;
};

} // namespace stagepath

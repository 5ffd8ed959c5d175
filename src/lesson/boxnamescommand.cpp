// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxnamescommand.h"

#include "lessondocument.h"

namespace stagepath {

namespace {

QString nameOf(const BoxNamesPtr &names, size_t box)
{
    return names && box < names->size() ? (*names)[box] : QString();
}

} // namespace

BoxNamesCommand::BoxNamesCommand(LessonDocument *document, BoxNamesPtr before, BoxNamesPtr after)
    : LessonCommand(document, FirstRedo::Applies)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
    describe();
}

void BoxNamesCommand::describe()
{
    const size_t boxes = std::max(m_before ? m_before->size() : 0, m_after ? m_after->size() : 0);
    std::vector<size_t> changed;
    for (size_t box = 0; box < boxes && changed.size() < 2; ++box)
        if (nameOf(m_before, box) != nameOf(m_after, box))
            changed.push_back(box);
    if (changed.size() != 1) {
        setText(tr("kutu adları"));
        return;
    }
    const size_t box = changed.front();
    const QString was = nameOf(m_before, box), is = nameOf(m_after, box);
    setText(tr("%1. kutunun adı %2 → %3")
                .arg(box + 1)
                .arg(was.isEmpty() ? QString::number(box + 1) : was, is.isEmpty() ? QString::number(box + 1) : is));
}

void BoxNamesCommand::apply(ChangeOrigin origin)
{
    document()->restoreNames(m_after, origin);
}

void BoxNamesCommand::undo()
{
    document()->restoreNames(m_before, ChangeOrigin::History);
}

std::unique_ptr<LessonCommand> BoxNamesCommand::doneCopy() const
{
    auto copy = std::make_unique<BoxNamesCommand>(document(), m_before, m_after);
    copy->markAsDoneCopy();
    return copy;
}

} // namespace stagepath

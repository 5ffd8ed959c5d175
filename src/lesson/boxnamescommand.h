// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The step of the boxes' names: one name edited in the dialog, or every box
// named with letters at once.

#include "lessoncommand.h"

#include <QCoreApplication>

namespace stagepath {

class BoxNamesCommand : public LessonCommand
{
    Q_DECLARE_TR_FUNCTIONS(BoxNamesCommand)
public:
    BoxNamesCommand(LessonDocument *document, BoxNamesPtr before, BoxNamesPtr after);

    void undo() override;
    std::unique_ptr<LessonCommand> doneCopy() const override;
    void describe() override;

protected:
    void apply(ChangeOrigin origin) override;

private:
    BoxNamesPtr m_before;
    BoxNamesPtr m_after;
};

} // namespace stagepath

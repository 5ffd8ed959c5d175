// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The step of a setting: X, Y, pen width, circle size, line colouring or the
// mode. Keystrokes typed one after another in the same text box merge into
// one step.

#include "lessoncommand.h"

#include <QCoreApplication>

namespace stagepath {

class SettingsCommand : public LessonCommand
{
    Q_DECLARE_TR_FUNCTIONS(SettingsCommand)
public:
    SettingsCommand(LessonDocument *document, Setting which, const SettingsState &before,
                    const SettingsState &after, bool continuesTyping);

    int id() const override { return 3; }
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    std::unique_ptr<LessonCommand> doneCopy() const override;

protected:
    void apply(ChangeOrigin origin) override;

private:
    void describe() override;
    QString modeName(bool longest) const;

    Setting m_which;
    SettingsState m_before;
    SettingsState m_after;
    bool m_continuesTyping;
};

} // namespace stagepath

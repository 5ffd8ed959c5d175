// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The step of a stage count typed in Text1: everything is rebuilt with fresh
// values. Keystrokes typed one after another in the box merge into one step,
// which puts back the count and the tables from before the first of them.

#include "tablescommand.h"

#include <QCoreApplication>

namespace stagepath {

class StageCountCommand : public TablesCommand
{
    Q_DECLARE_TR_FUNCTIONS(StageCountCommand)
public:
    // continuesTyping: the text comes from the same run of keystrokes as the
    // step before, so it merges into it.
    // namesFrom: the tables whose box names the new tables keep.
    StageCountCommand(LessonDocument *document, TablesState before, const QString &text, bool continuesTyping,
                      EdgeDataPtr namesFrom = {});

    const EdgeDataPtr &edgesBefore() const { return before().edges; }

    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override;
    std::unique_ptr<LessonCommand> doneCopy() const override;

protected:
    void apply(ChangeOrigin origin) override;

private:
    void describe() override;

    bool m_continuesTyping;
    EdgeDataPtr m_namesFrom;
};

} // namespace stagepath

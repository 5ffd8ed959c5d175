// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The step of values pasted into the edge table: one run of rows from a
// first one, each with its text before and after.

#include "lessoncommand.h"

#include <QCoreApplication>
#include <QStringList>

namespace stagepath {

class PasteCommand : public LessonCommand
{
    Q_DECLARE_TR_FUNCTIONS(PasteCommand)
public:
    // Pushed after the edge table took the pasted texts.
    PasteCommand(LessonDocument *document, qint64 firstRow, QStringList before, QStringList after);

    void undo() override;
    std::unique_ptr<LessonCommand> doneCopy() const override;
    void describe() override;

protected:
    void apply(ChangeOrigin origin) override;

private:
    qint64 m_firstRow;
    QStringList m_before;
    QStringList m_after;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The step of an edge value edited in ListView2 or ListView3.

#include "lessoncommand.h"

#include <QCoreApplication>

namespace stagepath {

class EdgeValueCommand : public LessonCommand
{
    Q_DECLARE_TR_FUNCTIONS(EdgeValueCommand)
public:
    // Pushed after the edge table took the edit of row from before to after.
    EdgeValueCommand(LessonDocument *document, qint64 row, const QString &before, const QString &after);

    void undo() override;
    std::unique_ptr<LessonCommand> doneCopy() const override;
    void describe() override;

protected:
    void apply(ChangeOrigin origin) override;

private:
    qint64 m_row;
    QString m_before;
    QString m_after;
};

} // namespace stagepath

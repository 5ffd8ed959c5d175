// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stepsprintout.h"

#include "solver/stagetableautable.h"

#include <QCoreApplication>

#include <functional>

namespace stagepath {

PrintoutContent gatherStepsPrintout(const QString &title, const LessonSettings &settings,
                                    const StageProgram &program)
{
    PrintoutContent content = Printout::gather(title, program.snapshot(), settings, ListedPaths{});
    content.edges = {};
    TableExcerpt &t = content.tableaux;
    t.title = QCoreApplication::translate("StepsPrintout", "Vorta tabloları");
    // The table model reads the program; it does not own it here.
    const std::shared_ptr<const StageProgram> borrowed(std::shared_ptr<const StageProgram>(), &program);
    StageTableauTable table;
    int columns = 1;
    qint64 rows = 0;
    for (int step = 1; step <= program.stepCount(); ++step) {
        table.setStep(borrowed, step);
        rows += 3 + table.rowCount();
        if (qint64(t.rows.size()) >= Printout::maxRows)
            continue;
        const int neighbours = table.bestColumn() - 1;
        const int shown = int(std::min<qint64>(neighbours, maxPrintedNeighbours));
        auto pick = [&](const std::function<QString(int)> &cell) {
            QStringList cells{cell(0)};
            for (int c = 1; c <= shown; ++c)
                cells << cell(c);
            cells << cell(table.bestColumn()) << cell(table.choiceColumn());
            return cells;
        };
        // A row of one cell is a line across the table.
        QString heading = QCoreApplication::translate("StepsPrintout", "Adım %1 — %2")
                              .arg(step)
                              .arg(recurrenceText(program, step, 0, 6));
        if (shown < neighbours)
            heading += QCoreApplication::translate("StepsPrintout", " (ilk %1 komşu gösterildi)").arg(shown);
        t.rows.push_back({heading});
        t.rows.push_back(pick([&](int c) { return table.headerText(c); }));
        for (int row = 0; row < table.rowCount() && qint64(t.rows.size()) < Printout::maxRows; ++row)
            t.rows.push_back(pick([&](int c) { return table.cellText(row, c); }));
        t.rows.push_back({QString()});
        columns = std::max(columns, shown + 3);
    }
    if (qint64(t.rows.size()) > Printout::maxRows)
        t.rows.resize(size_t(Printout::maxRows));
    t.rowCount = std::max(rows, qint64(t.rows.size()));
    for (int c = 0; c < columns; ++c)
        t.headers << QString();
    Printout::measure(t);
    return content;
}

} // namespace stagepath

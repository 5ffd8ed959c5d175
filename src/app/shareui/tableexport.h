// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// actionExportResults: the result table (every listed row) or the edge table
// as CSV (share/csvformat.h). The dialog's name filters choose the table;
// with nothing listed only the edge table is offered. The rows are written
// off the window's thread from the tables as they stood when the export
// began, so a listing or an edit meanwhile does not disturb it; a cancel or
// an error leaves no file behind.

#include <QObject>

#include <functional>

class QIODevice;
class QWidget;

namespace stagepath {

class EdgeTable;
class ResultTable;
struct TaskProgress;

class TableExport : public QObject
{
    Q_OBJECT
public:
    TableExport(QWidget *window, const EdgeTable *edges, const ResultTable *results,
                std::function<QString()> suggestedName, std::function<void(const QString &)> report);

public Q_SLOTS:
    // Opens the file dialog (not blocking); choosing a file exports to it.
    void chooseFile();
    void exportResults(const QString &fileName);
    void exportEdges(const QString &fileName);

Q_SIGNALS:
    // When the file was written, or writing failed or was cancelled.
    void done();

private:
    void write(const QString &fileName, const QString &label,
               std::function<bool(QIODevice *, TaskProgress *)> writer);

    QWidget *m_window;
    const EdgeTable *m_edges;
    const ResultTable *m_results;
    std::function<QString()> m_suggestedName;
    std::function<void(const QString &)> m_report;
};

} // namespace stagepath

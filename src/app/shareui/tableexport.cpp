// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/shareui/tableexport.h"

#include "app/lessonui/lastfolder.h"
#include "app/tasks/backgroundtask.h"

#include "model/edgetable.h"
#include "share/edgecsv.h"
#include "share/resultcsv.h"
#include "share/savedfile.h"
#include "solver/resulttable.h"

#include <QFileDialog>

#include <memory>

namespace stagepath {

TableExport::TableExport(QWidget *window, const EdgeTable *edges, const ResultTable *results,
                         std::function<QString()> suggestedName, std::function<void(const QString &)> report)
    : QObject(window)
    , m_window(window)
    , m_edges(edges)
    , m_results(results)
    , m_suggestedName(std::move(suggestedName))
    , m_report(std::move(report))
{
}

void TableExport::chooseFile()
{
    const QString results = tr("Sonuç tablosu, CSV (*.csv)");
    const QString edges = tr("Kenar tablosu, CSV (*.csv)");
    const bool listed = m_results->pathCount() > 0;
    auto *dialog = new QFileDialog(m_window, tr("Tabloyu Dışa Aktar"));
    dialog->setObjectName(QStringLiteral("ExportResultsDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters(listed ? QStringList{results, edges} : QStringList{edges});
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    dialog->setDirectory(lastfolder::folder());
    dialog->selectFile(m_suggestedName() + (listed ? tr("-yollar") : tr("-kenarlar")) + QStringLiteral(".csv"));
    connect(dialog, &QFileDialog::filterSelected, dialog, [=, this](const QString &filter) {
        dialog->selectFile(m_suggestedName() + (filter == results ? tr("-yollar") : tr("-kenarlar"))
                           + QStringLiteral(".csv"));
    });
    connect(dialog, &QFileDialog::fileSelected, this, [=, this](const QString &file) {
        if (dialog->selectedNameFilter() == results)
            exportResults(file);
        else
            exportEdges(file);
    });
    dialog->open();
}

void TableExport::exportResults(const QString &fileName)
{
    auto paths = std::make_shared<const ListedPaths>(ListedPaths::of(*m_results));
    write(fileName, tr("Sonuç tablosu yazılıyor…"), [paths](QIODevice *device, TaskProgress *progress) {
        return writeResultCsv(*paths, device, progress);
    });
}

void TableExport::exportEdges(const QString &fileName)
{
    const EdgeDataPtr edges = m_edges->snapshot();
    QStringList headers;
    for (int c = 0; c < EdgeTable::ColumnCount; ++c)
        headers << EdgeTable::headerText(c);
    write(fileName, tr("Kenar tablosu yazılıyor…"), [edges, headers](QIODevice *device, TaskProgress *progress) {
        return writeEdgeCsv(*edges, headers, device, progress);
    });
}

void TableExport::write(const QString &fileName, const QString &label,
                        std::function<bool(QIODevice *, TaskProgress *)> writer)
{
    lastfolder::remember(fileName);
    BackgroundTask::writeFile(m_window, label, fileName, std::move(writer), [this](const FileOutcome &outcome) {
        if (outcome.status == FileOutcome::Failed)
            m_report(outcome.problem);
        Q_EMIT done();
    });
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/shareui/lessonprinter.h"

#include "app/tasks/backgroundtask.h"

#include "model/edgetable.h"
#include "share/printout.h"
#include "solver/resulttable.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

namespace stagepath {

QPrintPreviewDialog *openPrintPreview(QWidget *parent, std::shared_ptr<std::optional<Printout>> printout)
{
    auto *dialog = new QPrintPreviewDialog(parent);
    dialog->setObjectName(QStringLiteral("PrintPreview"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->printer()->setDocName(printout->value().content().title);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [printout](QPrinter *printer) { printout->value().print(printer); });
    dialog->open();
    return dialog;
}

LessonPrinter::LessonPrinter(QWidget *window, const EdgeTable *edges, const ResultTable *results,
                           std::function<LessonSettings()> settings, std::function<QString()> title)
    : QObject(window)
    , m_window(window)
    , m_edges(edges)
    , m_results(results)
    , m_settings(std::move(settings))
    , m_title(std::move(title))
{
}

void LessonPrinter::preview()
{
    auto printout = std::make_shared<std::optional<Printout>>();
    const QString title = m_title();
    const EdgeDataPtr edges = m_edges->snapshot();
    const LessonSettings settings = m_settings();
    const ListedPaths listed = ListedPaths::of(*m_results);
    BackgroundTask::start(
        m_window, tr("Baskı hazırlanıyor…"),
        [=](TaskProgress &) { printout->emplace(Printout::gather(title, edges, settings, listed)); },
        [this, printout](const BackgroundTask::Outcome &outcome) {
            if (outcome.status != BackgroundTask::Outcome::Completed || !*printout)
                return;
            Q_EMIT previewOpened(openPrintPreview(m_window, printout));
        });
}

} // namespace stagepath

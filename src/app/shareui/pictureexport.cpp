// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/shareui/pictureexport.h"

#include "app/lessonui/lastfolder.h"
#include "app/tasks/backgroundtask.h"

#include "share/picturefile.h"

#include <QDir>
#include <QFileDialog>


namespace stagepath {

PictureExport::PictureExport(QWidget *window, std::function<GraphPicture()> picture,
                             std::function<QString()> suggestedName, std::function<void(const QString &)> report)
    : QObject(window)
    , m_window(window)
    , m_picture(std::move(picture))
    , m_suggestedName(std::move(suggestedName))
    , m_report(std::move(report))
{
}

void PictureExport::chooseFile()
{
    const QString png = tr("PNG resmi (*.png)");
    const QString png2x = tr("PNG resmi, iki kat (2×) (*.png)");
    const QString svg = tr("SVG çizimi (*.svg)");
    const QString pdf = tr("PDF belgesi (*.pdf)");
    // The window's look (its background) or the print look (white, dark lines).
    const QString pngPaper = tr("PNG resmi, baskı görünümü (*.png)");
    const QString svgPaper = tr("SVG çizimi, baskı görünümü (*.svg)");
    auto *dialog = new QFileDialog(m_window, tr("Çizimi Dışa Aktar"));
    dialog->setObjectName(QStringLiteral("ExportPictureDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters({png, png2x, svg, pdf, pngPaper, svgPaper});
    dialog->setDirectory(lastfolder::folder());
    dialog->selectFile(m_suggestedName() + QStringLiteral(".png"));
    dialog->setDefaultSuffix(QStringLiteral("png"));
    connect(dialog, &QFileDialog::filterSelected, dialog, [=](const QString &filter) {
        dialog->setDefaultSuffix(filter == svg || filter == svgPaper ? QStringLiteral("svg")
                                 : filter == pdf ? QStringLiteral("pdf") : QStringLiteral("png"));
    });
    connect(dialog, &QFileDialog::fileSelected, this, [=, this](const QString &file) {
        const QString filter = dialog->selectedNameFilter();
        exportTo(file, filter == png2x ? 2 : 1, filter == pngPaper || filter == svgPaper);
    });
    dialog->open();
}

void PictureExport::exportTo(const QString &fileName, int pngScale, bool paper)
{
    const auto format = pictureFormatOf(fileName);
    if (!format) {
        m_report(tr("\"%1\" için resim türü bilinmiyor: dosya adı .png, .svg ya da .pdf ile bitmeli.")
                     .arg(QDir::toNativeSeparators(fileName)));
        Q_EMIT done();
        return;
    }
    const GraphPicture picture = m_picture().inLook(paper);
    if (const auto problem = pictureSizeProblem(picture, *format, pngScale)) {
        m_report(*problem);
        Q_EMIT done();
        return;
    }
    lastfolder::remember(fileName);
    BackgroundTask::writeFile(
        m_window, tr("Çizim yazılıyor…"), fileName,
        [picture, format = *format, pngScale](QIODevice *device, TaskProgress *) {
            return writePicture(picture, format, device, pngScale);
        },
        [this](const FileOutcome &outcome) {
            if (outcome.status == FileOutcome::Failed)
                m_report(outcome.problem);
            Q_EMIT done();
        });
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/exerciseui/exerciseactions.h"

#include "app/common/busycursor.h"
#include "app/exerciseui/newexercisedialog.h"
#include "app/lessonui/lastfolder.h"
#include "app/lessonui/lessonfiles.h"

#include "lesson/exercisegenerator.h"
#include "lesson/lessondocument.h"
#include "share/worksheet.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>

#include <new>

namespace stagepath {

ExerciseActions::ExerciseActions(QMainWindow *window, LessonDocument *document, LessonFiles *files,
                                 std::function<void(const QString &)> report)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , m_files(files)
    , m_report(std::move(report))
{
}

void ExerciseActions::addActions(QMenu *exerciseMenu)
{
    m_newExercise = new QAction(m_window);
    m_newExercise->setObjectName(QStringLiteral("actionNewExercise"));
    m_worksheet = new QAction(m_window);
    m_worksheet->setObjectName(QStringLiteral("actionWorksheet"));
    exerciseMenu->addAction(m_newExercise);
    exerciseMenu->addAction(m_worksheet);
    connect(m_newExercise, &QAction::triggered, this, &ExerciseActions::newExercise);
    connect(m_worksheet, &QAction::triggered, this, &ExerciseActions::writeWorksheet);
    retranslate();
}

void ExerciseActions::retranslate()
{
    m_newExercise->setText(tr("Yeni Alıştırma…"));
    m_worksheet->setText(tr("Çalışma Kâğıdı…"));
    if (m_dialog)
        m_dialog->retranslate();
}

void ExerciseActions::newExercise()
{
    if (!m_dialog)
        m_dialog = new NewExerciseDialog(m_window, m_report,
                                         [this](const ExerciseOrigin &options) { return makeExercise(options); });
    m_dialog->start(m_document->settings().values.longest ? PathMode::Longest : PathMode::Shortest);
}

// Whether the exercise was made and loaded; when not, a message says why
// (or the user kept the modified lesson).
bool ExerciseActions::makeExercise(const ExerciseOrigin &options)
{
    ExerciseResult made;
    try {
        const BusyCursor busy(true);
        made = generateExercise(options);
    } catch (const std::bad_alloc &) {
        made.problem = tr("Alıştırma yapılamadı: bellek yetmedi.");
    }
    if (!made.lesson) {
        m_report(made.problem);
        return false;
    }
    // Asked once the options are known to give an exercise; "İptal" keeps
    // both the lesson and the dialog.
    if (!m_files->confirmDiscard())
        return false;
    m_document->load(*made.lesson, QString());
    return true;
}

// A save dialog for a PDF file, opened without blocking; done is called with the file chosen.
void ExerciseActions::chooseFile(const QString &title, const char *name, const QString &proposed,
                                 const std::function<void(const QString &)> &done)
{
    auto *dialog = new QFileDialog(m_window, title, QFileInfo(proposed).absolutePath(), tr("PDF belgeleri (*.pdf)"));
    dialog->setObjectName(QLatin1String(name));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->selectFile(QFileInfo(proposed).fileName());
    connect(dialog, &QFileDialog::fileSelected, this, done);
    dialog->open();
}

void ExerciseActions::writeWorksheet()
{
    if (const QString problem = worksheetProblem(m_document->lesson()); !problem.isEmpty()) {
        m_report(tr("Çalışma kâğıdı yazılamadı: %1").arg(problem));
        return;
    }
    const QString base = m_document->fileName().isEmpty()
        ? QDir(lastfolder::folder()).filePath(tr("alistirma"))
        : QFileInfo(m_document->fileName()).absolutePath() + u'/' + QFileInfo(m_document->fileName()).completeBaseName();
    chooseFile(tr("Çalışma Kâğıdını Kaydet"), "WorksheetDialog", base + QStringLiteral(".pdf"),
               [this](const QString &sheetFile) {
                   const QFileInfo sheet(sheetFile);
                   chooseFile(tr("Cevap Anahtarını Kaydet"), "KeyDialog",
                              sheet.absolutePath() + u'/' + sheet.completeBaseName() + tr("-cevaplar")
                                  + QStringLiteral(".pdf"),
                              [this, sheetFile](const QString &keyFile) { writeWorksheetFiles(sheetFile, keyFile); });
               });
}

void ExerciseActions::writeWorksheetFiles(const QString &sheetFile, const QString &keyFile)
{
    if (QFileInfo(keyFile).absoluteFilePath() == QFileInfo(sheetFile).absoluteFilePath()) {
        m_report(tr("Çalışma kâğıdı ve cevap anahtarı aynı dosyaya (\"%1\") yazılamaz.").arg(QDir::toNativeSeparators(keyFile)));
        return;
    }
    // The lesson as it is now: it may have changed while the dialogs were open.
    const Lesson lesson = m_document->lesson();
    if (const QString problem = worksheetProblem(lesson); !problem.isEmpty()) {
        m_report(tr("Çalışma kâğıdı yazılamadı: %1").arg(problem));
        return;
    }
    const BusyCursor busy(true);
    const QString problem =
        stagepath::writeWorksheetFiles({sheetExercise(lesson, 1)}, {keyExercise(lesson, 1)}, sheetFile, keyFile);
    if (!problem.isEmpty())
        m_report(problem);
    else
        lastfolder::remember(sheetFile);
}

} // namespace stagepath

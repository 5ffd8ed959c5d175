// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/lessonfiles.h"

#include "app/common/busycursor.h"
#include "app/common/errorfence.h"
#include "app/common/keyboard.h"
#include "app/lessonui/lastfolder.h"
#include "app/lessonui/recentfiles.h"
#include "app/tasks/backgroundtask.h"

#include "background/backgroundlimits.h"
#include "lesson/lessondocument.h"
#include "lesson/lessonfile.h"
#include "share/picturefile.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <memory>
#include <new>

namespace stagepath {

namespace {

// A lesson file read, or why not; nothing thrown.
LessonReading readFile(const QString &fileName)
{
    try {
        return readLessonFile(fileName);
    } catch (const std::bad_alloc &) {
        return {std::nullopt, LessonFiles::tr("\"%1\" açılamadı: bellek yetmedi.").arg(QDir::toNativeSeparators(fileName))};
    }
}

// The picture of a lesson read, as the window draws it; none when it cannot
// be made (the window then makes it, and says why).
GraphPicture pictureOf(const LessonReading &reading)
{
    if (!reading.lesson)
        return {};
    try {
        return GraphPicture(reading.lesson->edges, drawSettingsOf(reading.lesson->settings));
    } catch (...) {
        return {};
    }
}

// A lesson file written, or why not; nothing thrown.
QString writeFile(const QString &fileName, const Lesson &lesson)
{
    try {
        return writeLessonFile(fileName, lesson);
    } catch (const std::bad_alloc &) {
        return LessonFiles::tr("\"%1\" kaydedilemedi: bellek yetmedi.").arg(QDir::toNativeSeparators(fileName));
    }
}

} // namespace

template <typename Handler>
bool LessonFiles::fenced(Handler &&handler)
{
    return runFenced(m_report, std::forward<Handler>(handler));
}

LessonFiles::LessonFiles(QMainWindow *window, LessonDocument *document, std::function<void(const QString &)> report)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , m_report(std::move(report))
{
}

QAction *LessonFiles::addAction(QMenu *menu, const char *name, QKeySequence::StandardKey key)
{
    auto *action = new QAction(m_window);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(standardShortcuts(key));
    menu->addAction(action);
    return action;
}

void LessonFiles::addActions(QMenu *fileMenu)
{
    m_new = addAction(fileMenu, "actionNew", QKeySequence::New);
    m_open = addAction(fileMenu, "actionOpen", QKeySequence::Open);
    m_recentMenu = fileMenu->addMenu(QString());
    m_recentMenu->setObjectName(QStringLiteral("menuRecentFiles"));
    m_recent = new RecentFiles(m_recentMenu, this);
    fileMenu->addSeparator();
    m_save = addAction(fileMenu, "actionSave", QKeySequence::Save);
    m_saveAs = addAction(fileMenu, "actionSaveAs", QKeySequence::SaveAs);
    fileMenu->addSeparator();
    m_quit = addAction(fileMenu, "actionQuit", QKeySequence::Quit);

    // Each entry through the fence: an error is reported, the lesson kept.
    connect(m_new, &QAction::triggered, this, [this] { fenced([this] { newLesson(); }); });
    connect(m_open, &QAction::triggered, this, [this] { fenced([this] { chooseAndOpen(); }); });
    connect(m_recent, &RecentFiles::chosen, this, [this](const QString &file) { fenced([&] { open(file); }); });
    connect(m_save, &QAction::triggered, this, [this] { fenced([this] { save(); }); });
    connect(m_saveAs, &QAction::triggered, this, [this] { fenced([this] { saveAs(); }); });
    connect(m_quit, &QAction::triggered, m_window, &QWidget::close);
    retranslate();
}

void LessonFiles::retranslate()
{
    m_new->setText(tr("Yeni"));
    m_open->setText(tr("Aç…"));
    m_recentMenu->setTitle(tr("Son Açılanlar"));
    m_save->setText(tr("Kaydet"));
    m_saveAs->setText(tr("Farklı Kaydet…"));
    m_quit->setText(tr("Çıkış"));
}

bool LessonFiles::confirmDiscard()
{
    // A lesson being written is written first; one being read is given up
    // once the lesson shown may go.
    if (m_writing)
        m_writing->finishNow();
    if (!m_document->isModified() || askToDiscard()) {
        if (m_reading)
            m_reading->cancel();
        return true;
    }
    return false;
}

// Kaydet / Kaydetme / İptal; true when the lesson may go.
bool LessonFiles::askToDiscard()
{
    const QString name = QFileInfo(m_document->fileName()).fileName();
    QMessageBox question(QMessageBox::Warning, tr("En Kısa Yol"),
                         name.isEmpty() ? tr("Dersteki değişiklikler kaydedilsin mi?")
                                        : tr("\"%1\" dersindeki değişiklikler kaydedilsin mi?").arg(name),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window);
    question.setObjectName(QStringLiteral("SaveQuestion"));
    question.setInformativeText(tr("Kaydedilmezse değişiklikler kaybolur."));
    question.button(QMessageBox::Save)->setText(tr("Kaydet"));
    question.button(QMessageBox::Discard)->setText(tr("Kaydetme"));
    question.button(QMessageBox::Cancel)->setText(tr("İptal"));
    question.setDefaultButton(QMessageBox::Save);
    question.setEscapeButton(QMessageBox::Cancel);
    switch (question.exec()) {
    case QMessageBox::Save: return saveLesson(Writing::Now);
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

void LessonFiles::newLesson()
{
    if (confirmDiscard())
        m_document->startNew();
}

bool LessonFiles::open(const QString &fileName)
{
    return confirmDiscard() && read(fileName);
}

void LessonFiles::chooseAndOpen()
{
    if (!confirmDiscard())
        return;
    QFileDialog dialog(m_window, tr("Ders Aç"), dialogFolder(), fileFilter());
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        read(dialog.selectedFiles().constFirst());
}

bool LessonFiles::save()
{
    return saveLesson(Writing::OnWorkerWhenLarge);
}

bool LessonFiles::saveAs()
{
    return saveLessonAs(Writing::OnWorkerWhenLarge);
}

bool LessonFiles::saveLesson(Writing writing)
{
    if (m_document->fileName().isEmpty())
        return saveLessonAs(writing);
    return write(m_document->fileName(), writing);
}

bool LessonFiles::saveLessonAs(Writing writing)
{
    QFileDialog dialog(m_window, tr("Dersi Farklı Kaydet"), dialogFolder(), fileFilter());
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(lessonfile::suffix));
    // The lesson's own name, or "Adsız.stagepath" for a new one, in the folder.
    const QString name = m_document->fileName().isEmpty()
        ? tr("Adsız") + QLatin1Char('.') + QLatin1String(lessonfile::suffix)
        : QFileInfo(m_document->fileName()).fileName();
    dialog.selectFile(QDir(dialogFolder()).filePath(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return write(dialog.selectedFiles().constFirst(), writing);
}

bool LessonFiles::read(const QString &fileName)
{
    if (QFileInfo(fileName).size() <= backgroundFileBytes) {
        const BusyCursor busy(true);
        return takeReading(fileName, readFile(fileName));
    }
    // The worker lets go of what it made before it ends, so that it is the
    // window's alone once taken.
    auto reading = std::make_shared<LessonReading>();
    auto picture = std::make_shared<GraphPicture>();
    if (m_reading)
        m_reading->cancel();
    m_reading = BackgroundTask::start(
        m_window, tr("Ders açılıyor…"),
        [fileName, result = reading, drawn = picture](TaskProgress &) mutable {
            *result = readFile(fileName);
            *drawn = pictureOf(*result);
            result.reset();
            drawn.reset();
        },
        [this, fileName, reading, picture](const BackgroundTask::Outcome &outcome) {
            fenced([&] {
                if (outcome.status == BackgroundTask::Outcome::Failed)
                    m_report(outcome.problem);
                if (outcome.status != BackgroundTask::Outcome::Completed)
                    return;
                Q_EMIT picturePrepared(*picture);
                takeReading(fileName, *reading);
            });
        },
        BackgroundTask::Cancel::Offered, BackgroundTask::Window::Waits);
    return true;
}

bool LessonFiles::takeReading(const QString &fileName, const LessonReading &reading)
{
    try {
        if (!reading.lesson) {
            if (!QFileInfo::exists(fileName))
                m_recent->remove(fileName);
            m_report(reading.problem);
            return false;
        }
        m_document->load(*reading.lesson, QFileInfo(fileName).absoluteFilePath());
        m_recent->add(fileName);
        lastfolder::remember(fileName);
        return true;
    } catch (const std::bad_alloc &) {
        m_report(tr("\"%1\" açılamadı: bellek yetmedi.").arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
}

bool LessonFiles::write(const QString &fileName, Writing writing)
{
    auto lesson = std::make_shared<const Lesson>(m_document->lesson());
    if (writing == Writing::Now || lesson->edges->shape.edgeCount() <= workerEdgeThreshold) {
        const BusyCursor busy(true);
        return finishWriting(fileName, writeFile(fileName, *lesson));
    }
    // The lesson is immutable data; the worker lets go of it before it ends.
    auto problem = std::make_shared<QString>();
    if (m_writing)
        m_writing->finishNow();
    m_writing = BackgroundTask::start(
        m_window, tr("Ders kaydediliyor…"),
        [fileName, lesson, result = problem](TaskProgress &) mutable {
            *result = writeFile(fileName, *lesson);
            lesson.reset();
            result.reset();
        },
        [this, fileName, problem](const BackgroundTask::Outcome &outcome) {
            fenced([&] {
                if (outcome.status == BackgroundTask::Outcome::Failed)
                    *problem = outcome.problem;
                finishWriting(fileName, *problem);
            });
        },
        BackgroundTask::Cancel::NotOffered, BackgroundTask::Window::Waits);
    return true;
}

bool LessonFiles::finishWriting(const QString &fileName, const QString &problem)
{
    if (!problem.isEmpty()) {
        m_report(problem);
        return false;
    }
    m_document->markSaved(QFileInfo(fileName).absoluteFilePath());
    m_recent->add(fileName);
    lastfolder::remember(fileName);
    return true;
}

QString LessonFiles::dialogFolder() const
{
    if (!m_document->fileName().isEmpty())
        return QFileInfo(m_document->fileName()).absolutePath();
    return lastfolder::folder();
}

QString LessonFiles::fileFilter() const
{
    return tr("stagepath dersleri (*.%1)").arg(QLatin1String(lessonfile::suffix)) + QStringLiteral(";;")
        + tr("Tüm dosyalar (*)");
}

} // namespace stagepath

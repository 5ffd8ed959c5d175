#include "lessonfiles.h"

#include "keyboard.h"

#include "lastfolder.h"
#include "recentfiles.h"

#include "lesson/lessondocument.h"
#include "lesson/lessonfile.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <new>

namespace stagepath {

namespace {

// The busy cursor while a large lesson is read or written.
struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

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

    connect(m_new, &QAction::triggered, this, &LessonFiles::newLesson);
    connect(m_open, &QAction::triggered, this, &LessonFiles::chooseAndOpen);
    connect(m_recent, &RecentFiles::chosen, this, &LessonFiles::open);
    connect(m_save, &QAction::triggered, this, &LessonFiles::save);
    connect(m_saveAs, &QAction::triggered, this, &LessonFiles::saveAs);
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
    if (!m_document->isModified())
        return true;
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
    case QMessageBox::Save: return save();
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
    if (m_document->fileName().isEmpty())
        return saveAs();
    return write(m_document->fileName());
}

bool LessonFiles::saveAs()
{
    QFileDialog dialog(m_window, tr("Dersi Farklı Kaydet"), dialogFolder(), fileFilter());
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(lessonfile::suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return write(dialog.selectedFiles().constFirst());
}

bool LessonFiles::read(const QString &fileName)
{
    try {
        const BusyCursor busy;
        const LessonReading reading = readLessonFile(fileName);
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

bool LessonFiles::write(const QString &fileName)
{
    try {
        const BusyCursor busy;
        const QString problem = writeLessonFile(fileName, m_document->lesson());
        if (!problem.isEmpty()) {
            m_report(problem);
            return false;
        }
        m_document->markSaved(QFileInfo(fileName).absoluteFilePath());
        m_recent->add(fileName);
        lastfolder::remember(fileName);
        return true;
    } catch (const std::bad_alloc &) {
        m_report(tr("\"%1\" kaydedilemedi: bellek yetmedi.").arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
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

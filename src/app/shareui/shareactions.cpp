// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/shareui/shareactions.h"

#include "app/common/errorfence.h"

#include "app/common/keyboard.h"
#include "app/shareui/clipboardcopier.h"
#include "app/shareui/lessonprinter.h"
#include "app/shareui/pictureexport.h"
#include "app/shareui/tableexport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace stagepath {

ShareActions::ShareActions(const ShareSources &sources)
    : QObject(sources.window)
    , m_sources(sources)
{
    QWidget *window = sources.window;
    const auto name = [this] { return lessonName(); };
    m_pictureExport = new PictureExport(window, sources.picture, name, sources.report);
    m_tableExport = new TableExport(window, sources.edges, sources.results, name, sources.report);
    m_printer = new LessonPrinter(window, sources.edges, sources.results, sources.settings, [this] {
        const QString file = QFileInfo(m_sources.lessonFile()).fileName();
        return file.isEmpty() ? tr("En Kısa Yol") : tr("En Kısa Yol — %1").arg(file);
    });
    m_copier = new ClipboardCopier(window, sources.edges, sources.picture, sources.report);
    for (QAbstractItemView *view : sources.rangeViews)
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);

    m_exportPictureAction = newAction("actionExportPicture");
    m_exportResultsAction = newAction("actionExportResults");
    m_printAction = newAction("actionPrint");
    m_printAction->setShortcuts(standardShortcuts(QKeySequence::Print));
    m_copyAction = newAction("actionCopy");
    m_copyAction->setShortcuts(standardShortcuts(QKeySequence::Copy));
    // Each through the fence: an error is reported and the window goes on.
    const auto fenced = [this](QAction *action, auto command) {
        connect(action, &QAction::triggered, this, [this, command] { runFenced(m_sources.report, command); });
    };
    fenced(m_exportPictureAction, [this] { m_pictureExport->chooseFile(); });
    fenced(m_exportResultsAction, [this] { m_tableExport->chooseFile(); });
    fenced(m_printAction, [this] { m_printer->preview(); });
    fenced(m_copyAction, [this] { m_copier->copy(); });
    retranslate();
}

QAction *ShareActions::newAction(const char *name)
{
    auto *action = new QAction(m_sources.window);
    action->setObjectName(QLatin1String(name));
    return action;
}

void ShareActions::addActions(QMenu *fileMenu, QMenu *editMenu)
{
    QAction *quit = nullptr;
    for (QAction *action : fileMenu->actions()) {
        if (action->objectName() == QLatin1String("actionQuit"))
            quit = action;
    }
    fileMenu->insertActions(quit, {m_exportPictureAction, m_exportResultsAction});
    fileMenu->insertSeparator(quit);
    fileMenu->insertAction(quit, m_printAction);
    fileMenu->insertSeparator(quit);
    editMenu->addSeparator();
    editMenu->addAction(m_copyAction);
}

void ShareActions::retranslate()
{
    m_exportPictureAction->setText(tr("Çizimi Dışa Aktar…"));
    m_exportResultsAction->setText(tr("Tabloyu Dışa Aktar (CSV)…"));
    m_printAction->setText(tr("Yazdır…"));
    m_copyAction->setText(tr("Kopyala"));
}

QString ShareActions::lessonName() const
{
    const QString base = QFileInfo(m_sources.lessonFile()).completeBaseName();
    return base.isEmpty() ? tr("ders") : base;
}

} // namespace stagepath

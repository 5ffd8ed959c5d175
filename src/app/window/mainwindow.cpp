// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window/mainwindow.h"

#include "app/common/twips.h"
#include "app/common/windowmessages.h"
#include "app/exerciseui/exerciseactions.h"
#include "app/exerciseui/exercisemode.h"
#include "app/help/helpmenu.h"
#include "app/lessonui/historyactions.h"
#include "app/lessonui/lessonfiles.h"
#include "app/lessonui/pathlisting.h"
#include "app/lessonui/settingcontrols.h"
#include "app/lessonui/stagenavigation.h"
#include "app/lessonui/tabstrip.h"
#include "app/lessonui/textbookactions.h"
#include "app/lessonui/valueediting.h"
#include "app/picture/picturebox.h"
#include "app/picture/picturedrawing.h"
#include "app/picture/pictureviewport.h"
#include "app/platform/languagemenu.h"
#include "app/platform/languagewatch.h"
#include "app/shareui/shareactions.h"
#include "app/stepsui/solutionviews.h"
#include "app/tables/reportview.h"
#include "app/window/windowfit.h"
#include "app/window/windowrouting.h"

#include "lesson/lessondocument.h"
#include "model/edgetable.h"
#include "model/stagetable.h"
#include "solver/resulttable.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QUndoStack>


namespace stagepath {

MainWindow::MainWindow(std::unique_ptr<RandomSource> random, QWidget *parent)
    : QMainWindow(parent)
    , m_lesson(new LessonDocument(random ? std::move(random) : std::make_unique<ClockStirredRandom>(), this))
    , m_settings(m_lesson->settings().values)
    , m_stageTable(m_lesson->stageTable())
    , m_edgeTable(m_lesson->edgeTable())
    , m_messages(new WindowMessages(this))
    , m_controls(createMainClientArea(this))
    , m_pictureView(new PictureViewport(m_controls, this))
    , m_windowFit(new WindowFit(m_controls, m_pictureView, this))
    , m_resultTable(new ResultTable(this))
    , m_pathTexts(new PathTextList(m_resultTable, this))
    , m_stageTabs(new StageTabs(m_controls.stageTabs, m_controls.stageEdgeView, m_stageTable, m_edgeTable, this))
    , m_settingControls(new SettingControls(m_controls, m_lesson, m_messages, this))
{
    m_controls.stageView->setModel(m_stageTable);
    m_controls.edgeView->setModel(m_edgeTable);
    m_controls.resultView->setModel(m_resultTable);
    m_controls.pathTextList->setModel(m_pathTexts);
    applyDesignColumnWidths(m_controls);
    createMenus();
    wireEvents();
    wireLesson();
    retranslateUi();
    // From here on a change of language retranslates the window: nothing is
    // left unbuilt to translate.
    installEventFilter(new LanguageWatch([this] { retranslateUi(); }, this));
    // The client area has its design size before anything is drawn; the menu
    // bar comes on top of it.
    m_controls.widget->resize(designClientSize());
    resize(designClientSize() + QSize(0, menuBar()->sizeHint().height()));
    // The start-up lesson (stage count "4", the start-up settings, fresh
    // values), shown in the controls and drawn.
    m_lesson->startNew();
}

MainWindow::~MainWindow() = default;

void MainWindow::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_editMenu = menuBar()->addMenu(QString());
    m_viewMenu = menuBar()->addMenu(QString());
    m_exerciseMenu = menuBar()->addMenu(QString());
    m_helpMenu = menuBar()->addMenu(QString());

    const auto warn = m_messages->warner();
    m_files = new LessonFiles(this, m_lesson, warn);
    m_files->addActions(m_fileMenu);
    m_historyActions = new HistoryActions(this, m_lesson, warn);
    m_historyActions->addActions(m_editMenu);
    m_share = new ShareActions({this, [this] { return m_controls.picture->picture(); }, m_edgeTable, m_resultTable,
                                [this] { return m_settings; }, [this] { return m_lesson->fileName(); }, warn,
                                {m_controls.edgeView, m_controls.stageEdgeView}});
    m_share->addActions(m_fileMenu, m_editMenu);
    m_textbook = new TextbookActions(this, m_lesson, warn);
    m_valueEditing = new ValueEditing(
        {this, m_lesson, m_controls.edgeView, m_controls.stageEdgeView, m_stageTabs->filter(), warn});
    m_valueEditing->addActions(m_editMenu);
    m_pictureView->addZoomActions(m_viewMenu);
    m_windowFit->addActions(m_viewMenu);
    m_viewMenu->addSeparator();
    m_stageNavigation = new StageNavigation(m_controls.stageTabs, this);
    m_stageNavigation->addActions(m_viewMenu);
    m_viewMenu->addSeparator();
    m_solutionViews = new SolutionViews(
        {this, m_lesson, m_controls.picture, m_pictureView, m_controls.resultView, m_resultTable, warn});
    m_solutionViews->addActions(m_viewMenu);
    m_drawing = new PictureDrawing(
        {m_lesson, m_controls.picture, m_pictureView, m_solutionViews, m_messages}, this);
    connect(m_files, &LessonFiles::picturePrepared, m_drawing, &PictureDrawing::keepPrepared);
    m_pathListing = new PathListing(
        {m_lesson, m_resultTable, m_controls.resultView, m_solutionViews, m_messages,
         [drawing = m_drawing] { drawing->redraw(); }},
        this);
    m_textbook->addActions(m_editMenu, m_viewMenu);
    m_viewMenu->addSeparator();
    m_languageMenu = new LanguageMenu(this, m_viewMenu);
    m_exercises = new ExerciseActions(this, m_lesson, m_files, warn);
    m_exercises->addActions(m_exerciseMenu);
    m_exercise = new ExerciseMode(
        {this, m_lesson, &m_controls, m_solutionViews, m_resultTable,
         [listing = m_pathListing] { listing->drawBestPath(); }});
    m_exercise->addActions(m_exerciseMenu);
    m_helpCommands = new HelpMenu(this, m_helpMenu);
}

void MainWindow::retranslateUi()
{
    updateTitle();
    m_files->retranslate();
    m_historyActions->retranslate();
    m_share->retranslate();
    m_textbook->retranslate();
    m_valueEditing->retranslate();
    m_fileMenu->setTitle(tr("Dosya"));
    m_editMenu->setTitle(tr("Düzen"));
    m_viewMenu->setTitle(tr("Görünüm"));
    m_exerciseMenu->setTitle(tr("Alıştırma"));
    m_exercises->retranslate();
    m_helpMenu->setTitle(tr("Yardım"));
    retranslateClientArea(m_controls);
    m_pictureView->retranslate();
    m_windowFit->retranslate();
    m_stageNavigation->retranslate();
    m_solutionViews->retranslate();
    m_exercise->retranslate();
    m_languageMenu->retranslate();
    m_helpCommands->retranslate();
    retranslateControls();
}

// The tables' captions and labels, the tabs and the refusals of the text
// boxes follow the language.
void MainWindow::retranslateControls()
{
    m_stageTable->retranslate();
    m_edgeTable->retranslate();
    m_resultTable->retranslate();
    m_stageTabs->retranslate();
    m_settingControls->retranslate();
}

void MainWindow::wireEvents()
{
    const ClientArea &c = m_controls;
    connect(c.redrawButton, &QPushButton::clicked, m_drawing, &PictureDrawing::redraw);
    connect(c.listPathsButton, &QPushButton::clicked, m_pathListing, &PathListing::listPaths);
    connect(c.bestPathButton, &QPushButton::clicked, m_pathListing, &PathListing::drawBestPath);

    QWidget *picture = c.picture;
    connect(c.horizontalBar, &QScrollBar::valueChanged, picture,
            [picture](int value) { picture->move(twips::pictureOffset(value), picture->y()); });
    connect(c.verticalBar, &QScrollBar::valueChanged, picture,
            [picture](int value) { picture->move(picture->x(), twips::pictureOffset(value)); });

    connect(m_stageTable, &StageTable::countEdited, c.boxCountTimer, qOverload<>(&QTimer::start));
    connect(m_stageTable, &StageTable::editRefused, m_messages, &WindowMessages::warn);
    connect(m_edgeTable, &EdgeTable::valueEdited, c.edgeValueTimer, qOverload<>(&QTimer::start));
    // Timer1's tick: the edge table generated anew for the edited box counts
    // (shown by showTables, at once or when a large one is ready); nothing
    // when the edit was undone meanwhile.
    connect(c.boxCountTimer, &QTimer::timeout, this,
            [this] { m_messages->fenced([this] { m_lesson->startRegeneration(); }); });
    connect(c.edgeValueTimer, &QTimer::timeout, m_drawing, &PictureDrawing::redraw);
    connect(m_resultTable, &QAbstractItemModel::modelReset, this,
            [this] { applyResultColumnWidths(m_controls, m_resultTable->pathColumn()); });
}

bool MainWindow::openLesson(const QString &fileName)
{
    return m_files->open(fileName);
}

void MainWindow::wireLesson()
{
    connect(m_lesson, &LessonDocument::lessonReplaced, this, &MainWindow::showLesson);
    connect(m_lesson, &LessonDocument::tablesChanged, this, &MainWindow::showTables);
    connect(m_lesson, &LessonDocument::settingsChanged, this, &MainWindow::showSettings);
    connect(m_lesson, &LessonDocument::fileNameChanged, this, &MainWindow::updateTitle);
    connect(m_lesson, &LessonDocument::modifiedChanged, this, &MainWindow::updateTitle);
    connect(m_lesson, &LessonDocument::workingChanged, this, [this](bool working) { m_busyCursor.setBusy(working); });
    connect(m_lesson, &LessonDocument::workFailed, this,
            [this](const std::exception_ptr &error) { m_messages->fenced([&] { std::rethrow_exception(error); }); });
    m_routing = new WindowRouting([this](const QString &file) { m_files->open(file); }, this);
    const ClientArea &c = m_controls;
    for (QWidget *w : QList<QWidget *>{this, c.widget, c.stageCountEdit, c.xSpacingEdit, c.ySpacingEdit, c.penWidthEdit})
        m_routing->watch(w);
}

// "En Kısa Yol :: stagepath ekibi", then the lesson's file name, then the
// modified mark; with no file and no change, the caption alone.
void MainWindow::updateTitle()
{
    QString title = tr("En Kısa Yol :: stagepath ekibi");
    if (!m_lesson->fileName().isEmpty())
        title += QStringLiteral(" — ") + QFileInfo(m_lesson->fileName()).fileName();
    const bool modified = m_lesson->isModified();
    setWindowTitle(modified ? title + QStringLiteral("[*]") : title);
    setWindowModified(modified);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A close that fails on the way keeps the window, and says why.
    bool mayClose = false;
    m_messages->fenced([&] { mayClose = m_files->confirmDiscard(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

// A whole lesson replaced (new, opened): every control shows it, the tabs
// start at "Tümü", the result table is empty, and the graph is drawn.
void MainWindow::showLesson()
{
    m_messages->fenced([this] {
        m_settingControls->showSettings();
        showStages(StageTabs::Selection::All);
        m_drawing->redraw();
    });
}

// After undo or redo the selected tab stays when it still exists.
void MainWindow::showTables(TableChange change, ChangeOrigin origin)
{
    m_messages->fenced([&] {
        if (change == TableChange::StageCount)
            showStages(origin == ChangeOrigin::History ? StageTabs::Selection::Kept : StageTabs::Selection::All);
        m_drawing->redraw();
    });
}

// The stage count, the tabs and the result table's columns (its rows go).
void MainWindow::showStages(StageTabs::Selection tab)
{
    m_settingControls->showStageCount();
    m_stageTabs->rebuild(tab);
    m_resultTable->setStageColumns(m_stageTable->rowCount() - 1);
}

// After a change of a setting: undo and redo show it in its control; then
// the graph is redrawn. Choosing an option redraws nothing by itself;
// undoing or redoing it does.
void MainWindow::showSettings(Setting which, ChangeOrigin origin)
{
    if (which == Setting::Recursion)
        return; // the steps window shows it and nothing is drawn anew
    m_messages->fenced([&] {
        if (which == Setting::Answers)
            return; // the exercise panel shows them
        const bool fromHistory = origin == ChangeOrigin::History;
        if (fromHistory)
            m_settingControls->showSettings();
        if (fromHistory || which != Setting::Mode)
            m_drawing->redraw();
    });
}

} // namespace stagepath

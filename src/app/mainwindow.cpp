// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "errorfence.h"
#include "exerciseactions.h"
#include "exercisemode.h"
#include "helpmenu.h"
#include "historyactions.h"
#include "languagemenu.h"
#include "lessonfiles.h"
#include "messagebox.h"
#include "picturebox.h"
#include "pictureviewport.h"
#include "reportview.h"
#include "shareactions.h"
#include "solutionviews.h"
#include "stagenavigation.h"
#include "tabstrip.h"
#include "textbookactions.h"
#include "twips.h"
#include "windowfit.h"
#include "valueediting.h"
#include "windowrouting.h"

#include "drawing/geometry.h"
#include "drawing/picture.h"
#include "lesson/lessondocument.h"
#include "model/edgetable.h"
#include "model/inputlimits.h"
#include "model/numbers.h"
#include "model/stagefilter.h"
#include "model/stagetable.h"
#include "share/picturefile.h"
#include "solver/bestpath.h"
#include "solver/resulttable.h"
#include "solver/validation.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QUndoStack>

#include <exception>
#include <new>
#include <utility>

namespace stagepath {

namespace {

const QString invalidInputStyle = QStringLiteral("QLineEdit { border: 2px solid #c00000; background: #fff0f0; }");

QFont windowFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(6.75);
    return font;
}

// Counts and limits in a message, grouped as the locale groups them ("10.000").
QString grouped(qint64 number)
{
    return QLocale().toString(number);
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<RandomSource> random, QWidget *parent)
    : QMainWindow(parent)
    , m_lesson(new LessonDocument(random ? std::move(random) : std::make_unique<ClockStirredRandom>(), this))
    , m_settings(m_lesson->settings().values)
{
    setObjectName(QStringLiteral("Form1"));
    setFont(windowFont());
    m_controls = createClientArea(this);
    setCentralWidget(m_controls.widget);
    m_controls.widget->installEventFilter(this);
    m_pictureView = new PictureViewport(m_controls, this);
    createModels();
    createMenus();
    retranslateUi();
    wireEvents();
    wireLesson();
    // The client area has its design size before anything is drawn; the menu
    // bar comes on top of it.
    m_controls.widget->resize(designClientSize());
    resize(designClientSize() + QSize(0, menuBar()->sizeHint().height()));
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::createModels()
{
    m_stageTable = m_lesson->stageTable();
    m_edgeTable = m_lesson->edgeTable();
    m_stageFilter = new StageFilter(m_edgeTable, this);
    m_resultTable = new ResultTable(this);
    m_pathTexts = new PathTextList(m_resultTable, this);
    m_controls.stageView->setModel(m_stageTable);
    m_controls.edgeView->setModel(m_edgeTable);
    m_controls.stageEdgeView->setModel(m_stageFilter);
    m_controls.resultView->setModel(m_resultTable);
    m_controls.pathTextList->setModel(m_pathTexts);
    applyDesignColumnWidths(m_controls);
}

void MainWindow::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_editMenu = menuBar()->addMenu(QString());
    m_viewMenu = menuBar()->addMenu(QString());
    m_exerciseMenu = menuBar()->addMenu(QString());
    m_helpMenu = menuBar()->addMenu(QString());

    m_files = new LessonFiles(this, m_lesson, [this](const QString &problem) { showMessage(problem); });
    m_files->addActions(m_fileMenu);
    connect(m_files, &LessonFiles::picturePrepared, this,
            [this](const GraphPicture &picture) { m_preparedPicture = picture; });
    m_historyActions = new HistoryActions(this, m_lesson, [this](const QString &problem) { showMessage(problem); });
    m_historyActions->addActions(m_editMenu);
    m_share = new ShareActions({this, [this] { return m_controls.picture->picture(); }, m_edgeTable, m_resultTable,
                                [this] { return m_settings; }, [this] { return m_lesson->fileName(); },
                                [this](const QString &problem) { showMessage(problem); },
                                {m_controls.edgeView, m_controls.stageEdgeView}});
    m_share->addActions(m_fileMenu, m_editMenu);
    m_textbook = new TextbookActions(this, m_lesson, [this](const QString &problem) { showMessage(problem); });
    m_valueEditing = new ValueEditing({this, m_lesson, m_controls.edgeView, m_controls.stageEdgeView, m_stageFilter,
                                       [this](const QString &problem) { showMessage(problem); }});
    m_valueEditing->addActions(m_editMenu);
    m_pictureView->addZoomActions(m_viewMenu);
    m_windowFit = new WindowFit(m_controls, m_pictureView, this);
    m_windowFit->addActions(m_viewMenu);
    m_viewMenu->addSeparator();
    m_stageNavigation = new StageNavigation(m_controls.stageTabs, this);
    m_stageNavigation->addActions(m_viewMenu);
    m_viewMenu->addSeparator();
    m_solutionViews = new SolutionViews({this, m_lesson, m_controls.picture, m_pictureView, m_controls.resultView,
                                         m_resultTable, [this](const QString &problem) { showMessage(problem); }});
    m_solutionViews->addActions(m_viewMenu);
    m_textbook->addActions(m_editMenu, m_viewMenu);
    m_viewMenu->addSeparator();
    m_languageMenu = new LanguageMenu(this, m_viewMenu);
    m_exercises = new ExerciseActions(this, m_lesson, m_files, [this](const QString &problem) { showMessage(problem); });
    m_exercises->addActions(m_exerciseMenu);
    m_exercise = new ExerciseMode({this, m_lesson, &m_controls, m_solutionViews, m_resultTable,
                                   [this] { drawBestPath(); }});
    m_exercise->addActions(m_exerciseMenu);
    m_helpCommands = new HelpMenu(this, m_helpMenu);
}

void MainWindow::retranslateUi()
{
    const ClientArea &c = m_controls;
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
    c.stageCountLabel->setText(tr("Vorta Sayısı :"));
    c.redrawButton->setText(tr("Tekrar Çiz"));
    c.xSpacingLabel->setText(tr("X :"));
    c.ySpacingLabel->setText(tr("Y :"));
    c.penWidthLabel->setText(tr("Çizgi Kalınlığı :"));
    c.circleSizeLabel->setText(tr("Yuvarlak Boyutu :"));
    c.colourLinesBox->setText(tr("Çizgileri Renklendir"));
    c.listPathsButton->setText(tr("Hesaplama Yap"));
    c.shortestOption->setText(tr("En Kısa Yol"));
    c.longestOption->setText(tr("En Uzun Yol"));
    c.bestPathButton->setText(tr("Çiz"));

    // Names for assistive technology: a text box is named by its label.
    c.stageCountEdit->setAccessibleName(c.stageCountLabel->text());
    c.xSpacingEdit->setAccessibleName(c.xSpacingLabel->text());
    c.ySpacingEdit->setAccessibleName(c.ySpacingLabel->text());
    c.penWidthEdit->setAccessibleName(c.penWidthLabel->text());
    c.circleSizeBox->setAccessibleName(c.circleSizeLabel->text());
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             c.redrawButton, c.listPathsButton, c.bestPathButton, c.shortestOption, c.longestOption,
             c.colourLinesBox})
        b->setAccessibleName(b->text());
    c.stageView->setAccessibleName(tr("Vortalar"));
    c.viewport->setAccessibleName(QStringLiteral("Frame1"));
    c.picture->setAccessibleName(tr("Çizim"));
    c.horizontalBar->setAccessibleName(tr("Yatay kaydırma"));
    c.verticalBar->setAccessibleName(tr("Dikey kaydırma"));
    c.stageTabs->setAccessibleName(tr("Vorta sekmeleri"));
    c.edgeView->setAccessibleName(tr("Kenarlar"));
    c.stageEdgeView->setAccessibleName(tr("Vortanın kenarları"));
    c.pathTextList->setAccessibleName(tr("Yollar"));
    c.resultView->setAccessibleName(tr("Sonuçlar"));

    m_pictureView->retranslate();
    m_windowFit->retranslate();
    m_stageNavigation->retranslate();
    m_solutionViews->retranslate();
    m_exercise->retranslate();
    m_languageMenu->retranslate();
    m_helpCommands->retranslate();
    retranslateTables();
}

// The tables' captions and labels and the tabs follow the language; a text box
// that refuses its text says why again, in the new language (its handler only
// marks it again: refused text changes nothing).
void MainWindow::retranslateTables()
{
    m_stageTable->retranslate();
    m_edgeTable->retranslate();
    m_resultTable->retranslate();
    TabStrip *tabs = m_controls.stageTabs;
    const QStringList captions = stageTabCaptions(tabs->count() - 1);
    for (int i = 0; i < tabs->count() && i < captions.size(); ++i)
        tabs->setTabText(i, captions[i]);
    const ClientArea &c = m_controls;
    for (QLineEdit *edit : {c.stageCountEdit, c.xSpacingEdit, c.ySpacingEdit, c.penWidthEdit}) {
        if (edit->property("invalid").toBool())
            Q_EMIT edit->textChanged(edit->text());
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_helpCommands)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void MainWindow::wireEvents()
{
    const ClientArea &c = m_controls;
    connect(c.stageCountEdit, &QLineEdit::textChanged, this, &MainWindow::rebuildStages);
    wireSpacing(c.xSpacingEdit, Setting::XSpacing, &LessonSettings::xSpacing, &SettingsState::xText,
                QStringLiteral("X"));
    wireSpacing(c.ySpacingEdit, Setting::YSpacing, &LessonSettings::ySpacing, &SettingsState::yText,
                QStringLiteral("Y"));
    connect(c.penWidthEdit, &QLineEdit::textChanged, this, &MainWindow::applyPenWidth);
    connect(c.circleSizeBox, &QComboBox::currentIndexChanged, this, &MainWindow::applyCircleSize);
    connect(c.colourLinesBox, &QCheckBox::toggled, this, [this](bool on) {
        SettingsState next = m_lesson->settings();
        next.values.colourLines = on;
        applySetting(Setting::ColourLines, next);
    });
    // The options run nothing; choosing one is a change of the lesson all the same.
    connect(c.longestOption, &QRadioButton::toggled, this, [this](bool on) {
        SettingsState next = m_lesson->settings();
        next.values.longest = on;
        applySetting(Setting::Mode, next);
    });
    connect(c.redrawButton, &QPushButton::clicked, this, &MainWindow::redraw);
    connect(c.listPathsButton, &QPushButton::clicked, this, &MainWindow::listPaths);
    connect(c.bestPathButton, &QPushButton::clicked, this, &MainWindow::drawBestPath);

    QWidget *picture = c.picture;
    connect(c.horizontalBar, &QScrollBar::valueChanged, picture,
            [picture](int value) { picture->move(twips::pictureOffset(value), picture->y()); });
    connect(c.verticalBar, &QScrollBar::valueChanged, picture,
            [picture](int value) { picture->move(picture->x(), twips::pictureOffset(value)); });

    connect(m_stageTable, &StageTable::countEdited, c.boxCountTimer, qOverload<>(&QTimer::start));
    connect(m_stageTable, &StageTable::editRefused, this, [this](const QString &message) { showMessage(message); });
    connect(m_edgeTable, &EdgeTable::valueEdited, c.edgeValueTimer, qOverload<>(&QTimer::start));
    connect(c.boxCountTimer, &QTimer::timeout, this, &MainWindow::regenerateAndRedraw);
    // Leaving a text box ends a run of keystrokes: the next one starts a new step.
    for (QLineEdit *edit : {c.stageCountEdit, c.xSpacingEdit, c.ySpacingEdit, c.penWidthEdit})
        connect(edit, &QLineEdit::editingFinished, m_lesson, &LessonDocument::endTyping);
    connect(c.edgeValueTimer, &QTimer::timeout, this, &MainWindow::redraw);

    connect(c.stageTabs, &QTabBar::currentChanged, this, &MainWindow::showStageTab);
    connect(m_resultTable, &QAbstractItemModel::modelReset, this,
            [this] { applyResultColumnWidths(m_controls, m_resultTable->pathColumn()); });
}

// X and Y spacing: a number within the limit, or the box is marked and the old value stays.
void MainWindow::wireSpacing(QLineEdit *edit, Setting which, double LessonSettings::*member,
                             QString SettingsState::*shownText, const QString &name)
{
    connect(edit, &QLineEdit::textChanged, this, [=, this](const QString &text) {
        reportingErrors([&] {
            const auto v = parseNumber(text);
            if (!v || qAbs(*v) > limits::maxSpacing) {
                markInput(edit, tr("%1 aralığı %2 ile %3 arasında bir sayı olmalı; önceki değer (%4) kullanılıyor.")
                                    .arg(name, grouped(-qint64(limits::maxSpacing)), grouped(qint64(limits::maxSpacing)),
                                         formatNumber(m_settings.*member)));
                return;
            }
            markInput(edit, {});
            SettingsState next = m_lesson->settings();
            next.values.*member = *v;
            next.*shownText = text;
            applySetting(which, next);
        });
    });
}

void MainWindow::applyPenWidth(const QString &text)
{
    reportingErrors([&] {
        const auto v = parseNumber(text);
        const auto width = v ? toInt16(*v) : std::nullopt;
        if (!width || *width < 1) {
            markInput(m_controls.penWidthEdit,
                      tr("Çizgi Kalınlığı 1 ile %1 arasında bir sayı olmalı; önceki değer (%2) kullanılıyor.")
                          .arg(grouped(limits::maxPenWidth), QString::number(m_settings.penWidth)));
            return;
        }
        markInput(m_controls.penWidthEdit, {});
        SettingsState next = m_lesson->settings();
        next.values.penWidth = *width;
        next.penWidthText = text;
        applySetting(Setting::PenWidth, next);
    });
}

void MainWindow::applyCircleSize(int index)
{
    reportingErrors([&] {
        if (index < 0)
            return;
        SettingsState next = m_lesson->settings();
        if (const auto v = parseNumber(m_controls.circleSizeBox->itemText(index)))
            next.values.circleSize = *v;
        applySetting(Setting::CircleSize, next);
    });
}

// The load sequence: the start-up lesson (stage count "4", the start-up
// settings, fresh values), shown in the controls and drawn.
void MainWindow::load()
{
    m_lesson->startNew();
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
            [this](const std::exception_ptr &error) { reportingErrors([&] { std::rethrow_exception(error); }); });
    m_routing = new WindowRouting([this](const QString &file) { m_files->open(file); }, this);
    const ClientArea &c = m_controls;
    for (QWidget *w : QList<QWidget *>{c.widget, c.stageCountEdit, c.xSpacingEdit, c.ySpacingEdit, c.penWidthEdit})
        m_routing->watch(w);
    setAcceptDrops(true); // dropped lesson files: dropEvent()
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
    reportingErrors([&] { mayClose = m_files->confirmDiscard(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

void MainWindow::applySetting(Setting which, const SettingsState &after)
{
    m_lesson->changeSetting(which, after);
}

// A whole lesson replaced (new, opened): every control shows it, the tabs
// start at "Tümü", the result table is empty, and the graph is drawn.
void MainWindow::showLesson()
{
    reportingErrors([this] {
        fillSettingControls();
        showStages(false);
        redraw();
    });
}

void MainWindow::showTables(TableChange change, bool fromHistory)
{
    reportingErrors([&] {
        if (change == TableChange::StageCount)
            showStages(fromHistory);
        redraw();
    });
}

// The stage count, the tabs and the result table's columns (its rows go).
void MainWindow::showStages(bool keepTab)
{
    showStageCount();
    rebuildTabs(keepTab);
    m_resultTable->setStageColumns(m_stageTable->rowCount() - 1);
}

// After a change of a setting: undo and redo show it in its control; then
// the graph is redrawn. Choosing an option redraws nothing by itself;
// undoing or redoing it does.
void MainWindow::showSettings(Setting which, bool fromHistory)
{
    if (which == Setting::Recursion)
        return; // the steps window shows it and nothing is drawn anew
    reportingErrors([&] {
        if (which == Setting::Answers)
            return; // the exercise panel shows them
        if (fromHistory)
            fillSettingControls();
        if (fromHistory || which != Setting::Mode)
            redraw();
    });
}

// The settings into their controls, without their change handlers (the
// document holds them already).
void MainWindow::fillSettingControls()
{
    const SettingsState &state = m_lesson->settings();
    const ClientArea &c = m_controls;
    const auto show = [this](QLineEdit *edit, const QString &text) {
        if (edit->text() != text) {
            const QSignalBlocker quiet(edit);
            edit->setText(text);
        }
        markInput(edit, {});
    };
    show(c.xSpacingEdit, state.xText);
    show(c.ySpacingEdit, state.yText);
    show(c.penWidthEdit, state.penWidthText);
    {
        const QSignalBlocker quietSize(c.circleSizeBox), quietColour(c.colourLinesBox),
            quietShortest(c.shortestOption), quietLongest(c.longestOption);
        c.circleSizeBox->setCurrentIndex(c.circleSizeBox->findText(formatNumber(state.values.circleSize)));
        c.colourLinesBox->setChecked(state.values.colourLines);
        (state.values.longest ? c.longestOption : c.shortestOption)->setChecked(true);
    }
}

void MainWindow::showStageCount()
{
    QLineEdit *edit = m_controls.stageCountEdit;
    if (edit->text() != m_lesson->stageCountText()) {
        const QSignalBlocker quiet(edit);
        edit->setText(m_lesson->stageCountText());
    }
    markInput(edit, {});
}

// The tabs for the stage table's rows: "Tümü" and one per stage. After undo
// or redo the selected tab stays when it still exists; otherwise "Tümü".
void MainWindow::rebuildTabs(bool keepSelected)
{
    TabStrip *tabs = m_controls.stageTabs;
    const int stages = qMax(0, m_stageTable->rowCount() - 1);
    int selected = keepSelected ? tabs->currentIndex() : 0;
    if (selected < 0 || selected > stages)
        selected = 0;
    tabs->setCaptions(stageTabCaptions(stages), selected);
    showStageTab(selected);
}

template <typename Handler>
bool MainWindow::reportingErrors(Handler &&handler)
{
    return runFenced([this](const QString &text) { showMessage(text); }, std::forward<Handler>(handler));
}

void MainWindow::showMessage(const QString &text, bool warning)
{
    if (!m_message) {
        m_message = new MessageBox(this);
        m_message->setObjectName(QStringLiteral("Message"));
        m_message->setStandardButtons(QMessageBox::Ok);
    }
    m_message->setWindowTitle(tr("En Kısa Yol", "the program's name"));
    m_message->setIcon(warning ? QMessageBox::Warning : QMessageBox::Information);
    // A message is plain text. One that names a path through a thousand
    // stages is long: selectable text would lay it out as a document, over
    // and over while the box finds its size.
    constexpr qsizetype longMessage = 2000;
    m_message->setTextFormat(Qt::PlainText);
    m_message->setTextInteractionFlags(text.size() > longMessage
                                           ? Qt::NoTextInteraction
                                           : Qt::TextInteractionFlags(style()->styleHint(
                                                 QStyle::SH_MessageBox_TextInteractionFlags, nullptr, m_message)));
    m_message->setText(text);
    m_message->open();
}

void MainWindow::markInput(QLineEdit *edit, const QString &problem)
{
    edit->setProperty("invalid", !problem.isEmpty());
    // A style sheet gives the box the application's font instead of the
    // window's, and leaves it so when it is taken away: the box is given the
    // window's font while marked and inherits it again afterwards.
    const QFont windowFont = edit->parentWidget()->font();
    edit->setStyleSheet(problem.isEmpty() ? QString() : invalidInputStyle);
    edit->setFont(problem.isEmpty() ? QFont() : windowFont);
    edit->setToolTip(problem);
    edit->setAccessibleDescription(problem);
}

// A lesson file dragged onto the window itself.
void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    m_routing->takeDrop(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    m_routing->takeDrop(event);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    m_routing->takeDrop(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls.widget && event->type() == QEvent::Resize)
        layoutClient();
    return QMainWindow::eventFilter(watched, event);
}

// The controls placed by the resize rule of actionFitLayout's mode; the
// picture keeps covering the drawing and the viewport.
void MainWindow::layoutClient()
{
    if (m_windowFit)
        m_windowFit->layOut();
}

void MainWindow::rebuildStages()
{
    reportingErrors([this] {
        QString problem;
        const auto n = readStageCount(m_controls.stageCountEdit->text(), &problem);
        if (!n) {
            // Nothing is rebuilt: the tables stay as they are.
            markInput(m_controls.stageCountEdit, problem + QLatin1Char(' ') + tr("Tablolar değiştirilmedi."));
            return;
        }
        markInput(m_controls.stageCountEdit, {});
        // The document rebuilds the tables with fresh values; showTables shows them.
        m_lesson->changeStageCount(m_controls.stageCountEdit->text());
    });
}

// Timer1's tick: the edge table generated anew for the edited box counts
// (shown by showTables, at once or when a large one lands); nothing when the
// edit was undone meanwhile.
void MainWindow::regenerateAndRedraw()
{
    reportingErrors([this] { m_lesson->startRegeneration(); });
}

void MainWindow::showStageTab(int index)
{
    if (index <= 0) {
        m_controls.stageEdgeView->hide();
        return;
    }
    m_stageFilter->setStage(index - 1);
    m_controls.stageEdgeView->show();
    m_controls.stageEdgeView->raise();
}

void MainWindow::redraw()
{
    reportingErrors([this] {
        if (m_stageTable->rowCount() == 0)
            return;
        const GraphPicture picture = pictureOf(m_edgeTable->snapshot(), drawSettingsOf(m_settings));
        if (picture.isEmpty())
            return; // no columns: nothing is drawn, not even cleared
        m_largestStageSize = picture.largest();
        m_controls.picture->setPicture(picture.withOverlays(m_solutionViews->overlaysAfterRedraw(picture.edges())));
        m_pictureView->layOut();
    });
}

// The picture of these edges with these settings: the one prepared for an
// opened lesson when it is that one, else made now.
GraphPicture MainWindow::pictureOf(const EdgeDataPtr &edges, const DrawSettings &settings)
{
    GraphPicture prepared = std::exchange(m_preparedPicture, GraphPicture());
    if (prepared.edges() == edges && prepared.settings() == settings)
        return prepared;
    return GraphPicture(edges, settings);
}

MainWindow::Listing MainWindow::listAllPaths()
{
    const EdgeDataPtr snapshot = m_edgeTable->snapshot();
    // A column without boxes is no error: there is simply no path to list.
    auto problem = nonNumberMessage(*snapshot);
    if (!problem)
        problem = overflowMessage(*snapshot);
    if (problem) {
        showMessage(*problem + QLatin1Char(' ') + tr("Listelenen yollar değiştirilmedi."));
        return Listing::Failed;
    }
    if (realPathCount(*snapshot, limits::maxListedPaths + 1) > limits::maxListedPaths)
        return Listing::TooMany;
    m_resultTable->setPaths(snapshot);
    return Listing::Listed;
}

void MainWindow::listPaths()
{
    if (m_settings.exercise)
        return; // the totals would give the answer away
    reportingErrors([this] {
        const Listing listing = listAllPaths();
        if (listing == Listing::TooMany)
            showMessage(tooManyPathsMessage(*m_edgeTable->snapshot()).value_or(QString()));
        else if (listing == Listing::Listed)
            if (const auto why = noPathMessage(*m_edgeTable->snapshot()))
                showMessage(*why);
    });
}

void MainWindow::drawBestPath()
{
    if (m_settings.exercise)
        return;
    reportingErrors([this] {
        const Listing listing = listAllPaths();
        if (listing == Listing::Failed)
            return;
        redraw();
        const EdgeDataPtr snapshot = m_edgeTable->snapshot();
        const PathMode mode = m_settings.longest ? PathMode::Longest : PathMode::Shortest;
        const auto best = findBestPath(*snapshot, mode);
        if (!best) {
            showMessage(noPathMessage(*snapshot).value_or(tr("Çizilecek yol yok.")));
            return;
        }
        m_solutionViews->showBestPath(best->positions);

        const qint64 row = listing == Listing::Listed ? m_resultTable->rowOfPositions(best->positions) : -1;
        if (row >= 0 && row < m_resultTable->rowCount()) {
            selectBestRow(row);
        } else {
            const QString name = mode == PathMode::Shortest ? tr("En Kısa Yol") : tr("En Uzun Yol");
            showMessage(tooManyPathsMessage(*snapshot).value_or(QString())
                            + QStringLiteral("\n%1: %2\n").arg(name, best->pathText)
                            + tr("Toplam: %1").arg(best->totalText),
                        false);
        }
    });
}

void MainWindow::selectBestRow(qint64 row)
{
    ReportView *view = m_controls.resultView;
    const QModelIndex index = m_resultTable->index(int(row), 0);
    view->setCurrentIndex(index);
    view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    view->setFocus(Qt::OtherFocusReason);
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/stepsui/solutionviews.h"

#include "app/common/errorfence.h"

#include "app/common/usersettings.h"
#include "app/picture/picturebox.h"
#include "app/picture/pictureviewport.h"
#include "app/shareui/lessonprinter.h"
#include "app/stepsui/solutionstepswindow.h"
#include "app/tables/reportview.h"
#include "app/tasks/solutionrunner.h"

#include "app/tasks/backgroundtask.h"

#include "lesson/lessondocument.h"
#include "model/edgetable.h"
#include "share/stepsprintout.h"
#include "solver/rankedpathtable.h"
#include "solver/resulttable.h"

#include <QAction>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>

namespace stagepath {

SolutionViews::SolutionViews(const Parts &parts)
    : QObject(parts.window)
    , m_parts(parts)
    , m_runner(new SolutionRunner(this))
    , m_steps(new SolutionStepsWindow(parts.window))
    , m_showSteps(new QAction(parts.window))
    , m_allBestEdges(new QAction(parts.window))
{
    m_showSteps->setObjectName(QStringLiteral("actionSolutionSteps"));
    m_showSteps->setShortcut(QKeySequence(Qt::Key_F6));
    m_allBestEdges->setObjectName(QStringLiteral("actionAllBestPaths"));
    m_allBestEdges->setCheckable(true);
    wire();
    retranslate();
    takeRememberedRecursion();
}

namespace {

Recursion recursionOf(const LessonSettings &values)
{
    return values.backward ? Recursion::Backward : Recursion::Forward;
}

const QString recursionKey = QStringLiteral("steps/backward");

} // namespace

// A lesson of no file (the start-up one, a new one) takes the recursion the
// user chose last; an opened lesson keeps its own.
void SolutionViews::takeRememberedRecursion()
{
    LessonDocument *lesson = m_parts.lesson;
    const bool remembered = userSettings().value(recursionKey, false).toBool();
    if (lesson->fileName().isEmpty() && lesson->settings().values.backward != remembered) {
        SettingsState state = lesson->settings();
        state.values.backward = remembered;
        lesson->applySettings(state, Setting::Recursion, ChangeOrigin::Edit);
    }
    m_steps->showRecursion(recursionOf(lesson->settings().values));
}

void SolutionViews::chooseRecursion(Recursion recursion)
{
    const bool backward = recursion == Recursion::Backward;
    userSettings().setValue(recursionKey, backward);
    LessonDocument *lesson = m_parts.lesson;
    if (lesson->settings().values.backward == backward)
        return;
    SettingsState next = lesson->settings();
    next.values.backward = backward;
    lesson->changeSetting(Setting::Recursion, next);
}

void SolutionViews::wire()
{
    connect(m_showSteps, &QAction::triggered, this, &SolutionViews::openSteps);
    connect(m_allBestEdges, &QAction::toggled, this, &SolutionViews::showAllBestEdges);
    // A worker's result is an entry from the event loop: through the fence.
    connect(m_runner, &SolutionRunner::solved, this, [this](const std::shared_ptr<const Solution> &solution) {
        runFenced(m_parts.report, [&] { showSolution(solution); });
    });
    connect(m_steps, &SolutionStepsWindow::stepChanged, this, &SolutionViews::showStep);
    connect(m_steps, &SolutionStepsWindow::closed, this, [this] {
        leaveSteps();
        if (!m_allBestEdges->isChecked())
            m_runner->cancel();
    });
    connect(m_steps, &SolutionStepsWindow::rankedCountChanged, this, &SolutionViews::requestSolution);
    connect(m_steps, &SolutionStepsWindow::rankedPathChosen, this, &SolutionViews::chooseRankedPath);
    connect(m_steps, &SolutionStepsWindow::recursionChosen, this, &SolutionViews::chooseRecursion);
    connect(m_steps, &SolutionStepsWindow::printRequested, this, &SolutionViews::printSteps);

    // The graph: the edge table (edits, regenerations, undo and redo, opened
    // lessons) and the mode.
    EdgeTable *edges = m_parts.lesson->edgeTable();
    connect(edges, &QAbstractItemModel::modelReset, this, &SolutionViews::followGraph);
    connect(edges, &QAbstractItemModel::dataChanged, this, &SolutionViews::followGraph);
    connect(m_parts.lesson, &LessonDocument::lessonReplaced, this, [this] {
        takeRememberedRecursion();
        followGraph();
    });
    connect(m_parts.lesson, &LessonDocument::settingsChanged, this, [this](Setting which) {
        if (which == Setting::Recursion)
            m_steps->showRecursion(recursionOf(m_parts.lesson->settings().values));
        if (which == Setting::Mode || which == Setting::Recursion)
            followGraph();
    });

    // A new listing has no row selected yet.
    connect(m_parts.resultTable, &QAbstractItemModel::modelReset, this, &SolutionViews::followSelectedRow);
    QItemSelectionModel *selection = m_parts.resultView->selectionModel();
    connect(selection, &QItemSelectionModel::currentChanged, this, &SolutionViews::followSelectedRow);
    connect(selection, &QItemSelectionModel::selectionChanged, this, &SolutionViews::followSelectedRow);
}

void SolutionViews::addActions(QMenu *menu)
{
    menu->addAction(m_showSteps);
    menu->addAction(m_allBestEdges);
}

void SolutionViews::retranslate()
{
    m_showSteps->setText(tr("Çözüm Adımları"));
    m_showSteps->setStatusTip(tr("Dinamik programı adım adım, en iyi yolları sıralı gösterir."));
    m_allBestEdges->setText(tr("Tüm En İyi Yollar"));
    m_allBestEdges->setStatusTip(tr("Bir en iyi yol üzerindeki her çizgiyi turuncu çizer."));
    // A graph that cannot be solved is named again in the new language.
    const auto &latest = m_runner->latest();
    if (latest && !latest->problem.isEmpty() && m_steps->isVisible())
        requestSolution();
}

PictureOverlays SolutionViews::overlaysAfterRedraw(const EdgeDataPtr &graph)
{
    m_layers.clearDrawnBestPath();
    return m_layers.overlaysFor(graph);
}

void SolutionViews::showBestPath(std::vector<qint64> positions)
{
    if (m_exercise)
        return;
    m_layers.setDrawnBestPath(m_parts.picture->picture().edges(), std::move(positions));
    // Asked for, the answer shows even while the steps walk towards it.
    m_layers.setAnswerHidden(false);
    applyLayers();
}

void SolutionViews::setExercise(ExerciseSheet *sheet)
{
    m_exercise = sheet != nullptr;
    if (m_exercise)
        m_allBestEdges->setChecked(false);
    m_allBestEdges->setEnabled(!m_exercise);
    m_steps->setExercise(sheet);
    m_layers.clearDrawnBestPath();
    m_layers.clearSelectedPath();
    m_layers.clearStepLayers();
    applyLayers();
}

void SolutionViews::openSteps()
{
    const bool opening = !m_steps->isVisible();
    if (opening && !m_placed)
        placeBesideWindow();
    m_steps->show();
    m_steps->raise();
    m_steps->activateWindow();
    if (opening)
        requestSolution();
}

// To the right of the main window where the screen has room, else at the
// screen's right edge.
void SolutionViews::placeBesideWindow()
{
    m_placed = true;
    const QRect frame = m_parts.window->frameGeometry();
    QPoint at(frame.right() + 1, frame.top());
    if (const QScreen *screen = m_parts.window->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(qMax(room.left(), qMin(at.x(), room.right() + 1 - m_steps->frameGeometry().width())));
        at.setY(qMax(room.top(), at.y()));
    }
    m_steps->move(at);
}

void SolutionViews::showAllBestEdges(bool on)
{
    if (on) {
        requestSolution();
        return;
    }
    m_layers.clearBestEdges();
    if (!m_steps->isVisible())
        m_runner->cancel();
    applyLayers();
}

EdgeDataPtr SolutionViews::currentGraph() const
{
    return m_parts.lesson->edgeTable()->snapshot();
}

void SolutionViews::requestSolution()
{
    const bool steps = m_steps->isVisible();
    if (!steps && !m_allBestEdges->isChecked())
        return;
    SolutionRequest request;
    request.snapshot = currentGraph();
    request.mode = m_parts.lesson->settings().values.longest ? PathMode::Longest : PathMode::Shortest;
    request.rankedCount = steps ? m_steps->rankedCount() : 0;
    request.boxTexts = steps;
    request.recursion = recursionOf(m_parts.lesson->settings().values);
    const auto &latest = m_runner->latest();
    const bool newGraph = !latest || !latest->sameGraph(request);
    m_runner->request(request);
    if (steps && newGraph && m_runner->isWorking())
        m_steps->showWorking();
}

// The graph or the mode changed: the steps and the edges on best paths of
// the old one go, and the new one is solved.
void SolutionViews::followGraph()
{
    m_steps->leaveSteps();
    m_layers.clearStepLayers();
    m_layers.setAnswerHidden(false);
    if (m_layers.selectedFromSteps())
        m_layers.clearSelectedPath();
    m_layers.clearBestEdges();
    requestSolution();
    applyLayers();
}

void SolutionViews::showSolution(const std::shared_ptr<const Solution> &solution)
{
    if (m_steps->isVisible())
        m_steps->showSolution(solution);
    if (m_allBestEdges->isChecked() && solution->bestEdges)
        m_layers.setBestEdges(solution->request.snapshot, solution->bestEdges);
    showStep();
}

void SolutionViews::showStep()
{
    const StepWalk &walk = m_steps->walk();
    if (!walk.isWalking()) {
        leaveSteps();
        return;
    }
    const Solution &solution = *walk.solution();
    m_layers.setStepLayers(solution.request.snapshot, walk.overlays());
    m_layers.setAnswerHidden(walk.hidesAnswer());
    const BestPathSearch &search = *solution.search;
    if (walk.atLast() && search.hasPath() && isListed(solution.request.snapshot)) {
        const qint64 row = m_parts.resultTable->rowOfPositions(search.positions());
        if (row >= 0 && row < m_parts.resultTable->rowCount()) {
            selectResultRow(row, PathChoice::FromSteps);
            return;
        }
    }
    if (!walk.atLast() && m_layers.selectedFromSteps())
        m_layers.clearSelectedPath();
    applyLayers();
}

// What the steps drew goes; "Çiz"'s red path and the user's own selection stay.
void SolutionViews::leaveSteps()
{
    m_steps->leaveSteps();
    m_layers.clearStepLayers();
    m_layers.setAnswerHidden(false);
    if (m_layers.selectedFromSteps())
        m_layers.clearSelectedPath();
    applyLayers();
}

bool SolutionViews::isListed(const EdgeDataPtr &graph) const
{
    return graph && m_parts.resultTable->snapshot() == graph;
}

void SolutionViews::followSelectedRow()
{
    const QModelIndex current = m_parts.resultView->currentIndex();
    if (!m_exercise && current.isValid() && m_parts.resultView->selectionModel()->isSelected(current)
        && current.row() < m_parts.resultTable->rowCount()) {
        m_layers.setSelectedPath(m_parts.resultTable->snapshot(), m_parts.resultTable->positionsOfRow(current.row()),
                                 m_selecting);
    } else {
        m_layers.clearSelectedPath();
    }
    applyLayers();
}

// Selects a result row as "Çiz" does, scrolled into view, without taking the focus.
void SolutionViews::selectResultRow(qint64 row, PathChoice choice)
{
    ReportView *view = m_parts.resultView;
    const QModelIndex index = m_parts.resultTable->index(int(row), 0);
    m_selecting = choice;
    view->setCurrentIndex(index);
    view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    followSelectedRow(); // the row may have been selected already
    m_selecting = PathChoice::FromTable;
}

void SolutionViews::chooseRankedPath(int row)
{
    const RankedPathTable *ranked = m_steps->rankedPaths();
    if (row < 0 || row >= ranked->rowCount())
        return;
    const RankedPath &path = ranked->path(row);
    if (path.row && isListed(ranked->snapshot()) && *path.row < m_parts.resultTable->rowCount()) {
        selectResultRow(*path.row, PathChoice::FromTable);
        return;
    }
    if (!m_exercise)
        m_layers.setSelectedPath(ranked->snapshot(), path.positions);
    applyLayers();
}

// The drawing and every stage's tableau, previewed first as actionPrint does.
void SolutionViews::printSteps()
{
    const Solution *solution = m_steps->walk().solution().get();
    if (!solution || !solution->program)
        return;
    const std::shared_ptr<const StageProgram> program = solution->program;
    const QString file = m_parts.lesson->fileName();
    const QString title = file.isEmpty() ? tr("Çözüm adımları") : tr("Çözüm adımları — %1").arg(QFileInfo(file).fileName());
    const LessonSettings settings = m_parts.lesson->settings().values;
    auto printout = std::make_shared<std::optional<Printout>>();
    BackgroundTask::start(
        m_steps, tr("Baskı hazırlanıyor…"),
        [=](TaskProgress &) { printout->emplace(gatherStepsPrintout(title, settings, *program)); },
        [this, printout](const BackgroundTask::Outcome &outcome) {
            if (outcome.status == BackgroundTask::Outcome::Failed)
                m_parts.report(outcome.problem);
            if (outcome.status != BackgroundTask::Outcome::Completed || !*printout)
                return;
            openPrintPreview(m_steps, printout);
        });
}

void SolutionViews::applyLayers()
{
    PictureBox *picture = m_parts.picture;
    const GraphPicture &current = picture->picture();
    picture->setPicture(current.withOverlays(m_layers.overlaysFor(current.edges())));
    m_parts.viewport->layOut();
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The views that show why the best path is best, and what they draw over the
// graph:
// - actionSolutionSteps (F6, "Görünüm") opens the window SolutionSteps,
//   which follows the lesson and the mode live; its steps draw each solved
//   box's best total, the stage being relaxed, the edge each box chose and,
//   at the last step, the best path in red with its result row selected (when
//   listed), as "Çiz" does. Closing the window, or any change of the graph or
//   of the mode, leaves the steps: what they drew goes, "Çiz"'s own red path
//   stays. A change of a drawing setting keeps the step.
// - actionAllBestPaths (checkable, "Görünüm") draws every edge that lies on
//   some best path, so ties show. Every session starts with it off: the
//   drawing is the plain one until the user asks.
// - The selected result row's path is drawn in blue under the red path; a
//   path chosen in the ranked list selects its row, or is drawn alone when it
//   is not listed. It is drawn while the listing is of the graph drawn.
// Every layer is composed anew after each drawing (overlaylayers.h).
// Solutions are worked out only while the window is open or the edges are
// asked for, large ones off the GUI thread (solutionrunner.h).

#include "app/picture/overlaylayers.h"

#include "solver/solution.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;

namespace stagepath {

class ExerciseSheet;
class LessonDocument;
class PictureBox;
class PictureViewport;
class ReportView;
class ResultTable;
class SolutionRunner;
class SolutionStepsWindow;

class SolutionViews : public QObject
{
    Q_OBJECT
public:
    struct Parts {
        QMainWindow *window;
        LessonDocument *lesson;
        PictureBox *picture;
        PictureViewport *viewport;
        ReportView *resultView;
        ResultTable *resultTable;
        std::function<void(const QString &)> report; // an error on the way, as a warning
    };
    // The actions and the steps window are children of parts.window.
    explicit SolutionViews(const Parts &parts);

    void addActions(QMenu *menu);
    void retranslate();

    // The picture of this graph is drawn anew: "Çiz"'s red path is gone, the
    // other layers stand.
    PictureOverlays overlaysAfterRedraw(const EdgeDataPtr &graph);
    // "Çiz" marks its best path on the picture.
    void showBestPath(std::vector<qint64> positions);
    // Exercise mode (null: off): no best path, no best edges, no selected
    // path and no step is drawn, and the steps window shows the sheet.
    void setExercise(ExerciseSheet *sheet);

private Q_SLOTS:
    void openSteps();
    void showAllBestEdges(bool on);
    void followGraph();
    void followSelectedRow();
    void showStep();
    void leaveSteps();
    void showSolution(const std::shared_ptr<const Solution> &solution);
    void chooseRankedPath(int row);
    void chooseRecursion(Recursion recursion);
    void printSteps();

private:
    void wire();
    void requestSolution();
    void applyLayers();
    EdgeDataPtr currentGraph() const;
    bool isListed(const EdgeDataPtr &graph) const;
    void selectResultRow(qint64 row, PathChoice choice);
    void placeBesideWindow();
    void takeRememberedRecursion();

    Parts m_parts;
    SolutionRunner *m_runner;
    SolutionStepsWindow *m_steps;
    QAction *m_showSteps;
    QAction *m_allBestEdges;
    OverlayLayers m_layers;
    PathChoice m_selecting = PathChoice::FromTable; // who selects the result row
    bool m_placed = false;
    bool m_exercise = false;
};

} // namespace stagepath

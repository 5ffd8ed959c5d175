// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// SolutionSteps: a tool window beside the main one that shows why the best
// path is best. Above, the best total, how many paths have it and the step
// of the walk through the program (stepwalk.h) with its buttons StepFirst,
// StepBack, StepForward and StepLast; then the program itself, one row per
// box (StepTable); below, the RankedCount best paths (RankedPaths), where a
// double click (or Return) on a path chooses it. A graph that cannot be
// computed is named in one line where the tables stand.
//
// The recursion (Recursion: "İleri", "Geri") chooses the direction of the
// steps; the stage tableau of the step in view (StageTableau, with its
// recurrence) stands under the step table, and a legend names the colours
// of the drawing. While the steps walk, before the last one, nothing shows
// the answer: no best total in the heading, only the solved columns in the
// step table, no ranked paths. "Yazdır" prints the drawing and every stage's
// tableau (its owner does).
//
// The window shows the solutions it is given and walks their steps; what the
// steps and the chosen paths do to the drawing is up to its owner.

#include "app/stepsui/stepwalk.h"

#include "solver/solution.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace stagepath {

class ColourLegend;
class ExerciseSheet;
class RankedPathTable;
class ReportView;
class TableauPanel;
class StepTable;

class SolutionStepsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SolutionStepsWindow(QWidget *parent = nullptr);

    int rankedCount() const;
    const StepWalk &walk() const { return m_walk; }
    const RankedPathTable *rankedPaths() const { return m_rankedTable; }

    // Shows a solution whole, before its first step.
    void showSolution(const std::shared_ptr<const Solution> &solution);
    // A newer solution is being worked out: the steps wait for it.
    void showWorking();
    // Back before the first step, without stepChanged().
    void leaveSteps();
    // The lesson's recursion shown in Recursion, without recursionChosen().
    void showRecursion(Recursion recursion);
    const TableauPanel *tableau() const { return m_tableau; }
    // Exercise mode (null: off): no step, no total, no ranked path; the step
    // table holds the student's box totals.
    void setExercise(ExerciseSheet *sheet);

Q_SIGNALS:
    void stepChanged();
    void rankedCountChanged(int count);
    // A ranked path was chosen (its row in rankedPaths()).
    void rankedPathChosen(int row);
    // The user chose the recursion in Recursion.
    void recursionChosen(Recursion recursion);
    void printRequested();
    // The user closed the window.
    void closed();

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createControls();
    void layOut();
    void wire();
    void retranslate();
    void goToStep(int step);
    void showStep();
    void showSolvedColumn();
    void showSummary();
    void showRankedPaths();

    StepTable *m_stepTable;
    RankedPathTable *m_rankedTable;
    StepWalk m_walk;
    bool m_working = false;
    const Solution *m_rankedFrom = nullptr; // the solution whose paths the ranked table shows
    ExerciseSheet *m_exercise = nullptr;

    QLabel *m_summary = nullptr;
    QLabel *m_stepText = nullptr;
    QPushButton *m_first = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
    QPushButton *m_last = nullptr;
    QLabel *m_problem = nullptr;
    ReportView *m_stepView = nullptr;
    QLabel *m_rankedLabel = nullptr;
    QSpinBox *m_rankedCount = nullptr;
    ReportView *m_rankedView = nullptr;
    QLabel *m_recursionLabel = nullptr;
    QComboBox *m_recursion = nullptr;
    QPushButton *m_print = nullptr;
    TableauPanel *m_tableau = nullptr;
    ColourLegend *m_legend = nullptr;
};

} // namespace stagepath

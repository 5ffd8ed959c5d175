// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Exercise mode: the student solves the lesson and the window checks.
// - actionExercise (checkable, menu "Alıştırma") is the lesson's setting
//   `exercise`: turning it on or off is a step of the history. While it is
//   on, "Çiz" and "Hesaplama Yap" are disabled, the result table is empty,
//   nothing best is drawn, and the steps window holds the student's box
//   totals (solutionviews.h).
// - The dock ExercisePanel: the path (ExercisePath: typed, or built by
//   clicking circles on the drawing; Backspace at its end takes the last box
//   off), the total (ExerciseTotal), ExerciseCheck ("Kontrol Et", as
//   actionCheckAnswer) and the verdict (ExerciseVerdict, its property
//   `verdict` "right", "wrong" or "incomplete").
// - actionRevealColumn fills in the next column's box totals;
//   actionRevealAnswer leaves the mode and does what "Çiz" does.
// Every answer typed is a step of the lesson (Setting::Answers), so it is
// saved, undone and redone with it.

#include "app/window/clientarea.h"

#include "lesson/lessonstate.h"

#include <QObject>

#include <functional>

class QAction;
class QDockWidget;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;

namespace stagepath {

class ExerciseSheet;
class LessonDocument;
class ResultTable;
class SolutionViews;
struct PathVerdict;

class ExerciseMode : public QObject
{
    Q_OBJECT
public:
    struct Parts {
        QMainWindow *window;
        LessonDocument *lesson;
        const ClientArea *controls;
        SolutionViews *views;
        ResultTable *resultTable;
        std::function<void()> drawBestPath; // what "Çiz" does
    };
    explicit ExerciseMode(const Parts &parts);

    void addActions(QMenu *menu);
    void retranslate();
    bool isOn() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPanel();
    void wire();
    // The window as the lesson's setting and answers now stand.
    void follow();
    void followGraph();
    void showPanel(bool on);
    void changeAnswers(const ExerciseAnswers &answers, bool typing = false);
    void check();
    void showVerdict(const QString &verdict, const QString &text);
    void revealColumn();
    void revealAnswer();
    void clickPicture(const QPointF &at);
    bool takeLastBoxOff();

    Parts m_parts;
    ExerciseSheet *m_sheet;
    QAction *m_toggle;
    QAction *m_check;
    QAction *m_revealColumn;
    QAction *m_revealAnswer;
    QDockWidget *m_dock = nullptr;
    QLabel *m_intro = nullptr;
    QLabel *m_pathLabel = nullptr;
    QLineEdit *m_path = nullptr;
    QLabel *m_totalLabel = nullptr;
    QLineEdit *m_total = nullptr;
    QPushButton *m_checkButton = nullptr;
    QPushButton *m_columnButton = nullptr;
    QPushButton *m_answerButton = nullptr;
    QLabel *m_verdict = nullptr;
    bool m_wasOn = false;
    bool m_checked = false; // the verdict shown is the last check's
    int m_grownBy = 0; // pixels the window grew by for the panel
};

} // namespace stagepath

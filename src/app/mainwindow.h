// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// MainWindow: the one window (object name "Form1"). It shows the lesson
// document (the tables, the settings, the file and the history of changes),
// routes every change the user makes through it, and wires the controls'
// events; the work itself is done by the document, the models, the solver
// and the drawing.
//
// What the controls do:
// - the stage count rebuilds the stage table, the tabs, the result table's
//   columns and the edge table with fresh values, and redraws;
// - a drawing setting (spacing, pen width, circle size, colouring) or
//   "Tekrar Çiz" redraws;
// - an edited box count regenerates the edge table and redraws 200 ms later
//   (Timer1), an edited edge value redraws 200 ms later (Timer2);
// - "Hesaplama Yap" lists every path; "Çiz" lists them, redraws, selects the
//   best row and marks its path in red;
// - a tab shows the edges of one stage; the scroll bars move the picture.
// Input that cannot be used is refused, the old state kept, and the window
// says why; no error ever leaves a handler.
//
// Every change of the lesson is a step that actionUndo and actionRedo take
// back and do again; the window then shows the document as the step left it
// and redraws. The title names the lesson's file and marks it modified.

#include "busycursor.h"
#include "clientarea.h"

#include "drawing/picture.h"
#include "lesson/lessonstate.h"
#include "model/lessonsettings.h"
#include "model/randomsource.h"

#include <QMainWindow>

#include <memory>

class QCloseEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMenu;
class QMessageBox;

namespace stagepath {

class ExerciseActions;
class EdgeTable;
class ExerciseMode;
class HelpMenu;
class HistoryActions;
class TextbookActions;
class LanguageMenu;
class LessonDocument;
class LessonFiles;
class PathTextList;
class PictureViewport;
class ResultTable;
class ShareActions;
class ValueEditing;
class SolutionViews;
class StageFilter;
class StageNavigation;
class StageTable;
class WindowFit;
class WindowRouting;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // random: the source of edge values; by default the clock-stirred generator.
    explicit MainWindow(std::unique_ptr<RandomSource> random = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    const LessonSettings &settings() const { return m_settings; }
    // The largest box count over all columns, as the last drawing found it.
    double largestStageSize() const { return m_largestStageSize; }

    // Opens a lesson file, as actionOpen does once a file is chosen.
    bool openLesson(const QString &fileName);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A change of language retranslates the whole window.
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void rebuildStages();
    void redraw();
    GraphPicture pictureOf(const EdgeDataPtr &edges, const DrawSettings &settings);
    void regenerateAndRedraw();
    void listPaths();
    void drawBestPath();
    void showStageTab(int index);
    void applyPenWidth(const QString &text);
    void applyCircleSize(int index);
    void applySetting(Setting which, const SettingsState &after);
    void showLesson();
    void showTables(TableChange change, bool fromHistory);
    void showSettings(Setting which, bool fromHistory);
    void updateTitle();

private:
    enum class Listing { Listed, TooMany, Failed };

    void createModels();
    void createMenus();
    void wireEvents();
    void wireSpacing(QLineEdit *edit, Setting which, double LessonSettings::*member, QString SettingsState::*text,
                     const QString &name);
    void wireLesson();
    void showStages(bool keepTab);
    void showStageCount();
    void fillSettingControls();
    void rebuildTabs(bool keepSelected);
    void retranslateUi();
    void retranslateTables();
    void load();
    void layoutClient();
    Listing listAllPaths();
    void selectBestRow(qint64 row);
    void showMessage(const QString &text, bool warning = true);
    // Marks a text box whose text is refused (problem not empty) or clears the mark.
    void markInput(QLineEdit *edit, const QString &problem);
    // Runs a handler so that no error ever leaves it: it is reported instead.
    // Returns whether the handler ran to its end.
    template <typename Handler> bool reportingErrors(Handler &&handler);

    LessonDocument *m_lesson;
    const LessonSettings &m_settings; // the lesson's settings in effect
    LessonFiles *m_files = nullptr;
    HistoryActions *m_historyActions = nullptr;
    TextbookActions *m_textbook = nullptr;
    WindowRouting *m_routing = nullptr;
    ClientArea m_controls;
    // A picture made on a worker for the lesson being opened, until drawn.
    GraphPicture m_preparedPicture;
    BusyCursor m_busyCursor; // while the document draws a regeneration on a worker
    double m_largestStageSize = 0;

    StageTable *m_stageTable = nullptr;
    EdgeTable *m_edgeTable = nullptr;
    StageFilter *m_stageFilter = nullptr;
    ResultTable *m_resultTable = nullptr;
    PathTextList *m_pathTexts = nullptr;
    QMessageBox *m_message = nullptr;

    // The menus; each feature adds its actions to one of them.
    QMenu *m_fileMenu = nullptr;  // "Dosya"
    QMenu *m_editMenu = nullptr;  // "Düzen"
    QMenu *m_viewMenu = nullptr;  // "Görünüm"
    QMenu *m_exerciseMenu = nullptr; // "Alıştırma"
    QMenu *m_helpMenu = nullptr;  // "Yardım"

    PictureViewport *m_pictureView = nullptr; // picture size, scroll ranges, wheel, zoom
    WindowFit *m_windowFit = nullptr;         // the controls' places on a resize, actionFitLayout
    StageNavigation *m_stageNavigation = nullptr;
    LanguageMenu *m_languageMenu = nullptr;
    HelpMenu *m_helpCommands = nullptr;
    ShareActions *m_share = nullptr; // export, print, copy
    ExerciseActions *m_exercises = nullptr; // new exercises, worksheets
    ValueEditing *m_valueEditing = nullptr;
    SolutionViews *m_solutionViews = nullptr; // the steps window, the selected and all best paths
    ExerciseMode *m_exercise = nullptr;       // the student solves, the window checks
};

} // namespace stagepath

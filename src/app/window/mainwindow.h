// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// MainWindow: the one window (object name "Form1"). It creates the client
// area, the menus and the parts that serve them, and wires them to the lesson
// document (the tables, the settings, the file and the history of changes);
// the work itself is done by the parts (SettingControls, PathListing,
// StageTabs, WindowFit, ...), the document, the models, the solver and the
// drawing.
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

#include "app/common/busycursor.h"
#include "app/lessonui/stagetabs.h"
#include "app/window/clientarea.h"

#include "lesson/lessonstate.h"
#include "model/lessonsettings.h"
#include "model/randomsource.h"

#include <QMainWindow>

#include <memory>

class QCloseEvent;
class QMenu;

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
class PathListing;
class PathTextList;
class PictureDrawing;
class PictureViewport;
class ResultTable;
class SettingControls;
class ShareActions;
class ValueEditing;
class SolutionViews;
class StageNavigation;
class StageTable;
class WindowFit;
class WindowMessages;
class WindowRouting;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // random: the source of edge values; by default the clock-stirred generator.
    explicit MainWindow(std::unique_ptr<RandomSource> random = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens a lesson file, as actionOpen does once a file is chosen.
    bool openLesson(const QString &fileName);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void wireEvents();
    void wireLesson();
    void showLesson();
    void showTables(TableChange change, ChangeOrigin origin);
    void showSettings(Setting which, ChangeOrigin origin);
    void showStages(StageTabs::Selection tab);
    void updateTitle();
    void retranslateUi();
    void retranslateControls();

    // Built in this order, each from the ones before it.
    LessonDocument *m_lesson;
    const LessonSettings &m_settings; // the lesson's settings in effect
    StageTable *m_stageTable;
    EdgeTable *m_edgeTable;
    WindowMessages *m_messages;       // the message box; the fence around every handler
    ClientArea m_controls;
    PictureViewport *m_pictureView;   // picture size, scroll ranges, wheel, zoom
    WindowFit *m_windowFit;           // the controls' places on a resize, actionFitLayout
    ResultTable *m_resultTable;
    PathTextList *m_pathTexts;
    StageTabs *m_stageTabs;
    SettingControls *m_settingControls;

    // The menus; each feature adds its actions to one of them.
    QMenu *m_fileMenu = nullptr;  // "Dosya"
    QMenu *m_editMenu = nullptr;  // "Düzen"
    QMenu *m_viewMenu = nullptr;  // "Görünüm"
    QMenu *m_exerciseMenu = nullptr; // "Alıştırma"
    QMenu *m_helpMenu = nullptr;  // "Yardım"

    LessonFiles *m_files = nullptr;
    HistoryActions *m_historyActions = nullptr;
    TextbookActions *m_textbook = nullptr;
    StageNavigation *m_stageNavigation = nullptr;
    LanguageMenu *m_languageMenu = nullptr;
    HelpMenu *m_helpCommands = nullptr;
    ShareActions *m_share = nullptr; // export, print, copy
    ExerciseActions *m_exercises = nullptr; // new exercises, worksheets
    ValueEditing *m_valueEditing = nullptr;
    SolutionViews *m_solutionViews = nullptr; // the steps window, the selected and all best paths
    PictureDrawing *m_drawing = nullptr;      // Picture1 drawn anew
    PathListing *m_pathListing = nullptr;     // "Hesaplama Yap", "Çiz"
    ExerciseMode *m_exercise = nullptr;       // the student solves, the window checks
    WindowRouting *m_routing = nullptr;

    BusyCursor m_busyCursor; // while the document draws a regeneration on a worker
};

} // namespace stagepath

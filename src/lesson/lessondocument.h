// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// LessonDocument: the lesson being edited, as a document. It owns the stage
// table, the edge table, the settings, the lesson's file name and the
// history of its changes (a QUndoStack); it has no widgets. The window shows
// it and routes every change the user makes through it: each change is one
// step of the history, and the document tells the window what to show again
// when a step is done, undone or redone.
//
// The lesson is modified once the user changed something since it was
// opened, saved or made new, and clean again when undo or redo brings back
// the saved state (the history's clean state).

#include "lesson.h"
#include "lessonstate.h"

#include "model/randomsource.h"

#include <QObject>

#include <exception>
#include <memory>

class QUndoCommand;
class QUndoStack;

namespace stagepath {

class BoxCountCommand;
class EdgeTable;
class LessonCommand;
class RegenerationWorker;
class StageTable;

class LessonDocument : public QObject
{
    Q_OBJECT
public:
    // The history keeps the last historySteps steps, and fewer when the edge
    // tables they keep come to more than historyBytes (see historybudget.h).
    static constexpr int historySteps = 100;
    static constexpr qint64 historyBytes = qint64(256) << 20;
    // A regeneration that makes more edges than workerEdgeThreshold
    // (background/backgroundlimits.h) is drawn on a worker thread
    // (startRegeneration), from a split of the source; a smaller one is drawn
    // at once from the source itself. The event that starts the worker waits
    // this long for it: a regeneration drawn by then changes the tables in
    // that same event, as a small one does.
    static constexpr int workerWaitMs = 25;

    // random: the source of fresh edge values.
    explicit LessonDocument(std::unique_ptr<RandomSource> random, QObject *parent = nullptr);
    ~LessonDocument() override;

    StageTable *stageTable() const { return m_stageTable; }
    EdgeTable *edgeTable() const { return m_edgeTable; }
    QUndoStack *history() const { return m_history; }
    const QString &stageCountText() const { return m_stageCountText; }
    const SettingsState &settings() const { return m_settings; }
    // The lesson's file; empty until it was opened from or saved to one.
    const QString &fileName() const { return m_fileName; }
    bool isModified() const;

    // The user's changes. Each is a step of the history; the texts are ones
    // the window accepted. A box count or an edge value edited in a table is
    // taken from the table's after-edit event.
    void changeStageCount(const QString &text);
    void changeSetting(Setting which, const SettingsState &after);
    // The boxes' names (null: none), checked by the caller (boxnames.h).
    void changeNames(BoxNamesPtr after);
    // Pasted values: the texts into the value cells from firstRow on, as
    // one step (the caller checked them, see pastedvalues.h, and that they
    // fit in the table); false, changing nothing, when a box count edit
    // that waited regenerated the table into one they do not fit.
    bool pasteValues(qint64 firstRow, const QStringList &texts);
    // The user left the text box: what is typed next starts a step of its own.
    void endTyping();
    // The regeneration that follows box count edits, done now (waiting for
    // the worker when it is drawing it); false when none waits (it was
    // undone, or done already).
    bool regenerateAfterCountEdits();
    // Timer1's tick: the regeneration that follows box count edits. A small
    // one is done now; a large one is drawn on a worker while the window goes
    // on, and is applied later in one step: the stage table, the edge table
    // and the step change together (tablesChanged). An edit of the counts, undo or redo
    // meanwhile drops it; any other change waits for it first.
    void startRegeneration();
    // Whether a regeneration is being drawn on a worker.
    bool isWorking() const;
    void undo();
    void redo();
    // Names every step again, in the language now in use.
    void retranslateHistory();

    // The whole lesson, as a file keeps it (a waiting regeneration is done first).
    Lesson lesson();
    // The start-up lesson: stage count 4, three boxes a column, fresh values,
    // the start-up settings, no file, an empty history.
    void startNew();
    // Replaces the lesson by one read from fileName; the history is emptied.
    void load(const Lesson &lesson, const QString &fileName);
    // The lesson was saved to fileName: this is now its clean state.
    void markSaved(const QString &fileName);
    // For tests: a byte limit other than historyBytes.
    void setHistoryByteLimit(qint64 bytes) { m_historyByteLimit = bytes; }
    // For tests: a wait other than workerWaitMs (0: a large regeneration always
    // changes the tables in a later event).
    void setWorkerWait(int ms) { m_workerWaitMs = ms; }

    // What the steps of the history do.
    TablesState tablesState() const;
    // The stage count changed: every table built anew, with fresh values.
    // The boxes keep their names where they still stand (namesFrom: the
    // names and the shape they were given for).
    TablesState rebuildTables(const QString &stageCountText, const EdgeDataPtr &namesFrom);
    // The box counts changed: the edge table generated anew for them (the
    // worker's result when it drew these counts).
    EdgeDataPtr regenerateEdges(const QStringList &boxTexts, ChangeOrigin origin);
    // Redo of box count edits whose regeneration never came: the counts are
    // shown and the edges drawn as after the user's edit. Returns the edges
    // when they were drawn at once, null when they come later.
    EdgeDataPtr redoCountEdits(const QStringList &boxTexts);
    void restoreTables(const TablesState &state, TableChange change);
    void restoreValue(qint64 row, const QString &text);
    void restoreNames(const BoxNamesPtr &names, ChangeOrigin origin);
    void restoreValues(qint64 firstRow, const QStringList &texts);
    void applySettings(const SettingsState &state, Setting which, ChangeOrigin origin);

Q_SIGNALS:
    // The tables or a setting changed by a step: the user's own change, or
    // undo and redo.
    void tablesChanged(TableChange change, ChangeOrigin origin);
    void settingsChanged(Setting which, ChangeOrigin origin);
    // The whole lesson was replaced (new, opened).
    void lessonReplaced();
    void fileNameChanged(const QString &fileName);
    void modifiedChanged(bool modified);
    void workingChanged(bool working);
    // A regeneration drawn on a worker failed (error is what it threw); the
    // tables stay as they were and the edit still waits.
    void workFailed(std::exception_ptr error);

private:
    // Takes back a step that failed half-way: undo (true) or redo it again.
    void backOut(int step, bool undo);
    void recordCountEdit(int row, const QString &previousText);
    void recordValueEdit(qint64 row, const QString &previousText);
    void push(LessonCommand *step, bool typing);
    void keepHistoryWithinBytes();
    bool continuesTyping() const;
    const QUndoCommand *newestStep() const;
    BoxCountCommand *waitingRegeneration() const;
    void replaceLesson(const QString &fileName);
    bool drawsInBackground(const QStringList &boxTexts) const;
    EdgeDataPtr drawEdges(const QStringList &boxTexts);
    bool startWorker(const QStringList &boxTexts, ChangeOrigin origin);
    void applyRegeneration();
    void dropStaleRegeneration();

    std::unique_ptr<RandomSource> m_random;
    StageTable *m_stageTable;
    EdgeTable *m_edgeTable;
    QUndoStack *m_history;
    RegenerationWorker *m_worker;
    QString m_stageCountText;
    SettingsState m_settings;
    QString m_fileName;
    std::optional<ExerciseOrigin> m_origin; // kept from the lesson loaded, written back when it is saved
    qint64 m_historyByteLimit = historyBytes;
    int m_workerWaitMs = workerWaitMs;
    // The step that the keystrokes in a text box are going into, while the
    // user types there.
    const QUndoCommand *m_typingStep = nullptr;
};

} // namespace stagepath

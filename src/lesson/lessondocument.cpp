// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessondocument.h"

#include "boxcountcommand.h"
#include "boxnamescommand.h"
#include "edgevaluecommand.h"
#include "pastecommand.h"
#include "regenerationworker.h"
#include "settingscommand.h"
#include "stagecountcommand.h"

#include "background/backgroundlimits.h"
#include "model/boxnames.h"
#include "model/edgetable.h"
#include "model/numbers.h"
#include "model/stagetable.h"

#include <QUndoStack>

namespace stagepath {

namespace {

constexpr int startStageCount = 4;

// The settings with the texts their boxes show for them.
SettingsState shown(const LessonSettings &values)
{
    return {values, formatNumber(values.xSpacing), formatNumber(values.ySpacing), QString::number(values.penWidth), {}};
}

} // namespace

LessonDocument::LessonDocument(std::unique_ptr<RandomSource> random, QObject *parent)
    : QObject(parent)
    , m_random(std::move(random))
    , m_stageTable(new StageTable(this))
    , m_edgeTable(new EdgeTable(this))
    , m_history(new QUndoStack(this))
    , m_worker(new RegenerationWorker(this))
    , m_settings(shown(LessonSettings()))
{
    m_history->setUndoLimit(historySteps);
    connect(m_history, &QUndoStack::cleanChanged, this, [this](bool clean) { Q_EMIT modifiedChanged(!clean); });
    connect(m_history, &QUndoStack::indexChanged, this, &LessonDocument::dropStaleRegeneration);
    connect(m_worker, &RegenerationWorker::resultReady, this, &LessonDocument::applyRegeneration);
    connect(m_worker, &RegenerationWorker::activeChanged, this, &LessonDocument::workingChanged);
    connect(m_stageTable, &StageTable::countEdited, this, &LessonDocument::recordCountEdit);
    connect(m_edgeTable, &EdgeTable::valueEdited, this, &LessonDocument::recordValueEdit);
}

LessonDocument::~LessonDocument()
{
    // The history empties itself when it goes, and says so: nobody listens any more.
    m_history->disconnect();
    m_worker->disconnect();
}

bool LessonDocument::isModified() const
{
    return !m_history->isClean();
}

const QUndoCommand *LessonDocument::newestStep() const
{
    const int index = m_history->index();
    return index > 0 ? m_history->command(index - 1) : nullptr;
}

BoxCountCommand *LessonDocument::waitingRegeneration() const
{
    // Only the newest step can wait: every other change completes it first.
    auto *step = dynamic_cast<const BoxCountCommand *>(newestStep());
    return step && step->isWaiting() ? const_cast<BoxCountCommand *>(step) : nullptr;
}

bool LessonDocument::continuesTyping() const
{
    return m_typingStep && m_typingStep == newestStep();
}

void LessonDocument::push(LessonCommand *step, bool typing)
{
    // The history owns the step once it has done it; a step that throws on
    // the way (or whose waiting regeneration does) is not kept, and goes here.
    std::unique_ptr<LessonCommand> owned(step);
    // A waiting regeneration is done before anything else happens, so that
    // every step below the newest is complete.
    if (!dynamic_cast<BoxCountCommand *>(step))
        regenerateAfterCountEdits();
    const int index = m_history->index();
    m_history->push(step); // step may be merged into the newest step and deleted
    owned.release();
    // A merge that came back to where the step started removed it: the run
    // of keystrokes then starts again, with no step to continue.
    m_typingStep = typing && m_history->index() >= index ? newestStep() : nullptr;
    keepHistoryWithinBytes();
}

void LessonDocument::keepHistoryWithinBytes()
{
    if (trimHistory(*m_history, m_historyByteLimit, &m_edgeTable->edges()))
        m_typingStep = nullptr;
}

void LessonDocument::changeStageCount(const QString &text)
{
    regenerateAfterCountEdits();
    const bool typing = continuesTyping();
    // Keystrokes of one step pass through other counts ("10" through "1"):
    // the names come from the tables before the step's first keystroke.
    EdgeDataPtr namesFrom = m_edgeTable->snapshot();
    if (const auto *step = dynamic_cast<const StageCountCommand *>(newestStep()); step && typing)
        namesFrom = step->edgesBefore();
    if (!namesFrom->names)
        namesFrom.reset();
    push(new StageCountCommand(this, tablesState(), text, typing, namesFrom), true);
}

void LessonDocument::changeSetting(Setting which, const SettingsState &after)
{
    regenerateAfterCountEdits();
    if (after == m_settings)
        return;
    const bool typed = which == Setting::XSpacing || which == Setting::YSpacing || which == Setting::PenWidth
                       || which == Setting::Answers;
    const bool typing = typed && continuesTyping();
    push(new SettingsCommand(this, which, m_settings, after, typing), typed);
}

void LessonDocument::changeNames(BoxNamesPtr after)
{
    regenerateAfterCountEdits();
    if (after == m_edgeTable->edges().names)
        return;
    push(new BoxNamesCommand(this, m_edgeTable->edges().names, std::move(after)), false);
}

bool LessonDocument::pasteValues(qint64 firstRow, const QStringList &texts)
{
    regenerateAfterCountEdits();
    if (firstRow < 0 || firstRow + texts.size() > m_edgeTable->edges().shape.edgeCount())
        return false; // the table changed under the paste
    QStringList before;
    before.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        before << m_edgeTable->valueText(firstRow + i);
    restoreValues(firstRow, texts);
    push(new PasteCommand(this, firstRow, std::move(before), texts), false);
    return true;
}

void LessonDocument::endTyping()
{
    m_typingStep = nullptr;
}

void LessonDocument::recordCountEdit(int row, const QString &previousText)
{
    TablesState before = tablesState();
    before.boxTexts[row] = previousText;
    push(new BoxCountCommand(this, before, m_stageTable->countTexts(), row), false);
    // The counts the worker draws for are no longer the ones waiting.
    dropStaleRegeneration();
}

void LessonDocument::recordValueEdit(qint64 row, const QString &previousText)
{
    // While a regeneration waits, the edit joins its step: the regeneration
    // replaces the value, and undo brings back the values from before the step
    // (the step keeps them; the edit was made to a copy).
    if (waitingRegeneration())
        return;
    push(new EdgeValueCommand(this, row, previousText, m_edgeTable->valueText(row)), false);
}

bool LessonDocument::regenerateAfterCountEdits()
{
    BoxCountCommand *waiting = waitingRegeneration();
    if (!waiting)
        return false;
    waiting->regenerate();
    // The table it replaced is no longer the one shown: it counts now.
    keepHistoryWithinBytes();
    return true;
}

void LessonDocument::startRegeneration()
{
    const BoxCountCommand *waiting = waitingRegeneration();
    if (!waiting)
        return;
    if (!drawsInBackground(waiting->boxTexts()))
        regenerateAfterCountEdits();
    else if (startWorker(waiting->boxTexts(), ChangeOrigin::Edit))
        applyRegeneration();
}

bool LessonDocument::isWorking() const
{
    return m_worker->isActive();
}

bool LessonDocument::drawsInBackground(const QStringList &boxTexts) const
{
    return GraphShape(boxCountsOf(boxTexts)).edgeCount() > workerEdgeThreshold;
}

// Whether the worker drew these counts within the wait.
bool LessonDocument::startWorker(const QStringList &boxTexts, ChangeOrigin origin)
{
    if (!m_worker->isActive() || m_worker->boxTexts() != boxTexts) {
        const std::vector<qint64> counts = boxCountsOf(boxTexts);
        m_worker->start(boxTexts, counts, m_random->split(GraphShape(counts).edgeCount()), origin);
    }
    return m_worker->waitFor(m_workerWaitMs);
}

// The worker's edges are ready: they complete the waiting step, unless
// nothing waits for them any more.
void LessonDocument::applyRegeneration()
{
    const BoxCountCommand *waiting = waitingRegeneration();
    if (!waiting || waiting->boxTexts() != m_worker->boxTexts()) {
        m_worker->cancel();
        return;
    }
    try {
        regenerateAfterCountEdits();
    } catch (...) {
        m_worker->cancel();
        Q_EMIT workFailed(std::current_exception());
    }
}

void LessonDocument::dropStaleRegeneration()
{
    if (!m_worker->isActive())
        return;
    const BoxCountCommand *waiting = waitingRegeneration();
    if (!waiting || waiting->boxTexts() != m_worker->boxTexts())
        m_worker->cancel();
}

EdgeDataPtr LessonDocument::drawEdges(const QStringList &boxTexts)
{
    const std::vector<qint64> counts = boxCountsOf(boxTexts);
    if (!drawsInBackground(boxTexts))
        return EdgeTable::generated(counts, *m_random);
    // Drawn here as the worker would have drawn it.
    return EdgeTable::generated(counts, *m_random->split(GraphShape(counts).edgeCount()));
}

// A step that fails half-way is taken back the other way (each step keeps
// the state on both sides of it), so that the lesson stays as it was before,
// and the error goes on to the caller.
void LessonDocument::undo()
{
    const int index = m_history->index();
    try {
        m_history->undo();
    } catch (...) {
        if (index > 0 && m_history->index() == index)
            backOut(index - 1, false);
        throw;
    }
}

void LessonDocument::redo()
{
    const int index = m_history->index();
    try {
        m_history->redo();
    } catch (...) {
        if (index < m_history->count() && m_history->index() == index)
            backOut(index, true);
        throw;
    }
}

void LessonDocument::backOut(int step, bool undo)
{
    // The stack hands its steps out read-only; the step itself is not changed.
    auto *command = const_cast<QUndoCommand *>(m_history->command(step));
    try {
        if (undo)
            command->undo();
        else
            command->redo();
    } catch (...) {
        // What the first error left is shown; the first error is reported.
    }
}

void LessonDocument::retranslateHistory()
{
    // The stack hands its steps out read-only; naming one changes nothing of
    // what it does.
    for (int i = 0; i < m_history->count(); ++i)
        const_cast<LessonCommand *>(static_cast<const LessonCommand *>(m_history->command(i)))->describe();
}

Lesson LessonDocument::lesson()
{
    regenerateAfterCountEdits();
    return {m_stageTable->countTexts(), m_edgeTable->snapshot(), m_settings.values, m_origin, m_settings.answers};
}

void LessonDocument::startNew()
{
    m_stageTable->rebuild(startStageCount);
    m_edgeTable->regenerate(m_stageTable->boxCounts(), *m_random);
    m_stageCountText = QString::number(startStageCount);
    m_settings = shown(LessonSettings());
    m_origin.reset();
    replaceLesson(QString());
}

void LessonDocument::load(const Lesson &lesson, const QString &fileName)
{
    m_stageTable->setCountTexts(lesson.boxTexts);
    m_edgeTable->setEdges(lesson.edges);
    m_stageCountText = QString::number(lesson.boxTexts.size() - 1);
    m_settings = shown(lesson.settings);
    m_origin = lesson.origin;
    m_settings.answers = lesson.answers;
    replaceLesson(fileName);
}

void LessonDocument::replaceLesson(const QString &fileName)
{
    m_worker->cancel();
    m_typingStep = nullptr;
    m_history->clear();
    if (fileName != m_fileName) {
        m_fileName = fileName;
        Q_EMIT fileNameChanged(m_fileName);
    }
    Q_EMIT lessonReplaced();
}

void LessonDocument::markSaved(const QString &fileName)
{
    m_history->setClean();
    if (fileName != m_fileName) {
        m_fileName = fileName;
        Q_EMIT fileNameChanged(m_fileName);
    }
}

TablesState LessonDocument::tablesState() const
{
    return {m_stageCountText, m_stageTable->countTexts(), m_edgeTable->snapshot()};
}

TablesState LessonDocument::rebuildTables(const QString &stageCountText, const EdgeDataPtr &namesFrom)
{
    QString problem;
    const auto stages = readStageCount(stageCountText, &problem);
    m_stageTable->rebuild(stages.value_or(0));
    m_edgeTable->regenerate(m_stageTable->boxCounts(), *m_random);
    if (namesFrom)
        m_edgeTable->setNames(namesForShape(namesFrom->names, namesFrom->shape, m_edgeTable->shape()));
    m_stageCountText = stageCountText;
    Q_EMIT tablesChanged(TableChange::StageCount, ChangeOrigin::Edit);
    return tablesState();
}

EdgeDataPtr LessonDocument::regenerateEdges(const QStringList &boxTexts, ChangeOrigin origin)
{
    EdgeDataPtr edges;
    if (m_worker->isActive() && m_worker->boxTexts() == boxTexts) {
        origin = m_worker->origin();
        edges = m_worker->take(); // waits for it when it is still drawing
    }
    m_worker->cancel();
    if (!edges)
        edges = drawEdges(boxTexts);
    // Until the regeneration the edge table keeps the shape the names were given for.
    if (const EdgeData &was = m_edgeTable->edges(); was.names) {
        auto named = std::make_shared<EdgeData>(*edges);
        named->names = namesForShape(was.names, was.shape, named->shape);
        edges = std::move(named);
    }
    m_stageTable->setCountTexts(boxTexts);
    m_edgeTable->setEdges(edges);
    Q_EMIT tablesChanged(TableChange::BoxCounts, origin);
    return edges;
}

EdgeDataPtr LessonDocument::redoCountEdits(const QStringList &boxTexts)
{
    if (!drawsInBackground(boxTexts))
        return regenerateEdges(boxTexts, ChangeOrigin::History);
    // The step is not the newest yet: what was drawn in time is taken here.
    if (startWorker(boxTexts, ChangeOrigin::History))
        return regenerateEdges(boxTexts, ChangeOrigin::History);
    m_stageTable->setCountTexts(boxTexts);
    return {};
}

void LessonDocument::restoreTables(const TablesState &state, TableChange change)
{
    m_stageTable->setCountTexts(state.boxTexts);
    m_edgeTable->setEdges(state.edges);
    m_stageCountText = state.stageCountText;
    Q_EMIT tablesChanged(change, ChangeOrigin::History);
}

void LessonDocument::restoreValue(qint64 row, const QString &text)
{
    m_edgeTable->setValueText(row, text);
    Q_EMIT tablesChanged(TableChange::Value, ChangeOrigin::History);
}

void LessonDocument::restoreNames(const BoxNamesPtr &names, ChangeOrigin origin)
{
    m_edgeTable->setNames(names);
    Q_EMIT tablesChanged(TableChange::Names, origin);
}

void LessonDocument::restoreValues(qint64 firstRow, const QStringList &texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        m_edgeTable->setValueText(firstRow + qint64(i), texts[i]);
    Q_EMIT tablesChanged(TableChange::Value, ChangeOrigin::History);
}

void LessonDocument::applySettings(const SettingsState &state, Setting which, ChangeOrigin origin)
{
    m_settings = state;
    Q_EMIT settingsChanged(which, origin);
}

} // namespace stagepath

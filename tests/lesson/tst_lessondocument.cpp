// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson document and its history: every state a step left is brought
// back exactly by undo and redo, in random walks of the user's changes; the
// history stays within its bounds; the lesson is modified exactly when it
// differs from its saved state.
#include "lessons.h"

#include "lesson/boxnamemodel.h"
#include "lesson/historybudget.h"
#include "lesson/lessoncommand.h"
#include "lesson/lessondocument.h"
#include "model/boxnames.h"
#include "model/edgetable.h"
#include "model/stagetable.h"

#include <QAbstractItemModelTester>
#include <QScopeGuard>
#include <QThreadPool>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <condition_variable>
#include <mutex>

using namespace stagepath;

namespace {

std::vector<float> variedValues(quint32 seed)
{
    QRandomGenerator rng(seed);
    std::vector<float> values(997);
    for (float &v : values)
        v = float(rng.generateDouble());
    return values;
}

std::unique_ptr<RandomSource> varied(quint32 seed)
{
    return std::make_unique<SequenceRandom>(variedValues(seed));
}

// A gate the worker's numbers wait at: the test decides when a worker may
// finish, instead of hoping it is still busy.
struct Gate {
    std::mutex lock;
    std::condition_variable changed;
    bool isOpen = true;

    void set(bool open)
    {
        {
            const std::lock_guard locked(lock);
            isOpen = open;
        }
        changed.notify_all();
    }
    void pass()
    {
        std::unique_lock locked(lock);
        changed.wait(locked, [this] { return isOpen; });
    }
};

// The numbers of another source; the splits it hands to workers wait at the gate first.
class GatedRandom final : public RandomSource
{
public:
    GatedRandom(std::unique_ptr<RandomSource> inner, std::shared_ptr<Gate> gate, bool waits = false)
        : m_inner(std::move(inner))
        , m_gate(std::move(gate))
        , m_waits(waits)
    {
    }
    float next() override
    {
        if (std::exchange(m_waits, false))
            m_gate->pass();
        return m_inner->next();
    }
    std::unique_ptr<RandomSource> split(qint64 draws) override
    {
        return std::make_unique<GatedRandom>(m_inner->split(draws), m_gate, true);
    }

private:
    std::unique_ptr<RandomSource> m_inner;
    std::shared_ptr<Gate> m_gate;
    bool m_waits;
};

// Everything the window shows of the lesson, as one text.
QString shown(const LessonDocument &document)
{
    const TablesState tables = document.tablesState();
    QStringList parts{tables.stageCountText, tables.boxTexts.join(u',')};
    for (qint64 row = 0; row < tables.edges->shape.edgeCount(); ++row)
        parts << tables.edges->text(row) + u'=' + QString::number(tables.edges->value(row), 'g', 17);
    const SettingsState &s = document.settings();
    parts << s.xText << s.yText << s.penWidthText
          << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                 .arg(s.values.xSpacing)
                 .arg(s.values.ySpacing)
                 .arg(s.values.penWidth)
                 .arg(s.values.circleSize)
                 .arg(s.values.colourLines)
                 .arg(s.values.longest)
                 .arg(s.values.backward)
                 .arg(tables.edges->shape.boxCounts().size())
          << QString::number(s.values.valuesOnLines);
    parts << QStringLiteral("%1 %2 %3 %4 %5").arg(s.values.exercise).arg(s.answers.path, s.answers.total).arg(s.answers.revealedColumns);
    for (auto it = s.answers.boxTotals.cbegin(); it != s.answers.boxTotals.cend(); ++it)
        parts << QString::number(it.key()) + u':' + it.value();
    for (qint64 box = 1; box <= tables.edges->shape.totalBoxes(); ++box)
        parts << tables.edges->boxLabel(box);
    return parts.join(u'|');
}

class Walk
{
public:
    explicit Walk(quint32 seed) : document(varied(seed)), rng(seed)
    {
        for (QAbstractItemModel *model : {static_cast<QAbstractItemModel *>(document.stageTable()),
                                          static_cast<QAbstractItemModel *>(document.edgeTable())})
            new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, model);
        document.startNew();
        states = {shown(document)};
        // Every step pushed or merged, and every regeneration of the user's,
        // leaves the state that undo and redo must bring back.
        QObject::connect(document.history(), &QUndoStack::indexChanged, &document, [this](int index) {
            if (!inHistory)
                record(index);
        });
        QObject::connect(&document, &LessonDocument::tablesChanged, &document, [this](TableChange change, ChangeOrigin origin) {
            // A redo regenerates before the history counts it done.
            if (change == TableChange::BoxCounts && (origin == ChangeOrigin::Edit || redoingWaiting))
                record(document.history()->index() + (redoingWaiting ? 1 : 0));
        });
    }

    void record(int index)
    {
        waitingIndex = -1;
        states.resize(index + 1);
        states[index] = shown(document);
    }

    // One change as the user makes it, or undo, or redo. Returns what was done.
    QString step()
    {
        const int stages = document.stageTable()->rowCount() - 1;
        switch (rng.bounded(11)) {
        case 0: {
            if (rng.bounded(2))
                document.endTyping();
            const QString text = QString::number(rng.bounded(5));
            document.changeStageCount(rng.bounded(4) ? text : u'0' + text);
            waiting = false;
            return QStringLiteral("stage count");
        }
        case 1:
        case 2: return editCount(stages);
        case 3: return editValue();
        case 4: waiting = false; return changeSetting();
        case 5:
        case 6: return history(true);
        case 7: return history(false);
        case 8: return nameBoxes();
        case 9: return paste();
        default: document.endTyping(); return QStringLiteral("end typing");
        }
    }

    QString editCount(int stages)
    {
        const int row = rng.bounded(stages + 1);
        StageTable *table = document.stageTable();
        table->setData(table->index(row, 0), lessons::countText(rng.bounded(5), rng));
        waiting = true;
        // A value edited before the tick joins the step: the regeneration
        // replaces it, undo brings back the values from before the step.
        if (rng.bounded(3) == 0)
            editValue();
        if (rng.bounded(3) > 0)
            completeWaiting();
        return QStringLiteral("box count");
    }

    void completeWaiting()
    {
        QVERIFY(document.regenerateAfterCountEdits());
        waiting = false;
    }

    QString editValue()
    {
        const int rows = document.edgeTable()->rowCount();
        if (rows == 0)
            return QStringLiteral("no value to edit");
        const int row = rng.bounded(rows);
        document.edgeTable()->setData(document.edgeTable()->index(row, 0), lessons::valueText(rng));
        if (!waiting)
            record(document.history()->index());
        return QStringLiteral("value");
    }

    // Letters for every box, or one box named, renamed or unnamed.
    QString nameBoxes()
    {
        const qint64 boxes = document.edgeTable()->shape().totalBoxes();
        if (boxes == 0)
            return QStringLiteral("no box to name");
        if (rng.bounded(3) == 0) {
            document.changeNames(letterNames(boxes));
        } else {
            const EdgeData &edges = document.edgeTable()->edges();
            BoxNames names = edges.names ? *edges.names : BoxNames(size_t(boxes));
            names[size_t(rng.bounded(boxes))] = rng.bounded(3) ? QStringLiteral("K%1").arg(rng.bounded(1000)) : QString();
            document.changeNames(normalisedNames(std::move(names)));
        }
        waiting = false;
        return QStringLiteral("names");
    }

    // Values pasted from a row on: one step.
    QString paste()
    {
        if (waiting)
            completeWaiting();
        const int rows = document.edgeTable()->rowCount();
        if (rows == 0)
            return QStringLiteral("nowhere to paste");
        const int first = rng.bounded(rows);
        QStringList texts;
        for (int n = rng.bounded(1, rows - first + 1); n > 0; --n)
            texts << (rng.bounded(3) ? lessons::valueText(rng) : QStringLiteral("-"));
        document.pasteValues(first, texts);
        waiting = false;
        return QStringLiteral("paste");
    }

    QString changeSetting()
    {
        SettingsState next = document.settings();
        const auto which = Setting(rng.bounded(10));
        switch (which) {
        case Setting::XSpacing: next.xText = lessons::countText(rng.bounded(300), rng); next.values.xSpacing = next.xText.toDouble(); break;
        case Setting::YSpacing: next.yText = QString::number(rng.bounded(300)); next.values.ySpacing = next.yText.toDouble(); break;
        case Setting::PenWidth: next.penWidthText = QString::number(rng.bounded(1, 9)); next.values.penWidth = next.penWidthText.toInt(); break;
        case Setting::CircleSize: next.values.circleSize = rng.bounded(10, 21); break;
        case Setting::ColourLines: next.values.colourLines = !next.values.colourLines; break;
        case Setting::Mode: next.values.longest = !next.values.longest; break;
        case Setting::Recursion: next.values.backward = !next.values.backward; break;
        case Setting::Exercise: next.values.exercise = !next.values.exercise; break;
        case Setting::Answers: {
            // A keystroke in the path or the total, a typed box total, or a revealed column.
            ExerciseAnswers &a = next.answers;
            switch (rng.bounded(4)) {
            case 0: a.path += QString::number(rng.bounded(10)); break;
            case 1: a.total = lessons::valueText(rng); break;
            case 2: a.boxTotals.insert(rng.bounded(6), lessons::valueText(rng)); break;
            default: ++a.revealedColumns; break;
            }
            break;
        }
        case Setting::ValuesOnLines: next.values.valuesOnLines = !next.values.valuesOnLines; break;
        }
        document.changeSetting(which, next);
        return QStringLiteral("setting");
    }

    QString history(bool back)
    {
        QUndoStack *stack = document.history();
        if (back ? !stack->canUndo() : !stack->canRedo())
            return QStringLiteral("nothing to undo or redo");
        // A step undone before its regeneration came regenerates when redone.
        redoingWaiting = !back && waitingIndex == stack->index() + 1;
        inHistory = true;
        back ? document.undo() : document.redo();
        inHistory = false;
        if (back && waiting) {
            waiting = false;
            waitingIndex = stack->index() + 1;
        } else if (redoingWaiting) {
            waitingIndex = -1;
            redoingWaiting = false;
            return QStringLiteral("redo of a waiting step");
        }
        const int index = stack->index();
        if (shown(document) != states.value(index))
            return QStringLiteral("%1 to %2 shows\n%3\ninstead of\n%4")
                .arg(back ? "undo" : "redo")
                .arg(index)
                .arg(shown(document), states.value(index));
        return back ? QStringLiteral("undo") : QStringLiteral("redo");
    }

    LessonDocument document;
    QRandomGenerator rng;
    QStringList states; // the state at each index of the history
    bool inHistory = false;
    bool waiting = false;      // a box count edit waits for its regeneration
    int waitingIndex = -1;     // the step undone while it waited
    bool redoingWaiting = false;
};

} // namespace

class TestLessonDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void undoAndRedoBringBackEveryState_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 60; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("walk %1").arg(seed))) << seed;
    }
    void undoAndRedoBringBackEveryState()
    {
        QFETCH(quint32, seed);
        Walk walk(seed);
        QStringList done;
        // Fewer steps than the history keeps, so that its indexes stay put.
        for (int i = 0; i < LessonDocument::historySteps - 10; ++i) {
            const QString what = walk.step();
            if (QTest::currentTestFailed())
                return;
            done << what;
            QVERIFY2(!what.contains(u'\n'), qPrintable(done.join(u',')));
        }
        // All the way back and forth again.
        QUndoStack *stack = walk.document.history();
        while (stack->canUndo()) {
            const QString what = walk.history(true);
            QVERIFY2(!what.contains(u'\n'), qPrintable(what));
        }
        while (stack->canRedo()) {
            const QString what = walk.history(false);
            QVERIFY2(!what.contains(u'\n'), qPrintable(what));
        }
    }

    // Keystrokes in one box are one step; leaving the box ends it.
    void typingMergesIntoOneStep()
    {
        LessonDocument document(varied(3));
        document.startNew();
        const QString start = shown(document);
        document.changeStageCount(QStringLiteral("1"));
        document.changeStageCount(QStringLiteral("12"));
        QCOMPARE(document.history()->count(), 1);
        QCOMPARE(document.history()->undoText(), QStringLiteral("vorta sayısı 4 → 12"));
        document.undo();
        QCOMPARE(shown(document), start);
        document.redo();
        QCOMPARE(document.stageTable()->rowCount(), 13);

        document.endTyping();
        document.changeStageCount(QStringLiteral("2"));
        QCOMPARE(document.history()->count(), 2);
        SettingsState x = document.settings();
        for (const char *text : {"3", "30", "300"}) {
            x.xText = QLatin1String(text);
            x.values.xSpacing = x.xText.toDouble();
            document.changeSetting(Setting::XSpacing, x);
        }
        QCOMPARE(document.history()->count(), 3);
        QCOMPARE(document.history()->undoText(), QStringLiteral("X 220 → 300"));
        SettingsState colour = document.settings();
        colour.values.colourLines = true;
        document.changeSetting(Setting::ColourLines, colour);
        colour.values.colourLines = false;
        document.changeSetting(Setting::ColourLines, colour);
        QCOMPARE(document.history()->count(), 5);
    }

    // Names edited in BoxNameTable are steps; a refused one changes nothing
    // and marks its cell; a change of stage count (typed through a smaller
    // one) or of a box count keeps the names of the boxes that remain.
    void namesStayWithTheirBoxes()
    {
        LessonDocument document(varied(4));
        document.startNew(); // five columns of three
        BoxNameModel model(document.edgeTable());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        connect(&model, &BoxNameModel::namesChosen, &document, &LessonDocument::changeNames);
        const auto labels = [&document] {
            QStringList all;
            for (qint64 box = 1; box <= document.edgeTable()->shape().totalBoxes(); ++box)
                all << document.edgeTable()->edges().boxLabel(box);
            return all.join(u' ');
        };
        document.changeNames(letterNames(15));
        QVERIFY(model.setData(model.index(1, BoxNameModel::NameColumn), QStringLiteral("Bursa")));
        QCOMPARE(document.history()->undoText(), QStringLiteral("2. kutunun adı B → Bursa"));
        QSignalSpy refused(&model, &BoxNameModel::nameRefused);
        QVERIFY(!model.setData(model.index(2, BoxNameModel::NameColumn), QStringLiteral("Bursa")));
        QCOMPARE(refused.count(), 1);
        QVERIFY(model.index(2, BoxNameModel::NameColumn).data(Qt::ToolTipRole).toString().contains(
            QStringLiteral("2. kutunun adı")));
        QVERIFY(model.index(2, BoxNameModel::NameColumn).data(Qt::BackgroundRole).isValid());
        QVERIFY(!model.setData(model.index(2, BoxNameModel::NameColumn), QString(21, u'x')));
        const QString named = QStringLiteral("A Bursa C D E F G H I J K L M N O");
        QCOMPARE(labels(), named);
        QCOMPARE(document.history()->count(), 2);
        QCOMPARE(document.edgeTable()->index(3, EdgeTable::ToColumn).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("D")); // row 3: box 2 to box 4

        // "10" typed through "1": the names of the five columns come back.
        document.changeStageCount(QStringLiteral("1"));
        QCOMPARE(labels(), QStringLiteral("A Bursa C D E F"));
        document.changeStageCount(QStringLiteral("10"));
        QCOMPARE(model.rowCount(), 33);
        QVERIFY(labels().startsWith(named + QStringLiteral(" 16 17")));
        document.undo();
        QCOMPARE(labels(), named);
        QVERIFY(!model.index(2, BoxNameModel::NameColumn).data(Qt::BackgroundRole).isValid());

        // The second column down to one box: E and F go, G is box 5 now.
        document.stageTable()->setData(document.stageTable()->index(1, 0), QStringLiteral("1"));
        QVERIFY(document.regenerateAfterCountEdits());
        QCOMPARE(labels(), QStringLiteral("A Bursa C D G H I J K L M N O"));
        document.undo();
        QCOMPARE(labels(), named);
        document.undo();
        document.undo();
        QCOMPARE(labels(), QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15"));
        QVERIFY(!document.edgeTable()->edges().names);
    }

    // Modified exactly when the lesson differs from its saved (or opened,
    // or new) state by the history.
    void modifiedFollowsTheSavedState()
    {
        LessonDocument document(varied(5));
        document.startNew();
        QVERIFY(!document.isModified());
        document.edgeTable()->setData(document.edgeTable()->index(0, 0), QStringLiteral("50"));
        QVERIFY(document.isModified());
        document.undo();
        QVERIFY(!document.isModified());
        document.redo();
        document.markSaved(QStringLiteral("/tmp/a.stagepath"));
        QVERIFY(!document.isModified());
        QCOMPARE(document.fileName(), QStringLiteral("/tmp/a.stagepath"));
        document.undo();
        QVERIFY(document.isModified());
        const Lesson lesson = document.lesson();
        document.load(lesson, QStringLiteral("/tmp/b.stagepath"));
        QVERIFY(!document.isModified());
        QCOMPARE(document.history()->count(), 0);
        QVERIFY(lessons::difference(document.lesson(), lesson).isEmpty());
    }

    // Saving while a regeneration waits saves the regenerated lesson (counts
    // and values that fit together).
    void aWaitingRegenerationIsDoneBeforeTheLessonIsTaken()
    {
        LessonDocument document(varied(9));
        document.startNew();
        document.stageTable()->setData(document.stageTable()->index(0, 0), QStringLiteral("5"));
        const Lesson lesson = document.lesson();
        QCOMPARE(lesson.edges->shape.edgeCount(), 5 * 3 + 3 * 9);
        QVERIFY(!document.regenerateAfterCountEdits());
    }

    // The oldest steps go once the tables they keep pass the byte limit;
    // what stays undoes exactly, and a saved state that went is unreachable.
    void historyStaysWithinItsBytes()
    {
        LessonDocument document(varied(11));
        document.startNew();
        document.changeStageCount(QStringLiteral("1"));
        document.endTyping();
        document.stageTable()->setData(document.stageTable()->index(0, 0), QStringLiteral("40"));
        QVERIFY(document.regenerateAfterCountEdits());
        document.markSaved(QStringLiteral("/tmp/c.stagepath"));
        QStringList states{shown(document)};
        const qint64 table = approximateBytes(document.edgeTable()->edges());
        document.setHistoryByteLimit(4 * table);
        for (int i = 0; i < 12; ++i) {
            document.stageTable()->setData(document.stageTable()->index(1, 0), QString::number(3 + i % 2));
            QVERIFY(document.regenerateAfterCountEdits());
            states << shown(document);
            if (i % 3 == 0) {
                document.edgeTable()->setData(document.edgeTable()->index(i, 0), QStringLiteral("x"));
                states << shown(document);
            }
        }
        // The tables the steps keep, each once, but for the one shown.
        QSet<const EdgeData *> counted{&document.edgeTable()->edges()};
        qint64 kept = 0;
        for (int i = 0; i < document.history()->count(); ++i) {
            for (const KeptEdges &k : dynamic_cast<const LessonCommand *>(document.history()->command(i))->keptEdges()) {
                if (!counted.contains(k.data.get()))
                    kept += k.bytes;
                counted.insert(k.data.get());
            }
        }
        QVERIFY2(kept <= 4 * table, qPrintable(QStringLiteral("%1 > %2, %3 steps").arg(kept).arg(4 * table).arg(document.history()->count())));
        QVERIFY(document.history()->count() < 16);
        QVERIFY(document.isModified());
        for (qsizetype back = 2; document.history()->canUndo(); ++back) {
            document.undo();
            QCOMPARE(shown(document), states.at(states.size() - back));
            QVERIFY(document.isModified());
        }
        document.markSaved(QStringLiteral("/tmp/c.stagepath"));
        document.redo();
        QVERIFY(document.isModified());
        document.undo();
        QVERIFY(!document.isModified());
    }

    // A large regeneration is drawn on a worker and replaces the edge table
    // whole: until then the edge table keeps the old counts' edges; an edit of the counts
    // meanwhile drops it and only the newest counts are ever shown; the
    // tables and the history change together, so undo and redo bring back
    // exactly what was shown. Any other change waits for the worker first.
    void largeRegenerationReplacesTheTableWholeAndTheNewestEditWins()
    {
        LessonDocument document(varied(17));
        document.setWorkerWait(0);
        document.startNew();
        StageTable *stages = document.stageTable();
        EdgeTable *edges = document.edgeTable();
        new QAbstractItemModelTester(edges, QAbstractItemModelTester::FailureReportingMode::QtTest, edges);
        document.changeStageCount(QStringLiteral("1"));
        document.endTyping();
        stages->setData(stages->index(0, 0), QStringLiteral("1000"));
        document.startRegeneration(); // 3000 edges: at once
        QVERIFY(!document.isWorking());
        QCOMPARE(edges->rowCount(), 3000);
        const QString before = shown(document);

        QList<int> shownRows;
        bool countsFitEdges = true;
        connect(edges, &QAbstractItemModel::modelReset, this, [&] {
            shownRows << edges->rowCount();
            countsFitEdges = countsFitEdges && edges->shape().boxCounts() == boxCountsOf(stages->countTexts());
        });
        QSignalSpy changed(&document, &LessonDocument::tablesChanged);
        stages->setData(stages->index(1, 0), QStringLiteral("999"));
        document.startRegeneration();
        QVERIFY(document.isWorking());
        QCOMPARE(edges->rowCount(), 3000);
        stages->setData(stages->index(1, 0), QStringLiteral("1000")); // before it is ready
        QVERIFY(!document.isWorking());
        document.startRegeneration();
        QVERIFY(changed.wait(20000));
        QVERIFY(!document.isWorking());
        QCOMPARE(shownRows, QList<int>{1000 * 1000});
        QVERIFY(countsFitEdges);
        QCOMPARE(document.history()->count(), 3);
        QCOMPARE(document.history()->undoText(), QStringLiteral("2.Vorta kutu sayısı 3 → 1000"));
        QSet<double> values;
        for (qint64 row = 0; row < 2000; ++row)
            values.insert(edges->edges().value(row));
        QVERIFY2(values.size() > 100, "the values are drawn, not repeated");
        // The step keeps the very table the worker drew.
        const TablesState after = document.tablesState();
        document.undo();
        QCOMPARE(shown(document), before);
        document.redo();
        QCOMPARE(document.tablesState().boxTexts, after.boxTexts);
        QCOMPARE(document.tablesState().edges, after.edges);

        // A setting changed while the worker draws: the regeneration is done first.
        stages->setData(stages->index(1, 0), QStringLiteral("500"));
        document.startRegeneration();
        SettingsState colour = document.settings();
        colour.values.colourLines = true;
        document.changeSetting(Setting::ColourLines, colour);
        QVERIFY(!document.isWorking());
        QCOMPARE(edges->rowCount(), 1000 * 500);
        QCOMPARE(document.history()->count(), 5);
        QVERIFY(countsFitEdges);
        document.undo();
        document.undo();
        QCOMPARE(document.tablesState().boxTexts, after.boxTexts);
        QCOMPARE(document.tablesState().edges, after.edges);
    }

    // Drawn on a worker or at once, every regeneration takes the source's
    // next numbers in order: the values are those the sequence gives from
    // the draws made so far, and the next regeneration goes on after them.
    // A regeneration whose lesson was replaced never reaches the tables; one still drawn
    // when the document goes is left behind.
    void workerDrawsTheSourcesNextNumbers()
    {
        const std::vector<float> sequence = variedValues(21);
        const auto gate = std::make_shared<Gate>();
        LessonDocument document(std::make_unique<GatedRandom>(varied(21), gate));
        const auto openAtLast = qScopeGuard([gate] { gate->set(true); }); // before the document goes
        document.setWorkerWait(0);
        StageTable *stages = document.stageTable();
        EdgeTable *edges = document.edgeTable();
        new QAbstractItemModelTester(edges, QAbstractItemModelTester::FailureReportingMode::QtTest, edges);
        qint64 drawn = 0;
        const auto valuesFollowTheSequence = [&] {
            const std::vector<double> &values = edges->edges().values;
            for (size_t row = 0; row < values.size(); ++row)
                if (values[row] != edgeValueFrom(sequence[(size_t(drawn) + row) % sequence.size()]))
                    return false;
            drawn += qint64(values.size());
            return true;
        };
        document.startNew();
        QVERIFY(valuesFollowTheSequence());
        document.changeStageCount(QStringLiteral("1"));
        document.endTyping();
        QVERIFY(valuesFollowTheSequence());
        QSignalSpy changes(&document, &LessonDocument::tablesChanged);
        for (const char *count : {"400", "2"}) { // 160,000 edges on the worker, then 800 at once
            stages->setData(stages->index(1, 0), QString::fromLatin1(count));
            stages->setData(stages->index(0, 0), QStringLiteral("400"));
            document.startRegeneration();
            if (document.isWorking())
                QVERIFY(changes.wait(20000));
            QCOMPARE(edges->rowCount(), 400 * QByteArray(count).toInt());
            QVERIFY(valuesFollowTheSequence());
        }

        // A worker held at the gate is still working when the lesson is
        // replaced; let go afterwards, it changes nothing.
        gate->set(false);
        stages->setData(stages->index(1, 0), QStringLiteral("500"));
        document.startRegeneration();
        QVERIFY(document.isWorking());
        document.startNew();
        QVERIFY(!document.isWorking());
        const QString replaced = shown(document);
        changes.clear();
        gate->set(true);
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(shown(document), replaced);

        gate->set(false);
        document.changeStageCount(QStringLiteral("1"));
        stages->setData(stages->index(0, 0), QStringLiteral("1000"));
        stages->setData(stages->index(1, 0), QStringLiteral("1000"));
        document.startRegeneration();
        QVERIFY(document.isWorking());
    }

    void historyKeepsAtMostItsSteps()
    {
        LessonDocument document(varied(13));
        document.startNew();
        EdgeTable *edges = document.edgeTable();
        for (int i = 0; i < LessonDocument::historySteps + 20; ++i)
            edges->setData(edges->index(i % 36, 0), QString::number(i));
        QCOMPARE(document.history()->count(), LessonDocument::historySteps);
        QCOMPARE(document.history()->undoText(), QStringLiteral("değer 83 → 119"));
    }
};

QTEST_GUILESS_MAIN(TestLessonDocument)
#include "tst_lessondocument.moc"

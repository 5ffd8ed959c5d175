// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the window holds its event loop in the heavy actions at the
// admitted limits. Every event is timed as it is dispatched (the
// application's notify, outermost calls only); an action's figure is the
// longest single event from the moment the action is posted until its timers
// and repaints have settled. The window is offscreen, fresh for each run; each
// repetition is one run, and the aggregates give the median.

#include "app/shareui/tableexport.h"
#include "app/window/mainwindow.h"

#include <benchmark/benchmark.h>

#include "lesson/lessonfile.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

class TimingApplication : public QApplication
{
public:
    using QApplication::QApplication;
    qint64 longestNs = 0;
    // STAGEPATH_BENCH_TRACE=ms prints every event that held the loop longer.
    const qint64 traceNs = qEnvironmentVariableIntValue("STAGEPATH_BENCH_TRACE") * qint64(1000000);

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_depth++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --m_depth;
            return handled;
        }
        QElapsedTimer clock;
        clock.start();
        // The receiver and the event may be gone afterwards.
        const int type = event->type();
        const char *className = receiver->metaObject()->className();
        const QString name = receiver->objectName();
        const bool handled = QApplication::notify(receiver, event);
        const qint64 ns = clock.nsecsElapsed();
        longestNs = std::max(longestNs, ns);
        if (traceNs > 0 && ns > traceNs)
            fprintf(stderr, "  %.1f ms: event %d to %s %s\n", double(ns) / 1e6, type, className,
                    qPrintable(name));
        --m_depth;
        return handled;
    }

private:
    int m_depth = 0;
};

TimingApplication *app() { return static_cast<TimingApplication *>(QCoreApplication::instance()); }

template <typename T> T *child(QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

QAbstractItemModel *model(QWidget &window, const char *view)
{
    return child<QAbstractItemView>(window, view)->model();
}

// Runs fn from the event loop, as an event of its own, and lets everything it
// starts (timers of 200 ms, repaints, work on a worker thread, which shows
// the busy cursor) settle.
void post(QWidget &window, std::function<void()> fn, int settleMs = 600)
{
    QMetaObject::invokeMethod(&window, std::move(fn), Qt::QueuedConnection);
    QTest::qWait(settleMs);
    if (QTest::qWaitFor([] { return !QGuiApplication::overrideCursor(); }, 30000))
        QTest::qWait(100);
}

void setText(QWidget &window, const char *edit, const QString &text)
{
    post(window, [&window, edit, text] { child<QLineEdit>(window, edit)->setText(text); });
}

void setBoxCount(QWidget &window, int column, int count)
{
    post(window, [&window, column, count] {
        QAbstractItemModel *stages = model(window, "ListView1");
        stages->setData(stages->index(column, 0), QString::number(count), Qt::EditRole);
    });
}

void click(QWidget &window, const char *button)
{
    post(window, [&window, button] { child<QPushButton>(window, button)->click(); });
}

// Types text into a text box key by key, each key an event of its own.
void typeKeys(QWidget &window, const char *edit, const QString &text)
{
    auto *box = child<QLineEdit>(window, edit);
    post(window, [box] { box->setFocus(); box->selectAll(); });
    for (const QChar key : text)
        post(window, [box, key] { QTest::keyClick(box, key.toLatin1()); });
}

// A key in a table, at its first row, as type-ahead.
void keyInTable(QWidget &window, const char *view, int column, const QString &keys)
{
    auto *table = child<QAbstractItemView>(window, view);
    post(window, [table, column] { table->setCurrentIndex(table->model()->index(0, column)); table->setFocus(); });
    post(window, [table, keys] { QTest::keyClicks(table, keys); });
}

struct Action {
    std::function<void(QWidget &)> setUp;
    std::function<void(QWidget &)> act;
};

void run(benchmark::State &state, const char *name, const Action &action)
{
    for (auto _ : state) {
        auto window = std::make_unique<stagepath::MainWindow>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            state.SkipWithError("the window was not shown");
        if (action.setUp)
            action.setUp(*window);
        QTest::qWait(50);
        app()->longestNs = 0;
        if (app()->traceNs > 0)
            fprintf(stderr, "-- %s\n", name);
        action.act(*window);
        state.SetIterationTime(double(app()->longestNs) / 1e9);
    }
}

void twoColumnsOf1000(QWidget &w)
{
    setText(w, "Text1", QStringLiteral("1"));
    setBoxCount(w, 0, 1000);
}

void trigger(QWidget &window, const char *action, int settleMs = 600)
{
    post(window, [&window, action] { child<QAction>(window, action)->trigger(); }, settleMs);
}

void millionEdges(QWidget &w)
{
    twoColumnsOf1000(w);
    setBoxCount(w, 1, 1000);
}

// A lesson of a million edges whose values are all typed texts ("07"), the
// slowest kind to read; written once.
QString millionTextsLesson()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("metinler.stagepath"));
        auto edges = std::make_shared<stagepath::EdgeData>();
        edges->shape = stagepath::GraphShape({1000, 1000});
        edges->values.assign(1000 * 1000, 7);
        for (qint64 row = 0; row < 1000 * 1000; ++row)
            edges->texts.insert(row, QStringLiteral("0%1").arg(row % 1000));
        const stagepath::Lesson lesson{{QStringLiteral("1000"), QStringLiteral("1000")}, edges, {}};
        if (!stagepath::writeLessonFile(file, lesson).isEmpty())
            qFatal("the lesson could not be written");
        return file;
    }();
    return path;
}

void openMillionTexts(QWidget &w)
{
    auto *window = static_cast<stagepath::MainWindow *>(&w);
    post(w, [window] { window->openLesson(millionTextsLesson()); });
}

// The 1000 x 1000 mesh with a wide pen at a zoom (in steps of 25 % from
// 100 %), scrolled halfway down.
void meshAt(QWidget &w, int pen, int zoomSteps)
{
    millionEdges(w);
    setText(w, "Text4", QString::number(pen));
    for (int i = 0; i < zoomSteps; ++i)
        trigger(w, "actionZoomIn");
    auto *bar = child<QScrollBar>(w, "VScroll1");
    post(w, [bar] { bar->setValue(bar->maximum() / 2); });
}

// The same with its lines coloured by their left box.
void colouredMeshAt(QWidget &w, int pen, int zoomSteps)
{
    meshAt(w, pen, zoomSteps);
    post(w, [&w] { child<QCheckBox>(w, "Check1")->click(); });
}

// The mesh's top or bottom edge scrolled into view.
void scrollToEdge(QWidget &w, bool top)
{
    auto *bar = child<QScrollBar>(w, "VScroll1");
    post(w, [bar, top] { bar->setValue(top ? bar->minimum() : bar->maximum()); });
}

// The solution steps at the limits: worked out off the event loop, so the
// settling waits for the worker as well.
constexpr int solvedMs = 3000;

void millionEdgesWithSteps(QWidget &w)
{
    millionEdges(w);
    trigger(w, "actionSolutionSteps", solvedMs);
}

void boxes200000WithSteps(QWidget &w)
{
    setText(w, "Text1", QStringLiteral("2"));
    setBoxCount(w, 1, 1);
    setBoxCount(w, 0, 100000);
    setBoxCount(w, 2, 99999);
    trigger(w, "actionSolutionSteps", solvedMs);
}

// The stage tableau at the limits: the steps open and walked to their first
// step, in either recursion; the figure is one more step (tableau,
// recurrence, drawing).
void chooseRecursion(QWidget &w, bool backward)
{
    post(w, [&w, backward] {
        auto *box = child<QComboBox>(w, "Recursion");
        box->setCurrentIndex(backward ? 1 : 0);
    }, solvedMs);
}

void firstStep(QWidget &w, bool backward)
{
    trigger(w, "actionSolutionSteps", solvedMs);
    chooseRecursion(w, backward);
    click(w, "StepFirst");
}

// Fifteen stages with every tenth road removed ("-"), as a textbook draws
// missing roads: the listing maps rows through the counts of real paths.
void fifteenStagesRoadsMissing(QWidget &w)
{
    setText(w, "Text1", QStringLiteral("15"));
    auto *edges = child<QAbstractItemView>(w, "ListView2");
    post(w, [edges] {
        QAbstractItemModel *model = edges->model();
        for (int row = 0; row < model->rowCount(); row += 10)
            model->setData(model->index(row, 0), QStringLiteral("-"));
    });
}

void fifteenStagesRoadsMissingListed(QWidget &w)
{
    fifteenStagesRoadsMissing(w);
    click(w, "Command4");
}

void fifteenStagesListed(QWidget &w)
{
    setText(w, "Text1", QStringLiteral("15")); // 3^16 = 43,046,721 paths
    click(w, "Command4");
    auto *view = child<QAbstractItemView>(w, "ListView5");
    post(w, [view] { view->setCurrentIndex(view->model()->index(0, 2)); view->setFocus(); });
}

// The result table of 14,348,907 rows written as CSV, until the file is whole.
void exportFourteenMillionRows(QWidget &w)
{
    QTemporaryDir dir;
    auto *exporter = w.findChild<stagepath::TableExport *>();
    QSignalSpy done(exporter, &stagepath::TableExport::done);
    post(w, [exporter, &dir] { exporter->exportResults(dir.filePath(QStringLiteral("yollar.csv"))); }, 0);
    done.wait(300000);
}

// The print preview, until its pages are shown.
void previewPrintout(QWidget &w)
{
    post(w, [&w] { child<QAction>(w, "actionPrint")->trigger(); }, 0);
    QPrintPreviewDialog *dialog = nullptr;
    for (int i = 0; i < 600 && !(dialog = w.findChild<QPrintPreviewDialog *>()); ++i)
        QTest::qWait(50);
    if (dialog)
        QTest::qWait(1000); // the pages laid out and painted
}

const std::vector<std::pair<const char *, Action>> &actions()
{
    static const std::vector<std::pair<const char *, Action>> list{
        {"StageCount1000", {nullptr, [](QWidget &w) { setText(w, "Text1", QStringLiteral("1000")); }}},
        {"Solve1000Stages",
         {[](QWidget &w) { setText(w, "Text1", QStringLiteral("1000")); }, [](QWidget &w) { click(w, "Command5"); }}},
        {"MillionEdges", {twoColumnsOf1000, [](QWidget &w) { setBoxCount(w, 1, 1000); }}},
        {"ColumnOf100000",
         {[](QWidget &w) { setText(w, "Text1", QStringLiteral("2")); }, [](QWidget &w) { setBoxCount(w, 1, 100000); }}},
        {"Boxes200000",
         {[](QWidget &w) {
              setText(w, "Text1", QStringLiteral("2"));
              setBoxCount(w, 1, 1);
              setBoxCount(w, 0, 100000);
          },
          [](QWidget &w) { setBoxCount(w, 2, 99999); }}},
        {"MeshScrolledHalfway",
         {[](QWidget &w) { twoColumnsOf1000(w); setBoxCount(w, 1, 1000); },
          [](QWidget &w) {
              auto *bar = child<QScrollBar>(w, "VScroll1");
              post(w, [bar] { bar->setValue(bar->maximum() / 2); });
          }}},
        {"MeshPen32767",
         {[](QWidget &w) { twoColumnsOf1000(w); setBoxCount(w, 1, 1000); },
          [](QWidget &w) { setText(w, "Text4", QStringLiteral("32767")); }}},
        {"List43MillionPaths",
         {[](QWidget &w) { setText(w, "Text1", QStringLiteral("15")); }, [](QWidget &w) { click(w, "Command4"); }}},
        {"Solve43MillionPaths",
         {[](QWidget &w) { setText(w, "Text1", QStringLiteral("15")); }, [](QWidget &w) { click(w, "Command5"); }}},
        {"ListRoadsMissing15Stages", {fifteenStagesRoadsMissing, [](QWidget &w) { click(w, "Command4"); }}},
        {"SolveRoadsMissing15Stages", {fifteenStagesRoadsMissing, [](QWidget &w) { click(w, "Command5"); }}},
        {"ScrollListingRoadsMissing15Stages",
         {fifteenStagesRoadsMissingListed,
          [](QWidget &w) {
              auto *view = child<QAbstractItemView>(w, "ListView5");
              post(w, [view] { view->scrollTo(view->model()->index(view->model()->rowCount() / 2, 0)); });
          }}},
        {"TypeAheadKeyIn43MillionRows",
         {fifteenStagesListed,
          [](QWidget &w) {
              auto *view = child<QAbstractItemView>(w, "ListView5");
              post(w, [view] { QTest::keyClick(view, Qt::Key_5); });
          }}},
        {"SelectAllAndCopyIn43MillionRows",
         {fifteenStagesListed,
          [](QWidget &w) {
              auto *view = child<QAbstractItemView>(w, "ListView5");
              post(w, [view] {
                  QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
                  QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
              });
          }}},
        {"TypeStageCount1000KeyByKey", {nullptr, [](QWidget &w) { typeKeys(w, "Text1", QStringLiteral("1000")); }}},
        {"TypeXSpacingInMillionEdges", {millionEdges, [](QWidget &w) { typeKeys(w, "Text2", QStringLiteral("300")); }}},
        {"UndoMillionEdges", {millionEdges, [](QWidget &w) { trigger(w, "actionUndo"); }}},
        {"RedoMillionEdges",
         {[](QWidget &w) { millionEdges(w); trigger(w, "actionUndo"); }, [](QWidget &w) { trigger(w, "actionRedo"); }}},
        {"OpenMillionTypedValues", {[](QWidget &) { millionTextsLesson(); }, openMillionTexts}},
        {"SaveMillionTypedValues", {openMillionTexts, [](QWidget &w) { trigger(w, "actionSave"); }}},
        // "Tekrar Çiz" after a lesson of 10^6 typed values was opened.
        {"RedrawMillionTypedValues", {openMillionTexts, [](QWidget &w) { click(w, "Command1"); }}},
        {"StageTabOfMillionEdges",
         {millionEdges,
          [](QWidget &w) {
              auto *tabs = child<QTabBar>(w, "TabStrip1");
              post(w, [tabs] { tabs->setCurrentIndex(1); });
          }}},
        {"MeshTopPen100Zoom100", {[](QWidget &w) { meshAt(w, 100, 0); }, [](QWidget &w) { scrollToEdge(w, true); }}},
        {"MeshTopPen200Zoom200", {[](QWidget &w) { meshAt(w, 200, 4); }, [](QWidget &w) { scrollToEdge(w, true); }}},
        {"MeshTopPen300Zoom400", {[](QWidget &w) { meshAt(w, 300, 12); }, [](QWidget &w) { scrollToEdge(w, true); }}},
        {"MeshTopColouredPen300Zoom400",
         {[](QWidget &w) { colouredMeshAt(w, 300, 12); }, [](QWidget &w) { scrollToEdge(w, true); }}},
        {"MeshBottomPen150Zoom100", {[](QWidget &w) { meshAt(w, 150, 0); }, [](QWidget &w) { scrollToEdge(w, false); }}},
        {"MeshBottomPen250Zoom300", {[](QWidget &w) { meshAt(w, 250, 8); }, [](QWidget &w) { scrollToEdge(w, false); }}},
        {"MeshZoomInPen300",
         {[](QWidget &w) { meshAt(w, 300, 0); }, [](QWidget &w) { trigger(w, "actionZoomIn"); }}},
        {"KeyInStageTableOf1000Stages",
         {[](QWidget &w) { setText(w, "Text1", QStringLiteral("1000")); },
          [](QWidget &w) { keyInTable(w, "ListView1", 0, QStringLiteral("5")); }}},
        {"KeyInStageTabOfMillionEdges",
         {[](QWidget &w) {
              millionEdges(w);
              auto *tabs = child<QTabBar>(w, "TabStrip1");
              post(w, [tabs] { tabs->setCurrentIndex(1); });
          },
          [](QWidget &w) { keyInTable(w, "ListView3", 0, QStringLiteral("99999")); }}},
        {"ExportResults14MillionRows",
         {[](QWidget &w) {
              setText(w, "Text1", QStringLiteral("14")); // 3^15 = 14,348,907 paths
              click(w, "Command4");
          },
          exportFourteenMillionRows}},
        {"CopyMillionEdges",
         {[](QWidget &w) {
              twoColumnsOf1000(w);
              setBoxCount(w, 1, 1000);
          },
          [](QWidget &w) {
              auto *view = child<QAbstractItemView>(w, "ListView2");
              post(w, [view] {
                  view->setFocus();
                  QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
                  QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
              });
          }}},
        {"PrintPreviewMillionEdges",
         {[](QWidget &w) {
              twoColumnsOf1000(w);
              setBoxCount(w, 1, 1000);
          },
          previewPrintout}},
        {"PrintPreview43MillionPaths", {fifteenStagesListed, previewPrintout}},
        {"TypeAheadKeyInMillionEdges",
         {[](QWidget &w) {
              twoColumnsOf1000(w);
              setBoxCount(w, 1, 1000);
              auto *view = child<QAbstractItemView>(w, "ListView2");
              post(w, [view] { view->setCurrentIndex(view->model()->index(0, 1)); view->setFocus(); });
          },
          [](QWidget &w) {
              auto *view = child<QAbstractItemView>(w, "ListView2");
              post(w, [view] { QTest::keyClicks(view, QStringLiteral("99999")); });
          }}},
        {"StepsOpenAtMillionEdges", {millionEdges, [](QWidget &w) { trigger(w, "actionSolutionSteps", solvedMs); }}},
        {"StepsFollowAnEditAtMillionEdges",
         {millionEdgesWithSteps,
          [](QWidget &w) {
              post(w, [&w] {
                  QAbstractItemModel *edges = model(w, "ListView2");
                  edges->setData(edges->index(0, 0), QStringLiteral("7"), Qt::EditRole);
              }, solvedMs);
          }}},
        {"RankedPaths1000AtMillionEdges",
         {millionEdgesWithSteps,
          [](QWidget &w) { post(w, [&w] { child<QSpinBox>(w, "RankedCount")->setValue(1000); }, solvedMs); }}},
        {"RankedPaths1000At1000Stages",
         {[](QWidget &w) {
              setText(w, "Text1", QStringLiteral("1000"));
              trigger(w, "actionSolutionSteps", solvedMs);
          },
          [](QWidget &w) { post(w, [&w] { child<QSpinBox>(w, "RankedCount")->setValue(1000); }, solvedMs); }}},
        {"StepsOpenAt200000Boxes",
         {[](QWidget &w) {
              setText(w, "Text1", QStringLiteral("2"));
              setBoxCount(w, 1, 1);
              setBoxCount(w, 0, 100000);
              setBoxCount(w, 2, 99999);
          },
          [](QWidget &w) { trigger(w, "actionSolutionSteps", solvedMs); }}},
        {"StepLastAt200000Boxes", {boxes200000WithSteps, [](QWidget &w) { click(w, "StepLast"); }}},
        {"TableauStepAtMillionEdges",
         {[](QWidget &w) {
              millionEdges(w);
              firstStep(w, false);
          },
          [](QWidget &w) { click(w, "StepForward"); }}},
        {"TableauStepBackwardAtMillionEdges",
         {[](QWidget &w) {
              millionEdges(w);
              firstStep(w, true);
          },
          [](QWidget &w) { click(w, "StepForward"); }}},
        {"TableauStepAt1000Stages",
         {[](QWidget &w) {
              setText(w, "Text1", QStringLiteral("1000"));
              firstStep(w, true);
              for (int i = 0; i < 500; ++i)
                  post(w, [&w] { child<QPushButton>(w, "StepForward")->click(); }, 0);
          },
          [](QWidget &w) { click(w, "StepForward"); }}},
        {"TableauRowOf100000Cells",
         {[](QWidget &w) {
              boxes200000WithSteps(w);
              firstStep(w, false);
          },
          [](QWidget &w) { click(w, "StepForward"); }}},
        {"TableauColumnOf100000Boxes",
         {[](QWidget &w) {
              boxes200000WithSteps(w);
              firstStep(w, true);
              click(w, "StepForward");
          },
          [](QWidget &w) { click(w, "StepForward"); }}},
        {"AllBestPathsAtMillionEdges", {millionEdges, [](QWidget &w) { trigger(w, "actionAllBestPaths", solvedMs); }}},
        {"SelectResultRowAtMillionEdges",
         {[](QWidget &w) {
              millionEdges(w);
              click(w, "Command4");
          },
          [](QWidget &w) {
              auto *view = child<QAbstractItemView>(w, "ListView5");
              post(w, [view] { view->setCurrentIndex(view->model()->index(500000, 0)); });
          }}},
    };
    return list;
}

void registerActions()
{
    for (const auto &[name, action] : actions()) {
        benchmark::RegisterBenchmark(name, [name, &action](benchmark::State &state) { run(state, name, action); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on window hints would drown the figures.
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtWarningMsg || !message.contains(QLatin1String("propagateSizeHints")))
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    TimingApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerActions();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

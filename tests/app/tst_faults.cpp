// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window under threads and errors: workers drawing while the window
// paints and the lesson changes, and errors in every entry from the event
// loop, each of which leaves a working window and the lesson as it was.

#include "windowdriver.h"

#include "app/picture/picturebox.h"
#include "app/tasks/solutionrunner.h"
#include "drawing/colours.h"
#include "drawing/export.h"
#include "drawing/overlays.h"
#include "lesson/lessondocument.h"
#include "lesson/lessonfile.h"
#include "model/randomsource.h"
#include "share/picturefile.h"
#include "share/printout.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureSynchronizer>
#include <QLineEdit>
#include <QMutex>
#include <QPushButton>
#include <QSignalSpy>
#include <QThreadPool>
#include <QTimer>
#include <QUndoStack>
#include <QtConcurrent>

#include <atomic>
#include <stdexcept>

using namespace stagepath;

namespace {

// Seeded numbers, until it is told to fail: then every draw throws, as a
// regeneration that runs out of something would.
class FailingRandom final : public RandomSource
{
public:
    FailingRandom(std::shared_ptr<std::atomic<bool>> failing, quint64 seed)
        : m_failing(std::move(failing))
        , m_seeded(seed)
    {
    }
    float next() override
    {
        if (*m_failing)
            throw std::runtime_error("zar atılamadı");
        return m_seeded.next();
    }
    std::unique_ptr<RandomSource> split(qint64 draws) override
    {
        return std::make_unique<FailingRandom>(m_failing, quint64(m_seeded.next() * 1e9) + quint64(draws));
    }

private:
    std::shared_ptr<std::atomic<bool>> m_failing;
    SeededRandom m_seeded;
};

} // namespace

class TestFaults : public QObject, protected WindowDriver
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::shared_ptr<std::atomic<bool>> m_failing = std::make_shared<std::atomic<bool>>(false);

    QAction *action(const char *name) const { return child<QAction>(name); }
    QString messageText() const
    {
        QMessageBox *box = visibleMessage();
        return box ? box->text() : QString();
    }
    // An edited box count, still waiting for its regeneration.
    void editBoxCount(const QString &text)
    {
        QAbstractItemModel *counts = model("ListView1");
        QVERIFY(counts->setData(counts->index(1, 0), text));
    }
    void answerQuestionWith(QMessageBox::StandardButton button)
    {
        QTimer::singleShot(0, this, [button] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(button)->click();
        });
    }

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit()); }
    void init()
    {
        QLocale::setDefault(QLocale::c());
        *m_failing = false;
        form = std::make_unique<MainWindow>(std::make_unique<FailingRandom>(m_failing, 7));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        *m_failing = false;
        SolutionRunner::solveHook() = {};
        closeMessages();
        form.reset();
    }

    // Workers export the picture, copy it and gather a printout from the
    // snapshots the window hands them, while the window repaints and the
    // values and box counts are edited. Every product is whole, and no edit
    // reaches a snapshot handed out before it.
    void workersDrawWhileTheWindowPaintsAndEdits()
    {
        auto *picture = child<PictureBox>("Picture1");
        QAbstractItemModel *values = model("ListView2");
        QMutex handedOutLock;
        GraphPicture handedOut = picture->picture();
        std::atomic<bool> stop = false;
        QThreadPool pool;
        pool.setMaxThreadCount(3);
        const auto work = [&](int job) -> QString {
            for (int round = 0; round < 4 || !stop; ++round) {
                GraphPicture shown;
                {
                    const QMutexLocker locked(&handedOutLock);
                    shown = handedOut;
                }
                const QSize size = wholeDrawingSize(shown);
                if (job == 0) {
                    QBuffer png;
                    png.open(QIODevice::WriteOnly);
                    if (!writePng(shown, &png) || QImage::fromData(png.data(), "PNG").size() != size)
                        return QStringLiteral("PNG export");
                } else if (job == 1) {
                    if (shown.render(QRect(QPoint(), size)).size() != size)
                        return QStringLiteral("copied picture");
                } else {
                    const Printout printout(Printout::gather(QStringLiteral("ders"), shown.edges(), LessonSettings(),
                                                            ListedPaths()));
                    QBuffer pdf;
                    pdf.open(QIODevice::WriteOnly);
                    if (printout.content().picture.edges() != shown.edges()
                        || !writePicture(shown, PictureFormat::Pdf, &pdf) || !pdf.data().startsWith("%PDF"))
                        return QStringLiteral("printout");
                }
            }
            return {};
        };
        QFutureSynchronizer<QString> workers;
        for (int job = 0; job < 3; ++job)
            workers.addFuture(QtConcurrent::run(&pool, work, job));

        std::vector<std::pair<EdgeDataPtr, QStringList>> kept;
        for (int step = 0; step < 40; ++step) {
            if (step % 10 == 5)
                editBoxCount(QString::number(2 + step / 10));
            const int row = step % values->rowCount();
            QVERIFY(values->setData(values->index(row, 0), QString::number(step * 7 + 1)));
            QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
            picture->repaint();
            QCoreApplication::processEvents();
            const GraphPicture now = picture->picture();
            {
                const QMutexLocker locked(&handedOutLock);
                handedOut = now;
            }
            QStringList texts;
            for (qint64 r = 0; r < now.edges()->shape.edgeCount(); ++r)
                texts << now.edges()->text(r);
            kept.emplace_back(now.edges(), texts);
        }
        stop = true;
        workers.waitForFinished();
        for (const QFuture<QString> &worker : workers.futures())
            QCOMPARE(worker.result(), QString());
        for (const auto &[edges, texts] : kept)
            for (qint64 r = 0; r < edges->shape.edgeCount(); ++r)
                QCOMPARE(edges->text(r), texts[r]);
    }

    // A redo that fails half-way (its regeneration throws) is reported; the
    // tables stay as before it and the step can be redone later.
    void failingRedoLeavesTheLessonAsItWas()
    {
        // A count edit undone before its values were drawn: redo draws them.
        const QStringList before = column("ListView2", 0);
        const QStringList counts = column("ListView1", 0);
        editBoxCount(QStringLiteral("9"));
        action("actionUndo")->trigger();
        QCOMPARE(column("ListView1", 0), counts);

        *m_failing = true;
        action("actionRedo")->trigger();
        QVERIFY(messageText().contains(QStringLiteral("zar atılamadı")));
        QCOMPARE(column("ListView1", 0), counts);
        QCOMPARE(column("ListView2", 0), before);
        QVERIFY(action("actionRedo")->isEnabled());

        closeMessages();
        *m_failing = false;
        action("actionRedo")->trigger();
        QCOMPARE(model("ListView1")->index(1, 0).data().toString(), QStringLiteral("9"));
        QVERIFY(model("ListView2")->rowCount() != before.size());
        QVERIFY(!visibleMessage());
    }

    // Saving and closing reach the lesson, whose waiting regeneration fails:
    // both say so, write nothing, and leave the window open and working.
    void failingSaveAndCloseLeaveAWorkingWindow()
    {
        const QString path = m_dir.filePath(QStringLiteral("ders.stagepath"));
        QVERIFY(writeLessonFile(path, form->findChild<LessonDocument *>()->lesson()).isEmpty());
        QVERIFY(form->openLesson(path));
        const QByteArray saved = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();

        editBoxCount(QStringLiteral("5"));
        *m_failing = true;
        action("actionSave")->trigger();
        QVERIFY(messageText().contains(QStringLiteral("zar atılamadı")));
        QVERIFY(form->isWindowModified());
        closeMessages();

        answerQuestionWith(QMessageBox::Save);
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QVERIFY(messageText().contains(QStringLiteral("zar atılamadı")));
        closeMessages();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);

        *m_failing = false;
        action("actionSave")->trigger();
        QVERIFY(!form->isWindowModified());
        QCOMPARE(model("ListView1")->index(1, 0).data().toString(), QStringLiteral("5"));
        QVERIFY(form->close());
    }

    // A solver's worker that fails with an error of any type still finishes
    // its work, and says why there is no solution.
    void failingWorkerReportsItsError()
    {
        SolutionRunner::solveHook() = [](const SolutionRequest &) { throw 42; };
        SolutionRunner runner;
        QSignalSpy solved(&runner, &SolutionRunner::solved);
        auto edges = std::make_shared<EdgeData>();
        edges->shape = GraphShape({1, 400, 400, 1});
        edges->values.assign(size_t(edges->shape.edgeCount()), 1.0);
        SolutionRequest request;
        request.snapshot = edges;
        QVERIFY(!SolutionRunner::solvesAtOnce(request));
        runner.request(request);
        QVERIFY(solved.wait(20000));
        QVERIFY(!runner.isWorking());
        QVERIFY(runner.latest() && runner.latest()->problem.contains(QStringLiteral("hata")));
    }

    // The red best path lies over the blue path of a selected row and the
    // green edges of the last step, never thinner than they: along the
    // shared edge neither shows beside it.
    void bestPathIsTheMostProminentLine()
    {
        auto edges = std::make_shared<EdgeData>();
        edges->shape = GraphShape({2, 2, 2});
        edges->values.assign(size_t(edges->shape.edgeCount()), 5);
        const GraphPicture plain(edges, DrawSettings{});
        const QLineF shared = plain.geometry().edgeLine(0, 0, 0); // box 1 to box 3: level
        QVERIFY(shared.dy() == 0);
        PictureOverlays selected;
        selected.bestPath = {0, 0, 0};
        selected.selectedPath = {0, 0, 1};
        PictureOverlays chosen;
        chosen.bestPath = {0, 0, 0};
        chosen.chosenFrom = std::make_shared<const std::vector<qint64>>(std::vector<qint64>{-1, -1, 0, -1, -1, -1});
        for (const auto &[layers, under] : {std::pair{selected, kSelectedPathColour}, {chosen, kChosenEdgeColour}}) {
            const GraphPicture picture = plain.withOverlays(layers);
            const QImage image = picture.render(QRect(QPoint(), wholeDrawingSize(picture)));
            const int x = int(shared.center().x()), y = int(shared.y1());
            int red = 0;
            for (int dy = -6; dy <= 6; ++dy) {
                const QRgb pixel = image.pixel(x, y + dy);
                QVERIFY2(pixel != under, qPrintable(QStringLiteral("%1 px off the path").arg(dy)));
                red += pixel == kPathColour;
            }
            QVERIFY(red >= 1);
        }
    }

    // Printing and PDF use the print look: white, and no line too light for paper.
    void printLookIsWhiteWithDarkLines()
    {
        auto edges = std::make_shared<EdgeData>();
        edges->shape = GraphShape({16, 16});
        edges->values.assign(size_t(edges->shape.edgeCount()), 1);
        DrawSettings settings;
        settings.coloured = true;
        const GraphPicture window(edges, settings);
        const GraphPicture paper = window.inLook(true);
        QCOMPARE(window.render(QRect(0, 0, 1, 1)).pixel(0, 0), kBackgroundColour);
        QCOMPARE(paper.render(QRect(0, 0, 1, 1)).pixel(0, 0), kPaperColour);
        for (const QRgb colour : linePalette()) {
            QVERIFY(qGray(onPaper(colour)) <= 110);
            if (qGray(colour) <= 110)
                QCOMPARE(onPaper(colour), colour);
        }
        const PrintoutContent printed = Printout::gather(QStringLiteral("ders"), edges, LessonSettings(), ListedPaths());
        QVERIFY(printed.picture.settings().paper);
    }

    // What a new user tripped on: typing a value back is no change; the save
    // dialog proposes "Adsız.stagepath" in the last folder; a click on the
    // drawing takes the focus from the table.
    void newUserFindsTheWindowAsExpected()
    {
        auto *x = child<QLineEdit>("Text2");
        const QString start = x->text();
        const int steps = form->findChild<LessonDocument *>()->history()->count();
        x->setFocus();
        x->selectAll();
        QTest::keyClicks(x, QStringLiteral("abc"));
        x->selectAll();
        QTest::keyClicks(x, start);
        QCOMPARE(form->findChild<LessonDocument *>()->history()->count(), steps);
        QVERIFY(!form->isWindowModified());
        QTest::keyClicks(x, QStringLiteral("5"));
        QCOMPARE(form->findChild<LessonDocument *>()->history()->count(), steps + 1);

        QString proposed;
        QTimer::singleShot(0, this, [&proposed] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                proposed = dialog->selectedFiles().value(0);
                dialog->reject();
            }
        });
        action("actionSaveAs")->trigger();
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("Adsız.stagepath"));

        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto *edges = child<QAbstractItemView>("ListView2");
        edges->setFocus();
        QCOMPARE(QApplication::focusWidget(), edges);
        QTest::mouseClick(child<PictureBox>("Picture1"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QApplication::focusWidget(), child<PictureBox>("Picture1"));
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"

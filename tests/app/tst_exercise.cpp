// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Exercise mode driven by object names: nothing in any view gives the best
// total away while it is on; the student's path, total and box totals are
// judged and marked; a column and then the answer are revealed.

#include "windowdriver.h"

#include "app/picture/picturebox.h"
#include "share/printout.h"
#include "share/resultcsv.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace stagepath;

namespace {

// Three columns of three boxes: odd values 1001.. so that every full total
// is even and above 2000, and no value or box number reads as one.
constexpr int boxes = 3;
double valueOf(int row)
{
    return 1001 + 2 * ((row * 37) % 400);
}

struct Solved {
    double best = 0;
    QString bestPath; // "a - b - c"
    QString worstPath;
    QStringList fullTotals; // every full path's total as written
};

Solved solve()
{
    Solved s;
    double worst = -1;
    for (int a = 0; a < boxes; ++a)
        for (int b = 0; b < boxes; ++b)
            for (int c = 0; c < boxes; ++c) {
                const double total = valueOf(a * boxes + b) + valueOf(boxes * boxes + b * boxes + c);
                const QString path = QStringLiteral("%1 - %2 - %3").arg(a + 1).arg(b + 4).arg(c + 7);
                s.fullTotals << QString::number(total);
                if (s.bestPath.isEmpty() || total < s.best) {
                    s.best = total;
                    s.bestPath = path;
                }
                if (total > worst) {
                    worst = total;
                    s.worstPath = path;
                }
            }
    return s;
}

} // namespace

class TestExercise : public QObject, public WindowDriver
{
    Q_OBJECT

    // Every text the window shows (but the student's own answers in the
    // exercise panel): labels, buttons, each table's cells and tooltips, the titles.
    QStringList everythingShown() const
    {
        QStringList texts{form->windowTitle()};
        const QWidget *panel = child<QWidget>("ExercisePanel");
        for (QWidget *w : form->findChildren<QWidget *>()) {
            if (!w->isVisible() || panel->isAncestorOf(w))
                continue;
            texts << w->windowTitle() << w->toolTip();
            if (auto *label = qobject_cast<QLabel *>(w))
                texts << label->text();
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                texts << button->text();
            if (auto *edit = qobject_cast<QLineEdit *>(w))
                texts << edit->text();
            if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
                const QAbstractItemModel *m = view->model();
                for (int r = 0; r < m->rowCount(); ++r)
                    for (int c = 0; c < m->columnCount(); ++c)
                        texts << m->index(r, c).data().toString() << m->index(r, c).data(Qt::ToolTipRole).toString();
            }
        }
        return texts;
    }

    void checkNothingGivesAway(const Solved &solved, const char *where)
    {
        const QStringList shown = everythingShown();
        for (const QString &total : solved.fullTotals)
            for (const QString &text : shown)
                QVERIFY2(!text.contains(total), qPrintable(QStringLiteral("%1: \"%2\" shows %3").arg(where, text, total)));
        const PictureOverlays &drawn = child<PictureBox>("Picture1")->picture().overlays();
        QVERIFY2(drawn.bestPath.empty() && drawn.selectedPath.empty() && !drawn.bestEdges, where);
    }

    void setValues()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("2"));
        QAbstractItemModel *edges = model("ListView2");
        QCOMPARE(edges->rowCount(), 2 * boxes * boxes);
        for (int r = 0; r < edges->rowCount(); ++r)
            edges->setData(edges->index(r, 0), QString::number(valueOf(r)));
    }

    QAction *action(const char *name) const { return child<QAction>(name); }
    QString verdict() const { return child<QLabel>("ExerciseVerdict")->property("verdict").toString(); }
    void check() { QTest::mouseClick(child<QPushButton>("ExerciseCheck"), Qt::LeftButton); }
    void type(const char *edit, const QString &text)
    {
        auto *line = child<QLineEdit>(edit);
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, text);
    }

private Q_SLOTS:
    void init() { QVERIFY(openWindow()); }
    void cleanup()
    {
        closeMessages();
        form->setWindowModified(false);
        form.reset();
    }

    // Every view and action walked with the mode on: no full total, no
    // best path anywhere; revealing the answer shows it.
    void nothingRevealsTheBestTotal()
    {
        setValues();
        const Solved solved = solve();
        // "Çiz" first: the answer is on the screen, then the mode hides it.
        QTest::mouseClick(child<QPushButton>("Command5"), Qt::LeftButton);
        QVERIFY(!child<PictureBox>("Picture1")->picture().overlays().bestPath.empty());
        action("actionAllBestPaths")->setChecked(true);
        action("actionExercise")->trigger();
        QVERIFY(action("actionExercise")->isChecked());
        QVERIFY(child<QDockWidget>("ExercisePanel")->isVisible());
        QVERIFY(!child<QPushButton>("Command5")->isEnabled());
        QVERIFY(!child<QPushButton>("Command4")->isEnabled());
        QVERIFY(!action("actionAllBestPaths")->isEnabled());
        checkNothingGivesAway(solved, "mode on");
        if (QTest::currentTestFailed())
            return;

        action("actionSolutionSteps")->trigger();
        QTRY_VERIFY(child<QWidget>("SolutionSteps")->isVisible());
        new QAbstractItemModelTester(model("StepTable"), QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     form.get());
        QTRY_COMPARE(model("StepTable")->rowCount(), 3 * boxes);
        QTest::qWait(100); // a solution on its way arrives
        for (const char *button : {"Command5", "Command4", "StepLast", "StepForward", "StepFirst"})
            QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
        action("actionAllBestPaths")->trigger();
        QTest::qWait(250); // Timer2 and a redraw
        checkNothingGivesAway(solved, "steps window");
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(model("RankedPaths")->rowCount(), 0);
        QCOMPARE(model("ListView5")->rowCount(), 0);

        // Copying the picture and the printout's words.
        child<QWidget>("Picture1")->setFocus();
        action("actionCopy")->trigger();
        QVERIFY(!solved.fullTotals.contains(QApplication::clipboard()->text()));
        const PrintoutContent printed =
            Printout::gather(QString(), child<PictureBox>("Picture1")->picture().edges(), lessonSettings(), ListedPaths());
        for (const QString &total : solved.fullTotals)
            QVERIFY(!printed.bestPathLines.join(u' ').contains(total));
        QVERIFY(printed.picture.overlays().bestPath.empty());

        // A path clicked on the drawing, circle by circle; a circle of the
        // wrong column is refused with words; Backspace takes one off.
        auto *picture = child<PictureBox>("Picture1");
        const GraphGeometry &g = picture->picture().geometry();
        const auto click = [&](int column, int position) {
            QTest::mouseClick(picture, Qt::LeftButton, {}, (g.boxCentre(column, position) * picture->zoom()).toPoint());
        };
        click(0, 1);
        click(2, 0);
        QVERIFY(child<QLabel>("ExerciseVerdict")->text().contains(QStringLiteral("3. sütunda")));
        click(1, 2);
        click(2, 0);
        QCOMPARE(child<QLineEdit>("ExercisePath")->text(), QStringLiteral("2 - 6 - 7"));
        child<QLineEdit>("ExercisePath")->setFocus();
        child<QLineEdit>("ExercisePath")->end(false);
        QTest::keyClick(child<QLineEdit>("ExercisePath"), Qt::Key_Backspace);
        QCOMPARE(child<QLineEdit>("ExercisePath")->text(), QStringLiteral("2 - 6"));

        // Answers: incomplete, a wrong total, a path not best, the right one.
        check();
        QCOMPARE(verdict(), QStringLiteral("incomplete"));
        type("ExercisePath", solved.worstPath);
        type("ExerciseTotal", QStringLiteral("1"));
        check();
        QCOMPARE(verdict(), QStringLiteral("wrong"));
        type("ExerciseTotal", QString::number(solved.best));
        check();
        QCOMPARE(verdict(), QStringLiteral("wrong"));
        type("ExercisePath", solved.bestPath);
        check();
        QCOMPARE(verdict(), QStringLiteral("right"));
        // The longest path is judged as such once the mode is switched.
        child<QRadioButton>("Option2")->click();
        check();
        QCOMPARE(verdict(), QStringLiteral("wrong"));
        child<QRadioButton>("Option1")->click();

        // Box totals typed in the step table: column 1 is 0; a wrong one is
        // red with the candidates in its tooltip, a right one green.
        QAbstractItemModel *steps = model("StepTable");
        const QModelIndex first = steps->index(0, 2), middle = steps->index(boxes, 2);
        QVERIFY(steps->flags(first) & Qt::ItemIsEditable);
        steps->setData(first, QStringLiteral("0"));
        steps->setData(middle, QStringLiteral("5"));
        check();
        QCOMPARE(steps->data(first, Qt::BackgroundRole).value<QBrush>().color().green() > 200, true);
        QVERIFY(steps->data(middle, Qt::BackgroundRole).value<QBrush>().color().red() > 200);
        QVERIFY(steps->data(middle, Qt::ToolTipRole).toString().contains(QString::number(valueOf(0))));
        QVERIFY(!steps->data(first, Qt::ToolTipRole).isValid());

        // Undo takes the last box total back; redo brings it.
        action("actionUndo")->trigger();
        QCOMPARE(steps->data(middle).toString(), QString());
        action("actionRedo")->trigger();
        QCOMPARE(steps->data(middle).toString(), QStringLiteral("5"));

        // A column revealed: the middle column's best totals are its values from box 1.
        action("actionRevealColumn")->trigger();
        action("actionRevealColumn")->trigger();
        for (int b = 0; b < boxes; ++b) {
            double best = valueOf(b);
            for (int a = 1; a < boxes; ++a)
                best = std::min(best, valueOf(a * boxes + b));
            QCOMPARE(steps->data(steps->index(boxes + b, 2)).toString(), QString::number(best));
        }
        checkNothingGivesAway(solved, "columns revealed");
        if (QTest::currentTestFailed())
            return;

        // The answer: the mode ends and "Çiz" marks the path.
        action("actionRevealAnswer")->trigger();
        QVERIFY(!action("actionExercise")->isChecked());
        QVERIFY(child<QPushButton>("Command5")->isEnabled());
        QVERIFY(!picture->picture().overlays().bestPath.empty());
        QVERIFY(everythingShown().join(u'|').contains(QString::number(solved.best)));
    }

    // A student's saved file opens as the exercise it was, with every answer
    // shown where it was typed; the answers stay the lesson's when saved again.
    void aStudentsFileShowsTheAnswers()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ogrenci.stagepath"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(R"({"format": "stagepath", "version": 2, "boxes": [1, 2, 1], "values": [3, 5, 2, null],
                      "exercise": true,
                      "answers": {"path": "1 - 2 - 4", "total": "5", "boxTotals": {"3": "5"}, "revealedColumns": 1}})");
        out.close();
        QVERIFY(form->openLesson(file));
        QVERIFY(child<QDockWidget>("ExercisePanel")->isVisible());
        QVERIFY(!child<QPushButton>("Command5")->isEnabled());
        QCOMPARE(child<QLineEdit>("ExercisePath")->text(), QStringLiteral("1 - 2 - 4"));
        QCOMPARE(child<QLineEdit>("ExerciseTotal")->text(), QStringLiteral("5"));
        action("actionSolutionSteps")->trigger();
        QTRY_COMPARE(model("StepTable")->rowCount(), 4);
        QCOMPARE(cell("StepTable", 2, 2), QStringLiteral("5"));
        check();
        QVERIFY2(verdict() == QStringLiteral("right"), qPrintable(child<QLabel>("ExerciseVerdict")->text()));
        // Box 3 is reached by the road 1 → 3 only (5); box 4 by 2 → 4 (5): the missing road is left out.
        QCOMPARE(model("StepTable")->index(2, 2).data(Qt::BackgroundRole).value<QBrush>().color().green() > 200, true);
        action("actionRevealColumn")->trigger();
        QCOMPARE(cell("StepTable", 1, 2), QStringLiteral("3"));
        QCOMPARE(cell("StepTable", 3, 2), QString());
    }
};

QTEST_MAIN(TestExercise)
#include "tst_exercise.moc"

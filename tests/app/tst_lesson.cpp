// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a lesson editor, driven by object names: files opened (from
// the command line, by a drop), saved and read back, changes undone and redone
// through actionUndo and actionRedo, the title, and the question before a
// modified lesson is given up.

#include "windowdriver.h"

#include "app/lessonui/lessonfiles.h"
#include "app/picture/picturebox.h"
#include "app/platform/application.h"
#include "app/platform/commandline.h"
#include "lesson/lessonfile.h"
#include "model/edgetable.h"

#include <QAction>
#include <QDialog>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCommandLineParser>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace stagepath;

namespace {

const QString caption = QStringLiteral("En Kısa Yol :: stagepath ekibi");

// A lesson the start-up state has nothing in common with.
const QByteArray oddLesson = R"({
    "format": "stagepath", "version": 1, "comment": "ignored",
    "boxes": [2, "03", 1],
    "values": [1, 2.5, "07", 4, 5, 6, "abc", 8, 9],
    "x": 300, "y": -50, "penWidth": 3, "circleSize": 15, "colourLines": true, "longest": true
})";

} // namespace

class TestLesson : public QObject, protected WindowDriver
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString &name, const QByteArray &text)
    {
        const QString path = m_dir.filePath(name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QAction *action(const char *name) const { return child<QAction>(name); }
    // Answers the question about a modified lesson with the button of that text.
    void answerQuestionWith(const QString &button)
    {
        QTimer::singleShot(0, this, [button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->objectName() != QLatin1String("SaveQuestion"))
                qFatal("no question asked");
            for (QAbstractButton *b : box->buttons())
                if (b->text() == button)
                    b->click();
        });
    }
    // A file dropped on the target, with or without the drag that brings it there.
    void drop(QWidget *target, const QString &path, bool dragged = true)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (dragged) {
            QApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
        }
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The recent files go to a settings file of the test's own.
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    void init()
    {
        QLocale::setDefault(QLocale::c());
        form = std::make_unique<MainWindow>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        closeMessages();
        form.reset();
    }

    void commandsAreNamedActionsOfTheWindow()
    {
        for (const char *name : {"actionNew", "actionOpen", "actionSave", "actionSaveAs", "actionQuit",
                                 "actionUndo", "actionRedo"}) {
            QAction *a = action(name);
            QCOMPARE(a->parent(), form.get());
            QVERIFY2(!a->associatedObjects().isEmpty(), name); // in a menu
        }
        QCOMPARE(action("actionUndo")->shortcut(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(action("actionSave")->shortcut(), QKeySequence(QKeySequence::Save));
        QVERIFY(!action("actionUndo")->isEnabled());
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(!form->isWindowModified());
    }

    void openingRestoresTheWindow()
    {
        const QString path = file(QStringLiteral("tek.stagepath"), oddLesson);
        child<QLineEdit>("Text2")->setText(QStringLiteral("1")); // a change the file replaces
        answerQuestionWith(QStringLiteral("Kaydetme"));
        QVERIFY(form->openLesson(path));
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("2"));
        QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("300"));
        QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral("-50"));
        QCOMPARE(child<QLineEdit>("Text4")->text(), QStringLiteral("3"));
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("15"));
        QVERIFY(child<QCheckBox>("Check1")->isChecked());
        QVERIFY(child<QRadioButton>("Option2")->isChecked());
        QCOMPARE(column("ListView1", 0), QStringList({"2", "03", "1"}));
        QCOMPARE(column("ListView2", 0), QStringList({"1", "2.5", "07", "4", "5", "6", "abc", "8", "9"}));
        QCOMPARE(tabs(), QStringList({"Tümü", "1.Vorta", "2.Vorta"}));
        QCOMPARE(headers("ListView5"), QStringList({"1.Vorta", "2.Vorta", "Toplam"}));
        QCOMPARE(model("ListView5")->rowCount(), 0);
        QCOMPARE(lessonSettings().xSpacing, 300.0);
        QCOMPARE(child<PictureBox>("Picture1")->picture().largest(), 3.0); // drawn
        QCOMPARE(form->windowTitle(), caption + QStringLiteral(" — tek.stagepath"));
        QVERIFY(!form->isWindowModified());
        QVERIFY(!action("actionUndo")->isEnabled());
    }

    // A file that cannot be used leaves the window as it was and says why.
    void unusableFileIsRefused()
    {
        const QStringList values = column("ListView2", 0);
        const QString path = file(QStringLiteral("bozuk.stagepath"), R"({"format": "stagepath", "version": 7})");
        QVERIFY(!form->openLesson(path));
        QMessageBox *box = visibleMessage();
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QVERIFY2(box->text().contains(path) && box->text().contains(QStringLiteral("sürümü 7")), qPrintable(box->text()));
        QCOMPARE(column("ListView2", 0), values);
        QCOMPARE(form->windowTitle(), caption);
    }

    // Saved, the file holds what the window shows; the lesson is clean again.
    void savingWritesWhatTheWindowShows()
    {
        const QString path = file(QStringLiteral("kayıt.stagepath"), oddLesson);
        QVERIFY(form->openLesson(path));
        QVERIFY(model("ListView2")->setData(model("ListView2")->index(1, 0), QStringLiteral("4,50")));
        child<QLineEdit>("Text3")->setFocus();
        child<QLineEdit>("Text3")->selectAll();
        QTest::keyClicks(child<QLineEdit>("Text3"), QStringLiteral("75"));
        child<QRadioButton>("Option1")->click();
        QVERIFY(form->isWindowModified());
        QCOMPARE(form->windowTitle(), caption + QStringLiteral(" — kayıt.stagepath[*]"));
        action("actionSave")->trigger();
        QVERIFY(!form->isWindowModified());

        const LessonReading saved = readLessonFile(path);
        QVERIFY2(saved.lesson, qPrintable(saved.problem));
        QCOMPARE(saved.lesson->boxTexts, column("ListView1", 0));
        for (int row = 0; row < 9; ++row)
            QCOMPARE(saved.lesson->edges->text(row), cell("ListView2", row, 0));
        QCOMPARE(saved.lesson->settings.ySpacing, 75.0);
        QVERIFY(!saved.lesson->settings.longest);
        QVERIFY(saved.lesson->settings.colourLines);
    }

    // A large lesson is written and read on a worker. Closing the window
    // while it is written waits for the file and asks nothing; opened again,
    // the lesson is what the window showed.
    void largeLessonIsWrittenWholeAndReadBack()
    {
        const QString path = file(QStringLiteral("large.stagepath"), oddLesson);
        QVERIFY(form->openLesson(path));
        QAbstractItemModel *counts = model("ListView1");
        QVERIFY(counts->setData(counts->index(0, 0), QStringLiteral("999")));
        QVERIFY(counts->setData(counts->index(1, 0), QStringLiteral("1000")));
        QTRY_COMPARE_WITH_TIMEOUT(model("ListView2")->rowCount(), 1000000, 20000);
        const QStringList written = column("ListView2", 0);

        bool asked = false;
        QTimer::singleShot(0, this, [&asked] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked = true;
                box->button(QMessageBox::Cancel)->click();
            }
        });
        action("actionSave")->trigger();
        QVERIFY(form->close());
        QVERIFY(!asked);
        QCOMPARE(QFileInfo(path).size() > LessonFiles::backgroundFileBytes, true);

        form = std::make_unique<MainWindow>();
        form->show();
        QVERIFY(form->openLesson(path));
        QTRY_COMPARE_WITH_TIMEOUT(model("ListView2")->rowCount(), 1000000, 30000);
        QCOMPARE(column("ListView2", 0), written);
        QVERIFY(!form->isWindowModified());
    }

    // Undo brings back every value a rebuild or a regeneration replaced, and
    // the count that caused it; redo the values it made.
    void undoAndRedoRestoreTheTables()
    {
        const QStringList start = column("ListView2", 0);
        auto *stageCount = child<QLineEdit>("Text1");
        stageCount->setFocus();
        stageCount->selectAll();
        QTest::keyClicks(stageCount, QStringLiteral("12"));
        QCOMPARE(model("ListView1")->rowCount(), 13);
        const QStringList twelve = column("ListView2", 0);
        QCOMPARE(action("actionUndo")->text(), QStringLiteral("Geri Al: vorta sayısı 4 → 12"));
        QTest::keyClick(stageCount, Qt::Key_Z, Qt::ControlModifier); // the lesson's undo, not the box's
        QCOMPARE(stageCount->text(), QStringLiteral("4"));
        QCOMPARE(column("ListView2", 0), start);
        QTest::keyClick(stageCount, Qt::Key_Z, Qt::ControlModifier); // nothing left: nothing retyped
        QCOMPARE(stageCount->text(), QStringLiteral("4"));
        QCOMPARE(column("ListView2", 0), start);
        QCOMPARE(tabs().size(), 5);
        QCOMPARE(action("actionRedo")->text(), QStringLiteral("Yinele: vorta sayısı 4 → 12"));
        QVERIFY(!form->isWindowModified());
        action("actionRedo")->trigger();
        QCOMPARE(column("ListView2", 0), twelve);
        QCOMPARE(stageCount->text(), QStringLiteral("12"));

        child<QTabBar>("TabStrip1")->setCurrentIndex(2);
        QVERIFY(model("ListView1")->setData(model("ListView1")->index(0, 0), QStringLiteral("5")));
        QTRY_COMPARE(model("ListView2")->rowCount(), 5 * 3 + 11 * 9);
        QCOMPARE(action("actionUndo")->text(), QStringLiteral("Geri Al: 1.Vorta kutu sayısı 3 → 5"));
        action("actionUndo")->trigger();
        QCOMPARE(column("ListView2", 0), twelve);
        QCOMPARE(cell("ListView1", 0, 0), QStringLiteral("3"));
        QCOMPARE(child<QTabBar>("TabStrip1")->currentIndex(), 2);
        QVERIFY(child<QWidget>("ListView3")->isVisible());
        QVERIFY(!child<QTimer>("Timer1")->isActive());

        QVERIFY(model("ListView3")->setData(model("ListView3")->index(0, 0), QStringLiteral("50")));
        QCOMPARE(action("actionUndo")->text(), QStringLiteral("Geri Al: değer %1 → 50").arg(twelve.at(9)));
        action("actionUndo")->trigger();
        QCOMPARE(cell("ListView2", 9, 0), twelve.at(9));
    }

    // Delete and actionPaste in the edge tables: roads removed and values
    // pasted, each one step; a bad clipboard changes nothing and is named.
    void pasteAndDeleteAreOneStepEach()
    {
        auto *edges = child<QAbstractItemView>("ListView2");
        const QStringList start = column("ListView2", 0);
        QAction *paste = action("actionPaste");
        QCOMPARE(paste->parent(), form.get());
        QVERIFY(!paste->associatedObjects().isEmpty());
        edges->setFocus();
        edges->setCurrentIndex(model("ListView2")->index(2, 0));
        QApplication::clipboard()->setText(QStringLiteral("5\t-\r\n7 ;4,5 8"));
        paste->trigger(); // "4,5" is no number under C
        QMessageBox *box = visibleMessage();
        QVERIFY(box && box->text().contains(QStringLiteral("\"4,5\"")));
        QCOMPARE(column("ListView2", 0), start);
        closeMessages();

        QApplication::clipboard()->setText(QStringLiteral("5\t-\n7"));
        QTest::keyClick(edges, Qt::Key_V, Qt::ControlModifier);
        QStringList pasted = start;
        pasted[2] = QStringLiteral("5");
        pasted[3] = QStringLiteral("-");
        pasted[4] = QStringLiteral("7");
        QCOMPARE(column("ListView2", 0), pasted);
        action("actionUndo")->trigger();
        QCOMPARE(column("ListView2", 0), start);
        action("actionRedo")->trigger();
        QCOMPARE(column("ListView2", 0), pasted);

        // Beyond the last road: refused whole.
        edges->setCurrentIndex(model("ListView2")->index(model("ListView2")->rowCount() - 1, 0));
        paste->trigger();
        QVERIFY(visibleMessage());
        QCOMPARE(column("ListView2", 0), pasted);
        closeMessages();

        // Every road of stage 1 removed: no path, "Çiz" says so and lists nothing.
        edges->setCurrentIndex(model("ListView2")->index(0, 0));
        QApplication::clipboard()->setText(QStringLiteral("- - - - - - - - -"));
        paste->trigger();
        QVERIFY(!visibleMessage());
        child<QPushButton>("Command5")->click();
        QVERIFY(visibleMessage());
        QCOMPARE(model("ListView5")->rowCount(), 0);
        closeMessages();
        action("actionUndo")->trigger();
        QCOMPARE(column("ListView2", 0), pasted);

        // Delete in a stage's table removes that road of the edge table.
        child<QTabBar>("TabStrip1")->setCurrentIndex(2);
        auto *stage = child<QAbstractItemView>("ListView3");
        stage->setFocus();
        stage->setCurrentIndex(model("ListView3")->index(1, 2));
        QTest::keyClick(stage, Qt::Key_Delete);
        QCOMPARE(cell("ListView3", 1, 0), QStringLiteral("-"));
        QCOMPARE(cell("ListView2", 10, 0), QStringLiteral("-"));
        action("actionUndo")->trigger();
        QCOMPARE(cell("ListView2", 10, 0), pasted.at(10));
    }

    void undoOfASettingShowsItInItsControl()
    {
        child<QComboBox>("Combo1")->setCurrentIndex(3);
        child<QCheckBox>("Check1")->click();
        action("actionUndo")->trigger();
        QVERIFY(!child<QCheckBox>("Check1")->isChecked());
        QVERIFY(!lessonSettings().colourLines);
        action("actionUndo")->trigger();
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("20"));
        QCOMPARE(lessonSettings().circleSize, 20.0);
        QVERIFY(!action("actionUndo")->isEnabled());
        QCOMPARE(form->windowTitle(), caption);
    }

    void droppedFileIsOpened()
    {
        const QString path = file(QStringLiteral("bırakılan.stagepath"), oddLesson);
        drop(form.get(), path, false);
        QCOMPARE(column("ListView1", 0), QStringList({"2", "03", "1"}));
        form->openLesson(file(QStringLiteral("ilk.stagepath"), R"({"format": "stagepath", "version": 1, "boxes": [1], "values": []})"));
        drop(child<QLineEdit>("Text2"), path); // not typed in as text
        QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("300"));
        QCOMPARE(form->windowTitle(), caption + QStringLiteral(" — bırakılan.stagepath"));
    }

    // The stagecoach lesson with its boxes named A to J: the names in the
    // path text and the edge table's tooltips; a name edited in BoxNames is
    // a step, a refused one explains itself; values on the lines are a
    // setting like the others.
    void boxNamesAndValuesOnTheLines()
    {
        const QByteArray stagecoach = R"({"format": "stagepath", "version": 2, "boxes": [1, 3, 3, 2, 1],
            "values": [2, 4, 3, 7, 4, 6, 3, 2, 4, 4, 1, 5, 1, 4, 6, 3, 3, 3, 3, 4],
            "names": ["A", "B", "C", "D", "E", "F", "G", "H", "I", "J"]})";
        QVERIFY(form->openLesson(file(QStringLiteral("posta.stagepath"), stagecoach)));
        for (const char *name : {"actionBoxNames", "actionLetterNames", "actionValuesOnLines"}) {
            QCOMPARE(action(name)->parent(), form.get());
            QVERIFY2(!action(name)->associatedObjects().isEmpty(), name);
        }
        QVERIFY(action("actionValuesOnLines")->isCheckable() && !action("actionValuesOnLines")->isChecked());
        child<QPushButton>("Command5")->click();
        const QModelIndex best = child<QAbstractItemView>("ListView5")->currentIndex();
        QCOMPARE(best.siblingAtColumn(5).data().toString(), QStringLiteral("A (4) C (3) E (1) H (3) J"));
        QCOMPARE(cell("ListView2", 3, 1), QStringLiteral("2"));
        QCOMPARE(model("ListView2")->index(3, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("B"));
        child<QTabBar>("TabStrip1")->setCurrentIndex(2); // "2.Vorta": B to E first
        QCOMPARE(model("ListView3")->index(0, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("B"));
        QCOMPARE(model("ListView3")->index(0, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("E"));

        action("actionBoxNames")->trigger();
        QVERIFY(child<QDialog>("BoxNames")->isVisible());
        QAbstractItemModel *names = model("BoxNameTable");
        QCOMPARE(names->rowCount(), 10);
        QVERIFY(names->setData(names->index(0, 1), QStringLiteral("Denver")));
        QCOMPARE(action("actionUndo")->text(), QStringLiteral("Geri Al: 1. kutunun adı A → Denver"));
        QVERIFY(!names->setData(names->index(1, 1), QStringLiteral("C")));
        const QMessageBox *refusal = visibleMessage();
        QVERIFY(refusal && refusal->icon() == QMessageBox::Warning);
        QVERIFY2(refusal->text().contains(QStringLiteral("\"C\" adı 3. kutunun adı")), qPrintable(refusal->text()));
        closeMessages();
        action("actionUndo")->trigger();
        QCOMPARE(names->index(0, 1).data().toString(), QStringLiteral("A"));

        action("actionValuesOnLines")->trigger();
        QVERIFY(lessonSettings().valuesOnLines);
        QCOMPARE(action("actionUndo")->text(), QStringLiteral("Geri Al: değerler çizgilerde: açık"));
        action("actionUndo")->trigger();
        QVERIFY(!lessonSettings().valuesOnLines && !action("actionValuesOnLines")->isChecked());
    }

    void newLessonIsTheStartUpState()
    {
        QVERIFY(form->openLesson(file(QStringLiteral("eski.stagepath"), oddLesson)));
        action("actionNew")->trigger();
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("4"));
        QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("220"));
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("20"));
        QVERIFY(child<QRadioButton>("Option1")->isChecked());
        QCOMPARE(model("ListView2")->rowCount(), 36);
        QCOMPARE(form->windowTitle(), caption);
    }

    // "Yeni Alıştırma…": a bad seed is named and the dialog stays; good
    // options make the checked-in exercise of that seed, after the question
    // about the modified lesson, as one step like "Yeni" (nothing to undo).
    void newExerciseFromTheDialog()
    {
        QVERIFY(action("actionNewExercise")->parent() == form.get());
        QVERIFY(!action("actionNewExercise")->associatedObjects().isEmpty());
        QStringList menus; // "Alıştırma" between "Görünüm" and "Yardım"
        for (QAction *menu : form->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus.mid(menus.indexOf(QStringLiteral("Görünüm")), 3),
                 QStringList({QStringLiteral("Görünüm"), QStringLiteral("Alıştırma"), QStringLiteral("Yardım")}));
        child<QCheckBox>("Check1")->click();
        action("actionNewExercise")->trigger();
        auto *dialog = child<QDialog>("NewExercise");
        QVERIFY(dialog->isVisible());
        bool seedRead = false;
        child<QLineEdit>("ExerciseSeed")->text().toULongLong(&seedRead);
        QVERIFY(seedRead); // a fresh seed is proposed
        child<QLineEdit>("ExerciseBoxes")->setText(QStringLiteral("1,3,3,2,1"));
        child<QSpinBox>("ExerciseMinValue")->setValue(1);
        child<QSpinBox>("ExerciseMaxValue")->setValue(20);
        child<QSpinBox>("ExerciseMissing")->setValue(10);
        child<QCheckBox>("ExerciseUnique")->setChecked(true);
        child<QLineEdit>("ExerciseSeed")->setText(QStringLiteral("4x"));
        dialog->accept();
        QVERIFY(dialog->isVisible());
        QVERIFY(visibleMessage() && visibleMessage()->text().contains(QStringLiteral("Tohum")));
        closeMessages();
        child<QLineEdit>("ExerciseSeed")->setText(QStringLiteral("42"));
        answerQuestionWith(QStringLiteral("İptal")); // keeps the lesson and the dialog
        dialog->accept();
        QVERIFY(dialog->isVisible());
        QVERIFY(form->isWindowModified());
        answerQuestionWith(QStringLiteral("Kaydetme"));
        dialog->accept();
        QVERIFY(!dialog->isVisible());
        const LessonReading expected =
            readLessonFile(QStringLiteral(STAGEPATH_SOURCE_DIR "/tests/lesson/data/seed42-unique.stagepath"));
        QVERIFY(expected.lesson);
        QCOMPARE(model("ListView2")->rowCount(), int(expected.lesson->edges->shape.edgeCount()));
        for (int row = 0; row < model("ListView2")->rowCount(); ++row)
            QCOMPARE(cell("ListView2", row, EdgeTable::ValueColumn), expected.lesson->edges->text(row));
        QVERIFY(!action("actionUndo")->isEnabled());
        QVERIFY(!form->isWindowModified());
        QCOMPARE(form->windowTitle(), caption);
    }

    // "Çalışma Kâğıdı…": two dialogs, then both PDFs of the open lesson.
    void worksheetOfTheOpenLesson()
    {
        const QString sheet = m_dir.filePath(QStringLiteral("kagit.pdf"));
        const QString key = m_dir.filePath(QStringLiteral("cevap.pdf"));
        action("actionWorksheet")->trigger();
        for (const auto &[name, file] : {std::pair{"WorksheetDialog", sheet}, std::pair{"KeyDialog", key}}) {
            auto *dialog = form->findChild<QFileDialog *>(QLatin1String(name));
            QVERIFY2(dialog && dialog->isVisible(), name);
            dialog->selectFile(file);
            static_cast<QDialog *>(dialog)->accept();
        }
        for (const QString &pdf : {sheet, key}) {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.read(5), QByteArray("%PDF-"));
        }
        QVERIFY(!visibleMessage());
    }

    void closingAModifiedLessonAsks()
    {
        child<QCheckBox>("Check1")->click();
        answerQuestionWith(QStringLiteral("İptal"));
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        answerQuestionWith(QStringLiteral("Kaydetme"));
        QVERIFY(form->close());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("usable");
        QTest::newRow("none") << QStringList{"stagepath"} << QString() << true;
        QTest::newRow("a file") << QStringList{"stagepath", "ders.stagepath"} << "ders.stagepath" << true;
        QTest::newRow("two files") << QStringList{"stagepath", "a", "b"} << QString() << false;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(bool, usable);
        QCommandLineParser parser;
        buildCommandLine(parser);
        QVERIFY(parser.parse(arguments));
        const CommandLineRequest request = readCommandLine(parser);
        QCOMPARE(request.lessonFile, file);
        QCOMPARE(request.problem.isEmpty(), usable);
        QVERIFY(parser.helpText().contains(QStringLiteral("FILE")));
    }
};

// The program's own application object, which takes drops sent without a drag.
int main(int argc, char *argv[])
{
    stagepath::Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestLesson test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lesson.moc"

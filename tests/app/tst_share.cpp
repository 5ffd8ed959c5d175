// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sharing the lesson from the window, as a user does it: the commands in the
// menus, the export dialogs (both tables, the drawing at two sizes), a
// cancelled export, copying rows and the drawing, the print preview; and
// "Çiz" against the batch mode on the same lesson file.

#include "windowdriver.h"

#include "../share/csvreader.h"

#include "app/picture/picturebox.h"
#include "app/shareui/clipboardcopier.h"
#include "app/shareui/pictureexport.h"
#include "app/shareui/tableexport.h"
#include "drawing/export.h"
#include "lesson/lessondocument.h"
#include "model/numbers.h"
#include "share/batchrun.h"
#include "share/printout.h"
#include "share/stepsprintout.h"
#include "solver/resulttable.h"

#include <QAction>
#include <QBuffer>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace stagepath;

class TestShare : public QObject, protected WindowDriver
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void setStageCount(int n) { child<QLineEdit>("Text1")->setText(QString::number(n)); }
    void setBoxCount(int column, int count)
    {
        QAbstractItemModel *stages = model("ListView1");
        QVERIFY(stages->setData(stages->index(column, 0), QString::number(count), Qt::EditRole));
        QTRY_VERIFY(!child<QTimer>("Timer1")->isActive());
        // A large table is drawn on a worker: its values are in the table.
        QTRY_VERIFY_WITH_TIMEOUT(!form->findChild<LessonDocument *>()->isWorking(), 30000);
    }
    QByteArray contents(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // The file dialog the action opened, answered with a file and a filter.
    void answerDialog(const char *name, const QString &file, int filter)
    {
        auto *dialog = form->findChild<QFileDialog *>(QLatin1String(name));
        QVERIFY(dialog && dialog->isVisible());
        dialog->selectNameFilter(dialog->nameFilters().value(filter));
        dialog->selectFile(file);
        static_cast<QDialog *>(dialog)->accept(); // as the Save button does
    }
    QStringList clipboardLines() const
    {
        QStringList lines = QApplication::clipboard()->text().split(u'\n');
        if (lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(openWindow());
    }
    void cleanup()
    {
        closeMessages();
        form.reset();
    }

    void commandsAreInTheMenus()
    {
        const QList<std::pair<const char *, QString>> commands{
            {"actionExportPicture", "Dosya"}, {"actionExportResults", "Dosya"}, {"actionPrint", "Dosya"},
            {"actionCopy", "Düzen"}};
        for (const auto &[name, menu] : commands) {
            QAction *action = child<QAction>(name);
            QCOMPARE(action->parent(), form.get());
            bool inMenu = false;
            for (QObject *o : action->associatedObjects())
                inMenu = inMenu || (qobject_cast<QMenu *>(o) && static_cast<QMenu *>(o)->title() == menu);
            QVERIFY2(inMenu, name);
        }
        QCOMPARE(child<QAction>("actionCopy")->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(child<QAction>("actionPrint")->shortcut(), QKeySequence(QKeySequence::Print));
    }

    // The batch mode answers what "Çiz" selects and shows, in both modes,
    // with ties and fractional values, under C and Turkish.
    void solveAgreesWithTheDrawButton_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey);
    }
    void solveAgreesWithTheDrawButton()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        QRandomGenerator rng(5);
        const QList<double> values{1, 2, 2.5, 0.1, 0.2, 0.3, 1e-9, 1000};
        for (int round = 0; round < 12; ++round) {
            QStringList boxes, typed;
            std::vector<int> counts;
            for (int c = rng.bounded(2, 6); c > 0; --c)
                counts.push_back(rng.bounded(1, 4));
            for (size_t s = 0; s + 1 < counts.size(); ++s)
                for (int e = 0; e < counts[s] * counts[s + 1]; ++e)
                    typed << QString::number(values[rng.bounded(int(values.size()))], 'g', 17);
            for (int n : counts)
                boxes << QString::number(n);
            const QString path = m_dir.filePath(QStringLiteral("ders%1.stagepath").arg(round));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(QStringLiteral(R"({"format": "stagepath", "version": 1, "boxes": [%1], "values": [%2]})")
                          .arg(boxes.join(u','), typed.join(u','))
                          .toUtf8());
            out.close();
            QVERIFY(openWindow()); // a fresh one: the last lesson was changed, and would ask to be saved
            QVERIFY(form->openLesson(path));
            for (const bool longest : {false, true}) {
                child<QRadioButton>(longest ? "Option2" : "Option1")->click();
                child<QPushButton>("Command5")->click();
                const auto *view = child<QAbstractItemView>("ListView5");
                const int row = view->currentIndex().row();
                const int columns = model("ListView5")->columnCount();
                const QString shown = QStringLiteral("Mod: %3\nToplam: %1\nYol: %2\n")
                                          .arg(cell("ListView5", row, columns - 2), cell("ListView5", row, columns - 1),
                                               longest ? QStringLiteral("En Uzun Yol") : QStringLiteral("En Kısa Yol"));
                BatchRequest request;
                request.lessonFile = path;
                request.solve = true;
                request.longest = longest;
                QCOMPARE(runBatch(request).output, shown);
            }
        }
    }

    void exportsThroughTheDialogs()
    {
        child<QPushButton>("Command4")->click();
        const QString results = m_dir.filePath(QStringLiteral("yollar.csv"));
        const QString edges = m_dir.filePath(QStringLiteral("kenarlar.csv"));
        // Each file is looked at once its export says it is done, and each
        // dialog once the one before has gone: events, not time.
        QSignalSpy tableDone(form->findChild<TableExport *>(), &TableExport::done);
        QSignalSpy pictureDone(form->findChild<PictureExport *>(), &PictureExport::done);
        const auto noDialogLeft = [this] { return form->findChild<QFileDialog *>() == nullptr; };
        child<QAction>("actionExportResults")->trigger();
        answerDialog("ExportResultsDialog", results, 0);
        QTRY_COMPARE_WITH_TIMEOUT(tableDone.size(), 1, 30000);
        const QList<QStringList> rows = readCsv(contents(results));
        QCOMPARE(rows.size(), 243 + 1);
        QCOMPARE(rows[0], headers("ListView5"));
        QCOMPARE(rows[243].last(), cell("ListView5", 242, 5));
        QTRY_VERIFY(noDialogLeft());
        child<QAction>("actionExportResults")->trigger();
        answerDialog("ExportResultsDialog", edges, 1);
        QTRY_COMPARE_WITH_TIMEOUT(tableDone.size(), 2, 30000);
        QCOMPARE(readCsv(contents(edges)).size(), 36 + 1);
        QTRY_VERIFY(noDialogLeft());

        // The picture at twice the size; the next dialog opens in the folder used last.
        const QString png = m_dir.filePath(QStringLiteral("graf.png"));
        child<QAction>("actionExportPicture")->trigger();
        QCOMPARE(form->findChild<QFileDialog *>(QStringLiteral("ExportPictureDialog"))->directory().absolutePath(),
                 QDir(m_dir.path()).absolutePath());
        answerDialog("ExportPictureDialog", png, 1);
        QTRY_COMPARE_WITH_TIMEOUT(pictureDone.size(), 1, 30000);
        const QSize drawing = wholeDrawingSize(child<PictureBox>("Picture1")->picture());
        QCOMPARE(QImage(png).size(), drawing * 2);
    }

    // A cancel in the progress dialog leaves no file, not even a temporary one.
    void cancelledExportLeavesNothing()
    {
        setStageCount(14); // 3^15 = 14,348,907 paths
        child<QPushButton>("Command4")->click();
        QTemporaryDir dir;
        auto *exporter = form->findChild<TableExport *>();
        QSignalSpy done(exporter, &TableExport::done);
        exporter->exportResults(dir.filePath(QStringLiteral("yollar.csv")));
        QProgressDialog *progress = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((progress = form->findChild<QProgressDialog *>()) && progress->isVisible(), 5000);
        progress->findChild<QPushButton *>()->click(); // "İptal"
        QTRY_COMPARE(done.size(), 1);
        QVERIFY(visibleMessage() == nullptr);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).join(u' '), QString());
    }

    void copiesRowsAndThePicture()
    {
        // Select all in the edge table: every row under the header.
        auto *edges = child<QAbstractItemView>("ListView2");
        edges->setFocus();
        QTest::keyClick(edges, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edges, Qt::Key_C, Qt::ControlModifier);
        QStringList lines = clipboardLines();
        QCOMPARE(lines.size(), 36 + 1);
        QCOMPARE(lines[0], headers("ListView2").join(u'\t'));
        const QStringList seventh{cell("ListView2", 6, 0), cell("ListView2", 6, 1), cell("ListView2", 6, 2),
                                  cell("ListView2", 6, 3)};
        QCOMPARE(lines[7], seventh.join(u'\t'));

        // The result table's one selected row.
        child<QPushButton>("Command5")->click();
        auto *results = child<QAbstractItemView>("ListView5");
        QTest::keyClick(results, Qt::Key_C, Qt::ControlModifier);
        lines = clipboardLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1].split(u'\t').last(), cell("ListView5", results->currentIndex().row(), 5));

        // The drawing, whole, at 100 %.
        auto *copier = form->findChild<ClipboardCopier *>();
        QSignalSpy copied(copier, &ClipboardCopier::pictureCopied);
        child<QPushButton>("Command1")->setFocus();
        child<QAction>("actionCopy")->trigger();
        QTRY_COMPARE(copied.size(), 1);
        QCOMPARE(QApplication::clipboard()->image().size(), wholeDrawingSize(child<PictureBox>("Picture1")->picture()));

        // More rows than are copied: the first ones, and a message says so.
        setStageCount(1);
        setBoxCount(0, 400);
        setBoxCount(1, 400);
        edges->setFocus();
        QSignalSpy rows(copier, &ClipboardCopier::rowsCopied);
        QTest::keyClick(edges, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edges, Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(rows.size(), 1);
        QCOMPARE(clipboardLines().size(), ClipboardCopier::maxRows + 1);
        QCOMPARE(clipboardLines().last().section(u'\t', 1), QStringLiteral("250\t800\t1"));
        QVERIFY(visibleMessage() && visibleMessage()->text().contains(QStringLiteral("160000")));
    }

    void printPreviewShowsTheLesson()
    {
        child<QPushButton>("Command4")->click();
        child<QAction>("actionPrint")->trigger();
        QPrintPreviewDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = form->findChild<QPrintPreviewDialog *>()) && dialog->isVisible());
        auto *pages = dialog->findChild<QPrintPreviewWidget *>();
        QTRY_VERIFY(pages->pageCount() >= 3); // the drawing, the edges, the paths
        dialog->close();
    }

    // At the limits the printout keeps the first rows of each table, says
    // how many it left out, and draws a dense drawing as an image.
    void printoutIsBounded()
    {
        auto edges = std::make_shared<EdgeData>();
        edges->shape = GraphShape({1000, 1000});
        edges->values.assign(size_t(edges->shape.edgeCount()), 7);
        ResultTable table;
        table.setStageColumns(1);
        table.setPaths(edges);
        const Printout printout(Printout::gather(QStringLiteral("ders"), edges, LessonSettings{}, ListedPaths::of(table)));
        const PrintoutContent &content = printout.content();
        QCOMPARE(qint64(content.edges.rows.size()), Printout::maxRows);
        QCOMPARE(content.edges.rowCount, 1000000);
        QCOMPARE(qint64(content.results.rows.size()), Printout::maxRows);
        QCOMPARE(content.results.rows.back(), (QStringList{"7", "7", "1 (7) 2000"}) );
        QVERIFY(!content.drawing.isNull());
        QCOMPARE(content.bestPathLines.last(), QStringLiteral("Yol: 1 (7) 1001"));
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        printout.print(&writer);
        const qsizetype pages = pdf.data().count("/Type /Page\n");
        QVERIFY2(pages > 2 && pages < 100, qPrintable(QString::number(pages)));
    }

    // The steps on paper: every stage's tableau after the drawing, as the
    // window shows it; at a million roads cut at the printout's bound.
    void stepsPrintoutHoldsEveryTableau()
    {
        const std::vector<double> values{2, 4, 3, 7, 4, 6, 3, 2, 4, 4, 1, 5, 1, 4, 6, 3, 3, 3, 3, 4};
        auto coach = std::make_shared<EdgeData>();
        coach->shape = GraphShape({1, 3, 3, 2, 1});
        coach->values = values;
        const StageProgram backward(coach, PathMode::Shortest, Recursion::Backward);
        const PrintoutContent content = gatherStepsPrintout(QStringLiteral("ders"), LessonSettings{}, backward);
        const auto &rows = content.tableaux.rows;
        QCOMPARE(std::count_if(rows.begin(), rows.end(), [](const QStringList &r) { return r.size() == 1 && !r[0].isEmpty(); }), 5);
        QVERIFY(std::find(rows.begin(), rows.end(), QStringList{"2", "11", "11", "12", "11", "5, 6"}) != rows.end());
        QVERIFY(std::find(rows.begin(), rows.end(), QStringList{"1", "13", "11", "11", "11", "3, 4"}) != rows.end());
        QCOMPARE(content.edges.rowCount, 0);

        auto wide = std::make_shared<EdgeData>();
        wide->shape = GraphShape({1000, 1000});
        wide->values.assign(size_t(wide->shape.edgeCount()), 7);
        const StageProgram forward(wide, PathMode::Shortest, Recursion::Forward);
        const Printout printout(gatherStepsPrintout(QStringLiteral("ders"), LessonSettings{}, forward));
        QVERIFY(qint64(printout.content().tableaux.rows.size()) <= Printout::maxRows);
        QVERIFY(printout.content().tableaux.headers.size() <= maxPrintedNeighbours + 3);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        printout.print(&writer);
        QVERIFY(pdf.data().count("/Type /Page\n") >= 2);
    }
};

QTEST_MAIN(TestShare)
#include "tst_share.moc"

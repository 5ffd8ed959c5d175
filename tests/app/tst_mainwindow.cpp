// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window driven through its controls by object name, as a person would.

#include "model/edgetable.h"
#include "model/randomsource.h"
#include "windowdriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include "app/picture/picturebox.h"
#include "app/tables/reportview.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

using namespace stagepath;

namespace {
// A source of edge values that fails once armed.
struct FailingRandom : RandomSource {
    bool armed = false;
    bool outOfMemory = false;
    float next() override
    {
        if (armed && outOfMemory)
            throw std::bad_alloc();
        if (armed)
            throw std::runtime_error("kaynak bozuk");
        return 0.5f;
    }
    std::unique_ptr<RandomSource> split(qint64) override { return std::make_unique<FailingRandom>(*this); }
};
} // namespace

class TestMainWindow : public QObject, protected WindowDriver
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        form = std::make_unique<MainWindow>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void controlsArePlacedInPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        const auto row = [](const char *name, int l, int t, int w, int h) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(l / 15, t / 15, w / 15, h / 15);
        };
        row("Label1", 240, 7080, 1035, 180);
        row("Text1", 1440, 7080, 1095, 270);
        row("ListView1", 240, 7440, 2295, 2055);
        row("Command1", 2760, 9120, 1095, 375);
        row("Text2", 3000, 7080, 975, 270);
        row("Text3", 3000, 7440, 975, 270);
        row("Text4", 4200, 7920, 1215, 270);
        row("Combo1", 4200, 8280, 1215, 300);
        row("Check1", 2880, 8760, 1935, 255);
        row("TabStrip1", 5640, 7080, 9495, 2295);
        row("ListView2", 5760, 7440, 9255, 1815);
        row("ListView3", 5760, 7440, 9255, 1815);
        row("Command4", 4200, 10200, 1335, 375);
        row("ListView5", 5640, 9480, 9495, 1095);
        row("Option1", 240, 9600, 1335, 255);
        row("Option2", 240, 9960, 1335, 255);
        row("Command5", 1680, 9720, 855, 375);
        row("HScroll1", 0, 6720, 9135, 255);
    }
    void controlsArePlacedInPixels()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto *w = form->findChild<QWidget *>(name);
        QVERIFY(w);
        if (name == QLatin1String("HScroll1")) // follows the window's width
            geometry.setWidth(form->width() - 17);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->parentWidget(), form->centralWidget());
    }

    void startsAsLoaded()
    {
        QCOMPARE(form->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form->centralWidget()->size(), QSize(1016, 734));
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("4"));
        QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("220"));
        QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral("120"));
        QCOMPARE(child<QLineEdit>("Text4")->text(), QStringLiteral("1"));
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("20"));
        QCOMPARE(child<QComboBox>("Combo1")->count(), 11);
        QVERIFY(child<QRadioButton>("Option1")->isChecked());
        QVERIFY(!child<QCheckBox>("Check1")->isChecked());
        QCOMPARE(tabs(), QStringList({"Tümü", "1.Vorta", "2.Vorta", "3.Vorta", "4.Vorta"}));
        QCOMPARE(column("ListView1", 0), QStringList(5, "3"));
        QCOMPARE(column("ListView1", 1), QStringList({"1.Vorta", "2.Vorta", "3.Vorta", "4.Vorta", "5.Vorta"}));
        QCOMPARE(model("ListView2")->rowCount(), 36);
        QCOMPARE(headers("ListView2"), QStringList({"Değer", "Kutu No", "Diğer Kutu", "Vorta"}));
        QCOMPARE(headers("ListView5"), QStringList({"1.Vorta", "2.Vorta", "3.Vorta", "4.Vorta", "Toplam"}));
        QCOMPARE(model("ListView5")->rowCount(), 0);
        QVERIFY(!child<QWidget>("ListView3")->isVisible());
        QVERIFY(!child<QWidget>("List1")->isVisible());
        QCOMPARE(child<QTimer>("Timer1")->interval(), 200);
        QVERIFY(!child<QTimer>("Timer1")->isActive());
        QVERIFY(!child<QTimer>("Timer2")->isActive());
        QCOMPARE(child<PictureBox>("Picture1")->picture().largest(), 3.0);
        for (const QString &v : column("ListView2", 0)) {
            bool ok = false;
            const int value = v.toInt(&ok);
            QVERIFY2(ok && value >= 0 && value <= 1000, qPrintable(v));
        }
    }

    void stageCountRebuildsEverything_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stages");
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("same number, leading zero") << "04" << 4;
        QTest::newRow("ten") << "10" << 10;
    }
    void stageCountRebuildsEverything()
    {
        QFETCH(QString, text);
        QFETCH(int, stages);
        const QStringList before = column("ListView2", 0);
        child<QLineEdit>("Text1")->setText(text);
        QCOMPARE(model("ListView1")->rowCount(), stages + 1);
        QCOMPARE(tabs().size(), stages + 1);
        QCOMPARE(model("ListView2")->rowCount(), 9 * stages);
        QCOMPARE(headers("ListView5").size(), stages + 1);
        QCOMPARE(headers("ListView5").last(), QStringLiteral("Toplam"));
        QVERIFY(!child<QLineEdit>("Text1")->property("invalid").toBool());
        if (stages == 4)
            QVERIFY(column("ListView2", 0) != before); // fresh values
    }

    void largestStageCount()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("1000"));
        QCOMPARE(model("ListView1")->rowCount(), 1001);
        QCOMPARE(tabs().size(), 1001);
        QCOMPARE(tabs().last(), QStringLiteral("1000.Vorta"));
        // 3^1001 paths are far too many to list: the best one is still found and reported.
        child<QPushButton>("Command5")->click();
        QCOMPARE(model("ListView5")->rowCount(), 0);
        QMessageBox *box = visibleMessage();
        QVERIFY(box);
        QVERIFY2(box->text().contains(QStringLiteral("50000000")) || box->text().contains(QStringLiteral("50.000.000")),
                 qPrintable(box->text()));
        // The message names the path through every stage: the box stays on
        // the screen, its button reachable, and the text scrolls.
        QVERIFY(box->frameGeometry().height() <= box->screen()->availableGeometry().height());
        auto *pane = box->findChild<QScrollArea *>(QStringLiteral("MessageText"));
        QVERIFY(pane && pane->verticalScrollBar()->maximum() > 0);
        closeMessages();
    }

    void badStageCountKeepsTables_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "abc";
        QTest::newRow("negative") << "-1";
        QTest::newRow("fraction") << "2.5";
        QTest::newRow("over the limit") << "1001";
        QTest::newRow("huge") << "1e308";
    }
    void badStageCountKeepsTables()
    {
        QFETCH(QString, text);
        const QStringList values = column("ListView2", 0);
        child<QLineEdit>("Text1")->setText(text);
        QCOMPARE(model("ListView1")->rowCount(), 5);
        QCOMPARE(tabs().size(), 5);
        QCOMPARE(column("ListView2", 0), values);
        QVERIFY(child<QLineEdit>("Text1")->property("invalid").toBool());
        QVERIFY(!child<QLineEdit>("Text1")->toolTip().isEmpty());
        QVERIFY(!visibleMessage());
        child<QLineEdit>("Text1")->setText(QStringLiteral("2"));
        QVERIFY(!child<QLineEdit>("Text1")->property("invalid").toBool());
        QCOMPARE(model("ListView1")->rowCount(), 3);
    }

    void boxCountEditRegeneratesAfterTimer()
    {
        auto *stages = model("ListView1");
        const QStringList values = column("ListView2", 0);
        QVERIFY(stages->setData(stages->index(1, 0), QStringLiteral("5"), Qt::EditRole));
        QVERIFY(child<QTimer>("Timer1")->isActive());
        QCOMPARE(model("ListView2")->rowCount(), 36); // not before the tick
        QTRY_VERIFY(!child<QTimer>("Timer1")->isActive());
        QCOMPARE(model("ListView2")->rowCount(), 3 * 5 + 5 * 3 + 9 + 9);
        QCOMPARE(cell("ListView2", 15, 1), QStringLiteral("4")); // stage 2 starts at box 4
        QCOMPARE(cell("ListView2", 15, 2), QStringLiteral("9"));
        QCOMPARE(tabs().size(), 5);
        QCOMPARE(cell("ListView1", 1, 0), QStringLiteral("5"));
        QCOMPARE(child<PictureBox>("Picture1")->picture().largest(), 5.0);
        // Every value is drawn anew, none kept from before the edit.
        QVERIFY(column("ListView2", 0).mid(0, 15) != values.mid(0, 15));
    }

    void badBoxCountIsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "beş";
        QTest::newRow("negative") << "-2";
        QTest::newRow("fraction") << "2.5";
        QTest::newRow("empty") << "";
        QTest::newRow("over the column limit") << "100001";
    }
    void badBoxCountIsRefused()
    {
        QFETCH(QString, text);
        auto *stages = model("ListView1");
        QVERIFY(!stages->setData(stages->index(2, 0), text, Qt::EditRole));
        QCOMPARE(cell("ListView1", 2, 0), QStringLiteral("3"));
        QVERIFY(!child<QTimer>("Timer1")->isActive());
        QMessageBox *box = visibleMessage();
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QVERIFY(box->text().contains(QStringLiteral("3.Vorta")));
        closeMessages();
    }

    void graphOverTheEdgeLimitIsRefused()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("1"));
        auto *stages = model("ListView1");
        QVERIFY(stages->setData(stages->index(0, 0), QStringLiteral("1000"), Qt::EditRole));
        QVERIFY(!stages->setData(stages->index(1, 0), QStringLiteral("1001"), Qt::EditRole));
        QVERIFY(visibleMessage()->text().contains(QStringLiteral("1000000")));
        QCOMPARE(cell("ListView1", 1, 0), QStringLiteral("3"));
        closeMessages();
        QVERIFY(stages->setData(stages->index(1, 0), QStringLiteral("1000"), Qt::EditRole));
        QTRY_COMPARE(model("ListView2")->rowCount(), 1000 * 1000);

        // The largest graph the limits admit is listed and solved.
        child<QPushButton>("Command5")->click();
        QCOMPARE(model("ListView5")->rowCount(), 1000 * 1000);
        QVERIFY(child<QAbstractItemView>("ListView5")->currentIndex().isValid());
    }

    void stageTabShowsOneStageAndFollowsTheEdgeTable()
    {
        auto *bar = child<QTabBar>("TabStrip1");
        bar->setCurrentIndex(1);
        QVERIFY(child<QWidget>("ListView3")->isVisible());
        QCOMPARE(model("ListView3")->rowCount(), 9);
        QCOMPARE(cell("ListView3", 0, 1), QStringLiteral("1"));
        QCOMPARE(cell("ListView3", 0, 2), QStringLiteral("4"));
        QCOMPARE(cell("ListView3", 8, 1), QStringLiteral("3"));
        QCOMPARE(cell("ListView3", 8, 2), QStringLiteral("6"));
        bar->setCurrentIndex(4);
        QCOMPARE(cell("ListView3", 0, 1), QStringLiteral("10"));
        QCOMPARE(cell("ListView3", 8, 2), QStringLiteral("15"));

        // An edit in the filtered view is an edit of the edge table.
        auto *filtered = model("ListView3");
        QVERIFY(filtered->setData(filtered->index(2, 0), QStringLiteral("777"), Qt::EditRole));
        QCOMPARE(cell("ListView2", 27 + 2, 0), QStringLiteral("777"));
        QVERIFY(child<QTimer>("Timer2")->isActive());

        // A regeneration shows at once in the filtered view.
        auto *stages = model("ListView1");
        QVERIFY(stages->setData(stages->index(4, 0), QStringLiteral("1"), Qt::EditRole));
        QTRY_COMPARE(model("ListView3")->rowCount(), 3);
        QCOMPARE(cell("ListView3", 2, 2), QStringLiteral("13"));

        bar->setCurrentIndex(0);
        QVERIFY(!child<QWidget>("ListView3")->isVisible());
    }

    void resizeMovesOnlyTheViewport()
    {
        auto *text1 = child<QWidget>("Text1");
        const QRect textBefore = text1->geometry();
        const int frameHeight = child<QWidget>("Frame1")->height();
        form->resize(1200, 800);
        QCOMPARE(child<QWidget>("Picture1")->width(), 1200);
        QCOMPARE(child<QWidget>("Frame1")->width(), 1200);
        QCOMPARE(child<QWidget>("Frame1")->height(), frameHeight);
        QCOMPARE(child<QWidget>("HScroll1")->width(), 1200 - 17);
        QCOMPARE(child<QWidget>("VScroll1")->x(), 1200 - 17);
        QCOMPARE(text1->geometry(), textBefore);
    }

    void scrollBarsMoveThePicture()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("12"));
        auto *h = child<QScrollBar>("HScroll1");
        QVERIFY(h->maximum() > 0);
        QCOMPARE(h->singleStep(), 100);
        QCOMPARE(h->pageStep(), 500);
        h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(h->value(), 100);
        QCOMPARE(child<QWidget>("Picture1")->x(), -100 / 15);
        h->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(child<QWidget>("Picture1")->x(), -600 / 15);
        // A wide graph scrolls to its very end: the range is not cut to 16 bits.
        child<QLineEdit>("Text1")->setText(QStringLiteral("200"));
        QVERIFY(h->maximum() > 32767);
        h->setValue(h->maximum());
        QCOMPARE(child<QWidget>("Picture1")->x(), -(h->maximum() / 15));
    }

    void badSettingsKeepThePreviousOne_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("X letters") << "Text2" << "abc";
        QTest::newRow("Y empty") << "Text3" << "";
        QTest::newRow("pen zero") << "Text4" << "0";
        QTest::newRow("pen too wide") << "Text4" << "32768";
        QTest::newRow("pen letters") << "Text4" << "kalın";
    }
    void badSettingsKeepThePreviousOne()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        auto *edit = form->findChild<QLineEdit *>(box);
        edit->setText(text);
        QVERIFY(edit->property("invalid").toBool());
        QCOMPARE(lessonSettings().xSpacing, 220.0);
        QCOMPARE(lessonSettings().ySpacing, 120.0);
        QCOMPARE(lessonSettings().penWidth, 1);
        QVERIFY(!visibleMessage());
    }

    void settingsRedraw()
    {
        // X 300 makes the default graph wider than the window: the redraw gives a scroll range.
        QCOMPARE(child<QScrollBar>("HScroll1")->maximum(), 0);
        child<QLineEdit>("Text2")->setText(QStringLiteral("300"));
        QCOMPARE(lessonSettings().xSpacing, 300.0);
        QVERIFY(child<QScrollBar>("HScroll1")->maximum() > 0);
        QVERIFY(child<QWidget>("Picture1")->width() >= 4 * 300 + 20 + 20); // the last column's circles
        child<QLineEdit>("Text4")->setText(QStringLiteral("3"));
        QCOMPARE(lessonSettings().penWidth, 3);
        child<QComboBox>("Combo1")->setCurrentIndex(5);
        QCOMPARE(lessonSettings().circleSize, 15.0);
    }

    void listingAndBestPath()
    {
        child<QPushButton>("Command4")->click();
        QCOMPARE(model("ListView5")->rowCount(), 243);
        QCOMPARE(headers("ListView5").last(), QStringLiteral("Yol"));
        child<QPushButton>("Command4")->click();
        QCOMPARE(headers("ListView5").count(QStringLiteral("Yol")), 1);
        QCOMPARE(model("List1")->rowCount(), 243);
        // "Yol" is 3000 twips wide; the stage columns and "Toplam" share one width.
        auto *results = qobject_cast<ReportView *>(child<QAbstractItemView>("ListView5"));
        QCOMPARE(results->columnWidth(5), 200);
        for (int c = 1; c < 5; ++c)
            QCOMPARE(results->columnWidth(c), results->columnWidth(0));
        QVERIFY(results->columnWidth(0) != 200);

        for (bool longest : {false, true}) {
            (longest ? child<QRadioButton>("Option2") : child<QRadioButton>("Option1"))->setChecked(true);
            child<QPushButton>("Command5")->click();
            auto *view = child<QAbstractItemView>("ListView5");
            const QStringList totals = column("ListView5", 4);
            int best = 0;
            for (int r = 1; r < totals.size(); ++r) {
                const double v = totals[r].toDouble(), b = totals[best].toDouble();
                if (longest ? v > b : v < b)
                    best = r;
            }
            QCOMPARE(view->currentIndex().row(), best);
            QVERIFY(view->selectionModel()->isRowSelected(best, {}));
            QVERIFY(view->hasFocus());
        }
    }

    void badValueStopsTheListing()
    {
        child<QPushButton>("Command4")->click();
        const QString firstTotal = cell("ListView5", 0, 5);
        auto *edges = model("ListView2");
        QVERIFY(edges->setData(edges->index(4, 0), QStringLiteral("abc"), Qt::EditRole));
        QCOMPARE(cell("ListView2", 4, 0), QStringLiteral("abc"));
        child<QPushButton>("Command5")->click();
        QMessageBox *box = visibleMessage();
        QVERIFY(box);
        QVERIFY2(box->text().contains(QStringLiteral("5")), qPrintable(box->text()));
        QCOMPARE(model("ListView5")->rowCount(), 243);
        QCOMPARE(cell("ListView5", 0, 5), firstTotal);
        closeMessages();
    }

    void emptyColumnMeansNoPath()
    {
        auto *stages = model("ListView1");
        QVERIFY(stages->setData(stages->index(2, 0), QStringLiteral("0"), Qt::EditRole));
        QTRY_VERIFY(!child<QTimer>("Timer1")->isActive());
        QCOMPARE(model("ListView2")->rowCount(), 18);
        child<QPushButton>("Command5")->click();
        QCOMPARE(model("ListView5")->rowCount(), 0);
        QMessageBox *box = visibleMessage();
        QVERIFY(box);
        QVERIFY(box->text().contains(QStringLiteral("3.Vorta")));
        closeMessages();
    }

    void fourteenMillionPaths()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("14"));
        auto *view = child<QAbstractItemView>("ListView5");
        child<QPushButton>("Command4")->click();
        view->repaint();
        QCOMPARE(model("ListView5")->rowCount(), 14348907);
        QCOMPARE(model("List1")->rowCount(), 14348907);
        QVERIFY(!cell("ListView5", 14348906, 15).isEmpty());
        // Every row can be scrolled to.
        auto *report = qobject_cast<ReportView *>(view);
        QVERIFY(report);
        QCOMPARE(view->verticalScrollBar()->maximum(), 14348907 - report->visibleRowCount());

        child<QPushButton>("Command5")->click();
        view->repaint();
        const int row = view->currentIndex().row();
        QVERIFY(row >= 0);
        QVERIFY(view->visualRect(view->currentIndex()).intersects(view->viewport()->rect()));
    }

    // An error that escapes a handler is reported, and the window carries on.
    void unexpectedErrorsAreReported_data()
    {
        QTest::addColumn<bool>("outOfMemory");
        QTest::addColumn<QString>("message");
        QTest::newRow("error") << false << "Beklenmeyen bir hata oluştu: kaynak bozuk";
        QTest::newRow("out of memory") << true << "Bellek yetmedi";
    }
    void unexpectedErrorsAreReported()
    {
        QFETCH(bool, outOfMemory);
        QFETCH(QString, message);
        auto source = std::make_unique<FailingRandom>();
        FailingRandom *failing = source.get();
        failing->outOfMemory = outOfMemory;
        form = std::make_unique<MainWindow>(std::move(source));
        const QStringList values = column("ListView2", 0);
        failing->armed = true;
        child<QLineEdit>("Text1")->setText(QStringLiteral("2"));
        QMessageBox *box = visibleMessage();
        QVERIFY(box);
        QVERIFY2(box->text().startsWith(message), qPrintable(box->text()));
        closeMessages();
        failing->armed = false;
        child<QLineEdit>("Text1")->setText(QStringLiteral("3"));
        QCOMPARE(model("ListView2")->rowCount(), 27);
        QVERIFY(!visibleMessage());
    }

    // A stage count change rebuilds the result table's columns: none keeps
    // the width of the "Yol" column that stood at its place before.
    void resultColumnsKeepNoOldWidth()
    {
        auto *view = qobject_cast<ReportView *>(child<QAbstractItemView>("ListView5"));
        QVERIFY(view);
        for (const char *stages : {"6", "3"}) {
            child<QLineEdit>("Text1")->setText(QString::fromLatin1(stages));
            child<QPushButton>("Command4")->click();
        }
        const QStringList h = headers("ListView5");
        QCOMPARE(h, QStringList({"1.Vorta", "2.Vorta", "3.Vorta", "Toplam", "Yol"}));
        for (int c = 0; c + 1 < h.size(); ++c) {
            QCOMPARE(view->columnWidth(c), view->columnWidth(0));
            QVERIFY(view->columnWidth(c) != 200);
        }
        QCOMPARE(view->columnWidth(h.size() - 1), 200);
    }

    // A text box marked for a refused text looks exactly as before once its
    // text is good again.
    void textBoxLooksTheSameAfterBadInput()
    {
        for (const char *name : {"Text1", "Text2", "Text3", "Text4"}) {
            auto *edit = child<QLineEdit>(name);
            const QString good = edit->text();
            const QFont font = edit->font();
            const QSize hint = edit->sizeHint();
            const QPixmap look = edit->grab();
            edit->setText(QStringLiteral("abc"));
            QVERIFY(edit->property("invalid").toBool());
            QCOMPARE(edit->font(), font);
            edit->setText(good);
            QVERIFY(!edit->property("invalid").toBool());
            QCOMPARE(edit->font(), font);
            QCOMPARE(QFontInfo(edit->font()).pixelSize(), QFontInfo(font).pixelSize());
            QCOMPARE(edit->sizeHint(), hint);
            QCOMPARE(edit->grab().toImage(), look.toImage());
        }
    }

    // With many stages the tab strip scrolls its tabs: its arrows stand in the
    // row of tabs, at its height, clear of the edge table below.
    void manyStagesKeepTheTabArrowsInTheirRow()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("30"));
        auto *bar = child<QTabBar>("TabStrip1");
        const QRect table = child<QWidget>("ListView2")->geometry();
        int arrows = 0;
        for (auto *arrow : bar->findChildren<QToolButton *>()) {
            if (!arrow->isVisible())
                continue;
            ++arrows;
            QCOMPARE(arrow->y(), 0);
            QCOMPARE(arrow->height(), bar->tabRect(0).height());
            const QRect onClient(bar->mapToParent(arrow->pos()), arrow->size());
            QVERIFY2(!onClient.intersects(table), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(onClient.x())
                .arg(onClient.y()).arg(onClient.width()).arg(onClient.height())));
        }
        QCOMPARE(arrows, 2);
    }

    // Ctrl+PgDown and Ctrl+PgUp move between the stage tabs wherever the focus
    // is, and so does the wheel over the tabs; neither goes past the ends.
    void stageTabsFromTheKeyboardAndTheWheel()
    {
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto *bar = child<QTabBar>("TabStrip1");
        auto *edit = child<QLineEdit>("Text2");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(bar->currentIndex(), 1);
        QVERIFY(child<QWidget>("ListView3")->isVisible());
        QTest::keyClick(edit, Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(bar->currentIndex(), 0);
        const auto wheel = [bar](int delta) {
            QWheelEvent event(QPointF(20, 8), bar->mapToGlobal(QPointF(20, 8)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &event);
        };
        for (int i = 0; i < 6; ++i)
            wheel(-120);
        QCOMPARE(bar->currentIndex(), 4);
        wheel(120);
        QCOMPARE(bar->currentIndex(), 3);
    }

    void stageCountZero()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("0"));
        child<QPushButton>("Command4")->click();
        QCOMPARE(headers("ListView5"), QStringList({"Toplam", "Yol"}));
        QCOMPARE(model("ListView5")->rowCount(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

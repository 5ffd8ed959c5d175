// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window used from the keyboard alone: the Tab key walks the controls in
// their table's order, every button answers Space (and Return), cells are
// edited with F2 or by typing, the tab strip and the scroll bars answer the
// arrow keys, and every control a keyboard user reaches has a name for
// assistive technology.

#include "windowdriver.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <set>

using namespace stagepath;

namespace {

// The controls that Tab reaches at start: ListView3 is hidden, and the two
// option buttons are one stop, Option1 at start.
const QStringList kTabOrder{"Text1",    "ListView1", "Command1", "Text2",    "Text3",     "HScroll1",
                            "VScroll1", "Text4",     "Combo1",   "Check1",   "TabStrip1", "ListView2",
                            "Command4", "ListView5", "Option1",  "Command5"};

} // namespace

class TestKeyboard : public QObject, protected WindowDriver
{
    Q_OBJECT

    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;

    static QString focusName()
    {
        QWidget *w = QApplication::focusWidget();
        return w ? w->objectName() : QStringLiteral("<none>");
    }
    // Presses key on whatever has the focus, as a keyboard does.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *w = QApplication::focusWidget();
        QVERIFY(w);
        QTest::keyClick(w, Qt::Key(key), modifiers);
    }
    static void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    // Focuses a list view with row `row` of the first column current, by keyboard from the top.
    void focusCell(const char *view, int row)
    {
        auto *v = child<QAbstractItemView>(view);
        v->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(v->hasFocus());
        v->setCurrentIndex(v->model()->index(0, 0));
        for (int r = 0; r < row; ++r)
            QTest::keyClick(v, Qt::Key_Down);
        QCOMPARE(v->currentIndex(), v->model()->index(row, 0));
    }
    QLineEdit *cellEditor(const char *view)
    {
        // The view's own editor: a line edit inside the view, holding the focus.
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        return editor && child<QAbstractItemView>(view)->isAncestorOf(editor) ? editor : nullptr;
    }
    // Names of the controls reached by pressing Tab (or Shift+Tab) from Text1 until it comes back.
    QStringList walk(bool backwards)
    {
        child<QWidget>("Text1")->setFocus(Qt::OtherFocusReason);
        QStringList seen;
        for (int i = 0; i < 40; ++i) {
            seen << focusName();
            press(backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
            if (focusName() == QLatin1String("Text1"))
                break;
        }
        return seen;
    }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        form = std::make_unique<MainWindow>();
        for (const char *view : {"ListView1", "ListView2", "ListView3", "ListView5"})
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                model(view), QAbstractItemModelTester::FailureReportingMode::QtTest));
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup()
    {
        testers.clear();
        form.reset();
    }

    void focusChainFollowsTheTable()
    {
        // Every control of the table, hidden ones included, in the table's order.
        QStringList chain;
        QWidget *w = child<QWidget>("Text1");
        do {
            if (!w->objectName().isEmpty() && w->parentWidget() == form->centralWidget() && w->focusPolicy() != Qt::NoFocus)
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != child<QWidget>("Text1"));
        QStringList expected = kTabOrder;
        expected.insert(expected.indexOf("ListView2") + 1, QStringLiteral("ListView3"));
        expected.insert(expected.indexOf("Option1") + 1, QStringLiteral("Option2"));
        chain.removeAll(QStringLiteral("List1")); // never shown, never reached
        QCOMPARE(chain, expected);
    }

    void tabWalksTheControlsInTableOrder()
    {
        QCOMPARE(walk(false), kTabOrder);
        QStringList reversed{"Text1"};
        for (qsizetype i = kTabOrder.size() - 1; i > 0; --i)
            reversed << kTabOrder[i];
        QCOMPARE(walk(true), reversed);

        // The two option buttons are one group with one stop: the arrow keys
        // move the choice and the focus within it, and Tab then stops there.
        child<QWidget>("Option1")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(child<QWidget>("Option1")->hasFocus());
        press(Qt::Key_Down);
        QVERIFY(child<QRadioButton>("Option2")->isChecked());
        QStringList expected = kTabOrder;
        expected.replace(expected.indexOf("Option1"), QStringLiteral("Option2"));
        QCOMPARE(walk(false), expected);
    }

    void filteredViewJoinsTheTabOrderWhileShown()
    {
        child<QTabBar>("TabStrip1")->setCurrentIndex(2);
        QStringList expected = kTabOrder;
        expected.insert(expected.indexOf("ListView2") + 1, QStringLiteral("ListView3"));
        QCOMPARE(walk(false), expected);
        child<QTabBar>("TabStrip1")->setCurrentIndex(0);
        QCOMPARE(walk(false), kTabOrder);
    }

    void buttonsAnswerSpaceAndReturn_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        for (const char *name : {"Command1", "Command4", "Command5"}) {
            QTest::addRow("%s Space", name) << name << int(Qt::Key_Space);
            QTest::addRow("%s Return", name) << name << int(Qt::Key_Return);
            QTest::addRow("%s Enter", name) << name << int(Qt::Key_Enter);
        }
    }
    void buttonsAnswerSpaceAndReturn()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        auto *b = form->findChild<QPushButton *>(button);
        QSignalSpy clicked(b, &QAbstractButton::clicked);
        b->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(b->hasFocus());
        press(key);
        QCOMPARE(clicked.count(), 1);
        if (button == QLatin1String("Command4"))
            QCOMPARE(model("ListView5")->rowCount(), 243);
        if (button == QLatin1String("Command5")) {
            QVERIFY(child<QAbstractItemView>("ListView5")->currentIndex().isValid());
            QVERIFY(child<QAbstractItemView>("ListView5")->hasFocus());
        }
    }

    void optionsAndCheckBoxFromTheKeyboard()
    {
        auto *option1 = child<QRadioButton>("Option1");
        auto *option2 = child<QRadioButton>("Option2");
        option2->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(option2->hasFocus());
        press(Qt::Key_Space);
        QVERIFY(option2->isChecked());
        QVERIFY(!option1->isChecked());
        // The longest path is then what "Çiz" looks for.
        child<QPushButton>("Command4")->click();
        const QStringList totals = column("ListView5", 4);
        child<QPushButton>("Command5")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(child<QWidget>("Command5")->hasFocus());
        press(Qt::Key_Space);
        const int row = child<QAbstractItemView>("ListView5")->currentIndex().row();
        QVERIFY(row >= 0);
        for (const QString &t : totals)
            QVERIFY(t.toDouble() <= totals[row].toDouble());

        // The arrow keys move the choice between the two option buttons.
        option2->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(option2->hasFocus());
        press(Qt::Key_Up);
        QVERIFY(option1->isChecked());
        QVERIFY(option1->hasFocus());

        auto *check = child<QCheckBox>("Check1");
        check->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(check->hasFocus());
        press(Qt::Key_Space);
        QVERIFY(check->isChecked());
        QVERIFY(lessonSettings().colourLines);
        press(Qt::Key_Space);
        QVERIFY(!check->isChecked());
        QVERIFY(!lessonSettings().colourLines);
    }

    void comboAndTextBoxesFromTheKeyboard()
    {
        auto *combo = child<QComboBox>("Combo1");
        combo->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(combo->hasFocus());
        press(Qt::Key_Up);
        QCOMPARE(combo->currentText(), QStringLiteral("19"));
        QCOMPARE(lessonSettings().circleSize, 19.0);
        press(Qt::Key_Home);
        QCOMPARE(lessonSettings().circleSize, 10.0);

        auto *text1 = child<QLineEdit>("Text1");
        text1->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(text1->hasFocus());
        press(Qt::Key_A, Qt::ControlModifier);
        type(QStringLiteral("6"));
        QCOMPARE(model("ListView1")->rowCount(), 7);
        QCOMPARE(child<QTabBar>("TabStrip1")->count(), 7);
    }

    void boxCountEditedWithF2ArmsTimer1()
    {
        focusCell("ListView1", 1);
        press(Qt::Key_F2);
        QLineEdit *editor = cellEditor("ListView1");
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("3"));
        press(Qt::Key_A, Qt::ControlModifier);
        type(QStringLiteral("5"));
        QCOMPARE(cell("ListView1", 1, 0), QStringLiteral("3")); // nothing before Return
        press(Qt::Key_Return);
        QTRY_COMPARE(cell("ListView1", 1, 0), QStringLiteral("5")); // the editor commits on its next turn
        QVERIFY(child<QTimer>("Timer1")->isActive());
        QVERIFY(!child<QTimer>("Timer2")->isActive());
        QCOMPARE(model("ListView2")->rowCount(), 36);
        QTRY_VERIFY(!child<QTimer>("Timer1")->isActive());
        QCOMPARE(model("ListView2")->rowCount(), 3 * 5 + 5 * 3 + 9 + 9);
        QVERIFY(!cellEditor("ListView1"));
    }

    void typingStartsAnEdit()
    {
        // A digit typed on a row replaces the cell's text; Return commits.
        focusCell("ListView2", 3);
        type(QStringLiteral("777"));
        QVERIFY(cellEditor("ListView2"));
        press(Qt::Key_Return);
        QTRY_COMPARE(cell("ListView2", 3, 0), QStringLiteral("777"));
        QVERIFY(child<QTimer>("Timer2")->isActive());
        QVERIFY(!child<QTimer>("Timer1")->isActive());

        focusCell("ListView1", 2);
        type(QStringLiteral("4"));
        press(Qt::Key_Enter);
        QTRY_COMPARE(cell("ListView1", 2, 0), QStringLiteral("4"));
        QVERIFY(child<QTimer>("Timer1")->isActive());
    }

    void escapeCancelsAnEdit_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<bool>("withF2");
        QTest::newRow("box count, F2") << "ListView1" << true;
        QTest::newRow("box count, typed") << "ListView1" << false;
        QTest::newRow("edge value, F2") << "ListView2" << true;
        QTest::newRow("edge value, typed") << "ListView2" << false;
    }
    void escapeCancelsAnEdit()
    {
        QFETCH(QString, view);
        QFETCH(bool, withF2);
        const QByteArray name = view.toLatin1();
        const QStringList stages = column("ListView1", 0);
        const QStringList values = column("ListView2", 0);
        QSignalSpy changed(model(name), &QAbstractItemModel::dataChanged);
        focusCell(name, 2);
        if (withF2)
            press(Qt::Key_F2);
        type(QStringLiteral("9"));
        QVERIFY(cellEditor(name));
        press(Qt::Key_Escape);
        QVERIFY(!cellEditor(name));
        QVERIFY(child<QAbstractItemView>(name)->hasFocus());
        QCOMPARE(changed.count(), 0);
        QVERIFY(!child<QTimer>("Timer1")->isActive());
        QVERIFY(!child<QTimer>("Timer2")->isActive());
        QTest::qWait(250); // longer than a timer's interval: nothing was deferred either
        QCOMPARE(column("ListView1", 0), stages);
        QCOMPARE(column("ListView2", 0), values);
    }

    void onlyTheFirstCellIsEditable()
    {
        focusCell("ListView1", 0);
        press(Qt::Key_Right);
        QCOMPARE(child<QAbstractItemView>("ListView1")->currentIndex().column(), 1);
        press(Qt::Key_F2);
        QVERIFY(!cellEditor("ListView1"));
        type(QStringLiteral("7"));
        QVERIFY(!cellEditor("ListView1"));
        QCOMPARE(cell("ListView1", 0, 1), QStringLiteral("1.Vorta"));
        QVERIFY(!child<QTimer>("Timer1")->isActive());
    }

    void tabStripFollowsTheArrowKeys()
    {
        auto *bar = child<QTabBar>("TabStrip1");
        auto *filtered = child<QAbstractItemView>("ListView3");
        bar->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(bar->hasFocus());
        press(Qt::Key_Right);
        QCOMPARE(bar->currentIndex(), 1);
        QVERIFY(filtered->isVisible());
        QCOMPARE(cell("ListView3", 0, 1), QStringLiteral("1"));
        for (int i = 0; i < 6; ++i) // past the last tab it stays there
            press(Qt::Key_Right);
        QCOMPARE(bar->currentIndex(), 4);
        QCOMPARE(cell("ListView3", 0, 1), QStringLiteral("10"));
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Left);
        QCOMPARE(bar->currentIndex(), 0);
        QVERIFY(!filtered->isVisible());
    }

    void scrollBarsAnswerTheArrowKeys_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("forward");
        QTest::addColumn<int>("back");
        QTest::newRow("HScroll1") << "HScroll1" << int(Qt::Key_Right) << int(Qt::Key_Left);
        QTest::newRow("VScroll1") << "VScroll1" << int(Qt::Key_Down) << int(Qt::Key_Up);
    }
    void scrollBarsAnswerTheArrowKeys()
    {
        QFETCH(QString, bar);
        QFETCH(int, forward);
        QFETCH(int, back);
        // A graph wider and taller than the viewport.
        child<QLineEdit>("Text1")->setText(QStringLiteral("12"));
        QVERIFY(model("ListView1")->setData(model("ListView1")->index(0, 0), QStringLiteral("60"), Qt::EditRole));
        QTRY_VERIFY(!child<QTimer>("Timer1")->isActive());

        auto *s = form->findChild<QScrollBar *>(bar);
        auto *picture = child<QWidget>("Picture1");
        const bool horizontal = bar == QLatin1String("HScroll1");
        auto offset = [&] { return horizontal ? picture->x() : picture->y(); };
        QVERIFY(s->maximum() > 1000);
        s->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(s->hasFocus());
        press(back); // nothing to go back to
        QCOMPARE(s->value(), 0);
        press(forward);
        QCOMPARE(s->value(), 100);
        QCOMPARE(offset(), -100 / 15);
        press(forward);
        QCOMPARE(s->value(), 200);
        press(back);
        QCOMPARE(s->value(), 100);
        press(Qt::Key_PageDown);
        QCOMPARE(s->value(), 600);
        QCOMPARE(offset(), -600 / 15);
        press(Qt::Key_End);
        QCOMPARE(s->value(), s->maximum());
        QCOMPARE(offset(), -(s->maximum() / 15));
        press(Qt::Key_Home);
        QCOMPARE(s->value(), 0);
        QCOMPARE(offset(), 0);
    }

    void focusableControlsHaveNames()
    {
        child<QTabBar>("TabStrip1")->setCurrentIndex(1); // ListView3 shown too
        int checked = 0;
        for (QWidget *w : form->findChildren<QWidget *>()) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(form.get()))
                continue;
            const QString what = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                           : w->objectName();
            QVERIFY2(!w->accessibleName().trimmed().isEmpty(), qPrintable(what));
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(iface && !iface->text(QAccessible::Name).isEmpty(), qPrintable(what));
            ++checked;
        }
        QCOMPARE(checked, kTabOrder.size() + 2); // with Option2 and ListView3

        // A labelled control is named by its label, and assistive technology
        // finds the label through the "labelled by" relation.
        int labelled = 0;
        for (QLabel *label : form->findChildren<QLabel *>()) {
            if (!label->buddy())
                continue;
            QCOMPARE(label->buddy()->accessibleName(), label->text());
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label->buddy());
            bool found = false;
            for (const auto &relation : iface->relations(QAccessible::Label))
                found = found || relation.first->object() == label;
            QVERIFY2(found, qPrintable(label->text()));
            labelled += label->window() == form.get(); // the steps window's labels are checked, not counted
        }
        QCOMPARE(labelled, 5);
        QCOMPARE(child<QWidget>("Text1")->accessibleName(), QStringLiteral("Vorta Sayısı :"));
        QCOMPARE(child<QWidget>("Combo1")->accessibleName(), QStringLiteral("Yuvarlak Boyutu :"));
        for (QAbstractButton *b : form->findChildren<QAbstractButton *>())
            if (!b->objectName().isEmpty() && !b->text().isEmpty())
                QCOMPARE(b->accessibleName(), b->text());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Nasty input in every box and cell a person can type into, under the C and
// the Turkish locale. Each row says whether the window takes the text (and as
// what) or refuses it with the tables unchanged, and what the three commands
// do after it.

#include "windowdriver.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace stagepath;

namespace {

const double no = qQNaN(); // "refused" in the expectation columns
const QString tenThousandDigits = QString(10000, QLatin1Char('7'));

// Whole numbers beyond every count limit: a refusal names the limit.
const QStringList overTheLimit{"1e308", "32767", "32768", "2^31", "10000 digits", "over 1000 / 10000", "over the column limit"};

bool isTurkish(const QString &text)
{
    return text.contains(QRegularExpression(QStringLiteral("[çğıöşüÇĞİÖŞÜ]")));
}

struct TextCase {
    const char *name;
    const char *locale;
    QString text;
    // What each input takes the text as: stage count (Text1), box count (a
    // stage-table cell), spacing (Text2, Text3), pen width (Text4), edge value.
    double stageCount, boxCount, spacing, penWidth, edgeValue;
};

// clang-format off
QList<TextCase> textCases()
{
    return {
        {"empty",               "C",  "",                 no,   no,    no,     no,    no},
        {"spaces",              "C",  "   ",              no,   no,    no,     no,    no},
        {"letters",             "C",  "abc",              no,   no,    no,     no,    no},
        {"1e308",               "C",  "1e308",            no,   no,    no,     no,    1e308},
        {"minus zero",          "C",  "-0",               0,    0,     0,      no,    0},
        {"NaN",                 "C",  "NaN",              no,   no,    no,     no,    no},
        {"inf",                 "C",  "inf",              no,   no,    no,     no,    no},
        {"4,5 C",               "C",  "4,5",              no,   no,    no,     no,    no},
        {"4.5 C",               "C",  "4.5",              no,   no,    4.5,    4,     4.5},
        {"4,5 tr",              "tr", "4,5",              no,   no,    4.5,    4,     4.5},
        {"4.5 tr",              "tr", "4.5",              no,   no,    no,     no,    no},
        {"fraction",            "C",  "0.25",             no,   no,    0.25,   no,    0.25},
        {"fraction tr",         "tr", "0,25",             no,   no,    0.25,   no,    0.25},
        {"typed fraction",      "C",  "1/2",              no,   no,    no,     no,    no},
        {"negative",            "C",  "-3",               no,   no,    -3,     no,    -3},
        {"32767",               "C",  "32767",            no,   32767, no,     32767, 32767},
        {"32768",               "C",  "32768",            no,   32768, no,     no,    32768},
        {"2^31",                "C",  "2147483648",       no,   no,    no,     no,    2147483648.0},
        {"10000 digits",        "C",  tenThousandDigits,  no,   no,    no,     no,    no},
        {"ampersand",           "C",  "&",                no,   no,    no,     no,    no},
        {"tab",                 "C",  "\t",               no,   no,    no,     no,    no},
        {"line break",          "C",  "\n",               no,   no,    no,     no,    no},
        {"arabic",              "C",  "ٴ",                no,   no,    no,     no,    no},
        {"chinese",             "C",  "中文",             no,   no,    no,     no,    no},
        {"turkish letters",     "tr", "ığüşöç",           no,   no,    no,     no,    no},
        {"padded",              "C",  " 7 ",              7,    7,     7,      7,     7},
        {"trailing line break", "C",  "2\n",              2,    2,     2,      2,     2},
        {"leading zeros",       "C",  "007",              7,    7,     7,      7,     7},
        {"grouped C",           "C",  "1,000",            1000, 1000,  1000,   1000,  1000},
        {"grouped tr",          "tr", "1.000",            1000, 1000,  1000,   1000,  1000},
        {"over 1000 / 10000",   "C",  "10001",            no,   10001, no,     10001, 10001},
        {"largest spacing",     "C",  "-10000",           no,   no,    -10000, no,    -10000},
        {"half to even",        "C",  "2.5",              no,   no,    2.5,    2,     2.5},
        {"rounds to 32768",     "C",  "32767.5",          no,   no,    no,     no,    32767.5},
        {"rounds to 0",         "tr", "0,5",              no,   no,    0.5,    no,    0.5},
    };
}
// clang-format on

} // namespace

class TestInputs : public QObject, protected WindowDriver
{
    Q_OBJECT

    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;

    void build(const QString &locale)
    {
        QLocale::setDefault(locale == QLatin1String("tr") ? QLocale(QLocale::Turkish, QLocale::Turkey) : QLocale::c());
        form = std::make_unique<MainWindow>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (const char *view : {"ListView1", "ListView2", "ListView3", "ListView5", "List1"})
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                model(view), QAbstractItemModelTester::FailureReportingMode::QtTest));
    }

    QString messageText()
    {
        QMessageBox *box = visibleMessage();
        return box ? box->text() : QString();
    }
    void click(const char *button) { child<QPushButton>(button)->click(); }

    // What a refusal must leave alone.
    struct Tables {
        QStringList stages, edges, tabs, resultHeaders, results;
        int edgeRows = 0, resultRows = 0;
        bool operator==(const Tables &) const = default;
    };
    Tables tables()
    {
        Tables t{column("ListView1", 0, 1000), column("ListView2", 0, 1000), {}, headers("ListView5"), {},
                 model("ListView2")->rowCount(), model("ListView5")->rowCount()};
        for (int i = 0; i < child<QTabBar>("TabStrip1")->count(); ++i)
            t.tabs << child<QTabBar>("TabStrip1")->tabText(i);
        for (int c = 0; c < model("ListView5")->columnCount(); ++c)
            t.results << column("ListView5", c, 50);
        return t;
    }

    // The three commands on a graph of these box counts.
    void runCommands(const std::vector<qint64> &counts)
    {
        qint64 paths = counts.size() < 2 ? 0 : 1;
        for (qint64 n : counts)
            paths = n == 0 ? 0 : qMin<qint64>(paths * n, qint64(1) << 40);
        const Tables before = tables();

        click("Command1");
        QVERIFY(!visibleMessage());
        QVERIFY(tables() == before);

        click("Command4");
        const int stages = int(counts.size()) - 1;
        if (paths == 0) { // no path at all: listed as none, and the window says why
            QVERIFY(visibleMessage());
            QCOMPARE(visibleMessage()->icon(), QMessageBox::Warning);
            QVERIFY(isTurkish(visibleMessage()->text()));
            QCOMPARE(model("ListView5")->rowCount(), 0);
            QCOMPARE(headers("ListView5").mid(stages), QStringList({"Toplam", "Yol"}));
            closeMessages();
        } else if (paths <= 50000000) {
            QVERIFY2(!visibleMessage(), qPrintable(messageText()));
            QCOMPARE(model("ListView5")->rowCount(), paths);
            QCOMPARE(model("List1")->rowCount(), paths);
            QCOMPARE(headers("ListView5").mid(stages), QStringList({"Toplam", "Yol"}));
        } else {
            QMessageBox *box = visibleMessage();
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QVERIFY2(box->text().contains(QStringLiteral("Yol sayısı")), qPrintable(box->text()));
            QCOMPARE(model("ListView5")->rowCount(), before.resultRows);
            closeMessages();
        }

        click("Command5");
        auto *results = child<QAbstractItemView>("ListView5");
        if (paths == 0) {
            QVERIFY(visibleMessage());
            QCOMPARE(visibleMessage()->icon(), QMessageBox::Warning);
            QVERIFY(isTurkish(visibleMessage()->text()));
        } else if (paths <= 50000000) {
            QVERIFY2(!visibleMessage(), qPrintable(messageText()));
            const int best = results->currentIndex().row();
            QVERIFY(best >= 0 && best < paths);
            if (paths <= 5000) { // the first row with the least total
                const QStringList totals = column("ListView5", stages, 5000);
                int least = 0;
                for (int r = 1; r < totals.size(); ++r)
                    if (QLocale().toDouble(totals[r]) < QLocale().toDouble(totals[least]))
                        least = r;
                QCOMPARE(best, least);
            }
        } else { // too many to list: the best path is told in a message
            QVERIFY(visibleMessage());
            QVERIFY(visibleMessage()->text().contains(QStringLiteral("Toplam: ")));
        }
        closeMessages();
    }

private Q_SLOTS:
    void cleanup()
    {
        testers.clear();
        form.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Text1 .. Text4: a refused text marks the box and changes nothing.
    void textBoxes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        for (const TextCase &c : textCases()) {
            const double per[] = {c.stageCount, c.spacing, c.spacing, c.penWidth};
            for (int b = 0; b < 4; ++b) {
                const QString box = QStringLiteral("Text%1").arg(b + 1);
                QTest::addRow("%s %s", qPrintable(box), c.name) << c.locale << box << c.text << per[b];
            }
        }
    }
    void textBoxes()
    {
        QFETCH(QString, locale);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(double, expected);
        build(locale);
        auto *edit = form->findChild<QLineEdit *>(box);
        const Tables before = tables();
        const double x = lessonSettings().xSpacing, y = lessonSettings().ySpacing;
        const int pen = lessonSettings().penWidth;

        edit->setText(text);
        QCOMPARE(edit->text(), text);
        QVERIFY(!visibleMessage());
        int stages = 4;
        if (std::isnan(expected)) {
            QVERIFY(edit->property("invalid").toBool());
            QVERIFY(isTurkish(edit->toolTip()));
            if (box == QLatin1String("Text1") && overTheLimit.contains(QString::fromUtf8(QTest::currentDataTag()).section(' ', 1))) {
                QVERIFY2(edit->toolTip().contains(QStringLiteral("en çok 1000")), qPrintable(edit->toolTip()));
            }
            QVERIFY(tables() == before);
            QCOMPARE(lessonSettings().xSpacing, x);
            QCOMPARE(lessonSettings().ySpacing, y);
            QCOMPARE(lessonSettings().penWidth, pen);
        } else {
            QVERIFY(!edit->property("invalid").toBool());
            QVERIFY(edit->toolTip().isEmpty());
            if (box == QLatin1String("Text1")) {
                stages = int(expected);
                QCOMPARE(model("ListView1")->rowCount(), stages + 1);
                QCOMPARE(child<QTabBar>("TabStrip1")->count(), stages + 1);
                QCOMPARE(model("ListView2")->rowCount(), 9 * stages);
                QCOMPARE(headers("ListView5").size(), stages + 1);
            } else {
                QVERIFY(tables() == before);
                if (box == QLatin1String("Text2"))
                    QCOMPARE(lessonSettings().xSpacing, expected);
                else if (box == QLatin1String("Text3"))
                    QCOMPARE(lessonSettings().ySpacing, expected);
                else
                    QCOMPARE(lessonSettings().penWidth, int(expected));
            }
        }
        runCommands(std::vector<qint64>(size_t(stages) + 1, 3));
    }

    // A box count typed into the stage table of a graph of three columns.
    void boxCountCell_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        const auto row = [](const char *name, const char *locale, const QString &text, double expected) {
            QTest::newRow(name) << QString::fromLatin1(locale) << text << expected;
        };
        for (const TextCase &c : textCases())
            row(c.name, c.locale, c.text, c.boxCount);
        row("32768 box", "C", "32768", 32768);
        row("column limit", "C", "100000", 100000);
        row("over the column limit", "C", "100001", no);
        row("zero", "tr", "0", 0);
    }
    void boxCountCell()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, expected);
        build(locale);
        child<QLineEdit>("Text1")->setText(QStringLiteral("2"));
        const Tables before = tables();
        auto *stages = model("ListView1");
        const bool accepted = stages->setData(stages->index(1, 0), text, Qt::EditRole);
        auto *timer1 = child<QTimer>("Timer1");
        if (std::isnan(expected)) {
            QVERIFY(!accepted);
            QVERIFY(!timer1->isActive());
            QMessageBox *box = visibleMessage();
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QVERIFY2(box->text().contains(QStringLiteral("2.Vorta")) && isTurkish(box->text()), qPrintable(box->text()));
            if (overTheLimit.contains(QString::fromUtf8(QTest::currentDataTag()))) {
                QVERIFY2(box->text().contains(QStringLiteral("en çok 100000")), qPrintable(box->text()));
            }
            QTest::qWait(250);
            QVERIFY(tables() == before);
            closeMessages();
            runCommands({3, 3, 3});
            return;
        }
        QVERIFY(accepted);
        QVERIFY(!visibleMessage());
        QCOMPARE(cell("ListView1", 1, 0), text);
        QVERIFY(timer1->isActive());
        QTRY_VERIFY(!timer1->isActive());
        // A large regeneration may change the tables a little later, under the busy cursor.
        QTRY_VERIFY(!QGuiApplication::overrideCursor());
        const int n = int(expected);
        QCOMPARE(model("ListView2")->rowCount(), 6 * n);
        if (n > 0) { // column 2 holds boxes 4 .. n + 3
            QCOMPARE(cell("ListView2", 3 * n - 1, 1), QStringLiteral("3"));
            QCOMPARE(cell("ListView2", 3 * n - 1, 2), QString::number(n + 3));
            QCOMPARE(cell("ListView2", 3 * n, 1), QStringLiteral("4"));
            QCOMPARE(cell("ListView2", 3 * n, 2), QString::number(n + 4));
            QCOMPARE(cell("ListView2", 6 * n - 1, 2), QString::number(n + 6));
            QCOMPARE(cell("ListView2", 6 * n - 1, 3), QStringLiteral("2"));
        }
        runCommands({3, qint64(n), 3});
    }

    // An edge value: any text is kept; the commands refuse one that is not a number.
    void edgeValueCell_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        for (const char *view : {"ListView2", "ListView3"}) {
            const auto row = [view](const char *name, const char *locale, const QString &text, double expected) {
                QTest::addRow("%s %s", view, name) << QString::fromLatin1(locale) << QString::fromLatin1(view) << text << expected;
            };
            for (const TextCase &c : textCases())
                row(c.name, c.locale, c.text, c.edgeValue);
            row("leading zero", "C", "07", 7);
            row("ampersand inside", "C", "a&b", no);
        }
    }
    void edgeValueCell()
    {
        QFETCH(QString, locale);
        QFETCH(QString, view);
        QFETCH(QString, text);
        QFETCH(double, expected);
        build(locale);
        click("Command4");
        // The edited edge, the listed path through it, and that path's other edges.
        const bool filtered = view == QLatin1String("ListView3");
        const int edge = filtered ? 10 : 4;
        const int pathRow = filtered ? 9 : 108;
        const int stageColumn = filtered ? 1 : 0;
        const QList<int> pathEdges = filtered ? QList<int>{0, 10, 21, 27} : QList<int>{4, 12, 18, 27};
        if (filtered)
            child<QTabBar>("TabStrip1")->setCurrentIndex(2);
        const Tables before = tables();

        auto *m = model(qPrintable(view));
        QVERIFY(m->setData(m->index(filtered ? 1 : 4, 0), text, Qt::EditRole));
        QVERIFY(!visibleMessage());
        QCOMPARE(cell("ListView2", edge, 0), text);
        QVERIFY(child<QTimer>("Timer2")->isActive());
        QTRY_VERIFY(!child<QTimer>("Timer2")->isActive());
        Tables edited = tables();
        edited.edges[edge] = before.edges[edge];
        QVERIFY(edited == before);

        click("Command1");
        QVERIFY(!visibleMessage());
        click("Command4");
        if (std::isnan(expected)) {
            QMessageBox *box = visibleMessage();
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QVERIFY2(box->text().contains(QStringLiteral("%1. satır").arg(edge + 1)), qPrintable(box->text()));
            QVERIFY(isTurkish(box->text()));
            closeMessages();
            const QModelIndex current = child<QAbstractItemView>("ListView5")->currentIndex();
            click("Command5");
            QVERIFY(visibleMessage());
            QCOMPARE(child<QAbstractItemView>("ListView5")->currentIndex(), current);
            closeMessages();
            QCOMPARE(tables().results, before.results);
            QCOMPARE(model("ListView5")->rowCount(), 243);
            return;
        }
        QVERIFY2(!visibleMessage(), qPrintable(messageText()));
        QCOMPARE(model("ListView5")->rowCount(), 243);
        QCOMPARE(cell("ListView5", pathRow, stageColumn), text);
        QVERIFY(cell("ListView5", pathRow, 5).contains(QStringLiteral("(%1)").arg(text)));
        double total = 0;
        for (int e : pathEdges)
            total += e == edge ? expected : QLocale().toDouble(cell("ListView2", e, 0));
        QCOMPARE(QLocale().toDouble(cell("ListView5", pathRow, 4)), total);
        click("Command5");
        QVERIFY(!visibleMessage());
        QVERIFY(child<QAbstractItemView>("ListView5")->currentIndex().isValid());
    }

    // Two values on one path (listed row 109) whose sum may leave the double range.
    void sumBeyondTheDoubleRange_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("total"); // "" when the sum overflows
        QTest::newRow("upwards") << "1e308" << "1e308" << "";
        QTest::newRow("downwards") << "-1e308" << "-1e308" << "";
        QTest::newRow("cancelling") << "1e308" << "-1e308" << "rest";
        QTest::newRow("largest double") << "1.7976931348623157e308" << "1000" << "1.79769313486232e+308";
    }
    void sumBeyondTheDoubleRange()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, total);
        build(QStringLiteral("C"));
        click("Command4");
        const QStringList totals = column("ListView5", 4, 1000);
        auto *edges = model("ListView2");
        QVERIFY(edges->setData(edges->index(4, 0), first, Qt::EditRole));
        QVERIFY(edges->setData(edges->index(12, 0), second, Qt::EditRole));
        child<QRadioButton>("Option2")->setChecked(true);
        for (const char *command : {"Command4", "Command5"}) {
            click(command);
            if (total.isEmpty()) {
                QVERIFY(visibleMessage());
                QVERIFY2(visibleMessage()->text().contains(QStringLiteral("taşma")), qPrintable(visibleMessage()->text()));
                QCOMPARE(column("ListView5", 4, 1000), totals);
                closeMessages();
                continue;
            }
            QVERIFY2(!visibleMessage(), qPrintable(messageText()));
            if (total == QLatin1String("rest")) {
                const double rest = cell("ListView2", 18, 0).toDouble() + cell("ListView2", 27, 0).toDouble();
                QCOMPARE(cell("ListView5", 108, 4).toDouble(), rest);
            } else {
                QCOMPARE(cell("ListView5", 108, 4), total);
            }
        }
        if (!total.isEmpty() && total != QLatin1String("rest")) // the greatest total, first of its rows
            QCOMPARE(child<QAbstractItemView>("ListView5")->currentIndex().row(), 108);
    }
};

QTEST_MAIN(TestInputs)
#include "tst_inputs.moc"

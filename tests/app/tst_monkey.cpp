// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random actions of a person on the window, good input and bad,
// with the tables checked against each other after every one. The seed is
// printed; STAGEPATH_MONKEY_SEED and STAGEPATH_MONKEY_ACTIONS override the seed
// and the number of actions, STAGEPATH_MONKEY_VERBOSE prints every action.

#include "app/window/mainwindow.h"
#include "model/edgetable.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <ctime>
#include <deque>
#include <functional>

using namespace stagepath;

namespace {

constexpr quint32 defaultSeed = 20240611;
constexpr int defaultActions = 10000;
// A freeze, not a speed: the window's thread does the work of every action
// well within actionLimitMs of its own processor time, which does not grow
// when other programs share the machine; and however busy the machine, it
// answers within actionWallLimitMs. The slowest action takes about half a
// second on an idle machine, but on a busy one a job the window waits for may
// run on the window's own thread (a pool job not yet started is taken over by
// the waiter), so the limit leaves ten times that. Builds under
// AddressSanitizer run several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 actionLimitMs = 15000;
#else
constexpr qint64 actionLimitMs = 5000;
#endif
constexpr qint64 actionWallLimitMs = 60000;

// The processor time of the calling thread.
qint64 threadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

QStringList unexpectedWarnings;
QtMessageHandler previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // What the offscreen platform cannot do (size hints, raising, grabbing) is no fault.
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        unexpectedWarnings << message;
    previousHandler(type, context, message);
}

const QStringList nastyTexts = {
    "", " ", "   ", "abc", "1e308", "-1e308", "-0", "NaN", "nan", "inf", "-inf", "4,5", "4.5", "0.25",
    "0,25", "1/2", "-3", "-1", "32767", "32768", "2147483648", "9223372036854775808", "&", "a&b", "\t",
    "\n", "2\n", " 5 ", "07", "ٴ", "中文", "ığüşöç", "1,000", "1.000", "1e3", "0x10", "+5", "5-", "٣",
    "１２", "1001", "100001", "1.7976931348623157e308", "0.1", "1e-320", "--1", "1 000"};

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> form;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
    QRandomGenerator rng;
    int stages = 4;                 // the last stage count the window took
    QSet<int> editedResultRows;     // result rows whose first cell was edited in place
    std::deque<QString> recent;     // the last actions, for the report
    QString fault;                  // the first broken rule
    QMap<QString, int> seen;        // how often the interesting things happened
    qint64 testerNs = 0;            // processor time spent in the model testers, not the window's
    qint64 testerStartNs = 0;
    const bool verbose = qEnvironmentVariableIsSet("STAGEPATH_MONKEY_VERBOSE"); // every action as it runs

    // ---- helpers ---------------------------------------------------------------
    template <typename T> T *child(const char *name)
    {
        auto *w = form->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QAbstractItemView *view(const char *name) { return child<QAbstractItemView>(name); }
    QAbstractItemModel *model(const char *name) { return view(name)->model(); }
    QString cell(const char *name, int row, int column) { return model(name)->index(row, column).data().toString(); }
    void expect(bool ok, const QString &what)
    {
        if (!ok && fault.isEmpty())
            fault = what;
    }
    void note(const QString &action)
    {
        if (verbose)
            qInfo("%s", qPrintable(action));
        recent.push_back(action);
        if (recent.size() > 40)
            recent.pop_front();
    }
    int bounded(int lo, int hi) { return lo + int(rng.bounded(quint32(hi - lo + 1))); } // lo..hi
    bool chance(double p) { return rng.generateDouble() < p; }
    template <typename T> const T &pick(const QList<T> &list) { return list.at(int(rng.bounded(quint32(list.size())))); }
    static std::optional<double> number(const QString &text)
    {
        bool ok = false;
        const double v = QLocale().toDouble(QStringView(text).trimmed(), &ok);
        return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
    }
    std::vector<qint64> boxCounts()
    {
        std::vector<qint64> counts;
        for (int r = 0; r < model("ListView1")->rowCount(); ++r)
            counts.push_back(qint64(number(cell("ListView1", r, 0)).value_or(-1)));
        return counts;
    }
    QMessageBox *visibleMessage()
    {
        for (auto *box : form->findChildren<QMessageBox *>())
            if (box->isVisible())
                return box;
        return nullptr;
    }

    // ---- text a person might type ----------------------------------------------
    QString nasty()
    {
        return chance(0.01) ? QString(10000, QLatin1Char('9')) : pick(nastyTexts);
    }
    QString stageCountText()
    {
        const double r = rng.generateDouble();
        if (r < 0.6)
            return QString::number(pick(QList<int>{0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 7, 8}));
        if (r < 0.65)
            return QString::number(bounded(9, 20)); // up to 3^21 paths
        if (r < 0.655)
            return QString::number(chance(0.5) ? 1000 : bounded(100, 1000));
        return nasty();
    }
    QString boxCountText()
    {
        const double r = rng.generateDouble();
        if (r < 0.7)
            return QString::number(pick(QList<int>{0, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 5, 6}));
        if (r < 0.75)
            return QString::number(bounded(7, 30));
        if (r < 0.76)
            return QString::number(qint64(std::pow(10.0, 2 + 3 * rng.generateDouble()))); // 100 .. 100000
        return nasty();
    }
    QString valueText()
    {
        const double r = rng.generateDouble();
        if (r < 0.6)
            return QString::number(bounded(0, 1000));
        if (r < 0.7)
            return QLocale().toString(bounded(-1000, 1000) / 4.0);
        return nasty();
    }
    QString settingText(const char *box)
    {
        const double r = rng.generateDouble();
        if (QLatin1String(box) == QLatin1String("Text4"))
            return r < 0.6 ? QString::number(bounded(1, 12)) : r < 0.62 ? QString::number(bounded(100, 32767)) : nasty();
        if (r < 0.6)
            return QString::number(bounded(-50, 400));
        return r < 0.65 ? QString::number(bounded(-10000, 10000)) : nasty();
    }
    QString textFor(const char *box)
    {
        return QLatin1String(box) == QLatin1String("Text1") ? stageCountText() : settingText(box);
    }

    // Types text key by key; characters beyond Latin-1 go as key events with text.
    void typeText(QWidget *w, const QString &text)
    {
        static const QRegularExpression printable(QRegularExpression::anchoredPattern(QStringLiteral("[ -~]*")));
        if (printable.match(text).hasMatch())
            return QTest::keyClicks(w, text);
        for (QChar c : text) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(w, Qt::Key_Return);
            else if (c == QLatin1Char('\t'))
                QTest::keyClick(w, Qt::Key_Tab);
            else if (c.unicode() < 0x80)
                QTest::keyClick(w, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // ---- actions ---------------------------------------------------------------
    void typeInTextBox()
    {
        const char *box = pick(QList<const char *>{"Text1", "Text1", "Text2", "Text3", "Text4"});
        auto *edit = child<QLineEdit>(box);
        QString text = textFor(box);
        if (chance(0.5) || text.size() > 40) {
            note(QStringLiteral("%1 setText \"%2\"").arg(box, text.left(40)));
            edit->setText(text);
            return;
        }
        note(QStringLiteral("%1 type \"%2\"").arg(box, text));
        edit->setFocus();
        if (chance(0.7))
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        else if (chance(0.5))
            QTest::keyClick(edit, Qt::Key_Backspace);
        typeText(edit, text);
    }

    void setCell()
    {
        const char *name = pick(QList<const char *>{"ListView1", "ListView1", "ListView2", "ListView3", "ListView5"});
        auto *m = model(name);
        if (m->rowCount() == 0 || m->columnCount() == 0)
            return note(QStringLiteral("%1 empty").arg(name));
        const int row = bounded(0, m->rowCount() - 1);
        const int column = chance(0.85) ? 0 : bounded(0, m->columnCount() - 1);
        const bool stageTable = QLatin1String(name) == QLatin1String("ListView1");
        const QString text = stageTable ? boxCountText() : valueText();
        note(QStringLiteral("%1 setData(%2, %3) \"%4\"").arg(name).arg(row).arg(column).arg(text.left(40)));
        const QString before = cell(name, row, column);
        std::vector<qint64> counts = boxCounts();
        const bool accepted = m->setData(m->index(row, column), text, Qt::EditRole);
        if (column != 0) {
            expect(!accepted && cell(name, row, column) == before, QStringLiteral("a cell beyond the first took an edit"));
            return;
        }
        if (!stageTable) {
            expect(accepted && cell(name, row, 0) == text, QStringLiteral("an edited value was not kept as typed"));
            return;
        }
        // A whole number that keeps the graph within its limits must be taken;
        // anything refused leaves the cell and explains itself.
        static const QRegularExpression plain(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,6}")));
        if (plain.match(text).hasMatch() && text.toLongLong() <= 100000) {
            counts[size_t(row)] = text.toLongLong();
            qint64 boxes = 0, edges = 0;
            for (size_t i = 0; i < counts.size(); ++i) {
                boxes += counts[i];
                edges += i + 1 < counts.size() ? counts[i] * counts[i + 1] : 0;
            }
            expect(accepted == (boxes <= 200000 && edges <= 1000000),
                   QStringLiteral("box count %1 %2").arg(text, accepted ? "taken over the limits" : "refused within the limits"));
        }
        ++seen[accepted ? QStringLiteral("box counts taken") : QStringLiteral("box counts refused")];
        if (accepted) {
            expect(cell(name, row, 0) == text, QStringLiteral("a box count was not kept as typed"));
        } else {
            expect(cell(name, row, 0) == before, QStringLiteral("a refused box count changed the cell"));
            expect(visibleMessage() && visibleMessage()->icon() == QMessageBox::Warning,
                   QStringLiteral("a refused box count gave no warning"));
        }
    }

    void editInView()
    {
        const char *name = pick(QList<const char *>{"ListView1", "ListView2", "ListView3", "ListView5"});
        auto *v = view(name);
        auto *m = v->model();
        if (!v->isVisible() || m->rowCount() == 0 || m->columnCount() == 0)
            return note(QStringLiteral("%1 not editable now").arg(name));
        const QModelIndex index = m->index(bounded(0, m->rowCount() - 1), chance(0.9) ? 0 : bounded(0, m->columnCount() - 1));
        const QString text = QLatin1String(name) == QLatin1String("ListView1") ? boxCountText() : valueText();
        const bool commit = chance(0.75);
        note(QStringLiteral("%1 editor row %2 column %3 \"%4\" %5")
                 .arg(name).arg(index.row()).arg(index.column()).arg(text.left(40), commit ? "Return" : "Escape"));
        v->scrollTo(index);
        v->setCurrentIndex(index);
        if (chance(0.3))
            QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(index).center());
        else
            QTest::keyClick(v, Qt::Key_F2);
        QLineEdit *editor = nullptr;
        for (auto *e : v->findChildren<QLineEdit *>())
            if (e->isVisible())
                editor = e;
        if (!editor)
            return;
        ++seen[QStringLiteral("editors opened")];
        editor->selectAll();
        typeText(editor, text.left(40).remove(QLatin1Char('\n')).remove(QLatin1Char('\t')));
        if (chance(0.1))
            return; // left open; whatever comes next has to cope
        QTest::keyClick(editor, commit ? Qt::Key_Return : Qt::Key_Escape);
    }

    void clickControl()
    {
        const char *name = pick(QList<const char *>{"Command1", "Command4", "Command4", "Command5", "Command5",
                                                    "Option1", "Option2", "Check1"});
        auto *button = child<QAbstractButton>(name);
        note(QStringLiteral("click %1").arg(name));
        const int rows = model("ListView5")->rowCount();
        if (chance(0.5))
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        else
            button->click();
        if (QLatin1String(name) == QLatin1String("Command5") && !visibleMessage())
            checkBestRow();
        if (QLatin1String(name) == QLatin1String("Command1"))
            expect(model("ListView5")->rowCount() == rows && !visibleMessage(), QStringLiteral("redrawing changed the results"));
    }

    void chooseCircleOrTab()
    {
        if (chance(0.4)) {
            auto *combo = child<QComboBox>("Combo1");
            const int index = bounded(0, combo->count() - 1);
            note(QStringLiteral("Combo1 item %1").arg(index));
            const double how = rng.generateDouble();
            if (how < 0.4) { // from the open list, as a person picks it
                combo->showPopup();
                QAbstractItemView *list = combo->view();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(index, 0)).center());
                expect(combo->currentIndex() == index && !combo->view()->isVisible(), QStringLiteral("the circle size list did not take a click"));
            } else if (how < 0.7) {
                combo->setCurrentIndex(index);
            } else {
                QTest::keyClick(combo, chance(0.5) ? Qt::Key_Down : Qt::Key_Up);
            }
            return;
        }
        auto *bar = child<QTabBar>("TabStrip1");
        const int index = bounded(0, bar->count() - 1);
        note(QStringLiteral("tab %1").arg(index));
        const QRect rect = bar->tabRect(index);
        if (chance(0.5) && bar->rect().contains(rect.center()))
            QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
        else
            bar->setCurrentIndex(index);
    }

    void scroll()
    {
        const auto action = pick(QList<QAbstractSlider::SliderAction>{
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub, QAbstractSlider::SliderPageStepAdd,
            QAbstractSlider::SliderPageStepSub, QAbstractSlider::SliderToMinimum, QAbstractSlider::SliderToMaximum});
        const char *name = pick(QList<const char *>{"HScroll1", "VScroll1", "ListView1", "ListView2", "ListView3", "ListView5"});
        QScrollBar *bar = qobject_cast<QScrollBar *>(form->findChild<QWidget *>(QLatin1String(name)));
        const bool picture = bar != nullptr;
        if (!bar)
            bar = chance(0.7) ? view(name)->verticalScrollBar() : view(name)->horizontalScrollBar();
        note(QStringLiteral("scroll %1 action %2").arg(name).arg(int(action)));
        const int before = bar->value();
        bar->triggerAction(action);
        if (picture && bar->value() != before) {
            auto *p = child<QWidget>("Picture1");
            const int at = -(bar->value() / 15);
            expect(bar->orientation() == Qt::Horizontal ? p->x() == at : p->y() == at,
                   QStringLiteral("the picture does not follow %1").arg(name));
        }
    }

    void resizeWindow()
    {
        QSize size;
        const double r = rng.generateDouble();
        if (r < 0.3)
            size = QSize(bounded(0, 40), bounded(0, 40));
        else if (r < 0.85)
            size = QSize(bounded(300, 1400), bounded(200, 900));
        else
            size = QSize(bounded(1400, 2600), bounded(900, 1600));
        note(QStringLiteral("resize %1 x %2").arg(size.width()).arg(size.height()));
        form->resize(size);
    }

    void pressKey()
    {
        const char *name = pick(QList<const char *>{"Text1", "Text2", "Text3", "Text4", "ListView1", "ListView2",
                                                    "ListView3", "ListView5", "Command1", "Command4", "Command5",
                                                    "Option1", "Option2", "Check1", "Combo1", "TabStrip1", "HScroll1", "VScroll1"});
        const auto key = pick(QList<Qt::Key>{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp,
                                             Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Space, Qt::Key_Return,
                                             Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_5});
        auto *w = form->findChild<QWidget *>(QLatin1String(name));
        if (!w->isVisible())
            return note(QStringLiteral("%1 hidden").arg(name));
        note(QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), name));
        w->setFocus();
        QTest::keyClick(w, key, chance(0.1) ? Qt::ControlModifier : Qt::NoModifier);
    }

    // The solution steps window and the best paths on the drawing.
    void useSolutionSteps()
    {
        auto *ranked = view("RankedPaths");
        switch (bounded(0, 5)) {
        case 0:
            note(QStringLiteral("actionSolutionSteps"));
            return child<QAction>("actionSolutionSteps")->trigger();
        case 1: {
            const char *name = pick(QList<const char *>{"StepFirst", "StepBack", "StepForward", "StepLast"});
            note(QStringLiteral("click %1").arg(name));
            return child<QPushButton>(name)->click();
        }
        case 2: {
            const int count = chance(0.5) ? bounded(1, 20) : bounded(1, 1000);
            note(QStringLiteral("RankedCount %1").arg(count));
            return child<QSpinBox>("RankedCount")->setValue(count);
        }
        case 3:
            note(QStringLiteral("actionAllBestPaths"));
            return child<QAction>("actionAllBestPaths")->toggle();
        case 4:
            note(QStringLiteral("close SolutionSteps"));
            child<QWidget>("SolutionSteps")->close();
            return;
        default:
            if (!ranked->isVisible() || ranked->model()->rowCount() == 0)
                return note(QStringLiteral("RankedPaths not shown"));
            const int row = bounded(0, ranked->model()->rowCount() - 1);
            note(QStringLiteral("RankedPaths choose %1").arg(row));
            ranked->setCurrentIndex(ranked->model()->index(row, 0));
            QTest::keyClick(ranked, Qt::Key_Return);
        }
    }

    void wait()
    {
        const int ms = chance(0.3) ? bounded(210, 260) : bounded(0, 30);
        note(QStringLiteral("wait %1 ms").arg(ms));
        QTest::qWait(ms);
    }

    // ---- what must hold after every action ---------------------------------------
    void checkBestRow()
    {
        auto *results = model("ListView5");
        const int rows = results->rowCount();
        if (rows == 0 || rows > 5000)
            return;
        ++seen[QStringLiteral("best rows checked")];
        const int total = results->columnCount() - 2; // "Toplam" before "Yol"
        const bool longest = child<QRadioButton>("Option2")->isChecked();
        int best = 0;
        double bestTotal = number(cell("ListView5", 0, total)).value_or(qQNaN());
        for (int r = 1; r < rows; ++r) {
            const double t = number(cell("ListView5", r, total)).value_or(qQNaN());
            if (longest ? t > bestTotal : t < bestTotal)
                best = r, bestTotal = t;
        }
        expect(view("ListView5")->currentIndex().row() == best,
               QStringLiteral("\"Çiz\" chose row %1, the best total is on row %2").arg(view("ListView5")->currentIndex().row()).arg(best));
    }

    void checkEdgeRow(const char *name, int row, qint64 edge, const std::vector<qint64> &counts)
    {
        qint64 first = 0, boxesBefore = 0;
        for (size_t s = 0; s + 1 < counts.size(); ++s) {
            const qint64 inStage = counts[s] * counts[s + 1];
            if (edge < first + inStage) {
                const qint64 offset = edge - first;
                const qint64 from = boxesBefore + offset / counts[s + 1] + 1;
                const qint64 to = boxesBefore + counts[s] + offset % counts[s + 1] + 1;
                expect(cell(name, row, 1) == QString::number(from) && cell(name, row, 2) == QString::number(to)
                           && cell(name, row, 3) == QString::number(s + 1),
                       QStringLiteral("%1 row %2 reads %3 -> %4 stage %5, expected %6 -> %7 stage %8")
                           .arg(name).arg(row).arg(cell(name, row, 1), cell(name, row, 2), cell(name, row, 3))
                           .arg(from).arg(to).arg(s + 1));
                return;
            }
            first += inStage;
            boxesBefore += counts[s];
        }
        expect(false, QStringLiteral("%1 row %2 lies beyond the graph").arg(name).arg(row));
    }

    void checkInvariants()
    {
        expect(form->isVisible(), QStringLiteral("the window is gone"));
        expect(!child<QWidget>("List1")->isVisible(), QStringLiteral("List1 shows"));
        const int n = stages;
        expect(model("ListView1")->rowCount() == n + 1,
               QStringLiteral("stage table has %1 rows for %2 stages").arg(model("ListView1")->rowCount()).arg(n));
        auto *bar = child<QTabBar>("TabStrip1");
        expect(bar->count() == n + 1 && bar->tabText(0) == QStringLiteral("Tümü")
                   && (n == 0 || bar->tabText(n) == QStringLiteral("%1.Vorta").arg(n)),
               QStringLiteral("%1 tabs for %2 stages").arg(bar->count()).arg(n));
        auto *results = model("ListView5");
        QStringList tail;
        for (int c = qMax(0, results->columnCount() - 2); c < results->columnCount(); ++c)
            tail << results->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const bool withPath = tail == QStringList{"Toplam", "Yol"};
        expect((withPath || tail.value(tail.size() - 1) == QStringLiteral("Toplam"))
                   && results->columnCount() == n + 1 + (withPath ? 1 : 0),
               QStringLiteral("result columns end in %1 for %2 stages").arg(tail.join(QLatin1Char(','))).arg(n));
        expect(model("List1")->rowCount() == results->rowCount(), QStringLiteral("List1 and the result table differ in length"));
        if (!fault.isEmpty())
            return;

        const std::vector<qint64> counts = boxCounts();
        qint64 edges = 0, boxes = 0;
        for (size_t i = 0; i < counts.size(); ++i) {
            expect(counts[i] >= 0, QStringLiteral("the stage table holds \"%1\"").arg(cell("ListView1", int(i), 0)));
            boxes += counts[i];
            edges += i + 1 < counts.size() ? counts[i] * counts[i + 1] : 0;
        }
        expect(boxes <= 200000 && edges <= 1000000, QStringLiteral("the graph is over its limits"));
        const int tab = bar->currentIndex();
        expect(view("ListView3")->isVisible() == (tab > 0), QStringLiteral("the stage view does not follow tab %1").arg(tab));
        // A large regeneration drawn on a worker shows the busy cursor until its edges are in the table.
        if (!fault.isEmpty() || child<QTimer>("Timer1")->isActive() || QGuiApplication::overrideCursor())
            return;
        auto *edgeModel = model("ListView2");
        expect(edgeModel->rowCount() == edges, QStringLiteral("edge table has %1 rows, the counts make %2").arg(edgeModel->rowCount()).arg(edges));
        ++seen[QStringLiteral("edge tables checked")];
        if (edges > 0 && fault.isEmpty()) {
            for (qint64 e : {qint64(0), edges - 1, qint64(rng.bounded(quint64(edges))), qint64(rng.bounded(quint64(edges)))})
                checkEdgeRow("ListView2", int(e), e, counts);
        }
        if (tab > 0 && fault.isEmpty()) {
            const qint64 inStage = counts[size_t(tab) - 1] * counts[size_t(tab)];
            qint64 first = 0;
            for (int s = 0; s + 1 < tab; ++s)
                first += counts[size_t(s)] * counts[size_t(s) + 1];
            expect(model("ListView3")->rowCount() == inStage, QStringLiteral("stage view has %1 rows, stage %2 has %3").arg(model("ListView3")->rowCount()).arg(tab).arg(inStage));
            if (inStage > 0 && fault.isEmpty()) {
                const int r = int(rng.bounded(quint64(inStage)));
                checkEdgeRow("ListView3", r, first + r, counts);
                ++seen[QStringLiteral("stage views checked")];
                expect(cell("ListView3", r, 0) == cell("ListView2", int(first + r), 0), QStringLiteral("stage view value differs"));
            }
        }
        // A listed row's total is its values added up (where the first was not edited in place).
        const int rows = results->rowCount();
        if (rows > 0 && fault.isEmpty()) {
            const int r = bounded(0, rows - 1);
            if (!editedResultRows.contains(r)) {
                ++seen[QStringLiteral("totals checked")];
                double sum = 0;
                for (int c = 0; c < n; ++c)
                    sum = number(cell("ListView5", r, c)).value_or(qQNaN()) + sum;
                // A total at the very end of the double range is written rounded
                // up to 15 digits, which no longer reads as a number.
                const double total = number(cell("ListView5", r, n)).value_or(std::abs(sum) > 1.797693134862e308 ? sum : qQNaN());
                expect(std::abs(total - sum) <= 1e-12 * std::max(1.0, std::abs(sum)),
                       QStringLiteral("result row %1 totals %2, its values add up to %3").arg(r).arg(cell("ListView5", r, n)).arg(sum));
            }
        }
    }

    void closeMessagesAndPopups()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        if (QMessageBox *box = visibleMessage()) {
            ++seen[QStringLiteral("messages")];
            expect(!box->text().contains(QStringLiteral("Beklenmeyen")) && !box->text().contains(QStringLiteral("Bellek")),
                   QStringLiteral("an error escaped: %1").arg(box->text()));
            if (chance(0.5) && box->button(QMessageBox::Ok))
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            else
                box->hide();
        }
        for (QWidget *w : QApplication::topLevelWidgets())
            expect(!w->isVisible() || w == form.get() || qobject_cast<QMessageBox *>(w) || w->inherits("QTipLabel")
                       || w->objectName() == QLatin1String("SolutionSteps"),
                   QStringLiteral("a stray window: %1").arg(QString::fromLatin1(w->metaObject()->className())));
    }

    // The model testers walk every cell on every change: they watch each model
    // while it has, and is about to have, at most this many cells.
    static constexpr qint64 testerCells = 300000;
    static constexpr const char *modelViews[] = {"ListView1", "ListView2", "ListView3", "ListView5", "List1"};
    void watchModels()
    {
        const std::vector<qint64> counts = boxCounts();
        qint64 edges = 0, paths = counts.size() > 1 ? 1 : 0;
        for (size_t i = 0; i < counts.size(); ++i) {
            edges += i + 1 < counts.size() ? qMax<qint64>(0, counts[i]) * qMax<qint64>(0, counts[i + 1]) : 0;
            paths = qMin<qint64>(paths * qMax<qint64>(0, counts[i]), testerCells + 1);
        }
        paths = qMax(paths, qobject_cast<stagepath::EdgeTable *>(model("ListView2"))->shape().pathCount(testerCells + 1));
        const qint64 coming[] = {qint64(counts.size()), edges, edges, paths, paths};
        for (size_t i = 0; i < std::size(modelViews); ++i) {
            QAbstractItemModel *m = model(modelViews[i]);
            const qint64 cells = qMax<qint64>(m->rowCount(), coming[i]) * qMax(1, m->columnCount() + (i == 3 ? 1 : 0));
            if (cells > testerCells)
                testers[i].reset();
            else if (!testers[i])
                testers[i] = std::make_unique<QAbstractItemModelTester>(m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        }
    }

    // Measures the testers' work apart: it walks every cell on every change.
    void timeTesterOf(QAbstractItemModel *m, bool start)
    {
        const auto mark = [this, start] {
            if (start)
                testerStartNs = threadCpuNs();
            else
                testerNs += threadCpuNs() - testerStartNs;
        };
        connect(m, &QAbstractItemModel::modelReset, this, mark);
        connect(m, &QAbstractItemModel::dataChanged, this, mark);
        connect(m, &QAbstractItemModel::headerDataChanged, this, mark);
        connect(m, &QAbstractItemModel::layoutChanged, this, mark);
        connect(m, &QAbstractItemModel::rowsInserted, this, mark);
        connect(m, &QAbstractItemModel::rowsRemoved, this, mark);
        connect(m, &QAbstractItemModel::columnsInserted, this, mark);
        connect(m, &QAbstractItemModel::columnsRemoved, this, mark);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        previousHandler = qInstallMessageHandler(collectWarnings);
    }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void randomActions()
    {
        bool ok = false;
        const quint32 seed = qEnvironmentVariableIsSet("STAGEPATH_MONKEY_SEED")
            ? qEnvironmentVariable("STAGEPATH_MONKEY_SEED").toUInt(&ok) : defaultSeed;
        const int actions = qEnvironmentVariableIsSet("STAGEPATH_MONKEY_ACTIONS")
            ? qEnvironmentVariableIntValue("STAGEPATH_MONKEY_ACTIONS") : defaultActions;
        qInfo("monkey seed %u, %d actions (override with STAGEPATH_MONKEY_SEED, STAGEPATH_MONKEY_ACTIONS)", seed, actions);
        rng.seed(seed);

        form = std::make_unique<MainWindow>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        testers.resize(std::size(modelViews));
        for (const char *name : modelViews)
            timeTesterOf(model(name), true);
        watchModels();
        for (const char *name : modelViews)
            timeTesterOf(model(name), false);
        auto *text1 = child<QLineEdit>("Text1");
        connect(text1, &QLineEdit::textChanged, this, [this, text1](const QString &text) {
            static const QRegularExpression plain(QRegularExpression::anchoredPattern(QStringLiteral("\\s*[0-9]{1,3}\\s*")));
            const bool refused = text1->property("invalid").toBool();
            const auto v = number(text);
            if (!refused && v && *v == std::floor(*v) && *v >= 0 && *v <= 1000)
                stages = int(*v);
            else
                expect(refused && !(plain.match(text).hasMatch() && text.trimmed().toInt() <= 1000),
                       QStringLiteral("Text1 %1 \"%2\"").arg(refused ? "refused" : "took", text.left(40)));
        });
        auto *results = model("ListView5");
        connect(results, &QAbstractItemModel::modelReset, this, [this] { editedResultRows.clear(); });
        connect(results, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &from, const QModelIndex &to) {
                    for (int r = from.row(); r <= to.row(); ++r)
                        editedResultRows.insert(r);
                });

        const std::vector<std::pair<int, std::function<void()>>> kinds{
            {14, [this] { typeInTextBox(); }}, {18, [this] { setCell(); }},     {10, [this] { editInView(); }},
            {16, [this] { clickControl(); }},  {8, [this] { chooseCircleOrTab(); }}, {10, [this] { scroll(); }},
            {4, [this] { resizeWindow(); }},   {10, [this] { pressKey(); }},    {4, [this] { wait(); }},
            {6, [this] { useSolutionSteps(); }}};
        int weights = 0;
        for (const auto &k : kinds)
            weights += k.first;

        QElapsedTimer total, clock;
        total.start();
        qint64 slowest = 0;
        QString slowestAction;
        int done = 0;
        for (int i = 0; i < actions && fault.isEmpty() && !QTest::currentTestFailed(); ++i, ++done) {
            int w = int(rng.bounded(quint32(weights)));
            size_t k = 0;
            while (w >= kinds[k].first)
                w -= kinds[k++].first;
            watchModels();
            testerNs = 0;
            const qint64 startNs = threadCpuNs();
            clock.start();
            kinds[k].second();
            if ((i + 1) % 500 == 0)
                qInfo("%d actions, %lld ms: %d stages, %d edges, %d listed paths", i + 1, qint64(total.elapsed()), stages,
                      model("ListView2")->rowCount(), model("ListView5")->rowCount());
            QCoreApplication::processEvents();
            const qint64 ms = (threadCpuNs() - startNs - testerNs) / 1000000;
            if (ms > slowest)
                slowest = ms, slowestAction = recent.back();
            expect(ms < actionLimitMs, QStringLiteral("the action took %1 ms of the window's processor time").arg(ms));
            expect(clock.elapsed() < actionWallLimitMs, QStringLiteral("the action took %1 ms").arg(clock.elapsed()));
            checkInvariants();
            closeMessagesAndPopups();
            if (!fault.isEmpty() || QTest::currentTestFailed()) {
                qWarning("seed %u, action %d of %d: %s", seed, i + 1, actions, qPrintable(fault));
                for (const QString &a : recent)
                    qWarning("  %s", qPrintable(a));
            }
        }
        qInfo("%d actions in %lld ms; slowest %lld ms of processor time (model testers not counted): %s", done,
              qint64(total.elapsed()), slowest, qPrintable(slowestAction));
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            qInfo("%s: %d", qPrintable(it.key()), it.value());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY2(unexpectedWarnings.isEmpty(), qPrintable(unexpectedWarnings.mid(0, 10).join(QLatin1Char('\n'))));
        testers.clear();
        form.reset();
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"

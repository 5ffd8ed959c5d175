// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window that shows why the best path is best, driven by object names:
// its tables against a brute force over every listed path, its steps and the
// paths it and the result table draw, read from the drawing's pixels.

#include "windowdriver.h"

#include "drawing/colours.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

using namespace stagepath;

namespace {

// A total as the tables compare it: its general number form, read back.
double written(double total)
{
    return QLocale::c().toString(total, 'g', 15).toDouble();
}

QString general(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value == 0 ? 0.0 : value, 'g', 15);
}

struct ListedPath {
    std::vector<qint64> boxes; // global box numbers, one per column
    std::vector<double> values;
    QString totalText, pathText;
    double total() const { return std::accumulate(values.begin(), values.end(), 0.0); }
};

// What the program must find for one box, worked out from the listed paths:
// every distinct partial path that reaches the box, in listing order.
struct BoxExpectation {
    int column = 0;
    double best = 0;
    qint64 previous = 0; // on the first best partial path; 0 in column 1
    qint64 ties = 0;
};

std::map<qint64, BoxExpectation> expectedBoxes(const std::vector<ListedPath> &paths, bool longest)
{
    std::map<qint64, BoxExpectation> boxes;
    std::map<std::vector<qint64>, double> prefixes; // partial path -> its total
    std::vector<std::vector<qint64>> inOrder;
    for (const ListedPath &p : paths) {
        double total = 0;
        for (size_t c = 0; c < p.boxes.size(); ++c) {
            if (c > 0)
                total += p.values[c - 1];
            std::vector<qint64> prefix(p.boxes.begin(), p.boxes.begin() + qint64(c) + 1);
            if (prefixes.emplace(prefix, total).second)
                inOrder.push_back(prefix);
            auto [it, fresh] = boxes.try_emplace(p.boxes[c], BoxExpectation{int(c), total, 0, 0});
            if (!fresh && (longest ? total > it->second.best : total < it->second.best))
                it->second.best = total;
        }
    }
    for (const auto &prefix : inOrder) {
        BoxExpectation &box = boxes[prefix.back()];
        if (written(prefixes[prefix]) != written(box.best))
            continue;
        if (box.ties++ == 0 && prefix.size() > 1)
            box.previous = prefix[prefix.size() - 2];
    }
    return boxes;
}

// Paths in the order the ranked list must show them: by written total, ties in table order.
std::vector<size_t> rankedOrder(const std::vector<ListedPath> &paths, bool longest)
{
    std::vector<size_t> order(paths.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const double x = written(paths[a].total()), y = written(paths[b].total());
        return longest ? x > y : x < y;
    });
    return order;
}

// Colours of the layers, and how far a pixel may be from one and still count.
bool near(QRgb pixel, QRgb colour, int tolerance)
{
    return qAbs(qRed(pixel) - qRed(colour)) <= tolerance && qAbs(qGreen(pixel) - qGreen(colour)) <= tolerance
        && qAbs(qBlue(pixel) - qBlue(colour)) <= tolerance;
}
bool isLabel(QRgb p) { return near(p, qRgb(75, 0, 130), 30); }
bool isChosen(QRgb p) { return qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p); }
bool isStage(QRgb p) { return qRed(p) > qGreen(p) + 60 && qRed(p) > 150 && qBlue(p) > 40; }
bool isBlue(QRgb p) { return qBlue(p) > 200 && qRed(p) < 70 && qGreen(p) < 70; }
bool isOrange(QRgb p) { return qRed(p) > 200 && qGreen(p) > 100 && qGreen(p) < 180 && qBlue(p) < 60; }
bool isRed(QRgb p) { return qRed(p) > 190 && qGreen(p) < 100 && qBlue(p) < 110; }

} // namespace

class TestSolutionSteps : public QObject, protected WindowDriver
{
    Q_OBJECT

    std::vector<int> m_counts;

    QWidget *steps() const { return child<QWidget>("SolutionSteps"); }
    void openSteps()
    {
        child<QAction>("actionSolutionSteps")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(steps()));
        QVERIFY(steps()->isWindow());
    }
    void press(const char *button) { child<QPushButton>(button)->click(); }
    // As a person double-clicks: QTest's double click alone comes without the click before it.
    static void doubleClick(QWidget *widget, QPoint at)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    }

    // A lesson set as a person sets it: the stage count, the box counts, then every value.
    void setLesson(const std::vector<int> &counts, const QStringList &values)
    {
        m_counts = counts;
        child<QLineEdit>("Text1")->setText(QString::number(counts.size() - 1));
        QAbstractItemModel *stages = model("ListView1");
        for (size_t c = 0; c < counts.size(); ++c)
            stages->setData(stages->index(int(c), 0), QString::number(counts[c]), Qt::EditRole);
        QTRY_VERIFY(!child<QTimer>("Timer1")->isActive());
        QAbstractItemModel *edges = model("ListView2");
        QCOMPARE(edges->rowCount(), values.size());
        for (int r = 0; r < values.size(); ++r)
            edges->setData(edges->index(r, 0), values[r], Qt::EditRole);
        QTRY_VERIFY(!child<QTimer>("Timer2")->isActive());
    }
    void setLongest(bool longest)
    {
        child<QRadioButton>(longest ? "Option2" : "Option1")->setChecked(true);
    }

    // "Hesaplama Yap", then every listed row read back through the result table.
    std::vector<ListedPath> listPaths()
    {
        press("Command4");
        QAbstractItemModel *m = model("ListView5");
        const int stages = int(m_counts.size()) - 1;
        std::vector<ListedPath> paths;
        for (int r = 0; r < m->rowCount(); ++r) {
            ListedPath p;
            p.boxes.push_back(m->index(r, 0).data(Qt::UserRole).toLongLong());
            for (int c = 0; c < stages; ++c) {
                p.boxes.push_back(m->index(r, c).data(Qt::ToolTipRole).toLongLong());
                p.values.push_back(QLocale().toDouble(cell("ListView5", r, c)));
            }
            p.totalText = cell("ListView5", r, stages);
            p.pathText = cell("ListView5", r, stages + 1);
            paths.push_back(p);
        }
        return paths;
    }

    // Drawing geometry at the start-up settings (X 220, Y 120, R 20).
    QPointF centre(qint64 box) const
    {
        const int largest = *std::max_element(m_counts.begin(), m_counts.end());
        for (size_t c = 0; c < m_counts.size(); ++c, box -= m_counts[c - 1])
            if (box <= m_counts[c])
                return QPointF(double(c) * 220 + 20, (largest - m_counts[c]) * 60.0 + double(box - 1) * 120 + 20);
        return {};
    }
    // A point a quarter of the way along the edge between two boxes, clear of every other edge.
    QPoint quarter(qint64 from, qint64 to) const
    {
        const QPointF a = centre(from) + QPointF(20, 0), b = centre(to) - QPointF(20, 0);
        return (a + (b - a) / 4).toPoint();
    }
    QImage drawing() const { return child<QWidget>("Picture1")->grab().toImage(); }
    static bool anyAround(const QImage &image, QPoint at, bool (*is)(QRgb), int reach = 1)
    {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (is(image.pixel(at + QPoint(dx, dy))))
                    return true;
        return false;
    }
    static bool anyIn(const QImage &image, const QRect &area, bool (*is)(QRgb))
    {
        const QRect inside = area & image.rect();
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                if (is(image.pixel(x, y)))
                    return true;
        return false;
    }
    struct Edge {
        qint64 from, to;
    };
    std::vector<Edge> edges() const
    {
        std::vector<Edge> all;
        qint64 first = 1;
        for (size_t c = 0; c + 1 < m_counts.size(); first += m_counts[c], ++c)
            for (qint64 j = 0; j < m_counts[c]; ++j)
                for (qint64 k = 0; k < m_counts[c + 1]; ++k)
                    all.push_back({first + j, first + m_counts[c] + k});
        return all;
    }
    int columnOf(qint64 box) const
    {
        int c = 0;
        for (; box > m_counts[size_t(c)]; ++c)
            box -= m_counts[size_t(c)];
        return c;
    }

    // The step table and the ranked paths against the listed paths.
    void checkTables(const std::vector<ListedPath> &paths, bool longest)
    {
        const auto boxes = expectedBoxes(paths, longest);
        QCOMPARE(model("StepTable")->rowCount(), int(boxes.size()));
        for (const auto &[box, e] : boxes) {
            const int r = int(box) - 1;
            const QStringList expected{QString::number(box), QString::number(e.column + 1), general(e.best),
                                       e.column == 0 ? QString() : QString::number(e.previous),
                                       QString::number(e.ties)};
            QStringList shown;
            for (int c = 0; c < 5; ++c)
                shown << cell("StepTable", r, c);
            QCOMPARE(shown, expected);
        }
        // The best rows: their number is what the last column's best boxes count.
        const std::vector<size_t> order = rankedOrder(paths, longest);
        const double best = written(paths[order.front()].total());
        qint64 bestRows = 0, lastTies = 0;
        for (const ListedPath &p : paths)
            bestRows += written(p.total()) == best;
        for (const auto &[box, e] : boxes)
            if (e.column == int(m_counts.size()) - 1 && written(e.best) == best)
                lastTies += e.ties;
        QCOMPARE(lastTies, bestRows);

        auto *count = child<QSpinBox>("RankedCount");
        for (int k : {1, 7, 1000}) {
            count->setValue(k);
            const int shown = qMin(k, int(paths.size()));
            QCOMPARE(model("RankedPaths")->rowCount(), shown);
            for (int i = 0; i < shown; ++i) {
                const ListedPath &p = paths[order[size_t(i)]];
                const QStringList expected{QString::number(i + 1), p.totalText, p.pathText,
                                           QString::number(order[size_t(i)] + 1)};
                QStringList row;
                for (int c = 0; c < 4; ++c)
                    row << cell("RankedPaths", i, c);
                QCOMPARE(row, expected);
            }
        }
        count->setValue(10);
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

    void tablesAgreeWithEveryListedPath_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("decimals");
        QTest::newRow("C, whole values") << QLocale::c() << false;
        QTest::newRow("Turkish, whole values") << QLocale(QLocale::Turkish, QLocale::Turkey) << false;
        QTest::newRow("C, tenths") << QLocale::c() << true;
        QTest::newRow("Turkish, tenths") << QLocale(QLocale::Turkish, QLocale::Turkey) << true;
    }
    void tablesAgreeWithEveryListedPath()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, decimals);
        QLocale::setDefault(locale);
        openSteps();
        QAbstractItemModelTester stepTester(model("StepTable"), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester rankTester(model("RankedPaths"), QAbstractItemModelTester::FailureReportingMode::QtTest);
        // Few distinct values make many ties; tenths add up to totals that are
        // written alike but differ as doubles (0.1 + 0.2 and 0.3).
        QRandomGenerator random(decimals ? 7 : 3);
        for (int round = 0; round < 4; ++round) {
            std::vector<int> counts(size_t(random.bounded(2, 5)));
            for (int &n : counts)
                n = random.bounded(1, 4);
            qint64 edgeCount = 0;
            for (size_t c = 0; c + 1 < counts.size(); ++c)
                edgeCount += counts[c] * counts[c + 1];
            QStringList values;
            for (qint64 e = 0; e < edgeCount; ++e)
                values << (decimals ? locale.toString(random.bounded(1, 4) / 10.0) : QString::number(random.bounded(3)));
            setLesson(counts, values);
            const std::vector<ListedPath> paths = listPaths();
            QVERIFY(!paths.empty());
            for (bool longest : {false, true}) {
                setLongest(longest);
                checkTables(paths, longest);
                // Following "Önceki kutu" back from the last box of "Çiz"'s row gives that row's path.
                press("Command5");
                const ListedPath &best = paths[size_t(child<QAbstractItemView>("ListView5")->currentIndex().row())];
                std::vector<qint64> chain{best.boxes.back()};
                while (chain.size() < best.boxes.size())
                    chain.insert(chain.begin(), cell("StepTable", int(chain.front()) - 1, 3).toLongLong());
                QCOMPARE(chain, best.boxes);
            }
            setLongest(false);
        }
    }

    void cannotSolveIsSaidInOneLine()
    {
        openSteps();
        // The line in the window that a message of "Çiz" starts with.
        auto shownIn = [this](const QString &message) {
            for (auto *label : steps()->findChildren<QLabel *>())
                if (label->isVisible() && !label->text().isEmpty() && message.startsWith(label->text()))
                    return true;
            return false;
        };
        for (const auto &[counts, value] : {std::pair{std::vector<int>{2, 0, 2}, QString()},
                                            std::pair{std::vector<int>{2, 2}, QStringLiteral("abc")}}) {
            QStringList values;
            for (const Edge &e : (m_counts = counts, edges()))
                values << (value.isEmpty() ? QString::number(e.from) : value);
            setLesson(counts, values);
            QCOMPARE(model("StepTable")->rowCount(), 0);
            QCOMPARE(model("RankedPaths")->rowCount(), 0);
            QVERIFY(!child<QWidget>("StepTable")->isVisible());
            QVERIFY(!child<QPushButton>("StepForward")->isEnabled());
            // "Çiz" names the same problem.
            press("Command5");
            QMessageBox *box = visibleMessage();
            QVERIFY(box);
            QVERIFY2(shownIn(box->text()), qPrintable(box->text()));
            closeMessages();
        }
        // A graph that can be solved again shows its tables again.
        setLesson({1, 2}, {"4", "5"});
        QCOMPARE(model("StepTable")->rowCount(), 3);
        QVERIFY(child<QWidget>("StepTable")->isVisible());
    }

    void stepsDrawTheProgramColumnByColumn()
    {
        m_counts = {3, 3, 3, 3, 3};
        openSteps();
        const QImage before = drawing();
        QVERIFY(!anyIn(before, before.rect(), isLabel));
        const int columns = int(m_counts.size());
        for (int step = 1; step <= columns; ++step) {
            press(step == 1 ? "StepFirst" : "StepForward");
            const QImage image = drawing();
            for (qint64 box = 1; box <= 15; ++box) {
                const QPoint c = centre(box).toPoint();
                const QRect label(c.x() + 22, c.y() - 22, 40, 18);
                QCOMPARE(anyIn(image, label, isLabel), columnOf(box) < step);
            }
            for (const Edge &e : edges()) {
                const int stage = columnOf(e.from);
                const bool solved = stage + 1 < step;
                const bool chosen = solved && cell("StepTable", int(e.to) - 1, 3).toLongLong() == e.from;
                const QPoint at = quarter(e.from, e.to);
                // At the last step the red best path lies over the chosen edges it takes.
                const bool shown = anyAround(image, at, isChosen) || (step == columns && anyAround(image, at, isRed));
                QVERIFY2(shown == chosen, qPrintable(QStringLiteral("step %1").arg(step)));
                if (!chosen && step < columns)
                    QCOMPARE(anyAround(image, at, isStage), stage == step - 2);
            }
            if (step < columns)
                QVERIFY(!anyIn(image, image.rect(), isRed));
        }
        QVERIFY(!child<QPushButton>("StepForward")->isEnabled());
        const QImage last = drawing();
        // Leaving the steps restores the drawing.
        steps()->close();
        QCOMPARE(drawing(), before);
        // The last step's red path is "Çiz"'s.
        press("Command5");
        const QImage solved = drawing();
        const int best = child<QAbstractItemView>("ListView5")->currentIndex().row();
        const std::vector<ListedPath> paths = listPaths();
        const std::vector<qint64> &path = paths[size_t(best)].boxes;
        for (const Edge &e : edges()) {
            const bool onPath = std::count(path.begin(), path.end(), e.from) + std::count(path.begin(), path.end(), e.to) == 2;
            QCOMPARE(anyAround(solved, quarter(e.from, e.to), isRed), onPath);
            QCOMPARE(anyAround(last, quarter(e.from, e.to), isRed), onPath);
        }
        // A step before the last hides "Çiz"'s red path; leaving the steps brings it back.
        openSteps();
        press("StepLast");
        press("StepBack");
        QVERIFY(!anyIn(drawing(), solved.rect(), isRed));
        steps()->close();
        QCOMPARE(drawing(), solved);
    }

    void chosenPathsAreDrawnInBlue()
    {
        m_counts = {3, 3, 3, 3, 3};
        const std::vector<ListedPath> paths = listPaths();
        auto blueOn = [this](const std::vector<qint64> &boxes) {
            const QImage image = drawing();
            for (const Edge &e : edges()) {
                const bool onPath = std::find(boxes.begin(), boxes.end(), e.from) != boxes.end()
                    && std::find(boxes.begin(), boxes.end(), e.to) != boxes.end();
                if (anyAround(image, quarter(e.from, e.to), isBlue) != onPath)
                    return false;
            }
            return true;
        };
        auto *results = child<QAbstractItemView>("ListView5");
        QVERIFY(blueOn({}));
        results->setCurrentIndex(results->model()->index(100, 0));
        QVERIFY(blueOn(paths[100].boxes));
        QTest::keyClick(results, Qt::Key_Down);
        QVERIFY(blueOn(paths[101].boxes));
        press("Command1"); // a redraw keeps it
        QVERIFY(blueOn(paths[101].boxes));

        // A ranked path double-clicked selects its row.
        openSteps();
        auto *ranked = child<QAbstractItemView>("RankedPaths");
        const QRect third = ranked->visualRect(ranked->model()->index(2, 0));
        doubleClick(ranked->viewport(), third.center());
        const int row = cell("RankedPaths", 2, 3).toInt() - 1;
        QCOMPARE(results->currentIndex().row(), row);
        QVERIFY(blueOn(paths[size_t(row)].boxes));

        // Once the graph changes, the listing is not of the graph drawn: no
        // blue path; a ranked path of the new graph is drawn all the same.
        QAbstractItemModel *values = model("ListView2");
        values->setData(values->index(0, 0), QStringLiteral("5000"), Qt::EditRole);
        QTRY_VERIFY(!child<QTimer>("Timer2")->isActive());
        QVERIFY(blueOn({}));
        doubleClick(ranked->viewport(), third.center());
        QCOMPARE(results->currentIndex().row(), row);
        const QString path = cell("RankedPaths", 2, 2);
        std::vector<qint64> boxes;
        for (const QString &part : path.split(' '))
            if (!part.startsWith('('))
                boxes.push_back(part.toLongLong());
        QVERIFY(blueOn(boxes));
    }

    // The stagecoach lesson worked backward: the first step shows no best
    // total, no ranked path, no red or orange line; each step's tableau is the
    // board's; the last step shows everything.
    void backwardStepsRevealTheAnswerOnlyAtTheLast()
    {
        setLesson({1, 3, 3, 2, 1}, {"2", "4", "3", "7", "4", "6", "3", "2", "4", "4", "1", "5", "1", "4", "6", "3",
                                    "3", "3", "3", "4"});
        m_counts = {1, 3, 3, 2, 1};
        child<QAction>("actionAllBestPaths")->setChecked(true);
        openSteps();
        QAbstractItemModelTester tester(model("StageTableau"), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model("StageTableau")->rowCount(), 0);
        auto *recursion = child<QComboBox>("Recursion");
        QCOMPARE(recursion->count(), 2);
        recursion->setCurrentIndex(1);
        QCOMPARE(model("StepTable")->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Sonraki kutu"));
        auto texts = [this] {
            QString all;
            for (auto *label : steps()->findChildren<QLabel *>())
                if (label->isVisible())
                    all += label->text() + u'\n';
            return all;
        };
        press("StepFirst");
        QVERIFY2(!texts().contains(QStringLiteral("11")), qPrintable(texts()));
        QCOMPARE(model("RankedPaths")->rowCount(), 0);
        QCOMPARE(cell("StepTable", 0, 2), QString());  // box 1 is solved last
        QCOMPARE(cell("StepTable", 9, 2), QStringLiteral("0"));
        const QImage first = drawing();
        QVERIFY(!anyIn(first, first.rect(), isRed));
        QVERIFY(!anyIn(first, first.rect(), isOrange));
        press("StepForward");
        press("StepForward");
        press("StepForward"); // column 2, from column 3
        const QStringList rowB{"2", "11", "11", "12", "11", "5, 6"};
        for (int c = 0; c < rowB.size(); ++c)
            QCOMPARE(cell("StageTableau", 0, c), rowB[c]);
        QCOMPARE(model("StageTableau")->index(0, 3).data(Qt::ToolTipRole).toString(), QStringLiteral("6 + 6"));
        QVERIFY(texts().contains(QStringLiteral("f(2) = min{ 7 + f(5), 4 + f(6), 6 + f(7) } = min{ 11, 11, 12 } = 11")));
        QCOMPARE(cell("StepTable", 1, 3), QStringLiteral("5"));
        QCOMPARE(cell("StepTable", 0, 2), QString());
        QVERIFY(!anyIn(drawing(), first.rect(), isRed));
        press("StepLast");
        QVERIFY(texts().contains(QStringLiteral("en iyi toplam: 11")));
        QCOMPARE(cell("StepTable", 0, 2), QStringLiteral("11"));
        QCOMPARE(cell("StepTable", 0, 4), QStringLiteral("3"));
        QVERIFY(model("RankedPaths")->rowCount() > 0);
        // The legend names every colour drawn over the graph.
        const QString legend = child<QLabel>("StepsLegend")->text();
        for (QRgb colour : {kPathColour, kBestEdgesColour, kSelectedPathColour, kHighlightedStageColour,
                            kChosenEdgeColour, kBoxLabelColour, kBackgroundColour})
            QVERIFY2(legend.contains(QColor::fromRgba(colour).name()), qPrintable(QColor::fromRgba(colour).name()));
        const QImage last = drawing();
        // "Çiz"'s path, A-C-E-H-J, in red.
        for (const Edge &e : edges()) {
            const std::vector<qint64> path{1, 3, 5, 8, 10};
            const bool onPath = std::count(path.begin(), path.end(), e.from) + std::count(path.begin(), path.end(), e.to) == 2;
            QCOMPARE(anyAround(last, quarter(e.from, e.to), isRed), onPath);
        }
        recursion->setCurrentIndex(0);
        child<QAction>("actionAllBestPaths")->setChecked(false);
    }

    void everyBestEdgeIsDrawnSoTiesShow()
    {
        // Three shortest paths of total 11 and one longest.
        setLesson({1, 3, 3, 2, 1}, {"2", "4", "3", "7", "4", "6", "3", "2", "4", "4", "1", "5", "1", "4", "6", "3",
                                    "3", "3", "3", "4"});
        const std::vector<ListedPath> paths = listPaths();
        QAction *allBest = child<QAction>("actionAllBestPaths");
        QVERIFY(allBest->isCheckable() && !allBest->isChecked());
        allBest->setChecked(true);
        for (bool longest : {false, true}) {
            setLongest(longest);
            const std::vector<size_t> order = rankedOrder(paths, longest);
            const double best = written(paths[order.front()].total());
            std::set<std::pair<qint64, qint64>> onBest;
            int bestPaths = 0;
            for (const ListedPath &p : paths) {
                if (written(p.total()) != best)
                    continue;
                ++bestPaths;
                for (size_t c = 0; c + 1 < p.boxes.size(); ++c)
                    onBest.insert({p.boxes[c], p.boxes[c + 1]});
            }
            if (!longest)
                QCOMPARE(bestPaths, 3);
            const QImage image = drawing();
            for (const Edge &e : edges())
                QCOMPARE(anyAround(image, quarter(e.from, e.to), isOrange), onBest.count({e.from, e.to}) == 1);
        }
        allBest->setChecked(false);
        QVERIFY(!anyIn(drawing(), drawing().rect(), isOrange));
    }
};

QTEST_MAIN(TestSolutionSteps)
#include "tst_solutionsteps.moc"

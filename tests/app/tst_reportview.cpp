// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report view: rows laid out by number, whatever their count.

#include "app/lessonui/tabstrip.h"
#include "app/tables/reportview.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace stagepath;

namespace {
// A model of any number of rows whose cells name their place; column 0 editable.
class HugeModel : public QAbstractTableModel
{
public:
    int rows = 0;
    QHash<int, QString> edited;
    int rowCount(const QModelIndex &p = {}) const override { return p.isValid() ? 0 : rows; }
    int columnCount(const QModelIndex &p = {}) const override { return p.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex &i, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        if (i.column() == 0 && edited.contains(i.row()))
            return edited[i.row()];
        return QStringLiteral("%1/%2").arg(i.row()).arg(i.column());
    }
    Qt::ItemFlags flags(const QModelIndex &i) const override
    {
        return QAbstractTableModel::flags(i) | (i.column() == 0 ? Qt::ItemIsEditable : Qt::NoItemFlags);
    }
    bool setData(const QModelIndex &i, const QVariant &v, int role) override
    {
        if (role != Qt::EditRole)
            return false;
        edited[i.row()] = v.toString();
        Q_EMIT dataChanged(i, i);
        return true;
    }
    void setRows(int n)
    {
        beginResetModel();
        rows = n;
        endResetModel();
    }
};
} // namespace

class TestReportView : public QObject
{
    Q_OBJECT
    HugeModel model;
    std::unique_ptr<ReportView> view;

private Q_SLOTS:
    void init()
    {
        model.setRows(0);
        model.edited.clear();
        view = std::make_unique<ReportView>();
        view->setModel(&model);
        view->resize(400, 200);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }
    void cleanup() { view.reset(); }

    void rowsAreFoundWhereTheyAreDrawn_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("target");
        QTest::newRow("a few rows") << 5 << 3;
        QTest::newRow("fourteen million, last row") << 14348907 << 14348906;
        QTest::newRow("fifty million, middle") << 50000000 << 25000000;
        QTest::newRow("most a model can count") << std::numeric_limits<int>::max() << std::numeric_limits<int>::max() - 1;
    }
    void rowsAreFoundWhereTheyAreDrawn()
    {
        QFETCH(int, rows);
        QFETCH(int, target);
        model.setRows(rows);
        const QModelIndex index = model.index(target, 1);
        view->scrollTo(index, QAbstractItemView::PositionAtCenter);
        const QRect rect = view->visualRect(index);
        QVERIFY(view->viewport()->rect().contains(rect.center()));
        QCOMPARE(view->indexAt(rect.center()), index);
        QCOMPARE(view->verticalScrollBar()->maximum(), qMax(0, rows - view->visibleRowCount()));
        // Rows far away are placed outside the viewport, never at an overflowed place.
        QVERIFY(!view->viewport()->rect().intersects(view->visualRect(model.index(0, 0))) || target < view->visibleRowCount());
    }

    void selectingACellSelectsItsRow()
    {
        model.setRows(100);
        const QModelIndex index = model.index(7, 2);
        view->setCurrentIndex(index);
        QVERIFY(view->selectionModel()->isRowSelected(7, {}));
        QTest::keyClick(view.get(), Qt::Key_Down);
        QCOMPARE(view->currentIndex().row(), 8);
        QTest::keyClick(view.get(), Qt::Key_End);
        QCOMPARE(view->currentIndex().row(), 99);
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex()).center()));
        QTest::keyClick(view.get(), Qt::Key_Home);
        QCOMPARE(view->currentIndex().row(), 0);
    }

    void clickSelectsTheRowUnderTheMouse()
    {
        model.setRows(1000);
        view->scrollTo(model.index(500, 0), QAbstractItemView::PositionAtTop);
        const QRect rect = view->visualRect(model.index(502, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(view->currentIndex().row(), 502);
    }

    void firstCellIsEditedInPlace()
    {
        model.setRows(10);
        view->setCurrentIndex(model.index(2, 0));
        view->setFocus();
        QTest::keyClick(view.get(), Qt::Key_F2);
        auto *editor = view->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("42"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(model.index(2, 0).data().toString(), QStringLiteral("42")); // the commit is queued

        QTest::keyClick(view.get(), Qt::Key_F2);
        editor = view->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("99"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QTest::qWait(20);
        QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("42"));
    }

    void columnWidthsAndHorizontalScrolling()
    {
        model.setRows(3);
        for (int c = 0; c < 3; ++c)
            view->setColumnWidth(c, 200);
        QCOMPARE(view->columnWidth(0), 200);
        QVERIFY(view->horizontalScrollBar()->maximum() > 0);
        view->scrollTo(model.index(0, 2));
        QVERIFY(view->viewport()->rect().contains(view->visualRect(model.index(0, 2)).center()));
    }

    // The tab strip remembers each caption's size, and forgets them with the font.
    void tabSizesFollowTheFont()
    {
        TabStrip tabs;
        tabs.addTab(QStringLiteral("1.Vorta"));
        tabs.show();
        const int before = tabs.tabRect(0).width();
        QFont font = tabs.font();
        font.setPointSizeF(font.pointSizeF() * 2);
        tabs.setFont(font);
        QCoreApplication::processEvents();
        QVERIFY2(tabs.tabRect(0).width() > before, "the size was kept from the old font");
    }
};

QTEST_MAIN(TestReportView)
#include "tst_reportview.moc"

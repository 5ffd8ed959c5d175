// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's tables as a screen reader reads them: through the toolkit's
// accessibility interfaces, compared with the models behind them.

#include "windowdriver.h"

#include "app/tables/reportaccessible.h"
#include "app/tables/reportview.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace stagepath;

namespace {

QAccessibleTableInterface *tableOf(QWidget *view)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(view);
    return iface ? iface->tableInterface() : nullptr;
}

} // namespace

class TestAccessible : public QObject, protected WindowDriver
{
    Q_OBJECT

    // Every cell of rows, through cellAt, reads as the model's display text
    // and knows its place, its table and its column's header.
    static void compareRows(QAbstractItemView *view, const QList<int> &rows)
    {
        QAccessibleTableInterface *table = tableOf(view);
        QVERIFY(table);
        const QAbstractItemModel *m = view->model();
        QCOMPARE(table->rowCount(), m->rowCount());
        QCOMPARE(table->columnCount(), m->columnCount());
        for (int row : rows) {
            for (int c = 0; c < m->columnCount(); ++c) {
                QAccessibleInterface *cell = table->cellAt(row, c);
                QVERIFY(cell);
                QCOMPARE(cell->role(), QAccessible::Cell);
                QCOMPARE(cell->text(QAccessible::Name), m->index(row, c).data().toString());
                QAccessibleTableCellInterface *place = cell->tableCellInterface();
                QVERIFY(place);
                QCOMPARE(place->rowIndex(), row);
                QCOMPARE(place->columnIndex(), c);
                QCOMPARE(place->table(), QAccessible::queryAccessibleInterface(view));
                const QList<QAccessibleInterface *> headers = place->columnHeaderCells();
                QCOMPARE(headers.size(), 1);
                QCOMPARE(headers[0]->text(QAccessible::Name), m->headerData(c, Qt::Horizontal).toString());
            }
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        installReportAccessibility();
    }
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(openWindow());
    }
    void cleanup() { form.reset(); }

    // Every item view of the window is a table of its model's counts (a
    // header is read as part of its table).
    void everyViewIsATable()
    {
        child<QPushButton>("Command4")->click();
        const auto views = form->findChildren<QAbstractItemView *>();
        QVERIFY(views.size() >= 6);
        for (QAbstractItemView *view : views) {
            if (qobject_cast<QHeaderView *>(view))
                continue;
            QAccessibleTableInterface *table = tableOf(view);
            QVERIFY2(table, view->metaObject()->className());
            QCOMPARE(table->rowCount(), view->model()->rowCount());
            QCOMPARE(table->columnCount(), view->model()->columnCount());
        }
    }

    // The edge table walked as a screen reader walks it, child by child: the
    // header row, then every row; each child is found again by its number.
    void edgeTableChildByChild()
    {
        auto *view = child<QAbstractItemView>("ListView2");
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(view);
        QVERIFY(iface && iface->tableInterface());
        QCOMPARE(iface->role(), QAccessible::Table);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Kenarlar"));
        const QAbstractItemModel *m = view->model();
        const int columns = m->columnCount();
        QVERIFY(m->rowCount() > 10 && columns == 4);
        QCOMPARE(iface->childCount(), (m->rowCount() + 1) * columns);
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface *c = iface->child(i);
            QVERIFY(c);
            const int row = i / columns - 1, column = i % columns;
            const QString expected = row < 0 ? m->headerData(column, Qt::Horizontal).toString()
                                             : m->index(row, column).data().toString();
            QCOMPARE(c->text(QAccessible::Name), expected);
            QCOMPARE(c->role(), row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell);
            QCOMPARE(c->parent(), iface);
            QCOMPARE(iface->indexOfChild(c), i);
        }
        QVERIFY(!iface->child(iface->childCount()));
        QCOMPARE(iface->tableInterface()->columnDescription(3), m->headerData(3, Qt::Horizontal).toString());
        // A point on a cell shown finds that cell.
        auto *report = qobject_cast<ReportView *>(view);
        QAccessibleInterface *first = iface->tableInterface()->cellAt(report->firstVisibleRow(), 1);
        QCOMPARE(iface->childAt(first->rect().center().x(), first->rect().center().y()), first);
        // Walking every cell kept only those of the rows shown.
        const int cached = static_cast<ReportAccessible *>(iface)->cachedCellCount();
        QVERIFY2(cached <= (report->visibleRowCount() + 3) * columns, qPrintable(QString::number(cached)));
    }

    // A listing of forty-three million paths: counts, cells here and there
    // and at the far end, and the best row chosen by "Çiz" as the selection.
    void largeListingAndItsSelection()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("15"));
        auto *view = child<QAbstractItemView>("ListView5");
        child<QPushButton>("Command4")->click();
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(view);
        QAccessibleTableInterface *table = tableOf(view);
        QVERIFY(table);
        const int rows = view->model()->rowCount();
        QCOMPARE(rows, 43046721);
        QCOMPARE(iface->childCount(), (rows + 1) * table->columnCount());
        QAccessibleInterface *last = iface->child(iface->childCount() - 1);
        QCOMPARE(last->text(QAccessible::Name), view->model()->index(rows - 1, table->columnCount() - 1).data().toString());
        QCOMPARE(iface->indexOfChild(last), iface->childCount() - 1);
        QList<int> sample{0, 1, rows / 2, rows - 2, rows - 1};
        for (int i = 0; i < 20; ++i)
            sample << QRandomGenerator::global()->bounded(rows);
        compareRows(view, sample);
        QVERIFY(!table->cellAt(rows, 0));
        QVERIFY(!table->cellAt(0, view->model()->columnCount()));

        child<QPushButton>("Command5")->click();
        const int best = view->currentIndex().row();
        QVERIFY(best >= 0);
        QVERIFY(table->isRowSelected(best));
        QCOMPARE(table->selectedRows(), QList<int>{best});
        QCOMPARE(table->selectedRowCount(), 1);
        const int columns = table->columnCount();
        QCOMPARE(table->selectedCellCount(), columns);
        const QList<QAccessibleInterface *> cells = table->selectedCells();
        QCOMPARE(cells.size(), columns);
        for (int c = 0; c < columns; ++c)
            QCOMPARE(cells[c]->text(QAccessible::Name), view->model()->index(best, c).data().toString());
        QAccessibleInterface *focused = iface->focusChild();
        QVERIFY(focused && focused->tableCellInterface());
        QCOMPARE(focused->tableCellInterface()->rowIndex(), best);

        // Selecting through the interface is selecting in the view: one row at a time.
        const int other = best == 7 ? 8 : 7;
        QVERIFY(table->selectRow(other));
        QVERIFY(view->selectionModel()->isRowSelected(other, {}));
        QVERIFY(!view->selectionModel()->isRowSelected(best, {}));
        QVERIFY(!table->selectColumn(0)); // whole rows only
        QVERIFY(table->unselectRow(other));
        QCOMPARE(table->selectedRowCount(), 0);
    }

    // A new listing drops the cells made for the old one: their ids lead nowhere.
    void newListingDropsTheOldCells()
    {
        auto *view = child<QAbstractItemView>("ListView5");
        child<QPushButton>("Command4")->click();
        QAccessibleTableInterface *table = tableOf(view);
        const QAccessible::Id id = QAccessible::uniqueId(table->cellAt(0, 0));
        QVERIFY(QAccessible::accessibleInterface(id));
        child<QPushButton>("Command4")->click();
        QVERIFY(!QAccessible::accessibleInterface(id));
        compareRows(view, {0, view->model()->rowCount() - 1});
    }
};

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"

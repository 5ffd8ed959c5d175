// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader sees of a report (ReportView): a table of the model's
// rows and columns under a row of column headers, each cell named by the
// model's display text. Everything is computed from row and column numbers,
// so a table of tens of millions of rows costs no more than one of ten: the
// children are numbered header row first, then row by row, and a cell's
// interface is made only when asked for. The cells made are kept (and
// registered with QAccessible, which hands out their ids) only while they lie
// in the rows shown, and are all dropped when the model changes its shape.

#include <QAccessibleWidget>
#include <QHash>
#include <QMetaObject>
#include <QPersistentModelIndex>
#include <QPointer>

#include <utility>

class QAbstractItemModel;

namespace stagepath {

class ReportView;

// Makes the accessible interface of every ReportView: called at start-up
// and by every ReportView made; the first call installs, later ones do nothing.
void installReportAccessibility();

// The child number of a cell (row -1: the header row) among columns columns;
// -1 when it does not fit an int.
int reportChildIndex(int row, int column, int columns);

class ReportAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit ReportAccessible(ReportView *view);
    ~ReportAccessible() override;

    // QAccessibleInterface
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

    ReportView *view() const;
    // The number of cell interfaces alive now (header cells included).
    int cachedCellCount() const { return int(m_cells.size()); }
    // The cell (row -1: header) made now or kept from before; null outside
    // the table. Valid until the next question to the table, which may drop
    // it when it is not in the rows shown.
    QAccessibleInterface *cell(int row, int column) const;

private:
    QAccessibleInterface *keptOrMadeCell(int row, int column) const;
    // Drops the cells outside the rows shown once there are more than those rows' worth.
    void trimCells() const;
    void dropCells() const;
    // Watches the view's model, so that a change of shape drops every cell
    // even when no screen reader is listening for the toolkit's events.
    void followModel() const;
    // The selected rows (all columns selected) as sorted, disjoint [first, last] spans.
    QList<std::pair<int, int>> selectedRowSpans() const;

    mutable QHash<std::pair<int, int>, QAccessible::Id> m_cells;
    mutable QPointer<QAbstractItemModel> m_model;
    mutable QList<QMetaObject::Connection> m_modelConnections;
};

} // namespace stagepath

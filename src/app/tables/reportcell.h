// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One cell of a report as a screen reader sees it, or (row -1) the header of
// a column. It holds numbers only: the text, the place and the state are
// read from the view and its model when asked. Made and kept by the report's
// table interface (ReportAccessible).

#include <QAccessible>
#include <QAbstractItemModel>
#include <QPointer>

namespace stagepath {

class ReportView;

class ReportCell : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    ReportCell(ReportView *view, int row, int column);

    bool isHeader() const { return m_row < 0; }
    ReportView *view() const { return m_view; }

    // QAccessibleInterface
    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return isHeader() ? QAccessible::ColumnHeader : QAccessible::Cell; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface (data cells only)
    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QModelIndex modelIndex() const;

    QPointer<ReportView> m_view;
    QPointer<QAbstractItemModel> m_model;
    int m_row;
    int m_column;
};

} // namespace stagepath

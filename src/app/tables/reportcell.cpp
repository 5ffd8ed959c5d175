// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tables/reportcell.h"

#include "app/tables/reportaccessible.h"
#include "app/tables/reportview.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QWindow>

namespace stagepath {

ReportCell::ReportCell(ReportView *view, int row, int column)
    : m_view(view)
    , m_model(view->model())
    , m_row(row)
    , m_column(column)
{
}

bool ReportCell::isValid() const
{
    return m_view && m_model && m_view->model() == m_model && m_row < m_model->rowCount(m_view->rootIndex())
        && m_column < m_model->columnCount(m_view->rootIndex());
}

QWindow *ReportCell::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *ReportCell::parent() const
{
    return QAccessible::queryAccessibleInterface(m_view.data());
}

QModelIndex ReportCell::modelIndex() const
{
    return m_model->index(m_row, m_column, m_view->rootIndex());
}

QString ReportCell::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    if (isHeader())
        return t == QAccessible::Name ? m_model->headerData(m_column, Qt::Horizontal, Qt::DisplayRole).toString()
                                      : QString();
    const QModelIndex index = modelIndex();
    switch (t) {
    case QAccessible::Name: {
        const QString spoken = index.data(Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? index.data(Qt::DisplayRole).toString() : spoken;
    }
    case QAccessible::Description: {
        const QString described = index.data(Qt::AccessibleDescriptionRole).toString();
        return described.isEmpty() ? index.data(Qt::ToolTipRole).toString() : described;
    }
    default:
        return {};
    }
}

// On the screen; a row far from the rows shown lies just outside the viewport.
QRect ReportCell::rect() const
{
    if (!isValid())
        return {};
    if (isHeader()) {
        const QHeaderView *header = m_view->header();
        const QRect section(header->sectionViewportPosition(m_column), 0, header->sectionSize(m_column),
                            header->height());
        return QRect(header->mapToGlobal(section.topLeft()), section.size());
    }
    const QRect r = m_view->visualRect(modelIndex());
    return QRect(m_view->viewport()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State ReportCell::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const int first = m_view->firstVisibleRow();
    s.invisible = !m_view->isVisible();
    s.offscreen = !isHeader() && (m_row < first || m_row >= first + m_view->visibleRowCount());
    if (isHeader())
        return s;
    const QModelIndex index = modelIndex();
    s.selectable = m_view->selectionMode() != QAbstractItemView::NoSelection;
    s.selected = isSelected();
    s.focusable = true;
    s.focused = m_view->hasFocus() && m_view->currentIndex() == index;
    s.editable = index.flags().testFlag(Qt::ItemIsEditable);
    return s;
}

void *ReportCell::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface && !isHeader())
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool ReportCell::isSelected() const
{
    return isValid() && !isHeader() && m_view->selectionModel() && m_view->selectionModel()->isSelected(modelIndex());
}

QList<QAccessibleInterface *> ReportCell::columnHeaderCells() const
{
    auto *report = dynamic_cast<ReportAccessible *>(parent());
    QAccessibleInterface *header = report && isValid() ? report->cell(-1, m_column) : nullptr;
    return header ? QList<QAccessibleInterface *>{header} : QList<QAccessibleInterface *>{};
}

} // namespace stagepath

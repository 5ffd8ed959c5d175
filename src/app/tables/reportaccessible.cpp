// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tables/reportaccessible.h"

#include "app/tables/reportcell.h"
#include "app/tables/reportview.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>
#include <limits>

namespace stagepath {

namespace {

// The most rows, columns or cells one answer lists: a selection of millions
// of rows is counted exactly, but listed only this far.
constexpr int maxListed = 1000;

QAccessibleInterface *reportFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(ReportView::staticMetaObject.className()))
        if (auto *view = qobject_cast<ReportView *>(object))
            return new ReportAccessible(view);
    return nullptr;
}

} // namespace

void installReportAccessibility()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(reportFactory);
}

int reportChildIndex(int row, int column, int columns)
{
    const qint64 index = (qint64(row) + 1) * columns + column;
    return index <= std::numeric_limits<int>::max() ? int(index) : -1;
}

ReportAccessible::ReportAccessible(ReportView *view)
    : QAccessibleWidget(view, QAccessible::Table)
{
    followModel();
}

ReportAccessible::~ReportAccessible()
{
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        QObject::disconnect(c);
    dropCells();
}

ReportView *ReportAccessible::view() const
{
    return static_cast<ReportView *>(widget());
}

QAccessible::State ReportAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.multiSelectable = view()->selectionMode() == QAbstractItemView::MultiSelection
                        || view()->selectionMode() == QAbstractItemView::ExtendedSelection;
    return s;
}

int ReportAccessible::rowCount() const
{
    const ReportView *v = view();
    return v->model() ? v->model()->rowCount(v->rootIndex()) : 0;
}

int ReportAccessible::columnCount() const
{
    const ReportView *v = view();
    return v->model() ? v->model()->columnCount(v->rootIndex()) : 0;
}

// The header row, then every row: (rows + 1) * columns, as far as an int goes.
int ReportAccessible::childCount() const
{
    const qint64 count = (qint64(rowCount()) + 1) * columnCount();
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

QAccessibleInterface *ReportAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || columns == 0)
        return nullptr;
    return cell(index / columns - 1, index % columns);
}

int ReportAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *c = dynamic_cast<const ReportCell *>(child);
    if (!c || c->view() != view() || !c->isValid())
        return -1;
    return reportChildIndex(c->rowIndex(), c->columnIndex(), columnCount());
}

QAccessibleInterface *ReportAccessible::childAt(int x, int y) const
{
    const ReportView *v = view();
    const QPoint global(x, y);
    const QPoint inViewport = v->viewport()->mapFromGlobal(global);
    if (v->viewport()->rect().contains(inViewport)) {
        const QModelIndex index = v->indexAt(inViewport);
        return index.isValid() ? cell(index.row(), index.column()) : nullptr;
    }
    const QHeaderView *header = v->header();
    const QPoint inHeader = header->mapFromGlobal(global);
    if (header->isVisible() && header->rect().contains(inHeader)) {
        const int column = header->logicalIndexAt(inHeader.x());
        return column >= 0 ? cell(-1, column) : nullptr;
    }
    return nullptr;
}

QAccessibleInterface *ReportAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    if (!view()->hasFocus() || !current.isValid())
        return nullptr;
    return cell(current.row(), current.column());
}

void *ReportAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *ReportAccessible::cellAt(int row, int column) const
{
    return row < 0 ? nullptr : cell(row, column);
}

QAccessibleInterface *ReportAccessible::cell(int row, int column) const
{
    followModel();
    if (row < -1 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    trimCells();
    return keptOrMadeCell(row, column);
}

QAccessibleInterface *ReportAccessible::keptOrMadeCell(int row, int column) const
{
    const auto key = std::make_pair(row, column);
    if (const auto found = m_cells.constFind(key); found != m_cells.cend()) {
        if (QAccessibleInterface *kept = QAccessible::accessibleInterface(*found))
            return kept;
    }
    auto *made = new ReportCell(view(), row, column);
    m_cells.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

void ReportAccessible::trimCells() const
{
    const int first = view()->firstVisibleRow();
    const int shown = view()->visibleRowCount() + 1;
    const qint64 limit = (qint64(shown) + 1) * columnCount();
    if (m_cells.size() <= limit)
        return;
    for (auto it = m_cells.begin(); it != m_cells.end();) {
        const int row = it.key().first;
        if (row >= 0 && (row < first || row >= first + shown)) {
            QAccessible::deleteAccessibleInterface(it.value());
            it = m_cells.erase(it);
        } else {
            ++it;
        }
    }
}

void ReportAccessible::dropCells() const
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

void ReportAccessible::followModel() const
{
    QAbstractItemModel *model = view()->model();
    if (model == m_model && !m_modelConnections.isEmpty())
        return;
    dropCells();
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        QObject::disconnect(c);
    m_modelConnections.clear();
    m_model = model;
    if (!model)
        return;
    const auto drop = [this] { dropCells(); };
    using M = QAbstractItemModel;
    m_modelConnections = {QObject::connect(model, &M::modelReset, model, drop),
                          QObject::connect(model, &M::layoutChanged, model, drop),
                          QObject::connect(model, &M::rowsInserted, model, drop),
                          QObject::connect(model, &M::rowsRemoved, model, drop),
                          QObject::connect(model, &M::rowsMoved, model, drop),
                          QObject::connect(model, &M::columnsInserted, model, drop),
                          QObject::connect(model, &M::columnsRemoved, model, drop),
                          QObject::connect(model, &M::columnsMoved, model, drop)};
}

void ReportAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
        dropCells();
}

QList<std::pair<int, int>> ReportAccessible::selectedRowSpans() const
{
    const QItemSelectionModel *selection = view()->selectionModel();
    const int columns = columnCount();
    QList<std::pair<int, int>> spans;
    if (!selection || columns == 0)
        return spans;
    int partialRowsLooked = 0;
    for (const QItemSelectionRange &range : selection->selection()) {
        if (range.parent() != view()->rootIndex())
            continue;
        if (range.left() == 0 && range.right() == columns - 1) {
            spans.append({range.top(), range.bottom()});
            continue;
        }
        // A range of some columns only: its rows count when the rest of them is selected too.
        for (int row = range.top(); row <= range.bottom() && partialRowsLooked < maxListed; ++row, ++partialRowsLooked) {
            if (selection->isRowSelected(row, view()->rootIndex()))
                spans.append({row, row});
        }
    }
    std::sort(spans.begin(), spans.end());
    QList<std::pair<int, int>> merged;
    for (const auto &span : std::as_const(spans)) {
        if (!merged.isEmpty() && span.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, span.second);
        else
            merged.append(span);
    }
    return merged;
}

int ReportAccessible::selectedRowCount() const
{
    qint64 count = 0;
    for (const auto &span : selectedRowSpans())
        count += qint64(span.second) - span.first + 1;
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

QList<int> ReportAccessible::selectedRows() const
{
    QList<int> rows;
    for (const auto &span : selectedRowSpans())
        for (int row = span.first; row <= span.second && rows.size() < maxListed; ++row)
            rows.append(row);
    return rows;
}

int ReportAccessible::selectedCellCount() const
{
    const QItemSelectionModel *selection = view()->selectionModel();
    if (!selection)
        return 0;
    qint64 count = 0;
    for (const QItemSelectionRange &range : selection->selection())
        if (range.parent() == view()->rootIndex())
            count += qint64(range.width()) * range.height();
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

QList<QAccessibleInterface *> ReportAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    const QItemSelectionModel *selection = view()->selectionModel();
    if (!selection)
        return cells;
    // Trimmed once before the list is made: a trim while making it could drop cells already listed.
    followModel();
    trimCells();
    const int rows = rowCount();
    const int columns = columnCount();
    for (const QItemSelectionRange &range : selection->selection()) {
        if (range.parent() != view()->rootIndex())
            continue;
        for (int row = range.top(); row <= range.bottom() && row < rows && cells.size() < maxListed; ++row)
            for (int column = range.left(); column <= range.right() && column < columns && cells.size() < maxListed;
                 ++column)
                cells.append(keptOrMadeCell(row, column));
    }
    return cells;
}

QString ReportAccessible::columnDescription(int column) const
{
    const ReportView *v = view();
    return v->model() ? v->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() : QString();
}

// The report shows no row numbers: a row is described by nothing of its own.
QString ReportAccessible::rowDescription(int) const
{
    return {};
}

bool ReportAccessible::isColumnSelected(int column) const
{
    const ReportView *v = view();
    return v->selectionModel() && v->selectionModel()->isColumnSelected(column, v->rootIndex());
}

bool ReportAccessible::isRowSelected(int row) const
{
    const ReportView *v = view();
    return v->selectionModel() && v->selectionModel()->isRowSelected(row, v->rootIndex());
}

int ReportAccessible::selectedColumnCount() const
{
    return int(selectedColumns().size());
}

QList<int> ReportAccessible::selectedColumns() const
{
    QList<int> columns;
    if (rowCount() == 0)
        return columns;
    for (int column = 0; column < columnCount() && columns.size() < maxListed; ++column)
        if (isColumnSelected(column))
            columns.append(column);
    return columns;
}

// Rows are chosen as the view lets the user choose them: whole rows, one at a
// time in a single-selection view.
bool ReportAccessible::selectRow(int row)
{
    ReportView *v = view();
    if (!v->selectionModel() || row < 0 || row >= rowCount() || columnCount() == 0
        || v->selectionMode() == QAbstractItemView::NoSelection
        || v->selectionBehavior() == QAbstractItemView::SelectColumns)
        return false;
    const auto flags = v->selectionMode() == QAbstractItemView::SingleSelection ? QItemSelectionModel::ClearAndSelect
                                                                               : QItemSelectionModel::Select;
    v->selectionModel()->select(v->model()->index(row, 0, v->rootIndex()), flags | QItemSelectionModel::Rows);
    return true;
}

bool ReportAccessible::unselectRow(int row)
{
    ReportView *v = view();
    if (!v->selectionModel() || row < 0 || row >= rowCount() || columnCount() == 0)
        return false;
    v->selectionModel()->select(v->model()->index(row, 0, v->rootIndex()),
                                QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
}

bool ReportAccessible::selectColumn(int column)
{
    ReportView *v = view();
    if (!v->selectionModel() || column < 0 || column >= columnCount() || rowCount() == 0
        || v->selectionMode() == QAbstractItemView::NoSelection
        || v->selectionBehavior() == QAbstractItemView::SelectRows)
        return false;
    const auto flags = v->selectionMode() == QAbstractItemView::SingleSelection ? QItemSelectionModel::ClearAndSelect
                                                                               : QItemSelectionModel::Select;
    v->selectionModel()->select(v->model()->index(0, column, v->rootIndex()), flags | QItemSelectionModel::Columns);
    return true;
}

bool ReportAccessible::unselectColumn(int column)
{
    ReportView *v = view();
    if (!v->selectionModel() || column < 0 || column >= columnCount() || rowCount() == 0
        || v->selectionBehavior() == QAbstractItemView::SelectRows)
        return false;
    v->selectionModel()->select(v->model()->index(0, column, v->rootIndex()),
                                QItemSelectionModel::Deselect | QItemSelectionModel::Columns);
    return true;
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportaccessible.h"

#include "reportview.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace stagepath {

namespace {

// The most rows, columns or cells one answer lists: a selection of millions
// of rows is counted exactly, but listed only this far.
constexpr int maxListed = 1000;

// One cell of a report, or (row -1) the header of a column. It holds numbers
// only: the text and the place are read from the view when asked.
class ReportCell : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    ReportCell(ReportView *view, int row, int column)
        : m_view(view)
        , m_model(view->model())
        , m_row(row)
        , m_column(column)
    {
    }

    bool isHeader() const { return m_row < 0; }
    ReportView *view() const { return m_view; }

    bool isValid() const override
    {
        return m_view && m_model && m_view->model() == m_model && m_row < m_model->rowCount(m_view->rootIndex())
            && m_column < m_model->columnCount(m_view->rootIndex());
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return isHeader() ? QAccessible::ColumnHeader : QAccessible::Cell; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (isHeader()) {
            if (t != QAccessible::Name)
                return {};
            return m_model->headerData(m_column, Qt::Horizontal, Qt::DisplayRole).toString();
        }
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

    QRect rect() const override
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

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool shown = isHeader() || (m_row >= m_view->firstVisibleRow()
                                          && m_row < m_view->firstVisibleRow() + m_view->visibleRowCount());
        s.invisible = !m_view->isVisible();
        s.offscreen = !shown;
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

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && !isHeader())
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override
    {
        return isValid() && !isHeader() && m_view->selectionModel()
            && m_view->selectionModel()->isSelected(modelIndex());
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        auto *table = dynamic_cast<ReportAccessible *>(parent());
        QAccessibleInterface *header = table && isValid() ? table->cell(-1, m_column) : nullptr;
        return header ? QList<QAccessibleInterface *>{header} : QList<QAccessibleInterface *>{};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QModelIndex modelIndex() const { return m_model->index(m_row, m_column, m_view->rootIndex()); }

    QPointer<ReportView> m_view;
    QPointer<QAbstractItemModel> m_model;
    int m_row;
    int m_column;
};

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
    for (const QItemSelectionRange &range : selection->selection()) {
        if (range.parent() != view()->rootIndex())
            continue;
        for (int row = range.top(); row <= range.bottom() && cells.size() < maxListed; ++row)
            for (int column = range.left(); column <= range.right() && cells.size() < maxListed; ++column)
                if (QAccessibleInterface *c = cell(row, column))
                    cells.append(c);
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

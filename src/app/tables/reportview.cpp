// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tables/reportview.h"

#include "app/tables/reportaccessible.h"

#include "model/prefixsearch.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace stagepath {

ReportView::ReportView(QWidget *parent)
    : QAbstractItemView(parent)
    , m_header(new QHeaderView(Qt::Horizontal, this))
    , m_rowHeight(fontMetrics().height() + 4)
{
    // Every report is a table to screen readers, whoever made it.
    installReportAccessibility();
    m_header->setSectionsClickable(false);
    m_header->setHighlightSections(false);
    m_header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_header->setMinimumSectionSize(8);
    m_header->setStretchLastSection(false);
    connect(m_header, &QHeaderView::sectionResized, this, [this] {
        updateGeometries();
        viewport()->update();
    });
    connect(m_header, &QHeaderView::sectionMoved, viewport(), qOverload<>(&QWidget::update));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void ReportView::setModel(QAbstractItemModel *model)
{
    QAbstractItemView::setModel(model);
    m_header->setModel(model);
    updateGeometries();
}

void ReportView::setColumnWidth(int column, int width)
{
    m_header->resizeSection(column, width);
}

int ReportView::columnWidth(int column) const
{
    return m_header->sectionSize(column);
}

int ReportView::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int ReportView::columnCount() const
{
    return model() ? model()->columnCount(rootIndex()) : 0;
}

int ReportView::firstVisibleRow() const
{
    return verticalScrollBar()->value();
}

int ReportView::visibleRowCount() const
{
    return qMax(1, viewport()->height() / m_rowHeight);
}

QRect ReportView::rowRect(int row) const
{
    // Rows far above or below the viewport are clamped to just outside it, so
    // that no coordinate overflows however many rows there are.
    const qint64 y = qint64(row - firstVisibleRow()) * m_rowHeight;
    const qint64 limit = qint64(viewport()->height()) + m_rowHeight;
    const int top = int(std::clamp<qint64>(y, -2 * qint64(m_rowHeight), limit));
    return QRect(0, top, viewport()->width(), m_rowHeight);
}

QRect ReportView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.parent() != rootIndex())
        return {};
    const QRect row = rowRect(index.row());
    return QRect(m_header->sectionViewportPosition(index.column()), row.top(),
                 m_header->sectionSize(index.column()), m_rowHeight);
}

void ReportView::reset()
{
    QAbstractItemView::reset();
    // Lay out at once: a scroll to a row right after a reset must find the new range.
    updateGeometries();
}

void ReportView::keyboardSearch(const QString &search)
{
    const auto *searchable = dynamic_cast<const PrefixSearch *>(model());
    if (!searchable) {
        QAbstractItemView::keyboardSearch(search);
        return;
    }
    const int rows = rowCount();
    if (rows == 0 || columnCount() == 0)
        return;
    const QModelIndex current = currentIndex();
    const bool continuing = !search.isEmpty() && m_lastKeyTyped.isValid()
                            && m_lastKeyTyped.elapsed() <= QApplication::keyboardInputInterval();
    m_lastKeyTyped.start();
    m_typed = continuing ? m_typed + search : search;
    if (m_typed.isEmpty())
        return;
    // A new search, or one key typed again and again ("555"), looks past the current row.
    const bool sameKey = m_typed.size() > 1 && m_typed.count(m_typed.back()) == m_typed.size();
    int from = current.isValid() ? current.row() : 0;
    if (current.isValid() && (!continuing || sameKey))
        from = from + 1 < rows ? from + 1 : 0;
    if (const std::optional<int> row = searchable->findRowStartingWith(m_typed, from))
        setCurrentIndex(model()->index(*row, current.isValid() ? current.column() : 0, rootIndex()));
}

void ReportView::updateVerticalRange()
{
    const int visible = visibleRowCount();
    QScrollBar *v = verticalScrollBar();
    v->setSingleStep(1);
    v->setPageStep(visible);
    v->setRange(0, qMax(0, rowCount() - visible));
}

void ReportView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    updateVerticalRange();
    const int row = index.row();
    const int visible = visibleRowCount();
    int first = firstVisibleRow();
    switch (hint) {
    case PositionAtTop: first = row; break;
    case PositionAtBottom: first = row - visible + 1; break;
    case PositionAtCenter: first = row - visible / 2; break;
    case EnsureVisible:
        if (row < first)
            first = row;
        else if (row >= first + visible)
            first = row - visible + 1;
        break;
    }
    verticalScrollBar()->setValue(first);

    const int left = m_header->sectionPosition(index.column());
    const int right = left + m_header->sectionSize(index.column());
    QScrollBar *h = horizontalScrollBar();
    if (left < h->value())
        h->setValue(left);
    else if (right > h->value() + viewport()->width())
        h->setValue(qMin(left, right - viewport()->width()));
}

QModelIndex ReportView::indexAt(const QPoint &point) const
{
    if (!model() || point.y() < 0)
        return {};
    const qint64 row = firstVisibleRow() + point.y() / m_rowHeight;
    const int column = m_header->logicalIndexAt(point.x());
    if (row >= rowCount() || column < 0)
        return {};
    return model()->index(int(row), column, rootIndex());
}

QModelIndex ReportView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    if (rows == 0 || columnCount() == 0)
        return {};
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int column = current.isValid() ? current.column() : 0;
    if (!current.isValid() && cursorAction != MoveEnd)
        return model()->index(0, 0, rootIndex());
    switch (cursorAction) {
    case MoveUp: row -= 1; break;
    case MoveDown: row += 1; break;
    case MovePageUp: row -= visibleRowCount(); break;
    case MovePageDown: row += visibleRowCount(); break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = rows - 1; break;
    case MoveLeft: case MovePrevious: column -= 1; break;
    case MoveRight: case MoveNext: column += 1; break;
    }
    row = std::clamp(row, 0, rows - 1);
    column = std::clamp(column, 0, columnCount() - 1);
    return model()->index(row, column, rootIndex());
}

int ReportView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int ReportView::verticalOffset() const
{
    return int(std::min<qint64>(qint64(firstVisibleRow()) * m_rowHeight, std::numeric_limits<int>::max()));
}

bool ReportView::isIndexHidden(const QModelIndex &) const
{
    return false;
}

void ReportView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!model() || !selectionModel())
        return;
    const QRect r = rect.normalized();
    const int rows = rowCount();
    const int columns = columnCount();
    if (rows == 0 || columns == 0)
        return;
    const int top = int(std::clamp<qint64>(firstVisibleRow() + qMax(0, r.top()) / m_rowHeight, 0, rows - 1));
    const int bottom = int(std::clamp<qint64>(firstVisibleRow() + qMax(0, r.bottom()) / m_rowHeight, 0, rows - 1));
    const QItemSelection selection(model()->index(top, 0, rootIndex()),
                                   model()->index(bottom, columns - 1, rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion ReportView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const int first = firstVisibleRow();
    const int last = first + visibleRowCount() + 1;
    for (const QItemSelectionRange &range : selection) {
        const int top = qMax(range.top(), first);
        const int bottom = qMin(range.bottom(), last);
        if (top > bottom)
            continue;
        const QRect a = rowRect(top);
        const QRect b = rowRect(bottom);
        region += QRect(0, a.top(), viewport()->width(), b.bottom() - a.top() + 1);
    }
    return region;
}

void ReportView::updateGeometries()
{
    const int headerHeight = m_header->isHidden() ? 0 : m_header->sizeHint().height();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect vg = viewport()->geometry();
    m_header->setGeometry(vg.left(), vg.top() - headerHeight, vg.width(), headerHeight);

    updateVerticalRange();

    QScrollBar *h = horizontalScrollBar();
    h->setSingleStep(20);
    h->setPageStep(vg.width());
    h->setRange(0, qMax(0, m_header->length() - vg.width()));
    m_header->setOffset(h->value());
    QAbstractItemView::updateGeometries();
}

void ReportView::scrollContentsBy(int dx, int dy)
{
    Q_UNUSED(dy);
    if (dx != 0)
        m_header->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void ReportView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
}

void ReportView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    QMetaObject::invokeMethod(this, &ReportView::updateGeometries, Qt::QueuedConnection);
}

bool ReportView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        // Tooltips of cells, as the model gives them.
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString tip = index.isValid() ? index.data(Qt::ToolTipRole).toString() : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        return true;
    }
    return QAbstractItemView::viewportEvent(event);
}

// A screen reader follows the cursor from cell to cell.
void ReportView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (!QAccessible::isActive() || !current.isValid() || !hasFocus())
        return;
    const int child = reportChildIndex(current.row(), current.column(), columnCount());
    if (child < 0)
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(child);
    QAccessible::updateAccessibility(&focus);
}

// One note for the whole change, however many rows it spans: the screen
// reader asks the table what is selected now.
void ReportView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QAbstractItemView::selectionChanged(selected, deselected);
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent changed(this, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&changed);
}

void ReportView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    if (!model())
        return;
    const int rows = rowCount();
    const int columns = columnCount();
    const int first = firstVisibleRow();
    const int last = qMin(rows - 1, first + visibleRowCount() + 1);
    const QRect exposed = event->rect();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex current = currentIndex();
    const bool focused = hasFocus();
    QItemSelectionModel *selection = selectionModel();

    for (int row = first; row <= last; ++row) {
        const QRect line = rowRect(row);
        if (!line.intersects(exposed))
            continue;
        const bool selected = selection && selection->isRowSelected(row, rootIndex());
        for (int visual = 0; visual < columns; ++visual) {
            const int column = m_header->logicalIndex(visual);
            if (column < 0 || m_header->isSectionHidden(column))
                continue;
            const QModelIndex index = model()->index(row, column, rootIndex());
            option.rect = visualRect(index);
            if (!option.rect.intersects(exposed))
                continue;
            option.state = QStyle::State_Enabled;
            if (isEnabled() && window()->isActiveWindow())
                option.state |= QStyle::State_Active;
            if (selected)
                option.state |= QStyle::State_Selected;
            if (focused && current == index)
                option.state |= QStyle::State_HasFocus;
            itemDelegateForIndex(index)->paint(&painter, option, index);
        }
    }
}

} // namespace stagepath

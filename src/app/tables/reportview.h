// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractItemView>
#include <QElapsedTimer>

class QHeaderView;

namespace stagepath {

// A report: one line per row under a header of columns, whole-row selection,
// no grid, no row numbers, the first cell edited in place (double click, F2 or
// typing). Every row has the same height, so the view keeps nothing per row:
// it lays out and scrolls by row number, and a table of tens of millions of
// rows costs no more than one of ten. The vertical scroll bar counts rows.
class ReportView : public QAbstractItemView
{
    Q_OBJECT
public:
    explicit ReportView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    QHeaderView *header() const { return m_header; }
    void setColumnWidth(int column, int width);
    int columnWidth(int column) const;
    // First row shown at the top of the viewport.
    int firstVisibleRow() const;
    int visibleRowCount() const;

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void reset() override;
    // Type-ahead as the toolkit's (the first row at or after the current one
    // whose first cell starts with what was typed, wrapping round), answered
    // by the model when it can search without reading every row.
    void keyboardSearch(const QString &search) override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &index) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent *event) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    bool viewportEvent(QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    QRect rowRect(int row) const;
    void updateVerticalRange();
    int rowCount() const;
    int columnCount() const;

    QHeaderView *m_header;
    int m_rowHeight;
    QString m_typed;              // what was typed so far in this search
    QElapsedTimer m_lastKeyTyped; // a pause longer than the input interval starts a new search
};

} // namespace stagepath

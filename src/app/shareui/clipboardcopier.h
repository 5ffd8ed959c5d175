// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// actionCopy (Ctrl+C): what has the focus is copied to the clipboard.
// - A table: its selected rows (the current row when none is selected) as
//   tab-separated text under a header row of its captions, the cells as the
//   table shows them, so that they paste into a spreadsheet as columns. The
//   edge tables select ranges of rows (Shift, Ctrl, Ctrl+A); at most
//   maxRows rows are copied, and the window says so when there were more.
//   Many rows of an edge table are made into text off the window's thread,
//   from the edges as they stood when the command was given.
// - A text box: its selected text (it copies that itself when Ctrl+C is
//   pressed in it).
// - Anything else, the picture among them: the whole drawing at 100 %, as
//   an image, rendered off the window's thread; a drawing larger than
//   maxImagePixels is refused with a message pointing to the export.

#include "drawing/picture.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <vector>

class QAbstractItemView;
class QWidget;

namespace stagepath {

class EdgeTable;

class ClipboardCopier : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 maxRows = 100'000;
    static constexpr qint64 maxImagePixels = 16'000'000;
    static constexpr qint64 maxRowsAtOnce = 5'000; // more edge rows go off the window's thread

    // edges: the edge table, the model (or the source of the stage view) of the edge tables.
    ClipboardCopier(QWidget *window, const EdgeTable *edges, std::function<GraphPicture()> picture,
                std::function<void(const QString &)> report);

    // The text a table's rows are copied as: the header row, then the rows.
    static QString rowsText(const QAbstractItemView &view, const QList<int> &rows);
    // The rows copied from a view: its selected rows in order, at most maxRows,
    // or the current row; total is set to the number of rows selected.
    static QList<int> rowsToCopy(const QAbstractItemView &view, qint64 *total);

public Q_SLOTS:
    void copy();

Q_SIGNALS:
    // After the rows were put on the clipboard.
    void rowsCopied();
    // After the picture was put on the clipboard (or refused).
    void pictureCopied();

private:
    void copyRows(const QAbstractItemView &view);
    // Edge-table rows of a view's rows; empty when the view shows no edges.
    std::vector<qint64> edgeRows(const QAbstractItemView &view, const QList<int> &rows) const;
    void copyEdgesInBackground(std::vector<qint64> rows, qint64 selected);
    void putRows(const QString &text, qint64 copied, qint64 selected);
    void copyPicture();

    QWidget *m_window;
    const EdgeTable *m_edges;
    std::function<GraphPicture()> m_picture;
    std::function<void(const QString &)> m_report;
};

} // namespace stagepath

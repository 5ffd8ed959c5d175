// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A lesson on paper. Page one: the drawing scaled to the page, with the best
// path of the chosen mode in red, and under it the mode, the total and the
// path text. Then the edge table and, when paths are listed, the result
// table, each cut at maxRows rows (and at maxCells cells, so a wide result
// table keeps fewer rows) with a line that says how many were left out, so
// that paging stays quick at a million edges or fifty million paths.
// A drawing of more than maxStrokedEdges edges is printed as an image (its
// lines would be too many strokes to page quickly).
//
// gather() does the slow part (the best path, the rows' texts, a dense
// drawing's image) and may run off the window's thread; print() only lays
// out and paints what it gathered.

#include "drawing/picture.h"
#include "model/lessonsettings.h"
#include "resultcsv.h"

#include <QImage>
#include <QStringList>

#include <algorithm>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace stagepath {

struct TableExcerpt {
    QString title;
    QStringList headers;
    std::vector<QStringList> rows; // the first rows, as the window shows them
    qint64 rowCount = 0;           // every row of the table
    std::vector<double> widths;    // of the columns, in points, measured when gathered
};

struct PrintoutContent {
    QString title;
    GraphPicture picture;       // the drawing with the best path in red
    QImage drawing;             // the same drawing as an image, for a dense one
    QStringList bestPathLines;  // the mode and total, the path text; or why there is no path
    TableExcerpt edges;
    TableExcerpt results;       // no rows when nothing is listed
    TableExcerpt tableaux;      // the solution steps' tableaux, when printed (stepsprintout.h)
};

class Printout
{
public:
    static constexpr qint64 maxRows = 1000;
    static constexpr qint64 maxCells = 8000;
    // The rows of a table of that many columns that are printed.
    static qint64 rowsPrinted(qint64 rowCount, qint64 columns)
    {
        return std::min({rowCount, maxRows, std::max<qint64>(1, maxCells / std::max<qint64>(1, columns))});
    }
    static constexpr qint64 maxStrokedEdges = 5000;

    // edges and settings: the lesson; listed: the result table's listing.
    static PrintoutContent gather(const QString &title, EdgeDataPtr edges, const LessonSettings &settings,
                                  const ListedPaths &listed);

    // Measures a table's columns for print (a row of one cell is a line across the table).
    static void measure(TableExcerpt &table);

    explicit Printout(PrintoutContent content);
    const PrintoutContent &content() const { return m_content; }

    // Paints every page on the device, from its first page on.
    void print(QPagedPaintDevice *device) const;

private:
    void paintFirstPage(QPainter &painter, const QRectF &page) const;
    void paintTable(QPainter &painter, QPagedPaintDevice *device, const QRectF &page,
                    const TableExcerpt &table) const;

    PrintoutContent m_content;
};

} // namespace stagepath

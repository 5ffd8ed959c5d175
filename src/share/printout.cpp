// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printout.h"

#include "picturefile.h"

#include "drawing/export.h"
#include "model/edgetable.h"
#include "model/numbers.h"
#include "solver/bestpath.h"
#include "solver/paths.h"
#include "solver/validation.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace stagepath {

namespace {

class PrintoutText
{
    Q_DECLARE_TR_FUNCTIONS(Printout)
};

constexpr int drawingImageSide = 2400; // pixels along the longer side of a dense drawing's image

QFont printFont(double points, bool bold = false)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QStringList bestPathLines(const EdgeData &edges, PathMode mode, std::optional<BestPath> &best)
{
    const QString modeName = mode == PathMode::Shortest ? PrintoutText::tr("En Kısa Yol") : PrintoutText::tr("En Uzun Yol");
    auto problem = nonNumberMessage(edges);
    if (!problem)
        problem = overflowMessage(edges);
    if (!problem)
        best = findBestPath(edges, mode);
    if (!problem && !best)
        problem = noPathMessage(edges).value_or(PrintoutText::tr("Çizilecek yol yok."));
    if (problem)
        return {modeName + QStringLiteral(": ") + *problem};
    return {PrintoutText::tr("%1 — Toplam: %2").arg(modeName, best->totalText),
            PrintoutText::tr("Yol: %1").arg(best->pathText)};
}

// The whole drawing scaled down so that its longer side fits the image.
QImage drawingImage(const GraphPicture &picture)
{
    const QSizeF size = wholeDrawingSize(picture);
    const double zoom = std::min(1.0, drawingImageSide / std::max(size.width(), size.height()));
    const QSize image(std::max(1, int(std::ceil(size.width() * zoom))), std::max(1, int(std::ceil(size.height() * zoom))));
    return picture.render(QRect(QPoint(), image), zoom);
}

constexpr double tablePoints = 8; // the size of a table's text

// Each column as wide as its widest text, and a little more, in points.
void measureColumns(TableExcerpt &table)
{
    const QFontMetricsF metrics(printFont(tablePoints));
    const QFontMetricsF headerMetrics(printFont(tablePoints, true));
    const double points = 72.0 / metrics.fontDpi();
    const double padding = 1.5 * metrics.averageCharWidth();
    table.widths.assign(size_t(table.headers.size()), 0);
    for (int c = 0; c < table.headers.size(); ++c)
        table.widths[size_t(c)] = headerMetrics.horizontalAdvance(table.headers[c]);
    for (const QStringList &row : table.rows) {
        if (row.size() == 1)
            continue;
        for (int c = 0; c < row.size() && c < table.headers.size(); ++c)
            table.widths[size_t(c)] = std::max(table.widths[size_t(c)], metrics.horizontalAdvance(row[c]));
    }
    for (double &w : table.widths)
        w = (w + padding) * points;
}

TableExcerpt edgeExcerpt(const EdgeData &edges)
{
    TableExcerpt table;
    table.title = PrintoutText::tr("Kenar tablosu");
    for (int c = 0; c < EdgeTable::ColumnCount; ++c)
        table.headers << EdgeTable::headerText(c);
    table.rowCount = edges.shape.edgeCount();
    for (qint64 row = 0; row < Printout::rowsPrinted(table.rowCount, EdgeTable::ColumnCount); ++row) {
        QStringList cells;
        for (int c = 0; c < EdgeTable::ColumnCount; ++c)
            cells << EdgeTable::cell(edges, row, c).toString();
        table.rows.push_back(cells);
    }
    return table;
}

TableExcerpt resultExcerpt(const ListedPaths &listed)
{
    TableExcerpt table;
    table.title = PrintoutText::tr("Sonuç tablosu");
    table.headers = listed.headers;
    if (!listed.edges || listed.rowCount == 0)
        return table;
    const EdgeData &edges = *listed.edges;
    const PathIndex index(edges);
    std::vector<qint64> positions;
    table.rowCount = listed.rowCount;
    for (qint64 row = 0; row < Printout::rowsPrinted(table.rowCount, table.headers.size()); ++row) {
        index.positions(row, positions);
        QStringList cells;
        for (int s = 0; s + 1 < int(positions.size()); ++s)
            cells << edges.text(edges.shape.edgeRow(s, positions[size_t(s)], positions[size_t(s) + 1]));
        cells[0] = listed.firstCellEdits.value(row, cells[0]);
        cells << formatNumber(pathTotal(edges, positions)) << pathText(edges, positions);
        table.rows.push_back(cells);
    }
    return table;
}

} // namespace

PrintoutContent Printout::gather(const QString &title, EdgeDataPtr edges, const LessonSettings &settings,
                                 const ListedPaths &listed)
{
    PrintoutContent content;
    content.title = title;
    std::optional<BestPath> best;
    const PathMode mode = settings.longest ? PathMode::Longest : PathMode::Shortest;
    if (settings.exercise) // an exercise keeps its answer: the mode only
        content.bestPathLines = {(mode == PathMode::Shortest ? PrintoutText::tr("En Kısa Yol")
                                                             : PrintoutText::tr("En Uzun Yol"))
                                 + QStringLiteral(": ") + PrintoutText::tr("alıştırma")};
    else
        content.bestPathLines = bestPathLines(*edges, mode, best);
    // On paper: a white background and dark lines.
    content.picture = markedPicture(edges, settings, best ? best->positions : std::vector<qint64>()).inLook(true);
    if (edges->shape.edgeCount() > maxStrokedEdges)
        content.drawing = drawingImage(content.picture);
    content.edges = edgeExcerpt(*edges);
    content.results = resultExcerpt(listed);
    measureColumns(content.edges);
    measureColumns(content.results);
    return content;
}

void Printout::measure(TableExcerpt &table)
{
    measureColumns(table);
}

Printout::Printout(PrintoutContent content)
    : m_content(std::move(content))
{
}

void Printout::print(QPagedPaintDevice *device) const
{
    QPainter painter;
    if (!painter.begin(device))
        return;
    const QRectF page(QPointF(), device->pageLayout().paintRectPixels(device->logicalDpiX()).size());
    paintFirstPage(painter, page);
    if (m_content.edges.rowCount > 0 || m_content.tableaux.rowCount == 0)
        paintTable(painter, device, page, m_content.edges);
    if (m_content.results.rowCount > 0)
        paintTable(painter, device, page, m_content.results);
    if (m_content.tableaux.rowCount > 0)
        paintTable(painter, device, page, m_content.tableaux);
    painter.end();
}

void Printout::paintFirstPage(QPainter &painter, const QRectF &page) const
{
    const QFont titleFont = printFont(12, true);
    const QFont textFont = printFont(9);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const double gap = titleMetrics.height() / 2;
    const QRectF title(page.topLeft(), QSizeF(page.width(), titleMetrics.height()));
    painter.setFont(titleFont);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, m_content.title);

    // The lines under the drawing take what they need, up to half the page;
    // the drawing, as large as fits above them, keeps its proportions.
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
    const QString lines = m_content.bestPathLines.join(QLatin1Char('\n'));
    const QFontMetricsF textMetrics(textFont, painter.device());
    const double textHeight = std::min(page.height() / 2,
                                       textMetrics.boundingRect(QRectF(0, 0, page.width(), 1e9), flags, lines).height());
    const QSizeF room(page.width(), page.bottom() - textHeight - gap - title.bottom() - gap);
    const QSizeF whole = m_content.drawing.isNull() ? QSizeF(wholeDrawingSize(m_content.picture))
                                                    : QSizeF(m_content.drawing.size());
    const QRectF drawing(QPointF(page.left(), title.bottom() + gap), whole.scaled(room, Qt::KeepAspectRatio));
    if (!drawing.isEmpty()) {
        if (m_content.drawing.isNull())
            paintOnPage(painter, m_content.picture, drawing);
        else
            painter.drawImage(drawing, m_content.drawing);
    }
    const QRectF text(page.left(), std::max(drawing.bottom(), title.bottom()) + gap, page.width(), textHeight);
    painter.setFont(textFont);
    painter.setPen(Qt::black);
    painter.save();
    painter.setClipRect(text);
    painter.drawText(text, flags, lines);
    painter.restore();
}

void Printout::paintTable(QPainter &painter, QPagedPaintDevice *device, const QRectF &page,
                          const TableExcerpt &table) const
{
    const QFont font = printFont(tablePoints);
    const QFont bold = printFont(tablePoints, true);
    const QFontMetricsF metrics(font, device);
    std::vector<double> widths = table.widths;
    double total = 0;
    for (double &w : widths)
        total += (w *= device->logicalDpiX() / 72.0);
    // A table wider than the page is printed smaller.
    const double scale = total > page.width() ? page.width() / total : 1.0;
    const double line = metrics.height() * 1.25;
    const QRectF area(page.topLeft() / scale, page.size() / scale);
    const qint64 perPage = std::max<qint64>(1, qint64(area.height() / line) - 3); // less the title, header and note
    const qint64 printed = qint64(table.rows.size());
    const QLocale locale;
    qint64 row = 0;
    do {
        device->newPage();
        painter.save();
        painter.scale(scale, scale);
        // Each text on its baseline, centred in its line: a column is as
        // wide as its widest text, so nothing needs to be cut.
        double baseline = area.top() + (line - metrics.height()) / 2 + metrics.ascent();
        const auto drawCells = [&](const QStringList &cells, const QFont &f) {
            painter.setFont(f);
            double x = area.left();
            for (int c = 0; c < cells.size() && c < int(widths.size()); ++c) {
                painter.drawText(QPointF(x, baseline), cells[c]);
                x += widths[size_t(c)];
            }
            baseline += line;
        };
        const auto drawNote = [&](const QString &text, const QFont &f) {
            painter.setFont(f);
            painter.drawText(QPointF(area.left(), baseline), text);
            baseline += line;
        };
        if (row == 0)
            drawNote(PrintoutText::tr("%1 (%2 satır)").arg(table.title, locale.toString(table.rowCount)), bold);
        drawCells(table.headers, bold);
        for (const qint64 end = std::min(printed, row + perPage); row < end; ++row)
            drawCells(table.rows[size_t(row)], font);
        if (row == printed && printed < table.rowCount)
            drawNote(PrintoutText::tr("Yalnızca ilk %1 satır yazdırıldı, %2 satır yazdırılmadı. Tablonun tamamı için: "
                                      "Dosya → Tabloyu Dışa Aktar (CSV).")
                         .arg(locale.toString(printed), locale.toString(table.rowCount - printed)),
                     font);
        painter.restore();
    } while (row < printed);
}

} // namespace stagepath

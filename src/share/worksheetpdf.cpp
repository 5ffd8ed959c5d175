// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheet's and the key's pages: a cursor runs down the page, and an
// item that does not fit below it starts a new page. Every text is painted
// as text, so that it can be searched and copied from the PDF.

#include "worksheet.h"

#include "drawing/export.h"
#include "drawing/picture.h"
#include "picturefile.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace stagepath {

namespace {

struct Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

constexpr int resolution = 300; // dots per inch of the page's coordinates

double mm(double millimetres)
{
    return millimetres * resolution / 25.4;
}

QFont fontOf(double points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

class PageWriter
{
public:
    PageWriter(QPdfWriter &writer, QPainter &painter) : m_writer(writer), m_painter(painter)
    {
        m_width = writer.width();
        m_height = writer.height();
    }

    void newPage()
    {
        if (m_started)
            m_writer.newPage();
        m_started = true;
        m_y = 0;
    }

    // Room for height more below the cursor, on a new page if need be.
    void need(double height)
    {
        if (m_y > 0 && m_y + height > m_height)
            newPage();
    }

    void text(const QString &line, const QFont &font, double gapAfter = mm(1.5))
    {
        m_painter.setFont(font);
        const QRectF area(0, 0, m_width, m_height);
        const QRectF bounds = m_painter.fontMetrics().boundingRect(area.toRect(), Qt::TextWordWrap, line);
        need(bounds.height());
        m_painter.drawText(QRectF(0, m_y, m_width, bounds.height()), Qt::TextWordWrap, line);
        m_y += bounds.height() + gapAfter;
    }

    // The lesson's drawing with each value on its own line, in the print
    // look and without colours: black on white.
    void drawing(const Lesson &lesson)
    {
        DrawSettings settings = drawSettingsOf(lesson.settings);
        settings.valuesOnLines = true;
        settings.coloured = false;
        const GraphPicture picture = GraphPicture(lesson.edges, settings).inLook(true);
        // As large as fits the page's width and a third of its height, no higher than it needs.
        const QSizeF room(m_width, std::min(m_height * 0.36, m_width * 0.62));
        const QSizeF size = QSizeF(wholeDrawingSize(picture)).scaled(room, Qt::KeepAspectRatio);
        need(size.height());
        paintOnPage(m_painter, picture, QRectF(QPointF(0, m_y), size));
        m_y += size.height() + mm(3);
    }

    // The tableaux side by side while they fit across the page, made
    // smaller (to 60 %) when that keeps them on the exercise's page; else
    // at full size, going on to further pages.
    void tableaux(const std::vector<WorksheetTableau> &tables, bool filled)
    {
        const QFont font = fontOf(9);
        m_painter.setFont(font);
        const QFontMetricsF metrics(font, &m_writer);
        m_line = metrics.height();
        m_rowHeight = filled ? m_line * 1.5 : m_line * 1.9;
        std::vector<Measured> measured;
        for (const WorksheetTableau &table : tables) {
            Measured m;
            for (qsizetype c = 0; c < table.headers.size(); ++c) {
                const double least = c == 0 ? mm(9) : mm(filled ? 8 : 10);
                double w = std::max(least, metrics.horizontalAdvance(table.headers[c]) + mm(2));
                for (const QStringList &row : table.rows)
                    w = std::max(w, metrics.horizontalAdvance(row.value(c)) + mm(2));
                m.widths.push_back(w);
            }
            m.tableWidth = std::accumulate(m.widths.begin(), m.widths.end(), 0.0);
            m.shrink = m.tableWidth > m_width ? m_width / m.tableWidth : 1.0;
            m.width = std::min(m_width, std::max(m.tableWidth, metrics.horizontalAdvance(table.title)));
            m.height = m_line * 1.4 + m_rowHeight * double(table.rows.size() + 1) * m.shrink;
            measured.push_back(std::move(m));
        }
        for (const double scale : {1.0, 0.9, 0.8, 0.7, 0.6}) {
            const double height = pack(measured, m_width / scale);
            if (m_y + height * scale <= m_height) {
                m_painter.save();
                m_painter.translate(0, m_y);
                m_painter.scale(scale, scale);
                for (size_t i = 0; i < tables.size(); ++i)
                    paintTitled(tables[i], measured[i], measured[i].x, measured[i].y);
                m_painter.restore();
                m_y += height * scale + mm(4);
                return;
            }
        }
        const double gap = mm(6);
        double x = 0, rowBottom = m_y;
        for (size_t i = 0; i < tables.size(); ++i) {
            const Measured &m = measured[i];
            if (x > 0 && x + m.width > m_width) {
                x = 0;
                m_y = rowBottom + gap;
            }
            if (x == 0) {
                need(m.height);
                rowBottom = m_y;
            }
            paintTitled(tables[i], m, x, m_y);
            rowBottom = std::max(rowBottom, m_y + m.height);
            x += m.width + gap;
        }
        m_y = rowBottom + mm(4);
    }

private:
    struct Measured {
        std::vector<double> widths;
        double tableWidth = 0, width = 0, height = 0, shrink = 1;
        double x = 0, y = 0; // where pack() put it
    };

    // Places the tables in rows across the width, from the top; their height together.
    static double pack(std::vector<Measured> &tables, double width)
    {
        const double gap = mm(6);
        double x = 0, y = 0, rowHeight = 0;
        for (Measured &m : tables) {
            if (x > 0 && x + m.width > width) {
                x = 0;
                y += rowHeight + gap;
                rowHeight = 0;
            }
            m.x = x;
            m.y = y;
            rowHeight = std::max(rowHeight, m.height);
            x += m.width + gap;
        }
        return y + rowHeight;
    }

    void paintTitled(const WorksheetTableau &table, const Measured &m, double x, double y)
    {
        m_painter.drawText(QRectF(x, y, m.width, m_line * 1.2), Qt::AlignLeft | Qt::AlignVCenter, table.title);
        m_painter.save();
        m_painter.translate(x, y + m_line * 1.4);
        m_painter.scale(m.shrink, m.shrink);
        paintTable(table, m.widths, m_rowHeight);
        m_painter.restore();
    }

    void paintTable(const WorksheetTableau &table, const std::vector<double> &widths, double rowHeight)
    {
        m_painter.setPen(QPen(Qt::black, mm(0.2)));
        double top = 0;
        for (size_t r = 0; r <= table.rows.size(); ++r) {
            const QStringList &cells = r == 0 ? table.headers : table.rows[r - 1];
            double left = 0;
            for (size_t c = 0; c < widths.size(); ++c) {
                const QRectF cell(left, top, widths[c], rowHeight);
                if (r == 0 || c == 0)
                    m_painter.fillRect(cell, QColor(235, 235, 235));
                m_painter.drawRect(cell);
                m_painter.drawText(cell, Qt::AlignCenter, cells.value(qsizetype(c)));
                left += widths[c];
            }
            top += rowHeight;
        }
    }

    QPdfWriter &m_writer;
    QPainter &m_painter;
    double m_width = 0;
    double m_height = 0;
    double m_y = 0;
    bool m_started = false;
    double m_line = 0;      // the tableaux' line height
    double m_rowHeight = 0; // and their rows'

};

} // namespace

bool writeWorksheetPdf(const std::vector<WorksheetExercise> &exercises, bool key, QIODevice *device,
                       QPageSize::PageSizeId paper)
{
    QPdfWriter writer(device);
    writer.setResolution(resolution);
    writer.setPageSize(QPageSize(paper));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setCreator(QStringLiteral("stagepath"));
    writer.setTitle(key ? Worksheet::tr("Cevap Anahtarı") : Worksheet::tr("Çalışma Kâğıdı"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    PageWriter page(writer, painter);
    for (const WorksheetExercise &exercise : exercises) {
        page.newPage();
        const QStringList texts = exerciseTexts(exercise, key);
        qsizetype next = 0;
        page.text(texts.at(next++), fontOf(16, true), mm(2));
        if (!key) {
            // The name and date lines.
            page.text(texts.at(next) + QStringLiteral("      ") + texts.at(next + 1), fontOf(11), mm(3));
            next += 2;
        }
        page.drawing(exercise.lesson);
        page.text(texts.at(next++), fontOf(11), mm(3));
        if (key) {
            page.text(exercise.totalLine, fontOf(12, true), mm(2));
            if (!exercise.paths.isEmpty()) {
                page.text(texts.at(next + 1), fontOf(10), mm(1));
                for (const QString &path : exercise.paths)
                    page.text(path, fontOf(10), mm(0.5));
                if (!exercise.morePaths.isEmpty())
                    page.text(exercise.morePaths, fontOf(10), mm(0.5));
            }
            page.text(QString(), fontOf(6), 0);
        }
        page.tableaux(exercise.tableaux, key);
    }
    return painter.end();
}

} // namespace stagepath

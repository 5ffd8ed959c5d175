// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing the drawing as PNG, SVG and PDF, and painting it on a page.
#include "export.h"

#include "colours.h"

#include <QIODevice>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace stagepath {

namespace {

constexpr int kScreenDpi = 96; // a drawing pixel is a pixel at 96 dots per inch

} // namespace

QSize wholeDrawingSize(const GraphPicture &picture)
{
    const QSizeF e = picture.extent();
    return QSize(std::max(1, int(std::ceil(e.width()))), std::max(1, int(std::ceil(e.height()))));
}

bool writePng(const GraphPicture &picture, QIODevice *device, int scale)
{
    const QImage image = picture.render(QRect(QPoint(), wholeDrawingSize(picture)), 1, std::max(1, scale));
    return !image.isNull() && image.save(device, "PNG");
}

bool writeSvg(const GraphPicture &picture, QIODevice *device, const QString &title)
{
    const QSize size = wholeDrawingSize(picture);
    QSvgGenerator svg;
    svg.setOutputDevice(device);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setResolution(kScreenDpi);
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    picture.paint(painter, QRectF(QPointF(), size));
    return painter.end();
}

// A PDF is a document to print: the print look, with a white margin of
// half an inch (48 drawing pixels) around the drawing.
bool writePdf(const GraphPicture &picture, QIODevice *device, const QString &title)
{
    constexpr int margin = kScreenDpi / 2;
    const QSize size = wholeDrawingSize(picture);
    const QSize page = size + QSize(2 * margin, 2 * margin);
    QPdfWriter pdf(device);
    pdf.setTitle(title);
    pdf.setResolution(kScreenDpi);
    pdf.setPageSize(QPageSize(QSizeF(page) * 72.0 / kScreenDpi, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.fillRect(QRect(QPoint(), page), QColor::fromRgba(kPaperColour));
    painter.translate(margin, margin);
    picture.inLook(true).paint(painter, QRectF(QPointF(), size));
    return painter.end();
}

void paintOnPage(QPainter &painter, const GraphPicture &picture, const QRectF &area)
{
    // A margin of 2 % of the page's shorter side keeps the drawing off the edges.
    const double inset = 0.02 * std::min(area.width(), area.height());
    const QRectF page = area.adjusted(inset, inset, -inset, -inset);
    const QSizeF size = wholeDrawingSize(picture);
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    if (!(scale > 0))
        return;
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    picture.paint(painter, QRectF(QPointF(), size));
    painter.restore();
}

} // namespace stagepath

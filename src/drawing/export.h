// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The whole drawing at 100 % as a file: a PNG image (at one or two device
// pixels per drawing pixel), an SVG or a PDF document with real lines,
// circles and text; and onto a printed page. The same painting as on screen,
// but on vector devices every line is a stroke of its own. The caller opens
// and commits the device (a QSaveFile, for instance).

#include "drawing/picture.h"

#include <QRectF>
#include <QSize>
#include <QString>

class QIODevice;
class QPainter;

namespace stagepath {

// The whole drawing's size in drawing pixels, whole pixels.
QSize wholeDrawingSize(const GraphPicture &picture);

bool writePng(const GraphPicture &picture, QIODevice *device, int scale = 1);
bool writeSvg(const GraphPicture &picture, QIODevice *device, const QString &title = {});
bool writePdf(const GraphPicture &picture, QIODevice *device, const QString &title = {});

// Paints the whole drawing into a rectangle of a page (a printer's or a
// preview's, in the painter's coordinates), scaled to fit within a small
// margin, keeping its proportions, in the picture's own look.
void paintOnPage(QPainter &painter, const GraphPicture &picture, const QRectF &page);

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// actionExportPicture: the whole drawing, as the window shows it after its
// last redraw (colouring, pen width, the red path when it is marked) but at
// 100 % whatever the zoom, to a PNG image at one or two image pixels per
// drawing pixel, or to an SVG or PDF document of real lines, circles and
// texts. The file's extension decides the kind; the dialog's name filters
// offer the four. Written off the window's thread and whole or not at all.

#include "drawing/picture.h"

#include <QObject>

#include <functional>

class QWidget;

namespace stagepath {

class PictureExport : public QObject
{
    Q_OBJECT
public:
    // picture gives the drawing to export; suggestedName the file name the
    // dialog proposes, without extension; report shows a warning.
    PictureExport(QWidget *window, std::function<GraphPicture()> picture, std::function<QString()> suggestedName,
                  std::function<void(const QString &)> report);

public Q_SLOTS:
    // Opens the file dialog (not blocking); choosing a file exports to it.
    void chooseFile();
    // Exports to a file; pngScale 2 writes a PNG at two image pixels per drawing pixel.
    // paper: in the print look (a PDF is always in it).
    void exportTo(const QString &fileName, int pngScale = 1, bool paper = false);

Q_SIGNALS:
    // When the file was written, or writing failed or was cancelled.
    void done();

private:
    QWidget *m_window;
    std::function<GraphPicture()> m_picture;
    std::function<QString()> m_suggestedName;
    std::function<void(const QString &)> m_report;
};

} // namespace stagepath

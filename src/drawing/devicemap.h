// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How drawing pixels land on the device's pixels in one paint: the zoom and
// the painter's own transform (a translation, a scale such as the device
// pixel ratio; no rotation). Lines and circles are set so that they come out
// crisp: a stroke an odd number of device pixels wide is centred on a pixel's
// centre, an even one on the edge between two pixels, so that a one-pixel line
// at a whole drawing pixel y fills device row y, and drawing point (x, y) shows
// at pixel (x, y) at 100 %. On a vector device (SVG, PDF, a printer) there
// are no pixels to line up with: there everything keeps its exact place.

#include <QPointF>
#include <QRectF>
#include <QTransform>

class QPainter;

namespace stagepath {

class DeviceMap
{
public:
    // The painter as it is handed over, and the zoom of the drawing.
    DeviceMap(const QPainter &painter, double zoom);

    // Device pixels per drawing pixel.
    double scale() const { return m_kx; }
    QPointF toDevice(QPointF drawing) const { return QPointF(drawing.x() * m_kx + m_ox, drawing.y() * m_ky + m_oy); }
    QRectF toDrawing(const QRectF &device) const;
    // The device rectangle of a rectangle of the painter's own coordinates.
    QRectF deviceRect(const QRectF &logical) const { return m_logicalToDevice.mapRect(logical); }

    // Device width of a pen of `width` drawing pixels: whole pixels, at least one.
    double penWidth(double width) const;
    // Where a stroke of that device width is set for a device coordinate.
    static double snap(double device, double devicePen);
    // A drawing point on the device, set for a stroke of that device width
    // (on a raster device only).
    QPointF snapped(QPointF drawing, double devicePen) const;

    // Sets the painter to draw in device pixels, or in drawing pixels.
    void useDevicePixels(QPainter &painter) const;
    void useDrawingPixels(QPainter &painter) const;

private:
    QTransform m_logicalToDevice;
    QTransform m_deviceToWorld; // undoes what the painter adds after its world transform
    double m_kx, m_ky, m_ox, m_oy;
    bool m_raster; // pixels to set strokes on
};

} // namespace stagepath

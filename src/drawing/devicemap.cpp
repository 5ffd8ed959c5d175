// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing pixels to device pixels, and where crisp strokes are set.
#include "devicemap.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace stagepath {

DeviceMap::DeviceMap(const QPainter &painter, double zoom)
    : m_logicalToDevice(painter.deviceTransform())
    , m_raster(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster)
{
    // The painter maps its world coordinates to the device through its world
    // transform and then what it adds itself (the device pixel ratio, a
    // widget's place in its window).
    m_deviceToWorld = m_logicalToDevice.inverted() * painter.worldTransform();
    m_kx = zoom * m_logicalToDevice.m11();
    m_ky = zoom * m_logicalToDevice.m22();
    m_ox = m_logicalToDevice.dx();
    m_oy = m_logicalToDevice.dy();
}

QRectF DeviceMap::toDrawing(const QRectF &device) const
{
    const QPointF a((device.left() - m_ox) / m_kx, (device.top() - m_oy) / m_ky);
    const QPointF b((device.right() - m_ox) / m_kx, (device.bottom() - m_oy) / m_ky);
    return QRectF(a, b).normalized();
}

double DeviceMap::penWidth(double width) const
{
    const double w = std::round(width * m_kx);
    return std::isfinite(w) ? std::max(1.0, w) : 1.0;
}

double DeviceMap::snap(double device, double devicePen)
{
    const bool odd = devicePen < 1e15 && qint64(devicePen) % 2 == 1;
    return odd ? std::floor(device) + 0.5 : std::floor(device + 0.5);
}

QPointF DeviceMap::snapped(QPointF drawing, double devicePen) const
{
    const QPointF d = toDevice(drawing);
    if (!m_raster)
        return d;
    return QPointF(snap(d.x(), devicePen), snap(d.y(), devicePen));
}

void DeviceMap::useDevicePixels(QPainter &painter) const
{
    painter.setWorldTransform(m_deviceToWorld);
}

void DeviceMap::useDrawingPixels(QPainter &painter) const
{
    painter.setWorldTransform(QTransform(m_kx, 0, 0, m_ky, m_ox, m_oy) * m_deviceToWorld);
}

} // namespace stagepath

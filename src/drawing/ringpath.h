// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The stroke of a circle far larger than the painted area (a huge radius or
// pen), as a filled outline cut to a rectangle: arcs flattened to within a
// twentieth of a pixel, then clipped, so that the painter never meets
// coordinates beyond what its rasteriser holds.

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace stagepath {

// The ring from radius - half to radius + half about the centre (a disc when
// the pen is wider than the circle), cut to the rectangle.
QPainterPath clippedRing(QPointF centre, double radius, double half, const QRectF &clip);

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window/resizerule.h"

#include <algorithm>

namespace stagepath {

ResizeRule::ResizeRule(QSize designClient)
    : m_designClient(designClient)
{
}

int ResizeRule::add(ResizeAnchor anchor, const QRect &design)
{
    m_controls.append({anchor, design});
    return int(m_controls.size()) - 1;
}

QList<QRect> ResizeRule::geometries(QSize client, ResizeMode mode) const
{
    const bool fitting = mode == ResizeMode::FitWindow;
    // What the window has beyond the design size; nothing when it is smaller.
    const int extraWidth = fitting ? std::max(0, client.width() - m_designClient.width()) : 0;
    const int extraHeight = fitting ? std::max(0, client.height() - m_designClient.height()) : 0;
    int barThickness = 0;
    for (const Control &c : m_controls)
        if (c.anchor == ResizeAnchor::VerticalBar)
            barThickness = c.design.width();

    QList<QRect> places;
    places.reserve(m_controls.size());
    for (const Control &c : m_controls) {
        const QRect &d = c.design;
        switch (c.anchor) {
        case ResizeAnchor::Fixed:
            places.append(d);
            break;
        case ResizeAnchor::Frame:
            places.append(QRect(d.x(), d.y(), client.width(), d.height() + extraHeight));
            break;
        case ResizeAnchor::HorizontalBar:
            places.append(QRect(d.x(), d.y() + extraHeight, std::max(0, client.width() - barThickness), d.height()));
            break;
        case ResizeAnchor::VerticalBar:
            places.append(QRect(std::max(0, client.width() - d.width()), d.y(), d.width(), d.height() + extraHeight));
            break;
        case ResizeAnchor::Below:
            places.append(d.translated(0, extraHeight));
            break;
        case ResizeAnchor::BelowWide:
            places.append(QRect(d.x(), d.y() + extraHeight, d.width() + extraWidth, d.height()));
            break;
        }
    }
    return places;
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the controls of the client area stand for a given inner size of the
// window. Two modes:
// - KeepDesign (the default): only the picture's frame and the scroll bars
//   follow the window's width; every other control keeps its design place.
// - FitWindow (actionFitLayout): on top of that, whatever the window has
//   beyond the design size goes to the frame (width and height); the
//   controls below the frame keep their places against the window's
//   bottom-left corner, and the wide tables take the extra width.
// At the design size, and below it, both modes give the same places.
// Nothing here touches a widget: controls are numbers in the order added.

#include <QList>
#include <QRect>
#include <QSize>

namespace stagepath {

enum class ResizeMode { KeepDesign, FitWindow };

// How one control answers a change of the window's inner size.
enum class ResizeAnchor {
    Fixed,         // keeps its design place (a control above the frame's bottom)
    Frame,         // the picture's frame: as wide as the window; takes the extra height when fitting
    HorizontalBar, // along the frame's bottom, as wide as the window less the vertical bar
    VerticalBar,   // along the window's right edge, as high as the frame's bar
    Below,         // below the frame: moves down by the extra height when fitting
    BelowWide,     // below the frame and widened by the extra width when fitting
};

class ResizeRule
{
public:
    // designClient: the inner size of the window the design places are for.
    explicit ResizeRule(QSize designClient);

    // Adds a control at its design place; returns its number.
    int add(ResizeAnchor anchor, const QRect &design);

    // Every control's place for an inner size, by number.
    QList<QRect> geometries(QSize client, ResizeMode mode) const;

private:
    struct Control {
        ResizeAnchor anchor;
        QRect design;
    };
    QSize m_designClient;
    QList<Control> m_controls;
};

} // namespace stagepath

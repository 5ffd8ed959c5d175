// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The zoom of the drawing, for a projector: 50 % to 400 % in steps of 25 %.
// At 100 % the graph is drawn at its own size.

namespace stagepath {

class ZoomLevel
{
public:
    static constexpr int minimumPercent = 50;
    static constexpr int maximumPercent = 400;
    static constexpr int stepPercent = 25;
    static constexpr int normalPercent = 100;

    constexpr ZoomLevel() = default;
    // The nearest level at or below percent, within the range.
    static ZoomLevel fromPercent(int percent);

    int percent() const { return m_percent; }
    double factor() const { return m_percent / 100.0; }
    bool canZoomIn() const { return m_percent < maximumPercent; }
    bool canZoomOut() const { return m_percent > minimumPercent; }
    ZoomLevel zoomedIn() const { return fromPercent(m_percent + stepPercent); }
    ZoomLevel zoomedOut() const { return fromPercent(m_percent - stepPercent); }

    friend bool operator==(ZoomLevel a, ZoomLevel b) { return a.m_percent == b.m_percent; }

private:
    int m_percent = normalPercent;
};

} // namespace stagepath

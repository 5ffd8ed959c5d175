#pragma once
// Ciz: draws the staged graph afresh into a drawing record. Every box is a
// circle with its global box number inside, columns left to right, each
// centred vertically against the largest; the edge values stand under the
// circles of their left boxes; every box of a column is joined to every box of
// the next by a line, black or coloured by the position of the line's left box.
// The surface is sized to cover everything drawn, never smaller than the
// viewport, and the scroll ranges are what exceeds the viewport.
//
// Nothing here throws: a step that cannot be done (a coordinate that is not
// finite or does not fit in 32 bits) is skipped and drawing goes on.

#include "drawing/geometry.h"
#include "model/graphdata.h"

#include <QRgb>

#include <array>
#include <optional>

namespace stagepath {

class DrawingRecord;

inline constexpr int kTwipsPerDrawingPixel = 16;  // the surface is sized at 16 twips per pixel drawn
inline constexpr int kTwipsPerPixel = 15;         // screen pixels of the window
inline constexpr int kViewportHeightTwips = 6855; // height of the frame that shows the surface
// The largest surface a widget can be (QWIDGETSIZE_MAX pixels), in twips.
inline constexpr int kMaxSurfaceTwips = 16777215 * kTwipsPerPixel;

// The 16 colours of the line colouring, by index.
const std::array<QRgb, 16> &linePalette();
// Palette entry by index; nullopt outside 0..15.
std::optional<QRgb> paletteColour(int index);

struct DrawSettings {
    double xSpacing = 220;
    double ySpacing = 120;
    double radius = 20;
    int penWidth = 1;
    bool coloured = false;
};

struct DrawResult {
    bool drawn = false;      // false: no columns, the record is left as it was
    int widthTwips = 0;      // surface size: Picture1 is widthTwips / 15 pixels wide
    int heightTwips = 0;
    int drawingWidthTwips = 0;  // the graph's own extent, before the surface is
    int drawingHeightTwips = 0; // raised to the viewport (zoom scales this)
    qint64 hScrollMax = 0;   // surface width - inner width, 0 when it fits
    qint64 vScrollMax = 0;   // surface height - 6855, 0 when it fits
    double largest = 0;      // M, the largest box count
    GraphGeometry geometry;  // for marking the best path afterwards
};

// Draws the graph of `edges` (its shape gives the columns and box counts).
// innerWidthTwips is the window's inner width, the viewport's width.
DrawResult drawGraph(DrawingRecord &out, EdgeDataPtr edges, const DrawSettings &settings, int innerWidthTwips);

} // namespace stagepath

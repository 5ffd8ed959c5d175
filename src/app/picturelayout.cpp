#include "picturelayout.h"

#include "twips.h"

#include "drawing/graphdrawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stagepath {

namespace {

// The largest size of a widget (QWIDGETSIZE_MAX), in pixels.
constexpr int maxWidgetPixels = (1 << 24) - 1;

// One side of the picture: its size in twips and its scroll range.
struct Side {
    qint64 twips;
    int maximum;
};

Side layOutSide(int drawingTwips, double zoom, int viewportPixels)
{
    const qint64 viewport = qint64(viewportPixels) * twips::perPixel;
    const double zoomed = std::ceil(double(std::max(0, drawingTwips)) * zoom);
    const qint64 twipsWide = std::max(viewport, qint64(std::min(zoomed, double(kMaxSurfaceTwips))));
    const qint64 excess = std::clamp<qint64>(twipsWide - viewport, 0, std::numeric_limits<int>::max());
    return {twipsWide, int(excess)};
}

int pixels(qint64 twipsWide)
{
    return std::min(twips::toPixels(double(twipsWide)), maxWidgetPixels);
}

} // namespace

PictureLayout layOutPicture(QSize drawingTwips, double zoom, QSize viewport)
{
    const Side across = layOutSide(drawingTwips.width(), zoom, viewport.width());
    const Side down = layOutSide(drawingTwips.height(), zoom, viewport.height());
    return {QSize(pixels(across.twips), pixels(down.twips)), across.maximum, down.maximum};
}

int centredScrollValue(int valueTwips, int viewportPixels, double from, double to)
{
    const double half = viewportPixels / 2.0;
    const double centre = double(valueTwips) / twips::perPixel + half;
    const double value = (centre / from * to - half) * twips::perPixel;
    return int(std::clamp(std::round(value), 0.0, double(std::numeric_limits<int>::max())));
}

} // namespace stagepath

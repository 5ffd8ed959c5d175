#include "twips.h"

#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <limits>

namespace stagepath::twips {

int toPixels(double twips)
{
    return int(std::lround(twips / perPixel));
}

QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

qint64 fromPixels(double pixels)
{
    return std::llround(pixels * perPixel);
}

void setUpScrollBar(QScrollBar *bar)
{
    bar->setRange(0, 0);
    bar->setSingleStep(arrowStep);
    bar->setPageStep(pageStep);
}

void setScrollRange(QScrollBar *bar, double pictureSize, double viewportSize)
{
    const qint64 excess = fromPixels(pictureSize) - fromPixels(viewportSize);
    bar->setMaximum(int(std::clamp<qint64>(excess, 0, std::numeric_limits<int>::max())));
}

int pictureOffset(int valueTwips)
{
    return -(valueTwips / perPixel);
}

} // namespace stagepath::twips

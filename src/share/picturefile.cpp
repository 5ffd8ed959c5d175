// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturefile.h"

#include "drawing/export.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace stagepath {

namespace {

class PictureFile
{
    Q_DECLARE_TR_FUNCTIONS(PictureFile)
};

// The largest PNG drawn, in image pixels: 400 MB while it is drawn.
constexpr qint64 maxPngPixels = 100'000'000;

} // namespace

std::optional<PictureFormat> pictureFormatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return PictureFormat::Png;
    if (suffix == QLatin1String("svg"))
        return PictureFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return PictureFormat::Pdf;
    return std::nullopt;
}

std::optional<QString> pictureSizeProblem(const GraphPicture &picture, PictureFormat format, int pngScale)
{
    if (format != PictureFormat::Png)
        return std::nullopt;
    const QSize size = wholeDrawingSize(picture) * pngScale;
    if (qint64(size.width()) * size.height() <= maxPngPixels)
        return std::nullopt;
    const QLocale locale;
    return PictureFile::tr("Çizim PNG resmi için çok büyük (%1 × %2 piksel, en çok %3 piksel); SVG ya da PDF olarak kaydedin.")
        .arg(locale.toString(size.width()), locale.toString(size.height()), locale.toString(maxPngPixels));
}

bool writePicture(const GraphPicture &picture, PictureFormat format, QIODevice *device, int pngScale)
{
    const QString title = PictureFile::tr("En Kısa Yol");
    switch (format) {
    case PictureFormat::Png: return writePng(picture, device, pngScale);
    case PictureFormat::Svg: return writeSvg(picture, device, title);
    case PictureFormat::Pdf: return writePdf(picture, device, title);
    }
    return false;
}

DrawSettings drawSettingsOf(const LessonSettings &settings)
{
    DrawSettings draw;
    draw.xSpacing = settings.xSpacing;
    draw.ySpacing = settings.ySpacing;
    draw.radius = settings.circleSize;
    draw.penWidth = settings.penWidth;
    draw.coloured = settings.colourLines;
    draw.valuesOnLines = settings.valuesOnLines;
    return draw;
}

GraphPicture markedPicture(EdgeDataPtr edges, const LessonSettings &settings, std::vector<qint64> bestPath)
{
    const GraphPicture plain(std::move(edges), drawSettingsOf(settings));
    PictureOverlays overlays;
    overlays.bestPath = std::move(bestPath);
    return plain.withOverlays(std::move(overlays));
}

} // namespace stagepath

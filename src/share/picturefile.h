// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawing as a file of the kind its name's extension asks for: PNG (at
// one or two image pixels per drawing pixel), SVG or PDF; and the picture of
// a lesson as the window draws it after "Çiz".

#include "drawing/picture.h"
#include "model/lessonsettings.h"

#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace stagepath {

enum class PictureFormat { Png, Svg, Pdf };

// By the extension (.png, .svg, .pdf, in any case); nullopt for another.
std::optional<PictureFormat> pictureFormatOf(const QString &fileName);

// Why the drawing cannot be written in that format (a PNG image too large to
// hold in memory); nullopt when it can.
std::optional<QString> pictureSizeProblem(const GraphPicture &picture, PictureFormat format, int pngScale = 1);

// Writes the whole drawing at 100 %; false when the device failed.
bool writePicture(const GraphPicture &picture, PictureFormat format, QIODevice *device, int pngScale = 1);

// The drawing settings of a lesson.
DrawSettings drawSettingsOf(const LessonSettings &settings);
// A lesson's drawing with a best path (0-based positions; empty for none) in red.
GraphPicture markedPicture(EdgeDataPtr edges, const LessonSettings &settings, std::vector<qint64> bestPath);

} // namespace stagepath

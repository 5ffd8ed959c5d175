// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The lesson's graph drawn into Picture1 with the settings in effect and the
// marks of the solution views on top; then the picture's size and the scroll
// ranges follow. A picture made on a worker for a lesson being opened is
// used instead of drawing it again.

#include "drawing/picture.h"

#include <QObject>

namespace stagepath {

class LessonDocument;
class PictureBox;
class PictureViewport;
class SolutionViews;
class WindowMessages;

class PictureDrawing : public QObject
{
    Q_OBJECT
public:
    struct Parts {
        LessonDocument *document;
        PictureBox *picture;
        PictureViewport *pictureView;
        SolutionViews *solutionViews;
        WindowMessages *messages;
    };
    PictureDrawing(const Parts &parts, QObject *parent);

    // Draws the graph anew; with no columns nothing is drawn, not even cleared.
    void redraw();
    // Keeps picture for the next redraw, which uses it when its edges and
    // settings are still the lesson's.
    void keepPrepared(const GraphPicture &picture);

private:
    GraphPicture pictureOf(const EdgeDataPtr &edges, const DrawSettings &settings);

    Parts m_parts;
    GraphPicture m_prepared;
};

} // namespace stagepath

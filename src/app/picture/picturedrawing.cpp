// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture/picturedrawing.h"

#include "app/common/windowmessages.h"
#include "app/picture/picturebox.h"
#include "app/picture/pictureviewport.h"
#include "app/stepsui/solutionviews.h"

#include "lesson/lessondocument.h"
#include "model/edgetable.h"
#include "model/stagetable.h"
#include "share/picturefile.h"

#include <utility>

namespace stagepath {

PictureDrawing::PictureDrawing(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{
}

void PictureDrawing::keepPrepared(const GraphPicture &picture)
{
    m_prepared = picture;
}

void PictureDrawing::redraw()
{
    m_parts.messages->fenced([this] {
        LessonDocument *document = m_parts.document;
        if (document->stageTable()->rowCount() == 0)
            return;
        const GraphPicture picture =
            pictureOf(document->edgeTable()->snapshot(), drawSettingsOf(document->settings().values));
        if (picture.isEmpty())
            return;
        m_parts.picture->setPicture(
            picture.withOverlays(m_parts.solutionViews->overlaysAfterRedraw(picture.edges())));
        m_parts.pictureView->layOut();
    });
}

// The one prepared for an opened lesson when it is that one, else made now.
GraphPicture PictureDrawing::pictureOf(const EdgeDataPtr &edges, const DrawSettings &settings)
{
    GraphPicture prepared = std::exchange(m_prepared, GraphPicture());
    if (prepared.edges() == edges && prepared.settings() == settings)
        return prepared;
    return GraphPicture(edges, settings);
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture/overlaylayers.h"

namespace stagepath {

void OverlayLayers::setDrawnBestPath(EdgeDataPtr graph, std::vector<qint64> positions)
{
    m_drawnBestPath = {std::move(graph), std::move(positions)};
}

void OverlayLayers::clearDrawnBestPath()
{
    m_drawnBestPath = {};
}

void OverlayLayers::setSelectedPath(EdgeDataPtr graph, std::vector<qint64> positions, PathChoice choice)
{
    m_selectedPath = {std::move(graph), std::move(positions)};
    m_selectedFromSteps = choice == PathChoice::FromSteps;
}

void OverlayLayers::clearSelectedPath()
{
    m_selectedPath = {};
    m_selectedFromSteps = false;
}

void OverlayLayers::setBestEdges(EdgeDataPtr graph, std::shared_ptr<const std::vector<bool>> flags)
{
    m_bestEdges = {std::move(graph), std::move(flags)};
}

void OverlayLayers::clearBestEdges()
{
    m_bestEdges = {};
}

void OverlayLayers::setStepLayers(EdgeDataPtr graph, PictureOverlays step)
{
    m_step = {std::move(graph), std::move(step)};
}

void OverlayLayers::clearStepLayers()
{
    m_step = {};
}

PictureOverlays OverlayLayers::overlaysFor(const EdgeDataPtr &graph) const
{
    PictureOverlays o;
    if (m_step.on(graph)) {
        o.highlightedStage = m_step.content.highlightedStage;
        o.chosenFrom = m_step.content.chosenFrom;
        o.chosenEdges = m_step.content.chosenEdges;
        o.boxLabels = m_step.content.boxLabels;
        o.bestPath = m_step.content.bestPath;
    }
    if (m_answerHidden)
        return o;
    // The last step marks the best path as "Çiz" does; otherwise "Çiz"'s own stands.
    if (o.bestPath.empty() && m_drawnBestPath.on(graph))
        o.bestPath = m_drawnBestPath.content;
    if (m_selectedPath.on(graph) && m_selectedPath.content != o.bestPath)
        o.selectedPath = m_selectedPath.content;
    if (m_bestEdges.on(graph))
        o.bestEdges = m_bestEdges.content;
    return o;
}

} // namespace stagepath

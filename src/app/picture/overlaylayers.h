// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window draws over the graph, layer by layer (overlays.h): the red
// path of "Çiz", the path of the selected result row, every edge on some best
// path, and the extras of the solution steps. Each layer belongs to the graph
// it was worked out for (an edge snapshot) and is drawn only on a picture of
// that very snapshot, so nothing of an earlier graph shows on a later one.
//
// The selected path is left out where it is the red path itself: "Çiz"
// selects the best row, and its marking keeps exactly its own look.

#include "drawing/overlays.h"
#include "model/graphdata.h"

#include <vector>

namespace stagepath {

// Who chose the selected path: a row of the result table, or the last step
// of the steps window.
enum class PathChoice { FromTable, FromSteps };

class OverlayLayers
{
public:
    // "Çiz"'s red path; it stands until the picture is drawn again.
    void setDrawnBestPath(EdgeDataPtr graph, std::vector<qint64> positions);
    void clearDrawnBestPath();

    void setSelectedPath(EdgeDataPtr graph, std::vector<qint64> positions, PathChoice choice = PathChoice::FromTable);
    void clearSelectedPath();
    bool selectedFromSteps() const { return m_selectedFromSteps; }

    void setBestEdges(EdgeDataPtr graph, std::shared_ptr<const std::vector<bool>> flags);
    void clearBestEdges();

    // The step extras: highlightedStage, chosenFrom, boxLabels and, at the
    // last step, bestPath (the other fields are not read).
    void setStepLayers(EdgeDataPtr graph, PictureOverlays step);
    void clearStepLayers();

    // While the steps walk towards the answer, nothing draws it: no red path,
    // no selected path, no edges on best paths.
    void setAnswerHidden(bool hidden) { m_answerHidden = hidden; }

    // The layers that belong to this graph, composed.
    PictureOverlays overlaysFor(const EdgeDataPtr &graph) const;

private:
    template <typename T> struct Layer {
        EdgeDataPtr graph;
        T content{};
        bool on(const EdgeDataPtr &picture) const { return graph && graph == picture; }
    };

    Layer<std::vector<qint64>> m_drawnBestPath;
    Layer<std::vector<qint64>> m_selectedPath;
    bool m_selectedFromSteps = false;
    Layer<std::shared_ptr<const std::vector<bool>>> m_bestEdges;
    Layer<PictureOverlays> m_step;
    bool m_answerHidden = false;
};

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What can be drawn over the graph, in this order: every edge on some best
// path, the path of the selected result row, the extras of a step-by-step
// view (a highlighted stage, the incoming edge chosen for each box, labels
// beside the circles) and, last, the best path in red as "Çiz" marks it.
// Each layer is empty by default; their colours are in colours.h.

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace stagepath {

// Pen widths of the layers, in drawing pixels (the red path has the graph's).
inline constexpr double kBestEdgesWidth = 5;
inline constexpr double kSelectedPathWidth = 2;
inline constexpr double kChosenEdgeWidth = 3;

struct PictureOverlays {
    // One flag per edge row: the edge lies on some best path.
    std::shared_ptr<const std::vector<bool>> bestEdges;
    // The selected result row's path: the 0-based box position in each column.
    std::vector<qint64> selectedPath;
    // The stage whose edges are all highlighted; -1 for none.
    int highlightedStage = -1;
    // By 0-based global box index: the position, in the previous column, of
    // the box its chosen incoming edge comes from; -1 for none.
    std::shared_ptr<const std::vector<qint64>> chosenFrom;
    // Further chosen edges, by edge row in increasing order, drawn as those
    // of chosenFrom: a choice that is no incoming edge (the backward
    // recursion chooses the road on) and every tied choice of a stage.
    std::shared_ptr<const std::vector<qint64>> chosenEdges;
    // By 0-based global box index: a label written beside the circle; empty for none.
    std::shared_ptr<const std::vector<QString>> boxLabels;
    // The best path: the 0-based box position in each column; one segment
    // per pair of neighbouring positions, with the graph's pen width. (In
    // both paths a segment to a position that is no box is left out.)
    std::vector<qint64> bestPath;
};

} // namespace stagepath

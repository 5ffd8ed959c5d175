// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Hesaplama Yap" and "Çiz": every path listed in the result table, and the
// best path of the chosen mode marked in the drawing with its row selected.
// Edge values that cannot be used are refused with a message and the listed
// paths stay; with more paths than the table may hold, the best path is
// still drawn and told in a message. In an exercise both do nothing: the
// totals would give the answer away.

#include <QObject>

#include <functional>

namespace stagepath {

class EdgeTable;
class LessonDocument;
class ReportView;
class ResultTable;
class SolutionViews;
class WindowMessages;

class PathListing : public QObject
{
    Q_OBJECT
public:
    struct Parts {
        LessonDocument *document;
        ResultTable *results;
        ReportView *resultView;
        SolutionViews *solutionViews;
        WindowMessages *messages;
        std::function<void()> redraw; // draws the graph anew, without the best path
    };
    PathListing(const Parts &parts, QObject *parent);

    // "Hesaplama Yap".
    void listPaths();
    // "Çiz".
    void drawBestPath();

private:
    enum class Listing { Listed, TooMany, Failed };
    Listing listAllPaths();
    void selectBestRow(qint64 row);

    Parts m_parts;
    EdgeTable *m_edges;
};

} // namespace stagepath

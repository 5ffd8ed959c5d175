// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The memory bound of a lesson's history. A step that replaces the edge
// table keeps the table it replaced (and the one it made, for redo): at a
// million edges that is 8 MB of values a table. The history keeps at most
// LessonDocument::historySteps steps, and of those only the newest whose
// kept tables come to no more than its byte limit together; a table kept by
// several steps, or still in use by the edge table, counts once or not at all.

#include "model/graphdata.h"

class QUndoStack;

namespace stagepath {

// Edge data that a step keeps, with its size measured once.
struct KeptEdges {
    EdgeDataPtr data;
    qint64 bytes = 0;
};

// The memory a table of edge data takes, about: its values, its typed texts
// and its shape.
qint64 approximateBytes(const EdgeData &edges);
KeptEdges keepEdges(EdgeDataPtr data);

// Right after a push (the redo tail is gone): drops the oldest steps while
// the tables the steps keep come to more than byteLimit, always keeping the
// newest step. live is the table the edge table shows, which is not counted.
// The clean state follows its step, or becomes unreachable when its step was
// dropped. Returns whether steps were dropped.
bool trimHistory(QUndoStack &history, qint64 byteLimit, const EdgeData *live);

} // namespace stagepath

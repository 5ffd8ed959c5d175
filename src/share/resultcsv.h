// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The result table as CSV: the header row of its captions, then one line per
// listed path in the table's order: the value of each stage's edge, the total
// and the path text, every number in the C form (csvformat.h). The rows are
// worked out one after the other from the listing's edge snapshot, so memory
// does not grow with their number.

#include "model/graphdata.h"

#include <QHash>
#include <QStringList>

class QIODevice;

namespace stagepath {

class ResultTable;
struct TaskProgress;

// What a listing shows, fixed when an export starts: later listings and
// edits do not change it.
struct ListedPaths {
    EdgeDataPtr edges;                      // the listing's snapshot; null when nothing is listed
    QStringList headers;                    // "1.Vorta" … "N.Vorta", "Toplam", "Yol" as the window shows them
    QHash<qint64, QString> firstCellEdits;  // row -> a first cell edited in place
    qint64 rowCount = 0;

    static ListedPaths of(const ResultTable &table);
};

// False when the device failed or the work was cancelled.
bool writeResultCsv(const ListedPaths &paths, QIODevice *device, TaskProgress *progress = nullptr);

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The edge table as CSV: the header row of its captions, then one line per
// edge in table order: the value (a number in the C form, or the text as
// typed when it is no number), the two box numbers and the stage.

#include "model/graphdata.h"

#include <QStringList>

class QIODevice;

namespace stagepath {

struct TaskProgress;

// headers: the captions of "Değer", "Kutu No", "Diğer Kutu", "Vorta" in the
// language wanted. False when the device failed or the work was cancelled.
bool writeEdgeCsv(const EdgeData &edges, const QStringList &headers, QIODevice *device,
                  TaskProgress *progress = nullptr);

} // namespace stagepath

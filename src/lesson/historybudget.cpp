// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "historybudget.h"

#include "lessoncommand.h"

#include <QSet>
#include <QSignalBlocker>
#include <QUndoStack>

namespace stagepath {

namespace {

// A typed text in the hash of texts: the entry (row and string) with the
// hash's bookkeeping, and the string's characters with their header.
constexpr qint64 textEntryBytes = 40 + 16;

// The oldest step to keep: the newest steps whose tables fit within the limit.
int firstKeptStep(const QUndoStack &history, qint64 byteLimit, const EdgeData *live)
{
    QSet<const EdgeData *> counted{live};
    qint64 bytes = 0;
    const int newest = history.count() - 1;
    for (int i = newest; i >= 0; --i) {
        const auto *step = static_cast<const LessonCommand *>(history.command(i));
        qint64 added = 0;
        const std::vector<KeptEdges> kept = step->keptEdges();
        for (const KeptEdges &k : kept) {
            if (k.data && !counted.contains(k.data.get()))
                added += k.bytes;
        }
        if (i < newest && bytes + added > byteLimit)
            return i + 1;
        for (const KeptEdges &k : kept)
            counted.insert(k.data.get());
        bytes += added;
    }
    return 0;
}

} // namespace

qint64 approximateBytes(const EdgeData &edges)
{
    qint64 bytes = qint64(sizeof(EdgeData) + edges.values.capacity() * sizeof(double));
    bytes += 3 * edges.shape.columnCount() * qint64(sizeof(qint64)); // the counts and their running sums
    for (auto it = edges.texts.constBegin(); it != edges.texts.constEnd(); ++it)
        bytes += textEntryBytes + 2 * it->capacity();
    return bytes;
}

KeptEdges keepEdges(EdgeDataPtr data)
{
    const qint64 bytes = data ? approximateBytes(*data) : 0;
    return {std::move(data), bytes};
}

bool trimHistory(QUndoStack &history, qint64 byteLimit, const EdgeData *live)
{
    const int count = history.count();
    if (history.index() != count)
        return false;
    const int first = firstKeptStep(history, byteLimit, live);
    if (first == 0)
        return false;

    // QUndoStack drops steps only by its undo limit, which is fixed once it
    // holds any: so the history is built anew from copies of the steps that
    // stay, each counting as already done (its first redo does nothing). Nothing the stack shows changes (the newest
    // step, undo and redo stay as they were), so it says nothing meanwhile.
    std::vector<std::unique_ptr<LessonCommand>> kept;
    for (int i = first; i < count; ++i)
        kept.push_back(static_cast<const LessonCommand *>(history.command(i))->doneCopy());
    const int clean = history.cleanIndex();
    const QSignalBlocker quiet(&history);
    history.clear();
    for (int i = first; i < count; ++i) {
        if (clean == i)
            history.setClean();
        history.push(kept[size_t(i - first)].release());
    }
    if (clean == count)
        history.setClean();
    else if (clean < first)
        history.resetClean(); // the saved state was among the dropped steps
    return true;
}

} // namespace stagepath

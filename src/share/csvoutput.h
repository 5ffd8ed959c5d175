// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The buffer a CSV writer fills: whole lines are gathered in memory and handed
// to the device a megabyte at a time, so that memory stays the same however
// many rows are written. It reports the rows written and stops when the work
// is cancelled or the device fails.

#include <QByteArray>

class QIODevice;

namespace stagepath {

struct TaskProgress;

class CsvOutput
{
public:
    static constexpr qsizetype chunkSize = 1 << 20;

    CsvOutput(QIODevice *device, TaskProgress *progress);

    // The text of the lines so far; a writer appends whole lines to it.
    QByteArray &buffer() { return m_buffer; }
    // After the line of row rowsDone - 1: hands a full chunk to the device.
    // False when writing should stop (an error or a cancel).
    bool lineDone(qint64 rowsDone)
    {
        return m_buffer.size() < chunkSize || flush(rowsDone);
    }
    // Hands the rest to the device; false on an error or a cancel.
    bool finish(qint64 rowsDone);

private:
    bool flush(qint64 rowsDone);

    QIODevice *m_device;
    TaskProgress *m_progress;
    QByteArray m_buffer;
};

} // namespace stagepath

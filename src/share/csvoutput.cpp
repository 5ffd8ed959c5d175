// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csvoutput.h"

#include "taskprogress.h"

#include <QIODevice>

namespace stagepath {

CsvOutput::CsvOutput(QIODevice *device, TaskProgress *progress)
    : m_device(device)
    , m_progress(progress)
{
    m_buffer.reserve(chunkSize + chunkSize / 4);
}

bool CsvOutput::flush(qint64 rowsDone)
{
    if (m_progress) {
        m_progress->advanceTo(rowsDone);
        if (m_progress->isCancelled())
            return false;
    }
    const bool written = m_device->write(m_buffer) == m_buffer.size();
    m_buffer.resize(0); // keeps the capacity
    return written;
}

bool CsvOutput::finish(qint64 rowsDone)
{
    return flush(rowsDone);
}

} // namespace stagepath

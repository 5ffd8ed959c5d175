// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "edgecsv.h"

#include "csvformat.h"
#include "csvoutput.h"
#include "taskprogress.h"

#include <QIODevice>

#include <charconv>

namespace stagepath {

namespace {

void appendWhole(QByteArray &out, qint64 number)
{
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, number).ptr;
    out.append(text, end - text);
}

} // namespace

bool writeEdgeCsv(const EdgeData &edges, const QStringList &headers, QIODevice *device, TaskProgress *progress)
{
    const GraphShape &shape = edges.shape;
    if (progress)
        progress->total.store(shape.edgeCount());
    CsvOutput out(device, progress);
    out.buffer() += csv::line(headers);
    qint64 row = 0;
    for (int stage = 0; stage < shape.stageCount(); ++stage) {
        const qint64 firstFrom = shape.globalBox(stage, 0);
        const qint64 firstTo = shape.globalBox(stage + 1, 0);
        for (qint64 from = 0; from < shape.boxCount(stage); ++from) {
            for (qint64 to = 0; to < shape.boxCount(stage + 1); ++to, ++row) {
                QByteArray &line = out.buffer();
                if (edges.isMissing(row))
                    ; // a road that does not exist: an empty field
                else if (edges.isNumber(row))
                    csv::appendNumber(line, edges.value(row));
                else
                    csv::appendField(line, edges.text(row).toUtf8());
                line += ',';
                appendWhole(line, firstFrom + from);
                line += ',';
                appendWhole(line, firstTo + to);
                line += ',';
                appendWhole(line, stage + 1);
                line += csv::lineEnd;
                if (!out.lineDone(row + 1))
                    return false;
            }
        }
    }
    return out.finish(row);
}

} // namespace stagepath

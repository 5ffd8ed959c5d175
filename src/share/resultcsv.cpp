// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultcsv.h"

#include "csvformat.h"
#include "csvoutput.h"
#include "taskprogress.h"

#include "solver/resulttable.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace stagepath {

ListedPaths ListedPaths::of(const ResultTable &table)
{
    ListedPaths paths;
    paths.edges = table.snapshot();
    paths.rowCount = table.pathCount();
    for (int c = 0; c < table.columnCount(); ++c)
        paths.headers << table.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    paths.firstCellEdits = table.firstCellEdits();
    return paths;
}

namespace {

// Many short texts in one block: the CSV form of every edge value, or the
// number of every box, each worked out once.
class TextPool
{
public:
    void add(QByteArrayView text)
    {
        m_text.append(text.data(), text.size());
        m_ends.push_back(m_text.size());
    }
    QByteArrayView operator[](qint64 i) const
    {
        const qsizetype begin = i == 0 ? 0 : m_ends[size_t(i) - 1];
        return QByteArrayView(m_text.constData() + begin, m_ends[size_t(i)] - begin);
    }

private:
    QByteArray m_text;
    std::vector<qsizetype> m_ends;
};

TextPool valueTexts(const EdgeData &edges)
{
    TextPool pool;
    QByteArray text;
    for (qint64 row = 0; row < edges.shape.edgeCount(); ++row) {
        text.resize(0);
        if (edges.isNumber(row))
            csv::appendNumber(text, edges.value(row));
        else
            text = edges.text(row).toUtf8();
        pool.add(text);
    }
    return pool;
}

TextPool boxTexts(const EdgeData &edges)
{
    TextPool pool;
    char text[24];
    for (qint64 box = 1; box <= edges.shape.totalBoxes(); ++box) {
        if (edges.names)
            pool.add(edges.boxLabel(box).toUtf8());
        else
            pool.add(QByteArrayView(text, std::to_chars(text, text + sizeof text, box).ptr - text));
    }
    return pool;
}

// Whether a box label needs quoting in a CSV field (a name may hold a comma
// or a quote).
bool needsQuotes(const EdgeData &edges)
{
    if (!edges.names)
        return false;
    return std::any_of(edges.names->begin(), edges.names->end(), [](const QString &name) {
        return name.contains(u',') || name.contains(u'"');
    });
}

// Writes the rows one after the other, the box positions counted up like
// the digits of an odometer (the last column turning fastest). Consecutive
// rows share all but their last stages, so the texts and the running totals
// of a row are kept by stage and only the stages whose boxes changed are
// worked out again.
class ResultRowWriter
{
public:
    explicit ResultRowWriter(const ListedPaths &paths)
        : m_paths(paths)
        , m_shape(paths.edges->shape)
        , m_stages(m_shape.stageCount())
        , m_values(valueTexts(*paths.edges))
        , m_boxes(boxTexts(*paths.edges))
        , m_positions(size_t(m_shape.columnCount()), 0)
        , m_cellStart(size_t(m_stages), 0)
        , m_pathStart(size_t(m_stages), 0)
        , m_totals(size_t(m_stages), 0)
    {
        m_quoted = needsQuotes(*paths.edges);
        if (paths.edges->hasMissing()) {
            m_index = PathIndex(*paths.edges);
            m_index.positions(0, m_positions);
        }
        for (qint64 edge = 0; edge < m_shape.edgeCount() && !m_quoted; ++edge) {
            const QByteArrayView value = m_values[edge];
            m_quoted = value.contains(',') || value.contains('"') || value.contains('\r') || value.contains('\n');
        }
        rebuildFrom(0);
    }

    void appendRow(qint64 row, QByteArray &line)
    {
        const auto edit = m_paths.firstCellEdits.constFind(row);
        if (edit != m_paths.firstCellEdits.constEnd()) {
            csv::appendField(line, csv::cellText(*edit));
            line.append(m_cells.constData() + m_firstCellSize, m_cells.size() - m_firstCellSize);
        } else {
            line += m_cells;
        }
        csv::appendNumber(line, m_totals.back());
        line += ',';
        if (m_quoted)
            csv::appendField(line, m_path);
        else
            line += m_path;
        line += csv::lineEnd;
    }

    void advance()
    {
        if (m_index.skipsMissingRoads()) {
            // Only real paths: the next row's boxes from the listing's counts.
            if (++m_row >= m_index.pathCount())
                return;
            m_index.positions(m_row, m_next);
            size_t c = 0;
            while (c < m_next.size() && m_next[c] == m_positions[c])
                ++c;
            if (c == m_next.size())
                return;
            m_positions.swap(m_next);
            rebuildFrom(std::max(0, int(c) - 1));
            return;
        }
        for (size_t c = m_positions.size(); c-- > 0;) {
            if (++m_positions[c] < m_shape.boxCount(int(c))) {
                rebuildFrom(std::max(0, int(c) - 1)); // the stages into and out of column c
                return;
            }
            m_positions[c] = 0;
        }
    }

private:
    // The cells, the path text and the running totals from a stage on.
    void rebuildFrom(int first)
    {
        if (first == 0) {
            m_cells.resize(0);
            m_path.resize(0);
            m_path += m_boxes[m_shape.globalBox(0, m_positions[0]) - 1];
        } else {
            m_cells.resize(m_cellStart[size_t(first)]);
            m_path.resize(m_pathStart[size_t(first)]);
        }
        const EdgeData &edges = *m_paths.edges;
        for (int s = first; s < m_stages; ++s) {
            const qint64 edge = m_shape.edgeRow(s, m_positions[size_t(s)], m_positions[size_t(s) + 1]);
            const QByteArrayView value = m_values[edge];
            m_totals[size_t(s)] = s == 0 ? edges.value(edge) : edges.value(edge) + m_totals[size_t(s) - 1];
            m_cellStart[size_t(s)] = m_cells.size();
            csv::appendField(m_cells, value);
            if (s == 0)
                m_firstCellSize = m_cells.size();
            m_cells += ',';
            m_pathStart[size_t(s)] = m_path.size();
            m_path += " (";
            m_path.append(value.data(), value.size());
            m_path += ") ";
            m_path += m_boxes[m_shape.globalBox(s + 1, m_positions[size_t(s) + 1]) - 1];
        }
    }

    const ListedPaths &m_paths;
    const GraphShape &m_shape;
    const int m_stages;
    TextPool m_values;
    TextPool m_boxes;
    bool m_quoted = false; // a value would need quotes in the path text
    std::vector<qint64> m_positions;
    PathIndex m_index;           // with missing roads only: the rows of the real paths
    qint64 m_row = 0;
    std::vector<qint64> m_next;
    QByteArray m_cells;                // "v1,v2,…,vN," of the current row
    QByteArray m_path;                 // its path text
    std::vector<qsizetype> m_cellStart; // where each stage's cell begins in m_cells
    std::vector<qsizetype> m_pathStart; // where each stage's " (v) b" begins in m_path
    std::vector<double> m_totals;       // the total up to each stage, added up left to right
    qsizetype m_firstCellSize = 0;
};

} // namespace

bool writeResultCsv(const ListedPaths &paths, QIODevice *device, TaskProgress *progress)
{
    if (progress)
        progress->total.store(paths.rowCount);
    CsvOutput out(device, progress);
    out.buffer() += csv::line(paths.headers);
    if (!paths.edges || paths.rowCount == 0)
        return out.finish(0);
    ResultRowWriter rows(paths);
    for (qint64 row = 0; row < paths.rowCount; ++row) {
        rows.appendRow(row, out.buffer());
        if (!out.lineDone(row + 1))
            return false;
        rows.advance();
    }
    return out.finish(paths.rowCount);
}

} // namespace stagepath

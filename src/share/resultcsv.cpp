#include "resultcsv.h"

#include "csvformat.h"
#include "csvoutput.h"
#include "taskprogress.h"

#include "solver/resulttable.h"

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

TextPool boxTexts(const GraphShape &shape)
{
    TextPool pool;
    char text[24];
    for (qint64 box = 1; box <= shape.totalBoxes(); ++box)
        pool.add(QByteArrayView(text, std::to_chars(text, text + sizeof text, box).ptr - text));
    return pool;
}

// Writes the rows one after the other, the box positions counted up like
// the digits of an odometer (the last column turning fastest).
class ResultRowWriter
{
public:
    explicit ResultRowWriter(const ListedPaths &paths)
        : m_paths(paths)
        , m_shape(paths.edges->shape)
        , m_values(valueTexts(*paths.edges))
        , m_boxes(boxTexts(m_shape))
        , m_positions(size_t(m_shape.columnCount()), 0)
    {
    }

    void appendRow(qint64 row, QByteArray &line)
    {
        const EdgeData &edges = *m_paths.edges;
        const int stages = m_shape.stageCount();
        double total = 0;
        m_path.resize(0);
        m_path += m_boxes[m_shape.globalBox(0, m_positions[0]) - 1];
        for (int s = 0; s < stages; ++s) {
            const qint64 edge = m_shape.edgeRow(s, m_positions[size_t(s)], m_positions[size_t(s) + 1]);
            total = s == 0 ? edges.value(edge) : edges.value(edge) + total;
            const QByteArrayView value = m_values[edge];
            appendFirstOrValue(row, s, value, line);
            line += ',';
            m_path += " (";
            m_path.append(value.data(), value.size());
            m_path += ") ";
            m_path += m_boxes[m_shape.globalBox(s + 1, m_positions[size_t(s) + 1]) - 1];
        }
        csv::appendNumber(line, total);
        line += ',';
        csv::appendField(line, m_path);
        line += csv::lineEnd;
    }

    void advance()
    {
        for (size_t c = m_positions.size(); c-- > 0;) {
            if (++m_positions[c] < m_shape.boxCount(int(c)))
                return;
            m_positions[c] = 0;
        }
    }

private:
    void appendFirstOrValue(qint64 row, int stage, QByteArrayView value, QByteArray &line) const
    {
        if (stage == 0 && !m_paths.firstCellEdits.isEmpty()) {
            const auto edit = m_paths.firstCellEdits.constFind(row);
            if (edit != m_paths.firstCellEdits.constEnd()) {
                csv::appendField(line, csv::cellText(*edit));
                return;
            }
        }
        csv::appendField(line, value);
    }

    const ListedPaths &m_paths;
    const GraphShape &m_shape;
    TextPool m_values;
    TextPool m_boxes;
    std::vector<qint64> m_positions;
    QByteArray m_path;
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

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The staged graph as the tables hold it: box counts per column and one value
// per edge, edges ordered by stage, then by left box, then by right box.
// Only what is not derivable from the row number is stored: the value of each
// edge as a double and, sparsely, the text of the values that the user typed
// differently from the number's general form ("07", "abc", "4,50").
// A road that does not exist holds the value +infinity and shows as "-".

#include <QHash>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace stagepath {

// Shape of the graph: columns of boxes and the edge rows they imply.
class GraphShape
{
public:
    GraphShape() = default;
    explicit GraphShape(std::vector<qint64> boxCounts);

    int columnCount() const { return int(m_counts.size()); }    // N + 1
    int stageCount() const { return qMax(0, columnCount() - 1); } // N
    qint64 boxCount(int column) const { return m_counts[size_t(column)]; } // 0-based column
    const std::vector<qint64> &boxCounts() const { return m_counts; }

    // Global box number (1-based) of the box at 0-based position j of 0-based column c.
    qint64 globalBox(int column, qint64 position) const { return m_firstBox[size_t(column)] + position + 1; }
    qint64 totalBoxes() const { return m_firstBox.empty() ? 0 : m_firstBox.back(); }
    qint64 largestColumn() const;

    qint64 edgeCount() const { return m_stageStart.empty() ? 0 : m_stageStart.back(); }
    // First edge row (0-based) of 0-based stage s; stageStart(stageCount()) == edgeCount().
    qint64 stageStart(int stage) const { return m_stageStart[size_t(stage)]; }
    qint64 stageEdgeCount(int stage) const { return m_stageStart[size_t(stage) + 1] - m_stageStart[size_t(stage)]; }
    // Edge row (0-based) from box j of column s to box k of column s + 1 (all 0-based).
    qint64 edgeRow(int stage, qint64 j, qint64 k) const
    {
        return m_stageStart[size_t(stage)] + j * m_counts[size_t(stage) + 1] + k;
    }

    struct Edge {
        int stage;      // 0-based stage, also the left column
        qint64 from;    // 0-based position in the left column
        qint64 to;      // 0-based position in the right column
    };
    // Which edge a row (0-based) is; the row must be < edgeCount().
    Edge edgeAt(qint64 row) const;

    // Number of paths through the graph, saturated at the given cap (so that a
    // graph with more paths than fit in 64 bits still compares correctly).
    qint64 pathCount(qint64 cap = std::numeric_limits<qint64>::max()) const;

private:
    std::vector<qint64> m_counts;
    std::vector<qint64> m_firstBox;    // size columnCount() + 1: boxes before column c
    std::vector<qint64> m_stageStart;  // size stageCount() + 1
};

// The value a road that does not exist holds: larger than every number a
// cell can hold, so that a shortest path never takes it by accident. Code
// that adds values asks isMissing() first.
inline constexpr double kMissingRoad = std::numeric_limits<double>::infinity();

// True when a cell text, trimmed, is "-": the road does not exist.
bool isMissingRoadText(QStringView text);

// What a value cell's text holds: the number (NaN when the text is neither a
// number nor "-", kMissingRoad for "-"), read with the given locale.
double edgeValueOfText(QStringView text, const QLocale &locale = QLocale());

// The box names, by 0-based global box; an empty name (or a box beyond the
// list) is shown by its number.
using BoxNames = std::vector<QString>;
using BoxNamesPtr = std::shared_ptr<const BoxNames>;

// The edge values, shared copy-on-write between the edge table and the
// snapshots taken by the result table and the drawing.
struct EdgeData {
    GraphShape shape;
    // Value of each edge as read from its text; NaN where the text is not a
    // number, kMissingRoad where the road does not exist.
    std::vector<double> values;
    // Edge row -> text, only where the text is not formatNumber(value) (or,
    // for a missing road, not exactly "-").
    QHash<qint64, QString> texts;
    // The boxes' names; null when no box has one.
    BoxNamesPtr names;

    QString text(qint64 row) const;
    double value(qint64 row) const { return values[size_t(row)]; }
    // A number or a missing road: something the solver can work with.
    bool isNumber(qint64 row) const;
    bool isMissing(qint64 row) const { return values[size_t(row)] == kMissingRoad; }
    bool hasMissing() const;
    // First row (0-based) whose text is neither a number nor "-", if any.
    std::optional<qint64> firstNonNumber() const;

    // The label of a box in path texts and on its circle: its name, or its
    // 1-based global number when it has none.
    QString boxLabel(qint64 globalBox) const;
    bool hasNames() const;
};

using EdgeDataPtr = std::shared_ptr<const EdgeData>;

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dynamic program as a textbook writes it, stage by stage, in either
// direction:
// - forward ("İleri"): f(s) is the best total of a partial path from the
//   first column to box s, 0 in the first column; the steps solve the
//   columns from the first to the last, each from the column before it;
// - backward ("Geri"): f(s) is the best total of a partial path from box s
//   to the last column, 0 in the last column; the steps solve the columns
//   from the last to the first, each from the column after it.
// A step's tableau has one row per box of the column it solves and one
// candidate per box x of the neighbouring column: the road between them plus
// f(x), none where the road does not exist or x has no path. The row's best
// is f(s) and its choices are the candidates that equal it. Candidates are
// compared as the result table writes totals (writtentotal.h): two tie when
// their written totals are equal, so that ties here are the ties of "Çiz".
//
// Totals are doubles added along the recursion: forward, left to right as
// the listing adds a path's values; backward, right to left. The marked path
// is the first best path in table order (column 1 most significant) among
// those made of chosen roads. Counts are held at 2^63 ("more than").
//
// Everything is computed in one pass over the edges; a stage's candidates
// are worked out when asked, without building the stage.

#include "model/graphdata.h"
#include "pathmode.h"

#include <QString>
#include <QtGlobal>

#include <vector>

namespace stagepath {

enum class Recursion { Forward, Backward };

class StageProgram
{
public:
    static constexpr quint64 countLimit = quint64(1) << 63;

    // The snapshot's values must be numbers or missing roads.
    StageProgram(EdgeDataPtr data, PathMode mode, Recursion recursion);

    const EdgeData &data() const { return *m_data; }
    const EdgeDataPtr &snapshot() const { return m_data; }
    const GraphShape &shape() const { return m_data->shape; }
    PathMode mode() const { return m_mode; }
    Recursion recursion() const { return m_recursion; }

    // Boxes are numbered from 0 here (the global box number minus 1).
    bool reachable(qint64 box) const { return m_reachable[size_t(box)]; }
    double best(qint64 box) const { return m_best[size_t(box)]; } // meaningful when reachable
    quint64 tieCount(qint64 box) const { return m_ties[size_t(box)]; } // best partial paths; 0 without one
    // The first neighbour (0-based box) that gives the best; -1 for none and
    // in the column the recursion starts from.
    qint64 firstChoice(qint64 box) const { return m_first[size_t(box)]; }

    bool hasPath() const { return !m_positions.empty(); }
    double total() const { return m_total; }
    quint64 pathCount() const { return m_pathCount; }
    // The marked path: 0-based positions, one per column; empty without a path.
    const std::vector<qint64> &positions() const { return m_positions; }

    // Steps 1 ... stepCount(): the column each solves (0-based), and the
    // column it is solved from (-1 at step 1).
    int stepCount() const { return shape().columnCount(); }
    int solvedColumn(int step) const;
    int neighbourColumn(int step) const;
    // Steps solved by step "step" hold this column.
    bool isSolvedBy(int column, int step) const;

    // The road between box `row` of the solved column and box `neighbour` of
    // the neighbouring column (positions), and the candidate it makes; false
    // when there is no candidate (a missing road or a neighbour without path).
    qint64 roadRow(int step, qint64 row, qint64 neighbour) const;
    bool candidate(int step, qint64 row, qint64 neighbour, double *total) const;
    bool isChoice(int step, qint64 row, qint64 neighbour) const;
    // The neighbours (positions) that give the row's best, in box order, at
    // most `limit` of them; *count gets how many there are.
    std::vector<qint64> choices(int step, qint64 row, qint64 limit, qint64 *count = nullptr) const;

    // Whether two totals are written alike.
    static bool tie(double a, double b);

private:
    bool better(double a, double b) const { return m_mode == PathMode::Longest ? a > b : a < b; }
    void solveForward();
    void solveBackward();
    void markForwardPath();
    void markBackwardPath();
    qint64 firstBox(int column) const { return shape().globalBox(column, 0) - 1; }

    EdgeDataPtr m_data;
    PathMode m_mode;
    Recursion m_recursion;
    std::vector<double> m_best;
    std::vector<bool> m_reachable;
    std::vector<quint64> m_ties;
    std::vector<qint64> m_first;
    std::vector<qint64> m_positions;
    double m_total = 0;
    quint64 m_pathCount = 0;
};

// The recurrence of one row of a step, with its numbers, in the window's
// language: "f(4) = min{ f(2) + 7, f(3) + 1 } = min{ 9, 5 } = 5" forward,
// "f(1) = min{ 2 + f(2), 4 + f(3) } = ..." backward; at most maxTerms terms
// are written, the rest stand as "…".
QString recurrenceText(const StageProgram &program, int step, qint64 row, int maxTerms = 8);

} // namespace stagepath

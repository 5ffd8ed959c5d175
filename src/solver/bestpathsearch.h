// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The search behind "Çiz": the best path and, per box, the best partial
// paths that lead to it, exactly as a scan of the listed totals decides.
//
// The listing adds a path's values left to right in double precision and
// "Çiz" compares the totals as written (15 significant digits, see
// writtentotal.h): two paths tie when their written totals are equal, and
// the first of them in the listing's order (lexicographic on the boxes,
// column 1 most significant) wins.
//
// For every box the search keeps each distinct total of the partial paths
// that reach it within a narrow window above the least one, with the number
// of partial paths that have it and the first of them in the listing's
// order. The window is wide enough (see windowAt) that every partial
// path that can still tie with a best one, at this box or at any later box,
// lies in it: a later, larger value can make totals that differ here be
// written alike there. For whole values and for values with a few decimals
// the window holds just the least total (and the doubles that its decimal
// sum rounds to along different orders).
//
// A missing road (+inf) is never carried over: a box that no real path
// reaches keeps +inf as its least total, no tie and no previous box, and
// when no real path reaches the last column there is no best path.
//
// Per box ("Kutu"), in global box order:
//  - the best total: the least (longest mode: greatest) total of a partial
//    path from column 1 to the box, 0 in column 1;
//  - the best partial paths: those whose written total equals that of the
//    best total; their number, exact up to 2^63 - 1 and held at 2^63 beyond;
//  - the previous box: the box before this one on the first best partial path.
// For the whole graph: the best total, the number of best full paths, the
// first of them (the path that "Çiz" marks: following the previous boxes
// back from its last box gives it), and the edges that lie on some best full
// path.
//
// The one place where these cannot all hold: two partial paths into a box
// whose written totals differ there can end with one written total, when a
// later, larger value makes the 15 digits too coarse to tell them apart. The
// path that "Çiz" marks can then reach a box by a partial path that is not
// among that box's best ones (its written total there is larger), or not by
// the first of them (that one, though written alike, ends above the best
// written total). For the boxes on the marked path, the previous box is then
// the one before the box on the marked path, so that the chain back still
// gives that path; counts and best totals keep their definition. It takes
// totals of 10^15 or more, or decimal totals whose rounding errors, grown
// over many stages, reach the 15th digit at a box and are swallowed later:
// whole values below 10^15 never meet it.
//
// Near-best totals are kept up to a budget of about two million beyond one
// per box; a graph that needs more (values near the double range, or huge
// values mixed with small ones over many stages) gets no further ones, and
// exact() says so: counts can then come out too small.

#include "model/graphdata.h"
#include "pathmode.h"

#include <QtGlobal>

#include <limits>
#include <vector>

namespace stagepath {

class BestPathSearch
{
public:
    // EveryBox computes the per-box summaries and the edges on best paths as
    // well; BestPath only what the best path needs.
    enum class Detail { BestPath, EveryBox };

    // Counts are held at this value; it stands for "more than 2^63 - 1".
    static constexpr quint64 countLimit = quint64(1) << 63;

    BestPathSearch(const EdgeData &data, PathMode mode, Detail detail = Detail::EveryBox);

    // False when nothing could be computed: no column, a column without
    // boxes, a value that is not a number, or a total beyond the double range.
    bool computed() const { return m_computed; }
    // A best full path exists (computed, and at least one stage).
    bool hasPath() const { return m_bestEntry >= 0; }
    bool exact() const { return m_exact; }
    // Some road does not exist (seen on the search's own pass over the values).
    bool hasMissingRoads() const { return m_missingRoads; }

    const GraphShape &shape() const { return m_shape; }
    // Boxes are numbered from 0 here (the global box number minus 1).
    int columnOf(qint64 box) const;
    double bestTotal(qint64 box) const; // an infinity where no real path reaches the box
    bool reached(qint64 box) const { return m_least[size_t(box)] != std::numeric_limits<double>::infinity(); }
    quint64 tieCount(qint64 box) const { return m_boxTies[size_t(box)]; }
    qint64 previousBox(qint64 box) const { return m_boxPrevious[size_t(box)]; } // -1 in column 1
    qint64 chosenEdge(qint64 box) const; // edge row from the previous box; -1 in column 1

    // The path that "Çiz" marks: 0-based box positions, one per column.
    const std::vector<qint64> &positions() const { return m_positions; }
    double total() const; // its total as the listing adds it
    quint64 pathCount() const { return m_pathCount; } // best full paths
    bool onBestPath(qint64 edgeRow) const
    {
        return (m_edgeBits[size_t(edgeRow) / 64] >> (edgeRow % 64)) & 1;
    }

private:
    // The kept totals of one column, box after box, each box's in increasing
    // order; entries are numbered across all columns from first on.
    struct Column {
        qint32 first = 0;
        std::vector<double> total;
        std::vector<quint64> count; // partial paths with exactly this total
        std::vector<qint32> rank;   // order of the first of them among the column's entries
        void clear(qint32 start);
    };

    template <bool Negate>
    void search(const EdgeData &data, Detail detail);
    void startFirstColumn(Detail detail);
    template <bool Negate>
    void extendTo(const EdgeData &data, int column, Detail detail, double window);
    void mergeIntoHead(qint64 x, qint32 entry);
    void keepExtra(qint64 x, qint32 entry, double total);
    void addEntry(double total, quint64 count, qint32 pred, Detail detail);
    void finishColumn(int column, Detail detail);
    void rankColumn();
    void summarizeColumn(int column);
    void chooseBestPath();
    template <bool Negate>
    void markBestEdges(const EdgeData &data);
    static double totalsBound(double sumOfLargest);
    double windowAt(double bound, int column) const;
    qint64 firstBox(int column) const { return m_columnFirst[size_t(column)]; }
    qint64 boxOfEntry(qint32 entry, int column) const;

    GraphShape m_shape;
    std::vector<qint64> m_columnFirst; // first box of each column; one more at the end
    double m_sign = 1;                 // -1 in the longest mode: totals are held negated
    bool m_computed = false;
    bool m_exact = true;
    bool m_missingRoads = false;

    std::vector<double> m_least;  // per box: the least total, negated in the longest mode

    std::vector<qint32> m_boxEntries; // per box: its first entry; one more at the end
    std::vector<qint32> m_entryPred;  // per entry: the entry its first path comes through; -1 in column 1
    std::vector<double> m_entryTotal; // per entry, kept for the per-box detail only
    Column m_previous;
    Column m_current;
    qint64 m_extraBudget = 0;

    // Scratch for one stage.
    struct Extra {
        qint32 x;
        qint32 pred;
        double total;
    };
    std::vector<double> m_limit;
    std::vector<quint64> m_headCount;
    std::vector<qint32> m_headPred;
    std::vector<qint32> m_headRank;
    std::vector<Extra> m_extra;
    std::vector<qint32> m_rankStart;

    std::vector<quint64> m_boxTies;
    std::vector<qint32> m_boxPrevious;
    std::vector<quint64> m_edgeBits;

    qint32 m_bestEntry = -1;
    double m_bestTotal = 0;
    quint64 m_pathCount = 0;
    std::vector<qint64> m_positions;
};

} // namespace stagepath

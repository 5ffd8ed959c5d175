// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The exercise's checker: the best totals of every box worked out again with
// the roads that do not exist left out, and the student's answers judged
// against them.
//
// Every box's best total and tie count come from the stage program
// (stagetableau.h), forward for the totals from column 1 and backward for
// the totals on to the last column; totals are compared as the result table
// writes them (StageProgram::tie), so that a path is best when its written
// total equals the least (longest mode: greatest) written total of every full
// path on existing roads. Adding a value is monotone in double arithmetic, so
// a box's least total is exactly the least listed sum into it, and the
// verdict "best" agrees with "Çiz" wherever "Çiz" sees the same roads.
//
// The column where a path leaves every best path and the number of best
// paths are worked out from the boxes' totals forward and backward; for whole
// values (and every total below 10^15 without rounding) they are exact. Only
// where decimal rounding errors reach the 15th digit can they be off by the
// paths whose partial totals differ and whose full totals are written alike.

#include "model/graphdata.h"
#include "pathmode.h"
#include "stagetableau.h"

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace stagepath {

// The first problem of a path answer, in the order the student is told them.
enum class PathProblem {
    None,         // right
    Empty,        // path or total not given
    Unsolvable,   // the lesson itself has no computable best path
    UnknownBox,   // a word of the path names no box
    NotAPath,     // not one box per column from the first column to the last
    MissingRoad,  // a road on the path does not exist
    BadTotal,     // the total is not a number
    WrongTotal,   // the total is not the path's sum
    NotBest,      // a path, rightly added, but not a best one
};

// One choice compared where a path leaves the best paths: going on to a box,
// and the best full total that choice can still reach.
struct PathCandidate {
    qint64 box = 0;     // 0-based global box
    double total = 0;   // best full total through the path's prefix and this box
    bool best = false;
    bool chosen = false;
};

struct PathVerdict {
    PathProblem problem = PathProblem::Empty;
    QString text;                  // the first problem, or the praise, in words
    std::vector<qint64> boxes;     // 0-based global boxes as read (as far as they could be)
    int column = -1;               // 0-based column the problem lies in, where there is one
    qint64 fromBox = -1, toBox = -1; // the missing road
    double pathTotal = 0;          // the path's sum, once it is a path on existing roads
    quint64 bestPathCount = 0;     // best full paths (held at 2^63)
    std::vector<PathCandidate> candidates; // NotBest: the choices at `column`

    // "right", "wrong" or "incomplete".
    QString verdictName() const;
};

// A box's best total and the ways into it, for the typed box totals.
struct BoxCandidate {
    qint64 from = 0;  // 0-based global box of the previous column
    double before = 0; // its best total
    double value = 0;  // the road's value
    double total = 0;  // before + value
};

class ExerciseCheck
{
public:
    static constexpr quint64 countLimit = quint64(1) << 63;

    ExerciseCheck(const EdgeData &data, PathMode mode);

    // False when the lesson cannot be worked out (no column, a column
    // without boxes, a value that is not a number); problemText() says why.
    bool computed() const { return m_computed; }
    QString problemText() const { return m_problem; }
    // Some full path on existing roads exists.
    bool hasPath() const;
    double bestTotal() const;           // as the listing adds it; needs hasPath()
    quint64 bestPathCount() const { return m_bestCount; }

    // A box's best total; reachable() is false when no existing road leads
    // there from column 1.
    bool reachable(qint64 box) const;
    double boxTotal(qint64 box) const;
    // The best total as the step table writes it: the number, or "-" when
    // the box cannot be reached.
    QString boxTotalText(qint64 box) const;
    // Whether a typed box total is right (empty text: not judged, false).
    bool boxTotalRight(qint64 box, const QString &typed, const QLocale &locale = QLocale()) const;
    // The ways into a box from the previous column, in box order.
    std::vector<BoxCandidate> boxCandidates(qint64 box) const;
    // Those candidates in words, for a tooltip.
    QString boxCandidatesText(qint64 box) const;

    PathVerdict checkPath(const QString &pathText, const QString &totalText,
                          const QLocale &locale = QLocale()) const;

    // The words of a path text, separated by "-", "," or white space.
    static QStringList pathWords(const QString &pathText);
    // The 0-based global box a word names: a box name (one of the expected
    // column first), else a 1-based box number; -1 when none.
    qint64 boxOfWord(const QString &word, int expectedColumn) const;
    int columnOf(qint64 box) const;

private:
    const EdgeData &m_data;
    PathMode m_mode;
    bool m_computed = false;
    QString m_problem;
    std::vector<qint64> m_first;  // first 0-based box of each column; one more at the end
    std::optional<StageProgram> m_ahead;  // forward: best totals from column 1
    std::optional<StageProgram> m_behind; // backward: best totals on to the last column
    bool m_hasBest = false;
    double m_best = 0;
    quint64 m_bestCount = 0;

    bool better(double a, double b) const { return m_mode == PathMode::Longest ? a > b : a < b; }
    double road(int stage, qint64 j, qint64 k) const; // kMissingRoad where the road does not exist
    void noteNotBest(PathVerdict &verdict) const;
};

} // namespace stagepath

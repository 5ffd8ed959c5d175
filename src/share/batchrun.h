// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The batch mode: a lesson file solved and exported without a window.
//
//   stagepath --solve FILE                 the best path as "Toplam: …" and "Yol: …"
//   stagepath --export-picture OUT FILE    the drawing with the best path in red (.png, .svg, .pdf)
//   stagepath --export-results OUT FILE    every path of the result table as CSV
//   stagepath --export-edges OUT FILE      the edge table as CSV
//   --longest, --shortest                  that mode instead of the lesson's one
//   --all-best                             with --solve: one "Yol: …" line per tied best path
//   stagepath --new-exercise OUT --boxes 1,3,3,2,1 --values 1..20 [--missing PERCENT]
//             [--unique] [--longest] [--seed N]
//                                          a new exercise (exercisegenerator.h); prints "Seed: N"
//   stagepath --worksheet OUT.pdf [--key KEY.pdf] FILE…
//                                          the worksheet and answer key of the lessons (worksheet.h)
//
// --solve writes "Mod: En Kısa Yol" (or "En Uzun Yol"), "Toplam: …" and
// "Yol: …". A lesson whose missing roads leave no path at all ends with
// status 3 (and one line on standard error).
//
// The options combine; the best path is found once for all of them. The
// lesson is checked the way "Çiz" checks it (every value a number, no total
// beyond the double range) before anything is written, and the files are
// kept only when every one of them was written whole. Qt Gui without a
// window: the caller runs it on the offscreen platform.

#include <QString>
#include <QStringList>

namespace stagepath {

struct BatchRequest {
    QString lessonFile;
    bool solve = false;
    bool longest = false;
    bool shortest = false;
    bool allBest = false; // every tied best path, in table order (at most maxBestPaths)
    QString picture; // output files; empty when not asked for
    QString results;
    QString edges;
    // A new exercise: the file, and the options as typed (a null string when not given).
    QString newExercise;
    QString boxes;
    QString values;
    QString missing;
    QString seed;
    bool unique = false;
    // Worksheets: the files, and the lessons one page each.
    QString worksheet;
    QString key;
    QStringList lessonFiles;

    // Whether anything is asked that the batch mode does.
    bool isBatch() const
    {
        return solve || !picture.isEmpty() || !results.isEmpty() || !edges.isEmpty() || !newExercise.isEmpty()
            || !worksheet.isEmpty();
    }
};

inline constexpr qint64 maxBestPaths = 1000;
// The exit status of --solve on a lesson without any path.
inline constexpr int noPathExitCode = 3;

struct BatchResult {
    int exitCode = 0;
    QString output;  // for standard output: the lines of --solve
    QString problem; // one line for standard error; empty on success
};

BatchResult runBatch(const BatchRequest &request);
// The two jobs of exercisebatch.cpp, which runBatch hands on.
BatchResult runNewExercise(const BatchRequest &request);
BatchResult runWorksheet(const BatchRequest &request);

} // namespace stagepath

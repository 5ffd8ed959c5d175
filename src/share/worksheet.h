// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Worksheets: one exercise per page for the student (its number, the drawing
// with the values beside their lines, the mode in words, an empty tableau
// for each stage, name and date lines) and the answer key (the best total,
// every tied best path, the filled tableaux). The content is gathered as
// text first (tests read it there), then painted into a PDF.
//
// The tableaux follow the textbook's backward recursion: the last stage
// first; one row per box of the column being solved, one column per box of
// the next column (that candidate's road value plus the neighbour's best
// total onwards), then "En iyi" and "Seçilen".

#include "lesson/lesson.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;
class QLocale;

namespace stagepath {

struct WorksheetTableau {
    QString title;
    QStringList headers;
    std::vector<QStringList> rows; // on the sheet, every cell but the box's own is empty
};

struct WorksheetExercise {
    int number = 0;
    Lesson lesson;
    QString modeText;   // the mode in words
    std::vector<WorksheetTableau> tableaux;
    // The key only:
    QString totalLine;  // the best total, or that there is no path
    QStringList paths;  // every tied best path's text, in table order (at most maxPaths)
    QString morePaths;  // how many were left out, when any
};

namespace worksheet {
inline constexpr qint64 maxPaths = 1000;
inline constexpr qint64 maxColumns = 12;        // a lesson larger than this does not fit a page
inline constexpr qint64 maxBoxesPerColumn = 10;
} // namespace worksheet

// Why a lesson cannot be put on a worksheet (Turkish), or empty.
QString worksheetProblem(const Lesson &lesson);

// The sheet's and the key's content of one lesson; number counts from 1.
WorksheetExercise sheetExercise(const Lesson &lesson, int number);
WorksheetExercise keyExercise(const Lesson &lesson, int number);

// Every text that a page of the exercise shows, in reading order (the
// drawing's box labels and values apart).
QStringList exerciseTexts(const WorksheetExercise &exercise, bool key);

// A4, or Letter where the locale's paper is Letter (the Americas' letter countries, the Philippines).
QPageSize::PageSizeId paperFor(const QLocale &locale);

// Writes the pages as PDF, one exercise (at least one page) each.
bool writeWorksheetPdf(const std::vector<WorksheetExercise> &exercises, bool key, QIODevice *device,
                       QPageSize::PageSizeId paper);

// Writes the sheet and, when keyFile is not empty, the key; both through
// QSaveFile, kept only when both were written whole. Returns why not, or an
// empty string.
QString writeWorksheetFiles(const std::vector<WorksheetExercise> &sheet, const std::vector<WorksheetExercise> &key,
                            const QString &sheetFile, const QString &keyFile);

} // namespace stagepath

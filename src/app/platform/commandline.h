// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's command line, built in one place so that an option is added
// here and nowhere else:
//
//   stagepath [FILE]     the window, with the lesson FILE opened
//   stagepath [--solve] [--longest] [--export-picture OUT] [--export-results OUT]
//             [--export-edges OUT] FILE
//                        the batch mode: no window (share/batchrun.h)
//   stagepath --new-exercise OUT --boxes LIST --values MIN..MAX [--missing PERCENT] [--unique]
//             [--longest] [--seed N]
//   stagepath --worksheet OUT.pdf [--key KEY.pdf] FILE…
//                        the exercises of the batch mode
//   stagepath --help | --version
//
// An option is added to the parser in buildCommandLine and read into the
// request in readCommandLine.

#include "share/batchrun.h"

#include <QString>

class QCommandLineParser;

namespace stagepath {

// What the command line asks for.
struct CommandLineRequest {
    QString lessonFile; // empty: the start-up lesson
    BatchRequest batch; // the work of the batch mode; batch.isBatch() when it is asked for
    QString problem;    // why the command line cannot be used; empty when it can
};

// Sets up the parser: the description, --help, --version, the batch options and FILE.
void buildCommandLine(QCommandLineParser &parser);
// Reads a parsed command line.
CommandLineRequest readCommandLine(const QCommandLineParser &parser);

} // namespace stagepath

#pragma once
// The program's command line, built in one place so that an option is added
// here and nowhere else:
//
//   stagepath [FILE]     the window, with the lesson FILE opened
//   stagepath --help | --version
//
// An option is added to the parser in buildCommandLine and read into the
// request in readCommandLine.

#include <QString>

class QCommandLineParser;

namespace stagepath {

// What the command line asks for.
struct CommandLineRequest {
    QString lessonFile; // empty: the start-up lesson
    QString problem;    // why the command line cannot be used; empty when it can
};

// Sets up the parser: the description, --help, --version and FILE.
void buildCommandLine(QCommandLineParser &parser);
// Reads a parsed command line.
CommandLineRequest readCommandLine(const QCommandLineParser &parser);

} // namespace stagepath

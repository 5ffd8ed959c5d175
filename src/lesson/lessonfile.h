// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Lesson files: JSON in UTF-8, extension ".stagepath", described in
// docs/file-format.md. Reading checks everything the window would refuse and
// names the first problem; writing keeps every text exactly as typed.

#include "lesson.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace stagepath {

namespace lessonfile {
inline constexpr int version = 2;                        // the newest version this program reads
inline constexpr int firstVersion = 1;                   // written when the lesson needs nothing newer
inline constexpr qint64 maxFileSize = 64 * 1024 * 1024;  // bytes; larger files are refused unread
inline constexpr char suffix[] = "stagepath";            // the file name extension, without the dot
} // namespace lessonfile

// A lesson read, or why not (a Turkish sentence; the lesson is then empty).
struct LessonReading {
    std::optional<Lesson> lesson;
    QString problem;
};

// Numbers are read and written by the user's locale (QLocale(), which tests
// set with QLocale::setDefault), as the tables read what is typed.

// Whether the lesson holds what only version 2 files can (a missing road):
// it is then written as version 2, else as version 1 so that older
// programs keep opening it.
bool needsVersion2(const Lesson &lesson);

// Reads the text of a lesson file. The problem does not name a file.
LessonReading readLesson(const QByteArray &json);
// Reads a lesson file; the problem names the file.
LessonReading readLessonFile(const QString &path);

// The text of a lesson file. An entry is written as a JSON number when its
// text is that number in the general form, else as the text.
// A lesson with a road that does not exist ("values" then holds null) is
// written as version 2; any other as version 1, so that older readers keep
// opening it.
QByteArray writeLesson(const Lesson &lesson);
bool needsVersion2(const Lesson &lesson);
// Writes a lesson file through QSaveFile, so that an error leaves an existing
// file as it was. Returns why it could not be written (naming the file), or
// an empty string.
QString writeLessonFile(const QString &path, const Lesson &lesson);

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writing a file whole or not at all. The text goes to a temporary file
// beside the target (QSaveFile), which takes the target's place only when
// everything was written; an error or a cancel removes the temporary file and
// leaves an existing target as it was.

#include <QString>

#include <functional>

class QIODevice;

namespace stagepath {

struct TaskProgress;

struct FileOutcome {
    enum Status { Written, Cancelled, Failed };
    Status status = Written;
    QString problem; // when Failed: a sentence that names the file
};

// Writes path with write(device), which returns false when it could not
// write everything. progress, when given, can cancel the writing.
FileOutcome writeWholeFile(const QString &path, const std::function<bool(QIODevice *)> &write,
                           const TaskProgress *progress = nullptr);

// The sentence for a file that could not be written, for why (a device's
// error string, or a sentence without the final full stop).
QString unwrittenFileMessage(const QString &path, const QString &why);

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "savedfile.h"

#include "taskprogress.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace stagepath {

namespace {

class SavedFile
{
    Q_DECLARE_TR_FUNCTIONS(SavedFile)
};

} // namespace

QString unwrittenFileMessage(const QString &path, const QString &why)
{
    QString reason = why.trimmed();
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return SavedFile::tr("\"%1\" yazılamadı: %2.").arg(QDir::toNativeSeparators(path), reason);
}

FileOutcome writeWholeFile(const QString &path, const std::function<bool(QIODevice *)> &write,
                           const TaskProgress *progress)
{
    const auto cancelled = [progress] { return progress && progress->isCancelled(); };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {FileOutcome::Failed, unwrittenFileMessage(path, file.errorString())};
    const bool written = write(&file);
    if (cancelled()) {
        file.cancelWriting();
        return {FileOutcome::Cancelled, {}};
    }
    if (!written || file.error() != QFileDevice::NoError) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                                                                : SavedFile::tr("çıktı üretilemedi");
        file.cancelWriting();
        return {FileOutcome::Failed, unwrittenFileMessage(path, why)};
    }
    if (!file.commit())
        return {FileOutcome::Failed, unwrittenFileMessage(path, file.errorString())};
    return {};
}

} // namespace stagepath

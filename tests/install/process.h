// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace installtest {

struct Run {
    int code = -1;   // exit code, or -1 when the program crashed or timed out
    QString output;  // standard output and standard error, merged
};

// Runs a tool to completion; QFAILs (via the caller's QVERIFY) when it is missing.
inline Run run(const QString &program, const QStringList &args, int timeoutMs = 60000)
{
    Run r;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted()) {
        r.output = program + QLatin1String(": ") + p.errorString();
        return r;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.output = program + QLatin1String(": timed out\n");
    } else if (p.exitStatus() == QProcess::NormalExit) {
        r.code = p.exitCode();
    }
    r.output += QString::fromUtf8(p.readAll());
    return r;
}

inline bool haveTool(const QString &name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

} // namespace installtest

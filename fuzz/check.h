// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the fuzz targets share: a check that stops the run with a message
// libFuzzer keeps next to the crashing input, and text helpers.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond, ...)                                                      \
    do {                                                                           \
        if (!(cond)) {                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::fprintf(stderr, "  " __VA_ARGS__);                                \
            std::fprintf(stderr, "\n");                                            \
            std::abort();                                                          \
        }                                                                          \
    } while (0)

namespace fuzz {

// For messages: the text as UTF-8 bytes (kept alive by the caller's temporary).
inline QByteArray show(const QString &text) { return text.toUtf8(); }

// Qt's messages: the warning about an invalid index that the targets provoke
// on purpose, and the font engine's notes about scripts the installed fonts
// lack, are dropped; any other warning (a model used against its contract, a
// painter misused) stops the run like a failed check.
inline void strictMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (context.category && qstrcmp(context.category, "qt.core.qabstractitemmodel.checkindex") == 0)
        return;
    if (type == QtWarningMsg && message.contains(QLatin1String("OpenType support missing")))
        return;
    std::fprintf(stderr, "Qt message (%s): %s\n", context.category ? context.category : "", message.toUtf8().constData());
    std::abort();
}

} // namespace fuzz

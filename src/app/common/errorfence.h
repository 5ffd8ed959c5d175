// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one fence between the event loop and the window's work: every entry
// (an action, undo and redo, a document's signal, a worker's result, saving
// and closing) runs inside it, so that no error ever leaves a handler. An
// error of any type becomes a message for the user, in the window's language.

#include <QString>

#include <exception>
#include <functional>

namespace stagepath {

// Says what went wrong, for any error caught.
QString describeError(const std::exception_ptr &error);

// Runs handler; an error it throws is given to report instead. Returns
// whether the handler ran to its end.
template <typename Handler>
bool runFenced(const std::function<void(const QString &)> &report, Handler &&handler)
{
    try {
        handler();
        return true;
    } catch (...) {
        const QString text = describeError(std::current_exception());
        try {
            report(text);
        } catch (...) {
            // Reporting failed as well (no memory left): there is nothing more to say.
        }
        return false;
    }
}

} // namespace stagepath

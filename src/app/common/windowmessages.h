// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's one message box (object name "Message"): a warning says why
// input was refused or work failed, a notice tells a result. The box opens
// window-modal with open() and is reused for the next message.

#include <QObject>
#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

namespace stagepath {

class WindowMessages : public QObject
{
    Q_OBJECT
public:
    explicit WindowMessages(QWidget *window);

    void warn(const QString &text);
    void inform(const QString &text);
    // warn() as a function, for the parts that report their problems.
    std::function<void(const QString &)> warner();

    // Runs handler so that no error ever leaves it: it is warned of instead.
    // Returns whether the handler ran to its end.
    template <typename Handler> bool fenced(Handler &&handler);

private:
    enum class Kind { Warning, Information };
    void show(const QString &text, Kind kind);

    QWidget *m_window;
    QMessageBox *m_box = nullptr; // made at the first message
};

} // namespace stagepath

#include "app/common/errorfence.h"

template <typename Handler>
bool stagepath::WindowMessages::fenced(Handler &&handler)
{
    return runFenced([this](const QString &text) { warn(text); }, std::forward<Handler>(handler));
}

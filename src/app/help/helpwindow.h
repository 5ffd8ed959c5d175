// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help page in a window of its own beside the main window, not modal:
// the page follows the window's language.

#include <QTextBrowser>

namespace stagepath {

class HelpWindow : public QTextBrowser
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
};

} // namespace stagepath

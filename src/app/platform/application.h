// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

namespace stagepath {

// The program's QApplication. The toolkit hands a drop only to the widget
// that accepted the drag before it; a drop that a program sends without one
// (it did not come from the window system) gets that drag first here, so
// that a lesson file dropped that way is opened too.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv) : QApplication(argc, argv) {}
    bool notify(QObject *receiver, QEvent *event) override;
};

// Creates the application and the window, runs the event loop, returns its exit code.
int runApplication(int argc, char *argv[]);

} // namespace stagepath

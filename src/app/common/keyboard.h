// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keyboard use of the window's own controls where the toolkit's defaults fall
// short of what a keyboard user expects.

#include <QKeySequence>
#include <QList>

class QAction;
class QWidget;

namespace stagepath {

// For the push buttons and scroll bars placed directly on `window`:
// - a focused push button is pressed by Return and Enter as well as Space;
// - on a horizontal scroll bar Right scrolls right and Left scrolls left
//   (the toolkit's scroll bars invert their controls so that Up and Page Up
//   scroll back, which turns Left and Right around on a horizontal bar).
void applyKeyboardConventions(QWidget *window);

// A command of the window (a child of it, named objectName) that its
// shortcut triggers wherever the focus is in the window.
QAction *createWindowAction(QWidget *window, const char *objectName, const QKeySequence &shortcut);

// The platform's shortcuts for a standard command, or the common one where
// the platform has none (Save As and Quit have none on some desktops).
QList<QKeySequence> standardShortcuts(QKeySequence::StandardKey key);

} // namespace stagepath

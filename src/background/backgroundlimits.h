// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// When work leaves the window's thread, and when the user is shown that it
// is going on. Every caller reads these, so that a lesson is handled alike
// when it is solved, regenerated or saved.

#include <QtGlobal>

namespace stagepath {

// Work on a lesson of more edges than this (solving, drawing new values,
// writing the file) takes more than a few milliseconds: it runs on a worker
// thread so that no event holds the event loop long.
inline constexpr qint64 workerEdgeThreshold = 100'000;

// Work that ends within this time shows no progress dialog: a dialog that
// flashes up and goes at once only distracts.
inline constexpr int progressDialogDelayMs = 1000;

} // namespace stagepath

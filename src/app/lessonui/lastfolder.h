// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The folder a lesson was last opened or saved in, or a file exported to,
// remembered from one start to the next (the user's settings, key
// "lastFolder"): where the next file dialog opens when the lesson has no
// file of its own.

#include <QString>

namespace stagepath::lastfolder {

// The remembered folder when it still exists, else the documents folder.
QString folder();
// Remembers the folder of a file just written or chosen.
void remember(const QString &fileName);

} // namespace stagepath::lastfolder

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of the help page and the about box, in the window's language
// (through the translators in place), with numbers grouped by the user's
// locale.

#include <QString>

namespace stagepath {

// The help page, as HTML for a QTextBrowser.
QString helpPageHtml();
// The about box: name, version, licence and the libraries used, as HTML.
QString aboutHtml();

} // namespace stagepath

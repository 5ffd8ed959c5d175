// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The edge values that a paste puts into the value cells: the clipboard's
// text split into items at tabs, spaces, line breaks and semicolons (never
// at commas, so that "4,5" stays one Turkish decimal), each a number in the
// given locale or "-" for a road that does not exist.

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace stagepath {

struct PastedValues {
    QStringList items;             // the texts to put into the cells, in order
    std::optional<QString> bad;    // the first item that is neither a number nor "-"
};

PastedValues readPastedValues(QStringView text, const QLocale &locale = QLocale());

} // namespace stagepath

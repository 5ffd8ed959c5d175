// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What stops "Hesaplama Yap" and "Çiz" before anything is listed or chosen,
// as Turkish messages that name the input at fault.

#include "model/graphdata.h"

#include <QString>

#include <optional>

namespace stagepath {

// A column without boxes (only when there is at least one stage): no path
// can be listed.
std::optional<QString> emptyColumnMessage(const GraphShape &shape);

// Why a graph has no path at all (no stage, or a column without boxes);
// nullopt when it has one.
std::optional<QString> noPathMessage(const GraphShape &shape);

// As above, and also when missing roads ("-") cut every path: the message
// names the first column that no real path reaches.
std::optional<QString> noPathMessage(const EdgeData &data);

// The first edge-table row (1-based, as the user counts) whose value is not
// a number.
std::optional<QString> nonNumberMessage(const EdgeData &data);

// Some path's total, added up left to right, goes beyond the double range;
// the message shows such a path. Requires every value to be a number.
std::optional<QString> overflowMessage(const EdgeData &data);

// The checks above in the order in which the listing meets them.
std::optional<QString> checkComputable(const EdgeData &data);

// More paths than the result table lists (limits::maxListedPaths); nullopt
// when the count is within the limit.
std::optional<QString> tooManyPathsMessage(const GraphShape &shape);
// Of the real paths only (those whose every road exists).
std::optional<QString> tooManyPathsMessage(const EdgeData &data);
// With the path count given (held at the largest qint64 when beyond).
std::optional<QString> tooManyPathsMessage(const GraphShape &shape, qint64 count);

} // namespace stagepath

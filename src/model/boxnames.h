// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rules of box names, the letters that name every box in one step, and
// how names follow a box when the box counts change.
//
// A name is 1 to 20 characters, unique among the boxes, without "(", ")" or
// "-" (they would make a path text ambiguous), without spaces at either end
// and without line breaks. An empty name means the box's number.

#include "graphdata.h"

#include <QString>

namespace stagepath {

namespace boxnames {
inline constexpr int maxLength = 20;
} // namespace boxnames

// Why a name cannot be given to a box (a Turkish sentence naming the name),
// or an empty string when it can. box is 0-based; names holds the names of
// the other boxes (its own entry, if any, is not compared).
QString boxNameProblem(const QString &name, const BoxNames &names, qint64 box);

// The letter name of the 0-based box: A .. Z, AA .. AZ, BA .., ZZ, AAA ..
QString letterName(qint64 box);
// Every box of a graph named with letters in box-number order.
BoxNamesPtr letterNames(qint64 boxCount);

// The names of a graph of shape `from` given to a graph of shape `to`: a box
// keeps its name where `to` still has its column and its position in it.
// Null when no box keeps a name.
BoxNamesPtr namesForShape(const BoxNamesPtr &names, const GraphShape &from, const GraphShape &to);

// names with empty entries only (or none) becomes null; trailing empty
// entries are kept so that the list has one entry per box.
BoxNamesPtr normalisedNames(BoxNames names);

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Totals as the result table writes them. "Çiz" compares the written totals,
// not the sums: formatNumber keeps 15 significant digits, so different sums
// can be written alike and then tie. These functions answer, without building
// any text, which written number a sum becomes and which sums share it.
//
// formatNumber rounds an exact halfway case away from zero (1000000000000005
// is written 1.00000000000001e+15), unlike printf, which rounds it to even;
// both functions follow formatNumber.

namespace stagepath {

// The number that the written text of a total reads back as. Totals whose
// texts are equal give equal numbers, and the order of the numbers is the
// order of the totals; a text beyond the double range gives an infinity.
double writtenValue(double total);

// The largest double written with the same text as the total (the total
// itself included): the totals written alike with it fill the doubles from
// the smallest of them up to this one.
double lastWithSameText(double total);

} // namespace stagepath

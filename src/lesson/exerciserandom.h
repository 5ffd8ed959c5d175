// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The random numbers of generated exercises, written out here (not the
// standard library's distributions, whose results differ between library
// makers) so that a seed gives the same exercise on every machine. The
// algorithms are described in docs/exercises.md exactly enough to redo them.

#include <QtGlobal>

namespace stagepath {

// SplitMix64: one step of the state, and its output.
quint64 splitMix64(quint64 &state);

// xoshiro256**, its four words of state filled by four steps of SplitMix64
// from the seed.
class ExerciseRandom
{
public:
    explicit ExerciseRandom(quint64 seed);
    quint64 next();
    // A whole number from 0 to n - 1 (n >= 1), every one equally likely:
    // draws below 2^64 mod n are thrown away, and the rest taken mod n.
    quint64 below(quint64 n);

private:
    quint64 m_s[4];
};

} // namespace stagepath

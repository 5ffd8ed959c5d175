// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exerciserandom.h"

namespace stagepath {

namespace {

constexpr quint64 rotateLeft(quint64 x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

quint64 splitMix64(quint64 &state)
{
    state += 0x9E3779B97F4A7C15ULL;
    quint64 z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

ExerciseRandom::ExerciseRandom(quint64 seed)
{
    for (quint64 &word : m_s)
        word = splitMix64(seed);
}

quint64 ExerciseRandom::next()
{
    const quint64 result = rotateLeft(m_s[1] * 5, 7) * 9;
    const quint64 t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = rotateLeft(m_s[3], 45);
    return result;
}

quint64 ExerciseRandom::below(quint64 n)
{
    const quint64 threshold = (0 - n) % n; // 2^64 mod n
    for (;;) {
        const quint64 x = next();
        if (x >= threshold)
            return x % n;
    }
}

} // namespace stagepath

// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomsource.h"

#include "numbers.h"

#include <chrono>
#include <cstring>

namespace stagepath {

namespace {
quint64 splitmix(quint64 x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// 24 random bits give every single-precision value k / 2^24 in [0, 1).
float unitFrom(quint64 state)
{
    return float(state >> 40) * (1.0f / 16777216.0f);
}
} // namespace

float secondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return float(double(now % (86400ll * 1000000ll)) / 1e6);
}

ClockStirredRandom::ClockStirredRandom(std::function<float()> clock)
    : m_clock(clock ? std::move(clock) : std::function<float()>(secondsSinceMidnight))
    , m_state(splitmix(quint64(std::chrono::steady_clock::now().time_since_epoch().count())))
{
}

float ClockStirredRandom::next()
{
    // Stir the clock into the running state, then step it: draws within one
    // tick of the clock still differ as successive draws do.
    const float seconds = m_clock();
    quint32 bits = 0;
    std::memcpy(&bits, &seconds, sizeof bits);
    m_state = splitmix(m_state ^ (quint64(bits) << 17));
    return unitFrom(m_state);
}

std::unique_ptr<RandomSource> ClockStirredRandom::split(qint64 /*draws*/)
{
    next();
    return std::make_unique<SeededRandom>(splitmix(m_state));
}

float SeededRandom::next()
{
    m_state += 0x9E3779B97F4A7C15ull;
    return unitFrom(splitmix(m_state));
}

std::unique_ptr<RandomSource> SeededRandom::split(qint64 /*draws*/)
{
    m_state = splitmix(m_state ^ 0xD1B54A32D192ED03ull);
    return std::make_unique<SeededRandom>(splitmix(m_state));
}

float SequenceRandom::next()
{
    if (m_values.empty())
        return 0.0f;
    const float u = m_values[m_index];
    m_index = (m_index + 1) % m_values.size();
    return u;
}

std::unique_ptr<RandomSource> SequenceRandom::split(qint64 draws)
{
    auto copy = std::make_unique<SequenceRandom>(*this);
    if (!m_values.empty())
        m_index = size_t((quint64(m_index) + quint64(draws)) % m_values.size());
    return copy;
}

int edgeValueFrom(float u)
{
    // u * 1000 is exact in double for every single-precision u in [0, 1).
    return int(roundHalfEven(double(u) * 1000.0));
}

} // namespace stagepath

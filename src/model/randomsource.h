// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Source of the edge values. The window uses a generator whose running state
// is stirred with the time of day before every draw (never restarted), so that
// every generation gives new values; tests inject a fixed sequence.

#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

namespace stagepath {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform number u with 0 <= u < 1, in single precision.
    virtual float next() = 0;
    // A source of the next draws numbers, of its own, to be drawn on another
    // thread; this source goes on after them. A source is used by one thread
    // at a time, so work that draws elsewhere takes a split.
    virtual std::unique_ptr<RandomSource> split(qint64 draws) = 0;
};

class ClockStirredRandom final : public RandomSource
{
public:
    // clock gives the seconds since midnight; the default reads the system clock.
    explicit ClockStirredRandom(std::function<float()> clock = {});
    float next() override;
    // A seeded stream (SeededRandom) from a state stirred with the clock, so
    // that its numbers are as fresh as this source's; the clock is not read
    // again while they are drawn.
    std::unique_ptr<RandomSource> split(qint64 draws) override;

private:
    std::function<float()> m_clock;
    quint64 m_state;
};

// A stream of numbers from a seed, with no clock: fast, and the same for the
// same seed.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(quint64 seed) : m_state(seed) {}
    float next() override;
    std::unique_ptr<RandomSource> split(qint64 draws) override;

private:
    quint64 m_state;
};

// Plays back the given numbers in a loop (for tests).
class SequenceRandom final : public RandomSource
{
public:
    explicit SequenceRandom(std::vector<float> values) : m_values(std::move(values)) {}
    float next() override;
    // The same numbers as drawing them here would give.
    std::unique_ptr<RandomSource> split(qint64 draws) override;

private:
    std::vector<float> m_values;
    size_t m_index = 0;
};

// The edge value drawn from u: round-half-even(u * 1000), 0..1000.
int edgeValueFrom(float u);

// Seconds since midnight by the system clock, as single precision.
float secondsSinceMidnight();

} // namespace stagepath

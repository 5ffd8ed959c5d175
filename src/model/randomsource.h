#pragma once
// Source of the edge values. The window uses a generator whose running state
// is stirred with the time of day before every draw (never restarted), so that
// every generation gives new values; tests inject a fixed sequence.

#include <QtGlobal>

#include <functional>
#include <vector>

namespace stagepath {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform number u with 0 <= u < 1, in single precision.
    virtual float next() = 0;
};

class ClockStirredRandom final : public RandomSource
{
public:
    // clock gives the seconds since midnight; the default reads the system clock.
    explicit ClockStirredRandom(std::function<float()> clock = {});
    float next() override;

private:
    std::function<float()> m_clock;
    quint64 m_state;
};

// Plays back the given numbers in a loop (for tests).
class SequenceRandom final : public RandomSource
{
public:
    explicit SequenceRandom(std::vector<float> values) : m_values(std::move(values)) {}
    float next() override;

private:
    std::vector<float> m_values;
    size_t m_index = 0;
};

// The edge value drawn from u: round-half-even(u * 1000), 0..1000.
int edgeValueFrom(float u);

// Seconds since midnight by the system clock, as single precision.
float secondsSinceMidnight();

} // namespace stagepath

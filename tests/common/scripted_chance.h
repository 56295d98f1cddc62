// A generator that plays back chosen values and a clock that stands still,
// so a draw's outcome can be foretold.
#pragma once

#include "chance.h"

#include <vector>

namespace parabolix::testing {

class ScriptedGenerator final : public RandomGenerator {
public:
    explicit ScriptedGenerator(std::vector<float> values = {0.06F, 0.57F, 0.999F}) // 7, 58, 101
        : m_values(std::move(values))
    {
    }
    void reseed(float seed) override { seeds.push_back(seed); }
    [[nodiscard]] float next() override { return m_values.at(m_next++ % m_values.size()); }

    std::vector<float> seeds;

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(float seconds = 0)
        : m_seconds(seconds)
    {
    }
    [[nodiscard]] float secondsSinceMidnight() const override { return m_seconds; }

private:
    float m_seconds;
};

} // namespace parabolix::testing

// A generator that plays back chosen values and a clock that stands still,
// so a draw's outcome can be foretold.
#pragma once

#include "riddle/chance.h"

#include <vector>

namespace parabolix::testing {

struct ScriptedGenerator final : RandomGenerator {
    // 12.5 goes down to 12 and 37.5 up to 38, as ties go to even: 13, 39, 101.
    std::vector<float> values{0.125F, 0.375F, 0.999F};
    std::vector<float> seeds;
    std::size_t drawn = 0;

    void reseed(float seed) override { seeds.push_back(seed); }
    [[nodiscard]] float next() override { return values.at(drawn++ % values.size()); }
};

struct FixedClock final : Clock {
    explicit FixedClock(float time)
        : seconds(time)
    {
    }
    float seconds;

    [[nodiscard]] float secondsSinceMidnight() const override { return seconds; }
};

} // namespace parabolix::testing

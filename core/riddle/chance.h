// Where the draw's randomness comes from: a generator and a clock, both
// replaceable so that tests can script them.
#pragma once

#include <cstdint>

namespace parabolix {

// A source of uniform values in [0, 1), reseeded before every draw.
class RandomGenerator {
public:
    virtual ~RandomGenerator() = default;
    // Mixes `seed` into the generator's state.
    virtual void reseed(float seed) = 0;
    // Returns the next value r, 0 <= r < 1.
    [[nodiscard]] virtual float next() = 0;
};

// The program's generator: splitmix64 steps over a 64-bit state. Every value
// is a multiple of 2^-24, so it is exact in single precision. Reseeding mixes
// the seed into the running state rather than replacing it, so two draws
// reseeded with the same time of day still differ.
class MixingGenerator final : public RandomGenerator {
public:
    void reseed(float seed) override;
    [[nodiscard]] float next() override;

private:
    std::uint64_t m_state = 0x50617261626F6C69; // "Paraboli"
};

// The time of day, as the draw's seed.
class Clock {
public:
    virtual ~Clock() = default;
    // Returns the seconds since local midnight, with a fraction.
    [[nodiscard]] virtual float secondsSinceMidnight() const = 0;
};

// The computer's clock in the user's time zone.
class SystemClock final : public Clock {
public:
    [[nodiscard]] float secondsSinceMidnight() const override;
};

} // namespace parabolix

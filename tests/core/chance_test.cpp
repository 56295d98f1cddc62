#include "chance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace parabolix {
namespace {

TEST(MixingGenerator, GivesExactMultiplesOfTwoToTheMinus24BelowOne)
{
    MixingGenerator generator;
    generator.reseed(12345.678F);
    float smallest = 1;
    float largest = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const float r = generator.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        const double scaled = static_cast<double>(r) * 0x1p24;
        ASSERT_EQ(scaled, std::floor(scaled)) << r;
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    EXPECT_LT(smallest, 1e-5F);
    EXPECT_GT(largest, 1 - 1e-5F);
}

TEST(MixingGenerator, SameSeedTwiceGivesNewValues)
{
    MixingGenerator generator;
    generator.reseed(3600.5F);
    const float first = generator.next();
    generator.reseed(3600.5F);
    EXPECT_NE(generator.next(), first);
}

TEST(SystemClock, CountsSecondsWithinOneDay)
{
    const float seconds = SystemClock().secondsSinceMidnight();
    EXPECT_GE(seconds, 0.0F);
    EXPECT_LT(seconds, 86401.0F); // a leap second may reach 86400
}

} // namespace
} // namespace parabolix

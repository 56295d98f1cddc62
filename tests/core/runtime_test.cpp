#include "errors.h"
#include "runtime.h"
#include "table.h"

#include <gtest/gtest.h>

#include <limits>

namespace parabolix {
namespace {

using testing::PrintTo;

constexpr double kMax = std::numeric_limits<double>::max();

struct RoundRow {
    const char* name;
    double value;
    int rounded;
};

class RoundToInt16Table : public ::testing::TestWithParam<RoundRow> { };

TEST_P(RoundToInt16Table, RoundsToNearestTiesToEven)
{
    EXPECT_EQ(roundToInt16(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundToInt16Table,
    ::testing::Values(RoundRow{"TieDownToEven", 12.5, 12}, RoundRow{"TieUpToEven", 37.5, 38},
        RoundRow{"BelowHalf", 12.499999999999998, 12}, RoundRow{"NegativeTieToZero", -0.5, 0},
        RoundRow{"NegativeTieToEven", -1.5, -2},
        RoundRow{"LargestBelowTie", 32767.499999999996, 32767},
        RoundRow{"SmallestTieToEven", -32768.5, -32768}),
    testing::RowName());

struct OverflowRow {
    const char* name;
    double (*operation)();
};

class ArithmeticOverflow : public ::testing::TestWithParam<OverflowRow> { };

TEST_P(ArithmeticOverflow, RaisesOverflow)
{
    EXPECT_THROW(GetParam().operation(), OverflowError);
}

INSTANTIATE_TEST_SUITE_P(BeyondRange, ArithmeticOverflow,
    ::testing::Values(OverflowRow{"ProductBeyondDouble", [] { return multiply(kMax, 1.5); }},
        OverflowRow{"SumBeyondDouble", [] { return add(kMax, kMax); }},
        OverflowRow{"DifferenceBeyondDouble", [] { return subtract(-kMax, kMax); }},
        OverflowRow{
            "TieRoundsBeyondInt16", [] { return static_cast<double>(roundToInt16(32767.5)); }},
        OverflowRow{"FarBeyondInt16", [] { return static_cast<double>(roundToInt16(1e300)); }},
        OverflowRow{"NotANumber",
            [] {
                return static_cast<double>(roundToInt16(std::numeric_limits<double>::quiet_NaN()));
            }},
        OverflowRow{"Int16SumAboveRange", [] { return static_cast<double>(addInt16(32767, 1)); }},
        OverflowRow{
            "Int16SumBelowRange", [] { return static_cast<double>(addInt16(-32768, -1)); }}),
    testing::RowName());

TEST(Arithmetic, LargestResultsInRangeStand)
{
    EXPECT_EQ(add(kMax, -kMax), 0);
    EXPECT_EQ(multiply(kMax, 1.0), kMax);
    EXPECT_EQ(addInt16(32766, 1), 32767);
    EXPECT_EQ(addInt16(-32767, -1), -32768);
}

} // namespace
} // namespace parabolix

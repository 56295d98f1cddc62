#include "errors.h"
#include "number_text.h"
#include "table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace parabolix {
namespace {

using testing::PrintTo;

const std::string kArabicSeparator = "\xD9\xAB";
const std::string kNoBreakSpace = "\xC2\xA0";
const std::string kNarrowNoBreakSpace = "\xE2\x80\xAF";
const std::string kMegabyteOfZeros(1 << 20, '0');

struct ToTextRow {
    const char* name;
    double value;
    const char* separator;
    const char* text;
};

class DoubleToTextTable : public ::testing::TestWithParam<ToTextRow> { };

TEST_P(DoubleToTextTable, WritesGeneralNumberFormat)
{
    EXPECT_EQ(doubleToText(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, DoubleToTextTable,
    ::testing::Values(ToTextRow{"WholeHasNoDecimals", -4, ",", "-4"},
        ToTextRow{"HalfWithComma", 0.5, ",", "0,5"}, ToTextRow{"HalfWithPeriod", 0.5, ".", "0.5"},
        ToTextRow{"ThirdRoundsDown", 1.0 / 3, ",", "0,333333333333333"},
        ToTextRow{"TwoThirdsRoundsUp", 2.0 / 3, ",", "0,666666666666667"},
        ToTextRow{"TenthsSumToThreeTenths", 0.1 + 0.2, ",", "0,3"},
        ToTextRow{"FifteenNines", 999999999999999.0, ",", "999999999999999"},
        ToTextRow{"RoundingUpToTenToTheFifteenth", 999999999999999.9, ",", "1E+15"},
        ToTextRow{"SixteenDigits", 1234567890123456.0, ",", "1,23456789012346E+15"},
        ToTextRow{"ThreeDigitExponent", 1e100, ",", "1E+100"},
        ToTextRow{"FifteenDecimalPlaces", 5.6789e-11, ",", "0,000000000056789"},
        ToTextRow{"SixteenDecimalPlaces", 5.6789e-12, ",", "5,6789E-12"},
        ToTextRow{"SmallestPlain", 1e-15, ",", "0,000000000000001"},
        ToTextRow{"LargestSmallExponent", 1e-16, ",", "1E-16"},
        ToTextRow{"Residue", -1.3877787807814457e-17, ",", "-1,38777878078145E-17"},
        ToTextRow{"NegativeZeroLosesItsSign", -0.0, ",", "0"},
        ToTextRow{"MultiCharacterSeparator", 2.25, "||", "2||25"}),
    testing::RowName());

// The C library's %.15G is an independent formatter with the same rounding.
// Two decimals of at most 15 significant digits never read as the same double,
// so equal values mean the same digits and the same power of ten.
TEST(DoubleToText, AgreesWithTheCLibraryOnFifteenSignificantDigits)
{
    std::mt19937_64 random(6122026);
    std::uniform_int_distribution<int> shortDecimal(-999'999, 999'999);
    std::uniform_int_distribution<int> places(0, 8);
    for (int i = 0; i < 200'000; ++i) {
        // Half spread over every bit pattern, so over all magnitudes; half
        // short decimals, where trailing zeros and ties are common.
        double value = 0;
        if (i % 2 == 0) {
            do {
                value = std::bit_cast<double>(random());
            } while (!std::isfinite(value));
        } else {
            value = shortDecimal(random) / std::pow(10.0, places(random));
        }
        std::array<char, 64> printed{};
        std::snprintf(printed.data(), printed.size(), "%.15G", value);
        std::string ours = doubleToText(value, ",");
        if (const auto comma = ours.find(','); comma != std::string::npos)
            ours[comma] = '.';
        ASSERT_EQ(std::strtod(ours.c_str(), nullptr), std::strtod(printed.data(), nullptr))
            << "printf wrote " << printed.data() << ", we wrote " << ours;
    }
}

struct SeparatorRow {
    const char* name;
    std::string separator;
    const char* used;
};

class UsableSeparatorTable : public ::testing::TestWithParam<SeparatorRow> { };

TEST_P(UsableSeparatorTable, RefusesSeparatorsThatCannotBeRead)
{
    EXPECT_EQ(usableDecimalSeparator(GetParam().separator), GetParam().used);
}

INSTANTIATE_TEST_SUITE_P(Separators, UsableSeparatorTable,
    ::testing::Values(SeparatorRow{"Comma", ",", ","},
        SeparatorRow{"ArabicSign", kArabicSeparator, "\xD9\xAB"},
        SeparatorRow{"ThreeCharacters", "<:>", "<:>"},
        SeparatorRow{"FourCharactersIsPeriod", "dot.", "."}, SeparatorRow{"EmptyIsPeriod", "", "."},
        SeparatorRow{"DigitIsPeriod", "5", "."}, SeparatorRow{"ExponentLetterIsPeriod", "e", "."},
        SeparatorRow{"NoBreakSpaceIsPeriod", kNoBreakSpace, "."}),
    testing::RowName());

constexpr double kOverflow = std::numeric_limits<double>::quiet_NaN();

struct ToNumberRow {
    const char* name;
    std::string text;
    const char* separator;
    double value; // kOverflow: raises OverflowError
};

class TextToNumberTable : public ::testing::TestWithParam<ToNumberRow> { };

TEST_P(TextToNumberTable, ReadsTheNumberAtTheStart)
{
    const ToNumberRow& row = GetParam();
    if (std::isnan(row.value)) {
        EXPECT_THROW((void)textToNumber(row.text, row.separator), OverflowError);
        return;
    }
    const double value = textToNumber(row.text, row.separator);
    EXPECT_EQ(value, row.value);
    EXPECT_EQ(std::signbit(value), std::signbit(row.value));
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToNumberTable,
    ::testing::Values(ToNumberRow{"EmptyIsZero", "", ",", 0},
        ToNumberRow{"NoNumberIsZero", "abc", ",", 0}, ToNumberRow{"LoneSignIsZero", "-", ",", 0},
        ToNumberRow{"TwoSignsAreNoNumber", "--5", ",", 0},
        ToNumberRow{"LettersEndTheNumber", "2abc", ",", 2},
        ToNumberRow{"CommaUnderPolishSettings", "2,5", ",", 2.5},
        ToNumberRow{"CommaUnderPeriodSettingsEndsTheNumber", "2,5", ".", 2},
        ToNumberRow{"PeriodUnderPolishSettings", "2.5", ",", 2.5},
        ToNumberRow{"SecondSeparatorEndsTheNumber", "1,2,3", ",", 1.2},
        ToNumberRow{"LeadingSeparator", ",5", ",", 0.5},
        ToNumberRow{"MultiByteSeparator", "3" + kArabicSeparator + "5", "\xD9\xAB", 3.5},
        ToNumberRow{"ThousandsWithSpace", "10 000", ",", 10000},
        ToNumberRow{"ThousandsWithNoBreakSpace", "10" + kNoBreakSpace + "000", ",", 10000},
        ToNumberRow{
            "ThousandsWithNarrowNoBreakSpace", "10" + kNarrowNoBreakSpace + "000", ",", 10000},
        ToNumberRow{"BlanksAroundSignAndSeparator", " \t- 12 , 5", ",", -12.5},
        ToNumberRow{"NegativeZero", "-0", ",", -0.0}, ToNumberRow{"Exponent", "2,5E3", ",", 2500},
        ToNumberRow{"BlanksInsideExponent", "1 e - 2", ",", 0.01},
        ToNumberRow{"EWithoutDigitsEndsTheNumber", "12e", ",", 12},
        ToNumberRow{"EWithSignOnlyEndsTheNumber", "12e+x", ",", 12},
        ToNumberRow{"CorrectlyRoundedTieToEven", "9007199254740993", ",", 9007199254740992.0},
        ToNumberRow{"NearestSubnormal", "5e-324", ",", std::numeric_limits<double>::denorm_min()},
        ToNumberRow{"TooSmallIsZero", "1e-400", ",", 0},
        ToNumberRow{"TooSmallNegativeIsNegativeZero", "-1e-400", ",", -0.0},
        ToNumberRow{"HugeMantissaTimesTinyExponent", "1" + std::string(400, '0') + "e-400", ",", 1},
        ToNumberRow{"InvalidUtf8EndsTheNumber", "7\xFF", ",", 7},
        ToNumberRow{"NulEndsTheNumber", std::string("4\0", 2) + "5", ",", 4},
        ToNumberRow{"MegabyteOfLeadingZeros", kMegabyteOfZeros + "7", ",", 7},
        ToNumberRow{"MegabyteOfBlanks", std::string(1 << 20, ' ') + "-5", ",", -5},
        ToNumberRow{
            "MegabyteOfZerosAfterTheSeparatorUnderflows", "0," + kMegabyteOfZeros + "1", ",", 0},
        ToNumberRow{
            "MegabyteOfZerosMadeUpByTheExponent", "0," + kMegabyteOfZeros + "1e1048578", ",", 10},
        ToNumberRow{"LargeExponentOverflows", "1e400", ",", kOverflow},
        ToNumberRow{"JustAboveLargestDoubleOverflows", "-1.8e308", ",", kOverflow},
        ToNumberRow{
            "ExponentBeyondAnyIntegerOverflows", "1e99999999999999999999999", ",", kOverflow},
        ToNumberRow{"MegabyteOfDigitsOverflows", std::string(1 << 20, '7'), ",", kOverflow}),
    testing::RowName());

} // namespace
} // namespace parabolix

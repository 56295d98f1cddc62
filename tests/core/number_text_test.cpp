#include "errors.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace parabolix {
namespace {

const std::string kArabicSeparator = "\xD9\xAB";
const std::string kNoBreakSpace = "\xC2\xA0";
const std::string kNarrow = "\xE2\x80\xAF"; // the narrow no-break space
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
    ::testing::Values(ToTextRow{"RoundingUpToTenToTheFifteenth", 999999999999999.9, ",", "1E+15"},
        ToTextRow{"SixteenDigits", 1234567890123456.0, ",", "1,23456789012346E+15"},
        ToTextRow{"FifteenDecimalPlaces", 5.6789e-11, ",", "0,000000000056789"},
        ToTextRow{"SixteenDecimalPlaces", 5.6789e-12, ",", "5,6789E-12"},
        ToTextRow{"OneDigitExponentIsPadded", 1.0 / 30000, ",", "3,33333333333333E-05"},
        ToTextRow{"ThreeDigitExponent", 1e-100, ",", "1E-100"},
        ToTextRow{"WholeKeepsItsZeros", -4500.0, ".", "-4500"},
        ToTextRow{"MultiCharacterSeparator", 2.25, "||", "2||25"},
        ToTextRow{"NegativeZeroLosesItsSign", -0.0, ",", "0"}),
    [](const auto& row) { return std::string(row.param.name); });

// A separator the window would write numbers with, but that would blur them.
TEST(UsableDecimalSeparator, RefusesDigitsAndBlanks)
{
    EXPECT_EQ(usableDecimalSeparator("5"), ".");
    EXPECT_EQ(usableDecimalSeparator(kNoBreakSpace), ".");
}

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
    if (std::isnan(row.value))
        EXPECT_THROW((void)textToNumber(row.text, row.separator), OverflowError);
    else
        EXPECT_EQ(textToNumber(row.text, row.separator), row.value);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToNumberTable,
    ::testing::Values(ToNumberRow{"PlusSign", "+7", ",", 7},
        ToNumberRow{"TwoSignsAreNoNumber", "--5", ",", 0},
        ToNumberRow{"CommaUnderPeriodSettingsEndsTheNumber", "2,5", ".", 2},
        ToNumberRow{"SecondSeparatorEndsTheNumber", "1,2,3", ",", 1.2},
        ToNumberRow{"LeadingSeparator", ",5", ",", 0.5},
        ToNumberRow{"MultiByteSeparator", "3" + kArabicSeparator + "5", "\xD9\xAB", 3.5},
        // A separator a number cannot carry is refused, and the period stands in.
        ToNumberRow{"ThreeCharacterSeparator", "1<:>2", "<:>", 1.2},
        ToNumberRow{"FourCharacterSeparatorIsRefused", "1dot.2", "dot.", 1},
        ToNumberRow{"EmptySeparatorIsRefused", "12", "", 12},
        ToNumberRow{"ExponentLetterSeparatorIsRefused", "2E3", "E", 2000},
        ToNumberRow{"ThousandsWithNoBreakSpace", "10" + kNoBreakSpace + "000", ",", 10000},
        ToNumberRow{"ThousandsWithNarrowNoBreakSpace", "10" + kNarrow + "000", ",", 10000},
        ToNumberRow{"BlanksAroundSignAndSeparator", " \t- 12 , 5", ",", -12.5},
        ToNumberRow{"BlanksInsideExponent", "2,5 e - 2", ",", 0.025},
        ToNumberRow{"EWithSignOnlyEndsTheNumber", "12e+x", ",", 12},
        ToNumberRow{"TooSmallIsZero", "-1e-400", ",", 0},
        ToNumberRow{
            "MegabyteOfZerosAfterTheSeparatorUnderflows", "0," + kMegabyteOfZeros + "1", ",", 0},
        ToNumberRow{
            "MegabyteOfZerosMadeUpByTheExponent", "0," + kMegabyteOfZeros + "1e1048578", ",", 10},
        ToNumberRow{
            "ExponentBeyondAnyIntegerOverflows", "1e99999999999999999999999", ",", kOverflow},
        ToNumberRow{"MegabyteOfDigitsOverflows", std::string(1 << 20, '7'), ",", kOverflow}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace parabolix

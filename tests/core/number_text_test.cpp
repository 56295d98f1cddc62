#include "errors.h"
#include "number_text.h"
#include "table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace parabolix {
namespace {

using testing::PrintTo;

struct ToTextRow {
    const char* name;
    double value;
    const char* separator;
    const char* text;
};

class DoubleToTextTable : public ::testing::TestWithParam<ToTextRow> { };

TEST_P(DoubleToTextTable, WritesGeneralNumberFormat)
{
    const ToTextRow& row = GetParam();
    EXPECT_EQ(doubleToText(row.value, row.separator), row.text);
}

INSTANTIATE_TEST_SUITE_P(Values, DoubleToTextTable,
    ::testing::Values(ToTextRow{"WholeHasNoDecimals", 3, ",", "3"},
        ToTextRow{"HalfWithComma", 0.5, ",", "0,5"}, ToTextRow{"HalfWithPeriod", 0.5, ".", "0.5"},
        ToTextRow{"NegativeFraction", -0.5, ",", "-0,5"},
        ToTextRow{"ThirdRoundsDown", 1.0 / 3, ",", "0,333333333333333"},
        ToTextRow{"TwoThirdsRoundsUp", 2.0 / 3, ",", "0,666666666666667"},
        ToTextRow{"TenthsSumToThreeTenths", 0.1 + 0.2, ",", "0,3"},
        ToTextRow{"FifteenNines", 999999999999999.0, ",", "999999999999999"},
        ToTextRow{"RoundingUpToTenToTheFifteenth", 999999999999999.9, ",", "1E+15"},
        ToTextRow{"TenToTheFifteenth", 1e15, ",", "1E+15"},
        ToTextRow{"SixteenDigits", 1234567890123456.0, ",", "1,23456789012346E+15"},
        ToTextRow{"ExponentKeepsItsForm", 1234567890123456.0, ".", "1.23456789012346E+15"},
        ToTextRow{"ThreeDigitExponent", 1e100, ",", "1E+100"},
        ToTextRow{
            "LargestDouble", std::numeric_limits<double>::max(), ",", "1,79769313486232E+308"},
        ToTextRow{"SmallPlain", 0.00001, ",", "0,00001"},
        ToTextRow{"FifteenDecimalPlaces", 5.6789e-11, ",", "0,000000000056789"},
        ToTextRow{"SixteenDecimalPlaces", 5.6789e-12, ",", "5,6789E-12"},
        ToTextRow{"SmallestPlain", 1e-15, ",", "0,000000000000001"},
        ToTextRow{"LargestSmallExponent", 1e-16, ",", "1E-16"},
        ToTextRow{"Residue", -1.3877787807814457e-17, ",", "-1,38777878078145E-17"},
        ToTextRow{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), ",",
            "4,94065645841247E-324"},
        ToTextRow{"NegativeZeroLosesItsSign", -0.0, ",", "0"},
        ToTextRow{"MultiCharacterSeparator", 2.25, "||", "2||25"}),
    testing::RowName());

// The significant digits and power of ten of a number text in any notation,
// so that our text and printf's can be compared however each is laid out.
struct Significand {
    bool negative = false;
    std::string digits;
    int power = 0; // of the first digit

    bool operator==(const Significand&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Significand& s)
{
    return out << (s.negative ? "-" : "") << s.digits << "e" << s.power;
}

Significand significandOf(std::string text, char separator)
{
    Significand result;
    if (!text.empty() && text.front() == '-') {
        result.negative = true;
        text.erase(0, 1);
    }
    int exponent = 0;
    if (const auto e = text.find_first_of("Ee"); e != std::string::npos) {
        exponent = std::stoi(text.substr(e + 1));
        text.erase(e);
    }
    const auto point = text.find(separator);
    const int wholeDigits = static_cast<int>(point == std::string::npos ? text.size() : point);
    if (point != std::string::npos)
        text.erase(point, 1);
    const auto first = text.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    result.digits = text.substr(first);
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    result.power = wholeDigits - static_cast<int>(first) - 1 + exponent;
    return result;
}

// The C library's %.15G is an independent formatter with the same rounding;
// both must agree on every digit and on the power of ten.
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
        const std::string ours = doubleToText(value, ",");
        ASSERT_EQ(significandOf(ours, ','), significandOf(printed.data(), '.'))
            << "value " << printed.data() << " written " << ours;
    }
}

struct SeparatorRow {
    const char* name;
    const char* separator;
    const char* used;
};

class UsableSeparatorTable : public ::testing::TestWithParam<SeparatorRow> { };

TEST_P(UsableSeparatorTable, RefusesSeparatorsThatCannotBeRead)
{
    EXPECT_EQ(usableDecimalSeparator(GetParam().separator), GetParam().used);
}

INSTANTIATE_TEST_SUITE_P(Separators, UsableSeparatorTable,
    ::testing::Values(SeparatorRow{"Comma", ",", ","},
        SeparatorRow{"ArabicSign", "\xD9\xAB", "\xD9\xAB"},
        SeparatorRow{"ThreeCharacters", "<:>", "<:>"},
        SeparatorRow{"MiddleDot", "\xC2\xB7", "\xC2\xB7"}, SeparatorRow{"EmptyIsPeriod", "", "."},
        SeparatorRow{"DigitIsPeriod", "5", "."}, SeparatorRow{"SpaceIsPeriod", " ", "."},
        SeparatorRow{"NoBreakSpaceIsPeriod", "\xC2\xA0", "."},
        SeparatorRow{"ExponentLetterIsPeriod", "e", "."}, SeparatorRow{"TabIsPeriod", "\t", "."},
        SeparatorRow{"FourCharactersIsPeriod", "dot.", "."}),
    testing::RowName());

struct ToNumberRow {
    const char* name;
    std::string text;
    const char* separator;
    double value;
};

class TextToNumberTable : public ::testing::TestWithParam<ToNumberRow> { };

TEST_P(TextToNumberTable, ReadsTheNumberAtTheStart)
{
    const ToNumberRow& row = GetParam();
    const double value = textToNumber(row.text, row.separator);
    EXPECT_EQ(value, row.value);
    EXPECT_EQ(std::signbit(value), std::signbit(row.value));
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToNumberTable,
    ::testing::Values(ToNumberRow{"Whole", "16", ",", 16}, ToNumberRow{"EmptyIsZero", "", ",", 0},
        ToNumberRow{"NoNumberIsZero", "abc", ",", 0}, ToNumberRow{"LoneSignIsZero", "-", ",", 0},
        ToNumberRow{"TwoSignsAreNoNumber", "--5", ",", 0},
        ToNumberRow{"LettersEndTheNumber", "2abc", ",", 2},
        ToNumberRow{"CommaUnderPolishSettings", "2,5", ",", 2.5},
        ToNumberRow{"CommaUnderPeriodSettingsEndsTheNumber", "2,5", ".", 2},
        ToNumberRow{"PeriodUnderPolishSettings", "2.5", ",", 2.5},
        ToNumberRow{"SecondSeparatorEndsTheNumber", "1,2,3", ",", 1.2},
        ToNumberRow{"LeadingSeparator", ",5", ",", 0.5},
        ToNumberRow{"MultiByteSeparator",
            "3\xD9\xAB"
            "5",
            "\xD9\xAB", 3.5},
        ToNumberRow{"LeadingBlanks", " \t 42", ",", 42},
        ToNumberRow{"ThousandsWithSpace", "10 000", ",", 10000},
        ToNumberRow{"ThousandsWithNoBreakSpace",
            "10\xC2\xA0"
            "000",
            ",", 10000},
        ToNumberRow{"ThousandsWithNarrowNoBreakSpace",
            "10\xE2\x80\xAF"
            "000",
            ",", 10000},
        ToNumberRow{"BlanksAroundSignAndSeparator", " - 12 , 5", ",", -12.5},
        ToNumberRow{"NegativeZero", "-0", ",", -0.0}, ToNumberRow{"Exponent", "2,5E3", ",", 2500},
        ToNumberRow{"LowerCaseNegativeExponent", "1e-3", ",", 0.001},
        ToNumberRow{"BlanksInsideExponent", "1 E + 2", ",", 100},
        ToNumberRow{"EWithoutDigitsEndsTheNumber", "12e", ",", 12},
        ToNumberRow{"EWithSignOnlyEndsTheNumber", "12e+x", ",", 12},
        ToNumberRow{"CorrectlyRoundedTieToEven", "9007199254740993", ",", 9007199254740992.0},
        ToNumberRow{
            "CorrectlyRoundedLongFraction", "0.1000000000000000055511151231257827", ",", 0.1},
        ToNumberRow{
            "LargestDouble", "1.7976931348623157e308", ",", std::numeric_limits<double>::max()},
        ToNumberRow{"NearestSubnormal", "5e-324", ",", std::numeric_limits<double>::denorm_min()},
        ToNumberRow{"TooSmallIsZero", "1e-400", ",", 0},
        ToNumberRow{"TooSmallNegativeIsNegativeZero", "-1e-400", ",", -0.0},
        ToNumberRow{"HugeMantissaTimesTinyExponent", "1" + std::string(400, '0') + "e-400", ",", 1},
        ToNumberRow{"InvalidUtf8EndsTheNumber",
            "7\xFF"
            "8",
            ",", 7},
        ToNumberRow{"NulEndsTheNumber",
            std::string("4\0"
                        "5",
                3),
            ",", 4}),
    testing::RowName());

struct OverflowRow {
    const char* name;
    std::string text;
};

class TextToNumberOverflow : public ::testing::TestWithParam<OverflowRow> { };

TEST_P(TextToNumberOverflow, RaisesOverflow)
{
    EXPECT_THROW((void)textToNumber(GetParam().text, ","), OverflowError);
}

INSTANTIATE_TEST_SUITE_P(BeyondDoubleRange, TextToNumberOverflow,
    ::testing::Values(OverflowRow{"LargeExponent", "1e400"},
        OverflowRow{"NegativeJustBeyond", "-1e309"},
        OverflowRow{"JustAboveLargestDouble", "1.8e308"},
        OverflowRow{"FourHundredDigits", std::string(400, '9')},
        OverflowRow{"ExponentBeyondAnyInteger", "1e99999999999999999999999"},
        OverflowRow{"MegabyteOfDigits", std::string(1 << 20, '7')}),
    testing::RowName());

TEST(TextToNumber, ReadsMegabyteTextsInFull)
{
    const std::string megabyte(1 << 20, '0');
    EXPECT_EQ(textToNumber(megabyte + "7", ","), 7);
    EXPECT_EQ(textToNumber("0," + megabyte + "1", ","), 0);
    EXPECT_EQ(textToNumber("0," + megabyte + "1e1048578", ","), 10);
    EXPECT_EQ(textToNumber(std::string(1 << 20, ' ') + "-5", ","), -5);
    EXPECT_EQ(textToNumber("1" + std::string(1 << 20, 'x'), ","), 1);
}

} // namespace
} // namespace parabolix

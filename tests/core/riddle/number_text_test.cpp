#include "riddle/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace parabolix {
namespace {

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
    EXPECT_EQ(
        doubleToText(GetParam().value, DecimalSeparator(GetParam().separator)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, DoubleToTextTable,
    ::testing::Values(ToTextRow{"RoundingUpToTenToTheFifteenth", 999999999999999.9, ",", "1E+15"},
        ToTextRow{"FifteenDecimalPlaces", 5.6789e-11, ",", "0,000000000056789"},
        ToTextRow{"SixteenDecimalPlaces", 5.6789e-12, ",", "5,6789E-12"},
        ToTextRow{"TwoDigitExponentIsNotPadded", 1.23456789012345e-10, ",", "1,23456789012345E-10"},
        ToTextRow{"ThreeDigitExponent", 1e-100, ",", "1E-100"},
        ToTextRow{"TwoDigitMantissa", 7.5e19, ",", "7,5E+19"}),
    [](const auto& row) { return std::string(row.param.name); });

struct SeparatorRow {
    const char* name;
    std::string given;
    const char* kept;
};

class DecimalSeparatorTable : public ::testing::TestWithParam<SeparatorRow> { };

// Whatever separator the user's settings hold, a number the program writes
// reads back as the number it wrote with the period.
TEST_P(DecimalSeparatorTable, KeepsOnlyWhatNumbersCanCarryAndReadsBackWhatItWrites)
{
    const DecimalSeparator separator(GetParam().given);
    EXPECT_EQ(separator.text(), GetParam().kept);
    for (const double value : {1.25, -0.5, 5.6789e-12, 1.5e20, 123456.789, 0.1 + 0.2}) {
        const DecimalSeparator period;
        const double expected = textToNumber(doubleToText(value, period), period).value();
        EXPECT_EQ(textToNumber(doubleToText(value, separator), separator).value(), expected)
            << value;
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, DecimalSeparatorTable,
    ::testing::Values(SeparatorRow{"ThreeCharacters", "<:>", "<:>"},
        SeparatorRow{"BeginningWithAPeriod", ".,", ".,"},
        SeparatorRow{"FourCharactersGiveThePeriod", "dot.", "."},
        SeparatorRow{"EmptyGivesThePeriod", "", "."}, SeparatorRow{"DigitGivesThePeriod", "5", "."},
        SeparatorRow{"ExponentLetterGivesThePeriod", "E", "."},
        SeparatorRow{"NoBreakSpaceGivesThePeriod", kNoBreakSpace, "."},
        SeparatorRow{"ControlCharacterGivesThePeriod", "\x01", "."}),
    [](const auto& row) { return std::string(row.param.name); });

constexpr double kOverflow = std::numeric_limits<double>::quiet_NaN();

struct ToNumberRow {
    const char* name;
    std::string text;
    const char* separator;
    double value; // kOverflow: Error::Overflow
};

// Signs, separators, blanks and exponents in general are the fuzz target's to
// check, against strtod; here are the texts it seldom or never makes.
class TextToNumberTable : public ::testing::TestWithParam<ToNumberRow> { };

TEST_P(TextToNumberTable, ReadsTheNumberAtTheStart)
{
    const ToNumberRow& row = GetParam();
    const Result<double> read = textToNumber(row.text, DecimalSeparator(row.separator));
    if (std::isnan(row.value))
        EXPECT_EQ(read.ok() ? "a value" : message(read.error()), message(Error::Overflow));
    else
        EXPECT_EQ(read.ok() ? read.value() : kOverflow, row.value);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToNumberTable,
    ::testing::Values(
        ToNumberRow{"ThousandsWithNarrowNoBreakSpace", "10" + kNarrow + "000", ",", 10000},
        ToNumberRow{"BlanksInTheExponent", "1e- 5", ",", 1e-5},
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

#include "failing_fields.h"
#include "number_text.h"
#include "riddle.h"
#include "table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace parabolix {
namespace {

using testing::PrintTo;

FieldRecord withInputs(const std::string& m, const std::string& n, const std::string& p)
{
    FieldRecord fields;
    fields.setText(Field::Text1, m);
    fields.setText(Field::Text2, n);
    fields.setText(Field::Text3, p);
    return fields;
}

struct SolveRow {
    const char* name;
    const char* separator;
    const char* m;
    const char* n;
    const char* p;
    const char* a; // the values as Text6 shows them
    const char* b;
    const char* c;
    const char* polynomial;
};

class SolveTable : public ::testing::TestWithParam<SolveRow> { };

TEST_P(SolveTable, WritesFormulasWithValuesAndThePolynomial)
{
    const SolveRow& row = GetParam();
    FieldRecord fields = withInputs(row.m, row.n, row.p);

    solve(fields, row.separator);

    EXPECT_EQ(fields.text(Field::Text6),
        std::string("a=0,5p-n+0,5m=") + row.a + "\r\n" + "b=4n-2,5m-1,5p=" + row.b + "\r\n"
            + "c=3m-3n+p=" + row.c + "\r\n");
    EXPECT_EQ(fields.text(Field::Text4), row.polynomial);
    EXPECT_EQ(fields.text(Field::Text1), row.m) << "inputs are only read";
}

INSTANTIATE_TEST_SUITE_P(Riddles, SolveTable,
    ::testing::Values(SolveRow{"StartValues", ",", "16", "34", "58", "3", "9", "4", "3x^2+9x+4"},
        SolveRow{"LeadingOneLosesItsDigit", ",", "1", "0", "1", "1", "-4", "4", "x^2-4x+4"},
        SolveRow{"MiddleMinusOneIsALoneSign", ",", "2", "4", "8", "1", "-1", "2", "x^2-x+2"},
        SolveRow{"MiddlePlusOneIsALoneSign", ",", "1", "2", "3", "0", "1", "0", "0x^2+x"},
        SolveRow{"LeadingMinusOneIsALoneSign", ",", "-1", "-4", "-9", "-1", "0", "0", "-x^2-0x"},
        SolveRow{"HalvesWithComma", ",", "1", "2", "4", "0,5", "-0,5", "1", "0,5x^2-0,5x+1"},
        SolveRow{"HalvesWithPeriod", ".", "1", "2", "4", "0.5", "-0.5", "1", "0.5x^2-0.5x+1"},
        SolveRow{"NegativeMiddleAndPositiveConstant", ",", "3", "0", "3", "3", "-12", "12",
            "3x^2-12x+12"},
        SolveRow{
            "ZerosShowZeroLeadingAndMinusZeroMiddle", ",", "0", "0", "0", "0", "0", "0", "0x^2-0x"},
        SolveRow{"EmptyFieldsReadAsZero", ",", "", "", "", "0", "0", "0", "0x^2-0x"},
        SolveRow{"TextReadsAsZero", ",", "abc", "x", "?", "0", "0", "0", "0x^2-0x"},
        SolveRow{"TypedCommaIsADecimalUnderPolishSettings", ",", "2,5", "0", "0", "1,25", "-6,25",
            "7,5", "1,25x^2-6,25x+7,5"},
        SolveRow{"TypedCommaEndsTheNumberUnderPeriodSettings", ".", "2,5", "0", "2abc", "2", "-8",
            "8", "2x^2-8x+8"},
        SolveRow{"PointOneTwoThreeLeavesRoundingResidues", ",", "0.1", "0.2", "0.3",
            "-1,38777878078145E-17", "0,1", "-5,55111512312578E-17",
            "-1,38777878078145E-17x^2+0,1x-5,55111512312578E-17"},
        SolveRow{"AlmostOneIsWrittenWithItsDigit", ",", "0", "0", "2.0000000000000004", "1", "-3",
            "2", "1x^2-3x+2"},
        SolveRow{"HugeValuesUseExponents", ",", "1e300", "0", "0", "5E+299", "-2,5E+300", "3E+300",
            "5E+299x^2-2,5E+300x+3E+300"}),
    testing::RowName());

struct OverflowRow {
    const char* name;
    const char* m;
    const char* n;
    const char* p;
};

class SolveOverflow : public ::testing::TestWithParam<OverflowRow> { };

TEST_P(SolveOverflow, RaisesOverflowAndLeavesOutputsAlone)
{
    const OverflowRow& row = GetParam();
    FieldRecord fields = withInputs(row.m, row.n, row.p);
    fields.setText(Field::Text4, "old polynomial");
    fields.setText(Field::Text6, "old formulas");

    try {
        solve(fields, ",");
        FAIL() << "no error raised";
    } catch (const OverflowError& error) {
        EXPECT_STREQ(error.what(), "Przepełnienie: liczba jest zbyt duża.");
    }
    EXPECT_EQ(fields.text(Field::Text4), "old polynomial");
    EXPECT_EQ(fields.text(Field::Text6), "old formulas");
}

INSTANTIATE_TEST_SUITE_P(BeyondDoubleRange, SolveOverflow,
    ::testing::Values(OverflowRow{"ReadingM", "1e400", "0", "0"},
        OverflowRow{"ReadingP", "0", "0", "-1e309"}, OverflowRow{"FourTimesN", "0", "1e308", "0"},
        OverflowRow{"ThreeTimesM", "1e308", "0", "0"},
        OverflowRow{"DifferenceInA", "0", "-1.7e308", "1.7e308"},
        OverflowRow{"DifferenceInC", "5.9e307", "-2e306", "0"},
        OverflowRow{"SumInC", "5e307", "0", "3e307"}),
    testing::RowName());

TEST(Solve, StartValuesGiveTheFormulasLineByLine)
{
    FieldRecord fields;
    solve(fields, ",");
    EXPECT_EQ(fields.text(Field::Text6), "a=0,5p-n+0,5m=3\r\nb=4n-2,5m-1,5p=9\r\nc=3m-3n+p=4\r\n");
}

// The fitted parabola must pass through the three given points exactly.
TEST(Solve, WholeInputsAreReproducedByTheSolution)
{
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> value(-1'000'000, 1'000'000);
    const auto valueAfter = [](const std::string& text, std::string_view prefix) {
        const auto start = text.find(prefix) + prefix.size();
        return textToNumber(text.substr(start, text.find('\r', start) - start), ",");
    };
    for (int i = 0; i < 20'000; ++i) {
        const double m = value(random);
        const double n = value(random);
        const double p = value(random);
        FieldRecord fields = withInputs(std::to_string(static_cast<int>(m)),
            std::to_string(static_cast<int>(n)), std::to_string(static_cast<int>(p)));
        solve(fields, ",");
        const std::string formulas = fields.text(Field::Text6);
        const double a = valueAfter(formulas, "0,5m=");
        const double b = valueAfter(formulas, "1,5p=");
        const double c = valueAfter(formulas, "3n+p=");
        ASSERT_EQ(a + b + c, m) << formulas;
        ASSERT_EQ(4 * a + 2 * b + c, n) << formulas;
        ASSERT_EQ(9 * a + 3 * b + c, p) << formulas;
    }
}

// Accesses in order: get Text1, Text2, Text3, set Text6, set Text4.
class SolveFailingAccess : public ::testing::TestWithParam<int> { };

TEST_P(SolveFailingAccess, KeepsExactlyTheWritesBeforeTheFailure)
{
    const int failing = GetParam();
    testing::FailingFields fields(failing);
    fields.record().setText(Field::Text4, "old polynomial");
    fields.record().setText(Field::Text6, "old formulas");

    EXPECT_THROW(solve(fields, ","), FieldAccessError);

    EXPECT_EQ(fields.record().text(Field::Text6),
        failing > 4 ? "a=0,5p-n+0,5m=3\r\nb=4n-2,5m-1,5p=9\r\nc=3m-3n+p=4\r\n" : "old formulas");
    EXPECT_EQ(fields.record().text(Field::Text4), "old polynomial");
}

INSTANTIATE_TEST_SUITE_P(EveryAccess, SolveFailingAccess, ::testing::Range(1, 6));

} // namespace
} // namespace parabolix

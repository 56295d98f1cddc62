// The three riddle operations on a record of the six fields: start texts,
// solve and draw.
#include "riddle.h"
#include "scripted_chance.h"
#include "table.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

namespace parabolix {
namespace {

using testing::FixedClock;
using testing::ScriptedGenerator;

// A field record that logs every access, for the order of reads and writes.
class LoggedFields final : public RiddleFields {
public:
    [[nodiscard]] std::string text(Field field) const override
    {
        log += "get " + std::string(fieldName(field)) + "; ";
        return m_record.text(field);
    }
    void setText(Field field, std::string_view text) override
    {
        log += "set " + std::string(fieldName(field)) + "; ";
        m_record.setText(field, text);
    }

    mutable std::string log;

private:
    FieldRecord m_record;
};

FieldRecord withInputs(const char* m, const char* n, const char* p)
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
}

INSTANTIATE_TEST_SUITE_P(Riddles, SolveTable,
    ::testing::Values(SolveRow{"StartValues", ",", "16", "34", "58", "3", "9", "4", "3x^2+9x+4"},
        SolveRow{"LeadingOneLosesItsDigit", ",", "1", "0", "1", "1", "-4", "4", "x^2-4x+4"},
        SolveRow{"MiddleMinusOneIsALoneSign", ",", "2", "4", "8", "1", "-1", "2", "x^2-x+2"},
        SolveRow{"MiddlePlusOneIsALoneSign", ",", "1", "2", "3", "0", "1", "0", "0x^2+x"},
        SolveRow{"LeadingMinusOneIsALoneSign", ",", "-1", "-4", "-9", "-1", "0", "0", "-x^2-0x"},
        SolveRow{"HalvesWithComma", ",", "1", "2", "4", "0,5", "-0,5", "1", "0,5x^2-0,5x+1"},
        SolveRow{"HalvesWithPeriod", ".", "1", "2", "4", "0.5", "-0.5", "1", "0.5x^2-0.5x+1"},
        SolveRow{"TypedCommaIsADecimalUnderPolishSettings", ",", "2,5", "0", "0", "1,25", "-6,25",
            "7,5", "1,25x^2-6,25x+7,5"},
        SolveRow{"PointOneTwoThreeLeavesRoundingResidues", ",", "0.1", "0.2", "0.3",
            "-1,38777878078145E-17", "0,1", "-5,55111512312578E-17",
            "-1,38777878078145E-17x^2+0,1x-5,55111512312578E-17"},
        SolveRow{"AlmostOneIsWrittenWithItsDigit", ",", "0", "0", "2.0000000000000004", "1", "-3",
            "2", "1x^2-3x+2"}),
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

    EXPECT_THROW(solve(fields, ","), OverflowError);
    EXPECT_EQ(fields.text(Field::Text4), "old polynomial");
    EXPECT_EQ(fields.text(Field::Text6), "old formulas");
}

INSTANTIATE_TEST_SUITE_P(BeyondDoubleRange, SolveOverflow,
    ::testing::Values(OverflowRow{"ReadingM", "1e400", "0", "0"},
        OverflowRow{"FourTimesN", "0", "1e308", "0"},
        OverflowRow{"DifferenceInA", "0", "-1.7e308", "1.7e308"},
        OverflowRow{"SumInC", "5e307", "0", "3e307"}),
    testing::RowName());

TEST(Solve, ReadsAllThreeInputsThenWritesFormulasBeforeThePolynomial)
{
    LoggedFields fields;
    solve(fields, ",");
    EXPECT_EQ(fields.log, "get Text1; get Text2; get Text3; set Text6; set Text4; ");
}

TEST(StartTexts, WriteTheLetteredSystemAndFormulas)
{
    FieldRecord fields;
    writeStartTexts(fields);
    EXPECT_EQ(fields.text(Field::Text5),
        "Liczby a,b,c są rozwiązaniami ukladu równań:\r\n"
        "a+b+c = m\r\n4a+2b+c = n\r\n9a+3b+c = p\r\n");
    EXPECT_EQ(fields.text(Field::Text6), "a=0,5p-n+0,5m\r\nb=4n-2,5m-1,5p\r\nc=3m-3n+p\r\n");
}

TEST(Draw, WritesNumbersEmptiesPolynomialAndWritesTheSystemInOrder)
{
    LoggedFields fields;
    fields.setText(Field::Text4, "3x^2+9x+4");
    fields.setText(Field::Text6, "old solution");
    fields.log.clear();
    ScriptedGenerator generator;

    draw(fields, generator, FixedClock(45296.25F));

    EXPECT_EQ(generator.seeds, std::vector<float>{45296.25F});
    EXPECT_EQ(fields.log, "set Text1; set Text2; set Text3; set Text4; set Text5; ");
    EXPECT_EQ(fields.text(Field::Text1) + " " + fields.text(Field::Text2) + " "
            + fields.text(Field::Text3) + " [" + fields.text(Field::Text4) + "]",
        "7 58 101 []");
    EXPECT_EQ(fields.text(Field::Text5),
        "Liczby a,b,c są rozwiązaniami ukladu równań:\r\n"
        "a+b+c = 7\r\n4a+2b+c = 58\r\n9a+3b+c = 101\r\n");
    EXPECT_EQ(fields.text(Field::Text6), "old solution");
}

struct DrawRow {
    const char* name;
    float r;
    const char* shown; // the number in Text1, or the error's message
};

class DrawTable : public ::testing::TestWithParam<DrawRow> { };

TEST_P(DrawTable, TurnsAGeneratorValueIntoANumberOrAnError)
{
    FieldRecord fields;
    ScriptedGenerator generator({GetParam().r});
    try {
        draw(fields, generator, FixedClock(0));
        EXPECT_EQ(fields.text(Field::Text1), GetParam().shown);
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), GetParam().shown);
        EXPECT_EQ(fields.text(Field::Text1), "16") << "an error comes before any write";
    }
}

INSTANTIATE_TEST_SUITE_P(Values, DrawTable,
    ::testing::Values(DrawRow{"JustBelowHalfAPercentGivesOne", 0.004F, "1"},
        DrawRow{"TieRoundsDownToEven", 0.125F, "13"}, DrawRow{"TieRoundsUpToEven", 0.375F, "39"},
        DrawRow{"NinetyNineAndAHalfPercentGives101", 0.995F, "101"},
        DrawRow{"InfinityIsAFloatingPointFault", std::numeric_limits<float>::infinity(),
            "Błąd obliczeń zmiennoprzecinkowych."},
        DrawRow{"RoundingBeyondInt16Overflows", 400.0F, "Przepełnienie: liczba jest zbyt duża."},
        DrawRow{"AddingOneBeyondInt16Overflows", 327.67F, "Przepełnienie: liczba jest zbyt duża."}),
    testing::RowName());

TEST(Draw, RealDrawsReachEveryNumberFrom1To101AndDifferWithinADraw)
{
    FieldRecord fields;
    MixingGenerator generator;
    std::set<int> seen;
    int sameTwice = 0;
    for (int i = 0; i < 10'000; ++i) {
        draw(fields, generator, FixedClock(static_cast<float>(i)));
        for (Field field : {Field::Text1, Field::Text2, Field::Text3})
            seen.insert(std::stoi(fields.text(field)));
        sameTwice += fields.text(Field::Text1) == fields.text(Field::Text2);
    }
    EXPECT_EQ(seen.size(), 101U);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_LT(sameTwice, 200); // about 1 in 100 by chance
}

TEST(Draw, TwoDrawsInTheSameClockTickDiffer)
{
    FieldRecord first;
    FieldRecord second;
    MixingGenerator generator;
    draw(first, generator, FixedClock(36000.5F));
    draw(second, generator, FixedClock(36000.5F));
    EXPECT_NE(first.text(Field::Text5), second.text(Field::Text5));
}

} // namespace
} // namespace parabolix

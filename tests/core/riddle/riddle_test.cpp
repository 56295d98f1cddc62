// The start texts, solving and drawing on a record of the six fields: every
// text a user reads there, byte for byte, CR LF included.
#include "riddle/riddle.h"
#include "scripted_chance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace parabolix {
namespace {

using testing::FixedClock;
using testing::ScriptedGenerator;

// Text1 .. Text6.
std::vector<std::string> texts(const FieldRecord& fields)
{
    std::vector<std::string> all(kAllFields.size());
    std::transform(kAllFields.begin(), kAllFields.end(), all.begin(),
        [&fields](Field field) { return fields.text(field); });
    return all;
}

constexpr const char* kOverflow = "Przepełnienie: liczba jest zbyt duża.";

// The message a user reads when an operation fails; empty when it does not.
template <typename T>
std::string errorOf(const Result<T>& result)
{
    return result.ok() ? "" : std::string(message(result.error()));
}

TEST(StartTexts, AreTheStartNumbersAndTheSystemAndFormulasInLetters)
{
    FieldRecord fields;
    for (Field field : kAllFields)
        fields.setText(field, "old");
    writeStartTexts(fields);
    const std::string system = "Liczby a,b,c są rozwiązaniami ukladu równań:\r\na+b+c = m\r\n"
                               "4a+2b+c = n\r\n9a+3b+c = p\r\n";
    EXPECT_EQ(texts(fields),
        (std::vector<std::string>{
            "16", "34", "58", "", system, "a=0,5p-n+0,5m\r\nb=4n-2,5m-1,5p\r\nc=3m-3n+p\r\n"}));
}

struct SolveRow {
    const char* name;
    const char* separator;
    const char* m;
    const char* n;
    const char* p;
    const char* a; // the values as Text6 shows them; none: solving fails
    const char* b;
    const char* c;
    const char* shown; // Text4, or the message when solving fails and Text4 and Text6 stay
};

class SolveTable : public ::testing::TestWithParam<SolveRow> { };

TEST_P(SolveTable, WritesFormulasWithValuesAndThePolynomialOrRaisesOverflow)
{
    const SolveRow& row = GetParam();
    FieldRecord fields;
    for (const auto& [field, text] : {std::pair{Field::Text1, row.m}, {Field::Text2, row.n},
             {Field::Text3, row.p}, {Field::Text4, "old"}, {Field::Text6, "old"}})
        fields.setText(field, text);

    const DecimalSeparator separator(row.separator);
    const std::string error = errorOf(solve(fields, separator));
    if (row.a == nullptr) {
        EXPECT_EQ(error, row.shown);
        EXPECT_EQ(fields.text(Field::Text4) + " " + fields.text(Field::Text6), "old old");
    } else {
        EXPECT_EQ(error, "");
        EXPECT_EQ(fields.text(Field::Text6),
            std::string("a=0,5p-n+0,5m=") + row.a + "\r\n" + "b=4n-2,5m-1,5p=" + row.b + "\r\n"
                + "c=3m-3n+p=" + row.c + "\r\n");
        EXPECT_EQ(fields.text(Field::Text4), row.shown);
    }
}

INSTANTIATE_TEST_SUITE_P(Riddles, SolveTable,
    ::testing::Values(
        SolveRow{"LeadingOneLosesItsDigit", ",", "1", "0", "1", "1", "-4", "4", "x^2-4x+4"},
        SolveRow{"MiddleMinusOneIsALoneSign", ",", "2", "4", "8", "1", "-1", "2", "x^2-x+2"},
        SolveRow{"MiddlePlusOneIsALoneSign", ",", "1", "2", "3", "0", "1", "0", "0x^2+x"},
        SolveRow{"LeadingMinusOneIsALoneSign", ",", "-1", "-4", "-9", "-1", "0", "0", "-x^2-0x"},
        SolveRow{"TypedCommaIsADecimalUnderPolishSettings", ",", "2,5", "0", "0", "1,25", "-6,25",
            "7,5", "1,25x^2-6,25x+7,5"},
        SolveRow{"PointOneTwoThreeLeavesRoundingResidues", ",", "0.1", "0.2", "0.3",
            "-1,38777878078145E-17", "0,1", "-5,55111512312578E-17",
            "-1,38777878078145E-17x^2+0,1x-5,55111512312578E-17"},
        SolveRow{"AlmostOneIsWrittenWithItsDigit", ",", "0", "0", "2.0000000000000004", "1", "-3",
            "2", "1x^2-3x+2"},
        SolveRow{"OverflowReadingM", ",", "1e400", "0", "0", {}, {}, {}, kOverflow},
        SolveRow{"OverflowInTheSumInC", ",", "5e307", "0", "3e307", {}, {}, {}, kOverflow},
        SolveRow{"OverflowInTheEndOfB", ",", "3e307", "4e307", "-1.1e308", {}, {}, {}, kOverflow}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Draw, SeedsWithTheClockWritesTheNumbersAndEmptiesThePolynomial)
{
    FieldRecord fields;
    fields.setText(Field::Text4, "3x^2+9x+4");
    fields.setText(Field::Text6, "old solution");
    ScriptedGenerator generator;

    const Result<Posed> drawn = draw(fields, generator, FixedClock(45296.25F));

    EXPECT_EQ(generator.seeds, std::vector<float>{45296.25F});
    const std::string system = "Liczby a,b,c są rozwiązaniami ukladu równań:\r\na+b+c = 13\r\n"
                               "4a+2b+c = 39\r\n9a+3b+c = 101\r\n";
    EXPECT_EQ(
        texts(fields), (std::vector<std::string>{"13", "39", "101", "", system, "old solution"}));
    EXPECT_EQ(std::vector({drawn.value().m, drawn.value().n, drawn.value().p}),
        (std::vector<std::int16_t>{13, 39, 101}));
}

// A generator that left [0, 1) is reported before anything is written.
TEST(Draw, AGeneratorBeyondZeroToOneIsReportedBeforeAnyWrite)
{
    for (const auto& [value, shown] : {std::pair{400.0F, kOverflow},
             {std::numeric_limits<float>::infinity(), "Błąd obliczeń zmiennoprzecinkowych."}}) {
        FieldRecord fields;
        ScriptedGenerator generator;
        generator.values = {value};
        EXPECT_EQ(errorOf(draw(fields, generator, FixedClock(0))), shown) << value;
        EXPECT_EQ(texts(fields), texts(FieldRecord()));
    }
}

// Two draws in each clock tick: every number from 1 to 101 comes up, m and n
// agree only by chance, and no draw repeats the one before in its tick.
TEST(Draw, RealDrawsReachEveryNumberAndDifferWithinATick)
{
    FieldRecord fields;
    MixingGenerator generator;
    std::set<int> seen;
    int mEqualsN = 0;
    int repeats = 0;
    for (int i = 0; i < 10'000; ++i) {
        const std::string before = fields.text(Field::Text5);
        (void)draw(fields, generator, FixedClock(static_cast<float>(i - i % 2)));
        for (Field field : {Field::Text1, Field::Text2, Field::Text3})
            seen.insert(std::stoi(fields.text(field)));
        mEqualsN += static_cast<int>(fields.text(Field::Text1) == fields.text(Field::Text2));
        repeats += static_cast<int>(fields.text(Field::Text5) == before);
    }
    EXPECT_EQ(seen.size(), 101U);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 101);
    EXPECT_LT(mEqualsN, 200); // about 1 in 100
    EXPECT_EQ(repeats, 0);
}

} // namespace
} // namespace parabolix

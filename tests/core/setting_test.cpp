#include "failing_fields.h"
#include "riddle.h"
#include "scripted_chance.h"
#include "table.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <map>
#include <vector>

namespace parabolix {
namespace {

using testing::PrintTo;

using testing::FixedClock;
using testing::ScriptedGenerator;

const std::string kLetteredSystem = "Liczby a,b,c są rozwiązaniami ukladu równań:\r\n"
                                    "a+b+c = m\r\n"
                                    "4a+2b+c = n\r\n"
                                    "9a+3b+c = p\r\n";

TEST(StartTexts, WriteTheLetteredSystemAndFormulas)
{
    FieldRecord fields;
    writeStartTexts(fields);
    EXPECT_EQ(fields.text(Field::Text5), kLetteredSystem);
    EXPECT_EQ(fields.text(Field::Text6), "a=0,5p-n+0,5m\r\nb=4n-2,5m-1,5p\r\nc=3m-3n+p\r\n");
    EXPECT_EQ(fields.text(Field::Text1), "16");
    EXPECT_EQ(fields.text(Field::Text2), "34");
    EXPECT_EQ(fields.text(Field::Text3), "58");
    EXPECT_EQ(fields.text(Field::Text4), "");
}

TEST(Draw, WritesNumbersEmptiesPolynomialAndWritesTheSystem)
{
    FieldRecord fields;
    solve(fields, ",");
    const std::string solution = fields.text(Field::Text6);
    ScriptedGenerator generator;

    draw(fields, generator, FixedClock(45296.25F));

    EXPECT_EQ(generator.seeds, std::vector<float>{45296.25F});
    EXPECT_EQ(fields.text(Field::Text1), "7");
    EXPECT_EQ(fields.text(Field::Text2), "58");
    EXPECT_EQ(fields.text(Field::Text3), "101");
    EXPECT_EQ(fields.text(Field::Text4), "");
    EXPECT_EQ(fields.text(Field::Text5),
        "Liczby a,b,c są rozwiązaniami ukladu równań:\r\n"
        "a+b+c = 7\r\n"
        "4a+2b+c = 58\r\n"
        "9a+3b+c = 101\r\n");
    EXPECT_EQ(fields.text(Field::Text6), solution) << "the old solution stays";
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
    ::testing::Values(DrawRow{"ZeroGivesOne", 0.0F, "1"},
        DrawRow{"JustBelowHalfAPercentGivesOne", 0.004F, "1"},
        DrawRow{"TieRoundsDownToEven", 0.125F, "13"}, DrawRow{"TieRoundsUpToEven", 0.375F, "39"},
        DrawRow{"NinetyNineAndAHalfPercentGives101", 0.995F, "101"},
        DrawRow{"LargestValueGives101", 1.0F - 0x1p-24F, "101"},
        DrawRow{"InfinityIsAFloatingPointFault", std::numeric_limits<float>::infinity(),
            "Błąd obliczeń zmiennoprzecinkowych."},
        DrawRow{"RoundingBeyondInt16Overflows", 400.0F, "Przepełnienie: liczba jest zbyt duża."},
        DrawRow{"AddingOneBeyondInt16Overflows", 327.67F, "Przepełnienie: liczba jest zbyt duża."}),
    testing::RowName());

// Writes in order: Text1, Text2, Text3, Text4, Text5.
class DrawFailingWrite : public ::testing::TestWithParam<int> { };

TEST_P(DrawFailingWrite, KeepsExactlyTheWritesBeforeTheFailure)
{
    const int failing = GetParam();
    testing::FailingFields fields(failing);
    for (Field field : kAllFields)
        fields.record().setText(field, "old");
    ScriptedGenerator generator;

    EXPECT_THROW(draw(fields, generator, FixedClock(0)), FieldAccessError);

    const std::array<std::string, 5> drawn{"7", "58", "101", "",
        "Liczby a,b,c są rozwiązaniami ukladu równań:\r\n"
        "a+b+c = 7\r\n4a+2b+c = 58\r\n9a+3b+c = 101\r\n"};
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const auto written = static_cast<int>(i) + 1 < failing;
        EXPECT_EQ(fields.record().text(kAllFields.at(i)), written ? drawn.at(i) : "old")
            << fieldName(kAllFields.at(i));
    }
    EXPECT_EQ(fields.record().text(Field::Text6), "old");
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, DrawFailingWrite, ::testing::Range(1, 6));

TEST(Draw, RealDrawsCoverOneTo101WithHalfAsLikelyEnds)
{
    FieldRecord fields;
    MixingGenerator generator;
    std::map<int, int> counts;
    constexpr int kDraws = 100'000; // three numbers each
    for (int i = 0; i < kDraws; ++i) {
        draw(fields, generator, FixedClock(static_cast<float>(i % 86400)));
        for (Field field : {Field::Text1, Field::Text2, Field::Text3})
            ++counts[std::stoi(fields.text(field))];
    }
    ASSERT_EQ(counts.begin()->first, 1);
    ASSERT_EQ(counts.rbegin()->first, 101);
    ASSERT_EQ(counts.size(), 101U);
    const double middle = 3.0 * kDraws / 100; // expected count of 2..100
    for (const auto& [number, count] : counts) {
        const double expected = (number == 1 || number == 101) ? middle / 2 : middle;
        EXPECT_NEAR(count, expected, expected * 0.1) << number;
    }
}

TEST(Draw, TwoDrawsInTheSameClockTickDiffer)
{
    FieldRecord first;
    FieldRecord second;
    MixingGenerator generator;
    const FixedClock clock(36000.5F);
    draw(first, generator, clock);
    draw(second, generator, clock);
    EXPECT_NE(first.text(Field::Text5), second.text(Field::Text5));
}

} // namespace
} // namespace parabolix

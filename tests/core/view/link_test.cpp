// A riddle passed on by link, and a worksheet with its answer key: what a
// fragment of the address is read as, and every text of a sheet.
#include "scripted_chance.h"
#include "view/link.h"
#include "view/worksheet.h"

#include <gtest/gtest.h>

#include <string>

namespace parabolix {
namespace {

struct LinkRow {
    const char* name;
    const char* fragment;
    const char* read; // "m n p", "none" or "broken"
};

class LinkReading : public ::testing::TestWithParam<LinkRow> { };

TEST_P(LinkReading, TakesExactlyThreeWholeNumbers)
{
    const link::Reading reading = link::read(GetParam().fragment);
    const auto& riddle = reading.riddle;
    EXPECT_EQ(riddle ? std::to_string(riddle->m) + " " + std::to_string(riddle->n) + " "
                + std::to_string(riddle->p)
            : reading.broken ? "broken"
                             : "none",
        GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Fragments, LinkReading,
    ::testing::Values(LinkRow{"AsMade", "#m=7&n=58&p=101", "7 58 101"},
        LinkRow{"InAnyOrderWithoutItsHash", "p=101&m=7&n=58", "7 58 101"},
        LinkRow{"TheEndsOfTheRange", "#m=-32768&n=32767&p=-0", "-32768 32767 0"},
        LinkRow{"Empty", "", "none"}, LinkRow{"AHashAlone", "#", "none"},
        LinkRow{"NoneOfTheKeys", "#top", "none"},
        LinkRow{"BeyondTheRange", "#m=32768&n=1&p=1", "broken"},
        LinkRow{"AKeyMissing", "#m=7&n=58", "broken"},
        LinkRow{"AKeyTwice", "#m=7&n=58&p=101&m=7", "broken"},
        LinkRow{"AnotherKeyBeside", "#m=7&n=58&p=101&x=1", "broken"},
        LinkRow{"ADecimal", "#m=7&n=58&p=1.5", "broken"},
        LinkRow{"APlusSign", "#m=+7&n=58&p=101", "broken"},
        LinkRow{"NoValue", "#m=&n=58&p=101", "broken"}),
    [](const auto& row) { return std::string(row.param.name); });

struct AddressRow {
    const char* name;
    const char* fragment;
    int number;
    int count;
    bool noted;
};

class SheetAddress : public ::testing::TestWithParam<AddressRow> { };

// The number drawn at first is the scripted generator's 0.125 of 99999, plus 1.
TEST_P(SheetAddress, NamesTheNumberAndTheCountOrSaysItDoesNot)
{
    testing::ScriptedGenerator generator;
    const worksheet::Opening opening
        = worksheet::open(GetParam().fragment, generator, testing::FixedClock(0));
    EXPECT_EQ(opening.settings.number, GetParam().number);
    EXPECT_EQ(opening.settings.count, GetParam().count);
    EXPECT_EQ(opening.note,
        GetParam().noted ? "Adres nie zawiera poprawnej karty pracy. Pokazuję kartę z 10 "
                           "zadaniami i nowym numerem."
                         : "");
}

INSTANTIATE_TEST_SUITE_P(Fragments, SheetAddress,
    ::testing::Values(AddressRow{"Both", "#nr=4711&zadania=30", 4711, 30, false},
        AddressRow{"TheCountAlone", "zadania=1", 12500, 1, false},
        AddressRow{"NothingOfASheet", "#top", 12500, 10, false},
        AddressRow{"TooManyRiddles", "#nr=4711&zadania=31", 12500, 10, true},
        AddressRow{"NumberZero", "#nr=0", 12500, 10, true},
        AddressRow{"NumberTooHigh", "#nr=100000", 12500, 10, true},
        AddressRow{"ANumberTwice", "#nr=1&nr=2", 12500, 10, true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Worksheet, OfANumberIsTheSameSheetEverywhere)
{
    const worksheet::Sheet sheet = worksheet::sheetOf({4711, 10}, DecimalSeparator(","));
    std::string text = sheet.title + "\n";
    for (const std::string& line : sheet.riddles)
        text += line + "\n";
    text += sheet.answersTitle + "\n";
    for (const std::string& line : sheet.answers)
        text += line + "\n";
    EXPECT_EQ(text + sheet.fragment,
        "Karta pracy nr 4711\n"
        "Zadanie 1. m = 66, n = 49, p = 9\nZadanie 2. m = 71, n = 72, p = 24\n"
        "Zadanie 3. m = 88, n = 71, p = 76\nZadanie 4. m = 43, n = 43, p = 11\n"
        "Zadanie 5. m = 27, n = 82, p = 5\nZadanie 6. m = 70, n = 36, p = 20\n"
        "Zadanie 7. m = 95, n = 8, p = 82\nZadanie 8. m = 83, n = 87, p = 74\n"
        "Zadanie 9. m = 70, n = 83, p = 11\nZadanie 10. m = 27, n = 36, p = 77\n"
        "Odpowiedzi do karty nr 4711\n"
        "Zadanie 1. a = -11,5, b = 17,5, c = 60, więc y = -11,5x^2+17,5x+60.\n"
        "Zadanie 2. a = -24,5, b = 74,5, c = 21, więc y = -24,5x^2+74,5x+21.\n"
        "Zadanie 3. a = 11, b = -50, c = 127, więc y = 11x^2-50x+127.\n"
        "Zadanie 4. a = -16, b = 48, c = 11, więc y = -16x^2+48x+11.\n"
        "Zadanie 5. a = -66, b = 253, c = -160, więc y = -66x^2+253x-160.\n"
        "Zadanie 6. a = 9, b = -61, c = 122, więc y = 9x^2-61x+122.\n"
        "Zadanie 7. a = 80,5, b = -328,5, c = 343, więc y = 80,5x^2-328,5x+343.\n"
        "Zadanie 8. a = -8,5, b = 29,5, c = 62, więc y = -8,5x^2+29,5x+62.\n"
        "Zadanie 9. a = -42,5, b = 140,5, c = -28, więc y = -42,5x^2+140,5x-28.\n"
        "Zadanie 10. a = 16, b = -39, c = 50, więc y = 16x^2-39x+50.\n"
        "nr=4711&zadania=10");
    EXPECT_EQ((std::vector{worksheet::kOpenCaption, worksheet::kCountLabel, worksheet::kNumberLabel,
                  worksheet::kPrintCaption, worksheet::kBadSettings}),
        (std::vector<std::string_view>{"Karta pracy", "Liczba zadań", "Numer karty", "Drukuj",
            "Wpisz liczbę zadań od 1 do 30 i numer karty od 1 do 99999."}));
    EXPECT_EQ(worksheet::kInstruction,
        "Wyznacz współczynniki a, b i c funkcji y = ax^2+bx+c, której wykres przechodzi przez "
        "punkty A(1; m), B(2; n) i C(3; p).");
}

} // namespace
} // namespace parabolix

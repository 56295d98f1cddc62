// A worksheet of riddles with its answer key, for a teacher to print. Its
// riddles come from the sheet's number alone, so that the same number gives
// the same sheet on any machine, in any engine, next year too.
#pragma once

#include "riddle/chance.h"
#include "riddle/number_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace parabolix::worksheet {

// The texts of the sheet's page, and of the button that opens it.
inline constexpr std::string_view kOpenCaption = "Karta pracy";
inline constexpr std::string_view kCountLabel = "Liczba zadań";
inline constexpr std::string_view kNumberLabel = "Numer karty";
inline constexpr std::string_view kPrintCaption = "Drukuj";
inline constexpr std::string_view kInstruction
    = "Wyznacz współczynniki a, b i c funkcji y = ax^2+bx+c, której wykres przechodzi przez "
      "punkty A(1; m), B(2; n) i C(3; p).";
inline constexpr std::string_view kBadAddress
    = "Adres nie zawiera poprawnej karty pracy. Pokazuję kartę z 10 zadaniami i nowym numerem.";
inline constexpr std::string_view kBadSettings
    = "Wpisz liczbę zadań od 1 do 30 i numer karty od 1 do 99999.";

// How many riddles a sheet holds, and the numbers a sheet may have.
inline constexpr int kFewest = 1;
inline constexpr int kMost = 30;
inline constexpr int kAtFirst = 10;
inline constexpr int kLowestNumber = 1;
inline constexpr int kHighestNumber = 99999;

struct Settings {
    int number = kLowestNumber;
    int count = kAtFirst;
};

// The sheet of those settings, each part a text or lines: its title, "Karta
// pracy nr 4711"; the riddles, "Zadanie 1. m = 7, n = 58, p = 101"; the
// answers' title and the answers, "Zadanie 1. a = …, więc y = ….", written as
// the lesson writes them; its address's fragment, nr=4711&zadania=10. Each
// riddle is three values as the window's draw takes them, from a generator
// of the program's own seeded once with the number; a riddle already on the
// sheet, or whose points lie on a line, is skipped.
struct Sheet {
    Settings settings;
    std::string title;
    std::vector<std::string> riddles;
    std::string answersTitle;
    std::vector<std::string> answers;
    std::string fragment;
};
[[nodiscard]] Sheet sheetOf(const Settings& settings, const DecimalSeparator& separator);

// The settings an address's fragment (with or without its #) names, nr and
// zadania each at most once; what it leaves out is as at first, the number
// drawn from `generator` reseeded by `clock`. Anything else gives settings
// as at first and the note that says so.
struct Opening {
    Settings settings;
    std::string note;
};
[[nodiscard]] Opening open(
    std::string_view fragment, RandomGenerator& generator, const Clock& clock);

// The settings the page's controls hold, when both are whole numbers in range.
[[nodiscard]] std::optional<Settings> settingsOf(std::string_view number, std::string_view count);

} // namespace parabolix::worksheet

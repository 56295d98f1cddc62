#include "view/worksheet.h"

#include "riddle/fraction.h"
#include "riddle/riddle.h"
#include "view/address.h"
#include "view/lesson.h"

#include <algorithm>
#include <array>
#include <optional>

namespace parabolix::worksheet {

namespace {

// A sheet draws at most this many riddles before it gives up on filling
// itself; a riddle is skipped about once in a hundred.
constexpr int kMostDraws = 10'000;

// The keys of a sheet's address: its number, and how many riddles it holds.
constexpr std::array<address::Key, 2> kKeys{
    {{"nr", kLowestNumber, kHighestNumber}, {"zadania", kFewest, kMost}}};

// The riddles of a sheet: as many as it asks for, each new and not on a line.
std::vector<Posed> riddlesOf(const Settings& settings)
{
    MixingGenerator generator;
    generator.reseed(static_cast<float>(settings.number));
    std::vector<Posed> riddles;
    for (int draws = 0; std::ssize(riddles) < settings.count && draws < kMostDraws; ++draws) {
        std::array<std::int16_t, 3> mnp{};
        // The program's generator stays in [0, 1), so every draw has its number.
        std::generate(mnp.begin(), mnp.end(), [&] { return drawNumber(generator).value(); });
        const Posed riddle{mnp[0], mnp[1], mnp[2]};
        const bool seen = std::any_of(riddles.begin(), riddles.end(), [&](const Posed& each) {
            return each.m == riddle.m && each.n == riddle.n && each.p == riddle.p;
        });
        if (!seen && riddle.p - 2 * riddle.n + riddle.m != 0) // else a = 0: a line
            riddles.push_back(riddle);
    }
    return riddles;
}

std::string answerOf(const Posed& riddle, const DecimalSeparator& separator)
{
    const Fraction m = riddle.m;
    const Fraction n = riddle.n;
    const Fraction p = riddle.p;
    const Fraction half(1, 2);
    const Fraction a = half * p - n + half * m;
    const Fraction b = 4 * n - Fraction(5, 2) * m - Fraction(3, 2) * p;
    const Fraction c = 3 * m - 3 * n + p;
    return "a = " + exactText(a, separator) + ", b = " + exactText(b, separator)
        + ", c = " + exactText(c, separator)
        + ", więc y = " + lesson::schoolPolynomial(a, b, c, separator) + ".";
}

} // namespace

Sheet sheetOf(const Settings& settings, const DecimalSeparator& separator)
{
    const std::string number = std::to_string(settings.number);
    Sheet sheet{settings, "Karta pracy nr " + number, {}, "Odpowiedzi do karty nr " + number, {},
        "nr=" + number + "&zadania=" + std::to_string(settings.count)};
    int i = 0;
    for (const Posed& riddle : riddlesOf(settings)) {
        const std::string task = "Zadanie " + std::to_string(++i) + ". ";
        sheet.riddles.push_back(task + "m = " + std::to_string(riddle.m)
            + ", n = " + std::to_string(riddle.n) + ", p = " + std::to_string(riddle.p));
        sheet.answers.push_back(task + answerOf(riddle, separator));
    }
    return sheet;
}

Opening open(std::string_view fragment, RandomGenerator& generator, const Clock& clock)
{
    generator.reseed(clock.secondsSinceMidnight());
    Settings atFirst;
    atFirst.number
        = kLowestNumber + static_cast<int>(generator.next() * static_cast<float>(kHighestNumber));
    const address::Reading reading = address::read(fragment, kKeys);
    if (reading.named && reading.broken)
        return {atFirst, std::string(kBadAddress)};
    return {{reading.values[0].value_or(atFirst.number), reading.values[1].value_or(atFirst.count)},
        ""};
}

std::optional<Settings> settingsOf(std::string_view number, std::string_view count)
{
    const std::optional<int> sheet = address::wholeNumber(number, kLowestNumber, kHighestNumber);
    const std::optional<int> riddles = address::wholeNumber(count, kFewest, kMost);
    if (!sheet || !riddles)
        return std::nullopt;
    return Settings{*sheet, *riddles};
}

} // namespace parabolix::worksheet

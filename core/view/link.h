// One riddle passed on by link: its numbers in the page's address, after the
// #, as m=7&n=58&p=101. The fragment never leaves the browser, so no server
// sees them, and the link works offline as the page does.
#pragma once

#include "riddle/riddle.h"

#include <optional>
#include <string>
#include <string_view>

namespace parabolix::link {

// The page's texts of the link.
inline constexpr std::string_view kButtonCaption = "Link do zadania";
inline constexpr std::string_view kAddressLabel = "Adres zadania";
inline constexpr std::string_view kCopied = "Link skopiowany.";
inline constexpr std::string_view kRefused = "Skopiuj adres z pola Adres zadania.";
inline constexpr std::string_view kOnlyWhole
    = "Link można utworzyć tylko dla liczb całkowitych od -32768 do 32767.";
inline constexpr std::string_view kNotARiddle
    = "Link nie zawiera poprawnego zadania. Pokazuję zadanie początkowe.";

// What an address's fragment (with or without its #) holds: the riddle of
// exactly the three keys m, n and p, in any order, each once, each a whole
// number; or no riddle, where the fragment is empty or names none of the
// three keys; or else something broken, which the page says it ignored.
struct Reading {
    std::optional<Posed> riddle;
    bool broken = false;
};
[[nodiscard]] Reading read(std::string_view fragment);

// The fragment for the riddle in Text1..Text3, m=7&n=58&p=101, where each
// holds a whole number; none otherwise.
[[nodiscard]] std::optional<std::string> fragmentOf(const RiddleFields& fields);

} // namespace parabolix::link

// Texts that the start texts, the solve and the draw share.
#pragma once

#include <string>
#include <string_view>

namespace parabolix::texts {

// CR and LF, which end every line the program writes.
inline constexpr std::string_view kLineBreak = "\r\n";

inline constexpr std::string_view kFormulaA = "a=0,5p-n+0,5m";
inline constexpr std::string_view kFormulaB = "b=4n-2,5m-1,5p";
inline constexpr std::string_view kFormulaC = "c=3m-3n+p";

// The system of equations that a, b and c satisfy, with m, n and p written as
// given (letters at start, digits after a draw), each line ended by CR LF.
[[nodiscard]] std::string systemOfEquations(
    std::string_view m, std::string_view n, std::string_view p);

} // namespace parabolix::texts

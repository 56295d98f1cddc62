// What the fuzz targets share: a check that stops the run with a reason,
// and the blanks a user may type inside a number.
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace parabolix::fuzz {

inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// The first input byte picks the regional decimal separator.
inline std::string_view separatorFor(unsigned char selector) { return selector % 2 ? "." : ","; }

inline constexpr std::array<std::string_view, 4> kBlanks{" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// True for a number as the program writes it: [-]digits[sep digits][E±dd[d]].
inline bool isNumberText(std::string_view text, std::string_view separator)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < text.size() && text[i] == '-')
        ++i;
    if (digits() == 0)
        return false;
    if (text.substr(i).starts_with(separator)) {
        i += separator.size();
        if (digits() == 0)
            return false;
    }
    if (i < text.size() && text[i] == 'E') {
        ++i;
        if (i >= text.size() || (text[i] != '+' && text[i] != '-'))
            return false;
        ++i;
        const std::size_t count = digits();
        if (count < 2 || count > 3)
            return false;
    }
    return i == text.size();
}

} // namespace parabolix::fuzz

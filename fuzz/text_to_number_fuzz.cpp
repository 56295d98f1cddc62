// Text to number on arbitrary bytes, against strtod as an independent oracle:
// the reference deletes every blank, turns the regional separator into a
// period, takes the longest prefix of the form [+-]digits[.digits][e±digits]
// with a plain loop, and hands it to the C library.
#include "errors.h"
#include "fuzz_check.h"
#include "number_text.h"

#include <cerrno>
#include <cmath>
#include <string>

namespace {

using namespace parabolix;
using fuzz::isDigit;
using fuzz::require;

std::string withoutBlanks(std::string_view text, std::string_view separator)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t blank = 0;
        for (std::string_view candidate : fuzz::kBlanks)
            if (text.substr(i).starts_with(candidate))
                blank = candidate.size();
        if (blank) {
            i += blank;
        } else if (text.substr(i).starts_with(separator)) {
            out += '.';
            i += separator.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string numberPrefix(const std::string& text)
{
    std::size_t i = 0;
    const auto skipDigits = [&] {
        std::size_t count = 0;
        for (; i < text.size() && isDigit(text[i]); ++i)
            ++count;
        return count;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0)
        return {};
    const std::size_t mantissaEnd = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (skipDigits() > 0)
            return text.substr(0, i);
    }
    return text.substr(0, mantissaEnd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view separator = fuzz::separatorFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string prefix = numberPrefix(withoutBlanks(text, separator));
    errno = 0;
    const double expected = prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), nullptr);
    const bool overflows = errno == ERANGE && std::isinf(expected);

    try {
        const double value = textToNumber(text, separator);
        require(!overflows, "strtod overflows but textToNumber gave a value");
        require(std::isfinite(value), "textToNumber gave a non-finite value");
        require(value == expected && std::signbit(value) == std::signbit(expected),
                "textToNumber and strtod disagree");
    } catch (const OverflowError&) {
        require(overflows, "textToNumber overflowed but strtod did not");
    }
    return 0;
}

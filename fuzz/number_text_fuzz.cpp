// libFuzzer targets, one per function named by PARABOLIX_FUZZ: each takes
// arbitrary bytes, the first choosing the regional decimal separator, and
// stops the run with a reason when the program's output breaks its rules.
#include "riddle/number_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>

namespace {

using namespace parabolix;

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// A number as the program writes it, without its sign: digits, then perhaps
// the separator and digits, then perhaps an exponent E±dd or E±ddd.
std::string magnitude(const std::string& separator)
{
    return "[0-9]+([" + separator + "][0-9]+)?(E[+-][0-9]{2,3})?";
}

// Against strtod as an independent oracle: the reference deletes every blank,
// turns the separator into a period, takes the longest prefix of the form
// [+-]digits[.digits][e±digits] by a regular expression, and reads that.
[[maybe_unused]] void text_to_number(const std::string& text, const std::string& separator)
{
    static const std::regex blanks(" |\t|\xC2\xA0|\xE2\x80\xAF");
    static const std::regex number("[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?");
    std::string cleaned = std::regex_replace(text, blanks, "");
    std::replace(cleaned.begin(), cleaned.end(), separator[0], '.');
    std::smatch prefix;
    errno = 0;
    const double expected
        = std::regex_search(cleaned, prefix, number, std::regex_constants::match_continuous)
        ? std::strtod(prefix.str().c_str(), nullptr)
        : 0.0;
    const bool overflows = errno == ERANGE && std::isinf(expected);
    const Result<double> read = textToNumber(text, DecimalSeparator(separator));
    if (!read.ok()) {
        require(overflows, "textToNumber overflowed but strtod did not");
        return;
    }
    require(!overflows, "strtod overflows but textToNumber gave a value");
    require(read.value() == expected && std::signbit(read.value()) == std::signbit(expected),
        "textToNumber and strtod disagree");
}

// Any finite double: the program's shape, and read back it is the value
// rounded to 15 significant digits.
[[maybe_unused]] void double_to_text(const std::string& bytes, const std::string& separator)
{
    double value = 0;
    if (bytes.size() < sizeof value)
        return;
    std::memcpy(&value, bytes.data(), sizeof value);
    if (!std::isfinite(value))
        return;
    std::string text = doubleToText(value, DecimalSeparator(separator));
    static const std::regex comma("-?" + magnitude(",")), period("-?" + magnitude("."));
    require(std::regex_match(text, separator == "," ? comma : period), "not a number text");
    require(text.size() <= 1 + 15 + 1 + 5, "text longer than any number needs");
    std::replace(text.begin(), text.end(), separator[0], '.');
    // The C++ library's to_chars, not the C library's printf that the program
    // uses, rounds the value to 15 digits for comparison.
    std::array<char, 40> rounded{};
    std::to_chars(rounded.data(), rounded.data() + rounded.size() - 1, value,
        std::chars_format::scientific, 14);
    require(std::strtod(text.c_str(), nullptr) == std::strtod(rounded.data(), nullptr),
        "text does not read back as the value to 15 digits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size > 0)
        PARABOLIX_FUZZ(std::string(reinterpret_cast<const char*>(data) + 1, size - 1),
            data[0] % 2 ? "." : ",");
    return 0;
}

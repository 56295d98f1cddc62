// Value to text on arbitrary finite doubles: the text reads back as the value
// rounded to 15 significant digits, and is never longer than the longest form
// the format allows.
#include "fuzz_check.h"
#include "number_text.h"

#include <array>
#include <cmath>
#include <cstring>
#include <string>

using parabolix::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    double value = 0;
    if (size < sizeof value + 1)
        return 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;
    const std::string_view separator = parabolix::fuzz::separatorFor(data[sizeof value]);

    const std::string text = parabolix::doubleToText(value, separator);
    // Sign, 15 digits, separator, and an exponent such as E-308.
    require(text.size() <= 1 + 15 + separator.size() + 5, "text longer than any number needs");
    require(parabolix::fuzz::isNumberText(text, separator), "text is not a number text");

    std::string readable = text;
    if (const auto at = readable.find(separator); at != std::string::npos)
        readable.replace(at, separator.size(), ".");
    std::array<char, 40> rounded{};
    std::snprintf(rounded.data(), rounded.size(), "%.14e", value);
    require(std::strtod(readable.c_str(), nullptr) == std::strtod(rounded.data(), nullptr),
            "text does not read back as the value to 15 digits");
    return 0;
}

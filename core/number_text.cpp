#include "number_text.h"

#include "errors.h"

#include <fast_float.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <numeric>

namespace parabolix {

namespace {

// A Polish user writes "10 000" with a space or a no-break space between the
// thousands; a pasted number may carry a tab. All of them are skipped.
constexpr std::array<std::string_view, 4> kBlanks{" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};

// An exponent is kept far inside int64 but far beyond any double's reach, so
// that adding a digit count to it can neither overflow nor change the outcome.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks a text once, left to right, skipping blanks before every token.
class Scanner {
public:
    Scanner(std::string_view text, const DecimalSeparator& separator)
        : m_rest(text)
        , m_separator(separator.text())
    {
    }

    bool take(char c)
    {
        skipBlanks();
        if (m_rest.empty() || m_rest.front() != c)
            return false;
        m_rest.remove_prefix(1);
        return true;
    }

    // Takes a '+' or '-' if one comes next; returns true for '-'.
    bool takeMinus()
    {
        if (take('-'))
            return true;
        take('+');
        return false;
    }

    // The user's separator comes first: one such as ".," begins with a period.
    bool takeSeparator()
    {
        skipBlanks();
        if (m_rest.starts_with(m_separator)) {
            m_rest.remove_prefix(m_separator.size());
            return true;
        }
        return take('.');
    }

    // Appends the digits that come next, blanks between them skipped.
    void takeDigits(std::string& out)
    {
        for (skipBlanks(); !m_rest.empty() && isDigit(m_rest.front()); skipBlanks()) {
            out.push_back(m_rest.front());
            m_rest.remove_prefix(1);
        }
    }

    [[nodiscard]] bool atDigit()
    {
        skipBlanks();
        return !m_rest.empty() && isDigit(m_rest.front());
    }

    [[nodiscard]] std::string_view rest() const { return m_rest; }
    void rewind(std::string_view rest) { m_rest = rest; }

private:
    void skipBlanks()
    {
        for (bool skipped = true; skipped;) {
            skipped = false;
            for (std::string_view blank : kBlanks) {
                if (m_rest.starts_with(blank)) {
                    m_rest.remove_prefix(blank.size());
                    skipped = true;
                }
            }
        }
    }

    std::string_view m_rest;
    std::string_view m_separator;
};

// Reads an exponent "E-12" if one comes next. An E with no digit after it is
// not part of the number, so "12e" reads 12 and the scanner is left before E.
std::int64_t takeExponent(Scanner& scanner)
{
    const std::string_view before = scanner.rest();
    if (!scanner.take('e') && !scanner.take('E'))
        return 0;
    const bool negative = scanner.takeMinus();
    if (!scanner.atDigit()) {
        scanner.rewind(before);
        return 0;
    }
    std::string digits;
    scanner.takeDigits(digits);
    const std::int64_t exponent = std::accumulate(
        digits.begin(), digits.end(), std::int64_t{0}, [](std::int64_t sum, char digit) {
            return std::min(sum * 10 + (digit - '0'), kExponentLimit);
        });
    return negative ? -exponent : exponent;
}

} // namespace

DecimalSeparator::DecimalSeparator(std::string_view separator)
{
    const auto isCharacterStart
        = [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; };
    const auto characters = std::count_if(separator.begin(), separator.end(), isCharacterStart);
    const auto confusing = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return isDigit(c) || byte < 0x20U || byte == 0x7FU
            || std::string_view("+-eE").find(c) != std::string_view::npos;
    };
    const auto blank = [separator](std::string_view candidate) {
        return separator.find(candidate) != std::string_view::npos;
    };
    if (characters >= 1 && characters <= 3
        && std::none_of(separator.begin(), separator.end(), confusing)
        && std::none_of(kBlanks.begin(), kBlanks.end(), blank))
        m_text = separator;
}

double textToNumber(std::string_view text, const DecimalSeparator& separator)
{
    Scanner scanner(text, separator);
    const bool negative = scanner.takeMinus();
    // The number in the form fast_float reads: digits, '.', digits, 'e', exponent.
    std::string plain;
    scanner.takeDigits(plain);
    if (scanner.takeSeparator()) {
        plain += '.';
        scanner.takeDigits(plain);
    }
    if (plain.empty() || plain == ".")
        return 0.0;
    if (const std::int64_t exponent = takeExponent(scanner); exponent != 0)
        plain.append("e").append(std::to_string(exponent));

    // fast_float rounds correctly on every platform, where the standard
    // library's from_chars for doubles is missing from some. Too small a value
    // comes back as zero; too large a one as infinity.
    double magnitude = 0.0;
    fast_float::from_chars(plain.data(), plain.data() + plain.size(), magnitude);
    if (std::isinf(magnitude))
        throw OverflowError();
    return negative ? -magnitude : magnitude;
}

std::string doubleToText(double value, const DecimalSeparator& separator)
{
    assert(std::isfinite(value)); // the checked arithmetic gives nothing else
    if (value == 0.0)
        return "0";

    // Fifteen significant digits, correctly rounded, as d.dddddddddddddde±x.
    // The C library writes them the same on every platform, but with the
    // decimal point of its locale, which the window's toolkit sets from the
    // user's settings: so the digits are picked out around whatever it is.
    std::array<char, 48> buffer{};
    const int length
        = std::snprintf(buffer.data(), buffer.size(), "%.14e", std::fabs(value));
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(length));
    const auto e = scientific.rfind('e');
    std::string digits;
    std::copy_if(scientific.begin(), scientific.begin() + static_cast<std::ptrdiff_t>(e),
        std::back_inserter(digits), isDigit);
    digits.erase(digits.find_last_not_of('0') + 1);
    const int power = std::atoi(scientific.data() + e + 1);

    const int count = static_cast<int>(digits.size());
    const int decimals = std::max(0, count - 1 - power);
    std::string text = value < 0 ? "-" : "";
    if (power < 15 && decimals <= 15) {
        const int leading = power + 1; // digits before the separator
        if (leading <= 0) {
            const int zeros = -leading;
            text += '0';
            text += separator.text();
            text.append(static_cast<std::size_t>(zeros), '0');
            text += digits;
        } else if (count <= leading) {
            const int zeros = leading - count;
            text += digits;
            text.append(static_cast<std::size_t>(zeros), '0');
        } else {
            const auto split = static_cast<std::size_t>(leading);
            text += digits.substr(0, split);
            text += separator.text();
            text += digits.substr(split);
        }
        return text;
    }
    text += digits[0];
    if (count > 1) {
        text += separator.text();
        text += digits.substr(1);
    }
    text += power < 0 ? "E-" : "E+";
    if (std::abs(power) < 10)
        text += '0';
    text += std::to_string(std::abs(power));
    return text;
}

} // namespace parabolix

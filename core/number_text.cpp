#include "number_text.h"

#include "errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
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

// The power of ten just above the leading digit, for a mantissa that is not
// all zeros: 123.4e5 gives 8, 0.001 gives -2.
std::int64_t decimalMagnitude(
    std::string_view whole, std::string_view fraction, std::int64_t exponent)
{
    if (const auto first = whole.find_first_not_of('0'); first != std::string_view::npos)
        return static_cast<std::int64_t>(whole.size() - first) + exponent;
    return exponent - static_cast<std::int64_t>(fraction.find_first_not_of('0'));
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
    // The number in the form from_chars reads: digits, '.', digits, 'e', exponent.
    std::string plain;
    scanner.takeDigits(plain);
    const std::size_t wholeDigits = plain.size();
    if (scanner.takeSeparator()) {
        plain += '.';
        scanner.takeDigits(plain);
    }
    const std::size_t mantissaLength = plain.size();
    if (mantissaLength == 0 || plain == ".")
        return 0.0;
    const std::int64_t exponent = takeExponent(scanner);
    if (exponent != 0) {
        std::array<char, 24> digits{};
        char* end = std::to_chars(digits.data(), digits.data() + digits.size(), exponent).ptr;
        plain += 'e';
        plain.append(digits.data(), end);
    }

    double magnitude = 0.0;
    const auto [end, status]
        = std::from_chars(plain.data(), plain.data() + plain.size(), magnitude);
    if (status == std::errc::result_out_of_range) {
        // Out of range either way: too large is an error, too small is zero.
        const std::string_view mantissa = std::string_view(plain).substr(0, mantissaLength);
        const std::string_view whole = mantissa.substr(0, wholeDigits);
        const std::string_view fraction
            = mantissa.substr(std::min(mantissaLength, wholeDigits + 1));
        if (decimalMagnitude(whole, fraction, exponent) > 0)
            throw OverflowError();
        magnitude = 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string doubleToText(double value, const DecimalSeparator& separator)
{
    if (value == 0.0)
        return "0";
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";

    // Fifteen significant digits, correctly rounded, as d.dddddddddddddde±x.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
        std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view scientific(buffer.data(), written.ptr);
    const auto e = scientific.find('e');
    std::string digits;
    digits += scientific[0];
    digits += scientific.substr(2, e - 2);
    digits.erase(digits.find_last_not_of('0') + 1);
    int power = 0;
    std::from_chars(scientific.data() + e + 2, scientific.data() + scientific.size(), power);
    if (scientific[e + 1] == '-')
        power = -power;

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

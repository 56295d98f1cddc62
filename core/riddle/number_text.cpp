#include "riddle/number_text.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fast_float.h>
#include <iterator>
#include <numeric>

namespace parabolix {

namespace {

// A Polish user writes "10 000" with a space or a no-break space between the
// thousands; a pasted number may carry a tab. All of them are skipped.
constexpr std::array<std::string_view, 4> kBlanks{" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};

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
void takeExponent(Scanner& scanner, TypedNumber& number)
{
    const std::string_view before = scanner.rest();
    if (!scanner.take('e') && !scanner.take('E'))
        return;
    const bool negative = scanner.takeMinus();
    if (!scanner.atDigit()) {
        scanner.rewind(before);
        return;
    }
    std::string digits;
    scanner.takeDigits(digits);
    const std::int64_t exponent = std::accumulate(
        digits.begin(), digits.end(), std::int64_t{0}, [](std::int64_t sum, char digit) {
            return std::min(sum * 10 + (digit - '0'), kExponentLimit);
        });
    number.exponentTyped = true;
    number.exponent = negative ? -exponent : exponent;
}

// "1,5E+20", "5E-16": the first digit, the rest after the separator, and the
// power of ten in at least two digits.
std::string scientificText(const Decimal& decimal, const DecimalSeparator& separator)
{
    std::string text = decimal.negative ? "-" : "";
    text += decimal.digits.front();
    if (decimal.digits.size() > 1)
        text.append(separator.text()).append(decimal.digits, 1);
    text += decimal.power < 0 ? "E-" : "E+";
    if (std::abs(decimal.power) < 10)
        text += '0';
    text += std::to_string(std::abs(decimal.power));
    return text;
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

TypedNumber readTypedNumber(std::string_view text, const DecimalSeparator& separator)
{
    Scanner scanner(text, separator);
    TypedNumber number;
    number.negative = scanner.takeMinus();
    scanner.takeDigits(number.whole);
    if (scanner.takeSeparator())
        scanner.takeDigits(number.fraction);
    if (!number.whole.empty() || !number.fraction.empty())
        takeExponent(scanner, number);
    return number;
}

Result<double> textToNumber(std::string_view text, const DecimalSeparator& separator)
{
    const TypedNumber typed = readTypedNumber(text, separator);
    if (typed.whole.empty() && typed.fraction.empty())
        return 0.0;
    // The number in the form fast_float reads: digits, '.', digits, 'e', exponent.
    std::string plain = typed.whole;
    plain.append(".").append(typed.fraction);
    if (typed.exponent != 0)
        plain.append("e").append(std::to_string(typed.exponent));

    // fast_float rounds correctly on every platform, where the standard
    // library's from_chars for doubles is missing from some. Too small a value
    // comes back as zero; too large a one as infinity.
    double magnitude = 0.0;
    fast_float::from_chars(plain.data(), plain.data() + plain.size(), magnitude);
    if (std::isinf(magnitude))
        return Error::Overflow;
    return typed.negative ? -magnitude : magnitude;
}

int Decimal::places() const
{
    return std::max(0, static_cast<int>(digits.size()) - 1 - power);
}

Decimal toDecimal(double value)
{
    assert(std::isfinite(value)); // the checked arithmetic gives nothing else
    if (value == 0.0)
        return {};
    // The significant digits, correctly rounded, as d.ddddde±x. The C library
    // writes them the same on every platform, but with the decimal point of
    // its locale, which the window's toolkit sets from the user's settings:
    // so the digits are picked out around whatever it is.
    std::array<char, 48> buffer{};
    const int length = std::snprintf(
        buffer.data(), buffer.size(), "%.*e", kSignificantDigits - 1, std::fabs(value));
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(length));
    const auto e = scientific.rfind('e');
    Decimal decimal;
    decimal.negative = value < 0;
    std::copy_if(scientific.begin(), scientific.begin() + static_cast<std::ptrdiff_t>(e),
        std::back_inserter(decimal.digits), isDigit);
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    decimal.power = std::atoi(scientific.data() + e + 1);
    return decimal;
}

Decimal decimalOf(bool negative, std::uint64_t whole, int scale)
{
    if (whole == 0)
        return {};
    Decimal decimal{negative, std::to_string(whole)};
    decimal.power = static_cast<int>(decimal.digits.size()) - 1 + scale;
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    return decimal;
}

Decimal roundedTo(const Decimal& decimal, int places)
{
    const int kept = decimal.power + 1 + places; // digits before the cut
    if (kept >= static_cast<int>(decimal.digits.size()))
        return decimal;
    if (kept < 0)
        return {}; // below a tenth of the last place kept
    std::uint64_t whole = 0;
    std::from_chars(decimal.digits.data(), decimal.digits.data() + kept, whole);
    if (decimal.digits[static_cast<std::size_t>(kept)] >= '5')
        ++whole;
    return decimalOf(decimal.negative, whole, -places);
}

std::string plainText(const Decimal& decimal, const DecimalSeparator& separator)
{
    if (decimal.digits.empty())
        return "0";
    const int count = static_cast<int>(decimal.digits.size());
    const int leading = decimal.power + 1; // digits before the separator
    std::string text = decimal.negative ? "-" : "";
    if (leading <= 0) {
        text.append("0").append(separator.text());
        text.append(static_cast<std::size_t>(-leading), '0').append(decimal.digits);
    } else if (count <= leading) {
        text.append(decimal.digits).append(static_cast<std::size_t>(leading - count), '0');
    } else {
        const auto split = static_cast<std::size_t>(leading);
        text.append(decimal.digits, 0, split).append(separator.text());
        text.append(decimal.digits, split);
    }
    return text;
}

std::string doubleToText(double value, const DecimalSeparator& separator)
{
    const Decimal decimal = toDecimal(value);
    if (decimal.digits.empty()
        || (decimal.power < kPlainPowerLimit && decimal.places() <= kMostPlaces))
        return plainText(decimal, separator);
    return scientificText(decimal, separator);
}

} // namespace parabolix

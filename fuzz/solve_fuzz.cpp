// Solve on three arbitrary texts: either an Overflow that leaves Text4 and
// Text6 untouched, or three well-formed formula lines and a well-formed
// polynomial.
#include "fuzz_check.h"
#include "riddle.h"

#include <algorithm>
#include <string>

namespace {

using namespace parabolix;
using fuzz::isNumberText;
using fuzz::require;

void checkFormulas(std::string_view formulas, std::string_view separator)
{
    for (std::string_view prefix : {"a=0,5p-n+0,5m=", "b=4n-2,5m-1,5p=", "c=3m-3n+p="}) {
        require(formulas.starts_with(prefix), "formula line does not start as it should");
        formulas.remove_prefix(prefix.size());
        const auto end = formulas.find("\r\n");
        require(end != std::string_view::npos, "formula line not ended by CR LF");
        require(isNumberText(formulas.substr(0, end), separator), "formula value malformed");
        formulas.remove_prefix(end + 2);
    }
    require(formulas.empty(), "text after the three formula lines");
}

bool isSignedNumber(std::string_view term, std::string_view separator)
{
    return !term.empty() && (term[0] == '+' || term[0] == '-')
        && isNumberText(term.substr(1), separator) && term[1] != '-';
}

void checkPolynomial(std::string_view polynomial, std::string_view separator)
{
    const auto square = polynomial.find("x^2");
    require(square != std::string_view::npos, "no x^2 term");
    const std::string_view a = polynomial.substr(0, square);
    require(a.empty() || a == "-" || isNumberText(a, separator), "a term malformed");
    polynomial.remove_prefix(square + 3);
    const auto x = polynomial.find('x');
    require(x != std::string_view::npos, "no x term");
    const std::string_view b = polynomial.substr(0, x);
    require(b == "+" || b == "-" || isSignedNumber(b, separator), "b term malformed");
    const std::string_view c = polynomial.substr(x + 1);
    require(c.empty() || isSignedNumber(c, separator), "c term malformed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view separator = fuzz::separatorFor(data[0]);
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);

    FieldRecord fields;
    for (Field input : {Field::Text1, Field::Text2, Field::Text3}) {
        const auto end = std::min(rest.find('\n'), rest.size());
        fields.setText(input, rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    fields.setText(Field::Text4, "old polynomial");
    fields.setText(Field::Text6, "old formulas");

    try {
        solve(fields, separator);
    } catch (const OverflowError&) {
        require(fields.text(Field::Text4) == "old polynomial", "Overflow changed Text4");
        require(fields.text(Field::Text6) == "old formulas", "Overflow changed Text6");
        return 0;
    }
    checkFormulas(fields.text(Field::Text6), separator);
    checkPolynomial(fields.text(Field::Text4), separator);
    return 0;
}

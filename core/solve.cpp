#include "checked_arithmetic.h"
#include "number_text.h"
#include "riddle.h"
#include "texts.h"

#include <cmath>
#include <cstdint>

namespace parabolix {

namespace {

// A coefficient of exactly 1 or -1 is written without the digit: x^2, -x.
std::string leadingTerm(double a, const DecimalSeparator& separator)
{
    if (a == 1)
        return "";
    if (a == -1)
        return "-";
    return doubleToText(a, separator);
}

// A sign followed by a value. Built by appending: GCC 12 warns falsely
// (-Wrestrict, its bug 105651) on "+" + std::string at high optimisation.
std::string withSign(char sign, double magnitude, const DecimalSeparator& separator)
{
    std::string term(1, sign);
    term += doubleToText(magnitude, separator);
    return term;
}

std::string middleTerm(double b, const DecimalSeparator& separator)
{
    if (b == 1)
        return "+";
    if (b == -1)
        return "-";
    if (b > 0)
        return withSign('+', b, separator);
    // Zero lands here too and shows as -0, as the program always wrote it.
    return withSign('-', std::fabs(b), separator);
}

std::string constantTerm(double c, const DecimalSeparator& separator)
{
    if (c > 0)
        return withSign('+', c, separator);
    if (c < 0)
        return doubleToText(c, separator);
    return "";
}

} // namespace

Riddle readRiddle(const RiddleFields& fields, const DecimalSeparator& separator)
{
    const double m = textToNumber(fields.text(Field::Text1), separator);
    const double n = textToNumber(fields.text(Field::Text2), separator);
    const double p = textToNumber(fields.text(Field::Text3), separator);
    // 4 and 3 are small integers in the formulas, widened to double when used.
    const double four = std::int16_t{4};
    const double three = std::int16_t{3};
    // The grouping and order below are part of the result: a different order
    // rounds differently, and the residue for 0.1, 0.2, 0.3 would change.
    return {
        .m = m,
        .n = n,
        .p = p,
        .a = add(subtract(multiply(0.5, p), n), multiply(0.5, m)),
        .b = subtract(subtract(multiply(four, n), multiply(2.5, m)), multiply(1.5, p)),
        .c = add(subtract(multiply(three, m), multiply(three, n)), p),
    };
}

void solve(RiddleFields& fields, const DecimalSeparator& separator)
{
    const auto [m, n, p, a, b, c] = readRiddle(fields, separator);

    const std::string_view br = texts::kLineBreak;
    std::string formulas;
    for (const auto& [formula, value] : {std::pair{texts::kFormulaA, a},
             std::pair{texts::kFormulaB, b}, std::pair{texts::kFormulaC, c}})
        formulas.append(formula).append("=").append(doubleToText(value, separator)).append(br);
    std::string polynomial = leadingTerm(a, separator);
    polynomial += "x^2";
    polynomial += middleTerm(b, separator);
    polynomial += "x";
    polynomial += constantTerm(c, separator);

    fields.setText(Field::Text6, formulas);
    fields.setText(Field::Text4, polynomial);
}

} // namespace parabolix

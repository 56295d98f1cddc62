#include "riddle/checked_arithmetic.h"
#include "riddle/number_text.h"
#include "riddle/riddle.h"
#include "riddle/texts.h"

#include <algorithm>
#include <array>
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

Result<Riddle> readRiddle(const RiddleFields& fields, const DecimalSeparator& separator)
{
    std::array<double, kInputFields.size()> mnp{};
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        const Result<double> read = textToNumber(fields.text(kInputFields.at(i)), separator);
        if (!read.ok())
            return read.error();
        mnp.at(i) = read.value();
    }
    const auto [m, n, p] = mnp;
    // 4 and 3 are small integers in the formulas, widened to double when used.
    const double four = std::int16_t{4};
    const double three = std::int16_t{3};
    // The grouping and order below are part of the result: a different order
    // rounds differently, and the residue for 0.1, 0.2, 0.3 would change.
    const Result<double> a = ((Checked(0.5) * p - n) + Checked(0.5) * m).result();
    const Result<double> b = ((Checked(four) * n - Checked(2.5) * m) - Checked(1.5) * p).result();
    const Result<double> c = ((Checked(three) * m - Checked(three) * n) + p).result();
    const std::array results{a, b, c};
    const auto* failed = std::find_if(
        results.begin(), results.end(), [](const Result<double>& value) { return !value.ok(); });
    if (failed != results.end())
        return failed->error();
    return Riddle{m, n, p, a.value(), b.value(), c.value()};
}

Result<Solution> solve(RiddleFields& fields, const DecimalSeparator& separator)
{
    Result<Riddle> read = readRiddle(fields, separator);
    if (!read.ok())
        return read.error();
    const Riddle& riddle = read.value();

    const std::string_view br = texts::kLineBreak;
    std::string formulas;
    for (const auto& [formula, value] : {std::pair{texts::kFormulaA, riddle.a},
             std::pair{texts::kFormulaB, riddle.b}, std::pair{texts::kFormulaC, riddle.c}})
        formulas.append(formula).append("=").append(doubleToText(value, separator)).append(br);
    std::string polynomial = leadingTerm(riddle.a, separator);
    polynomial += "x^2";
    polynomial += middleTerm(riddle.b, separator);
    polynomial += "x";
    polynomial += constantTerm(riddle.c, separator);

    fields.setText(Field::Text6, formulas);
    fields.setText(Field::Text4, polynomial);
    return Solution{riddle, std::move(polynomial)};
}

} // namespace parabolix

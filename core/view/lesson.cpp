// The lesson's reading of the riddle, its steps, and a pupil's answer checked.
#include "view/lesson.h"

#include <utility>

namespace parabolix::lesson {

namespace {

// Said in place of the lesson for numbers beyond its range.
constexpr std::string_view kOutOfRange
    = "Ta część działa dla liczb m, n i p zapisanych cyframi: najwyżej 4 przed przecinkiem i "
      "3 po nim.";

// The three equations, each with its coefficients of a, b and c and what it equals.
struct Equation {
    const char* name;
    int a;
    int b;
    Fraction Exact::*equals;
    const char* target;
};
constexpr std::array<Equation, 3> kEquations{{
    {"a+b+c", 1, 1, &Exact::m, "m"},
    {"4a+2b+c", 4, 2, &Exact::n, "n"},
    {"9a+3b+c", 9, 3, &Exact::p, "p"},
}};

// "4·3+2·9+4", the coefficient 1 left out.
std::string substitution(
    const Equation& equation, const std::array<Fraction, 3>& abc, const DecimalSeparator& separator)
{
    if (equation.a == 1)
        return exactText(abc[0], separator) + "+" + substituted(abc[1], separator) + "+"
            + substituted(abc[2], separator);
    return std::to_string(equation.a) + "·" + substituted(abc[0], separator) + "+"
        + std::to_string(equation.b) + "·" + substituted(abc[1], separator) + "+"
        + substituted(abc[2], separator);
}

// The verdict after `right` equations of three held.
std::string verdict(
    int right, const std::array<Fraction, 3>& abc, const DecimalSeparator& separator)
{
    switch (right) {
    case 3:
        return "Brawo! To jest rozwiązanie: y = "
            + schoolPolynomial(abc[0], abc[1], abc[2], separator) + ".";
    case 2:
        return "Zgadzają się dwa równania z trzech. Spróbuj jeszcze raz.";
    case 1:
        return "Zgadza się jedno równanie z trzech. Spróbuj jeszcze raz.";
    default:
        return "Żadne równanie się nie zgadza. Spróbuj jeszcze raz.";
    }
}

std::vector<std::string> steps(const Exact& riddle, const DecimalSeparator& separator)
{
    const auto text = [&](const Fraction& value) { return exactText(value, separator); };
    const auto put = [&](const Fraction& value) { return substituted(value, separator); };
    const Fraction first = riddle.n - riddle.m;
    const Fraction second = riddle.p - riddle.n;
    std::string answer = "Odpowiedź: a = " + text(riddle.a) + ", b = " + text(riddle.b)
        + ", c = " + text(riddle.c)
        + ", więc y = " + schoolPolynomial(riddle.a, riddle.b, riddle.c, separator) + ".";
    if (riddle.a.sign() == 0)
        answer += " To nie jest funkcja kwadratowa: punkty A, B i C leżą na jednej prostej.";
    return {"Krok 1. Podstawiamy współrzędne punktów A(1; " + text(riddle.m) + "), B(2; "
            + text(riddle.n) + ") i C(3; " + text(riddle.p) + ") do wzoru y = ax^2+bx+c:",
        "a+b+c = " + text(riddle.m), "4a+2b+c = " + text(riddle.n), "9a+3b+c = " + text(riddle.p),
        "Krok 2. Odejmujemy stronami pierwsze równanie od drugiego i drugie od trzeciego:",
        "3a+b = " + text(first), "5a+b = " + text(second),
        "Krok 3. Odejmujemy stronami pierwsze z tych równań od drugiego:",
        "2a = " + text(second - first) + ", więc a = " + text(riddle.a),
        "Krok 4. Podstawiamy a do równania 3a+b = " + text(first) + ":",
        "b = " + text(first) + "-3·" + put(riddle.a) + " = " + text(riddle.b),
        "Krok 5. Podstawiamy a i b do pierwszego równania:",
        "c = " + text(riddle.m) + "-" + put(riddle.a) + "-" + put(riddle.b) + " = "
            + text(riddle.c),
        std::move(answer)};
}

} // namespace

Read readExact(const RiddleFields& fields, const DecimalSeparator& separator)
{
    std::array<std::string, kInputFields.size()> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts.at(i) = fields.text(kInputFields.at(i));
        const Result<double> window = textToNumber(texts.at(i), separator);
        if (!window.ok())
            return {std::nullopt, std::string(message(window.error()))};
    }
    std::array<Fraction, kInputFields.size()> mnp;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto exact
            = exactValue(readTypedNumber(texts.at(i), separator), kWholeDigits, kPlaces);
        if (!exact)
            return {std::nullopt, std::string(kOutOfRange)};
        mnp.at(i) = *exact;
    }
    const auto [m, n, p] = mnp;
    const Fraction half(1, 2);
    return {Exact{m, n, p, half * p - n + half * m, 4 * n - Fraction(5, 2) * m - Fraction(3, 2) * p,
                3 * m - 3 * n + p},
        ""};
}

Lesson lessonOf(const Read& read, const DecimalSeparator& separator)
{
    if (!read.riddle)
        return {{read.refusal}, {read.refusal}};
    return {steps(*read.riddle, separator), forms(*read.riddle, separator)};
}

std::vector<std::string> check(const Read& read, const std::array<std::string_view, 3>& answer,
    const DecimalSeparator& separator)
{
    if (!read.riddle)
        return {read.refusal};
    std::array<Fraction, 3> abc;
    for (std::size_t i = 0; i < abc.size(); ++i) {
        const std::optional<Fraction> value = readAnswer(answer.at(i));
        if (!value)
            return {"Wpisz liczbę w polu " + std::string(1, "abc"[i]) + "."};
        abc.at(i) = *value;
    }
    std::vector<std::string> lines;
    int right = 0;
    for (const Equation& equation : kEquations) {
        const Fraction sum = equation.a * abc[0] + equation.b * abc[1] + abc[2];
        const Fraction& target = (*read.riddle).*equation.equals;
        const bool holds = sum == target;
        right += holds ? 1 : 0;
        lines.push_back(std::string(equation.name) + " = " + substitution(equation, abc, separator)
            + " = " + exactText(sum, separator)
            + (holds ? "" : " ≠ " + exactText(target, separator)) + " = " + equation.target
            + (holds ? ": zgadza się." : ": nie zgadza się."));
    }
    lines.push_back(verdict(right, abc, separator));
    return lines;
}

std::string schoolPolynomial(
    const Fraction& a, const Fraction& b, const Fraction& c, const DecimalSeparator& separator)
{
    std::string text;
    for (const auto& [coefficient, power] :
        {std::pair{a, "x^2"}, std::pair{b, "x"}, std::pair{c, ""}}) {
        if (coefficient.sign() == 0)
            continue;
        const Fraction magnitude = coefficient.sign() < 0 ? -coefficient : coefficient;
        text += coefficient.sign() < 0 ? "-" : text.empty() ? "" : "+";
        if (magnitude != Fraction(1) || *power == '\0')
            text += exactText(magnitude, separator);
        text += power;
    }
    return text.empty() ? "0" : text;
}

std::string substituted(const Fraction& value, const DecimalSeparator& separator)
{
    const std::string text = exactText(value, separator);
    return value.sign() < 0 ? "(" + text + ")" : text;
}

} // namespace parabolix::lesson

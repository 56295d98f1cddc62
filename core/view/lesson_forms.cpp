// The forms and properties of the function: general, Δ, vertex, canonical and
// factored forms, range and monotonicity; or those of a line where a = 0.
#include "view/lesson.h"
#include "view/plot.h"

#include <cmath>

namespace parabolix::lesson {

namespace {

using Text = std::string;

// n = k^2 · r with r free of squares, for n > 0. Trial division by each d up
// to the cube root of what is left finds every prime factor up to it; what is
// left then has at most two prime factors, both beyond it, so it is free of
// squares unless it is one prime's square.
std::pair<Integer, Integer> squarePart(Integer n)
{
    Integer k = 1;
    Integer r = 1;
    for (Integer d = 2; d * d * d <= n; ++d) {
        for (; n % (d * d) == 0; n /= d * d)
            k *= d;
        if (n % d == 0) {
            n /= d;
            r *= d;
        }
    }
    auto side = static_cast<Integer>(std::sqrt(static_cast<double>(n))); // of a square n
    while (side * side > n)
        --side;
    while ((side + 1) * (side + 1) <= n)
        ++side;
    return side * side == n ? std::pair{k * side, r} : std::pair{k, r * n};
}

// "x-3,5", "x+1,5", or "x" for `at` zero: x less a value, the signs merged.
Text less(const Fraction& at, const DecimalSeparator& separator)
{
    if (at.sign() == 0)
        return "x";
    return "x" + Text(at.sign() > 0 ? "-" : "+") + exactText(at.sign() > 0 ? at : -at, separator);
}

// A coefficient before a product: "" for 1, "-" for -1, the value otherwise.
Text coefficient(const Fraction& a, const DecimalSeparator& separator)
{
    return a == Fraction(1) ? "" : a == Fraction(-1) ? "-" : exactText(a, separator);
}

// "+4,125", "-2,75", or nothing for zero.
Text added(const Fraction& value, const DecimalSeparator& separator)
{
    return value.sign() == 0 ? "" : (value.sign() > 0 ? "+" : "") + exactText(value, separator);
}

// "3(x+1,5)^2", or "3x^2" where the vertex is at x = 0.
Text square(const Fraction& a, const Fraction& at, const DecimalSeparator& separator)
{
    return coefficient(a, separator) + (at.sign() == 0 ? "x^2" : "(" + less(at, separator) + ")^2");
}

// A root (P±Q√r)/S, written with a sign of ±, and ≈ its value rounded as the plot rounds.
Text root(Integer p, Integer q, Integer r, Integer s, char sign, const DecimalSeparator& separator)
{
    const Text radical = (q == 1 ? "" : integerText(q)) + "√" + integerText(r);
    Text text = p == 0 ? (sign == '-' ? "-" : "") + radical : integerText(p) + sign + radical;
    if (s != 1)
        text = (p == 0 ? text : "(" + text + ")") + "/" + integerText(s);
    const double value = (static_cast<double>(p)
                             + (sign == '-' ? -1.0 : 1.0) * static_cast<double>(q)
                                 * std::sqrt(static_cast<double>(r)))
        / static_cast<double>(s);
    return text + " ≈ " + plot::number(value, separator).text;
}

// The factored form for Δ > 0: the roots as numbers where √Δ is rational (a
// zero root as x, first), else named x1 and x2 and written with roots.
Text factored(const Exact& riddle, const Fraction& delta, const Fraction& vertex,
    const DecimalSeparator& separator)
{
    const auto [kTop, rTop] = squarePart(delta.numerator());
    const auto [kBottom, rBottom] = squarePart(delta.denominator());
    const Integer r = rTop * rBottom; // free of squares: the two are coprime
    const Fraction spread = Fraction(kTop, kBottom * rBottom) / (2 * riddle.a);
    const Fraction half = spread.sign() < 0 ? -spread : spread; // x1,2 = vertex ∓ half·√r
    const Text lead = "Postać iloczynowa: y = " + coefficient(riddle.a, separator);
    if (r == 1) {
        const Fraction x1 = vertex - half;
        const Fraction x2 = vertex + half;
        return lead
            + (x1.sign() == 0 ? "x(" + less(x2, separator) + ")"
                    : x2.sign() == 0
                    ? "x(" + less(x1, separator) + ")"
                    : "(" + less(x1, separator) + ")(" + less(x2, separator) + ")");
    }
    const Integer s
        = vertex.denominator() / gcd(vertex.denominator(), half.denominator()) * half.denominator();
    const Integer p = vertex.numerator() * (s / vertex.denominator());
    const Integer q = half.numerator() * (s / half.denominator());
    return lead + "(x-x1)(x-x2), gdzie x1 = " + root(p, q, r, s, '-', separator)
        + ", x2 = " + root(p, q, r, s, '+', separator);
}

std::vector<Text> lineForms(const Exact& riddle, const DecimalSeparator& separator)
{
    const Fraction zero;
    std::vector<Text> lines{"To nie jest funkcja kwadratowa: a = 0, więc wykresem jest prosta y = "
        + schoolPolynomial(zero, riddle.b, riddle.c, separator) + "."};
    if (riddle.b.sign() != 0)
        lines.push_back(
            "Miejsce zerowe: x0 = -c/b = " + exactText(-riddle.c / riddle.b, separator) + ".");
    else
        lines.emplace_back(
            riddle.c.sign() != 0 ? "Brak miejsc zerowych." : "Każda liczba jest miejscem zerowym.");
    lines.emplace_back(riddle.b.sign() > 0 ? "Funkcja rośnie."
            : riddle.b.sign() < 0          ? "Funkcja maleje."
                                           : "Funkcja jest stała.");
    return lines;
}

} // namespace

std::vector<Text> forms(const Exact& riddle, const DecimalSeparator& separator)
{
    if (riddle.a.sign() == 0)
        return lineForms(riddle, separator);
    const auto text = [&](const Fraction& value) { return exactText(value, separator); };
    const auto put = [&](const Fraction& value) { return substituted(value, separator); };
    const Fraction& a = riddle.a;
    const Fraction delta = riddle.b * riddle.b - 4 * a * riddle.c;
    const Fraction p = -riddle.b / (2 * a);
    const Fraction q = -delta / (4 * a);
    const Text vertex = text(p);
    const Text upwards = a.sign() > 0 ? "maleje" : "rośnie";
    const Text downwards = a.sign() > 0 ? "rośnie" : "maleje";
    return {"Postać ogólna: y = " + schoolPolynomial(a, riddle.b, riddle.c, separator),
        "Δ = b^2-4ac = " + put(riddle.b) + "^2-4·" + put(a) + "·" + put(riddle.c) + " = "
            + text(delta),
        "Wierzchołek: W = (-b/(2a); -Δ/(4a)) = (" + vertex + "; " + text(q) + ")",
        "Postać kanoniczna: y = " + square(a, p, separator) + added(q, separator),
        delta.sign() < 0        ? Text("Postać iloczynowa: nie istnieje, bo Δ < 0.")
            : delta.sign() == 0 ? "Postać iloczynowa: y = " + square(a, p, separator)
                                : factored(riddle, delta, p, separator),
        "Zbiór wartości: " + (a.sign() > 0 ? "⟨" + text(q) + "; +∞)" : "(-∞; " + text(q) + "⟩"),
        "Funkcja " + upwards + " w przedziale (-∞; " + vertex + "⟩ i " + downwards
            + " w przedziale ⟨" + vertex + "; +∞)."};
}

} // namespace parabolix::lesson

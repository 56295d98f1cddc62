// The plot's words (its description, its table, its numbers) and the plot put
// together from its parts.
#include "view/plot_parts.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace parabolix::plot {

namespace {

using parts::Given;
using parts::kGiven;
using parts::Point;
using parts::Special;

// School rounding keeps this many decimal places.
constexpr int kPlaces = 2;

std::string coordinates(const Number& x, const Number& y)
{
    return std::string(x.rounded || y.rounded ? "≈ " : "") + "(" + x.text + "; " + y.text + ")";
}

// "A(1; 16), B(2; 34) i C(3; 58)" as the sentences name them.
std::string namedPoints(const Riddle& riddle, const DecimalSeparator& separator)
{
    std::string text;
    for (const Given& given : kGiven) {
        text += &given == &kGiven.front() ? "" : &given == &kGiven.back() ? " i " : ", ";
        text.append(given.name).append("(").append(std::to_string(given.x)).append("; ");
        text.append(doubleToText(given.in(riddle).y, separator)).append(")");
    }
    return text;
}

// The table's rows for A, B and C.
std::vector<Row> givenRows(const Riddle& riddle, const DecimalSeparator& separator)
{
    std::vector<Row> rows(kGiven.size());
    std::transform(kGiven.begin(), kGiven.end(), rows.begin(), [&](const Given& given) {
        return Row{given.name,
            coordinates({std::to_string(given.x)}, {doubleToText(given.in(riddle).y, separator)})};
    });
    return rows;
}

bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A zero of the curve, `name` "x1", "x2" or "x0": its row and mark; returns
// how the sentence names it, "x1 ≈ -2,46".
std::string addZero(Special& special, const char* name, double x, const DecimalSeparator& separator)
{
    const Number text = number(x, separator);
    special.rows.push_back({std::string("miejsce zerowe ") + name, coordinates(text, {"0"})});
    special.marks.push_back({{x, 0}, Shape::Ring});
    return std::string(name) + text.shown();
}

// The zeros of a parabola with Δ `delta` and vertex at `xw`; false where one
// lies beyond a double's range.
bool addParabolaZeros(Special& special, const Riddle& riddle, double delta, double xw,
    const DecimalSeparator& separator)
{
    if (delta == 0) {
        special.sentences.push_back(
            "Jedno miejsce zerowe: " + addZero(special, "x0", xw, separator) + ".");
    } else if (delta < 0) {
        special.sentences.emplace_back("Brak miejsc zerowych.");
    } else {
        // The root that adds magnitudes first, then the other from their
        // product c/a: neither loses its digits to a cancellation.
        const double q = -(riddle.b + std::copysign(std::sqrt(delta), riddle.b)) / 2;
        const double first = q / riddle.a;
        const double second = riddle.c / q;
        if (!finite({q, first, second}))
            return false;
        const std::string x1 = addZero(special, "x1", std::min(first, second), separator);
        special.sentences.push_back("Miejsca zerowe: " + x1 + ", "
            + addZero(special, "x2", std::max(first, second), separator) + ".");
    }
    return true;
}

std::optional<Special> parabolaPoints(const Riddle& riddle, const DecimalSeparator& separator)
{
    const double a = riddle.a;
    const double b = riddle.b;
    const double c = riddle.c;
    Special special;
    special.sentences.emplace_back(
        a > 0 ? "Ramiona skierowane w górę." : "Ramiona skierowane w dół.");
    const double delta = b * b - 4 * a * c;
    const double xw = -b / (2 * a);
    const double yw = -delta / (4 * a);
    if (!finite({b * b, 4 * a, 4 * a * c, delta, xw, yw}))
        return std::nullopt;
    const Number xwText = number(xw, separator);
    const Number ywText = number(yw, separator);
    special.sentences.push_back("Wierzchołek W "
        + std::string(xwText.rounded || ywText.rounded ? "≈" : "=") + " (" + xwText.text + "; "
        + ywText.text + ").");
    special.sentences.push_back("Oś symetrii: x" + xwText.shown() + ".");
    special.sentences.push_back("Δ" + number(delta, separator).shown() + ".");
    special.rows.push_back({"wierzchołek W", coordinates(xwText, ywText)});
    special.marks.push_back({{xw, yw}, Shape::Diamond});
    special.vertex = Point{xw, yw};
    if (!addParabolaZeros(special, riddle, delta, xw, separator))
        return std::nullopt;
    return special;
}

std::optional<Special> linePoints(const Riddle& riddle, const DecimalSeparator& separator)
{
    Special special;
    special.sentences.emplace_back("To nie jest parabola.");
    if (riddle.b != 0) {
        const double x0 = -riddle.c / riddle.b;
        if (!finite({x0}))
            return std::nullopt;
        special.sentences.push_back(
            "Miejsce zerowe: " + addZero(special, "x0", x0, separator) + ".");
    } else if (riddle.c != 0) {
        special.sentences.emplace_back("Brak miejsc zerowych.");
    } else {
        special.sentences.emplace_back("Prosta pokrywa się z osią OX.");
    }
    return special;
}

std::string joined(const std::vector<std::string>& sentences)
{
    std::string text;
    for (const std::string& sentence : sentences)
        text += (text.empty() ? "" : " ") + sentence;
    return text;
}

// The picture and sound of A, B and C with `special`'s points and, when
// solved, the curve, in a frame that holds what it can of them.
Plot picture(
    const Riddle& riddle, const Special& special, bool solved, const DecimalSeparator& separator)
{
    std::vector<Point> wanted;
    for (const auto& [point, shape] : special.marks)
        wanted.push_back(point);
    if (solved)
        wanted.push_back({0, riddle.c});
    wanted.push_back({0, 0}); // the axes
    const parts::Frame frame = parts::frameFor(riddle, wanted);
    Plot plot;
    parts::drawMarks(riddle, special, frame, solved, plot);
    parts::drawAxes(frame, separator, plot);
    if (solved)
        parts::drawCurve(riddle, frame, plot);
    parts::makeSteps(riddle, special, frame, solved, separator, plot);
    parts::makeTones(riddle, special, frame, solved, plot);
    return plot;
}

} // namespace

namespace parts {

Special specialPoints(const Riddle& riddle, const DecimalSeparator& separator)
{
    std::optional<Special> found
        = riddle.a != 0 ? parabolaPoints(riddle, separator) : linePoints(riddle, separator);
    if (!found) {
        Special special;
        special.sentences.emplace_back("Pozostałych wartości nie da się obliczyć: są zbyt duże.");
        return special;
    }
    const std::string oy = "(0; " + doubleToText(riddle.c, separator) + ")";
    found->sentences.push_back("Punkt przecięcia z osią OY: " + oy + ".");
    found->rows.push_back({"przecięcie z osią OY", oy});
    return std::move(*found);
}

} // namespace parts

std::string Number::shown() const
{
    return (rounded ? " ≈ " : " = ") + text;
}

Number number(double value, const DecimalSeparator& separator)
{
    const Decimal decimal = toDecimal(value);
    if (decimal.places() <= kPlaces || decimal.power >= kPlainPowerLimit
        || decimal.places() > kMostPlaces)
        return {doubleToText(value, separator)};
    return {plainText(roundedTo(decimal, kPlaces), separator), true};
}

Plot points(const Riddle& riddle, const DecimalSeparator& separator)
{
    Plot plot = picture(riddle, {}, false, separator);
    plot.description = "Punkty " + namedPoints(riddle, separator)
        + ". Kliknij „oblicz”, aby zobaczyć parabolę, która przez nie przechodzi.";
    plot.table = givenRows(riddle, separator);
    return plot;
}

Plot solved(const Solution& solution, const DecimalSeparator& separator)
{
    const Riddle& riddle = solution.riddle;
    Special special = parts::specialPoints(riddle, separator);
    Plot plot = picture(riddle, special, true, separator);
    const std::string abc = namedPoints(riddle, separator);
    std::string first
        = riddle.a != 0 ? "Parabola y = " : "Punkty " + abc + " leżą na jednej prostej: y = ";
    first.append(solution.polynomial);
    first += riddle.a != 0 ? " przechodzi przez punkty " + abc + "." : std::string(".");
    special.sentences.insert(special.sentences.begin(), first);
    plot.description = joined(special.sentences);
    plot.table = givenRows(riddle, separator);
    plot.table.insert(plot.table.end(), special.rows.begin(), special.rows.end());
    return plot;
}

} // namespace parabolix::plot

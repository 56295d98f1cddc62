#include "plot.h"

#include "number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <tuple>
#include <utility>

namespace parabolix::plot {

namespace {

struct Point {
    double x = 0;
    double y = 0;
};

// Where a value computed for the plot leaves a double's range, the plot
// says so instead of naming the special points. It raises nothing: on the
// page it is built without exceptions, which would double its size.

// The part of the riddle's plane in view. Spans are taken by halves, so that
// even the widest pair of doubles never overflows.
struct Frame {
    double xMin = 1;
    double xMax = 3;
    double yMin = 0;
    double yMax = 0;

    [[nodiscard]] double halfWidth() const { return xMax / 2 - xMin / 2; }
    [[nodiscard]] double halfHeight() const { return yMax / 2 - yMin / 2; }
    [[nodiscard]] bool holds(Point point) const
    {
        return point.x >= xMin && point.x <= xMax && point.y >= yMin && point.y <= yMax;
    }
};

// The picture's area for the plane, inside room for the numbers on the axes.
constexpr double kLeft = 34;
constexpr double kRight = kWidth - 10;
constexpr double kTop = 10;
constexpr double kBottom = kHeight - 22;
// How far the picture may widen beyond A, B and C for the vertex, the zeros
// and the axes: beyond this A, B and C would be squeezed together.
constexpr double kWidening = 5;

double left(const Frame& frame, double x)
{
    return kLeft + (x / 2 - frame.xMin / 2) / frame.halfWidth() * (kRight - kLeft);
}

double top(const Frame& frame, double y)
{
    return kTop + (frame.yMax / 2 - y / 2) / frame.halfHeight() * (kBottom - kTop);
}

// A and C stand two apart; A, B and C at least a fifth of the picture apart
// in each direction, with the vertex, zeros and axes in view where that holds.
Frame frameFor(const std::vector<Point>& must, const std::vector<Point>& wanted)
{
    Frame frame{1, 3, must.front().y, must.front().y};
    for (Point point : must) {
        frame.yMin = std::min(frame.yMin, point.y);
        frame.yMax = std::max(frame.yMax, point.y);
    }
    const double halfWidth = frame.halfWidth();
    const double halfHeight = frame.halfHeight() > 0
        ? frame.halfHeight()
        : std::max(std::fabs(frame.yMax) / 2, 0.5); // A, B and C level: room above and below
    for (Point point : wanted) {
        Frame wider = frame;
        wider.xMin = std::min(frame.xMin, point.x);
        wider.xMax = std::max(frame.xMax, point.x);
        wider.yMin = std::min(frame.yMin, point.y);
        wider.yMax = std::max(frame.yMax, point.y);
        if (wider.halfWidth() <= kWidening * halfWidth
            && wider.halfHeight() <= kWidening * halfHeight)
            frame = wider;
    }
    const double xMargin = frame.halfWidth() * 0.16;
    const double yMargin = frame.halfHeight() > 0 ? frame.halfHeight() * 0.16 : halfHeight;
    const Frame padded{
        frame.xMin - xMargin, frame.xMax + xMargin, frame.yMin - yMargin, frame.yMax + yMargin};
    return std::isfinite(padded.yMin) && std::isfinite(padded.yMax) ? padded : frame;
}

// About six round numbers (1, 2 or 5 times a power of ten) over [low, high].
std::vector<double> roundNumbers(double low, double high)
{
    const double raw = (high / 2 - low / 2) / 3;
    std::vector<double> values;
    if (!std::isfinite(raw) || raw <= 0)
        return values;
    // Stepped, not taken from pow and log10, which the page would then carry.
    double power = 1;
    while (power * 10 <= raw)
        power *= 10;
    while (power > raw)
        power /= 10;
    constexpr std::array kFactors{1.0, 2.0, 5.0, 10.0};
    const double step = *std::find_if(kFactors.begin(), kFactors.end() - 1, [&](double factor) {
        return factor * power >= raw;
    }) * power;
    if (!std::isfinite(step) || step <= 0)
        return values;
    for (double k = std::ceil(low / step); k * step <= high && values.size() < 20; ++k)
        values.push_back(k * step);
    return values;
}

std::string coordinates(const Number& x, const Number& y)
{
    return std::string(x.rounded || y.rounded ? "≈ " : "") + "(" + x.text + "; " + y.text + ")";
}

// "A(1; 16)", "B(2; 34)", "C(3; 58)" as the sentences name them.
std::string namedPoints(const Riddle& riddle, const DecimalSeparator& separator)
{
    const auto point = [&](std::string_view name, int x, double y) {
        return std::string(name) + "(" + std::to_string(x) + "; " + doubleToText(y, separator)
            + ")";
    };
    return point("A", 1, riddle.m) + ", " + point("B", 2, riddle.n) + " i "
        + point("C", 3, riddle.p);
}

std::string svgNumber(double value)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.2f", std::clamp(value, -1e7, 1e7));
    return text.data();
}

// What the special points of the solved riddle are, and how they are told.
struct Special {
    std::vector<std::string> sentences; // after the first
    std::vector<Row> rows;
    std::vector<std::pair<Point, Shape>> marks;
    std::optional<Point> vertex;
};

bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
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
    const auto zero = [&](const char* name, double x) {
        const Number text = number(x, separator);
        special.rows.push_back({std::string("miejsce zerowe ") + name, coordinates(text, {"0"})});
        special.marks.push_back({{x, 0}, Shape::Ring});
        return std::string(name) + text.shown();
    };
    if (delta > 0) {
        // The root that adds magnitudes first, then the other from their
        // product c/a: neither loses its digits to a cancellation.
        const double q = -(b + std::copysign(std::sqrt(delta), b)) / 2;
        const double first = q / a;
        const double second = c / q;
        if (!finite({q, first, second}))
            return std::nullopt;
        const std::string x1 = zero("x1", std::min(first, second));
        special.sentences.push_back(
            "Miejsca zerowe: " + x1 + ", " + zero("x2", std::max(first, second)) + ".");
    } else if (delta == 0) {
        special.sentences.push_back("Jedno miejsce zerowe: " + zero("x0", xw) + ".");
    } else {
        special.sentences.emplace_back("Brak miejsc zerowych.");
    }
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
        const Number text = number(x0, separator);
        special.sentences.push_back("Miejsce zerowe: x0" + text.shown() + ".");
        special.rows.push_back({"miejsce zerowe x0", coordinates(text, {"0"})});
        special.marks.push_back({{x0, 0}, Shape::Ring});
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

// The picture of A, B and C with `special`'s points and, when solved, the curve.
Plot picture(
    const Riddle& riddle, const Special& special, bool solved, const DecimalSeparator& separator)
{
    const std::vector<Point> abc{{1, riddle.m}, {2, riddle.n}, {3, riddle.p}};
    std::vector<Point> wanted;
    for (const auto& [point, shape] : special.marks)
        wanted.push_back(point);
    if (solved)
        wanted.push_back({0, riddle.c});
    wanted.push_back({0, 0}); // the axes
    const Frame frame = frameFor(abc, wanted);

    Plot plot;
    constexpr std::array<std::pair<const char*, Shape>, 3> kAbc{
        {{"A", Shape::Circle}, {"B", Shape::Square}, {"C", Shape::Triangle}}};
    for (std::size_t i = 0; i < abc.size(); ++i)
        plot.marks.push_back({kAbc.at(i).first, kAbc.at(i).second, left(frame, abc.at(i).x),
            top(frame, abc.at(i).y)});
    for (const auto& [point, shape] : special.marks) {
        if (frame.holds(point))
            plot.marks.push_back({shape == Shape::Diamond ? "W" : "", shape, left(frame, point.x),
                top(frame, point.y)});
    }
    if (solved && frame.holds({0, riddle.c}))
        plot.marks.push_back({"", Shape::Cross, left(frame, 0), top(frame, riddle.c)});
    if (special.vertex && frame.holds({special.vertex->x, frame.yMin}))
        plot.symmetry = left(frame, special.vertex->x);

    if (frame.yMin <= 0 && frame.yMax >= 0)
        plot.axisX = top(frame, 0);
    if (frame.xMin <= 0 && frame.xMax >= 0)
        plot.axisY = left(frame, 0);
    plot.xTicksAt = plot.axisX.value_or(kBottom);
    plot.yTicksAt = plot.axisY.value_or(kLeft);
    for (double x : roundNumbers(frame.xMin, frame.xMax))
        plot.xTicks.push_back({left(frame, x), doubleToText(x, separator)});
    for (double y : roundNumbers(frame.yMin, frame.yMax))
        plot.yTicks.push_back({top(frame, y), doubleToText(y, separator)});

    // Named, not bound: clang 14 cannot capture a structured binding.
    const double m = riddle.m;
    const double n = riddle.n;
    const double p = riddle.p;
    const double a = riddle.a;
    const double b = riddle.b;
    const double c = riddle.c;
    const auto f = [&](double x) { return (a * x + b) * x + c; };
    const auto pitch = [&](double y) {
        const double height = std::clamp((y / 2 - frame.yMin / 2) / frame.halfHeight(), 0.0, 1.0);
        return 220 + 660 * (std::isnan(height) ? 0.5 : height); // A3 up to A5
    };
    const auto pan = [&](double x) {
        return std::clamp((x / 2 - frame.xMin / 2) / frame.halfWidth() * 2 - 1, -1.0, 1.0);
    };
    const auto at = [&](double x) { return 3 * (x / 2 - frame.xMin / 2) / frame.halfWidth(); };

    // The slider's steps: a tenth of the ticks' step apart, landing on A,
    // B and C and on the vertex too; before solving, A, B and C alone.
    std::vector<std::pair<double, std::string>> named{
        {1, "; punkt A"}, {2, "; punkt B"}, {3, "; punkt C"}};
    if (special.vertex && frame.holds(*special.vertex))
        named.emplace_back(special.vertex->x, "; wierzchołek W");
    std::vector<double> xs;
    xs.reserve(named.size());
    for (const auto& [x, name] : named)
        xs.push_back(x);
    if (solved) {
        const std::vector<double> ticks = roundNumbers(frame.xMin, frame.xMax);
        const double step = ticks.size() > 1 ? (ticks.at(1) - ticks.at(0)) / 10 : 0;
        for (double k = std::ceil(frame.xMin / step);
             step > 0 && k * step <= frame.xMax && xs.size() < 200; ++k) {
            // A step that rounding leaves a hair from a named point is that point.
            if (std::none_of(named.begin(), named.end(),
                    [&](const auto& each) { return std::fabs(each.first - k * step) < step / 8; }))
                xs.push_back(k * step);
        }
    }
    std::sort(xs.begin(), xs.end());
    for (double x : xs) {
        const auto found = std::find_if(
            named.begin(), named.end(), [x](const auto& each) { return each.first == x; });
        double y = x == 1 ? m : x == 2 ? n : x == 3 ? p : f(x);
        if (special.vertex && x == special.vertex->x)
            y = special.vertex->y;
        if (x == 1)
            plot.firstStep = plot.steps.size();
        // Built by appending: GCC 12 warns falsely (-Wrestrict, its bug 105651)
        // on "x" + std::string at high optimisation.
        std::string step(1, 'x');
        step.append(number(x, separator).shown()).append("; y");
        step.append(number(y, separator).shown());
        plot.steps.push_back(step.append(found == named.end() ? "" : found->second));
    }

    if (!solved) {
        for (std::size_t i = 0; i < abc.size(); ++i)
            plot.tones.push_back(
                {0.6 * static_cast<double>(i), 0.4, pitch(abc.at(i).y), pan(abc.at(i).x)});
        return plot;
    }
    for (const auto& [x, name] : named)
        plot.tones.push_back({at(x), 0.05, 1760, pan(x)});
    constexpr int kGlideSteps = 60;
    for (int i = 0; i <= kGlideSteps; ++i) {
        const double x = frame.xMin + (frame.halfWidth() * 2) * i / kGlideSteps;
        plot.glide.push_back({3.0 * i / kGlideSteps, 0, pitch(f(x)), pan(x)});
    }
    // A quadratic Bézier with these three points is the parabola exactly:
    // x runs linearly from end to end, and the middle point lies where the
    // tangents at the ends meet.
    const double x0 = frame.xMin;
    const double x1 = frame.xMax;
    const double middle = f(x0) + (2 * a * x0 + b) * (x1 - x0) / 2;
    const std::array<double, 6> curve{left(frame, x0), top(frame, f(x0)),
        left(frame, (x0 + x1) / 2), top(frame, middle), left(frame, x1), top(frame, f(x1))};
    if (std::all_of(curve.begin(), curve.end(), [](double v) { return std::isfinite(v); }))
        plot.curve = "M" + svgNumber(curve[0]) + " " + svgNumber(curve[1]) + " Q"
            + svgNumber(curve[2]) + " " + svgNumber(curve[3]) + " " + svgNumber(curve[4]) + " "
            + svgNumber(curve[5]);
    return plot;
}

std::vector<Row> abcRows(const Riddle& riddle, const DecimalSeparator& separator)
{
    std::vector<Row> rows;
    for (const auto& [name, x, y] :
        {std::tuple{"A", 1, riddle.m}, std::tuple{"B", 2, riddle.n}, std::tuple{"C", 3, riddle.p}})
        rows.push_back({name, coordinates({std::to_string(x)}, {doubleToText(y, separator)})});
    return rows;
}

} // namespace

std::string Number::shown() const
{
    return (rounded ? " ≈ " : " = ") + text;
}

Number number(double value, const DecimalSeparator& separator)
{
    const std::string text = doubleToText(value, separator);
    const std::string_view point = separator.text();
    const std::size_t at = text.find(point);
    if (text.find('E') != std::string::npos || at == std::string::npos
        || text.size() - at - point.size() <= 2)
        return {text};
    const bool negative = text.front() == '-';
    const std::size_t whole = at - (negative ? 1 : 0);
    std::string digits = text.substr(negative ? 1 : 0, whole) + text.substr(at + point.size(), 2);
    if (text.at(at + point.size() + 2) >= '5') { // a half goes away from zero
        auto last = digits.rbegin();
        for (; last != digits.rend() && *last == '9'; ++last)
            *last = '0';
        if (last == digits.rend())
            digits.insert(digits.begin(), '1');
        else
            ++*last;
    }
    std::string fraction = digits.substr(digits.size() - 2);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    std::string rounded = digits.substr(0, digits.size() - 2);
    if (!fraction.empty())
        rounded.append(point).append(fraction);
    const bool zero = std::all_of(digits.begin(), digits.end(), [](char d) { return d == '0'; });
    return {zero ? "0" : (negative ? "-" : "") + rounded, true};
}

Plot points(const Riddle& riddle, const DecimalSeparator& separator)
{
    Plot plot = picture(riddle, {}, false, separator);
    plot.description = "Punkty " + namedPoints(riddle, separator)
        + ". Kliknij „oblicz”, aby zobaczyć parabolę, która przez nie przechodzi.";
    plot.table = abcRows(riddle, separator);
    return plot;
}

Plot solved(const Riddle& riddle, std::string_view polynomial, const DecimalSeparator& separator)
{
    const std::string abc = namedPoints(riddle, separator);
    std::string first
        = riddle.a != 0 ? "Parabola y = " : "Punkty " + abc + " leżą na jednej prostej: y = ";
    first.append(polynomial);
    first += riddle.a != 0 ? " przechodzi przez punkty " + abc + "." : std::string(".");
    std::optional<Special> found
        = riddle.a != 0 ? parabolaPoints(riddle, separator) : linePoints(riddle, separator);
    Special special;
    if (found) {
        special = std::move(*found);
        special.sentences.push_back(
            "Punkt przecięcia z osią OY: (0; " + doubleToText(riddle.c, separator) + ").");
        special.rows.push_back(
            {"przecięcie z osią OY", "(0; " + doubleToText(riddle.c, separator) + ")"});
    } else {
        special.sentences.emplace_back("Pozostałych wartości nie da się obliczyć: są zbyt duże.");
    }
    Plot plot = picture(riddle, special, true, separator);
    special.sentences.insert(special.sentences.begin(), first);
    plot.description = joined(special.sentences);
    plot.table = abcRows(riddle, separator);
    plot.table.insert(plot.table.end(), special.rows.begin(), special.rows.end());
    return plot;
}

} // namespace parabolix::plot

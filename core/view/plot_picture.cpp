// The plot's picture and sound, each job on its own: the axes and their
// numbers, the marks, the curve, the slider's steps and the tones.
#include "view/plot_parts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace parabolix::plot::parts {

namespace {

// The curve's height at x.
double valueAt(const Riddle& riddle, double x)
{
    return (riddle.a * x + riddle.b) * x + riddle.c;
}

// The places the slider stops at and the tones tick at, each with what it
// names: A, B and C, and the vertex where it is in view.
std::vector<std::pair<double, std::string>> namedPlaces(const Special& special, const Frame& frame)
{
    std::vector<std::pair<double, std::string>> named(kGiven.size());
    std::transform(kGiven.begin(), kGiven.end(), named.begin(), [](const Given& given) {
        return std::pair{double(given.x), std::string("; punkt ") + given.name};
    });
    if (special.vertex && frame.holds(*special.vertex))
        named.emplace_back(special.vertex->x, "; wierzchołek W");
    return named;
}

// A tenth of the ticks' step apart, over the frame, leaving out a step that
// rounding leaves a hair from a named place: that place stands for it.
std::vector<double> stepPlaces(
    const Frame& frame, const std::vector<std::pair<double, std::string>>& named)
{
    std::vector<double> places;
    const std::vector<double> ticks = roundNumbers(frame.xMin, frame.xMax);
    const double step = ticks.size() > 1 ? (ticks.at(1) - ticks.at(0)) / 10 : 0;
    for (double k = std::ceil(frame.xMin / step);
         step > 0 && k * step <= frame.xMax && places.size() + named.size() < 200; ++k) {
        if (std::none_of(named.begin(), named.end(),
                [&](const auto& each) { return std::fabs(each.first - k * step) < step / 8; }))
            places.push_back(k * step);
    }
    return places;
}

// The height the slider tells at x: a given point's own, the vertex's, or the curve's.
double heightAt(const Riddle& riddle, const Special& special, double x)
{
    const auto* given = std::find_if(
        kGiven.begin(), kGiven.end(), [x](const Given& each) { return each.x == x; });
    if (special.vertex && x == special.vertex->x)
        return special.vertex->y;
    return given != kGiven.end() ? riddle.*given->y : valueAt(riddle, x);
}

// From A3 at the frame's bottom up to A5 at its top.
double pitch(const Frame& frame, double y)
{
    const double height = std::clamp((y / 2 - frame.yMin / 2) / frame.halfHeight(), 0.0, 1.0);
    return 220 + 660 * (std::isnan(height) ? 0.5 : height);
}

// From the left ear (-1) at the frame's left to the right (1) at its right.
double pan(const Frame& frame, double x)
{
    return std::clamp((x / 2 - frame.xMin / 2) / frame.halfWidth() * 2 - 1, -1.0, 1.0);
}

std::string svgNumber(double value)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.2f", std::clamp(value, -1e7, 1e7));
    return text.data();
}

} // namespace

void drawAxes(const Frame& frame, const DecimalSeparator& separator, Plot& plot)
{
    if (frame.yMin <= 0 && frame.yMax >= 0)
        plot.axisX = frame.top(0);
    if (frame.xMin <= 0 && frame.xMax >= 0)
        plot.axisY = frame.left(0);
    plot.xTicksAt = plot.axisX.value_or(kBottom);
    plot.yTicksAt = plot.axisY.value_or(kLeft);
    for (double x : roundNumbers(frame.xMin, frame.xMax))
        plot.xTicks.push_back({frame.left(x), doubleToText(x, separator)});
    for (double y : roundNumbers(frame.yMin, frame.yMax))
        plot.yTicks.push_back({frame.top(y), doubleToText(y, separator)});
}

void drawMarks(
    const Riddle& riddle, const Special& special, const Frame& frame, bool solved, Plot& plot)
{
    for (const Given& given : kGiven) {
        const Point point = given.in(riddle);
        plot.marks.push_back({given.name, given.shape, frame.left(point.x), frame.top(point.y)});
    }
    for (const auto& [point, shape] : special.marks) {
        if (frame.holds(point))
            plot.marks.push_back({shape == Shape::Diamond ? "W" : "", shape, frame.left(point.x),
                frame.top(point.y)});
    }
    if (solved && frame.holds({0, riddle.c}))
        plot.marks.push_back({"", Shape::Cross, frame.left(0), frame.top(riddle.c)});
    if (special.vertex && frame.holds({special.vertex->x, frame.yMin}))
        plot.symmetry = frame.left(special.vertex->x);
}

// A quadratic Bézier with these three points is the parabola exactly: x runs
// linearly from end to end, and the middle point lies where the tangents at
// the ends meet.
void drawCurve(const Riddle& riddle, const Frame& frame, Plot& plot)
{
    const double x0 = frame.xMin;
    const double x1 = frame.xMax;
    const double middle = valueAt(riddle, x0) + (2 * riddle.a * x0 + riddle.b) * (x1 - x0) / 2;
    const std::array<double, 6> curve{frame.left(x0), frame.top(valueAt(riddle, x0)),
        frame.left((x0 + x1) / 2), frame.top(middle), frame.left(x1),
        frame.top(valueAt(riddle, x1))};
    if (std::all_of(curve.begin(), curve.end(), [](double v) { return std::isfinite(v); }))
        plot.curve = "M" + svgNumber(curve[0]) + " " + svgNumber(curve[1]) + " Q"
            + svgNumber(curve[2]) + " " + svgNumber(curve[3]) + " " + svgNumber(curve[4]) + " "
            + svgNumber(curve[5]);
}

void makeSteps(const Riddle& riddle, const Special& special, const Frame& frame, bool solved,
    const DecimalSeparator& separator, Plot& plot)
{
    const auto named = namedPlaces(special, frame);
    std::vector<double> xs = solved ? stepPlaces(frame, named) : std::vector<double>{};
    for (const auto& [x, name] : named)
        xs.push_back(x);
    std::sort(xs.begin(), xs.end());
    for (double x : xs) {
        const auto found = std::find_if(
            named.begin(), named.end(), [x](const auto& each) { return each.first == x; });
        if (x == kGiven.front().x)
            plot.firstStep = plot.steps.size();
        // Built by appending: GCC 12 warns falsely (-Wrestrict, its bug 105651)
        // on "x" + std::string at high optimisation.
        std::string step(1, 'x');
        step.append(number(x, separator).shown()).append("; y");
        step.append(number(heightAt(riddle, special, x), separator).shown());
        plot.steps.push_back(step.append(found == named.end() ? "" : found->second));
    }
}

void makeTones(
    const Riddle& riddle, const Special& special, const Frame& frame, bool solved, Plot& plot)
{
    if (!solved) {
        for (const Given& given : kGiven) {
            const Point point = given.in(riddle);
            plot.tones.push_back(
                {0.6 * (given.x - 1), 0.4, pitch(frame, point.y), pan(frame, point.x)});
        }
        return;
    }
    const auto at = [&](double x) { return 3 * (x / 2 - frame.xMin / 2) / frame.halfWidth(); };
    for (const auto& [x, name] : namedPlaces(special, frame))
        plot.tones.push_back({at(x), 0.05, 1760, pan(frame, x)});
    constexpr int kGlideSteps = 60;
    for (int i = 0; i <= kGlideSteps; ++i) {
        const double x = frame.xMin + (frame.halfWidth() * 2) * i / kGlideSteps;
        plot.glide.push_back(
            {3.0 * i / kGlideSteps, 0, pitch(frame, valueAt(riddle, x)), pan(frame, x)});
    }
}

} // namespace parabolix::plot::parts

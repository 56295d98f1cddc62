// The plot's parts, one job each, shared by the files that make the plot:
// the given points, the special points of the curve, the frame, and each
// thing drawn or played. Not for the faces: they take a whole Plot.
#pragma once

#include "view/plot.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace parabolix::plot::parts {

struct Point {
    double x = 0;
    double y = 0;
};

// The riddle's given points: A, B and C stand at x = 1, 2 and 3 and carry m,
// n and p.
struct Given {
    const char* name;
    Shape shape;
    int x;
    double Riddle::*y;
    [[nodiscard]] Point in(const Riddle& riddle) const { return {double(x), riddle.*y}; }
};
inline constexpr std::array<Given, 3> kGiven{{{"A", Shape::Circle, 1, &Riddle::m},
    {"B", Shape::Square, 2, &Riddle::n}, {"C", Shape::Triangle, 3, &Riddle::p}}};

// The curve's special points beyond A, B and C, and how they are told: the
// description's sentences after its first, the table's rows after A, B and
// C, and their marks. Where a value leaves a double's range, one sentence
// says so and nothing else is told or marked.
struct Special {
    std::vector<std::string> sentences;
    std::vector<Row> rows;
    std::vector<std::pair<Point, Shape>> marks;
    std::optional<Point> vertex;
};

// The special points of the parabola or line through A, B and C, the
// crossing with OY included.
[[nodiscard]] Special specialPoints(const Riddle& riddle, const DecimalSeparator& separator);

// The part of the riddle's plane in view, and where it lies in the picture.
// Spans are taken by halves, so that even the widest pair of doubles never
// overflows.
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
    // The picture's coordinates of x and of y.
    [[nodiscard]] double left(double x) const;
    [[nodiscard]] double top(double y) const;
};

// The picture's area for the plane, inside room for the numbers on the axes.
inline constexpr double kLeft = 34;
inline constexpr double kRight = kWidth - 10;
inline constexpr double kTop = 10;
inline constexpr double kBottom = kHeight - 22;

// A, B and C in view, two apart and at least a fifth of the picture apart in
// each direction; the vertex, zeros and axes (`wanted`) too, where that holds.
[[nodiscard]] Frame frameFor(const Riddle& riddle, const std::vector<Point>& wanted);

// About six round numbers (1, 2 or 5 times a power of ten) over [low, high].
[[nodiscard]] std::vector<double> roundNumbers(double low, double high);

// Each job of the picture and its sound, on a plot that has its frame.
void drawAxes(const Frame& frame, const DecimalSeparator& separator, Plot& plot);
void drawMarks(
    const Riddle& riddle, const Special& special, const Frame& frame, bool solved, Plot& plot);
void drawCurve(const Riddle& riddle, const Frame& frame, Plot& plot);
void makeSteps(const Riddle& riddle, const Special& special, const Frame& frame, bool solved,
    const DecimalSeparator& separator, Plot& plot);
void makeTones(
    const Riddle& riddle, const Special& special, const Frame& frame, bool solved, Plot& plot);

} // namespace parabolix::plot::parts

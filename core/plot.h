// The riddle as a picture, beside the window on the page: the points A, B
// and C, and after solving the parabola (or the line) through them with its
// vertex, zeros and crossing with OY; the Polish text that describes it, a
// table of its points, the steps of a slider that walks along the curve and
// a plan of tones that plays it. Plain data that any face can draw.
#pragma once

#include "riddle.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parabolix::plot {

// The page's texts around the picture.
inline constexpr std::string_view kTitle = "Wykres";
inline constexpr std::string_view kTableCaption = "Punkty wykresu";
inline constexpr std::string_view kPointHeading = "Punkt";
inline constexpr std::string_view kCoordinatesHeading = "Współrzędne";
inline constexpr std::string_view kWalkLabel = "Wędrówka po wykresie";
inline constexpr std::string_view kListenCaption = "Posłuchaj wykresu";

// The picture's size, in the units of its coordinates: the window's height.
inline constexpr double kWidth = 360;
inline constexpr double kHeight = 336;

// A value as the plot writes it: the program's own text of it, and where that
// has more than two decimal places and no exponent, rounded to two as a school
// rounds (a half away from zero), trailing zeros dropped, -0 written 0.
struct Number {
    std::string text;
    bool rounded = false;
    // " = text" or " ≈ text".
    [[nodiscard]] std::string shown() const;
};
[[nodiscard]] Number number(double value, const DecimalSeparator& separator);

enum class Shape { Circle, Square, Triangle, Diamond, Ring, Cross };

// A point of the picture, placed in the picture's coordinates.
struct Mark {
    std::string label; // "A", "B", "C", "W", or empty
    Shape shape = Shape::Circle;
    double x = 0;
    double y = 0;
};

// A number along an axis, at its place in the picture's coordinates.
struct Tick {
    double at = 0;
    std::string label;
};

struct Row {
    std::string point; // "A", "wierzchołek W", ...
    std::string coordinates; // "(1; 16)", or "≈ (3,5; 4,13)" where rounded
};

// A tone of the plan: when it starts and how long it lasts, in seconds; its
// pitch in hertz; where it stands between the left ear (-1) and the right (1).
struct Tone {
    double start = 0;
    double duration = 0;
    double frequency = 0;
    double pan = 0;
};

struct Plot {
    std::string description;
    std::vector<Row> table;
    std::vector<Mark> marks;
    // Where the axes OX (a height) and OY (a left) lie, when they are in view.
    std::optional<double> axisX;
    std::optional<double> axisY;
    std::vector<Tick> xTicks; // along OX, or along the bottom when it is out of view
    std::vector<Tick> yTicks; // along OY, or along the left edge
    double xTicksAt = 0; // the height the x ticks stand at
    double yTicksAt = 0; // the left the y ticks stand at
    // The curve as one exact quadratic Bézier, SVG path data; empty before solving.
    std::string curve;
    std::optional<double> symmetry; // the axis of symmetry's left, dashed
    // The slider's value texts from left to right, and the step it starts on (A).
    std::vector<std::string> steps;
    std::size_t firstStep = 0;
    // The tones: before solving, one for each of A, B and C; after it, the
    // curve gliding from left to right through `glide` (each a point the
    // pitch and the place pass through), with a tick at A, B, C and W.
    std::vector<Tone> tones;
    std::vector<Tone> glide;
};

// The points A, B and C alone, at start and after a draw, from the riddle's
// m, n and p (readRiddle). Raises nothing.
[[nodiscard]] Plot points(const Riddle& riddle, const DecimalSeparator& separator);

// After solving: the parabola or line through A, B and C with its special
// points, its text naming `polynomial` (Text4). A special point beyond a
// double's range is only said to be so. Raises nothing.
[[nodiscard]] Plot solved(
    const Riddle& riddle, std::string_view polynomial, const DecimalSeparator& separator);

} // namespace parabolix::plot

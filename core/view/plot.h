// The riddle as a picture, beside the window on the page: the points A, B
// and C, and after solving the parabola (or the line) through them with its
// vertex, zeros and crossing with OY; the Polish text that describes it, a
// table of its points, the steps of a slider that walks along the curve and
// a plan of tones that plays it. Plain data that any face can draw.
#pragma once

#include "riddle/riddle.h"
#include "view/window_description.h"

#include <array>
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

// The picture's size, in the units of its coordinates: beside the window, as
// high as it.
inline constexpr double kWidth = 360;
inline constexpr double kHeight = double{window::kHeight} / window::kTwipsPerPixel;

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

// How a shape is drawn around its mark: its name, by which the page finds it;
// its outline as SVG path data with the mark at (0; 0); and whether it is
// filled or drawn as a line alone.
struct Outline {
    Shape shape;
    std::string_view name;
    std::string_view path;
    bool filled;
};
inline constexpr std::array<Outline, 6> kOutlines{{
    {Shape::Circle, "circle", "M-5 0a5 5 0 1 0 10 0a5 5 0 1 0-10 0", true},
    {Shape::Square, "square", "M-5-5h10v10h-10z", true},
    {Shape::Triangle, "triangle", "M0-6l6 10h-12z", true},
    {Shape::Diamond, "diamond", "M0-6l6 6-6 6-6-6z", true},
    {Shape::Ring, "ring", "M-4 0a4 4 0 1 0 8 0a4 4 0 1 0-8 0", false},
    {Shape::Cross, "cross", "M-5-5l10 10m0-10-10 10", false},
}};

// The outline of `shape`.
[[nodiscard]] constexpr const Outline& outline(Shape shape)
{
    return kOutlines.at(static_cast<std::size_t>(shape));
}

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
// m, n and p.
[[nodiscard]] Plot points(const Riddle& riddle, const DecimalSeparator& separator);

// After solving: the parabola or line through A, B and C with its special
// points, its text naming the polynomial as Text4 shows it. A special point
// beyond a double's range is only said to be so.
[[nodiscard]] Plot solved(const Solution& solution, const DecimalSeparator& separator);

} // namespace parabolix::plot

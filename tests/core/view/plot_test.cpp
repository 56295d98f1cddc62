// The plot of a riddle: the sentences, the table and the slider's texts
// exactly, as a pupil reads them; the picture by what must hold of it.
#include "view/plot_parts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace parabolix::plot {
namespace {

// What "oblicz" finds after typing m, n and p.
Solution typed(const char* m, const char* n, const char* p, const DecimalSeparator& separator)
{
    FieldRecord fields;
    fields.setText(Field::Text1, m);
    fields.setText(Field::Text2, n);
    fields.setText(Field::Text3, p);
    return solve(fields, separator).value();
}

struct TextRow {
    const char* name;
    const char* separator;
    const char* m;
    const char* n;
    const char* p;
    bool solved;
    const char* description;
};

class PlotText : public ::testing::TestWithParam<TextRow> { };

TEST_P(PlotText, DescribesThePictureInPolish)
{
    const TextRow& row = GetParam();
    const DecimalSeparator separator(row.separator);
    const Solution solution = typed(row.m, row.n, row.p, separator);
    EXPECT_EQ(
        (row.solved ? solved(solution, separator) : points(solution.riddle, separator)).description,
        row.description);
}

INSTANTIATE_TEST_SUITE_P(Riddles, PlotText,
    ::testing::Values(
        TextRow{"BeforeSolvingThePointsAlone", ",", "16", "34", "58", false,
            "Punkty A(1; 16), B(2; 34) i C(3; 58). Kliknij „oblicz”, aby zobaczyć parabolę, "
            "która przez nie przechodzi."},
        TextRow{"TwoZerosRounded", ",", "16", "34", "58", true,
            "Parabola y = 3x^2+9x+4 przechodzi przez punkty A(1; 16), B(2; 34) i C(3; 58). "
            "Ramiona skierowane w górę. Wierzchołek W = (-1,5; -2,75). Oś symetrii: x = -1,5. "
            "Δ = 33. Miejsca zerowe: x1 ≈ -2,46, x2 ≈ -0,54. Punkt przecięcia z osią OY: (0; 4)."},
        TextRow{"DownwardsWithAHalfRoundedUp", ",", "1", "3", "4", true,
            "Parabola y = -0,5x^2+3,5x-2 przechodzi przez punkty A(1; 1), B(2; 3) i C(3; 4). "
            "Ramiona skierowane w dół. Wierzchołek W ≈ (3,5; 4,13). Oś symetrii: x = 3,5. "
            "Δ = 8,25. Miejsca zerowe: x1 ≈ 0,63, x2 ≈ 6,37. Punkt przecięcia z osią OY: (0; -2)."},
        TextRow{"PeriodUnderEnglishSettings", ".", "1", "3", "4", true,
            "Parabola y = -0.5x^2+3.5x-2 przechodzi przez punkty A(1; 1), B(2; 3) i C(3; 4). "
            "Ramiona skierowane w dół. Wierzchołek W ≈ (3.5; 4.13). Oś symetrii: x = 3.5. "
            "Δ = 8.25. Miejsca zerowe: x1 ≈ 0.63, x2 ≈ 6.37. Punkt przecięcia z osią OY: (0; -2)."},
        TextRow{"OneZeroAndNoNegativeZero", ",", "1", "4", "9", true,
            "Parabola y = x^2-0x przechodzi przez punkty A(1; 1), B(2; 4) i C(3; 9). Ramiona "
            "skierowane w górę. Wierzchołek W = (0; 0). Oś symetrii: x = 0. Δ = 0. Jedno "
            "miejsce zerowe: x0 = 0. Punkt przecięcia z osią OY: (0; 0)."},
        TextRow{"NoZeros", ",", "2", "5", "10", true,
            "Parabola y = x^2-0x+1 przechodzi przez punkty A(1; 2), B(2; 5) i C(3; 10). Ramiona "
            "skierowane w górę. Wierzchołek W = (0; 1). Oś symetrii: x = 0. Δ = -4. Brak miejsc "
            "zerowych. Punkt przecięcia z osią OY: (0; 1)."},
        TextRow{"ALineWithAZero", ",", "1", "2", "3", true,
            "Punkty A(1; 1), B(2; 2) i C(3; 3) leżą na jednej prostej: y = 0x^2+x. To nie jest "
            "parabola. Miejsce zerowe: x0 = 0. Punkt przecięcia z osią OY: (0; 0)."},
        TextRow{"ALevelLine", ",", "5", "5", "5", true,
            "Punkty A(1; 5), B(2; 5) i C(3; 5) leżą na jednej prostej: y = 0x^2-0x+5. To nie "
            "jest parabola. Brak miejsc zerowych. Punkt przecięcia z osią OY: (0; 5)."},
        TextRow{"TheAxisItself", ",", "0", "0", "0", true,
            "Punkty A(1; 0), B(2; 0) i C(3; 0) leżą na jednej prostej: y = 0x^2-0x. To nie jest "
            "parabola. Prosta pokrywa się z osią OX. Punkt przecięcia z osią OY: (0; 0)."},
        TextRow{"DeltaBeyondADouble", ",", "1e200", "0", "0", true,
            "Parabola y = 5E+199x^2-2,5E+200x+3E+200 przechodzi przez punkty A(1; 1E+200), "
            "B(2; 0) i C(3; 0). Pozostałych wartości nie da się obliczyć: są zbyt duże."}),
    [](const auto& row) { return std::string(row.param.name); });

struct NumberRow {
    const char* name;
    double value;
    const char* shown;
};

class PlotNumber : public ::testing::TestWithParam<NumberRow> { };

TEST_P(PlotNumber, RoundsAsASchoolDoes)
{
    EXPECT_EQ(number(GetParam().value, DecimalSeparator(",")).shown(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Values, PlotNumber,
    ::testing::Values(NumberRow{"AHalfOfANegativeGoesDown", -0.005, " ≈ -0,01"},
        NumberRow{"CarryIntoANewDigitAndNoTrailingZeros", 99.996, " ≈ 100"},
        NumberRow{"NegativeZeroAfterRounding", -0.001, " ≈ 0"},
        NumberRow{"ExponentsAreNotRounded", 5.6789e-12, " = 5,6789E-12"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Plot, TableSliderAndCaptionsNameEveryPointAsTheTextDoes)
{
    const DecimalSeparator separator(",");
    const Plot plot = solved(typed("16", "34", "58", separator), separator);
    std::vector<std::string> table(plot.table.size());
    std::transform(plot.table.begin(), plot.table.end(), table.begin(),
        [](const Row& row) { return row.point + " " + row.coordinates; });
    EXPECT_EQ(table,
        (std::vector<std::string>{"A (1; 16)", "B (2; 34)", "C (3; 58)",
            "wierzchołek W (-1,5; -2,75)", "miejsce zerowe x1 ≈ (-2,46; 0)",
            "miejsce zerowe x2 ≈ (-0,54; 0)", "przecięcie z osią OY (0; 4)"}));
    std::vector<std::string> named;
    std::copy_if(plot.steps.begin(), plot.steps.end(), std::back_inserter(named),
        [](const std::string& step) {
            return step.find("; punkt") != std::string::npos
                || step.find("; wierz") != std::string::npos;
        });
    EXPECT_EQ(named,
        (std::vector<std::string>{"x = -1,5; y = -2,75; wierzchołek W", "x = 1; y = 16; punkt A",
            "x = 2; y = 34; punkt B", "x = 3; y = 58; punkt C"}));
    EXPECT_EQ(plot.steps.at(plot.firstStep), "x = 1; y = 16; punkt A");
    EXPECT_EQ((std::vector{kTitle, kTableCaption, kPointHeading, kCoordinatesHeading, kWalkLabel,
                  kListenCaption}),
        (std::vector<std::string_view>{"Wykres", "Punkty wykresu", "Punkt", "Współrzędne",
            "Wędrówka po wykresie", "Posłuchaj wykresu"}));
    EXPECT_EQ(plot.steps.at(plot.firstStep - 1), "x = 0,8; y = 13,12");
}

// Each job of the picture and its sound, written out to two places: the
// marks, the axes and their numbers, the slider's steps and the tones.
std::string two(double value)
{
    const long long hundredths = std::llround(value * 100); // a half away from zero
    const long long magnitude = std::llabs(hundredths);
    return (hundredths < 0 ? "-" : "") + std::to_string(magnitude / 100) + "."
        + std::to_string(magnitude % 100 / 10) + std::to_string(magnitude % 10);
}

std::string marks(const Plot& plot)
{
    std::string text;
    for (const Mark& mark : plot.marks)
        text += mark.label + std::string(outline(mark.shape).name) + " " + two(mark.x) + " "
            + two(mark.y) + "; ";
    return text;
}

std::string axes(const Plot& plot)
{
    std::string text = "OX " + (plot.axisX ? two(*plot.axisX) : "-") + ", OY "
        + (plot.axisY ? two(*plot.axisY) : "-") + ", x at " + two(plot.xTicksAt) + ":";
    for (const Tick& tick : plot.xTicks)
        text += " " + tick.label + " " + two(tick.at);
    text += "; y at " + two(plot.yTicksAt) + ":";
    for (const Tick& tick : plot.yTicks)
        text += " " + tick.label + " " + two(tick.at);
    return text;
}

std::string sound(const Plot& plot)
{
    std::string text;
    for (const Tone& tone : plot.tones)
        text += two(tone.start) + " " + two(tone.duration) + " " + two(tone.frequency) + " "
            + two(tone.pan) + "; ";
    for (std::size_t i = 0; i < plot.glide.size(); i += 30)
        text += "glide " + two(plot.glide[i].start) + " " + two(plot.glide[i].frequency) + " "
            + two(plot.glide[i].pan) + "; ";
    return text;
}

struct JobsRow {
    const char* name;
    const char* m;
    const char* n;
    const char* p;
    bool solved;
    const char* marks;
    const char* axes;
    const char* steps; // how many, the first and the last
    const char* sound;
    const char* curve; // one quadratic Bézier, the parabola or line exactly
};

class PlotJobs : public ::testing::TestWithParam<JobsRow> { };

TEST_P(PlotJobs, DrawAndPlayWhatAPupilSeesAndHears)
{
    const JobsRow& row = GetParam();
    const DecimalSeparator separator(",");
    const Solution solution = typed(row.m, row.n, row.p, separator);
    const Plot plot = row.solved ? solved(solution, separator) : points(solution.riddle, separator);
    EXPECT_EQ(marks(plot), row.marks);
    EXPECT_EQ(axes(plot) + ", symmetry " + (plot.symmetry ? two(*plot.symmetry) : "-"), row.axes);
    EXPECT_EQ(
        std::to_string(plot.steps.size()) + ": " + plot.steps.front() + " ... " + plot.steps.back(),
        row.steps);
    EXPECT_EQ(sound(plot), row.sound);
    EXPECT_EQ(plot.curve, row.curve);
}

INSTANTIATE_TEST_SUITE_P(Riddles, PlotJobs,
    ::testing::Values(
        JobsRow{"AParabolaUpwards", "16", "34", "58", true,
            "Acircle 228.37 212.15; Bsquare 278.29 134.50; Ctriangle 328.21 30.97; Wdiamond 103.58 "
            "293.03; ring 55.79 281.17; ring 151.38 281.17; cross 178.46 263.92; ",
            "OX 281.17, OY 178.46, x at 281.17: -2 78.63 0 178.46 2 278.29; y at 178.46: 0 281.17 "
            "20 194.89 40 108.62 60 22.34, symmetry 103.58",
            "33: x = -2,8; y = 2,32 ... x = 3,4; y = 69,28",
            "1.85 0.05 1760.00 0.23; 2.32 0.05 1760.00 0.55; 2.79 0.05 1760.00 0.86; 0.66 0.05 "
            "1760.00 -0.56; glide 0.00 320.12 -1.00; glide 1.50 353.67 0.00; glide 3.00 880.00 "
            "1.00; ",
            "M34.00 267.88 Q192.00 382.10 350.00 -22.35"},
        JobsRow{"AParabolaDownwards", "1", "3", "4", true,
            "Acircle 98.54 164.67; Bsquare 141.29 79.10; Ctriangle 184.04 36.31; Wdiamond 205.42 "
            "30.97; ring 82.63 207.46; ring 328.21 207.46; cross 55.79 293.03; ",
            "OX 207.46, OY 55.79, x at 207.46: 0 55.79 2 141.29 4 226.79 6 312.29; y at 55.79: -2 "
            "293.03 0 207.46 2 121.89 4 36.31, symmetry 205.42",
            "38: x = -0,4; y = -3,48 ... x = 6,8; y = -1,32",
            "0.61 0.05 1760.00 -0.59; 1.02 0.05 1760.00 -0.32; 1.42 0.05 1760.00 -0.05; 1.63 0.05 "
            "1760.00 0.08; glide 0.00 220.00 -1.00; glide 1.50 829.91 0.00; glide 3.00 303.22 "
            "1.00; ",
            "M34.00 374.94 Q192.00 -259.16 350.00 275.67"},
        JobsRow{"PointsBeforeSolving", "7", "58", "101", false,
            "Acircle 146.60 274.87; Bsquare 237.40 142.54; Ctriangle 328.21 30.97; ",
            "OX 293.03, OY 55.79, x at 293.03: 0 55.79 1 146.60 2 237.40 3 328.21; y at 55.79: 0 "
            "293.03 20 241.14 40 189.24 60 137.35 80 85.46 100 33.56, symmetry -",
            "3: x = 1; y = 7; punkt A ... x = 3; y = 101; punkt C",
            "0.00 0.40 304.95 -0.29; 0.60 0.40 592.25 0.29; 1.20 0.40 834.48 0.86; ", ""},
        JobsRow{"ALineWithItsZeroAtTheOrigin", "1", "2", "3", true,
            "Acircle 146.60 205.68; Bsquare 237.40 118.32; Ctriangle 328.21 30.97; ring 55.79 "
            "293.03; cross 55.79 293.03; ",
            "OX 293.03, OY 55.79, x at 293.03: 0 55.79 1 146.60 2 237.40 3 328.21; y at 55.79: 0 "
            "293.03 1 205.68 2 118.32 3 30.97, symmetry -",
            "35: x = -0,2; y = -0,2 ... x = 3,2; y = 3,2",
            "1.07 0.05 1760.00 -0.29; 1.93 0.05 1760.00 0.29; 2.79 0.05 1760.00 0.86; glide 0.00 "
            "220.00 -1.00; glide 1.50 550.00 0.00; glide 3.00 880.00 1.00; ",
            "M34.00 314.00 Q192.00 162.00 350.00 10.00"},
        JobsRow{"AFarVertexLeftOutOfView", "0.1", "0.2", "0.3", true,
            "Acircle 146.60 205.68; Bsquare 237.40 118.32; Ctriangle 328.21 30.97; ring 55.79 "
            "293.03; cross 55.79 293.03; ",
            "OX 293.03, OY 55.79, x at 293.03: 0 55.79 1 146.60 2 237.40 3 328.21; y at 55.79: 0 "
            "293.03 0,1 205.68 0,2 118.32 0,3 30.97, symmetry -",
            "35: x = -0,2; y = -2,00000000000001E-02 ... x = 3,2; y = 0,32",
            "1.07 0.05 1760.00 -0.29; 1.93 0.05 1760.00 0.29; 2.79 0.05 1760.00 0.86; glide 0.00 "
            "220.00 -1.00; glide 1.50 550.00 0.00; glide 3.00 880.00 1.00; ",
            "M34.00 314.00 Q192.00 162.00 350.00 10.00"},
        JobsRow{"LevelPointsFarFromOX", "1000", "1000", "1000", true,
            "Acircle 146.60 30.97; Bsquare 237.40 30.97; Ctriangle 328.21 30.97; cross 55.79 "
            "30.97; ",
            "OX 293.03, OY 55.79, x at 293.03: 0 55.79 1 146.60 2 237.40 3 328.21; y at 55.79: 0 "
            "293.03 200 240.62 400 188.21 600 135.79 800 83.38 1000 30.97, symmetry -",
            "35: x = -0,2; y = 1000 ... x = 3,2; y = 1000",
            "1.07 0.05 1760.00 -0.29; 1.93 0.05 1760.00 0.29; 2.79 0.05 1760.00 0.86; glide 0.00 "
            "834.48 -1.00; glide 1.50 834.48 0.00; glide 3.00 834.48 1.00; ",
            "M34.00 30.97 Q192.00 30.97 350.00 30.97"}),
    [](const auto& row) { return std::string(row.param.name); });

// About six round numbers along an axis: 1, 2 or 5 times a power of ten.
TEST(Plot, TicksAreRoundNumbers)
{
    EXPECT_EQ(parts::roundNumbers(0, 60), (std::vector<double>{0, 10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(parts::roundNumbers(0, 63), (std::vector<double>{0, 20, 40, 60}));
}

TEST(Plot, BeforeSolvingThreeRisingTonesAndNoCurve)
{
    const DecimalSeparator separator(",");
    const Plot plot = points(typed("7", "58", "101", separator).riddle, separator);
    EXPECT_EQ(plot.curve, "");
    ASSERT_EQ(plot.tones.size(), 3U);
    EXPECT_LT(plot.tones.at(0).frequency, plot.tones.at(1).frequency);
    EXPECT_LT(plot.tones.at(1).frequency, plot.tones.at(2).frequency);
    EXPECT_LT(plot.tones.at(0).pan, plot.tones.at(2).pan);
    EXPECT_EQ(plot.steps,
        (std::vector<std::string>{
            "x = 1; y = 7; punkt A", "x = 2; y = 58; punkt B", "x = 3; y = 101; punkt C"}));
}

} // namespace
} // namespace parabolix::plot

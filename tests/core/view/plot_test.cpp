// The plot of a riddle: the sentences, the table and the slider's texts
// exactly, as a pupil reads them; the picture by what must hold of it.
#include "view/plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
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

struct PictureRow {
    const char* name;
    const char* m;
    const char* n;
    const char* p;
    const char* labels; // the marks in view: A B C, W, o for a zero, + for OY's crossing
};

class PlotPicture : public ::testing::TestWithParam<PictureRow> { };

// A, B and C are always in view and well apart; the vertex, zeros and the
// crossing with OY join them where that does not squeeze them together; the
// curve passes through every point on it; the tones rise with y and move
// from the left ear to the right.
TEST_P(PlotPicture, FramesThePointsAndDrawsTheCurveThroughThem)
{
    const PictureRow& row = GetParam();
    const DecimalSeparator separator(",");
    const Plot plot = solved(typed(row.m, row.n, row.p, separator), separator);
    std::string labels;
    for (const Mark& mark : plot.marks) {
        labels += mark.label.empty() ? (mark.shape == Shape::Ring ? "o" : "+") : mark.label;
        EXPECT_TRUE(mark.x >= 0 && mark.x <= kWidth && mark.y >= 0 && mark.y <= kHeight)
            << labels << " at " << mark.x << ", " << mark.y;
    }
    EXPECT_EQ(labels, row.labels);
    EXPECT_GT(plot.marks.at(2).x - plot.marks.at(0).x, kWidth / 6);

    std::istringstream path(plot.curve);
    char move = 0;
    char quadratic = 0;
    std::array<double, 6> numbers{};
    path >> move >> numbers[0] >> numbers[1] >> quadratic >> numbers[2] >> numbers[3] >> numbers[4]
        >> numbers[5];
    ASSERT_EQ((std::string{move, quadratic}), "MQ") << plot.curve;
    const auto [x0, y0, x1, y1, x2, y2] = numbers;
    for (const Mark& mark : plot.marks) {
        if (mark.shape == Shape::Cross || mark.shape == Shape::Ring)
            continue; // on the curve too, but the zeros' and OY's place is the axes'
        const double t = (mark.x - x0) / (x2 - x0);
        EXPECT_NEAR((1 - t) * (1 - t) * y0 + 2 * t * (1 - t) * y1 + t * t * y2, mark.y, 0.05)
            << mark.label;
    }
    ASSERT_EQ(plot.glide.size(), 61U);
    EXPECT_EQ(plot.glide.front().pan, -1);
    EXPECT_EQ(plot.glide.back().pan, 1);
    EXPECT_EQ(plot.glide.back().start, 3);
}

INSTANTIATE_TEST_SUITE_P(Riddles, PlotPicture,
    ::testing::Values(PictureRow{"EverySpecialPointInView", "16", "34", "58", "ABCWoo+"},
        PictureRow{"ADownwardParabola", "1", "3", "4", "ABCWoo+"},
        PictureRow{"AFarVertexAndZeroLeftOutOfView", "0.1", "0.2", "0.3", "ABCo+"},
        PictureRow{"ALine", "1", "2", "3", "ABCo+"},
        PictureRow{"LevelPointsFarFromOX", "1000", "1000", "1000", "ABC+"}),
    [](const auto& row) { return std::string(row.param.name); });

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

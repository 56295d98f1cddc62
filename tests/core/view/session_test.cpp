// What each event leaves a face to show: the error message, what a screen
// reader is told, and the plot, or none where the plot stays as it was.
#include "scripted_chance.h"
#include "view/session.h"

#include <gtest/gtest.h>

#include <string>

namespace parabolix::view {
namespace {

using testing::FixedClock;
using testing::ScriptedGenerator;

enum class Event { Start, Solve, Draw, Check };

struct EventRow {
    const char* name;
    Event event;
    const char* m; // typed into Text1..Text3 before the event
    const char* n;
    const char* p;
    float generated; // the generator's value for the draw
    const char* error;
    const char* announcement;
    const char* plot; // its description; none: the plot stays
    bool emptied = false; // the pupil's answer, and its checked lines
};

class SessionEvent : public ::testing::TestWithParam<EventRow> { };

TEST_P(SessionEvent, ShowsTheErrorTheNewsAndThePlot)
{
    const EventRow& row = GetParam();
    FieldRecord fields;
    ScriptedGenerator generator;
    generator.values = {0.125F, 0.375F, row.generated};
    const FixedClock clock(0);
    Session session(fields, DecimalSeparator(","), generator, clock);
    (void)session.start();
    fields.setText(Field::Text1, row.m);
    fields.setText(Field::Text2, row.n);
    fields.setText(Field::Text3, row.p);
    const Shown shown = row.event == Event::Start ? session.start()
        : row.event == Event::Solve               ? session.solve()
        : row.event == Event::Draw                ? session.draw()
                                                  : session.check({"0,5", "-1/2", "1"});
    EXPECT_EQ(shown.error, row.error);
    EXPECT_EQ(shown.announcement, row.announcement);
    EXPECT_EQ(shown.plot ? shown.plot->description : "none", row.plot);
    EXPECT_EQ(shown.newRiddle && shown.checked && shown.checked->empty(), row.emptied);
}

INSTANTIATE_TEST_SUITE_P(Events, SessionEvent,
    ::testing::Values(
        EventRow{"StartShowsTheStartPointsAndTellsNothing", Event::Start, "1", "2", "4", 0, "", "",
            "Punkty A(1; 16), B(2; 34) i C(3; 58). Kliknij „oblicz”, aby zobaczyć parabolę, "
            "która przez nie przechodzi."},
        EventRow{"SolveTellsThePolynomialAndPlotsIt", Event::Solve, "1", "2", "4", 0, "",
            "0,5x^2-0,5x+1",
            "Parabola y = 0,5x^2-0,5x+1 przechodzi przez punkty A(1; 1), B(2; 2) i C(3; 4). "
            "Ramiona skierowane w górę. Wierzchołek W ≈ (0,5; 0,88). Oś symetrii: x = 0,5. "
            "Δ = -1,75. Brak miejsc zerowych. Punkt przecięcia z osią OY: (0; 1)."},
        EventRow{"AnOverflowIsShownAndThePlotStays", Event::Solve, "1e400", "2", "4", 0,
            "Przepełnienie: liczba jest zbyt duża.", "", "none"},
        EventRow{"DrawTellsTheNumbersAndShowsTheirPoints", Event::Draw, "1", "2", "4", 0.999F, "",
            "m = 13, n = 39, p = 101",
            "Punkty A(1; 13), B(2; 39) i C(3; 101). Kliknij „oblicz”, aby zobaczyć parabolę, "
            "która przez nie przechodzi.",
            true},
        EventRow{"CheckTellsTheVerdictAndThePlotStays", Event::Check, "1", "2", "4", 0, "",
            "Brawo! To jest rozwiązanie: y = 0,5x^2-0,5x+1.", "none"},
        EventRow{"AFailedDrawIsShownAndThePlotStays", Event::Draw, "1", "2", "4", 400,
            "Przepełnienie: liczba jest zbyt duża.", "", "none"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace parabolix::view

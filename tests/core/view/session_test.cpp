// What each event leaves a face to show, written out as one line: the error
// message | what a screen reader is told | the plot's description, or - where
// the plot stays | "new" for a new riddle (the answer and its lines emptied)
// | the note below the window, or - where it stays | the link made, or -.
#include "scripted_chance.h"
#include "view/session.h"

#include <gtest/gtest.h>

#include <string>

namespace parabolix::view {
namespace {

enum class Event { Start, Open, Solve, Draw, Check, Share };

struct EventRow {
    const char* name;
    Event event;
    std::array<const char*, 3> mnp; // typed into Text1..Text3 before the event
    const char* fragment; // of the address opened; the draw's value as text
    const char* shown;
};

class SessionEvent : public ::testing::TestWithParam<EventRow> { };

TEST_P(SessionEvent, ShowsWhatFollowsIt)
{
    const EventRow& row = GetParam();
    FieldRecord fields;
    testing::ScriptedGenerator generator;
    generator.values = {0.125F, 0.375F, std::stof(row.event == Event::Draw ? row.fragment : "0")};
    const testing::FixedClock clock(0);
    Session session(fields, DecimalSeparator(","), generator, clock);
    (void)session.start();
    for (std::size_t i = 0; i < row.mnp.size(); ++i)
        fields.setText(kInputFields.at(i), row.mnp.at(i));
    const Shown shown = row.event == Event::Start ? session.start()
        : row.event == Event::Open                ? session.start(row.fragment)
        : row.event == Event::Solve               ? session.solve()
        : row.event == Event::Draw                ? session.draw()
        : row.event == Event::Check               ? session.check({"0,5", "-1/2", "1"})
                                                  : session.share();
    const auto& link = shown.link;
    EXPECT_EQ(shown.error + "|" + shown.announcement + "|"
            + (shown.plot ? shown.plot->description : "-") + "|"
            + (shown.newRiddle && shown.checked && shown.checked->empty() ? "new" : "") + "|"
            + shown.note.value_or("-") + "|"
            + (link ? link->fragment + " " + link->copied + " " + link->refused : "-"),
        row.shown);
}

#define CLICK ". Kliknij „oblicz”, aby zobaczyć parabolę, która przez nie przechodzi."

INSTANTIATE_TEST_SUITE_P(Events, SessionEvent,
    ::testing::Values(
        EventRow{"StartShowsTheStartPointsAndTellsNothing", Event::Start, {"1", "2", "4"}, "",
            "||Punkty A(1; 16), B(2; 34) i C(3; 58)" CLICK "|new||-"},
        EventRow{"ALinkOpenedPosesItsRiddle", Event::Open, {"1", "2", "4"}, "#m=7&n=58&p=101",
            "||Punkty A(1; 7), B(2; 58) i C(3; 101)" CLICK "|new||-"},
        EventRow{"ABrokenLinkStartsAsUsualAndSaysSo", Event::Open, {"1", "2", "4"}, "#m=7",
            "|Link nie zawiera poprawnego zadania. Pokazuję zadanie początkowe.|Punkty A(1; 16), "
            "B(2; 34) i C(3; 58)" CLICK "|new|Link nie zawiera poprawnego zadania. Pokazuję "
            "zadanie początkowe.|-"},
        EventRow{"SolveTellsThePolynomialAndPlotsIt", Event::Solve, {"1", "2", "4"}, "",
            "|0,5x^2-0,5x+1|Parabola y = 0,5x^2-0,5x+1 przechodzi przez punkty A(1; 1), B(2; 2) i "
            "C(3; 4). Ramiona skierowane w górę. Wierzchołek W ≈ (0,5; 0,88). Oś symetrii: x = "
            "0,5. Δ = -1,75. Brak miejsc zerowych. Punkt przecięcia z osią OY: (0; 1).||-|-"},
        EventRow{"AnOverflowIsShownAndThePlotStays", Event::Solve, {"1e400", "2", "4"}, "",
            "Przepełnienie: liczba jest zbyt duża.||-||-|-"},
        EventRow{"DrawTellsTheNumbersAndShowsTheirPoints", Event::Draw, {"1", "2", "4"}, "0.999",
            "|m = 13, n = 39, p = 101|Punkty A(1; 13), B(2; 39) i C(3; 101)" CLICK "|new||-"},
        EventRow{"AFailedDrawIsShownAndThePlotStays", Event::Draw, {"1", "2", "4"}, "400",
            "Przepełnienie: liczba jest zbyt duża.||-||-|-"},
        EventRow{"CheckTellsTheVerdictAndThePlotStays", Event::Check, {"1", "2", "4"}, "",
            "|Brawo! To jest rozwiązanie: y = 0,5x^2-0,5x+1.|-||-|-"},
        EventRow{"ALinkMadeOfWholeNumbers", Event::Share, {"-7", "058", "32767"}, "",
            "||-|||m=-7&n=58&p=32767 Link skopiowany. Skopiuj adres z pola Adres zadania."},
        EventRow{"NoLinkOfADecimal", Event::Share, {"7", "2,5", "1"}, "",
            "|Link można utworzyć tylko dla liczb całkowitych od -32768 do 32767.|-||Link można "
            "utworzyć tylko dla liczb całkowitych od -32768 do 32767.|-"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace parabolix::view

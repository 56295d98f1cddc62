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
            "która przez nie przechodzi.",
            true},
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

struct LinkRow {
    const char* name;
    const char* fragment; // the page opened with; none: the link button on m, n, p
    std::array<const char*, 3> mnp;
    const char* shown; // Text1..Text5 after it, then the note, then the link
};

class SessionLink : public ::testing::TestWithParam<LinkRow> { };

TEST_P(SessionLink, PosesTheRiddleOfALinkAndMakesOne)
{
    const LinkRow& row = GetParam();
    FieldRecord fields;
    ScriptedGenerator generator;
    const FixedClock clock(0);
    Session session(fields, DecimalSeparator(","), generator, clock);
    (void)session.start();
    for (std::size_t i = 0; i < row.mnp.size(); ++i)
        fields.setText(kInputFields.at(i), row.mnp.at(i));
    const Shown shown = row.fragment ? session.start(row.fragment) : session.share();
    std::string texts;
    for (Field field : {Field::Text1, Field::Text2, Field::Text3, Field::Text4, Field::Text5})
        texts += fields.text(field) + "|";
    const auto& link = shown.link;
    EXPECT_EQ(texts + shown.note.value_or("none") + "|"
            + (link ? link->fragment + "|" + link->copied + "|" + link->refused : "none"),
        row.shown);
}

// Text5 as the start left it.
#define LETTERS                                                                                    \
    "Liczby a,b,c są rozwiązaniami ukladu równań:\r\na+b+c = m\r\n4a+2b+c = n\r\n9a+3b+c = p\r\n"

INSTANTIATE_TEST_SUITE_P(Links, SessionLink,
    ::testing::Values(
        LinkRow{"OpenedItPosesTheRiddleAsADraw", "#m=7&n=58&p=101", {"1", "2", "3"},
            "7|58|101||Liczby a,b,c są rozwiązaniami ukladu równań:\r\na+b+c = 7\r\n4a+2b+c = "
            "58\r\n9a+3b+c = 101\r\n||none"},
        LinkRow{"ABrokenOneStartsAsUsualAndSaysSo", "#m=7", {"1", "2", "3"},
            "16|34|58||" LETTERS "|Link nie zawiera poprawnego zadania. Pokazuję zadanie "
            "początkowe.|none"},
        LinkRow{"MadeOfWholeNumbers", nullptr, {"-7", "058", "32767"},
            "-7|058|32767||" LETTERS "||m=-7&n=58&p=32767|Link skopiowany.|Skopiuj adres z pola "
            "Adres zadania."},
        LinkRow{"NotOfADecimal", nullptr, {"7", "2,5", "1"},
            "7|2,5|1||" LETTERS "|Link można utworzyć tylko dla liczb całkowitych od -32768 do "
            "32767.|none"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace parabolix::view

// A riddle as a face holds it, from its start to its end: one function for
// each event, each returning everything the face shows after it. A face calls
// it once for each event and shows what it returns; it decides nothing.
#pragma once

#include "riddle/riddle.h"
#include "view/lesson.h"
#include "view/plot.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parabolix::view {

// What a face shows after an event, beyond the fields the event wrote.
struct Shown {
    // The message of the error that stopped the event, shown in a modal
    // message; empty when none did. The fields keep what was written before it.
    std::string error;
    // What a screen reader is told, wherever the focus is; empty: nothing.
    std::string announcement;
    // The plot to show; none: the plot shown stays as it is.
    std::optional<plot::Plot> plot;
    // The lesson's steps and forms; none: they stay as they are.
    std::optional<lesson::Lesson> lesson;
    // The lines of the pupil's answer checked; none: they stay, empty: gone.
    std::optional<std::vector<std::string>> checked;
    // A new riddle: the pupil's answer is emptied and the lesson's parts are
    // closed, so that nothing of it is given away unasked.
    bool newRiddle = false;
    // A note below the window, also told to a screen reader: why a link was
    // not taken or not made; none: it stays, empty: it goes.
    std::optional<std::string> note;
    // The riddle's link that "Link do zadania" made: the fragment of the
    // page's address, and what a screen reader is told where the clipboard
    // took the address and where it refused it.
    struct Link {
        std::string fragment;
        std::string copied;
        std::string refused;
    };
    std::optional<Link> link;
};

class Session {
public:
    // Over a face's fields, whose numbers are read and written with
    // `separator`; the draw's chance comes from `generator` and `clock`. The
    // fields, generator and clock must outlive the session.
    Session(RiddleFields& fields, DecimalSeparator separator, RandomGenerator& generator,
        const Clock& clock);

    // Each event but the check also gives the lesson of the riddle it leaves
    // in the fields, and takes away the lines of an answer checked against
    // another riddle; the Qt window shows the window alone.

    // When the face is made: the start texts, and the points of the plot.
    // With the fragment of the page's address, a riddle it holds (link.h) is
    // posed as a draw would leave it; a broken one is noted. A fragment that
    // changes in an open page starts it again.
    [[nodiscard]] Shown start(std::string_view fragment = {});
    // "oblicz": the solution, told to a screen reader, and its plot.
    [[nodiscard]] Shown solve();
    // "Wyznacz trzy liczby m, n, p": the numbers drawn, told to a screen
    // reader as "m = 7, n = 58, p = 101", and their points.
    [[nodiscard]] Shown draw();
    // "Sprawdź": the pupil's a, b and c (the boxes' texts) checked against
    // the riddle in the fields, the verdict told to a screen reader, and the
    // lesson of that same riddle. The plot stays.
    [[nodiscard]] Shown check(const std::array<std::string_view, 3>& answer);
    // "Link do zadania": the link of the riddle in the fields, where each of
    // m, n and p is a whole number of a link; else the note that says so.
    [[nodiscard]] Shown share();

private:
    // The lesson of the riddle in the fields, with the answer checked
    // against another riddle taken away.
    void teach(Shown& shown);

    RiddleFields& m_fields;
    DecimalSeparator m_separator;
    RandomGenerator& m_generator;
    const Clock& m_clock;
    // The texts of m, n and p the checked answer's lines speak of.
    std::array<std::string, kInputFields.size()> m_checked;
};

} // namespace parabolix::view

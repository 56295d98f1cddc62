// A riddle as a face holds it, from its start to its end: one function for
// each event, each returning everything the face shows after it. A face calls
// it once for each event and shows what it returns; it decides nothing.
#pragma once

#include "riddle/riddle.h"
#include "view/plot.h"

#include <optional>
#include <string>

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
};

class Session {
public:
    // Over a face's fields, whose numbers are read and written with
    // `separator`; the draw's chance comes from `generator` and `clock`. The
    // fields, generator and clock must outlive the session.
    Session(RiddleFields& fields, DecimalSeparator separator, RandomGenerator& generator,
        const Clock& clock);

    // When the face is made: the start texts, and the points of the plot.
    [[nodiscard]] Shown start();
    // "oblicz": the solution, told to a screen reader, and its plot.
    [[nodiscard]] Shown solve();
    // "Wyznacz trzy liczby m, n, p": the numbers drawn, told to a screen
    // reader as "m = 7, n = 58, p = 101", and their points.
    [[nodiscard]] Shown draw();

private:
    RiddleFields& m_fields;
    DecimalSeparator m_separator;
    RandomGenerator& m_generator;
    const Clock& m_clock;
};

} // namespace parabolix::view

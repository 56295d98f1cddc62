#include "view/session.h"

#include "view/link.h"

namespace parabolix::view {

namespace {

// What is shown after an event that `error` stopped.
Shown failed(Error error)
{
    Shown shown;
    shown.error = message(error);
    return shown;
}

// What is shown after an event that succeeded.
Shown succeeded(std::string announcement, plot::Plot plot)
{
    Shown shown;
    shown.announcement = std::move(announcement);
    shown.plot = std::move(plot);
    return shown;
}

} // namespace

Session::Session(RiddleFields& fields, DecimalSeparator separator, RandomGenerator& generator,
    const Clock& clock)
    : m_fields(fields)
    , m_separator(std::move(separator))
    , m_generator(generator)
    , m_clock(clock)
{
}

void Session::teach(Shown& shown)
{
    shown.lesson = lesson::lessonOf(lesson::readExact(m_fields, m_separator), m_separator);
    std::array<std::string, kInputFields.size()> riddle;
    for (std::size_t i = 0; i < riddle.size(); ++i)
        riddle.at(i) = m_fields.text(kInputFields.at(i));
    if (riddle != m_checked) {
        shown.checked.emplace();
        m_checked = {};
    }
}

Shown Session::start(std::string_view fragment)
{
    writeStartTexts(m_fields);
    const link::Reading reading = link::read(fragment);
    if (reading.riddle)
        pose(m_fields, *reading.riddle);
    const Result<Riddle> riddle = readRiddle(m_fields, m_separator);
    if (!riddle.ok())
        return failed(riddle.error());
    const std::string note(reading.broken ? link::kNotARiddle : "");
    Shown shown = succeeded(note, plot::points(riddle.value(), m_separator));
    m_checked = {};
    teach(shown);
    shown.newRiddle = true;
    shown.note = note;
    return shown;
}

Shown Session::solve()
{
    const Result<Solution> solved = parabolix::solve(m_fields, m_separator);
    if (!solved.ok())
        return failed(solved.error());
    Shown shown = succeeded(solved.value().polynomial, plot::solved(solved.value(), m_separator));
    teach(shown);
    return shown;
}

Shown Session::draw()
{
    const Result<Posed> drawn = parabolix::draw(m_fields, m_generator, m_clock);
    if (!drawn.ok())
        return failed(drawn.error());
    const auto [m, n, p] = drawn.value();
    Riddle riddle;
    riddle.m = m;
    riddle.n = n;
    riddle.p = p;
    Shown shown = succeeded(
        "m = " + std::to_string(m) + ", n = " + std::to_string(n) + ", p = " + std::to_string(p),
        plot::points(riddle, m_separator));
    m_checked = {}; // a new riddle: the answer goes too
    teach(shown);
    shown.newRiddle = true;
    shown.note = "";
    return shown;
}

Shown Session::check(const std::array<std::string_view, 3>& answer)
{
    const lesson::Read read = lesson::readExact(m_fields, m_separator);
    Shown shown;
    shown.lesson = lesson::lessonOf(read, m_separator);
    shown.checked = lesson::check(read, answer, m_separator);
    shown.announcement = shown.checked->back();
    for (std::size_t i = 0; i < m_checked.size(); ++i)
        m_checked.at(i) = m_fields.text(kInputFields.at(i));
    return shown;
}

Shown Session::share()
{
    const std::optional<std::string> fragment = link::fragmentOf(m_fields);
    Shown shown;
    if (!fragment) {
        shown.announcement = link::kOnlyWhole;
        shown.note = link::kOnlyWhole;
        return shown;
    }
    shown.note = "";
    shown.link = Shown::Link{*fragment, std::string(link::kCopied), std::string(link::kRefused)};
    return shown;
}

} // namespace parabolix::view

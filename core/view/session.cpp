#include "view/session.h"

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

Shown Session::start()
{
    writeStartTexts(m_fields);
    const Result<Riddle> riddle = readRiddle(m_fields, m_separator);
    if (!riddle.ok())
        return failed(riddle.error());
    return succeeded("", plot::points(riddle.value(), m_separator));
}

Shown Session::solve()
{
    const Result<Solution> solved = parabolix::solve(m_fields, m_separator);
    if (!solved.ok())
        return failed(solved.error());
    return succeeded(solved.value().polynomial, plot::solved(solved.value(), m_separator));
}

Shown Session::draw()
{
    const Result<Drawn> drawn = parabolix::draw(m_fields, m_generator, m_clock);
    if (!drawn.ok())
        return failed(drawn.error());
    const auto [m, n, p] = drawn.value();
    Riddle riddle;
    riddle.m = m;
    riddle.n = n;
    riddle.p = p;
    return succeeded(
        "m = " + std::to_string(m) + ", n = " + std::to_string(n) + ", p = " + std::to_string(p),
        plot::points(riddle, m_separator));
}

} // namespace parabolix::view

#include "riddle/checked_arithmetic.h"
#include "riddle/riddle.h"
#include "riddle/texts.h"

#include <array>
#include <cmath>
#include <string>

namespace parabolix {

Result<std::int16_t> drawNumber(RandomGenerator& generator)
{
    // A single times 100 is exact in double, so nothing is rounded before
    // the rounding to an integer: 0.125 gives 12.5, which goes to 12.
    const double product = static_cast<double>(generator.next()) * 100.0;
    if (!std::isfinite(product))
        return Error::FloatingPoint;
    const Result<std::int16_t> rounded = roundToInt16(product);
    return rounded.ok() ? addInt16(rounded.value(), 1) : rounded;
}

Result<Posed> draw(RiddleFields& fields, RandomGenerator& generator, const Clock& clock)
{
    generator.reseed(clock.secondsSinceMidnight());
    std::array<std::int16_t, kInputFields.size()> mnp{};
    for (std::int16_t& number : mnp) {
        const Result<std::int16_t> drawn = drawNumber(generator);
        if (!drawn.ok())
            return drawn.error();
        number = drawn.value();
    }

    const Posed riddle{mnp[0], mnp[1], mnp[2]};
    pose(fields, riddle);
    return riddle;
}

void pose(RiddleFields& fields, const Posed& riddle)
{
    const std::array written{
        std::to_string(riddle.m), std::to_string(riddle.n), std::to_string(riddle.p)};
    for (std::size_t i = 0; i < kInputFields.size(); ++i)
        fields.setText(kInputFields.at(i), written.at(i));
    fields.setText(Field::Text4, "");
    fields.setText(Field::Text5, texts::systemOfEquations(written[0], written[1], written[2]));
}

} // namespace parabolix

#include "checked_arithmetic.h"
#include "number_text.h"
#include "riddle.h"
#include "texts.h"

#include <cmath>
#include <string>

namespace parabolix {

namespace {

// One number in 1..101 from one generator value r in [0, 1).
std::int16_t drawNumber(RandomGenerator& generator)
{
    // A single times 100 is exact in double, so nothing is rounded before
    // the rounding to an integer: 0.125 gives 12.5, which goes to 12.
    const double product = static_cast<double>(generator.next()) * 100.0;
    if (!std::isfinite(product))
        throw FloatingPointError();
    return addInt16(roundToInt16(product), 1);
}

} // namespace

void draw(RiddleFields& fields, RandomGenerator& generator, const Clock& clock)
{
    generator.reseed(clock.secondsSinceMidnight());
    const std::int16_t m = drawNumber(generator);
    const std::int16_t n = drawNumber(generator);
    const std::int16_t p = drawNumber(generator);

    const std::string mText = std::to_string(m);
    const std::string nText = std::to_string(n);
    const std::string pText = std::to_string(p);
    fields.setText(Field::Text1, mText);
    fields.setText(Field::Text2, nText);
    fields.setText(Field::Text3, pText);
    fields.setText(Field::Text4, "");
    fields.setText(Field::Text5, texts::systemOfEquations(mText, nText, pText));
}

std::string drawnNumbers(const RiddleFields& fields)
{
    return "m = " + fields.text(Field::Text1) + ", n = " + fields.text(Field::Text2)
        + ", p = " + fields.text(Field::Text3);
}

} // namespace parabolix

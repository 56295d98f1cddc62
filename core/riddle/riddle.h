// The riddle: a parabola y = ax^2 + bx + c takes the values m, n and p at
// x = 1, 2 and 3. This header declares the six fields a riddle lives in and
// the three operations on them: start texts, solve and draw.
#pragma once

#include "riddle/chance.h"
#include "riddle/errors.h"
#include "riddle/number_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace parabolix {

// The six fields, named after the window's text boxes that show them.
enum class Field {
    Text1, // m, input
    Text2, // n, input
    Text3, // p, input
    Text4, // the polynomial
    Text5, // the system of equations, several lines
    Text6, // the formulas for a, b and c, several lines
};

inline constexpr std::array kAllFields{
    Field::Text1, Field::Text2, Field::Text3, Field::Text4, Field::Text5, Field::Text6};

// The fields m, n and p are read from, in that order.
inline constexpr std::array kInputFields{Field::Text1, Field::Text2, Field::Text3};

// Returns "Text1" ... "Text6".
[[nodiscard]] std::string_view fieldName(Field field);

// Returns what a field holds when the window is created: 16, 34 and 58 for
// the inputs, nothing for the outputs (writeStartTexts fills Text5 and Text6).
[[nodiscard]] std::string_view initialText(Field field);

// The fields as the operations see them: a text to get and a text to set.
// Neither can fail: a record in memory cannot, and neither can the window's
// text boxes, whose setters Qt gives no way to refuse.
class RiddleFields {
public:
    virtual ~RiddleFields() = default;
    // Returns the field's text.
    [[nodiscard]] virtual std::string text(Field field) const = 0;
    // Stores `text`, CR LF included.
    virtual void setText(Field field, std::string_view text) = 0;
};

// Six texts in memory, starting from initialText().
class FieldRecord final : public RiddleFields {
public:
    FieldRecord();
    [[nodiscard]] std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;

private:
    std::array<std::string, kAllFields.size()> m_texts;
};

// Writes what the window shows before its first click: each field's
// initialText(), then the system of equations in letters to Text5 and the
// formulas in letters to Text6.
void writeStartTexts(RiddleFields& fields);

// The riddle's numbers: m, n and p read from Text1..Text3, and the a, b and
// c of the parabola through (1; m), (2; n) and (3; p).
struct Riddle {
    double m = 0;
    double n = 0;
    double p = 0;
    double a = 0;
    double b = 0;
    double c = 0;
};

// Reads m, n and p from Text1..Text3 with `separator` and finds a, b and c,
// exactly as solve() does, writing nothing. Error::Overflow when a value or a
// step of the arithmetic leaves the double range.
[[nodiscard]] Result<Riddle> readRiddle(
    const RiddleFields& fields, const DecimalSeparator& separator);

// What solving found: the numbers, and the polynomial as Text4 shows it.
struct Solution {
    Riddle riddle;
    std::string polynomial;
};

// Reads m, n and p from Text1..Text3 with the user's decimal separator,
// finds a, b and c, and writes the formulas with their values to Text6, then
// the polynomial to Text4. Error::Overflow, before any write, when a value or
// a step of the arithmetic leaves the double range.
[[nodiscard]] Result<Solution> solve(RiddleFields& fields, const DecimalSeparator& separator);

// A riddle of whole numbers, as a draw or a link poses it.
struct Posed {
    std::int16_t m = 0;
    std::int16_t n = 0;
    std::int16_t p = 0;
};

// Reseeds the generator from the clock, draws m, n and p in 1..101 and poses
// them. Error::FloatingPoint or Error::Overflow, before any write, should the
// generator leave [0, 1).
[[nodiscard]] Result<Posed> draw(
    RiddleFields& fields, RandomGenerator& generator, const Clock& clock);

// One number in 1..101 from the generator's next value r: r × 100 rounded to
// even, plus 1. Error::FloatingPoint or Error::Overflow should r leave [0, 1).
[[nodiscard]] Result<std::int16_t> drawNumber(RandomGenerator& generator);

// Writes the riddle into the fields as a draw leaves it: m, n and p to
// Text1..Text3, the empty text to Text4, and the system of equations with
// those numbers to Text5, in that order; Text6 is left alone.
void pose(RiddleFields& fields, const Posed& riddle);

} // namespace parabolix

// The riddle: a parabola y = ax^2 + bx + c takes the values m, n and p at
// x = 1, 2 and 3. This header declares the six fields a riddle lives in and
// the three operations on them: start texts, solve and draw.
#pragma once

#include "chance.h"
#include "errors.h"
#include "number_text.h"

#include <array>
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
// exactly as solve() does. Raises OverflowError when a value or a step of
// the arithmetic leaves the double range.
[[nodiscard]] Riddle readRiddle(const RiddleFields& fields, const DecimalSeparator& separator);

// Reads m, n and p from Text1..Text3 with the user's decimal separator,
// finds a, b and c, and writes the formulas with their values to Text6, then
// the polynomial to Text4. Raises OverflowError, before any write, when a
// value or a step of the arithmetic leaves the double range.
void solve(RiddleFields& fields, const DecimalSeparator& separator);

// Reseeds the generator from the clock, draws m, n and p in 1..101, writes
// them to Text1..Text3, empties Text4, and writes the system of equations
// with those numbers to Text5; Text6 is left alone. Raises FloatingPointError
// or OverflowError, before any write, should the generator leave [0, 1).
void draw(RiddleFields& fields, RandomGenerator& generator, const Clock& clock);

// What a screen reader says after a draw: the numbers in Text1..Text3, in
// that order, as "m = 7, n = 58, p = 101".
[[nodiscard]] std::string drawnNumbers(const RiddleFields& fields);

} // namespace parabolix

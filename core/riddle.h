// The riddle: a parabola y = ax^2 + bx + c takes the values m, n and p at
// x = 1, 2 and 3. This header declares the six fields a riddle lives in and
// the three operations on them: start texts, solve and draw.
#pragma once

#include "chance.h"
#include "errors.h"

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

// Returns what a field holds when the program starts: 16, 34 and 58 for the
// inputs, nothing for the outputs (Load writes Text5 and Text6).
[[nodiscard]] std::string_view initialText(Field field);

// The fields as the operations see them: a text to get and a text to set.
class RiddleFields {
public:
    virtual ~RiddleFields() = default;
    // Returns the field's text. Raises FieldAccessError if it cannot be read.
    [[nodiscard]] virtual std::string text(Field field) const = 0;
    // Stores `text` exactly, CR LF included. Raises FieldAccessError if it
    // cannot be written; the field then keeps its old text.
    virtual void setText(Field field, std::string_view text) = 0;
};

// Six texts in memory, starting from initialText(); never fails.
class FieldRecord final : public RiddleFields {
public:
    FieldRecord();
    [[nodiscard]] std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;

private:
    std::array<std::string, kAllFields.size()> m_texts;
};

// Writes the system of equations in letters to Text5, then the formulas in
// letters to Text6. Raises what setText raises; earlier writes stand.
void writeStartTexts(RiddleFields& fields);

// Reads m, n and p from Text1..Text3 (decimalSeparator is the user's, see
// textToNumber), finds a, b and c, and writes the formulas with their values
// to Text6, then the polynomial to Text4. Raises OverflowError, before any
// write, when a value or a step of the arithmetic leaves the double range;
// raises what the fields raise, and writes made before that stand.
void solve(RiddleFields& fields, std::string_view decimalSeparator);

// Reseeds the generator from the clock, draws m, n and p in 1..101, writes
// them to Text1..Text3, empties Text4, and writes the system of equations
// with those numbers to Text5; Text6 is left alone. Raises FloatingPointError
// or OverflowError should the generator leave [0, 1), and what the fields
// raise; writes made before a failure stand.
void draw(RiddleFields& fields, RandomGenerator& generator, const Clock& clock);

} // namespace parabolix

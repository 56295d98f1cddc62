// The riddle as a lesson, on the page beside the plot: the steps of the
// method schools teach, every form of the function, and a pupil's own answer
// checked. All in exact arithmetic, written as a Polish teacher writes it:
// decimal separator of the page, "·" for multiplication, ⟨ ⟩ for closed ends
// of intervals, x1 < x2, powers and indices on the line (x^2, x1).
#pragma once

#include "riddle/fraction.h"
#include "riddle/riddle.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parabolix::lesson {

// The page's texts around the lesson.
inline constexpr std::string_view kCheckHeading = "Sprawdź swoje rozwiązanie";
inline constexpr std::array<std::string_view, 3> kAnswerLabels{"a =", "b =", "c ="};
inline constexpr std::string_view kCheckCaption = "Sprawdź";
inline constexpr std::string_view kStepsTitle = "Rozwiązanie krok po kroku";
inline constexpr std::string_view kFormsTitle = "Własności funkcji";

// The lesson takes m, n and p of at most this many digits before the
// separator and after it, and no exponent: every drawn riddle, and every
// number a pupil types by hand; within them its 128-bit arithmetic is exact.
inline constexpr std::size_t kWholeDigits = 4;
inline constexpr std::size_t kPlaces = 3;

// The riddle in exact numbers.
struct Exact {
    Fraction m;
    Fraction n;
    Fraction p;
    Fraction a;
    Fraction b;
    Fraction c;
};

// The riddle's m, n and p from the texts of Text1..Text3, counting the
// characters the window counts but taken exactly, with a, b and c; or, where
// the lesson cannot be given, the sentence it shows instead: the window's own
// message where its reading overflows.
struct Read {
    std::optional<Exact> riddle;
    std::string refusal;
};
[[nodiscard]] Read readExact(const RiddleFields& fields, const DecimalSeparator& separator);

// The lesson of a riddle, each part a list of lines: the steps, ending with
// the answer; the forms and properties of the function. Where the riddle was
// refused, each part is the one sentence that says why.
struct Lesson {
    std::vector<std::string> steps;
    std::vector<std::string> forms;
};
[[nodiscard]] Lesson lessonOf(const Read& read, const DecimalSeparator& separator);

// A pupil's a, b and c (the boxes' texts) checked against the riddle: a line
// for each equation, then the verdict; or, for the first box that holds no
// number (fraction.h's readAnswer), the one line that asks for one; or the
// refusal. The last line is what a screen reader is told.
[[nodiscard]] std::vector<std::string> check(const Read& read,
    const std::array<std::string_view, 3>& answer, const DecimalSeparator& separator);

// A polynomial in the school's form: terms with a zero coefficient left out,
// a coefficient of 1 or -1 without its digit, 0 alone: -x^2, x^2-x, x, 0.
[[nodiscard]] std::string schoolPolynomial(
    const Fraction& a, const Fraction& b, const Fraction& c, const DecimalSeparator& separator);

// The forms and properties of the function, one line each (lesson_forms.cpp).
[[nodiscard]] std::vector<std::string> forms(
    const Exact& riddle, const DecimalSeparator& separator);

// A value put into an expression after a sign or a "·", or under ^2: in
// parentheses when negative, 1-(-0,5).
[[nodiscard]] std::string substituted(const Fraction& value, const DecimalSeparator& separator);

} // namespace parabolix::lesson

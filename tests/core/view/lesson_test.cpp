// The riddle as a lesson: every line a pupil reads, byte for byte, one line of
// text to a line of the table.
#include "view/lesson.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace parabolix::lesson {
namespace {

// The lines as one text, a line break after each.
std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

Read riddle(const char* m, const char* n, const char* p, const DecimalSeparator& separator)
{
    FieldRecord fields;
    fields.setText(Field::Text1, m);
    fields.setText(Field::Text2, n);
    fields.setText(Field::Text3, p);
    return readExact(fields, separator);
}

struct CheckRow {
    const char* name;
    std::array<const char*, 3> riddle;
    std::array<std::string_view, 3> answer;
    const char* separator;
    const char* lines;
};

class LessonCheck : public ::testing::TestWithParam<CheckRow> { };

TEST_P(LessonCheck, TellsWhichEquationHoldsAndNeverTheAnswer)
{
    const CheckRow& row = GetParam();
    const DecimalSeparator separator(row.separator);
    EXPECT_EQ(joined(check(riddle(row.riddle[0], row.riddle[1], row.riddle[2], separator),
                  row.answer, separator)),
        row.lines);
}

// The first lines for 16, 34, 58 where a = 3 is read; with a = -3.
constexpr const char* kThree = "a+b+c = 3+9+4 = 16 = m: zgadza się.\n"
                               "4a+2b+c = 4·3+2·9+4 = 34 = n: zgadza się.\n"
                               "9a+3b+c = 9·3+3·9+4 = 58 = p: zgadza się.\n"
                               "Brawo! To jest rozwiązanie: y = 3x^2+9x+4.\n";
constexpr const char* kMinusThree = "a+b+c = -3+9+4 = 10 ≠ 16 = m: nie zgadza się.\n"
                                    "4a+2b+c = 4·(-3)+2·9+4 = 10 ≠ 34 = n: nie zgadza się.\n"
                                    "9a+3b+c = 9·(-3)+3·9+4 = 4 ≠ 58 = p: nie zgadza się.\n"
                                    "Żadne równanie się nie zgadza. Spróbuj jeszcze raz.\n";

INSTANTIATE_TEST_SUITE_P(Answers, LessonCheck,
    ::testing::Values(CheckRow{"AllThree", {"16", "34", "58"}, {"3", "9", "4"}, ",", kThree},
        CheckRow{"TwoOfThree", {"16", "34", "58"}, {"2", "12", "2"}, ",",
            "a+b+c = 2+12+2 = 16 = m: zgadza się.\n4a+2b+c = 4·2+2·12+2 = 34 = n: zgadza się.\n"
            "9a+3b+c = 9·2+3·12+2 = 56 ≠ 58 = p: nie zgadza się.\n"
            "Zgadzają się dwa równania z trzech. Spróbuj jeszcze raz.\n"},
        CheckRow{"OneOfThree", {"16", "34", "58"}, {"0", "0", "16"}, ",",
            "a+b+c = 0+0+16 = 16 = m: zgadza się.\n"
            "4a+2b+c = 4·0+2·0+16 = 16 ≠ 34 = n: nie zgadza się.\n"
            "9a+3b+c = 9·0+3·0+16 = 16 ≠ 58 = p: nie zgadza się.\n"
            "Zgadza się jedno równanie z trzech. Spróbuj jeszcze raz.\n"},
        CheckRow{"NoneOfThree", {"16", "34", "58"}, {"3", "8", "4"}, ",",
            "a+b+c = 3+8+4 = 15 ≠ 16 = m: nie zgadza się.\n"
            "4a+2b+c = 4·3+2·8+4 = 32 ≠ 34 = n: nie zgadza się.\n"
            "9a+3b+c = 9·3+3·8+4 = 55 ≠ 58 = p: nie zgadza się.\n"
            "Żadne równanie się nie zgadza. Spróbuj jeszcze raz.\n"},
        CheckRow{"AHalfAsAFractionAndNegativesInParentheses", {"1", "2", "4"}, {"1/2", "-0,5", "1"},
            ",",
            "a+b+c = 0,5+(-0,5)+1 = 1 = m: zgadza się.\n"
            "4a+2b+c = 4·0,5+2·(-0,5)+1 = 2 = n: zgadza się.\n"
            "9a+3b+c = 9·0,5+3·(-0,5)+1 = 4 = p: zgadza się.\n"
            "Brawo! To jest rozwiązanie: y = 0,5x^2-0,5x+1.\n"},
        CheckRow{"ACommaOnAnEnglishPage", {"1", "2", "4"}, {"0,5", "-1/2", "1"}, ".",
            "a+b+c = 0.5+(-0.5)+1 = 1 = m: zgadza się.\n"
            "4a+2b+c = 4·0.5+2·(-0.5)+1 = 2 = n: zgadza się.\n"
            "9a+3b+c = 9·0.5+3·(-0.5)+1 = 4 = p: zgadza się.\n"
            "Brawo! To jest rozwiązanie: y = 0.5x^2-0.5x+1.\n"},
        CheckRow{"BlanksAround", {"16", "34", "58"}, {" 3 ", "9", "4"}, ",", kThree},
        CheckRow{"PlusSign", {"16", "34", "58"}, {"+3", "9", "4"}, ",", kThree},
        CheckRow{"ZeroDecimals", {"16", "34", "58"}, {"3,0", "9.0", "4"}, ",", kThree},
        CheckRow{"AWholeFraction", {"16", "34", "58"}, {"6/2", "9", "4"}, ",", kThree},
        CheckRow{"TheMinusSign", {"16", "34", "58"}, {"\u22123", "9", "4"}, ",", kMinusThree},
        CheckRow{"NothingInA", {"16", "34", "58"}, {"", "9", "4"}, ",", "Wpisz liczbę w polu a.\n"},
        CheckRow{
            "LettersInB", {"16", "34", "58"}, {"3", "abc", "x"}, ",", "Wpisz liczbę w polu b.\n"},
        CheckRow{"ZeroDenominator", {"16", "34", "58"}, {"3", "9", "1/0"}, ",",
            "Wpisz liczbę w polu c.\n"},
        CheckRow{"SignedDenominator", {"16", "34", "58"}, {"3/-2", "9", "4"}, ",",
            "Wpisz liczbę w polu a.\n"},
        CheckRow{"DecimalOverWhole", {"16", "34", "58"}, {"1,5/2", "9", "4"}, ",",
            "Wpisz liczbę w polu a.\n"},
        CheckRow{"BlanksInside", {"16", "34", "58"}, {"1 / 2", "9", "4"}, ",",
            "Wpisz liczbę w polu a.\n"},
        CheckRow{
            "Exponent", {"16", "34", "58"}, {"1e3", "9", "4"}, ",", "Wpisz liczbę w polu a.\n"},
        CheckRow{
            "Thousands", {"16", "34", "58"}, {"10 000", "9", "4"}, ",", "Wpisz liczbę w polu a.\n"},
        CheckRow{"TenDigits", {"16", "34", "58"}, {"3", "1234567890", "4"}, ",",
            "Wpisz liczbę w polu b.\n"},
        CheckRow{"ARiddleBeyondTheLesson", {"12345", "34", "58"}, {"3", "9", "4"}, ",",
            "Ta część działa dla liczb m, n i p zapisanych cyframi: najwyżej 4 przed przecinkiem "
            "i 3 po nim.\n"},
        CheckRow{"ARiddleBeyondADouble", {"16", "1e400", "58"}, {"3", "9", "4"}, ",",
            "Przepełnienie: liczba jest zbyt duża.\n"}),
    [](const auto& row) { return std::string(row.param.name); });

struct TextRow {
    const char* name;
    const char* m;
    const char* n;
    const char* p;
    const char* text; // the steps' last lines, or the forms
};

class LessonSteps : public ::testing::TestWithParam<TextRow> { };

TEST_P(LessonSteps, SubtractTheEquationsSideBySide)
{
    const TextRow& row = GetParam();
    const DecimalSeparator separator(",");
    const std::vector<std::string> steps
        = lessonOf(riddle(row.m, row.n, row.p, separator), separator).steps;
    const std::string text = joined(steps);
    EXPECT_EQ(text.substr(text.size() - std::string(row.text).size()), row.text) << text;
}

INSTANTIATE_TEST_SUITE_P(Riddles, LessonSteps,
    ::testing::Values(
        TextRow{"TheStartRiddle", "16", "34", "58",
            "Krok 1. Podstawiamy współrzędne punktów A(1; 16), B(2; 34) i C(3; 58) "
            "do wzoru y = ax^2+bx+c:\na+b+c = 16\n4a+2b+c = 34\n9a+3b+c = 58\n"
            "Krok 2. Odejmujemy stronami pierwsze równanie od drugiego i drugie od "
            "trzeciego:\n3a+b = 18\n5a+b = 24\nKrok 3. Odejmujemy stronami pierwsze "
            "z tych równań od drugiego:\n2a = 6, więc a = 3\nKrok 4. Podstawiamy a do "
            "równania 3a+b = 18:\nb = 18-3·3 = 9\nKrok 5. Podstawiamy a i b do "
            "pierwszego równania:\nc = 16-3-9 = 4\nOdpowiedź: a = 3, b = 9, c = 4, "
            "więc y = 3x^2+9x+4.\n"},
        TextRow{"NegativesInParentheses", "1", "3", "4",
            "3a+b = 2\n5a+b = 1\nKrok 3. Odejmujemy stronami pierwsze z tych równań od "
            "drugiego:\n2a = -1, więc a = -0,5\nKrok 4. Podstawiamy a do równania 3a+b = 2:\n"
            "b = 2-3·(-0,5) = 3,5\nKrok 5. Podstawiamy a i b do pierwszego równania:\n"
            "c = 1-(-0,5)-3,5 = -2\nOdpowiedź: a = -0,5, b = 3,5, c = -2, więc y = "
            "-0,5x^2+3,5x-2.\n"},
        TextRow{"ALine", "1", "2", "3",
            "więc y = x. To nie jest funkcja kwadratowa: punkty A, B i C leżą na jednej "
            "prostej.\n"},
        TextRow{"TenthsExactlyNotAsDoubles", "0,1", "0,2", "0,3",
            "Odpowiedź: a = 0, b = 0,1, c = 0, więc y = 0,1x. To nie jest funkcja kwadratowa: "
            "punkty A, B i C leżą na jednej prostej.\n"},
        TextRow{"AnExponentIsBeyondTheLesson", "1e3", "2", "3",
            "Ta część działa dla liczb m, n i p zapisanych cyframi: najwyżej 4 przed przecinkiem "
            "i 3 po nim.\n"}),
    [](const auto& row) { return std::string(row.param.name); });

class LessonForms : public ::testing::TestWithParam<TextRow> { };

// The whole forms of a riddle, or for a variant the lines that make it one.
TEST_P(LessonForms, GiveEveryFormTheSchoolAsksFor)
{
    const TextRow& row = GetParam();
    const DecimalSeparator separator(",");
    const std::string text
        = joined(lessonOf(riddle(row.m, row.n, row.p, separator), separator).forms);
    EXPECT_NE(text.find(row.text), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Riddles, LessonForms,
    ::testing::Values(
        TextRow{"TwoIrrationalRoots", "16", "34", "58",
            "Postać ogólna: y = 3x^2+9x+4\nΔ = b^2-4ac = 9^2-4·3·4 = 33\nWierzchołek: W = "
            "(-b/(2a); -Δ/(4a)) = (-1,5; -2,75)\nPostać kanoniczna: y = 3(x+1,5)^2-2,75\nPostać "
            "iloczynowa: y = 3(x-x1)(x-x2), gdzie x1 = (-9-√33)/6 ≈ -2,46, x2 = (-9+√33)/6 ≈ "
            "-0,54\nZbiór wartości: ⟨-2,75; +∞)\nFunkcja maleje w przedziale (-∞; -1,5⟩ i rośnie "
            "w przedziale ⟨-1,5; +∞).\n"},
        TextRow{"Downwards", "1", "3", "4",
            "Postać ogólna: y = -0,5x^2+3,5x-2\nΔ = b^2-4ac = 3,5^2-4·(-0,5)·(-2) = 8,25\n"
            "Wierzchołek: W = (-b/(2a); -Δ/(4a)) = (3,5; 4,125)\nPostać kanoniczna: y = "
            "-0,5(x-3,5)^2+4,125\nPostać iloczynowa: y = -0,5(x-x1)(x-x2), gdzie x1 = (7-√33)/2 "
            "≈ 0,63, x2 = (7+√33)/2 ≈ 6,37\nZbiór wartości: (-∞; 4,125⟩\nFunkcja rośnie w "
            "przedziale (-∞; 3,5⟩ i maleje w przedziale ⟨3,5; +∞).\n"},
        TextRow{"NoRoots", "2", "5", "10", "Postać iloczynowa: nie istnieje, bo Δ < 0.\n"},
        TextRow{"OneRootAndTheVertexOnTheAxis", "3", "0", "3",
            "Postać kanoniczna: y = 3(x-2)^2\nPostać iloczynowa: y = 3(x-2)^2\nZbiór wartości: "
            "⟨0; +∞)\n"},
        TextRow{"TheVertexAtTheOrigin", "-1", "-4", "-9",
            "Postać kanoniczna: y = -x^2\nPostać iloczynowa: y = -x^2\nZbiór wartości: (-∞; 0⟩\n"
            "Funkcja rośnie w przedziale (-∞; 0⟩ i maleje w przedziale ⟨0; +∞).\n"},
        TextRow{"RationalRootsAndFractions", "4", "14", "30",
            "Wierzchołek: W = (-b/(2a); -Δ/(4a)) = (-1/6; -1/12)\nPostać kanoniczna: y = "
            "3(x+1/6)^2-1/12\nPostać iloczynowa: y = 3x(x+1/3)\n"},
        TextRow{"AZeroRootLast", "0", "2", "6", "Postać iloczynowa: y = x(x-1)\n"},
        TextRow{"AZeroRootFirst", "3", "8", "15", "Postać iloczynowa: y = x(x+2)\n"},
        TextRow{"RootsWithoutADenominator", "-2", "-5", "-6",
            "Postać iloczynowa: y = (x-x1)(x-x2), gdzie x1 = 3-√6 ≈ 0,55, x2 = 3+√6 ≈ 5,45\n"},
        TextRow{"RootsOverTwoWithoutAWholePart", "-1", "5", "15",
            "Postać iloczynowa: y = 2(x-x1)(x-x2), gdzie x1 = -√6/2 ≈ -1,22, x2 = √6/2 ≈ 1,22\n"},
        TextRow{"RootsAlone", "-5", "-2", "3",
            "Postać iloczynowa: y = (x-x1)(x-x2), gdzie x1 = -√6 ≈ -2,45, x2 = √6 ≈ 2,45\n"},
        TextRow{"ARisingLine", "1", "2", "3",
            "To nie jest funkcja kwadratowa: a = 0, więc wykresem jest prosta y = x.\nMiejsce "
            "zerowe: x0 = -c/b = 0.\nFunkcja rośnie.\n"},
        TextRow{"AFallingLine", "3", "2", "1",
            "To nie jest funkcja kwadratowa: a = 0, więc wykresem jest prosta y = -x+4.\nMiejsce "
            "zerowe: x0 = -c/b = 4.\nFunkcja maleje.\n"},
        TextRow{"ALevelLine", "5", "5", "5",
            "To nie jest funkcja kwadratowa: a = 0, więc wykresem jest prosta y = 5.\nBrak "
            "miejsc zerowych.\nFunkcja jest stała.\n"},
        TextRow{"TheAxis", "0", "0", "0",
            "To nie jest funkcja kwadratowa: a = 0, więc wykresem jest prosta y = 0.\nKażda "
            "liczba jest miejscem zerowym.\nFunkcja jest stała.\n"},
        TextRow{"BeyondADouble", "1e400", "2", "3", "Przepełnienie: liczba jest zbyt duża.\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// Beyond 128 bits a value is marked, and so is what is made from it.
TEST(Fraction, MarksAnOverflowAndWhatIsMadeFromIt)
{
    const Fraction big(Integer{1} << 100);
    EXPECT_EQ(std::vector({(big + 1).overflowed(), (big * big).overflowed(),
                  (big * big - 1).overflowed(), (1 / (big * big)).overflowed()}),
        std::vector({false, true, true, true}));
}

} // namespace
} // namespace parabolix::lesson

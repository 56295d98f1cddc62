#include "riddle/texts.h"

#include "riddle/riddle.h"

#include <string>

namespace parabolix {

namespace texts {

std::string systemOfEquations(std::string_view m, std::string_view n, std::string_view p)
{
    const std::string_view br = texts::kLineBreak;
    std::string text = "Liczby a,b,c są rozwiązaniami ukladu równań:"; // sic: what its users know
    text += br;
    text.append("a+b+c = ").append(m).append(br);
    text.append("4a+2b+c = ").append(n).append(br);
    text.append("9a+3b+c = ").append(p).append(br);
    return text;
}

} // namespace texts

void writeStartTexts(RiddleFields& fields)
{
    for (Field field : kAllFields)
        fields.setText(field, initialText(field));
    fields.setText(Field::Text5, texts::systemOfEquations("m", "n", "p"));
    const std::string_view br = texts::kLineBreak;
    std::string formulas;
    for (std::string_view formula : {texts::kFormulaA, texts::kFormulaB, texts::kFormulaC})
        formulas.append(formula).append(br);
    fields.setText(Field::Text6, formulas);
}

} // namespace parabolix

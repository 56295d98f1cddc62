#include "riddle/riddle.h"

namespace parabolix {

namespace {

std::size_t indexOf(Field field)
{
    return static_cast<std::size_t>(field);
}

} // namespace

std::string_view fieldName(Field field)
{
    static constexpr std::array<std::string_view, kAllFields.size()> kNames{
        "Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
    return kNames.at(indexOf(field));
}

std::string_view initialText(Field field)
{
    static constexpr std::array<std::string_view, kAllFields.size()> kTexts{
        "16", "34", "58", "", "", ""};
    return kTexts.at(indexOf(field));
}

FieldRecord::FieldRecord()
{
    for (Field field : kAllFields)
        m_texts.at(indexOf(field)) = initialText(field);
}

std::string FieldRecord::text(Field field) const
{
    return m_texts.at(indexOf(field));
}

void FieldRecord::setText(Field field, std::string_view text)
{
    m_texts.at(indexOf(field)) = text;
}

} // namespace parabolix

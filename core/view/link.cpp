#include "view/link.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace parabolix::link {

namespace {

constexpr std::array<char, 3> kKeys{'m', 'n', 'p'};

} // namespace

std::optional<std::int16_t> wholeNumber(std::string_view text)
{
    const bool negative = text.starts_with('-');
    text.remove_prefix(negative ? 1 : 0);
    if (text.empty()
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::int32_t value = 0;
    for (char digit : text) {
        value = value * 10 + (digit - '0');
        if (value > 32768)
            return std::nullopt; // and so no digit more can overflow
    }
    value = negative ? -value : value;
    if (value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

Reading read(std::string_view fragment)
{
    fragment.remove_prefix(fragment.starts_with('#') ? 1 : 0);
    std::array<std::optional<std::int16_t>, kKeys.size()> values;
    bool named = false; // one of the keys stands in the fragment
    bool broken = false;
    std::size_t parts = 0;
    while (!fragment.empty()) {
        const std::string_view part = fragment.substr(0, fragment.find('&'));
        fragment.remove_prefix(std::min(fragment.size(), part.size() + 1));
        ++parts;
        const auto* key = std::find(kKeys.begin(), kKeys.end(), part.empty() ? '\0' : part.front());
        if (part.size() < 2 || part[1] != '=' || key == kKeys.end()) {
            broken = true;
            continue;
        }
        named = true;
        auto& value = values.at(static_cast<std::size_t>(key - kKeys.begin()));
        broken = broken || value.has_value();
        value = wholeNumber(part.substr(2));
        broken = broken || !value;
    }
    if (!named)
        return {};
    if (broken || parts != kKeys.size())
        return {.riddle = std::nullopt, .broken = true};
    return {.riddle = Posed{*values[0], *values[1], *values[2]}, .broken = false};
}

std::optional<std::string> fragmentOf(const RiddleFields& fields)
{
    std::string fragment;
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        const std::optional<std::int16_t> value = wholeNumber(fields.text(kInputFields.at(i)));
        if (!value)
            return std::nullopt;
        fragment.append(i == 0 ? "" : "&").append(1, kKeys.at(i)).append("=");
        fragment.append(std::to_string(*value));
    }
    return fragment;
}

} // namespace parabolix::link

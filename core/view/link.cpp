#include "view/link.h"

#include "view/address.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace parabolix::link {

namespace {

// The keys of a link, each a 16-bit whole number.
constexpr std::array<address::Key, 3> kKeys{
    {{"m", -32768, 32767}, {"n", -32768, 32767}, {"p", -32768, 32767}}};

std::optional<std::int16_t> wholeNumber(std::string_view text)
{
    const std::optional<int> value = address::wholeNumber(text, kKeys[0].lowest, kKeys[0].highest);
    return value ? std::optional(static_cast<std::int16_t>(*value)) : std::nullopt;
}

} // namespace

Reading read(std::string_view fragment)
{
    const address::Reading reading = address::read(fragment, kKeys);
    if (!reading.named)
        return {};
    if (reading.broken
        || !std::all_of(reading.values.begin(), reading.values.end(),
            [](const std::optional<int>& value) { return value.has_value(); }))
        return {.riddle = std::nullopt, .broken = true};
    const auto whole
        = [&](std::size_t i) { return static_cast<std::int16_t>(*reading.values.at(i)); };
    return {.riddle = Posed{whole(0), whole(1), whole(2)}, .broken = false};
}

std::optional<std::string> fragmentOf(const RiddleFields& fields)
{
    std::string fragment;
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        const std::optional<std::int16_t> value = wholeNumber(fields.text(kInputFields.at(i)));
        if (!value)
            return std::nullopt;
        fragment.append(i == 0 ? "" : "&").append(kKeys.at(i).name).append("=");
        fragment.append(std::to_string(*value));
    }
    return fragment;
}

} // namespace parabolix::link

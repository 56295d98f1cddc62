#include "view/address.h"

#include <algorithm>
#include <cstdint>

namespace parabolix::address {

std::optional<int> wholeNumber(std::string_view text, int lowest, int highest)
{
    const bool negative = lowest < 0 && text.starts_with('-');
    text.remove_prefix(negative ? 1 : 0);
    if (text.empty()
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const std::int64_t largest = std::max<std::int64_t>(highest, -std::int64_t{lowest});
    std::int64_t value = 0;
    for (char digit : text) {
        value = value * 10 + (digit - '0');
        if (value > largest)
            return std::nullopt; // beyond the range, and so no digit more can overflow
    }
    value = negative ? -value : value;
    if (value < lowest || value > highest)
        return std::nullopt;
    return static_cast<int>(value);
}

Reading read(std::string_view fragment, std::span<const Key> keys)
{
    fragment.remove_prefix(fragment.starts_with('#') ? 1 : 0);
    Reading reading{std::vector<std::optional<int>>(keys.size())};
    while (!fragment.empty()) {
        const std::string_view part = fragment.substr(0, fragment.find('&'));
        fragment.remove_prefix(std::min(fragment.size(), part.size() + 1));
        const std::string_view name = part.substr(0, part.find('='));
        const auto key = std::find_if(
            keys.begin(), keys.end(), [name](const Key& each) { return each.name == name; });
        if (key == keys.end() || name.size() == part.size()) {
            reading.broken = true;
            continue;
        }
        reading.named = true;
        auto& value = reading.values.at(static_cast<std::size_t>(key - keys.begin()));
        reading.broken = reading.broken || value.has_value();
        value = wholeNumber(part.substr(name.size() + 1), key->lowest, key->highest);
        reading.broken = reading.broken || !value;
    }
    return reading;
}

} // namespace parabolix::address

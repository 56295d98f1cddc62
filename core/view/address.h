// What a page's address holds after its #: whole numbers named by keys,
// "m=7&n=58&p=101" or "nr=4711&zadania=10". A link's riddle and a worksheet's
// settings travel so, and no server sees them.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace parabolix::address {

// A whole number of an address or a control: an optional - where `lowest` is
// below zero, then digits, from `lowest` to `highest`.
[[nodiscard]] std::optional<int> wholeNumber(std::string_view text, int lowest, int highest);

// A key of an address, and the range of its value.
struct Key {
    std::string_view name;
    int lowest;
    int highest;
};

// The values of a fragment (with or without its #), each key's where it
// stands once with a whole number in its range; whether any of the keys
// stands in it; and whether anything else does, or a key twice or with
// another value.
struct Reading {
    std::vector<std::optional<int>> values;
    bool named = false;
    bool broken = false;
};
[[nodiscard]] Reading read(std::string_view fragment, std::span<const Key> keys);

} // namespace parabolix::address

// The errors a riddle operation can raise. Each carries the Polish text the
// window shows the user; none of them is caught inside the core.
#pragma once

#include <stdexcept>

namespace parabolix {

// Base of every error an operation raises; what() is UTF-8 Polish text.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A number left the range of its type: a Double beyond about 1.8E+308,
// or a 16-bit integer beyond -32768..32767.
class OverflowError final : public Error {
public:
    OverflowError()
        : Error("Przepełnienie: liczba jest zbyt duża.")
    {
    }
};

// A floating-point fault (an infinite or undefined result) in the draw.
class FloatingPointError final : public Error {
public:
    FloatingPointError()
        : Error("Błąd obliczeń zmiennoprzecinkowych.")
    {
    }
};

} // namespace parabolix

// The errors a riddle operation can meet, and the result that carries either
// a value or one of them out of the operation. Nothing is thrown: the page
// runs the same code in every browser engine, and an error that travels as a
// value reaches it in each of them alike.
#pragma once

#include <optional>
#include <string_view>
#include <utility>

namespace parabolix {

enum class Error {
    // A number left the range of its type: a double beyond about 1.8E+308,
    // or a 16-bit integer beyond -32768..32767.
    Overflow,
    // A floating-point fault (an infinite or undefined result) in the draw.
    FloatingPoint,
};

// The Polish text the user reads for `error`, UTF-8.
[[nodiscard]] constexpr std::string_view message(Error error)
{
    return error == Error::Overflow ? "Przepełnienie: liczba jest zbyt duża."
                                    : "Błąd obliczeń zmiennoprzecinkowych.";
}

// A value of T, or the error that stopped the operation before it had one.
template <typename T>
class [[nodiscard]] Result {
public:
    // Implicit, so that an operation returns either as it is.
    // cppcheck-suppress noExplicitConstructor
    Result(T value) // NOLINT(google-explicit-constructor)
        : m_value(std::move(value))
    {
    }
    // cppcheck-suppress noExplicitConstructor
    Result(Error error) // NOLINT(google-explicit-constructor)
        : m_error(error)
    {
    }

    [[nodiscard]] bool ok() const { return m_value.has_value(); }
    // Requires ok().
    [[nodiscard]] const T& value() const& { return *m_value; }
    [[nodiscard]] T&& value() && { return std::move(*m_value); }
    // Requires !ok().
    [[nodiscard]] Error error() const { return m_error; }

private:
    std::optional<T> m_value;
    Error m_error = Error::Overflow;
};

} // namespace parabolix

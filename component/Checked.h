#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <stdexcept>
#include <utility>

namespace vellum::component {

// A failure inside a cipher step (an overflow, a missing character); the operations report it.
class Fault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

template <typename U, typename T>
concept NarrowerSignedIntegral = std::signed_integral<U> && sizeof(U) < sizeof(T);

// A signed integer of a fixed width whose arithmetic fails instead of wrapping. The ciphertext
// format depends on where its 16- and 32-bit values stop fitting, so every step is checked.
template <std::signed_integral T> class Checked {
public:
    // Implicit, so that literals and lengths read naturally; always range-checked.
    template <std::integral U>
    constexpr Checked(U value)
        : m_value(fit(value)) {}

    // Widening from a narrower checked type is always exact.
    template <NarrowerSignedIntegral<T> U>
    constexpr Checked(Checked<U> value)
        : m_value(value.get()) {}

    constexpr T get() const { return m_value; }

    friend constexpr Checked operator+(Checked a, Checked b) {
        T sum{};
        if (__builtin_add_overflow(a.m_value, b.m_value, &sum))
            throw Fault("integer overflow in addition");
        return Checked(sum);
    }
    friend constexpr Checked operator-(Checked a, Checked b) {
        T difference{};
        if (__builtin_sub_overflow(a.m_value, b.m_value, &difference))
            throw Fault("integer overflow in subtraction");
        return Checked(difference);
    }
    friend constexpr Checked operator*(Checked a, Checked b) {
        T product{};
        if (__builtin_mul_overflow(a.m_value, b.m_value, &product))
            throw Fault("integer overflow in multiplication");
        return Checked(product);
    }
    // The remainder takes the dividend's sign (-5 % 111 is -5), as C++ already does.
    friend constexpr Checked operator%(Checked a, Checked b) {
        if (b.m_value == 0)
            throw Fault("division by zero");
        if (b.m_value == -1)
            return Checked(0); // min % -1 would be undefined behaviour
        return Checked(a.m_value % b.m_value);
    }
    friend constexpr bool operator==(Checked, Checked) = default;
    friend constexpr auto operator<=>(Checked, Checked) = default;

private:
    template <std::integral U> static constexpr T fit(U value) {
        if (!std::in_range<T>(value))
            throw Fault("value does not fit its integer width");
        return static_cast<T>(value);
    }

    T m_value;
};

using Int16 = Checked<std::int16_t>;
using Int32 = Checked<std::int32_t>;

// Narrowing a 32-bit value into 16 bits; fails when it does not fit.
constexpr Int16 ToInt16(Int32 value) {
    return Int16(value.get());
}

} // namespace vellum::component

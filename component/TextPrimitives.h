#pragma once

#include "component/Checked.h"

#include <cmath>
#include <cstddef>
#include <string>

// The string and number primitives the ciphers are written in: positions count from 1, a
// character code is 0 to 255, and asking for what is not there is a Fault, never a quiet default.
namespace vellum::component {

// The code (0 to 255) of the character at 1-based `position`.
inline Int16 CodeAt(const std::string& text, Int32 position) {
    if (position < 1 || static_cast<std::size_t>(position.get()) > text.size())
        throw Fault("no character at that position");
    return static_cast<unsigned char>(text[static_cast<std::size_t>(position.get()) - 1]);
}

// The character with code `code`; fails outside 0 to 255.
inline char CharacterOf(Int32 code) {
    if (code < 0 || code > 255)
        throw Fault("character code out of range");
    return static_cast<char>(code.get());
}

// The 1-based position of the first `character` in `table`, 0 when it is absent.
Int32 TablePosition(const std::string& table, char character);

// The last position a 16-bit search reaches.
inline constexpr std::size_t kLastSearchablePosition = 32767;

// Replaces every `from` by `to`. A `from` beyond position 32,767, where a 16-bit search position
// cannot reach, fails; those before it stay replaced.
void Substitute(std::string& text, char from, char to);

// Rounds to the nearest integer, ties to the even one; fails on NaN, infinity or overflow.
inline Int32 RoundToInt32(float value) {
    // Below 2^23, adding and taking away 2^23 leaves the nearest integer, ties to even, in the
    // default rounding mode: nearbyint's result without a library call for every filler drawn.
    constexpr float kTwoTo23 = 0x1p23F;
    if (value >= 0.0F && value < kTwoTo23)
        return static_cast<std::int32_t>((value + kTwoTo23) - kTwoTo23);
    if (!std::isfinite(value))
        throw Fault("invalid floating-point value");
    const float rounded = std::nearbyint(value); // the default rounding mode: ties to even
    if (rounded < -2147483648.0F || rounded >= 2147483648.0F)
        throw Fault("floating-point overflow");
    return static_cast<std::int32_t>(rounded);
}

} // namespace vellum::component

#pragma once

#include "component/Checked.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

// The primitives the ciphers are written in: positions from 1, codes 0 to 255, Faults not defaults.
namespace vellum::component {

// The code (0 to 255) of the character at 1-based `position`.
inline Int16 CodeAt(std::string_view text, Int32 position) {
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
inline Int32 TablePosition(const std::string& table, char character) {
    const std::size_t found = table.find(character);
    return found == std::string::npos ? Int32(0) : Int32(found + 1);
}

// The last position a 16-bit search reaches.
inline constexpr std::size_t kLastSearchablePosition = 32767;

// Replaces, in order, each character of `from` by the one at its place in `to`, as passes that
// search from the start; one beyond position 32,767, out of a 16-bit search's reach, fails its
// pass and no later pass is made. No `to` is a `from`, so one pass over the text makes them all.
inline void Substitute(std::string& text, std::string_view from, std::string_view to) {
    const std::size_t searchable = std::min(text.size(), kLastSearchablePosition);
    const std::string_view beyond = std::string_view(text).substr(searchable);
    std::size_t failing = 0; // the pass that fails, or from.size() for none
    while (failing < from.size() && beyond.find(from[failing]) == std::string_view::npos)
        ++failing;
    char* const characters = text.data();
    for (std::size_t at = 0; at < searchable; ++at)
        for (std::size_t pass = 0; pass < from.size(); ++pass)
            characters[at] =
                pass <= failing && characters[at] == from[pass] ? to[pass] : characters[at];
    if (failing < from.size())
        throw Fault("search position beyond 32,767");
}

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

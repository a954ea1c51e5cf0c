#pragma once

#include "Checked.h"

#include <cstddef>
#include <string>

// The string primitives the ciphers are written in: positions count from 1, a character code is
// 0 to 255, and asking for what is not there is a Fault rather than a quiet default.
namespace vellum::runtime {

// The code (0 to 255) of the character at 1-based position `position`.
inline Int16 codeAt(const std::string& text, Int32 position) {
    // One unsigned comparison rejects positions below 1 too: they wrap to huge offsets.
    const auto offset = static_cast<std::size_t>(position.get()) - 1;
    if (offset >= text.size())
        throw Fault("no character at that position");
    return static_cast<unsigned char>(text[offset]);
}

// The character with code `code`; fails outside 0 to 255.
inline char characterOf(Int32 code) {
    if (code < 0 || code > 255)
        throw Fault("character code out of range");
    return static_cast<char>(static_cast<unsigned char>(code.get()));
}

// The 1-based position of `character` in `table`, 0 when it is absent.
Int32 tablePosition(const std::string& table, char character);

// The last position a 16-bit search reaches.
inline constexpr std::size_t kLastSearchablePosition = 32767;

// Replaces every `from` by `to`, left to right, in one pass. A `from` found beyond position
// 32,767 fails, as a 16-bit search position would; those before it stay replaced.
void substitute(std::string& text, char from, char to);

// roundToInt32 for every value: a library rounding, with its checks.
Int32 roundAnyFloat(float value);

// Rounds to the nearest integer, ties to the even one; fails on NaN, infinity or overflow.
inline Int32 roundToInt32(float value) {
    // Below 2^23, adding and taking away 2^23 rounds ties to even exactly, without a library call;
    // every draw the ciphers scale lands here.
    constexpr float kTwoTo23 = 0x1p23f;
    if (value >= 0.0f && value < kTwoTo23)
        return static_cast<std::int32_t>((value + kTwoTo23) - kTwoTo23);
    return roundAnyFloat(value);
}

} // namespace vellum::runtime

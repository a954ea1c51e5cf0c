#pragma once

#include "component/Checked.h"
#include "component/Clock.h"
#include "component/RandomSource.h"
#include "component/Scramble.h"
#include "component/TextPrimitives.h"

#include <cstdint>
#include <string>
#include <string_view>

// The component's two ciphers over the shared layout (Scramble.h), with the 16-bit counts and
// searches their operations are specified with.
namespace vellum::component {

// The text cipher's key table: 111 distinct codes 14 to 124. Positions 2 to 82 (every possible
// length character's base) stay at or below 112, so that every length 0 to 109 decodes whole.
std::string BuildTextKeyTable();
// The binary cipher's key table: 127 distinct codes 4 to 251.
std::string BuildBinaryKeyTable();

// The first seed: the decimal digits of hour × month followed by those of the second
// (09:30:07 in November gives 997; 00:12:45 gives 45).
std::int32_t FirstSeed(int hour, int month, int second);

// Reads the clock three times (hour, then month, then second) and reseeds with FirstSeed.
void SeedFromClockDigits(RandomSource& random, Clock& clock);

// One draw r scaled to round(r × scale + offset), in single precision, ties to even.
inline Int32 DrawScaled(RandomSource& random, float scale, float offset) {
    return RoundToInt32(random.Draw() * scale + offset);
}

// A random filler: round(r × 111 + 14), a code 14 to 125.
inline char RandomFiller(RandomSource& random) {
    return CharacterOf(DrawScaled(random, 111.0F, 14.0F));
}

// The ciphertext of any plaintext, with its key position and fillers drawn from `random`. Fails
// from 32,767 characters on, which a 16-bit count cannot step past, and when a character to
// substitute lies beyond a 16-bit search's reach.
template <const CipherFormat& format>
std::string Scramble(std::string_view plainText, const std::string& table, RandomSource& random,
                     Clock& clock);

// The plaintext of a ciphertext. Undoes the substitutions in `cipherText` itself first; they
// stay undone even when a later step fails.
template <const CipherFormat& format>
std::string Unscramble(std::string& cipherText, const std::string& table);

} // namespace vellum::component

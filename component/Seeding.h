#pragma once

#include "Checked.h"
#include "Clock.h"
#include "RandomSource.h"
#include "TextPrimitives.h"

// How both ciphers seed the shared random source and scale its draws.
namespace vellum::runtime {

// The first seed: the decimal digits of hour x month followed by those of the second
// (09:30:07 in November gives 997; 00:12:45 gives 45).
std::int32_t firstSeed(int hour, int month, int second);

// Reads the clock three times (hour, then month, then second) and reseeds with firstSeed.
void seedFromClockDigits(RandomSource& random, Clock& clock);

// A draw r scaled to round(r x scale + offset), in single precision, ties to even.
inline Int32 scaled(float draw, float scale, float offset) {
    return roundToInt32(draw * scale + offset);
}

// One draw, scaled.
Int32 drawScaled(RandomSource& random, float scale, float offset);

} // namespace vellum::runtime

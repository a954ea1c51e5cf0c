#pragma once

#include "Checked.h"
#include "Clock.h"
#include "RandomSource.h"
#include "TextPrimitives.h"

#include <typeinfo>

// How both ciphers seed the shared random source and scale its draws.
namespace vellum::runtime {

// The first seed: the decimal digits of hour x month followed by those of the second
// (09:30:07 in November gives 997; 00:12:45 gives 45).
std::int32_t firstSeed(int hour, int month, int second);

// Reads the clock three times (hour, then month, then second) and reseeds with firstSeed.
template <typename Random, typename ClockType>
void seedFromClockDigits(Random& random, ClockType& clock) {
    const int hour = clock.Now().hour;
    const int month = clock.Now().month;
    const int second = clock.Now().second;
    random.Reseed(firstSeed(hour, month, second));
}

// One draw r scaled to round(r x scale + offset), in single precision, ties to even.
template <typename Random> Int32 drawScaled(Random& random, float scale, float offset) {
    return roundToInt32(random.Draw() * scale + offset);
}

// Calls `use` with `random` and `clock`: as the process's own MixingRandom and SystemClock when
// they are those, so that every call of theirs on a cipher's path can be inlined, and as they
// are otherwise (tests put theirs in their place).
template <typename Use> void withOwnTypes(RandomSource& random, Clock& clock, Use use) {
    if (typeid(random) == typeid(MixingRandom) && typeid(clock) == typeid(SystemClock))
        use(static_cast<MixingRandom&>(random), static_cast<SystemClock&>(clock));
    else
        use(random, clock);
}

} // namespace vellum::runtime

#include "Seeding.h"

#include "TextPrimitives.h"

namespace vellum::runtime {

std::int32_t firstSeed(int hour, int month, int second) {
    const Int16 product = Int16(hour) * Int16(month);
    const std::int32_t shift = second < 10 ? 10 : 100;
    return (Int32(product) * shift + second).get();
}

void seedFromClockDigits(RandomSource& random, Clock& clock) {
    const int hour = clock.Now().hour;
    const int month = clock.Now().month;
    const int second = clock.Now().second;
    random.Reseed(firstSeed(hour, month, second));
}

Int32 drawScaled(RandomSource& random, float scale, float offset) {
    return scaled(random.Draw(), scale, offset);
}

} // namespace vellum::runtime

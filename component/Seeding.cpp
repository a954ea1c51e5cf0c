#include "Seeding.h"

#include "TextPrimitives.h"

namespace vellum::runtime {

std::int32_t firstSeed(int hour, int month, int second) {
    const Int16 product = Int16(hour) * Int16(month);
    const std::int32_t shift = second < 10 ? 10 : 100;
    return (Int32(product) * shift + second).get();
}

} // namespace vellum::runtime

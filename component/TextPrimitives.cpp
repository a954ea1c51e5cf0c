#include "TextPrimitives.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vellum::runtime {

Int32 tablePosition(const std::string& table, char character) {
    const auto found = table.find(character);
    return found == std::string::npos ? Int32(0) : Int32(found + 1);
}

// Replacing one occurrence at a time and searching again from the start, as a 16-bit search
// would, ends the same way: everything up to position 32,767 replaced, then a failure if one is
// left beyond. This does it in one branch-free pass and one search.
void substitute(std::string& text, char from, char to) {
    const std::size_t searchable = std::min(text.size(), kLastSearchablePosition);
    char* const begin = text.data();
    for (char* at = begin; at != begin + searchable; ++at)
        *at = *at == from ? to : *at;
    if (std::memchr(begin + searchable, from, text.size() - searchable) != nullptr)
        throw Fault("search position beyond 32,767");
}

Int32 roundAnyFloat(float value) {
    if (!std::isfinite(value))
        throw Fault("invalid floating-point value");
    const float rounded = std::nearbyint(value); // the default mode rounds ties to even
    if (rounded < -2147483648.0f || rounded >= 2147483648.0f)
        throw Fault("floating-point overflow");
    return static_cast<std::int32_t>(rounded);
}

} // namespace vellum::runtime

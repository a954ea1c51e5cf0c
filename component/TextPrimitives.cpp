#include "component/TextPrimitives.h"

#include <algorithm>

namespace vellum::component {

Int32 TablePosition(const std::string& table, char character) {
    const std::size_t found = table.find(character);
    return found == std::string::npos ? Int32(0) : Int32(found + 1);
}

// Replacing the first occurrence and searching again from the start ends the same as one pass:
// everything up to position 32,767 replaced, then a failure if one is left beyond.
void Substitute(std::string& text, char from, char to) {
    const auto searchable =
        text.begin() + static_cast<std::ptrdiff_t>(std::min(text.size(), kLastSearchablePosition));
    for (auto at = text.begin(); at != searchable; ++at)
        *at = *at == from ? to : *at;
    if (std::find(searchable, text.end(), from) != text.end())
        throw Fault("search position beyond 32,767");
}

} // namespace vellum::component

#include "CipherEngine.h"

namespace vellum::engine::detail {

void appendFillers(std::string& output, Int16 count, char filler, runtime::RandomSource& random) {
    for (Int16 appended = 1; appended <= count; appended = appended + 1)
        output += filler != 0 ? filler : characterOf(runtime::drawScaled(random, 111.0f, 14.0f));
}

void requireLength(const std::string& table, int length) {
    if (table.size() != static_cast<std::size_t>(length))
        throw runtime::Fault("key table of the wrong length");
}

} // namespace vellum::engine::detail

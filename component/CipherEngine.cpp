#include "CipherEngine.h"

namespace vellum::engine::detail {

void writeFillers(char* out, Int16 count, char filler, const std::array<char, 256>& written,
                  runtime::RandomSource& random) {
    for (Int16 appended = 1; appended <= count; appended = appended + 1) {
        const char drawn =
            filler != 0 ? filler : characterOf(runtime::drawScaled(random, 111.0f, 14.0f));
        *out++ = written[static_cast<unsigned char>(drawn)];
    }
}

void requireLength(const std::string& table, int length) {
    if (table.size() != static_cast<std::size_t>(length))
        throw runtime::Fault("key table of the wrong length");
}

} // namespace vellum::engine::detail

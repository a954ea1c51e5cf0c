#include "CipherEngine.h"

namespace vellum::engine::detail {

void writeFillers(char* out, Int16 count, char filler, const std::array<char, 256>& written,
                  runtime::RandomSource& random) {
    const auto total = static_cast<std::size_t>(std::max<int>(0, count.get()));
    if (filler != 0) {
        std::fill_n(out, total, written[static_cast<unsigned char>(filler)]);
        return;
    }
    // Drawn a chunk at a time: one call of the source for a ciphertext's fillers.
    std::array<float, 32> draws;
    for (std::size_t done = 0; done < total; done += draws.size()) {
        const std::size_t chunk = std::min(draws.size(), total - done);
        random.DrawMany({draws.data(), chunk});
        for (std::size_t at = 0; at < chunk; ++at)
            out[done + at] = written[static_cast<unsigned char>(
                characterOf(runtime::scaled(draws[at], 111.0f, 14.0f)))];
    }
}

void requireLength(const std::string& table, int length) {
    if (table.size() != static_cast<std::size_t>(length))
        throw runtime::Fault("key table of the wrong length");
}

} // namespace vellum::engine::detail

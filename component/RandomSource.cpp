#include "component/RandomSource.h"

#include <chrono>
#include <cstring>

namespace vellum::component {

void MixingRandom::Reseed(double seed) {
    // The seed's bits, copied: the page's C++ library on Debian 12 has no std::bit_cast.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    m_state = Mix(m_state ^ bits);
}

float MixingRandom::Draw() {
    m_state += 0x9E3779B97F4A7C15U; // splitmix64's step, the golden ratio in 64 bits
    return static_cast<float>(Mix(m_state) >> 40) * 0x1p-24F;
}

// Each thread has its own, so that no call needs a lock; started from the steady clock, so that
// separate runs do not share one sequence.
template <> RandomSource*& CurrentInstance<RandomSource>() {
    thread_local MixingRandom processSource(MixingRandom::Mix(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())));
    thread_local RandomSource* current = &processSource;
    return current;
}

RandomSource& ProcessRandom() {
    return *CurrentInstance<RandomSource>();
}

} // namespace vellum::component

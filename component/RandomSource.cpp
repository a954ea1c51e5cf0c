#include "RandomSource.h"

#include <bit>
#include <chrono>

namespace vellum::runtime {

namespace {

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

RandomSource*& currentSource() {
    // Started from the steady clock so that separate runs do not share one sequence.
    thread_local MixingRandom processSource(mix(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())));
    thread_local RandomSource* current = &processSource;
    return current;
}

} // namespace

// One mix is enough: every draw mixes the state again on its way out.
void MixingRandom::Reseed(double seed) {
    m_state = mix(m_state ^ std::bit_cast<std::uint64_t>(seed));
}

inline float MixingRandom::next() {
    constexpr float kOneIn2To24 = 0x1p-24f;
    m_state += 0x9E3779B97F4A7C15u;
    // The 24 bits go through a signed 32-bit integer, which converts in one instruction.
    return static_cast<float>(static_cast<std::int32_t>(mix(m_state) >> 40)) * kOneIn2To24;
}

float MixingRandom::Draw() {
    return next();
}

void MixingRandom::DrawMany(std::span<float> draws) {
    for (float& draw : draws)
        draw = next();
}

RandomSource& processRandom() {
    return *currentSource();
}

RandomOverride::RandomOverride(RandomSource& source)
    : m_previous(currentSource()) {
    currentSource() = &source;
}

RandomOverride::~RandomOverride() {
    currentSource() = m_previous;
}

} // namespace vellum::runtime

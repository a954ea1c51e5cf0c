#pragma once

#include "component/ScopedOverride.h"

#include <cstdint>

namespace vellum::component {

// The pseudo-random source both ciphers draw their key positions and fillers from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Mixes the seed number into the current state; the sequence does not restart.
    virtual void Reseed(double seed) = 0;
    // A single-precision value r with 0 <= r < 1.
    virtual float Draw() = 0;
};

// A small splitmix64 generator. Draws are k / 2^24 for a 24-bit k, so every value is exact in
// single precision and 1.0 can never come out.
class MixingRandom final : public RandomSource {
public:
    explicit MixingRandom(std::uint64_t state)
        : m_state(state) {}

    void Reseed(double seed) override;
    float Draw() override;

    static std::uint64_t Mix(std::uint64_t value) {
        value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9U;
        value = (value ^ (value >> 27)) * 0x94D049BB133111EBU;
        return value ^ (value >> 31);
    }

private:
    std::uint64_t m_state;
};

// The source the ciphers draw from: the process's MixingRandom, or a test's (ScopedOverride).
RandomSource& ProcessRandom();
template <> RandomSource*& CurrentInstance<RandomSource>();

} // namespace vellum::component

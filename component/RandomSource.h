#pragma once

#include <bit>
#include <cstdint>

namespace vellum::runtime {

// The process-wide pseudo-random source both ciphers draw their key positions and fillers from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Mixes the seed number into the current state; the sequence does not restart.
    virtual void Reseed(double seed) = 0;
    // A single-precision value r with 0 <= r < 1.
    virtual float Draw() = 0;
};

// A small splitmix64 generator. Draws are k / 2^24 for a 24-bit k, so every value is exact in
// single precision and 1.0 can never come out. Defined here, so that the ciphers can inline its
// calls where they know they have it (see withOwnTypes).
class MixingRandom final : public RandomSource {
public:
    explicit MixingRandom(std::uint64_t state = 0x9E3779B97F4A7C15u)
        : m_state(state) {}

    // One mix is enough: every draw mixes the state again on its way out.
    void Reseed(double seed) override {
        m_state = mix(m_state ^ std::bit_cast<std::uint64_t>(seed));
    }
    float Draw() override {
        constexpr float kOneIn2To24 = 0x1p-24f;
        m_state += 0x9E3779B97F4A7C15u;
        // The 24 bits go through a signed 32-bit integer, which converts in one instruction.
        return static_cast<float>(static_cast<std::int32_t>(mix(m_state) >> 40)) * kOneIn2To24;
    }

    static std::uint64_t mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t m_state;
};

RandomSource& processRandom();

// Test seam: routes processRandom() to another source for as long as it lives.
class RandomOverride {
public:
    explicit RandomOverride(RandomSource& source);
    ~RandomOverride();
    RandomOverride(const RandomOverride&) = delete;
    RandomOverride& operator=(const RandomOverride&) = delete;

private:
    RandomSource* m_previous;
};

} // namespace vellum::runtime

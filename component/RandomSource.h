#pragma once

#include <cstdint>
#include <span>

namespace vellum::runtime {

// The process-wide pseudo-random source both ciphers draw their key positions and fillers from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Mixes the seed number into the current state; the sequence does not restart.
    virtual void Reseed(double seed) = 0;
    // A single-precision value r with 0 <= r < 1.
    virtual float Draw() = 0;
    // As many draws in turn as `draws` holds, the same as that many calls of Draw: one call for
    // all the fillers of a ciphertext.
    virtual void DrawMany(std::span<float> draws) {
        for (float& draw : draws)
            draw = Draw();
    }
};

// A small splitmix64 generator. Draws are k / 2^24 for a 24-bit k, so every value is exact in
// single precision and 1.0 can never come out.
class MixingRandom final : public RandomSource {
public:
    explicit MixingRandom(std::uint64_t state = 0x9E3779B97F4A7C15u)
        : m_state(state) {}
    void Reseed(double seed) override;
    float Draw() override;
    void DrawMany(std::span<float> draws) override;

private:
    float next();

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

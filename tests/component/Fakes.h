#pragma once

#include "component/Clock.h"
#include "component/RandomSource.h"

#include <deque>
#include <vector>

namespace vellum::testing {

// Hands out queued draws, then `fallback` for ever; records every seed it is given.
class ScriptedRandom final : public component::RandomSource {
public:
    explicit ScriptedRandom(std::deque<float> draws = {}, float fallback = 0.5f)
        : m_draws(std::move(draws))
        , m_fallback(fallback) {}

    void Reseed(double seed) override { seeds.push_back(seed); }
    float Draw() override {
        ++drawCount;
        if (m_draws.empty())
            return m_fallback;
        const float draw = m_draws.front();
        m_draws.pop_front();
        return draw;
    }

    std::vector<double> seeds;
    int drawCount = 0;

private:
    std::deque<float> m_draws;
    float m_fallback;
};

// Returns its readings in turn, then the last one for ever.
class ScriptedClock final : public component::Clock {
public:
    explicit ScriptedClock(std::vector<component::DateTime> readings)
        : m_readings(std::move(readings)) {}

    component::DateTime Now() override {
        const auto& reading = m_readings[m_next];
        if (m_next + 1 < m_readings.size())
            ++m_next;
        return reading;
    }

private:
    std::vector<component::DateTime> m_readings;
    std::size_t m_next = 0;
};

// The draw that makes round(r x span + 1) come out as `position` (1 to span + 1).
inline float drawForKeyPosition(int position, int span) {
    if (position == span + 1)
        return (static_cast<float>(span) - 0.25f) / static_cast<float>(span);
    return static_cast<float>(position - 1) / static_cast<float>(span);
}

// The draw that makes a text-cipher filler come out as `code` (14 to 125).
inline float drawForFiller(int code) {
    return code == 125 ? 110.75f / 111.0f : static_cast<float>(code - 14) / 111.0f;
}

} // namespace vellum::testing

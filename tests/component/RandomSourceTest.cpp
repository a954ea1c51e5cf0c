#include "component/RandomSource.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

using vellum::component::MixingRandom;

TEST(MixingRandom, DrawsAreMultiplesOfTwoToTheMinus24BelowOne) {
    MixingRandom random(42);
    for (int draw = 0; draw < 200000; ++draw) {
        const float r = random.Draw();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        const float scaled = r * 16777216.0f;
        ASSERT_EQ(scaled, std::floor(scaled));
    }
}

TEST(MixingRandom, ReseedingWithTheSameNumberDoesNotRestartTheSequence) {
    MixingRandom random(7);
    std::set<float> firstDraws;
    for (int call = 0; call < 20; ++call) {
        random.Reseed(997);
        firstDraws.insert(random.Draw());
    }
    EXPECT_EQ(firstDraws.size(), 20u);
}

TEST(MixingRandom, TheSeedChangesTheSequence) {
    MixingRandom a(1), b(1);
    a.Reseed(997);
    b.Reseed(998);
    EXPECT_NE(a.Draw(), b.Draw());
}

TEST(MixingRandom, DrawsSpreadEvenlyOverTheUnitInterval) {
    MixingRandom random(3);
    int buckets[10] = {};
    constexpr int kDraws = 100000;
    for (int draw = 0; draw < kDraws; ++draw)
        ++buckets[static_cast<int>(random.Draw() * 10.0f)];
    for (int count : buckets)
        EXPECT_NEAR(count, kDraws / 10, kDraws / 100);
}

} // namespace

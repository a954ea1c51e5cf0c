#include "component/Cipher.h"
#include "tests/component/Fakes.h"

#include <gtest/gtest.h>

namespace {

using namespace vellum::component;
using vellum::testing::ScriptedClock;
using vellum::testing::ScriptedRandom;

TEST(Seeding, FirstSeedJoinsTheDigitsOfHourTimesMonthAndTheSecond) {
    struct Case {
        int hour, month, second, seed;
    };
    const Case cases[] = {
        {9, 11, 7, 997},     {0, 5, 45, 45}, {14, 3, 9, 429},
        {23, 12, 59, 27659}, {1, 1, 0, 10},  {0, 1, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstSeed(c.hour, c.month, c.second), c.seed) << c.hour << ":" << c.second;
}

TEST(Seeding, ReadsHourThenMonthThenSecondFromThreeReadings) {
    DateTime first, second, third;
    first.hour = 9;
    second.month = 11;
    third.second = 7;
    ScriptedClock clock({first, second, third});
    ScriptedRandom random;
    SeedFromClockDigits(random, clock);
    ASSERT_EQ(random.seeds.size(), 1u);
    EXPECT_EQ(random.seeds[0], 997.0);
}

TEST(Seeding, SerialCountsDaysFromTheEndOf1899) {
    EXPECT_EQ((DateTime{1899, 12, 30, 0, 0, 0}.Serial()), 0.0);
    EXPECT_EQ((DateTime{1900, 1, 1, 12, 0, 0}.Serial()), 2.5);
    EXPECT_EQ((DateTime{2026, 12, 8, 6, 0, 0}.Serial()), 46364.25);
}

// The system clock keeps its reading's serial number beside it; unless a second turns over
// between the readings, both must agree.
TEST(Seeding, TheSystemClocksSerialIsThatOfItsReading) {
    SystemClock clock;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const double before = clock.Now().Serial();
        const double serial = clock.NowSerial();
        if (clock.Now().Serial() == before) {
            EXPECT_EQ(serial, before);
            return;
        }
    }
    ADD_FAILURE() << "the second turned over three times in a row";
}

TEST(Seeding, DrawsAreScaledInSinglePrecisionWithTiesToEven) {
    ScriptedRandom random({0.0f, 0.5f, 0.99999994f, 0.015625f});
    EXPECT_EQ(DrawScaled(random, 80.0f, 1.0f).get(), 1);
    EXPECT_EQ(DrawScaled(random, 80.0f, 1.0f).get(), 41);
    EXPECT_EQ(DrawScaled(random, 80.0f, 1.0f).get(), 81);
    EXPECT_EQ(DrawScaled(random, 96.0f, 1.0f).get(), 2); // 2.5 rounds to 2
}

TEST(Seeding, AFaultyDrawIsAFault) {
    ScriptedRandom random({1e38f});
    EXPECT_THROW(DrawScaled(random, 80.0f, 1.0f), Fault);
}

} // namespace

#include "component/ComponentSecurity.h"
#include "tests/vectors/KnownAnswers.h"

#include <gtest/gtest.h>

namespace vellum::testing {
namespace {

using component::Clock;
using component::ComponentSecurity;
using component::RandomSource;
using component::ScopedOverride;

// The stored ciphertexts come again byte for byte from the same draws and clock readings, and
// every one of them reads back: the format may never change.
TEST(KnownAnswer, CiphertextsOfTheEarlierBuildAreWrittenAndReadAlike) {
    SequenceRandom random;
    FixedClock clock;
    const ScopedOverride<RandomSource> fixedRandom(random);
    const ScopedOverride<Clock> fixedClock(clock);
    ComponentSecurity component;
    for (const TextVector& vector : kTextVectors) {
        EXPECT_EQ(component.Encrypt(std::string(vector.plainText)), vector.cipherText);
        std::string cipherText(vector.cipherText);
        EXPECT_EQ(component.Decrypt(cipherText), vector.plainText);
    }
    for (const BinaryVector& vector : kBinaryVectors) {
        EXPECT_EQ(component.EncryptBinary(std::string(vector.plainText)), vector.cipherText);
        std::string cipherText(vector.cipherText);
        EXPECT_EQ(component.DecryptBinary(cipherText), vector.plainText);
    }
}

} // namespace
} // namespace vellum::testing

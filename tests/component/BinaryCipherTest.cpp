#include "component/Checked.h"
#include "component/Cipher.h"
#include "component/ComponentSecurity.h"
#include "tests/component/Fakes.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

namespace {

using vellum::component::Fault;
using vellum::testing::drawForKeyPosition;
using vellum::testing::ScriptedClock;
using vellum::testing::ScriptedRandom;

const std::string kTable = vellum::component::BuildBinaryKeyTable();

// A plaintext of `length` characters running through every code 0 to 253.
std::string carriedBytes(int length, int salt) {
    std::string bytes;
    for (int i = 0; i < length; ++i)
        bytes += static_cast<char>((i * 89 + salt) % 254);
    return bytes;
}

std::string scrambleWithKey(const std::string& plainText, int key) {
    ScriptedRandom random({drawForKeyPosition(key, 96)});
    ScriptedClock clock({{2026, 3, 8, 14, 5, 9}});
    return vellum::component::Scramble<vellum::component::kBinaryCipher>(plainText, kTable, random,
                                                                         clock);
}

std::string unscrambled(std::string cipherText) {
    return vellum::component::Unscramble<vellum::component::kBinaryCipher>(cipherText, kTable);
}

TEST(BinaryCipher, EveryCarriedPlainTextComesBackForEveryKeyPositionAndLength) {
    for (int key = 1; key <= 97; ++key) {
        const auto padCount = static_cast<std::size_t>(key % 8);
        for (int length = 0; length <= 252; ++length) {
            const std::string plainText = carriedBytes(length, key);
            const std::string cipherText = scrambleWithKey(plainText, key);
            const auto n = static_cast<std::size_t>(length);
            ASSERT_EQ(cipherText.size(), std::max<std::size_t>(30, 2 + padCount + n));
            ASSERT_EQ(cipherText.find('|'), std::string::npos);
            ASSERT_EQ(cipherText.substr(2, padCount), std::string(padCount, 'P'));
            if (2 + padCount + n < 30) {
                ASSERT_EQ(cipherText.substr(2 + padCount + n), std::string(28 - padCount - n, 'S'));
            }
            ASSERT_EQ(unscrambled(cipherText), plainText) << "key " << key << ", length " << length;
        }
    }
}

TEST(BinaryCipher, KeyCharacter124IsWrittenAs255) {
    const auto position = kTable.find('|');
    ASSERT_NE(position, std::string::npos);
    ASSERT_LT(position, 97u) << "the table should let the key character be 124";
    const std::string cipherText = scrambleWithKey("abc", static_cast<int>(position) + 1);
    EXPECT_EQ(cipherText.front(), '\xff');
    EXPECT_EQ(unscrambled(cipherText), "abc");
}

TEST(BinaryCipher, EveryCode124InTheCipherCharactersBecomes255) {
    const std::string plainText = carriedBytes(254, 0).substr(0, 252);
    int written = 0;
    for (int key = 1; key <= 97; ++key) {
        const std::string cipherText = scrambleWithKey(plainText, key);
        written += static_cast<int>(std::count(cipherText.begin(), cipherText.end(), '\xff'));
    }
    EXPECT_GT(written, 0);
}

TEST(BinaryCipher, CodesAndLengthsBeyondTheCarriedRangeWrap) {
    const std::string sent("\xfe\xff|\x00a", 5);
    const std::string received("\x00\x01|\x00a", 5);
    EXPECT_EQ(unscrambled(scrambleWithKey(sent, 30)), received);
    const std::pair<int, std::size_t> lengths[] = {{253, 0}, {254, 0}, {255, 1}, {300, 46}};
    for (const auto& [length, returned] : lengths) {
        const std::string plainText = carriedBytes(length, 3);
        EXPECT_EQ(unscrambled(scrambleWithKey(plainText, 50)), plainText.substr(0, returned))
            << length;
    }
}

TEST(BinaryCipher, PlainTextOf32767CharactersFails) {
    EXPECT_THROW(scrambleWithKey(std::string(32767, 'A'), 8), Fault);
}

// With key 8 (no pad fillers) the last cipher character of a 32,766-character plaintext stands
// at position 32,768: exactly the one last character that lands on 124 there must fail.
TEST(BinaryCipher, PlainTextOf32766CharactersFailsOnlyWhenItsLastCharacterNeedsSubstitution) {
    std::string plainText(32766, 'A');
    int failures = 0;
    for (int code = 0; code <= 253; ++code) {
        plainText.back() = static_cast<char>(code);
        try {
            EXPECT_EQ(scrambleWithKey(plainText, 8).size(), 32768u);
        } catch (const Fault&) {
            ++failures;
        }
    }
    EXPECT_EQ(failures, 1);
}

TEST(BinaryCipher, DecryptionFailures) {
    const std::string valid = scrambleWithKey(carriedBytes(20, 3), 16);
    const std::pair<const char*, std::string> cases[] = {
        {"empty text", ""},
        {"one character", valid.substr(0, 1)},
        {"first character is the table's last", kTable.substr(126, 1) + valid.substr(1)},
        {"cut inside the cipher characters", valid.substr(0, 12)},
    };
    for (const auto& [name, cipherText] : cases)
        EXPECT_THROW(unscrambled(cipherText), Fault) << name;
}

TEST(BinaryCipher, DecryptionRewritesTheCallersTextAlsoWhenItFails) {
    std::string text(40000, 'x');
    text[0] = '\xff';
    text[32767] = '\xff';
    EXPECT_THROW(vellum::component::Unscramble<vellum::component::kBinaryCipher>(text, kTable),
                 Fault);
    EXPECT_EQ(text[0], '|');
    EXPECT_EQ(text[32767], '\xff');
}

TEST(BinaryCipher, LateOrUnknownKeyCharactersDecodeWithoutFailure) {
    const std::string filler(300, 'Q');
    std::vector<std::string> firstCharacters = {std::string(1, '\0'), "\x01", "\xfd"};
    for (std::size_t position = 98; position <= 126; ++position)
        firstCharacters.push_back(kTable.substr(position - 1, 1));
    for (const auto& first : firstCharacters) {
        EXPECT_NO_THROW(unscrambled(first + filler)) << int(static_cast<unsigned char>(first[0]));
    }
}

TEST(BinaryCipher, TrailingFillersCarryNothing) {
    const std::string plainText = carriedBytes(10, 1);
    std::string cipherText = scrambleWithKey(plainText, 9); // one "P"
    std::fill(cipherText.begin() + 13, cipherText.end(), 'Z');
    EXPECT_EQ(unscrambled(cipherText), plainText);
    EXPECT_EQ(unscrambled(cipherText.substr(0, 13)), plainText);
}

TEST(BinaryCipher, TheComponentNeverRaises) {
    vellum::component::ComponentSecurity component;
    const std::array<std::string, 4> rejectedCipherTexts = {
        "", "A", kTable.substr(126, 1) + std::string(40, 'a'), kTable.substr(0, 1) + "\x60"};
    for (std::string cipherText : rejectedCipherTexts)
        EXPECT_EQ(component.DecryptBinary(cipherText), std::nullopt);

    const std::array<std::string, 4> refusedPlainTexts = {
        std::string(253, 'a'), std::string(32767, 'a'), "ab\xfe", "\xff"};
    for (const auto& plainText : refusedPlainTexts)
        EXPECT_EQ(component.EncryptBinary(plainText), std::nullopt) << plainText.size();
}

TEST(BinaryCipher, TheComponentTellsAnEmptyPlainTextFromAFailure) {
    vellum::component::ComponentSecurity component;
    auto cipherText = component.EncryptBinary("");
    ASSERT_TRUE(cipherText.has_value());
    EXPECT_EQ(cipherText->size(), 30u);
    EXPECT_EQ(component.DecryptBinary(*cipherText), std::optional<std::string>(""));

    const std::string everyCarriedCode = carriedBytes(252, 0);
    auto full = component.EncryptBinary(everyCarriedCode);
    ASSERT_TRUE(full.has_value());
    std::string received = *full;
    EXPECT_EQ(component.DecryptBinary(received), everyCarriedCode);
    EXPECT_EQ(received.find('\xff'), std::string::npos)
        << "255 rewritten as 124 in the caller's text";
}

TEST(BinaryCipher, KeyPositionsCoverOneTo97WithTheEndsHalfAsOften) {
    vellum::component::ComponentSecurity component;
    std::array<int, 98> counts{};
    constexpr int kEncryptions = 96 * 2000;
    for (int call = 0; call < kEncryptions; ++call) {
        char key = component.EncryptBinary("")->front();
        key = key == '\xff' ? '|' : key;
        const auto position = kTable.find(key);
        ASSERT_LT(position, 97u);
        ++counts[position + 1];
    }
    constexpr double kMiddle = kEncryptions / 96.0;
    for (std::size_t position = 2; position <= 96; ++position)
        EXPECT_NEAR(counts[position], kMiddle, kMiddle * 0.15) << position;
    EXPECT_NEAR(counts[1], kMiddle / 2, kMiddle * 0.1);
    EXPECT_NEAR(counts[97], kMiddle / 2, kMiddle * 0.1);
}

} // namespace

#include "component/Checked.h"
#include "component/Cipher.h"
#include "tests/component/Fakes.h"

#include <gtest/gtest.h>

namespace {

using vellum::component::DateTime;
using vellum::component::Fault;
using vellum::testing::drawForFiller;
using vellum::testing::drawForKeyPosition;
using vellum::testing::ScriptedClock;
using vellum::testing::ScriptedRandom;

const std::string kTable = vellum::component::BuildTextKeyTable();
const DateTime kReading{2026, 11, 8, 9, 30, 7};

int codeOf(char character) {
    return static_cast<unsigned char>(character);
}

// A plaintext of `length` characters running through every code 14 to 124.
std::string carriedText(int length, int salt) {
    std::string text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char>(14 + (i * 37 + salt) % 111);
    return text;
}

std::string scrambleWithKey(const std::string& plainText, int key, std::deque<float> fillers = {}) {
    fillers.push_front(drawForKeyPosition(key, 80));
    ScriptedRandom random(std::move(fillers));
    ScriptedClock clock({kReading});
    std::string cipherText;
    cipherText = vellum::component::Scramble<vellum::component::kTextCipher>(plainText, kTable,
                                                                             random, clock);
    return cipherText;
}

// Decryption rewrites the ciphertext it is given.
std::string unscrambledInPlace(std::string& cipherText) {
    std::string plainText;
    plainText = vellum::component::Unscramble<vellum::component::kTextCipher>(cipherText, kTable);
    return plainText;
}

std::string unscrambled(std::string cipherText) {
    return unscrambledInPlace(cipherText);
}

// The cipher character for plaintext position i (from 1), written out as the format defines it:
// (table code at ((i + key + prefix) × key) mod 111, plus the plain code) mod 111, plus 14.
char encodedByDefinition(const std::string& plainText, std::size_t i, int key) {
    const auto term = static_cast<std::size_t>(static_cast<int>(i) + key + 2 + key % 8);
    const int shift = codeOf(kTable[term * static_cast<std::size_t>(key) % 111]);
    const char code = static_cast<char>((shift + codeOf(plainText[i - 1])) % 111 + 14);
    return code == '|' ? '\x7f' : code == ';' ? '~' : code;
}

TEST(TextCipher, EveryCarriedPlainTextComesBackForEveryKeyPositionAndLength) {
    for (int key = 1; key <= 81; ++key) {
        const std::size_t padCount = static_cast<std::size_t>(key % 8);
        for (int length = 0; length <= 109; ++length) {
            const std::string plainText = carriedText(length, key);
            const std::string cipherText = scrambleWithKey(plainText, key);
            const auto n = static_cast<std::size_t>(length);
            ASSERT_EQ(cipherText.size(), std::max<std::size_t>(30, 2 + padCount + n))
                << key << "/" << length;
            for (std::size_t i = 1; i <= n; ++i)
                ASSERT_EQ(cipherText[2 + padCount + i - 1], encodedByDefinition(plainText, i, key))
                    << "key " << key << ", position " << i;
            for (char character : cipherText) {
                ASSERT_GE(codeOf(character), 14);
                ASSERT_LE(codeOf(character), 127);
                ASSERT_NE(character, '|');
                ASSERT_NE(character, ';');
            }
            ASSERT_EQ(unscrambled(cipherText), plainText) << "key " << key << ", length " << length;
        }
    }
}

TEST(TextCipher, FirstCharacterIsTheKeyCharacterAfterSubstitution) {
    for (int key = 1; key <= 81; ++key) {
        char expected = kTable[static_cast<std::size_t>(key - 1)];
        if (expected == '|')
            expected = '\x7f';
        if (expected == ';')
            expected = '~';
        EXPECT_EQ(scrambleWithKey("", key).front(), expected) << key;
    }
}

TEST(TextCipher, PadFillersComeFromTheFirstSeedingAndTrailingOnesFromTheSecond) {
    const int key = 13; // five pad fillers
    ScriptedRandom random({drawForKeyPosition(key, 80), drawForFiller(20), drawForFiller(20),
                           drawForFiller(20), drawForFiller(20), drawForFiller(20)},
                          drawForFiller(70));
    ScriptedClock clock({kReading});
    std::string cipherText;
    cipherText =
        vellum::component::Scramble<vellum::component::kTextCipher>("", kTable, random, clock);

    EXPECT_EQ(cipherText.substr(2, 5), std::string(5, static_cast<char>(20)));
    EXPECT_EQ(cipherText.substr(7), std::string(23, static_cast<char>(70)));
    EXPECT_EQ(random.drawCount, 1 + 5 + 23);
    ASSERT_EQ(random.seeds.size(), 2u);
    EXPECT_EQ(random.seeds[0], vellum::component::FirstSeed(9, 11, 7));
    EXPECT_EQ(random.seeds[1], kReading.Serial());
    EXPECT_EQ(unscrambled(cipherText), "");
}

TEST(TextCipher, FillersWithCodes124And59AreSubstitutedAndCode125Stays) {
    const int key = 3; // three pad fillers
    const std::string cipherText =
        scrambleWithKey("abc", key, {drawForFiller(124), drawForFiller(59), drawForFiller(125)});
    EXPECT_EQ(codeOf(cipherText[2]), 127);
    EXPECT_EQ(codeOf(cipherText[3]), 126);
    EXPECT_EQ(codeOf(cipherText[4]), 125);
    EXPECT_EQ(unscrambled(cipherText), "abc");
}

TEST(TextCipher, LengthOfTheCipherTextAroundThirtyCharacters) {
    for (int key : {8, 13, 71}) {
        const int padCount = key % 8;
        EXPECT_EQ(scrambleWithKey(carriedText(28 - padCount, 1), key).size(), 30u) << key;
        EXPECT_EQ(scrambleWithKey(carriedText(29 - padCount, 1), key).size(), 31u) << key;
    }
}

TEST(TextCipher, CodesOutsideTheCarriedRangeComeBackModulo111) {
    const std::pair<int, int> cases[] = {{9, 120},  {10, 121}, {13, 124}, {125, 14},
                                         {200, 89}, {255, 33}, {0, 111},  {236, 14}};
    for (const auto& [sent, received] : cases) {
        const std::string back =
            unscrambled(scrambleWithKey(std::string(1, static_cast<char>(sent)), 40));
        ASSERT_EQ(back.size(), 1u);
        EXPECT_EQ(codeOf(back[0]), received) << sent;
    }
}

TEST(TextCipher, LengthsBeyond109TravelModulo111) {
    const std::pair<int, std::size_t> cases[] = {{110, 0}, {111, 0}, {150, 39}, {221, 0}, {222, 0}};
    for (const auto& [length, returned] : cases) {
        const std::string plainText = carriedText(length, 5);
        EXPECT_EQ(unscrambled(scrambleWithKey(plainText, 21)), plainText.substr(0, returned))
            << length;
    }
}

TEST(TextCipher, PlainTextOf32767CharactersFails) {
    EXPECT_THROW(scrambleWithKey(std::string(32767, 'A'), 8), Fault);
}

// With key 8 (no pad fillers) a 32,766-character plaintext makes a 32,768-character ciphertext
// whose last cipher character cannot be searched: exactly the last characters that land on 124
// or 59 there must fail, every other one encrypts.
TEST(TextCipher, PlainTextOf32766CharactersFailsOnlyWhenItsLastCharacterNeedsSubstitution) {
    std::string plainText(32766, 'A');
    int failures = 0;
    for (int code = 14; code <= 124; ++code) {
        plainText.back() = static_cast<char>(code);
        try {
            EXPECT_EQ(scrambleWithKey(plainText, 8).size(), 32768u);
        } catch (const Fault&) {
            ++failures;
        }
    }
    EXPECT_EQ(failures, 2);
}

TEST(TextCipher, DecryptionFailures) {
    const std::string valid = scrambleWithKey(carriedText(20, 3), 16);
    const std::pair<const char*, std::string> cases[] = {
        {"empty text", ""},
        {"one character", valid.substr(0, 1)},
        {"first character is the table's last", kTable.substr(110, 1) + valid.substr(1)},
        {"cut inside the cipher characters", valid.substr(0, 2 + 16 % 8 + 10)},
        {"unknown key character, text too short", std::string("\x01\x50", 2)},
    };
    for (const auto& [name, cipherText] : cases)
        EXPECT_THROW(unscrambled(cipherText), Fault) << name;
}

TEST(TextCipher, DecryptionRewritesTheCallersTextAlsoWhenItFails) {
    std::string cipherText = "\x7f";
    EXPECT_THROW(unscrambledInPlace(cipherText), Fault);
    EXPECT_EQ(cipherText, "|");

    std::string tooLong(40000, 'x');
    tooLong[0] = '~';
    tooLong[100] = '\x7f';
    tooLong[32767] = '\x7f';
    EXPECT_THROW(unscrambledInPlace(tooLong), Fault);
    EXPECT_EQ(tooLong[0], '~') << "the pass over 126 comes after the failed pass over 127";
    EXPECT_EQ(tooLong[100], '|');
    EXPECT_EQ(tooLong[32767], '\x7f');
}

TEST(TextCipher, UnknownOrLateKeyCharactersDecodeWithoutFailure) {
    const std::string filler(200, 'Q');
    std::vector<std::string> firstCharacters = {"\x01", "}", "\x80", "\xff"};
    for (std::size_t position = 82; position <= 110; ++position)
        firstCharacters.push_back(kTable.substr(position - 1, 1));
    for (const auto& first : firstCharacters) {
        const std::string back = unscrambled(first + filler);
        EXPECT_LE(back.size(), 109u);
        for (char character : back) {
            EXPECT_GE(codeOf(character), 14);
            EXPECT_LE(codeOf(character), 124);
        }
        EXPECT_EQ(unscrambled(first + filler), back) << "decoding must not vary";
    }
}

TEST(TextCipher, TrailingFillersCarryNothing) {
    const std::string plainText = carriedText(10, 9);
    const std::string cipherText = scrambleWithKey(plainText, 30); // six pad fillers
    const std::size_t cipherEnd = 2 + 6 + 10;
    EXPECT_EQ(unscrambled(cipherText.substr(0, cipherEnd)), plainText);
    std::string changed = cipherText;
    for (std::size_t at = cipherEnd; at < changed.size(); ++at)
        changed[at] = 'Z';
    EXPECT_EQ(unscrambled(changed), plainText);
}

TEST(TextCipher, AChangedCipherCharacterChangesOnlyItsPlainCharacter) {
    const std::string plainText = carriedText(12, 2);
    std::string cipherText = scrambleWithKey(plainText, 8);
    cipherText[5] = cipherText[5] == 'A' ? 'B' : 'A';
    const std::string back = unscrambled(cipherText);
    ASSERT_EQ(back.size(), plainText.size());
    for (std::size_t at = 0; at < back.size(); ++at)
        EXPECT_EQ(back[at] == plainText[at], at != 3) << at;
}

TEST(TextCipher, MegabyteInputsFinish) {
    std::string allReplaced(1 << 20, '\x7f');
    EXPECT_THROW(unscrambledInPlace(allReplaced), Fault);
    std::string nothingToReplace = scrambleWithKey("hello", 12) + std::string(1 << 20, 'q');
    EXPECT_EQ(unscrambledInPlace(nothingToReplace), "hello");
}

} // namespace

#include "text/LineCipher.h"

#include "tests/vectors/KnownAnswers.h"
#include "text/ExtendedCipher.h"
#include "text/PrintableForm.h"
#include "text/Units.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace vellum::text {
namespace {

std::string utf8Of(std::u32string_view characters) {
    std::string text;
    for (const char32_t character : characters)
        AppendUtf8(text, character);
    return text;
}

// Any scalar value, though mostly from the blocks that lines are written in.
char32_t randomCharacter(std::mt19937& generator) {
    const char32_t blocks[][2] = {{0x20, 0x7E},       {0x00, 0x7F},     {0x80, 0x17F},
                                  {0x370, 0x4FF},     {0x2000, 0x20AF}, {0x4E00, 0x9FFF},
                                  {0x1F300, 0x1FAFF}, {0, 0x10FFFF}};
    const auto& block = blocks[generator() % std::size(blocks)];
    const auto character =
        static_cast<char32_t>(block[0] + generator() % (block[1] - block[0] + 1));
    return character >= 0xD800 && character <= 0xDFFF ? U'x' : character;
}

std::vector<std::string> linesToCarry() {
    std::vector<std::string> lines = {
        "",
        "Meet me at nine",
        std::string(109, '~' - 2),
        std::string(110, 'a'),
        std::string("tab\there, CR\rthere, NUL\0 and DEL\x7f, } and ~", 41),
        utf8Of(U"Caf\u00e9 \u2014 \u201cquoted\u201d \u2026 5 \u20ac, \u0142\u00f3d\u017a"),
        utf8Of(U"\U0001F600 \U0001F44D\U0001F3FD \U0001F1E9\U0001F1EA "
               U"\U0001F468\u200D\U0001F469\u200D\U0001F467"),
        utf8Of(U"e\u0301 \u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627 \ufeff"),
        utf8Of(U"\ufeffBOM first, then \uffff and \U0010ffff"),
        utf8Of(std::u32string(100'000, U'\u4e2d'))};
    std::mt19937 generator(9);
    for (int round = 0; round < 1500; ++round) {
        std::u32string characters(generator() % (round % 10 == 0 ? 400 : 40), U'\0');
        for (char32_t& character : characters)
            character = randomCharacter(generator);
        lines.push_back(utf8Of(characters));
    }
    return lines;
}

TEST(LineCipherTest, EveryLineComesBackAndOnlyTheCarriedOnesKeepTheEarlierFormat) {
    component::ComponentSecurity security;
    for (const std::string& line : linesToCarry()) {
        const std::string cipherText = EncryptLine(security, line);
        for (const char character : cipherText) {
            const int code = static_cast<unsigned char>(character);
            ASSERT_TRUE(code >= 14 && code <= 127 && code != 59 && code != 124) << code;
        }
        ASSERT_EQ(DecryptLine(security, cipherText), line);
        ASSERT_EQ(DecryptLine(security, Wrap(cipherText)), line);
        ASSERT_EQ(IsExtended(cipherText), !component::IsCarried(line)) << line;
        // An earlier build reads an extended ciphertext as no characters at all, or refuses it
        // when it is too long for its 16-bit searches.
        std::string earlierReader = cipherText;
        try {
            ASSERT_TRUE(!IsExtended(cipherText) || security.Decrypt(earlierReader).empty());
        } catch (const component::ComponentError&) {
            ASSERT_GT(cipherText.size(), 32767U);
        }
    }
}

TEST(LineCipherTest, EachCharacterCostsWhatItsKindAllowsAndALongLineLittleMore) {
    const struct {
        std::u32string characters;
        std::size_t cost; // each
    } cases[] = {{U"a ~}\t", 1},
                 {std::u32string(U"\0\r\n\x7f", 4), 2},
                 {U"\u00e9\u00df\u0142\u0151\u011f\u00f1\u00ff\u017f", 2},
                 {U"\u2018\u2019\u201c\u201d\u201e\u2013\u2014\u2026\u20ac\u200d", 2},
                 {U"\u042f\u03a9\u0436", 2},
                 {U"\u4e2d\u05e9\u0905\ufeff\uffff", 3},
                 {U"\U0001F600\U00010000\U0010FFFF", 4}};
    for (const auto& each : cases)
        for (const char32_t character : each.characters)
            EXPECT_EQ(UnitsOf(utf8Of(std::u32string(1, character))).size(), each.cost)
                << static_cast<unsigned>(character);
    component::ComponentSecurity security;
    for (const std::string& line : linesToCarry()) {
        const std::size_t units = UnitsOf(line).size();
        // Key, length, at most 7 pad fillers and a header of at most 11 units.
        EXPECT_LE(EncryptLine(security, line).size(), std::max<std::size_t>(30, units + 20));
    }
}

TEST(LineCipherTest, RefusesADamagedExtendedCiphertextAndDecodesNoneOfIt) {
    component::ComponentSecurity security;
    const std::string line = utf8Of(U"Gr\u00fc\u00dfe \U0001F600 und so weiter, und so fort");
    const std::string cipherText = EncryptLine(security, line);
    for (std::size_t length = 2; length < cipherText.size(); ++length) {
        const std::string cut = cipherText.substr(0, length);
        try {
            const std::string decrypted = DecryptLine(security, cut);
            EXPECT_EQ(decrypted, line) << "only the trailing fillers may go, at " << length;
        } catch (const LineRefused& refusal) {
            EXPECT_STREQ(refusal.what(), "The encrypted text is damaged: it has been cut short. "
                                         "Nothing was decrypted.");
        }
    }
}

// Why the line layer refuses `line` in the given direction, or nothing when it does not.
template <typename Cipher> std::string refusalOf(Cipher cipher, const std::string& line) {
    component::ComponentSecurity security;
    try {
        (void)cipher(security, line);
    } catch (const LineRefused& refusal) {
        return refusal.what();
    }
    return {};
}

// Every ill-formed sequence is refused where it starts, never read as some other character. A
// ciphertext and its printable form are ASCII, so Decrypt refuses the first character beyond it.
TEST(LineCipherTest, RefusesTextThatIsNotUtf8OrCannotBeEncryptedTextWhereItStarts) {
    const struct {
        std::string text;
        std::size_t position;
    } malformed[] = {{"ab\x80", 3},           // a lone continuation byte
                     {"\xC0\x80", 1},         // an overlong NUL
                     {"\xE0\x80\xAF", 1},     // an overlong slash
                     {"x\xED\xA0\x80", 2},    // a surrogate
                     {"\xF4\x90\x80\x80", 1}, // past U+10FFFF
                     {"\xF5\x80\x80\x80", 1}, // no such lead byte
                     {"caf\xC3", 4},          // cut short at the end
                     {"\xE2\x9C", 1},         // cut short
                     {std::string(99'999, 'a') + "\xE2\x9C", 100'000}};
    for (const auto& each : malformed) {
        const std::string why = "Character " + std::to_string(each.position) +
                                " of the text is not valid UTF-8; only UTF-8 text can be read.";
        EXPECT_EQ(refusalOf(EncryptLine, each.text), why);
        EXPECT_EQ(refusalOf(DecryptLine, each.text), why);
    }
    EXPECT_EQ(refusalOf(EncryptLine, "\xC3\xA9\xC3\xBC\xE2\x9C"),
              "Character 3 of the text is not valid UTF-8; only UTF-8 text can be read.");
    const std::pair<std::string, std::string> beyondAscii[] = {
        {"ok \xE2\x9C\x93", "Character 4 of the text, \"\xE2\x9C\x93\" (U+2713),"},
        {"\xC3\xA9\xE2\x9C", "Character 1 of the text, \"\xC3\xA9\" (U+00E9),"},
        {"vm9_\xF0\x9F\x98\x80", "Character 5 of the text, \"\xF0\x9F\x98\x80\" (U+1F600),"}};
    for (const auto& [text, why] : beyondAscii)
        EXPECT_EQ(refusalOf(DecryptLine, text), why + " cannot be part of an encrypted text.");
}

TEST(LineCipherTest, UnitsThatStandForNoCharacterAreFoundWhereTheyStart) {
    const struct {
        std::string units;
        std::size_t brokenAt;
    } cases[] = {{{0, 110}, 1},
                 {{5, 96}, 1},          // a lead without the unit after it
                 {{102, 110}, 0},       // past the two-unit list's 769 entries
                 {{107, 54, 18}, 0},    // U+D800, a surrogate
                 {{109, 100, 0, 0}, 0}, // past U+10FFFF
                 {{33, 33, 109, 10, 0}, 2}};
    for (const auto& each : cases) {
        try {
            TextOfUnits(each.units);
            ADD_FAILURE() << "read units that stand for no character";
        } catch (const BrokenUnits& broken) {
            EXPECT_EQ(broken.Index(), each.brokenAt);
        }
    }
    EXPECT_EQ(TextOfUnits(std::string{96, 0, 103, 0, 0, 109, 0, 0, 32}), std::string("\0\0 ", 3));
}

// Both kinds of ciphertext, and their printable forms, come again byte for byte from the same
// draws and clock readings through the line layer, and read back.
TEST(LineCipherTest, StoredCiphertextsOfBothKindsAreWrittenAndReadAlike) {
    const auto writesAndReads = [](std::span<const testing::TextVector> vectors) {
        testing::SequenceRandom random;
        testing::FixedClock clock;
        const component::ScopedOverride<component::RandomSource> fixedRandom(random);
        const component::ScopedOverride<component::Clock> fixedClock(clock);
        component::ComponentSecurity security;
        for (const testing::TextVector& vector : vectors) {
            const std::string cipherText = EncryptLine(security, vector.plainText);
            EXPECT_EQ(cipherText, vector.cipherText);
            EXPECT_EQ(Wrap(cipherText), vector.printableForm);
            EXPECT_EQ(DecryptLine(security, vector.cipherText), vector.plainText);
            EXPECT_EQ(DecryptLine(security, vector.printableForm), vector.plainText);
        }
    };
    writesAndReads(testing::kTextVectors);
    writesAndReads(testing::kExtendedVectors);
}

} // namespace
} // namespace vellum::text

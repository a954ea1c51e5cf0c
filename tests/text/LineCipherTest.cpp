#include "text/LineCipher.h"

#include "component/Scramble.h"
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

// Each character's units, worked out by hand from the format's description, at both ends of
// every range of the two-unit list and just outside them, and at the ends of the other forms;
// and a long line costs little more than its units.
TEST(LineCipherTest, EachCharacterHasTheUnitsTheFormatGivesItAndALongLineLittleMore) {
    const std::pair<char32_t, std::string> cases[] = {{0x0000, {96, 0}},
                                                      {0x0008, {96, 8}},
                                                      {0x0009, {95}},
                                                      {0x000A, {96, 9}},
                                                      {0x001F, {96, 30}},
                                                      {0x0020, {0}},
                                                      {0x007E, {94}},
                                                      {0x007F, {96, 31}},
                                                      {0x017F, {98, 65}},
                                                      {0x0180, {103, 3, 51}},
                                                      {0x036F, {103, 7, 102}},
                                                      {0x0370, {98, 66}},
                                                      {0x04FF, {102, 21}},
                                                      {0x0500, {103, 11, 59}},
                                                      {0x1FFF, {103, 73, 88}},
                                                      {0x2000, {102, 22}},
                                                      {0x204F, {102, 101}},
                                                      {0x2050, {103, 74, 58}},
                                                      {0x20AB, {103, 75, 38}},
                                                      {0x20AC, {102, 102}},
                                                      {0x20AD, {103, 75, 40}},
                                                      {0xD7FF, {107, 54, 17}},
                                                      {0xE000, {107, 72, 68}},
                                                      {0xFFFF, {108, 35, 45}},
                                                      {0x10000, {109, 5, 35, 46}},
                                                      {0x10FFFF, {109, 90, 47, 4}}};
    for (const auto& [character, units] : cases) {
        const std::string line = utf8Of(std::u32string(1, character));
        EXPECT_EQ(UnitsOf(line), units) << static_cast<unsigned>(character);
        EXPECT_EQ(TextOfUnits(units), line) << static_cast<unsigned>(character);
    }
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

// An extended ciphertext of `header` and `units` as given, however a writer would write them.
std::string extendedOf(const std::string& header, const std::string& units) {
    testing::SequenceRandom random;
    testing::FixedClock clock;
    component::Scrambler<component::kTextCipher> scrambler(
        component::TextCipherTable(), 110, header.size() + units.size(), random, clock);
    scrambler.Shift(header, 14);
    scrambler.Shift(units, 14);
    return scrambler.Finish();
}

// A reader takes the count in any number of digits from 1 to 9, leading zeros and all, and
// refuses a header of 0 or 10 digits, or one whose check is off by one, where it goes wrong.
TEST(LineCipherTest, ReadsHeadersOfOneToNineCountDigitsWithTheirCheckAndNoOthers) {
    const std::string line = utf8Of(U"Gr\u00fc\u00dfe");
    const std::string units = UnitsOf(line);
    for (int digits = 0; digits <= 10; ++digits) {
        std::string header(1, static_cast<char>(digits));
        if (digits > 0)
            header += std::string(static_cast<std::size_t>(digits - 1), '\0') +
                      static_cast<char>(units.size());
        const int check = (digits + (digits > 0 ? static_cast<int>(units.size()) : 0)) % 111;
        for (const int off : {0, 1}) {
            const std::string cipherText =
                extendedOf(header + static_cast<char>((check + off) % 111), units);
            const bool readable = digits >= 1 && digits <= 9 && off == 0;
            const std::string why = refusalOf(DecryptLine, cipherText);
            EXPECT_EQ(why.empty(), readable) << digits << " digits, check off by " << off;
            if (readable)
                EXPECT_EQ(DecryptExtended(cipherText), line);
            else
                EXPECT_NE(why.find("does not fit its structure"), std::string::npos) << why;
        }
    }
}

// A length character that says 110 marks an extended ciphertext only after a key character,
// one of the table's first 81: after any other first character it is an ordinary ciphertext of
// no characters, as every earlier build reads it.
TEST(LineCipherTest, OnlyAKeyCharacterMakesALengthOf110Extended) {
    const std::string& table = component::TextCipherTable();
    const auto saying110After = [&table](char first, int base) {
        const char length =
            static_cast<char>((table[static_cast<std::size_t>(base)] + 110) % 111 + 14);
        return std::string{first, length == '|'   ? '\x7f'
                                  : length == ';' ? '~'
                                                  : length} +
               std::string(28, 'x');
    };
    component::ComponentSecurity security;
    EXPECT_TRUE(IsExtended(saying110After(table[0], 1)));
    EXPECT_TRUE(IsExtended(saying110After(table[80], 81)));
    for (const std::string& ordinary : {saying110After('\x01', 0), saying110After(table[81], 82)}) {
        EXPECT_FALSE(IsExtended(ordinary));
        EXPECT_EQ(DecryptLine(security, ordinary), "");
    }
}

TEST(LineCipherTest, UnitsThatStandForNoCharacterAreFoundWhereTheyStart) {
    const struct {
        std::string units;
        std::size_t brokenAt;
    } cases[] = {{{0, 110}, 1},
                 {{5, 96}, 1},          // a lead without the unit after it
                 {{102, 103}, 0},       // the first past the two-unit list's 769 entries
                 {{107, 54, 18}, 0},    // U+D800, the first surrogate
                 {{107, 72, 67}, 0},    // U+DFFF, the last
                 {{109, 90, 47, 5}, 0}, // U+110000, past the last character
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

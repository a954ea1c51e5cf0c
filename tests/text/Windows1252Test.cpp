#include "Windows1252.h"

#include <gtest/gtest.h>

namespace vellum::windows1252 {
namespace {

std::string everyCode(std::size_t length) {
    std::string codes(length, '\0');
    for (std::size_t at = 0; at < length; ++at)
        codes[at] = static_cast<char>(at % 256);
    return codes;
}

TEST(Windows1252Test, EveryByteRoundTripsThroughUtf16AndUtf8InTextsOfAnyLength) {
    const std::string all = everyCode(1'000'000);
    const std::u16string utf16 = ToUtf16(all);
    ASSERT_EQ(utf16.size(), all.size());
    for (const Conversion& back : {FromUtf16(utf16), FromUtf8(ToUtf8(all))}) {
        EXPECT_FALSE(back.unconvertible);
        EXPECT_EQ(back.codes, all);
    }
}

TEST(Windows1252Test, MapsTheCodePagesOwnCharacters) {
    const struct {
        int code;
        char16_t unicode;
        const char* utf8;
    } cases[] = {{0x80, u'\u20AC', "\xE2\x82\xAC"},
                 {146, u'\u2019', "\xE2\x80\x99"},
                 {0x81, u'\u0081', "\xC2\x81"},
                 {0x8D, u'\u008D', "\xC2\x8D"},
                 {0x8F, u'\u008F', "\xC2\x8F"},
                 {0x90, u'\u0090', "\xC2\x90"},
                 {157, u'\u009D', "\xC2\x9D"},
                 {0xE9, u'\u00E9', "\xC3\xA9"},
                 {14, u'\x0E', "\x0E"},
                 {127, u'\x7F', "\x7F"}};
    for (const auto& each : cases) {
        const std::string code(1, static_cast<char>(each.code));
        EXPECT_EQ(ToUtf16(code), std::u16string(1, each.unicode)) << each.code;
        EXPECT_EQ(ToUtf8(code), each.utf8) << each.code;
    }
}

TEST(Windows1252Test, NamesTheFirstCharacterItCannotRepresent) {
    const struct {
        std::u16string text;
        char32_t character;
        std::size_t position;
    } cases[] = {{u"ab\u2713c\u2713", 0x2713, 3},
                 {u"\u0100", 0x100, 1},
                 {u"\U0001F600x", 0x1F600, 1},
                 {u"\u00e9\u00fc\u0416", 0x416, 3},
                 {u"\u20ac\u0416", 0x416, 2},
                 {std::u16string(999'999, u'a') + u"\u2713", 0x2713, 1'000'000},
                 {u"ab" + std::u16string(1, char16_t{0xD800}), 0xD800, 3}};
    for (const auto& each : cases) {
        const Conversion result = FromUtf16(each.text);
        ASSERT_TRUE(result.unconvertible) << each.position;
        EXPECT_EQ(result.unconvertible->character, each.character);
        EXPECT_EQ(result.unconvertible->position, each.position);
        EXPECT_TRUE(result.codes.empty());
    }
}

// Every ill-formed sequence is refused where it starts, never read as some other character.
TEST(Windows1252Test, RefusesTextThatIsNotUtf8WhereItStopsBeingUtf8) {
    const struct {
        std::string text;
        std::optional<char32_t> character;
        std::size_t position;
    } cases[] = {{"ab\x80", std::nullopt, 3},           // a lone continuation byte
                 {"\xC0\x80", std::nullopt, 1},         // an overlong NUL
                 {"\xE0\x80\xAF", std::nullopt, 1},     // an overlong slash
                 {"x\xED\xA0\x80", std::nullopt, 2},    // a surrogate
                 {"\xF4\x90\x80\x80", std::nullopt, 1}, // past U+10FFFF
                 {"\xF5\x80\x80\x80", std::nullopt, 1}, // no such lead byte
                 {"caf\xC3", std::nullopt, 4},          // cut short at the end
                 {"\xE2\x9C", std::nullopt, 1},         // cut short
                 {"\xC3\xA9\xE2\x9C\x93", 0x2713, 2},   // valid, but without a code
                 {"\xF0\x9F\x98\x80", 0x1F600, 1}};
    for (const auto& each : cases) {
        const Conversion result = FromUtf8(each.text);
        ASSERT_TRUE(result.unconvertible) << each.text;
        EXPECT_EQ(result.unconvertible->character, each.character) << each.text;
        EXPECT_EQ(result.unconvertible->position, each.position) << each.text;
    }
}

TEST(Windows1252Test, DescribesWhatCannotBeConvertedInTheUsersWords) {
    EXPECT_EQ(Describe({0x2713, 4}),
              "Character 4 of the text, \"\xE2\x9C\x93\" (U+2713), has no Windows-1252 code; only "
              "Windows-1252 text can be encrypted or decrypted.");
    const auto startOf = [](const std::string& text, const std::string& prefix) {
        return text.substr(0, prefix.size()) == prefix ? prefix : text;
    };
    const std::string emoji = "Character 1 of the text, \"\xF0\x9F\x98\x80\" (U+1F600),";
    EXPECT_EQ(startOf(Describe({0x1F600, 1}), emoji), emoji);
    // A lone surrogate cannot stand in UTF-8 itself.
    const std::string surrogate = "Character 3 of the text, \"\xEF\xBF\xBD\" (U+D800),";
    EXPECT_EQ(startOf(Describe({0xD800, 3}), surrogate), surrogate);
    EXPECT_EQ(Describe({std::nullopt, 12}),
              "Character 12 of the text is not valid UTF-8; only UTF-8 text can be read.");
}

} // namespace
} // namespace vellum::windows1252

#include "text/Windows1252.h"

#include <gtest/gtest.h>

namespace vellum::text {
namespace {

std::string everyCode(std::size_t length) {
    std::string codes(length, '\0');
    for (std::size_t at = 0; at < length; ++at)
        codes[at] = static_cast<char>(at % 256);
    return codes;
}

TEST(Windows1252Test, EveryByteRoundTripsThroughUtf8InTextsOfAnyLength) {
    const std::string all = everyCode(1'000'000);
    const Conversion back = FromUtf8(ToUtf8(all));
    EXPECT_FALSE(back.unconvertible);
    EXPECT_EQ(back.codes, all);
}

TEST(Windows1252Test, MapsTheCodePagesOwnCharacters) {
    const struct {
        int code;
        const char* utf8;
    } cases[] = {{0x80, "\xE2\x82\xAC"}, {146, "\xE2\x80\x99"}, {0x81, "\xC2\x81"},
                 {0x8D, "\xC2\x8D"},     {0x8F, "\xC2\x8F"},    {0x90, "\xC2\x90"},
                 {157, "\xC2\x9D"},      {0xE9, "\xC3\xA9"},    {14, "\x0E"},
                 {127, "\x7F"}};
    for (const auto& each : cases) {
        const std::string code(1, static_cast<char>(each.code));
        EXPECT_EQ(ToUtf8(code), each.utf8) << each.code;
        EXPECT_EQ(FromUtf8(each.utf8).codes, code) << each.code;
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
                 {"\xF0\x9F\x98\x80", 0x1F600, 1},
                 {std::string(999'999, 'a') + "\xE2\x9C\x93", 0x2713, 1'000'000},
                 {"\xC3\xA9\xC3\xBC\xD0\x96", 0x416, 3}};
    for (const auto& each : cases) {
        const Conversion result = FromUtf8(each.text);
        ASSERT_TRUE(result.unconvertible) << each.text;
        EXPECT_EQ(result.unconvertible->character, each.character) << each.text;
        EXPECT_EQ(result.unconvertible->position, each.position) << each.text;
    }
}

TEST(Windows1252Test, DescribesWhatCannotBeConvertedInTheUsersWords) {
    EXPECT_EQ(English(Describe({0x2713, 4})),
              "Character 4 of the text, \"\xE2\x9C\x93\" (U+2713), has no Windows-1252 code, so "
              "it is not part of any encrypted text.");
    const auto startOf = [](const std::string& text, const std::string& prefix) {
        return text.substr(0, prefix.size()) == prefix ? prefix : text;
    };
    const std::string emoji = "Character 1 of the text, \"\xF0\x9F\x98\x80\" (U+1F600),";
    EXPECT_EQ(startOf(English(Describe({0x1F600, 1})), emoji), emoji);
    // A lone surrogate cannot stand in UTF-8 itself.
    const std::string surrogate = "Character 3 of the text, \"\xEF\xBF\xBD\" (U+D800),";
    EXPECT_EQ(startOf(English(Describe({0xD800, 3})), surrogate), surrogate);
    EXPECT_EQ(English(Describe({std::nullopt, 12})),
              "Character 12 of the text is not valid UTF-8; only UTF-8 text can be read.");
}

} // namespace
} // namespace vellum::text

#include "text/Windows1252.h"

#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

namespace vellum::text {

namespace {

// Codes 0x80 to 0x9F are the only ones that are not their own Unicode value. The five the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same
// number, as in Windows itself, so that every byte has a character and comes back.
constexpr std::array<char32_t, 32> kUnicodeOf80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool isOwnUnicode(char32_t character) {
    return character < 0x80 || (character >= 0xA0 && character <= 0xFF);
}

char32_t unicodeOf(char code) {
    const auto byte = static_cast<unsigned char>(code);
    return isOwnUnicode(byte) ? char32_t{byte} : kUnicodeOf80To9F[byte - 0x80U];
}

std::optional<char> codeOf(char32_t character) {
    if (isOwnUnicode(character))
        return static_cast<char>(character);
    const auto* const found =
        std::find(kUnicodeOf80To9F.begin(), kUnicodeOf80To9F.end(), character);
    if (found == kUnicodeOf80To9F.end())
        return std::nullopt;
    return static_cast<char>(0x80 + std::distance(kUnicodeOf80To9F.begin(), found));
}

} // namespace

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char character) { return static_cast<unsigned char>(character) < 0x80; });
}

std::string ToUtf8(std::string_view codes) {
    if (IsAscii(codes)) // the same in both, as nearly every line is
        return std::string(codes);
    std::string text;
    text.reserve(codes.size());
    for (const char code : codes)
        AppendUtf8(text, unicodeOf(code));
    return text;
}

Message Describe(const Unconvertible& unconvertible) {
    if (!unconvertible.character)
        return NotUtf8(unconvertible.position).Why();
    const char32_t character = *unconvertible.character;
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    std::string shown;
    AppendUtf8(shown, surrogate ? kReplacementCharacter : character);
    std::array<char, 16> codePoint{};
    std::snprintf(codePoint.data(), codePoint.size(), "U+%04X", static_cast<unsigned>(character));
    return {"Refusal",
            VELLUM_TRANSLATABLE("Refusal", "Character %1 of the text, \"%2\" (%3), has no "
                                           "Windows-1252 code, so it is not part of any encrypted "
                                           "text."),
            {std::to_string(unconvertible.position), shown, codePoint.data()}};
}

// Stops at the first character without a code. Every character before it had one, so the number
// of codes so far also counts the characters.
Conversion FromUtf8(std::string_view text) {
    if (IsAscii(text))
        return {std::string(text), std::nullopt};
    std::string codes;
    codes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Sequence decoded = DecodeUtf8(text, at);
        const bool wellFormed = decoded.length != 0;
        const std::optional<char> code = wellFormed ? codeOf(decoded.character) : std::nullopt;
        if (!code) {
            const std::optional<char32_t> character =
                wellFormed ? std::optional(decoded.character) : std::nullopt;
            return {std::string(), Unconvertible{character, codes.size() + 1}};
        }
        codes += *code;
        at += decoded.length;
    }
    return {std::move(codes), std::nullopt};
}

} // namespace vellum::text

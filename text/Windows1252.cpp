#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace vellum::windows1252 {

namespace {

// Codes 0x80 to 0x9F are the only ones that are not their own Unicode value. The five the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same
// number, as in Windows itself, so that every byte has a character and comes back.
constexpr std::array<char16_t, 32> kUnicodeOf80To9F = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool isOwnUnicode(char32_t character) {
    return character < 0x80 || (character >= 0xA0 && character <= 0xFF);
}

constexpr bool isSurrogate(char32_t character) {
    return character >= 0xD800 && character <= 0xDFFF;
}

char16_t unicodeOf(char code) {
    const auto byte = static_cast<unsigned char>(code);
    return isOwnUnicode(byte) ? char16_t{byte} : kUnicodeOf80To9F[byte - 0x80u];
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

void appendUtf8(std::string& text, char32_t character) {
    const auto unit = [&text](char32_t bits) {
        text += static_cast<char>(bits);
    };
    if (character < 0x80) {
        unit(character);
    } else if (character < 0x800) {
        unit(0xC0 | character >> 6);
        unit(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        unit(0xE0 | character >> 12);
        unit(0x80 | (character >> 6 & 0x3F));
        unit(0x80 | (character & 0x3F));
    } else {
        unit(0xF0 | character >> 18);
        unit(0x80 | (character >> 12 & 0x3F));
        unit(0x80 | (character >> 6 & 0x3F));
        unit(0x80 | (character & 0x3F));
    }
}

// Whether the 16 bytes at `bytes` are all ASCII: two 8-byte words ORed together, their bytes'
// high bits tested at once.
bool isAsciiBlock(const char* bytes) {
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    std::memcpy(&first, bytes, sizeof first);
    std::memcpy(&second, bytes + sizeof first, sizeof second);
    return ((first | second) & 0x8080808080808080U) == 0;
}

// Plain ASCII is the same in Windows-1252 and UTF-8: the length of the run a text starts with.
// Nearly every line is ASCII all through, so it is read 16 bytes at a time, and a rest shorter
// than that is read as the text's last 16 bytes, overlapping what is already known to be ASCII.
std::size_t asciiPrefix(std::string_view text) {
    constexpr std::size_t kBlock = 16;
    std::size_t at = 0;
    while (at + kBlock <= text.size() && isAsciiBlock(text.data() + at))
        at += kBlock;
    const bool onlyShortRestLeft = at + kBlock > text.size() && text.size() >= kBlock;
    if (onlyShortRestLeft && isAsciiBlock(text.data() + text.size() - kBlock))
        return text.size();
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80)
        ++at;
    return at;
}

struct Decoded {
    char32_t character;
    std::size_t length;
};

// What a lead byte promises: the sequence's length, its own bits, and the range its second byte
// must fall in, which rules out overlong forms, surrogates and anything past U+10FFFF.
struct Lead {
    std::size_t length;
    char32_t bits;
    int secondLow, secondHigh;
};

std::optional<Lead> leadOf(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF)
        return Lead{2, byte & 0x1Fu, 0x80, 0xBF};
    if (byte >= 0xE0 && byte <= 0xEF)
        return Lead{3, byte & 0x0Fu, byte == 0xE0 ? 0xA0 : 0x80, byte == 0xED ? 0x9F : 0xBF};
    if (byte >= 0xF0 && byte <= 0xF4)
        return Lead{4, byte & 0x07u, byte == 0xF0 ? 0x90 : 0x80, byte == 0xF4 ? 0x8F : 0xBF};
    return std::nullopt;
}

// The well-formed UTF-8 sequence of more than one byte that starts at `at`, or nothing.
std::optional<Decoded> decodeSequence(std::string_view text, std::size_t at) {
    const std::optional<Lead> lead = leadOf(static_cast<unsigned char>(text[at]));
    if (!lead || text.size() - at < lead->length)
        return std::nullopt;
    char32_t character = lead->bits;
    for (std::size_t next = 1; next < lead->length; ++next) {
        const auto byte = static_cast<unsigned char>(text[at + next]);
        const bool second = next == 1;
        if (byte < (second ? lead->secondLow : 0x80) || byte > (second ? lead->secondHigh : 0xBF))
            return std::nullopt;
        character = character << 6 | (byte & 0x3Fu);
    }
    return Decoded{character, lead->length};
}

} // namespace

std::u16string ToUtf16(std::string_view codes) {
    std::u16string text(codes.size(), u'\0');
    std::transform(codes.begin(), codes.end(), text.begin(), unicodeOf);
    return text;
}

std::string ToUtf8(std::string_view codes) {
    std::string text;
    text.reserve(codes.size());
    AppendUtf8(codes, text);
    return text;
}

void AppendUtf8(std::string_view codes, std::string& text) {
    while (!codes.empty()) {
        const std::size_t ascii = asciiPrefix(codes);
        text.append(codes.substr(0, ascii));
        codes.remove_prefix(ascii);
        if (!codes.empty()) {
            appendUtf8(text, unicodeOf(codes.front()));
            codes.remove_prefix(1);
        }
    }
}

std::string Describe(const Unconvertible& unconvertible) {
    const std::string position = std::to_string(unconvertible.position);
    if (!unconvertible.character)
        return "Character " + position +
               " of the text is not valid UTF-8; only UTF-8 text can be read.";
    const char32_t character = *unconvertible.character;
    std::string shown;
    appendUtf8(shown, isSurrogate(character) ? kReplacementCharacter : character);
    std::array<char, 16> codePoint{};
    std::snprintf(codePoint.data(), codePoint.size(), "U+%04X", static_cast<unsigned>(character));
    return "Character " + position + " of the text, \"" + shown + "\" (" + codePoint.data() +
           "), has no Windows-1252 code; only Windows-1252 text can be encrypted or decrypted.";
}

// Each pass stops at the first character without a code. Every character before it had one, so
// the number of codes so far also counts the characters.
Conversion FromUtf16(std::u16string_view text) {
    std::string codes(text.size(), '\0');
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (const std::optional<char> code = codeOf(text[at])) {
            codes[at] = *code;
            continue;
        }
        const bool pair = at + 1 < text.size() && text[at] >= 0xD800 && text[at] <= 0xDBFF &&
                          text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
        const char32_t character =
            pair ? 0x10000 + ((text[at] - 0xD800u) << 10 | (text[at + 1] - 0xDC00u)) : text[at];
        return {std::string(), Unconvertible{character, at + 1}};
    }
    return {std::move(codes), std::nullopt};
}

Conversion FromUtf8(std::string_view text) {
    Conversion conversion;
    conversion.unconvertible = FromUtf8(text, conversion.codes);
    return conversion;
}

std::optional<Unconvertible> FromUtf8(std::string_view text, std::string& codes) {
    std::size_t at = asciiPrefix(text);
    codes.assign(text.substr(0, at));
    while (at < text.size()) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            codes += text[at++];
            continue;
        }
        const std::optional<Decoded> decoded = decodeSequence(text, at);
        const std::optional<char> code = decoded ? codeOf(decoded->character) : std::nullopt;
        if (!code) {
            const std::optional<char32_t> character =
                decoded ? std::optional(decoded->character) : std::nullopt;
            const Unconvertible unconvertible{character, codes.size() + 1};
            codes.clear();
            return unconvertible;
        }
        codes += *code;
        at += decoded->length;
    }
    return std::nullopt;
}

} // namespace vellum::windows1252

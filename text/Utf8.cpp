#include "text/Utf8.h"

#include <array>

namespace vellum::text {

Utf8Sequence DecodeUtf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return Utf8Sequence{lead, 1};
    // The second byte's range rules out overlong forms, surrogates and anything past U+10FFFF.
    std::size_t length = 0;
    char32_t character = 0;
    unsigned secondLow = 0x80;
    unsigned secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        character = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        character = lead & 0x0FU;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        character = lead & 0x07U;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {0, 0};
    }
    if (text.size() - at < length)
        return {0, 0};
    for (std::size_t next = 1; next < length; ++next) {
        const auto byte = static_cast<unsigned char>(text[at + next]);
        if (byte < (next == 1 ? secondLow : 0x80) || byte > (next == 1 ? secondHigh : 0xBF))
            return {0, 0};
        character = character << 6 | (byte & 0x3FU);
    }
    return Utf8Sequence{character, length};
}

std::size_t WriteUtf8(char32_t character, char* out) {
    const auto byte = [](char32_t bits) {
        return static_cast<char>(bits);
    };
    if (character < 0x80) {
        out[0] = byte(character);
        return 1;
    }
    if (character < 0x800) {
        out[0] = byte(0xC0 | character >> 6);
        out[1] = byte(0x80 | (character & 0x3F));
        return 2;
    }
    if (character < 0x10000) {
        out[0] = byte(0xE0 | character >> 12);
        out[1] = byte(0x80 | (character >> 6 & 0x3F));
        out[2] = byte(0x80 | (character & 0x3F));
        return 3;
    }
    out[0] = byte(0xF0 | character >> 18);
    out[1] = byte(0x80 | (character >> 12 & 0x3F));
    out[2] = byte(0x80 | (character >> 6 & 0x3F));
    out[3] = byte(0x80 | (character & 0x3F));
    return 4;
}

void AppendUtf8(std::string& text, char32_t character) {
    std::array<char, kLongestUtf8> bytes{};
    text.append(bytes.data(), WriteUtf8(character, bytes.data()));
}

NotUtf8::NotUtf8(std::size_t position)
    : Refusal({VELLUM_TRANSLATABLE(
                   "Refusal",
                   "Character %1 of the text is not valid UTF-8; only UTF-8 text can be read."),
               {std::to_string(position)}})
    , m_position(position) {}

} // namespace vellum::text

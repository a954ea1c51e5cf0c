#pragma once

#include "text/Message.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The component works on Windows-1252 codes, the front ends on UTF-8. Every byte 0 to 255 has a
// character (the five undefined ones map to U+0081, U+008D, U+008F, U+0090, U+009D), so codes
// always convert; text converts only where each character has a code.
namespace vellum::text {

std::string ToUtf8(std::string_view codes);

// Whether every character is ASCII, which is the same in both.
bool IsAscii(std::string_view text);

// Why a text has no codes: its first character without a code, or the first place where it is
// not valid UTF-8 (no character then), and where that stands, 1-based, in characters.
struct Unconvertible {
    std::optional<char32_t> character;
    std::size_t position;
};

// The user's words for it, as the window's error box and the filters show them.
Message Describe(const Unconvertible& unconvertible);

struct Conversion {
    std::string codes;
    std::optional<Unconvertible> unconvertible; // set when `codes` would be wrong
};

Conversion FromUtf8(std::string_view text);

} // namespace vellum::text

#pragma once

#include "text/Message.h"

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8, as the front ends hand text over: well-formed sequences only, each one Unicode scalar
// value (U+0000 to U+10FFFF, surrogates excepted).
namespace vellum::text {

struct Utf8Sequence {
    char32_t character;
    std::size_t length; // in bytes; 0 for no well-formed sequence
};

// The well-formed sequence that starts at byte `at` of `text`, or one of length 0 where none does.
Utf8Sequence DecodeUtf8(std::string_view text, std::size_t at);

inline constexpr std::size_t kLongestUtf8 = 4;

// Writes the character's sequence at `out`, which has room for kLongestUtf8 bytes; its length.
std::size_t WriteUtf8(char32_t character, char* out);

void AppendUtf8(std::string& text, char32_t character);

// Text that is not valid UTF-8 where character Position() (1-based) should begin; what() says
// so in the user's words.
class NotUtf8 : public Refusal {
public:
    explicit NotUtf8(std::size_t position);
    std::size_t Position() const { return m_position; }

private:
    std::size_t m_position;
};

} // namespace vellum::text

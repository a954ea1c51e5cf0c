#pragma once

#include "text/Message.h"

#include <stdexcept>
#include <string>
#include <string_view>

// The extended ciphertext, for every line the component's text cipher does not carry: any
// Unicode text of any length. It keeps the text cipher's layout and alphabet, so that it is a
// ciphertext to every reader: a key character, a length character, pad fillers, one shifted
// character per unit, trailing fillers up to 30 characters, and 124 and 59 written as 127 and
// 126. Its length character says 110, a length no earlier ciphertext has and one an earlier
// reader decodes as no characters. The characters it shifts are the line's units (Units.h),
// each taken as the code unit + 14, after a header: the number of count digits k (1 to 9), the
// count of units in k base-111 digits, the most significant first, and a check,
// (k + the digits' sum) mod 111.
namespace vellum::text {

// An extended ciphertext that cannot be read; what() says why, in the user's words.
class DamagedCipher : public Refusal {
    using Refusal::Refusal;
};

// Whether `cipherText`'s length character says 110 for its key character.
bool IsExtended(std::string_view cipherText);

// The extended ciphertext of the UTF-8 text `line`; throws NotUtf8.
std::string EncryptExtended(std::string_view line);

// The UTF-8 line inside an extended ciphertext; throws DamagedCipher when it is cut short or its
// structure is broken, and decodes nothing then.
std::string DecryptExtended(std::string_view cipherText);

} // namespace vellum::text

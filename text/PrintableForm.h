#pragma once

#include "text/Message.h"

#include <stdexcept>
#include <string>
#include <string_view>

// The printable form of a ciphertext: the same scrambled text, wrapped in ASCII letters, digits
// and underscores only, so that it survives XML, URLs, SMS, e-mail, JSON and terminals, and a
// double-click selects it whole. It protects nothing more than the ciphertext inside it.
//
// Layout: the prefix "vm9_", three check digits, then three digits for each pair of ciphertext
// characters and two for a last odd one. A digit is one of the 63 characters 0-9, A-Z, a-z and
// _, worth 0 to 62 in that order. A ciphertext code c (14 to 127) counts as c - 14, 0 to 113. A
// pair (a, b) is written as a halved, b halved (0 to 56 each), then 2 × (a mod 2) + (b mod 2);
// a last odd code c as c halved, then c mod 2. The check is the number of data digits plus the
// sum of their values, each times its place (1, 2, 3...), modulo 65521, in three digits, the
// most significant first. A ciphertext's first character is its key character, which is never a
// "v", so no ciphertext begins with the prefix.
namespace vellum::text {

inline constexpr std::string_view kPrintablePrefix = "vm9_";

// A printable form that cannot be unwrapped; what() says why, in the user's words.
class DamagedForm : public Refusal {
    using Refusal::Refusal;
};

// The printable form of `cipherText`. Throws std::invalid_argument for a code outside 14 to 127,
// which no ciphertext has.
std::string Wrap(std::string_view cipherText);

// Whether `text`, white space around it aside, claims to be a printable form: the prefix, or the
// prefix with one character changed and nothing but digits after it, so that a damaged prefix is
// caught too.
bool LooksWrapped(std::string_view text);

// The ciphertext inside the printable form `text`, white space around it aside; throws
// DamagedForm when any of its characters, its length or its check is wrong.
std::string Unwrap(std::string_view text);

} // namespace vellum::text

#pragma once

#include "Clock.h"
#include "RandomSource.h"

#include <cstddef>
#include <string>

// The binary cipher's algorithms: the text cipher's layout over nearly the whole 8-bit range,
// with "P" and "S" fillers and code 124 written as 255. A failure inside them is a
// runtime::Fault.
namespace vellum::binary {

// The longest plaintext whose length character is certain to decode back.
inline constexpr std::size_t kLongestPlainText = 252;

// Whether every character of `plainText` is certain to come back (codes 0 to 253, at most 252).
bool carriesWhole(const std::string& plainText);

std::string scramble(const std::string& plainText, const std::string& table,
                     runtime::RandomSource& random, runtime::Clock& clock);

// Decodes a ciphertext; rewrites 255 as 124 in `cipherText` first.
std::string unscramble(std::string& cipherText, const std::string& table);

} // namespace vellum::binary

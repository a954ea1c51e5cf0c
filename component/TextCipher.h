#pragma once

#include "Clock.h"
#include "RandomSource.h"

#include <cstddef>
#include <string>

// The text cipher's algorithms, apart from the component's error convention. A failure inside
// them is a runtime::Fault.
namespace vellum::text {

// The longest plaintext whose length character is certain to decode back.
inline constexpr std::size_t kLongestPlainText = 109;

// Whether Encrypt can take `plainText`: at most kLongestPlainText characters, each carried.
bool isEncryptable(const std::string& plainText);
// Why Encrypt must refuse a plaintext that is not encryptable, in plain words. Apart from the
// check above, so that the check stays small: every line a filter encrypts goes through it.
std::string refusalOf(const std::string& plainText);

// Assembles the ciphertext of any plaintext into `cipherText`, drawing key position and fillers
// from `random`. The result strings of these two keep their storage from call to call.
void scramble(const std::string& plainText, const std::string& table, runtime::RandomSource& random,
              runtime::Clock& clock, std::string& cipherText);

// Decodes a ciphertext into `plainText`; rewrites 127 as 124 and 126 as 59 in `cipherText` first.
void unscramble(std::string& cipherText, const std::string& table, std::string& plainText);

} // namespace vellum::text

#pragma once

#include "Clock.h"
#include "RandomSource.h"

#include <cstddef>
#include <optional>
#include <string>

// The text cipher's algorithms, apart from the component's error convention. A failure inside
// them is a runtime::Fault.
namespace vellum::text {

// The longest plaintext whose length character is certain to decode back.
inline constexpr std::size_t kLongestPlainText = 109;

// Why Encrypt must refuse the plaintext, in plain words; nothing when it can be encrypted.
std::optional<std::string> refusalOf(const std::string& plainText);

// Assembles the ciphertext of any plaintext, drawing key position and fillers from `random`.
std::string scramble(const std::string& plainText, const std::string& table,
                     runtime::RandomSource& random, runtime::Clock& clock);

// Decodes a ciphertext; rewrites 127 as 124 and 126 as 59 in `cipherText` first.
std::string unscramble(std::string& cipherText, const std::string& table);

} // namespace vellum::text

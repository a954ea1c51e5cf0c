#include "TextCipher.h"

#include "CipherEngine.h"

#include <algorithm>
#include <array>

namespace vellum::text {

namespace {

constexpr int kLowestCarried = 14;
constexpr int kHighestCarried = 124;

constexpr engine::Format kFormat{
    111, 111, 14, 80.0f, kLowestCarried, 0, 0, {{'|', '\x7f'}, {';', '~'}}, 2};

// Whether no character lies outside the carried codes. Blocks of 16 are taken lane by lane into
// one block of highest codes, in loops of fixed length with no early exit, which the compiler
// vectorises, and only that block is reduced; the last block overlaps the one before it. Nearly
// every text passes.
bool everyCodeCarried(const std::string& plainText) {
    constexpr std::size_t kBlock = 16;
    constexpr unsigned char kSpan = kHighestCarried - kLowestCarried;
    const auto above = [](char code) {
        return static_cast<unsigned char>(code - kLowestCarried);
    };
    const char* const text = plainText.data();
    const std::size_t size = plainText.size();
    if (size < kBlock)
        return std::all_of(text, text + size, [&](char code) { return above(code) <= kSpan; });
    std::array<unsigned char, kBlock> highest{};
    for (std::size_t from = 0; from < size; from += kBlock) {
        const char* const block = text + std::min(from, size - kBlock);
        for (std::size_t at = 0; at < kBlock; ++at)
            highest[at] = std::max(highest[at], above(block[at]));
    }
    unsigned char top = 0;
    for (const unsigned char each : highest)
        top = std::max(top, each);
    return top <= kSpan;
}

} // namespace

bool isEncryptable(const std::string& plainText) {
    return plainText.size() <= kLongestPlainText && everyCodeCarried(plainText);
}

std::string refusalOf(const std::string& plainText) {
    if (plainText.size() > kLongestPlainText)
        return "Error encrypting data: the text has " + std::to_string(plainText.size()) +
               " characters; at most " + std::to_string(kLongestPlainText) + " can be encrypted.";
    for (std::size_t index = 0; index < plainText.size(); ++index) {
        const int code = static_cast<unsigned char>(plainText[index]);
        if (code < kLowestCarried || code > kHighestCarried)
            return "Error encrypting data: the character at position " + std::to_string(index + 1) +
                   " (code " + std::to_string(code) + ") cannot be encrypted; only codes " +
                   std::to_string(kLowestCarried) + " to " + std::to_string(kHighestCarried) +
                   " can.";
    }
    return "Error encrypting data.";
}

void scramble(const std::string& plainText, const std::string& table, runtime::RandomSource& random,
              runtime::Clock& clock, std::string& cipherText) {
    runtime::withOwnTypes(random, clock, [&](auto& source, auto& reader) {
        engine::assemble<kFormat>(plainText, table, source, reader, cipherText);
    });
}

void unscramble(std::string& cipherText, const std::string& table, std::string& plainText) {
    engine::decode<kFormat>(cipherText, table, plainText);
}

} // namespace vellum::text

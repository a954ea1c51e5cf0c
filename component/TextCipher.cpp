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
    std::array<unsigned char, kBlock> highest{};
    const auto take = [&highest](const char* characters, std::size_t count) {
        for (std::size_t at = 0; at < count; ++at)
            highest[at] =
                std::max(highest[at], static_cast<unsigned char>(characters[at] - kLowestCarried));
    };
    const char* const text = plainText.data();
    if (plainText.size() < kBlock) {
        take(text, plainText.size());
    } else {
        for (std::size_t at = 0; at + kBlock < plainText.size(); at += kBlock)
            take(text + at, kBlock);
        take(text + plainText.size() - kBlock, kBlock);
    }
    unsigned char top = 0;
    for (const unsigned char each : highest)
        top = std::max(top, each);
    constexpr unsigned char kSpan = kHighestCarried - kLowestCarried;
    return top <= kSpan;
}

} // namespace

std::optional<std::string> refusalOf(const std::string& plainText) {
    if (plainText.size() <= kLongestPlainText && everyCodeCarried(plainText))
        return std::nullopt;
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
    return std::nullopt;
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

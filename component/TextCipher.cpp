#include "TextCipher.h"

#include "CipherEngine.h"

namespace vellum::text {

namespace {

constexpr int kLowestCarried = 14;
constexpr int kHighestCarried = 124;

constexpr engine::Format kFormat{
    111, 111, 14, 80.0f, kLowestCarried, 0, 0, {{'|', '\x7f'}, {';', '~'}}, 2};

// One pass with no early exit, which the compiler vectorises: nearly every text is accepted.
bool everyCodeCarried(const std::string& plainText) {
    constexpr unsigned char kSpan = kHighestCarried - kLowestCarried;
    unsigned char outside = 0;
    for (const char character : plainText)
        outside |= static_cast<unsigned char>(character - kLowestCarried) > kSpan ? 1 : 0;
    return outside == 0;
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

std::string scramble(const std::string& plainText, const std::string& table,
                     runtime::RandomSource& random, runtime::Clock& clock) {
    return engine::assemble<kFormat>(plainText, table, random, clock);
}

std::string unscramble(std::string& cipherText, const std::string& table) {
    return engine::decode<kFormat>(cipherText, table);
}

} // namespace vellum::text

#include "BinaryCipher.h"

#include "CipherEngine.h"

#include <algorithm>

namespace vellum::binary {

namespace {

constexpr engine::Format kFormat{127, 254, 1, 96.0f, 0, 'P', 'S', {{'|', '\xff'}, {}}, 1};

} // namespace

bool carriesWhole(const std::string& plainText) {
    return plainText.size() <= kLongestPlainText &&
           std::none_of(plainText.begin(), plainText.end(), [](char character) {
               return static_cast<unsigned char>(character) >= 254;
           });
}

std::string scramble(const std::string& plainText, const std::string& table,
                     runtime::RandomSource& random, runtime::Clock& clock) {
    std::string cipherText;
    runtime::withOwnTypes(random, clock, [&](auto& source, auto& reader) {
        engine::assemble<kFormat>(plainText, table, source, reader, cipherText);
    });
    return cipherText;
}

std::string unscramble(std::string& cipherText, const std::string& table) {
    std::string plainText;
    engine::decode<kFormat>(cipherText, table, plainText);
    return plainText;
}

} // namespace vellum::binary

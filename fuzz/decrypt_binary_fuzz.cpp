// Any bytes, as a binary ciphertext, decrypt to at most 252 characters with codes 0 to 253 or
// to nothing; as a plaintext, whatever EncryptBinary accepts must come back exactly.
#include "component/ComponentSecurity.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    vellum::component::ComponentSecurity component;

    std::string cipherText = bytes;
    if (const auto plainText = component.DecryptBinary(cipherText)) {
        require(plainText->size() <= 252);
        for (const char character : *plainText)
            require(static_cast<unsigned char>(character) <= 253);
    }

    if (auto encrypted = component.EncryptBinary(bytes)) {
        require(encrypted->size() >= 30);
        require(component.DecryptBinary(*encrypted) == bytes);
    }
    return 0;
}

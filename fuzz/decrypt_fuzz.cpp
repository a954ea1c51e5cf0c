// Any bytes, as a ciphertext, either decrypt to at most 109 carried characters or raise exactly
// error 10005; as a plaintext, whatever Encrypt accepts must come back exactly.
#include "component/ComponentSecurity.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void decryptAnything(vellum::component::ComponentSecurity& component, std::string cipherText) {
    try {
        const std::string plainText = component.Decrypt(cipherText);
        require(plainText.size() <= 109);
        for (const char character : plainText)
            require(character >= 14 && character <= 124);
    } catch (const vellum::component::ComponentError& error) {
        require(error.Number() == 10005);
        require(error.Source() == "Vellum41.ComponentSecurity.Decrypt");
        require(error.Description() == "Error deciphering encrypted data.");
    }
}

void roundTrip(vellum::component::ComponentSecurity& component, const std::string& plainText) {
    std::string cipherText;
    try {
        cipherText = component.Encrypt(plainText);
    } catch (const vellum::component::ComponentError& error) {
        require(error.Number() == 10006);
        return;
    }
    require(cipherText.size() >= 30);
    require(component.Decrypt(cipherText) == plainText);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    vellum::component::ComponentSecurity component;
    decryptAnything(component, bytes);
    roundTrip(component, bytes);
    return 0;
}

#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vellum::component {

// The error the text cipher raises: a number, the failing operation's source and a description.
class ComponentError : public std::runtime_error {
public:
    ComponentError(std::int32_t number, std::string source, const std::string& description);

    std::int32_t Number() const { return m_number; }
    const std::string& Source() const { return m_source; }
    std::string Description() const { return what(); }

private:
    std::int32_t m_number;
    std::string m_source;
};

// Whether the text cipher carries `plainText`: up to 109 characters with codes 14 to 124, the ones
// that are certain to come back.
bool IsCarried(std::string_view plainText);

// The program's cipher component. Texts are strings of 8-bit Windows-1252 codes. The ciphers are
// keyless scramblers, not cryptography: everything needed to read a ciphertext travels inside it.
// C++'s type rules already ensure that the operations run on a genuine instance.
class ComponentSecurity {
public:
    std::string ClassName() const;
    std::string ClassVersion() const;
    std::string ClassDescription() const;
    std::int32_t ClassID() const;

    // Rewrites every code 127 in the caller's text as 124 and every 126 as 59, and leaves them
    // so even when decryption then fails. Raises ComponentError 10005 on failure.
    std::string Decrypt(std::string& cipherText);
    // Accepts the texts IsCarried says it carries; raises ComponentError 10006 for anything
    // else or on failure.
    std::string Encrypt(std::string_view plainText);

    // The binary cipher belongs to the component's interface, though no front end calls it. It
    // never raises: std::nullopt on any failure. Decryption rewrites every code 255 in the
    // caller's text as 124, and leaves it so even on failure. Encryption accepts up to 252
    // characters with codes 0 to 253, the ones that are certain to come back.
    std::optional<std::string> DecryptBinary(std::string& cipherText);
    std::optional<std::string> EncryptBinary(const std::string& plainText);
    std::string BinaryKeyTable() const;

private:
    const std::string& TextKeyTable() const;
};

} // namespace vellum::component

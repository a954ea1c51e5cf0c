#include "ComponentSecurity.h"

#include "BinaryCipher.h"
#include "Clock.h"
#include "KeyTables.h"
#include "RandomSource.h"
#include "TextCipher.h"
#include "Version.h"

#include <utility>

namespace vellum {

namespace {

constexpr char kClassNameText[] = "Vellum41.ComponentSecurity.";
constexpr std::int32_t kClassId = 48;

std::string sourceOf(const char* operation) {
    return std::string(kClassNameText) + operation;
}

} // namespace

ComponentError::ComponentError(std::int32_t number, std::string source, std::string description)
    : std::runtime_error(description)
    , m_number(number)
    , m_source(std::move(source))
    , m_description(std::move(description)) {}

std::string ComponentSecurity::ClassName() const {
    std::string name = kClassNameText;
    if (!name.empty() && name.back() == '.')
        name.pop_back();
    return name;
}

std::string ComponentSecurity::ClassVersion() const {
    return version::Text();
}

std::string ComponentSecurity::ClassDescription() const {
    return ClassName();
}

std::int32_t ComponentSecurity::ClassID() const {
    return kClassId;
}

std::string ComponentSecurity::Decrypt(std::string& cipherText) {
    std::string plainText;
    Decrypt(cipherText, plainText);
    return plainText;
}

std::string ComponentSecurity::Encrypt(const std::string& plainText) {
    std::string cipherText;
    Encrypt(plainText, cipherText);
    return cipherText;
}

void ComponentSecurity::Decrypt(std::string& cipherText, std::string& plainText) {
    try {
        text::unscramble(cipherText, TextKeyTable(), plainText);
    } catch (const std::exception&) {
        plainText.clear();
        throw ComponentError(10005, sourceOf("Decrypt"), "Error deciphering encrypted data.");
    }
}

void ComponentSecurity::Encrypt(const std::string& plainText, std::string& cipherText) {
    if (!text::isEncryptable(plainText)) {
        cipherText.clear();
        throw ComponentError(10006, sourceOf("Encrypt"), text::refusalOf(plainText));
    }
    try {
        text::scramble(plainText, TextKeyTable(), runtime::processRandom(), runtime::processClock(),
                       cipherText);
    } catch (const std::exception&) {
        cipherText.clear();
        throw ComponentError(10006, sourceOf("Encrypt"), "Error encrypting data.");
    }
}

std::optional<std::string> ComponentSecurity::DecryptBinary(std::string& cipherText) {
    try {
        return binary::unscramble(cipherText, BinaryKeyTable());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::string> ComponentSecurity::EncryptBinary(const std::string& plainText) {
    if (!binary::carriesWhole(plainText))
        return std::nullopt;
    try {
        return binary::scramble(plainText, BinaryKeyTable(), runtime::processRandom(),
                                runtime::processClock());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string ComponentSecurity::BinaryKeyTable() const {
    return keys::BuildBinaryKeyTable();
}

// Built once: the table never changes, and building it for every call cost each an allocation.
const std::string& ComponentSecurity::TextKeyTable() const {
    static const std::string table = keys::BuildTextKeyTable();
    return table;
}

} // namespace vellum

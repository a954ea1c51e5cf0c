#include "component/ComponentSecurity.h"

#include "component/Cipher.h"
#include "generated/Version.h"

#include <algorithm>
#include <utility>

namespace vellum::component {

namespace {

constexpr char kClassNameText[] = "Vellum41.ComponentSecurity.";
constexpr std::int32_t kClassId = 48;
// The longest plaintexts, and the codes, that are certain to come back.
constexpr std::size_t kLongestText = 109;
constexpr std::size_t kLongestBinary = 252;
constexpr int kLowestCarried = 14;
constexpr int kHighestCarried = 124;

// Why Encrypt must refuse `plainText`, in plain words, or nothing: what comes back changed or cut
// would be a silent wrong result.
std::optional<std::string> refusalOf(std::string_view plainText) {
    if (plainText.size() > kLongestText)
        return "Error encrypting data: the text has " + std::to_string(plainText.size()) +
               " characters; at most " + std::to_string(kLongestText) + " can be encrypted.";
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

bool carriedByBinary(const std::string& plainText) {
    return plainText.size() <= kLongestBinary &&
           std::none_of(plainText.begin(), plainText.end(), [](char character) {
               return static_cast<unsigned char>(character) >= 254;
           });
}

} // namespace

bool IsCarried(std::string_view plainText) {
    return plainText.size() <= kLongestText &&
           std::all_of(plainText.begin(), plainText.end(), [](char character) {
               const int code = static_cast<unsigned char>(character);
               return code >= kLowestCarried && code <= kHighestCarried;
           });
}

ComponentError::ComponentError(std::int32_t number, std::string source,
                               const std::string& description)
    : std::runtime_error(description)
    , m_number(number)
    , m_source(std::move(source)) {}

std::string ComponentSecurity::ClassName() const {
    std::string name = kClassNameText;
    if (!name.empty() && name.back() == '.')
        name.pop_back();
    return name;
}

std::string ComponentSecurity::ClassVersion() const {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

std::string ComponentSecurity::ClassDescription() const {
    return ClassName();
}

std::int32_t ComponentSecurity::ClassID() const {
    return kClassId;
}

std::string ComponentSecurity::Decrypt(std::string& cipherText) {
    try {
        return Unscramble<kTextCipher>(cipherText, TextKeyTable());
    } catch (const std::exception&) {
        throw ComponentError(10005, std::string(kClassNameText) + "Decrypt",
                             "Error deciphering encrypted data.");
    }
}

std::string ComponentSecurity::Encrypt(std::string_view plainText) {
    if (const std::optional<std::string> refusal = refusalOf(plainText))
        throw ComponentError(10006, std::string(kClassNameText) + "Encrypt", *refusal);
    try {
        return Scramble<kTextCipher>(plainText, TextKeyTable(), ProcessRandom(), ProcessClock());
    } catch (const std::exception&) {
        throw ComponentError(10006, std::string(kClassNameText) + "Encrypt",
                             "Error encrypting data.");
    }
}

std::optional<std::string> ComponentSecurity::DecryptBinary(std::string& cipherText) {
    try {
        return Unscramble<kBinaryCipher>(cipherText, BinaryKeyTable());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::string> ComponentSecurity::EncryptBinary(const std::string& plainText) {
    if (!carriedByBinary(plainText))
        return std::nullopt;
    try {
        return Scramble<kBinaryCipher>(plainText, BinaryKeyTable(), ProcessRandom(),
                                       ProcessClock());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string ComponentSecurity::BinaryKeyTable() const {
    return BuildBinaryKeyTable();
}

const std::string& ComponentSecurity::TextKeyTable() const {
    return TextCipherTable();
}

} // namespace vellum::component

#include "text/LineCipher.h"

#include "text/ExtendedCipher.h"
#include "text/PrintableForm.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vellum::text {

namespace {

// The component keeps its descriptions in English; the line layer hands Encrypt only the lines
// it carries, so each error has the one description its number gives.
LineRefused refusalOf(const component::ComponentError& error) {
    const Translatable description =
        error.Number() == 10005
            ? VELLUM_TRANSLATABLE("ComponentSecurity", "Error deciphering encrypted data.")
            : VELLUM_TRANSLATABLE("ComponentSecurity", "Error encrypting data.");
    return {error.Source(), {description, {}}};
}

// Ciphertexts and their printable forms are ASCII, so a line with any other character is
// neither. Every character before the first such one is a byte of its own.
void refuseNonAscii(std::string_view line) {
    const auto* const found = std::find_if(line.begin(), line.end(), [](char character) {
        return static_cast<unsigned char>(character) >= 0x80;
    });
    if (found == line.end())
        return;
    const auto at = static_cast<std::size_t>(found - line.begin());
    const Utf8Sequence sequence = DecodeUtf8(line, at);
    if (sequence.length == 0)
        throw LineRefused({}, NotUtf8(at + 1).Why());
    std::array<char, 16> codePoint{};
    std::snprintf(codePoint.data(), codePoint.size(), "U+%04X",
                  static_cast<unsigned>(sequence.character));
    throw LineRefused({}, {VELLUM_TRANSLATABLE("Refusal", "Character %1 of the text, \"%2\" (%3), "
                                                          "cannot be part of an encrypted text."),
                           {std::to_string(at + 1), std::string(line.substr(at, sequence.length)),
                            codePoint.data()}});
}

} // namespace

LineRefused::LineRefused(std::string source, Message message)
    : Refusal(std::move(message))
    , m_source(std::move(source)) {}

// A line the text cipher carries keeps its format, so that every earlier build reads it.
std::string EncryptLine(component::ComponentSecurity& security, std::string_view line) {
    try {
        if (component::IsCarried(line))
            return security.Encrypt(line);
        return EncryptExtended(line);
    } catch (const component::ComponentError& error) {
        throw refusalOf(error);
    } catch (const Refusal& notUtf8) {
        throw LineRefused({}, notUtf8.Why());
    }
}

// The component's plaintexts are codes 14 to 124, so they are UTF-8 as they stand.
std::string DecryptLine(component::ComponentSecurity& security, std::string_view line) {
    refuseNonAscii(line);
    std::string cipherText(line);
    try {
        if (LooksWrapped(cipherText))
            cipherText = Unwrap(cipherText);
        if (IsExtended(cipherText))
            return DecryptExtended(cipherText);
        return security.Decrypt(cipherText);
    } catch (const Refusal& damage) { // a damaged printable form or extended ciphertext
        throw LineRefused({}, damage.Why());
    } catch (const component::ComponentError& error) {
        throw refusalOf(error);
    }
}

} // namespace vellum::text

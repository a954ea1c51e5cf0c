#include "text/LineCipher.h"

#include "text/ExtendedCipher.h"
#include "text/PrintableForm.h"
#include "text/Windows1252.h"

namespace vellum::text {

namespace {

std::string codesOf(std::string_view line) {
    Conversion conversion = FromUtf8(line);
    if (conversion.unconvertible)
        throw LineRefused({}, Describe(*conversion.unconvertible));
    return std::move(conversion.codes);
}

LineRefused refusalOf(const component::ComponentError& error) {
    return {error.Source(), {"ComponentSecurity", ToUtf8(error.Description()), {}}};
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

std::string DecryptLine(component::ComponentSecurity& security, std::string_view line) {
    std::string codes = codesOf(line);
    try {
        if (LooksWrapped(codes))
            codes = Unwrap(codes);
        if (IsExtended(codes))
            return DecryptExtended(codes);
        return ToUtf8(security.Decrypt(codes));
    } catch (const Refusal& damage) { // a damaged printable form or extended ciphertext
        throw LineRefused({}, damage.Why());
    } catch (const component::ComponentError& error) {
        throw refusalOf(error);
    }
}

} // namespace vellum::text

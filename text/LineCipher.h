#pragma once

#include "component/ComponentSecurity.h"
#include "text/Message.h"

#include <array>
#include <string>
#include <string_view>

// One line through the cipher, UTF-8 in and out, as the window and the filters both take it.
namespace vellum::text {

// A line that cannot be encrypted or decrypted. Source() is the failing component operation's,
// or empty when the text itself is at fault; Why() says why, for the user.
class LineRefused : public Refusal {
public:
    LineRefused(std::string source, Message message);
    const std::string& Source() const { return m_source; }

private:
    std::string m_source;
};

// The component's descriptions of its errors, which it keeps in English; filed here for the
// catalogues, so that the front ends show them translated. A refusal that comes from the
// component carries its description as it is, in the context "ComponentSecurity".
inline constexpr std::array kComponentDescriptions = {
    VELLUM_TRANSLATABLE("ComponentSecurity", "Error deciphering encrypted data."),
    VELLUM_TRANSLATABLE("ComponentSecurity", "Error encrypting data.")};

// The ciphertext of any UTF-8 `line`: plain ASCII, codes 14 to 127, never LF or CR. A line the
// text cipher carries gets its ciphertext, every other one an extended ciphertext.
std::string EncryptLine(component::ComponentSecurity& security, std::string_view line);

// The line inside a ciphertext of either kind or its printable form (white space around the form
// aside).
std::string DecryptLine(component::ComponentSecurity& security, std::string_view line);

} // namespace vellum::text

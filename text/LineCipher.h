#pragma once

#include "component/ComponentSecurity.h"
#include "text/Message.h"

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

// The ciphertext of any UTF-8 `line`: plain ASCII, codes 14 to 127, never LF or CR. A line the
// text cipher carries gets its ciphertext, every other one an extended ciphertext.
std::string EncryptLine(component::ComponentSecurity& security, std::string_view line);

// The line inside a ciphertext of either kind or its printable form (white space around the form
// aside).
std::string DecryptLine(component::ComponentSecurity& security, std::string_view line);

} // namespace vellum::text

#pragma once

#include "component/ComponentSecurity.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellum::filter {

// Decrypt reads either form of a ciphertext: the bare one, or its printable form.
// EncryptToQrCode draws each printable form as a QR code for a terminal, then writes it out.
enum class Direction : std::uint8_t { Encrypt, EncryptToPrintable, EncryptToQrCode, Decrypt };

// Turns a stream of lines into ciphertexts, or ciphertexts back into lines: one line out, ending
// in LF, for each line in. A line ends at LF, and a CR just before the LF belongs to the line
// ending; a last line without LF is a line too. Text is UTF-8 on both sides and goes through the
// same line layer as the window, with the same refusals. Ciphertexts never hold LF or CR, and a
// decrypted line that holds LF is refused, so no output line can break in two.
class LineFilter {
public:
    // With `showControls`, the control characters of a decrypted line, tabs aside, come out in
    // caret notation (^N, M-^[), for a terminal, which would otherwise take them as keys.
    LineFilter(Direction direction, bool showControls);

    // Filters every line that `input` completes into Output(). False at the first line that
    // cannot be filtered: Failure() then says which and why, and Output() holds the lines
    // before it, whole.
    bool Feed(std::string_view input);
    // The end of the input: filters a last line that has no LF.
    bool Finish();

    // What the caller writes out, then empties.
    std::string& Output() { return m_output; }
    const std::string& Failure() const { return m_failure; }

private:
    bool filterLine(std::string_view line);
    std::string decryptedLine(std::string_view line);

    Direction m_direction;
    bool m_showControls;
    component::ComponentSecurity m_security;
    std::string m_unfinished; // the start of a line that later input completes
    std::size_t m_lineNumber = 0;
    std::string m_output;
    std::string m_failure;
};

// Filters file descriptor `in` into `out`, writing each time the input pauses, so that a line
// typed at a terminal comes back at once. Refuses to write bare ciphertexts to a terminal. Returns
// what stopped it, in the user's words, or nothing once every line is filtered.
std::optional<std::string> Run(Direction direction, int in, int out);

} // namespace vellum::filter

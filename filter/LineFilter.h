#pragma once

#include "ComponentSecurity.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellum::filter {

// Decrypt reads either form of a ciphertext: the bare one, or its printable form.
enum class Direction : std::uint8_t { Encrypt, EncryptToPrintable, Decrypt };

// Turns a stream of lines into ciphertexts, or ciphertexts back into lines: one line out, ending
// in LF, for each line in. A line ends at LF, and a CR just before the LF belongs to the line
// ending; a last line without LF is a line too. Text is UTF-8 on both sides and goes through the
// same Windows-1252 layer as the window, with the same refusals. Ciphertexts never hold LF or CR,
// and Decrypt yields only codes 14 to 124, so no output line can break in two.
class LineFilter {
public:
    // With `showControls`, the control characters of a decrypted line come out in caret notation
    // (^N), for a terminal, which would otherwise take them as keys.
    LineFilter(Direction direction, bool showControls);

    // Filters every line that `input` completes into output(). False at the first line that
    // cannot be filtered: failure() then says which and why, and output() holds the lines
    // before it, whole.
    bool Feed(std::string_view input);
    // The end of the input: filters a last line that has no LF.
    bool Finish();

    // What the caller writes out, then clears with ClearOutput().
    std::string_view output() const { return {m_output.data(), m_outputSize}; }
    void ClearOutput() { m_outputSize = 0; }
    const std::string& failure() const { return m_failure; }

private:
    bool filterLine(std::string_view line);
    // Puts the codes the cipher takes for `line` into m_codes; false once refuse() said why not.
    bool readCodes(std::string_view line);
    bool refuse(const std::string& description);
    // Where the next `count` characters of output go, with room for `slack` more behind them.
    char* outputRoom(std::size_t count, std::size_t slack);
    void growOutput(std::size_t room);
    // Each appends a line of output and its LF.
    void appendLine(std::string_view text);
    void appendUtf8Line(std::string_view codes);
    bool appendWrappedLine(); // the printable form of m_result; false for a code it cannot carry

    Direction m_direction;
    bool m_showControls;
    ComponentSecurity m_security;
    std::string m_unfinished; // the start of a line that later input completes
    // The line being filtered, in the ciphers' codes, and what the cipher made of it; their storage
    // is kept from line to line.
    std::string m_codes;
    std::string m_result;
    std::string m_spare; // for unwrapping printable forms
    std::size_t m_lineNumber = 0;
    // The output is its first m_outputSize characters. The room after them is kept from line to
    // line, so that a printable form is written straight into it.
    std::string m_output;
    std::size_t m_outputSize = 0;
    std::string m_failure;
};

// Filters file descriptor `in` into `out`, writing each time the input pauses, so that a line
// typed at a terminal comes back at once. Refuses to write bare ciphertexts to a terminal. Returns
// what stopped it, in the user's words, or nothing once every line is filtered.
std::optional<std::string> Run(Direction direction, int in, int out);

} // namespace vellum::filter

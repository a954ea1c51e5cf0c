#include "LineFilter.h"

#include "PrintableForm.h"
#include "Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <span>
#include <unistd.h>

namespace vellum::filter {

namespace {

// Caret notation, as cat -v shows controls: code 14 as ^N, 31 as ^_.
std::string showingControls(const std::string& codes) {
    std::string shown;
    shown.reserve(codes.size());
    for (const char code : codes) {
        if (static_cast<unsigned char>(code) < 0x20) {
            shown += '^';
            shown += static_cast<char>(code + 0x40);
        } else {
            shown += code;
        }
    }
    return shown;
}

std::string systemError(const char* what, int error) {
    return std::string(what) + ": " + std::strerror(error);
}

bool writeAll(int out, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(out, text.data(), text.size());
        if (written < 0 && errno != EINTR)
            return false;
        if (written > 0)
            text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

ssize_t readSome(int in, std::span<char> buffer) {
    ssize_t got = 0;
    do
        got = ::read(in, buffer.data(), buffer.size());
    while (got < 0 && errno == EINTR);
    return got;
}

} // namespace

LineFilter::LineFilter(Direction direction, bool showControls)
    : m_direction(direction)
    , m_showControls(showControls) {}

bool LineFilter::Feed(std::string_view input) {
    for (std::size_t end = input.find('\n'); end != std::string_view::npos;
         end = input.find('\n')) {
        std::string_view line = input.substr(0, end);
        input.remove_prefix(end + 1);
        if (!m_unfinished.empty())
            line = m_unfinished.append(line);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const bool filtered = filterLine(line);
        m_unfinished.clear();
        if (!filtered)
            return false;
    }
    m_unfinished.append(input);
    return true;
}

bool LineFilter::Finish() {
    if (m_unfinished.empty())
        return true;
    const bool filtered = filterLine(m_unfinished);
    m_unfinished.clear();
    return filtered;
}

// An undamaged printable form skips the conversion to codes, which would only copy it; anything
// else, a damaged form too, is converted, so that refusals name characters as the user counts them.
bool LineFilter::readCodes(std::string_view line) {
    if (m_direction == Direction::Decrypt && printable::UnwrapUndamaged(line, m_codes))
        return true;
    if (const auto unconvertible = windows1252::FromUtf8(line, m_codes))
        return refuse(windows1252::Describe(*unconvertible));
    if (m_direction != Direction::Decrypt)
        return true;
    const std::optional<std::string> damage = printable::UnwrapIfWrapped(m_codes, m_spare);
    return !damage || refuse(*damage);
}

bool LineFilter::filterLine(std::string_view line) {
    ++m_lineNumber;
    if (!readCodes(line))
        return false;
    try {
        if (m_direction == Direction::Decrypt)
            m_security.Decrypt(m_codes, m_result);
        else
            m_security.Encrypt(m_codes, m_result);
    } catch (const ComponentError& error) {
        return refuse(windows1252::ToUtf8(error.Description()));
    }
    if (m_direction == Direction::EncryptToPrintable)
        return appendWrappedLine() || refuse("its ciphertext has a code no printable form carries");
    if (m_showControls)
        appendUtf8Line(showingControls(m_result));
    else if (m_direction == Direction::Encrypt)
        appendLine(m_result); // a ciphertext's codes, 14 to 127, are ASCII: the same in UTF-8
    else
        appendUtf8Line(m_result);
    return true;
}

char* LineFilter::outputRoom(std::size_t count, std::size_t slack) {
    if (m_output.size() - m_outputSize < count + slack) [[unlikely]]
        growOutput(count + slack);
    return m_output.data() + m_outputSize;
}

void LineFilter::growOutput(std::size_t room) {
    m_output.resize(std::max(m_outputSize + room, 2 * m_output.size()));
}

// The printable form is written straight into the output's room: no string in between, and no
// characters set only to be written over.
bool LineFilter::appendWrappedLine() {
    const std::size_t length = printable::WrappedLength(m_result.size());
    char* const form = outputRoom(length + 1, printable::kWritingSlack);
    if (!printable::WriteWrapped(m_result, form))
        return false;
    form[length] = '\n';
    m_outputSize += length + 1;
    return true;
}

// Decrypted lines, whose length in UTF-8 is known only once converted, keep no room.
void LineFilter::appendUtf8Line(std::string_view codes) {
    m_output.resize(m_outputSize);
    windows1252::AppendUtf8(codes, m_output);
    m_output += '\n';
    m_outputSize = m_output.size();
}

void LineFilter::appendLine(std::string_view text) {
    char* const line = outputRoom(text.size() + 1, 0);
    std::memcpy(line, text.data(), text.size());
    line[text.size()] = '\n';
    m_outputSize += text.size() + 1;
}

bool LineFilter::refuse(const std::string& description) {
    m_failure = "line " + std::to_string(m_lineNumber) + ": " + description;
    return false;
}

std::optional<std::string> Run(Direction direction, int in, int out) {
    const bool toTerminal = ::isatty(out) == 1;
    if (direction == Direction::Encrypt && toTerminal)
        return "bare ciphertexts are not written to a terminal: their control characters would "
               "act there as keys.\nAdd --armor for their printable form, or redirect the output, "
               "for instance: vellumark9 --encrypt > note.txt";
    LineFilter filter(direction, toTerminal);
    // Left unwritten until read: a one-line run touches one page of it, not sixteen.
    constexpr std::size_t kBufferSize = 65536;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    for (;;) {
        const ssize_t got = readSome(in, {buffer.get(), kBufferSize});
        const int readError = errno;
        const bool filtered = got > 0 ? filter.Feed({buffer.get(), static_cast<std::size_t>(got)})
                                      : got == 0 && filter.Finish();
        if (!writeAll(out, filter.output()))
            return systemError("cannot write the output", errno);
        filter.ClearOutput();
        if (got < 0)
            return systemError("cannot read the input", readError);
        if (!filtered)
            return filter.failure();
        if (got == 0)
            return std::nullopt;
    }
}

} // namespace vellum::filter

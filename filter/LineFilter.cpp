#include "LineFilter.h"

#include "PrintableForm.h"
#include "Windows1252.h"

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
        printable::AppendWrapped(m_result, m_output);
    else if (m_showControls)
        windows1252::AppendUtf8(showingControls(m_result), m_output);
    else if (m_direction == Direction::Encrypt)
        m_output += m_result; // a ciphertext's codes, 14 to 127, are ASCII: the same in UTF-8
    else
        windows1252::AppendUtf8(m_result, m_output);
    m_output += '\n';
    return true;
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
        filter.output().clear();
        if (got < 0)
            return systemError("cannot read the input", readError);
        if (!filtered)
            return filter.failure();
        if (got == 0)
            return std::nullopt;
    }
}

} // namespace vellum::filter

#include "filter/LineFilter.h"

#include "text/LineCipher.h"
#include "text/PrintableForm.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace vellum::filter {

namespace {

// Caret notation, as cat -v shows controls: code 14 as ^N, 31 as ^_.
std::string showingControls(const std::string& line) {
    std::string shown;
    for (const char character : line) {
        if (static_cast<unsigned char>(character) < 0x20) {
            shown += '^';
            shown += static_cast<char>(character + 0x40);
        } else {
            shown += character;
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

ssize_t readSome(int in, char* buffer, std::size_t size) {
    ssize_t got = 0;
    do
        got = ::read(in, buffer, size);
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
        // A line read whole is filtered where it stands; one that began in an earlier read is
        // first completed.
        std::string_view line = input.substr(0, end);
        if (!m_unfinished.empty())
            line = m_unfinished.append(line);
        input.remove_prefix(end + 1);
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
    const std::string line = std::move(m_unfinished);
    m_unfinished.clear();
    return line.empty() || filterLine(line);
}

bool LineFilter::filterLine(std::string_view line) {
    ++m_lineNumber;
    try {
        switch (m_direction) {
        case Direction::Encrypt:
            m_output += text::EncryptLine(m_security, line);
            break;
        case Direction::EncryptToPrintable:
            m_output += text::Wrap(text::EncryptLine(m_security, line));
            break;
        case Direction::Decrypt: {
            const std::string decrypted = text::DecryptLine(m_security, line);
            m_output += m_showControls ? showingControls(decrypted) : decrypted;
        }
        }
    } catch (const text::LineRefused& refusal) {
        m_failure = "line " + std::to_string(m_lineNumber) + ": " + refusal.what();
        return false;
    }
    m_output += '\n';
    return true;
}

std::optional<std::string> Run(Direction direction, int in, int out) {
    const bool toTerminal = ::isatty(out) == 1;
    if (direction == Direction::Encrypt && toTerminal)
        return "bare ciphertexts are not written to a terminal: their control characters would "
               "act there as keys.\nAdd --armor for their printable form, or redirect the output, "
               "for instance: vellumark9 --encrypt > note.txt";
    LineFilter filter(direction, toTerminal);
    std::vector<char> buffer(65536);
    for (;;) {
        const ssize_t got = readSome(in, buffer.data(), buffer.size());
        const int readError = errno;
        const bool filtered = got > 0 ? filter.Feed({buffer.data(), static_cast<std::size_t>(got)})
                                      : got == 0 && filter.Finish();
        if (!writeAll(out, filter.Output()))
            return systemError("cannot write the output", errno);
        filter.Output().clear();
        if (got < 0)
            return systemError("cannot read the input", readError);
        if (!filtered)
            return filter.Failure();
        if (got == 0)
            return std::nullopt;
    }
}

} // namespace vellum::filter

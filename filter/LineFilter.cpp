#include "filter/LineFilter.h"

#include "filter/Catalogue.h"
#include "text/LineCipher.h"
#include "text/PrintableForm.h"
#include "text/QrCode.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace vellum::filter {

namespace {

// Caret notation, as cat -v shows controls: code 14 as ^N, DEL as ^?, and a C1 control, which
// a terminal may act on too, with M- before it (U+009B as M-^[). A tab stays a tab.
std::string showingControls(const std::string& line) {
    std::string shown;
    const auto caret = [&shown](unsigned code) {
        shown += '^';
        shown += static_cast<char>(code ^ 0x40U);
    };
    for (std::size_t at = 0; at < line.size(); ++at) {
        const auto byte = static_cast<unsigned char>(line[at]);
        const auto next = at + 1 < line.size() ? static_cast<unsigned char>(line[at + 1]) : 0U;
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) { // U+0080 to U+009F in UTF-8
            shown += "M-";
            caret(next - 0x80U);
            ++at;
        } else if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
            caret(byte);
        } else {
            shown += line[at];
        }
    }
    return shown;
}

// A QR code in text, as qrencode -t UTF8 draws one: two rows of modules to a line of half
// blocks, light drawn and dark left blank, for a terminal's light text on a dark ground, inside
// its quiet zone.
std::string halfBlockDrawing(const text::QrCode& code) {
    const int size = code.Size();
    const auto light = [&code, size](int x, int y) {
        return x < 0 || y < 0 || x >= size || y >= size || !code.IsDark(x, y);
    };
    std::string drawing;
    for (int y = -text::kQrQuietZone; y < size + text::kQrQuietZone; y += 2) {
        for (int x = -text::kQrQuietZone; x < size + text::kQrQuietZone; ++x) {
            const bool upper = light(x, y);
            const bool lower = light(x, y + 1);
            drawing += upper && lower ? "\u2588" : upper ? "\u2580" : lower ? "\u2584" : " ";
        }
        drawing += '\n';
    }
    return drawing;
}

std::string systemError(text::Translatable what, int error) {
    return Translated({what, {}}) + ": " + std::strerror(error);
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

// A line break inside would make two lines of one; only the window keeps such a line whole.
std::string LineFilter::decryptedLine(std::string_view line) {
    const std::string decrypted = text::DecryptLine(m_security, line);
    if (decrypted.find('\n') != std::string::npos)
        throw text::LineRefused(
            {}, {VELLUM_TRANSLATABLE("Refusal", "The decrypted text holds a line break, so it "
                                                "cannot be written as one line; decrypt it in the "
                                                "window instead."),
                 {}});
    return m_showControls ? showingControls(decrypted) : decrypted;
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
        case Direction::EncryptToQrCode: {
            const std::string form = text::Wrap(text::EncryptLine(m_security, line));
            m_output += halfBlockDrawing(text::QrCodeOf(form)) + form;
            break;
        }
        case Direction::Decrypt:
            m_output += decryptedLine(line);
        }
    } catch (const text::Refusal& refusal) {
        m_failure = Translated({VELLUM_TRANSLATABLE("Filter", "line %1: %2"),
                                {std::to_string(m_lineNumber), Translated(refusal.Why())}});
        return false;
    }
    m_output += '\n';
    return true;
}

std::optional<std::string> Run(Direction direction, int in, int out) {
    const bool toTerminal = ::isatty(out) == 1;
    if (direction == Direction::Encrypt && toTerminal)
        return Translated(
            {VELLUM_TRANSLATABLE("Filter",
                                 "bare ciphertexts are not written to a terminal: their control "
                                 "characters would act there as keys.\nAdd --armor for their "
                                 "printable form, or redirect the output, for instance: "
                                 "vellumark9 --encrypt > note.txt"),
             {}});
    LineFilter filter(direction, toTerminal);
    std::vector<char> buffer(65536);
    for (;;) {
        const ssize_t got = readSome(in, buffer.data(), buffer.size());
        const int readError = errno;
        const bool filtered = got > 0 ? filter.Feed({buffer.data(), static_cast<std::size_t>(got)})
                                      : got == 0 && filter.Finish();
        if (!writeAll(out, filter.Output()))
            return systemError(VELLUM_TRANSLATABLE("Filter", "cannot write the output"), errno);
        filter.Output().clear();
        if (got < 0)
            return systemError(VELLUM_TRANSLATABLE("Filter", "cannot read the input"), readError);
        if (!filtered)
            return filter.Failure();
        if (got == 0)
            return std::nullopt;
    }
}

} // namespace vellum::filter

#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace vellum {

namespace {

// Codes 0x80 to 0x9F are the only ones that are not their own Unicode value. The five the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same
// number, as in Windows itself, so that every byte has a character and comes back.
constexpr std::array<char16_t, 32> kUnicodeOf80To9F = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

constexpr bool isOwnUnicode(char16_t unit) {
    return unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF);
}

char16_t unicodeOf(char code) {
    const auto byte = static_cast<unsigned char>(code);
    return isOwnUnicode(byte) ? char16_t{byte} : kUnicodeOf80To9F[byte - 0x80u];
}

// The code of one UTF-16 unit, or nothing; a surrogate never has one.
std::optional<char> codeOf(char16_t unit) {
    if (isOwnUnicode(unit))
        return static_cast<char>(unit);
    const auto* const found = std::find(kUnicodeOf80To9F.begin(), kUnicodeOf80To9F.end(), unit);
    if (found == kUnicodeOf80To9F.end())
        return std::nullopt;
    return static_cast<char>(0x80 + std::distance(kUnicodeOf80To9F.begin(), found));
}

// The whole character that starts at `at`: a surrogate pair counts as one.
QString characterAt(const QString& text, qsizetype at) {
    const bool pair =
        text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
    return text.mid(at, pair ? 2 : 1);
}

} // namespace

QString fromWindows1252(const std::string& codes) {
    QString text(static_cast<qsizetype>(codes.size()), Qt::Uninitialized);
    std::transform(codes.begin(), codes.end(), text.begin(),
                   [](char code) { return QChar(unicodeOf(code)); });
    return text;
}

// One pass, which stops at the first character without a code. Every unit before it had one, so
// it was a character of its own: the unit's index is also the character's.
Windows1252Text toWindows1252(const QString& text) {
    std::string codes(static_cast<std::size_t>(text.size()), '\0');
    for (qsizetype at = 0; at < text.size(); ++at) {
        const std::optional<char> code = codeOf(text.at(at).unicode());
        if (!code)
            return {std::string(), UnencodableCharacter{characterAt(text, at), at + 1}};
        codes[static_cast<std::size_t>(at)] = *code;
    }
    return {std::move(codes), std::nullopt};
}

} // namespace vellum

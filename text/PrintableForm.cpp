#include "PrintableForm.h"

#include <algorithm>
#include <array>

namespace vellum::printable {

namespace {

constexpr std::string_view kDigits =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";
constexpr unsigned kBase = 63;
constexpr int kLowestCode = 14;
constexpr int kCodes = 114; // 14 to 127
constexpr std::size_t kCheckDigits = 3;
constexpr std::size_t kPairDigits = 3;
constexpr std::size_t kLastDigits = 2;
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

// Each character's digit value, or -1 for a character that is not a digit.
constexpr std::array<int, 256> kValues = [] {
    std::array<int, 256> values{};
    values.fill(-1);
    for (std::size_t digit = 0; digit < kDigits.size(); ++digit)
        values[static_cast<unsigned char>(kDigits[digit])] = static_cast<int>(digit);
    return values;
}();

int valueOf(char character) {
    return kValues[static_cast<unsigned char>(character)];
}

// The check: each data digit's value weighted by its place (1, 2, 3...), summed modulo the prime
// 65521. A single changed digit changes the sum by its place times at most 62 either way, less
// than the modulus and never 0, so it is always caught; a changed check digit breaks the match.
constexpr unsigned kCheckModulus = 65521;

unsigned checkOf(std::string_view digits) {
    unsigned check = 0;
    unsigned place = 0;
    for (const char digit : digits)
        check += ++place * static_cast<unsigned>(valueOf(digit));
    return check % kCheckModulus;
}

// Writes `value` as `count` digits, the most significant first, and moves `out` past them.
void writeDigits(char*& out, unsigned value, std::size_t count) {
    for (std::size_t at = count; at-- > 0; value /= kBase)
        out[at] = kDigits[value % kBase];
    out += count;
}

// The number `digits` stand for; they are known to be digits.
int readDigits(std::string_view digits) {
    int value = 0;
    for (const char digit : digits)
        value = value * static_cast<int>(kBase) + valueOf(digit);
    return value;
}

int codeValue(char character) {
    return static_cast<unsigned char>(character) - kLowestCode;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

std::size_t prefixMismatches(std::string_view form) {
    std::size_t mismatches = 0;
    for (std::size_t at = 0; at < kPrefix.size(); ++at)
        mismatches += at >= form.size() || form[at] != kPrefix[at] ? 1 : 0;
    return mismatches;
}

Unwrapped damaged(const std::string& why) {
    return {{}, "The printable text is damaged: " + why + ". Nothing was decrypted."};
}

std::string places(std::size_t first, std::size_t count) {
    return "characters " + std::to_string(first + 1) + " to " + std::to_string(first + count);
}

} // namespace

std::optional<std::string> Wrap(std::string_view cipherText) {
    if (std::any_of(cipherText.begin(), cipherText.end(), [](char character) {
            return static_cast<unsigned>(codeValue(character)) >= kCodes;
        }))
        return std::nullopt;
    const std::size_t pairs = cipherText.size() / 2;
    const bool odd = cipherText.size() % 2 != 0;
    std::string form(kPrefix.size() + kCheckDigits + pairs * kPairDigits + (odd ? kLastDigits : 0),
                     '\0');
    char* checkAt = std::copy(kPrefix.begin(), kPrefix.end(), form.data());
    char* out = checkAt + kCheckDigits;
    for (std::size_t pair = 0; pair < pairs; ++pair)
        writeDigits(out,
                    static_cast<unsigned>(codeValue(cipherText[2 * pair]) * kCodes +
                                          codeValue(cipherText[2 * pair + 1])),
                    kPairDigits);
    if (odd)
        writeDigits(out, static_cast<unsigned>(codeValue(cipherText.back())), kLastDigits);
    writeDigits(checkAt, checkOf(std::string_view(form).substr(kPrefix.size() + kCheckDigits)),
                kCheckDigits);
    return form;
}

// The prefix whole; or, so that a changed character there is caught too, the prefix with one
// character changed and nothing but digits after it. A ciphertext's first character is never
// "v", and one beginning "?m9_" with nothing but digits in all its 30 or more characters would
// come about once in some 10^13.
bool IsWrapped(std::string_view text) {
    const std::string_view form = trimmed(text);
    const std::size_t mismatches = prefixMismatches(form);
    return mismatches == 0 || (mismatches == 1 && form.size() > kPrefix.size() + kCheckDigits &&
                               std::all_of(form.begin() + kPrefix.size(), form.end(),
                                           [](char character) { return valueOf(character) >= 0; }));
}

Unwrapped Unwrap(std::string_view text) {
    const std::string_view form = trimmed(text);
    if (prefixMismatches(form) != 0)
        return damaged("it does not begin with " + std::string(kPrefix));
    const auto notDigit = std::find_if(form.begin() + kPrefix.size(), form.end(),
                                       [](char character) { return valueOf(character) < 0; });
    if (notDigit != form.end())
        return damaged("character " + std::to_string(notDigit - form.begin() + 1) +
                       " is not a letter, a digit or an underscore");
    const std::size_t body = form.size() - kPrefix.size();
    if (body < kCheckDigits || (body - kCheckDigits) % kPairDigits == 1)
        return damaged("it has " + std::to_string(form.size()) +
                       " characters, a length no printable text has");

    const std::string_view data = form.substr(kPrefix.size() + kCheckDigits);
    if (static_cast<unsigned>(readDigits(form.substr(kPrefix.size(), kCheckDigits))) !=
        checkOf(data))
        return damaged("its check does not match, so a character in it was changed, added or lost");
    Unwrapped unwrapped;
    std::string& cipherText = unwrapped.cipherText;
    cipherText.reserve(data.size() / kPairDigits * 2 + 1);
    for (std::size_t at = 0; at < data.size(); at += kPairDigits) {
        const std::size_t count = std::min(kPairDigits, data.size() - at);
        const int value = readDigits(data.substr(at, count));
        if (value >= (count == kPairDigits ? kCodes * kCodes : kCodes))
            return damaged(places(kPrefix.size() + kCheckDigits + at, count) +
                           " stand for no scrambled text");
        if (count == kPairDigits)
            cipherText += static_cast<char>(value / kCodes + kLowestCode);
        cipherText += static_cast<char>(value % kCodes + kLowestCode);
    }
    return unwrapped;
}

} // namespace vellum::printable

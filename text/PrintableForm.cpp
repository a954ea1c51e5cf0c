#include "PrintableForm.h"

#include <algorithm>
#include <array>
#include <stdexcept>

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

// Writes `value`, below 63^3, as three digits, the most significant first.
void writeThreeDigits(char* out, unsigned value) {
    out[0] = kDigits[value / (kBase * kBase)];
    out[1] = kDigits[value / kBase % kBase];
    out[2] = kDigits[value % kBase];
}

// The number three digits stand for, or -1 when one of them is not a digit.
int readThreeDigits(const char* digits) {
    const int high = valueOf(digits[0]);
    const int middle = valueOf(digits[1]);
    const int low = valueOf(digits[2]);
    return (high | middle | low) < 0 ? -1 : (high * 63 + middle) * 63 + low;
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

// One pass over the ciphertext, one allocation; the check digits are written last.
std::string Wrap(std::string_view cipherText) {
    const std::size_t pairs = cipherText.size() / 2;
    const bool odd = cipherText.size() % 2 != 0;
    std::string form(kPrefix.size() + kCheckDigits + pairs * kPairDigits + (odd ? kLastDigits : 0),
                     '\0');
    char* const checkAt = std::copy(kPrefix.begin(), kPrefix.end(), form.data());
    char* out = checkAt + kCheckDigits;
    unsigned outside = 0;
    for (std::size_t pair = 0; pair < pairs; ++pair, out += kPairDigits) {
        const auto first = static_cast<unsigned>(codeValue(cipherText[2 * pair]));
        const auto second = static_cast<unsigned>(codeValue(cipherText[2 * pair + 1]));
        outside |= (first >= kCodes ? 1U : 0U) | (second >= kCodes ? 1U : 0U);
        writeThreeDigits(out, first * kCodes + second);
    }
    if (odd) {
        const auto last = static_cast<unsigned>(codeValue(cipherText.back()));
        outside |= last >= kCodes ? 1U : 0U;
        out[0] = kDigits[last / kBase % kBase];
        out[1] = kDigits[last % kBase];
    }
    if (outside != 0)
        throw std::invalid_argument(
            "a printable form wraps ciphertexts, whose codes are 14 to 127");
    writeThreeDigits(checkAt,
                     checkOf(std::string_view(form).substr(kPrefix.size() + kCheckDigits)));
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
    if (static_cast<unsigned>(readThreeDigits(form.data() + kPrefix.size())) != checkOf(data))
        return damaged("its check does not match, so a character in it was changed, added or lost");

    const std::size_t pairs = data.size() / kPairDigits;
    const bool odd = data.size() % kPairDigits != 0;
    Unwrapped unwrapped{std::string(2 * pairs + (odd ? 1 : 0), '\0'), std::nullopt};
    char* out = unwrapped.cipherText.data();
    for (std::size_t pair = 0; pair < pairs; ++pair) {
        const int value = readThreeDigits(data.data() + pair * kPairDigits);
        if (value >= kCodes * kCodes)
            return damaged(places(kPrefix.size() + kCheckDigits + pair * kPairDigits, kPairDigits) +
                           " stand for no scrambled text");
        *out++ = static_cast<char>(value / kCodes + kLowestCode);
        *out++ = static_cast<char>(value % kCodes + kLowestCode);
    }
    if (odd) {
        const int value = valueOf(data[data.size() - 2]) * 63 + valueOf(data.back());
        if (value >= kCodes)
            return damaged(places(form.size() - kLastDigits, kLastDigits) +
                           " stand for no scrambled text");
        *out = static_cast<char>(value + kLowestCode);
    }
    return unwrapped;
}

} // namespace vellum::printable

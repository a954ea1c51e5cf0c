#include "PrintableForm.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace vellum::printable {

namespace {

constexpr std::string_view kDigits =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";
constexpr unsigned kBase = 63;
constexpr unsigned kLowestCode = 14;
constexpr unsigned kCodes = 114; // 14 to 127
constexpr std::size_t kCheckDigits = 3;
constexpr std::size_t kPairDigits = 3;
constexpr std::size_t kLastDigits = 2;
constexpr std::size_t kDataStart = kPrefix.size() + kCheckDigits;
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

// Each character's digit value, or -1 for a character that is not a digit.
constexpr std::array<std::int8_t, 256> kValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (std::size_t digit = 0; digit < kDigits.size(); ++digit)
        values[static_cast<unsigned char>(kDigits[digit])] = static_cast<std::int8_t>(digit);
    return values;
}();

int valueOf(char character) {
    return kValues[static_cast<unsigned char>(character)];
}

// The check: each data digit's value weighted by its place (1, 2, 3...), summed modulo the prime
// 65521. A single changed digit changes the sum by its place times at most 62 either way, less
// than the modulus and never 0, so it is always caught; a changed check digit breaks the match.
constexpr unsigned kCheckModulus = 65521;

// The weighted sum of the digits with the values `first`, `second` and `third` at places `place`
// and the two after it.
std::uint64_t weighted(std::uint64_t place, unsigned first, unsigned second, unsigned third) {
    return place * (first + second + third) + second + 2 * third;
}

unsigned checkOf(std::string_view digits) {
    std::uint64_t check = 0;
    std::uint64_t place = 0;
    for (const char digit : digits)
        check += ++place * static_cast<unsigned>(valueOf(digit));
    return static_cast<unsigned>(check % kCheckModulus);
}

// Writes `value`, below 63^3, as three digits, the most significant first.
void writeThreeDigits(char* out, unsigned value) {
    out[0] = kDigits[value / (kBase * kBase)];
    out[1] = kDigits[value / kBase % kBase];
    out[2] = kDigits[value % kBase];
}

// The number three digits stand for, or a negative number when one of them is not a digit.
int readThreeDigits(const char* digits) {
    const int high = valueOf(digits[0]);
    const int middle = valueOf(digits[1]);
    const int low = valueOf(digits[2]);
    return (high | middle | low) < 0
               ? -1
               : (high * static_cast<int>(kBase) + middle) * static_cast<int>(kBase) + low;
}

unsigned codeValue(char character) {
    return static_cast<unsigned>(static_cast<unsigned char>(character)) - kLowestCode;
}

std::size_t wrappedLength(std::size_t cipherLength) {
    return kDataStart + cipherLength / 2 * kPairDigits + (cipherLength % 2 != 0 ? kLastDigits : 0);
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

bool hasWrappedLength(std::string_view form) {
    const std::size_t body = form.size() - std::min(form.size(), kPrefix.size());
    return body >= kCheckDigits && (body - kCheckDigits) % kPairDigits != 1;
}

// Decodes a whole, undamaged form into `cipherText` in one pass, every check folded into one sign:
// lines go through here one after another. False at any damage, which damageOf then names.
bool decodeUndamaged(std::string_view form, std::string& cipherText) {
    if (prefixMismatches(form) != 0 || !hasWrappedLength(form))
        return false;
    const std::string_view data = form.substr(kDataStart);
    const std::size_t pairs = data.size() / kPairDigits;
    const bool odd = data.size() % kPairDigits != 0;
    cipherText.resize(2 * pairs + (odd ? 1 : 0));
    char* out = cipherText.data();
    const char* in = data.data();
    int damage = 0; // negative once anything is wrong
    std::uint64_t check = 0;
    for (std::size_t pair = 0; pair < pairs; ++pair, in += kPairDigits, out += 2) {
        const int high = valueOf(in[0]), middle = valueOf(in[1]), low = valueOf(in[2]);
        const int value = (high * static_cast<int>(kBase) + middle) * static_cast<int>(kBase) + low;
        damage |= high | middle | low | (static_cast<int>(kCodes * kCodes) - 1 - value);
        check += weighted(pair * kPairDigits + 1, static_cast<unsigned>(high),
                          static_cast<unsigned>(middle), static_cast<unsigned>(low));
        out[0] = static_cast<char>(static_cast<unsigned>(value) / kCodes + kLowestCode);
        out[1] = static_cast<char>(static_cast<unsigned>(value) % kCodes + kLowestCode);
    }
    if (odd) {
        const int high = valueOf(in[0]), low = valueOf(in[1]);
        const int value = high * static_cast<int>(kBase) + low;
        damage |= high | low | (static_cast<int>(kCodes) - 1 - value);
        check += weighted(pairs * kPairDigits, 0, static_cast<unsigned>(high),
                          static_cast<unsigned>(low));
        out[0] = static_cast<char>(static_cast<unsigned>(value) + kLowestCode);
    }
    return damage >= 0 && static_cast<unsigned>(readThreeDigits(form.data() + kPrefix.size())) ==
                              check % kCheckModulus;
}

std::string damaged(const std::string& why) {
    return "The printable text is damaged: " + why + ". Nothing was decrypted.";
}

std::string places(std::size_t first, std::size_t count) {
    return "characters " + std::to_string(first + 1) + " to " + std::to_string(first + count);
}

// Where the form of a refused printable text is damaged first, in the order a reader checks it.
std::string damageOf(std::string_view form) {
    if (prefixMismatches(form) != 0)
        return damaged("it does not begin with " + std::string(kPrefix));
    const auto notDigit = std::find_if(form.begin() + kPrefix.size(), form.end(),
                                       [](char character) { return valueOf(character) < 0; });
    if (notDigit != form.end())
        return damaged("character " + std::to_string(notDigit - form.begin() + 1) +
                       " is not a letter, a digit or an underscore");
    if (!hasWrappedLength(form))
        return damaged("it has " + std::to_string(form.size()) +
                       " characters, a length no printable text has");
    if (static_cast<unsigned>(readThreeDigits(form.data() + kPrefix.size())) !=
        checkOf(form.substr(kDataStart)))
        return damaged("its check does not match, so a character in it was changed, added or lost");
    // All that is left: digits standing for more than a pair of codes, or a last code, can hold.
    std::size_t at = kDataStart;
    while (at + kPairDigits <= form.size() &&
           readThreeDigits(form.data() + at) < static_cast<int>(kCodes * kCodes))
        at += kPairDigits;
    return damaged(places(at, std::min(kPairDigits, form.size() - at)) +
                   " stand for no scrambled text");
}

} // namespace

std::string Wrap(std::string_view cipherText) {
    std::string form;
    AppendWrapped(cipherText, form);
    return form;
}

// One pass over the ciphertext; the check digits, worked out on the way, are written last.
void AppendWrapped(std::string_view cipherText, std::string& text) {
    const std::size_t start = text.size();
    text.resize(start + wrappedLength(cipherText.size()));
    char* const form = text.data() + start;
    std::copy(kPrefix.begin(), kPrefix.end(), form);
    char* out = form + kDataStart;
    const std::size_t pairs = cipherText.size() / 2;
    unsigned outside = 0;
    std::uint64_t check = 0;
    for (std::size_t pair = 0; pair < pairs; ++pair, out += kPairDigits) {
        const unsigned first = codeValue(cipherText[2 * pair]);
        const unsigned second = codeValue(cipherText[2 * pair + 1]);
        outside |= (first >= kCodes ? 1U : 0U) | (second >= kCodes ? 1U : 0U);
        const unsigned value = first * kCodes + second;
        writeThreeDigits(out, value);
        check += weighted(pair * kPairDigits + 1, value / (kBase * kBase), value / kBase % kBase,
                          value % kBase);
    }
    if (cipherText.size() % 2 != 0) {
        const unsigned last = codeValue(cipherText.back());
        outside |= last >= kCodes ? 1U : 0U;
        out[0] = kDigits[last / kBase % kBase];
        out[1] = kDigits[last % kBase];
        check += weighted(pairs * kPairDigits, 0, last / kBase % kBase, last % kBase);
    }
    if (outside != 0) {
        text.resize(start);
        throw std::invalid_argument(
            "a printable form wraps ciphertexts, whose codes are 14 to 127");
    }
    writeThreeDigits(form + kPrefix.size(), static_cast<unsigned>(check % kCheckModulus));
}

// The prefix whole; or, so that a changed character there is caught too, the prefix with one
// character changed and nothing but digits after it. A ciphertext's first character is never
// "v", and one beginning "?m9_" with nothing but digits in all its 30 or more characters would
// come about once in some 10^13.
bool IsWrapped(std::string_view text) {
    const std::string_view form = trimmed(text);
    const std::size_t mismatches = prefixMismatches(form);
    return mismatches == 0 || (mismatches == 1 && form.size() > kDataStart &&
                               std::all_of(form.begin() + kPrefix.size(), form.end(),
                                           [](char character) { return valueOf(character) >= 0; }));
}

std::optional<std::string> Unwrap(std::string_view text, std::string& cipherText) {
    const std::string_view form = trimmed(text);
    if (decodeUndamaged(form, cipherText))
        return std::nullopt;
    cipherText.clear();
    return damageOf(form);
}

std::optional<std::string> UnwrapIfWrapped(std::string& text, std::string& spare) {
    if (!IsWrapped(text))
        return std::nullopt;
    std::optional<std::string> damage = Unwrap(text, spare);
    if (!damage)
        text.swap(spare);
    return damage;
}

} // namespace vellum::printable

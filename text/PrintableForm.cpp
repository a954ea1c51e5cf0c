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
constexpr unsigned kHighestDigit = kBase - 1;
constexpr unsigned kHighestHalf = (kCodes - 1) / 2;
constexpr unsigned kHighestPairRest = 3;
constexpr unsigned kHighestLastRest = 1;
constexpr std::size_t kCheckDigits = 3;
constexpr std::size_t kPairDigits = 3;
constexpr std::size_t kLastDigits = 2;
constexpr std::size_t kDataStart = kPrefix.size() + kCheckDigits;

// Stands for a character that is no digit at a place, above every digit's value and with a bit
// of its own, so that ORing the values of a whole text tells at once whether all were digits.
constexpr unsigned kNoDigit = 0x80;

// Each character's value as a digit at a place that holds at most `highest`, or kNoDigit.
template <unsigned highest>
constexpr std::array<std::uint8_t, 256> kValuesUpTo = [] {
    std::array<std::uint8_t, 256> values{};
    values.fill(kNoDigit);
    for (std::size_t digit = 0; digit <= highest; ++digit)
        values[static_cast<unsigned char>(kDigits[digit])] = static_cast<std::uint8_t>(digit);
    return values;
}();

template <unsigned highest> unsigned digitUpTo(char character) {
    return kValuesUpTo<highest>[static_cast<unsigned char>(character)];
}

unsigned valueOf(char character) {
    return digitUpTo<kHighestDigit>(character);
}

bool isDigit(char character) {
    return valueOf(character) != kNoDigit;
}

// The check: the number of data digits, and each data digit's value times its place (1, 2,
// 3...), summed modulo the prime 65521. A single changed digit changes the sum by its place times
// 1 to 62, a product of factors the prime does not divide, so never by 0: it is always caught. A
// changed check digit breaks the match. The count catches a last digit 0 lost, which adds nothing
// to the sum and can leave a length a printable text has.
constexpr unsigned kCheckModulus = 65521;

// The check's share of three digits worth `first`, `second` and `third`, at `place` and the two
// places after it.
std::uint64_t weighted(std::uint64_t place, std::uint64_t first, std::uint64_t second,
                       std::uint64_t third) {
    return place * (first + second + third) + second + 2 * third;
}

// The check of data digits that are all digits.
unsigned checkOf(std::string_view data) {
    std::uint64_t check = data.size();
    std::uint64_t place = 0;
    for (const char digit : data)
        check += ++place * valueOf(digit);
    return static_cast<unsigned>(check % kCheckModulus);
}

// The number the three check digits stand for, or one above any check when one is not a digit.
unsigned readCheck(std::string_view form) {
    unsigned value = 0;
    for (const char digit : form.substr(kPrefix.size(), kCheckDigits)) {
        if (!isDigit(digit))
            return kCheckModulus;
        value = value * kBase + valueOf(digit);
    }
    return value;
}

// The highest value the data digit at `index` may have, in data of `size` digits.
unsigned highestAt(std::size_t index, std::size_t size) {
    const bool inLast = size % kPairDigits != 0 && index >= size - kLastDigits;
    if (inLast)
        return index == size - 1 ? kHighestLastRest : kHighestHalf;
    return index % kPairDigits == kPairDigits - 1 ? kHighestPairRest : kHighestHalf;
}

// A ciphertext character's code counted from 14, 0 to 113; `outside` is set for any other code,
// which counts as 0 so that every digit written stays a digit.
unsigned codeValue(char character, unsigned& outside) {
    const unsigned value =
        static_cast<unsigned>(static_cast<unsigned char>(character)) - kLowestCode;
    outside |= value >= kCodes ? 1U : 0U;
    return value < kCodes ? value : 0;
}

// The ciphertext character of a pair's or a last code's halved digit and what the halving left.
char codeOf(unsigned half, unsigned rest) {
    return static_cast<char>(2 * half + rest + kLowestCode);
}

std::size_t wrappedLength(std::size_t cipherLength) {
    return kDataStart + cipherLength / 2 * kPairDigits + (cipherLength % 2 != 0 ? kLastDigits : 0);
}

// Space, tab, and LF to CR.
bool isWhiteSpace(char character) {
    return character == ' ' || (character >= '\t' && character <= '\r');
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isWhiteSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isWhiteSpace(text.back()))
        text.remove_suffix(1);
    return text;
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

// Decodes a whole, undamaged form into `cipherText` in one pass, every check folded into one flag:
// lines go through here one after another. False at any damage, which damageOf then names.
bool decodeUndamaged(std::string_view form, std::string& cipherText) {
    if (prefixMismatches(form) != 0 || !hasWrappedLength(form))
        return false;
    const std::string_view data = form.substr(kDataStart);
    const std::size_t pairs = data.size() / kPairDigits;
    cipherText.resize(2 * pairs + data.size() % kPairDigits / kLastDigits);
    char* const out = cipherText.data();
    const char* const in = data.data();
    unsigned damage = 0; // kNoDigit once a character is no digit for its place
    std::uint64_t check = data.size();
    for (std::size_t pair = 0; pair < pairs; ++pair) {
        const char* const digits = in + pair * kPairDigits;
        const unsigned first = digitUpTo<kHighestHalf>(digits[0]);
        const unsigned second = digitUpTo<kHighestHalf>(digits[1]);
        const unsigned rests = digitUpTo<kHighestPairRest>(digits[2]);
        damage |= first | second | rests;
        check += weighted(pair * kPairDigits + 1, first, second, rests);
        out[2 * pair] = codeOf(first, rests / 2);
        out[2 * pair + 1] = codeOf(second, rests % 2);
    }
    if (pairs * 2 < cipherText.size()) {
        const unsigned half = digitUpTo<kHighestHalf>(in[pairs * kPairDigits]);
        const unsigned rest = digitUpTo<kHighestLastRest>(in[pairs * kPairDigits + 1]);
        damage |= half | rest;
        check += weighted(pairs * kPairDigits, 0, half, rest);
        out[2 * pairs] = codeOf(half, rest);
    }
    return damage < kNoDigit && readCheck(form) == check % kCheckModulus;
}

std::string damaged(const std::string& why) {
    return "The printable text is damaged: " + why + ". Nothing was decrypted.";
}

// Where the form of a refused printable text is damaged first, in the order a reader checks it.
std::string damageOf(std::string_view form) {
    if (prefixMismatches(form) != 0)
        return damaged("it does not begin with " + std::string(kPrefix));
    const auto notDigit = std::find_if(form.begin() + kPrefix.size(), form.end(),
                                       [](char character) { return !isDigit(character); });
    if (notDigit != form.end())
        return damaged("character " + std::to_string(notDigit - form.begin() + 1) +
                       " is not a letter, a digit or an underscore");
    if (!hasWrappedLength(form))
        return damaged("it has " + std::to_string(form.size()) +
                       " characters, a length no printable text has");
    const std::string_view data = form.substr(kDataStart);
    if (readCheck(form) != checkOf(data))
        return damaged("its check does not match, so a character in it was changed, added or lost");
    // All that is left: a digit above what its place can hold.
    std::size_t at = 0;
    while (at + 1 < data.size() && valueOf(data[at]) <= highestAt(at, data.size()))
        ++at;
    return damaged("character " + std::to_string(kDataStart + at + 1) +
                   " stands for no scrambled text");
}

// The prefix whole; or, so that a changed character there is caught too, the prefix with one
// character changed and nothing but digits after it. A ciphertext's first character is never
// "v", and one beginning "?m9_" with nothing but digits in all its 30 or more characters would
// come about once in some 10^13.
bool claimsToBeWrapped(std::string_view form) {
    const std::size_t mismatches = prefixMismatches(form);
    return mismatches == 0 || (mismatches == 1 && form.size() > kDataStart &&
                               std::all_of(form.begin() + kPrefix.size(), form.end(), isDigit));
}

std::optional<std::string> unwrapForm(std::string_view form, std::string& cipherText) {
    if (decodeUndamaged(form, cipherText))
        return std::nullopt;
    cipherText.clear();
    return damageOf(form);
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
    unsigned outside = 0;
    std::uint64_t check = wrappedLength(cipherText.size()) - kDataStart;
    const std::size_t pairs = cipherText.size() / 2;
    for (std::size_t pair = 0; pair < pairs; ++pair, out += kPairDigits) {
        const unsigned first = codeValue(cipherText[2 * pair], outside);
        const unsigned second = codeValue(cipherText[2 * pair + 1], outside);
        const unsigned rests = first % 2 * 2 + second % 2;
        out[0] = kDigits[first / 2];
        out[1] = kDigits[second / 2];
        out[2] = kDigits[rests];
        check += weighted(pair * kPairDigits + 1, first / 2, second / 2, rests);
    }
    if (cipherText.size() % 2 != 0) {
        const unsigned last = codeValue(cipherText.back(), outside);
        out[0] = kDigits[last / 2];
        out[1] = kDigits[last % 2];
        check += weighted(pairs * kPairDigits, 0, last / 2, last % 2);
    }
    if (outside != 0) {
        text.resize(start);
        throw std::invalid_argument(
            "a printable form wraps ciphertexts, whose codes are 14 to 127");
    }
    const auto sum = static_cast<unsigned>(check % kCheckModulus);
    form[kPrefix.size()] = kDigits[sum / (kBase * kBase)];
    form[kPrefix.size() + 1] = kDigits[sum / kBase % kBase];
    form[kPrefix.size() + 2] = kDigits[sum % kBase];
}

bool IsWrapped(std::string_view text) {
    return claimsToBeWrapped(trimmed(text));
}

std::optional<std::string> Unwrap(std::string_view text, std::string& cipherText) {
    return unwrapForm(trimmed(text), cipherText);
}

// Trimmed once, for both questions: every line a filter decrypts comes through here.
std::optional<std::string> UnwrapIfWrapped(std::string& text, std::string& spare) {
    const std::string_view form = trimmed(text);
    if (!claimsToBeWrapped(form))
        return std::nullopt;
    std::optional<std::string> damage = unwrapForm(form, spare);
    if (!damage)
        text.swap(spare);
    return damage;
}

} // namespace vellum::printable

#include "text/PrintableForm.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vellum::text {

namespace {

constexpr std::string_view kDigits =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";
constexpr unsigned kBase = 63;
constexpr unsigned kLowestCode = 14;
constexpr unsigned kCodes = 114; // 14 to 127
constexpr unsigned kHighestHalf = (kCodes - 1) / 2;
constexpr unsigned kHighestPairRest = 3;
constexpr unsigned kHighestLastRest = 1;
constexpr std::size_t kCheckDigits = 3;
constexpr std::size_t kPairDigits = 3;
constexpr std::size_t kLastDigits = 2;
constexpr std::size_t kDataStart = kPrintablePrefix.size() + kCheckDigits;

// The check: a single changed digit changes the sum by its place times 1 to 62, a product that
// the prime 65521 does not divide while the places stay below it, so it is caught; the count
// catches a lost last 0, which adds nothing to the sum.
constexpr unsigned kCheckModulus = 65521;

// Each character's value as a digit, or kNoDigit: looked up, since every line a filter unwraps
// reads each of its digits several times.
constexpr unsigned kNoDigit = kBase;
constexpr auto kValues = [] {
    std::array<unsigned char, 256> values{};
    values.fill(kNoDigit);
    for (unsigned digit = 0; digit < kBase; ++digit)
        values[static_cast<unsigned char>(kDigits[digit])] = static_cast<unsigned char>(digit);
    return values;
}();

unsigned valueOf(char character) {
    return kValues[static_cast<unsigned char>(character)];
}

bool isDigit(char character) {
    return valueOf(character) != kNoDigit;
}

unsigned checkOf(std::string_view data) {
    unsigned long long check = data.size();
    for (std::size_t place = 1; place <= data.size(); ++place)
        check += place * valueOf(data[place - 1]);
    return static_cast<unsigned>(check % kCheckModulus);
}

// The number the three check digits stand for; they are known to be digits.
unsigned readCheck(std::string_view form) {
    unsigned check = 0;
    for (std::size_t at = 0; at < kCheckDigits; ++at)
        check = check * kBase + valueOf(form[kPrintablePrefix.size() + at]);
    return check;
}

// The highest value the data digit at `index` may have, in data of `size` digits.
unsigned highestAt(std::size_t index, std::size_t size) {
    const bool inLast = size % kPairDigits != 0 && index >= size - kLastDigits;
    if (inLast)
        return index == size - 1 ? kHighestLastRest : kHighestHalf;
    return index % kPairDigits == kPairDigits - 1 ? kHighestPairRest : kHighestHalf;
}

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
    for (std::size_t at = 0; at < kPrintablePrefix.size(); ++at)
        mismatches += at >= form.size() || form[at] != kPrintablePrefix[at] ? 1 : 0;
    return mismatches;
}

bool hasWrappedLength(std::string_view form) {
    return form.size() >= kDataStart && (form.size() - kDataStart) % kPairDigits != 1;
}

Message damaged(Translatable text, std::vector<std::string> arguments = {}) {
    return {text, std::move(arguments)};
}

// What is wrong with `form` first, in the order a reader checks it, or nothing.
std::optional<Message> damageOf(std::string_view form) {
    if (prefixMismatches(form) != 0)
        return damaged(VELLUM_TRANSLATABLE("Refusal", "The printable text is damaged: it does not "
                                                      "begin with %1. Nothing was decrypted."),
                       {std::string(kPrintablePrefix)});
    const auto notDigit = std::find_if(form.begin() + kPrintablePrefix.size(), form.end(),
                                       [](char character) { return !isDigit(character); });
    if (notDigit != form.end())
        return damaged(VELLUM_TRANSLATABLE("Refusal",
                                           "The printable text is damaged: character %1 is not a "
                                           "letter, a digit or an underscore. Nothing was "
                                           "decrypted."),
                       {std::to_string(notDigit - form.begin() + 1)});
    if (!hasWrappedLength(form))
        return Message{VELLUM_TRANSLATABLE_COUNTED("Refusal",
                                                   "The printable text is damaged: it has %1 "
                                                   "characters, a length no printable text has. "
                                                   "Nothing was decrypted."),
                       {std::to_string(form.size())},
                       form.size()};
    const std::string_view data = form.substr(kDataStart);
    if (readCheck(form) != checkOf(data))
        return damaged(VELLUM_TRANSLATABLE(
            "Refusal", "The printable text is damaged: its check does not match, so a character in "
                       "it was changed, added or lost. Nothing was decrypted."));
    for (std::size_t at = 0; at < data.size(); ++at)
        if (valueOf(data[at]) > highestAt(at, data.size()))
            return damaged(VELLUM_TRANSLATABLE("Refusal",
                                               "The printable text is damaged: character %1 "
                                               "stands for no scrambled text. Nothing was "
                                               "decrypted."),
                           {std::to_string(kDataStart + at + 1)});
    return std::nullopt;
}

char codeOf(unsigned half, unsigned rest) {
    return static_cast<char>(2 * half + rest + kLowestCode);
}

// The ciphertext of data digits that damageOf found sound.
std::string decoded(std::string_view data) {
    const std::size_t pairs = data.size() / kPairDigits;
    std::string cipherText(2 * pairs + (data.size() % kPairDigits != 0 ? 1 : 0), '\0');
    for (std::size_t pair = 0; pair < pairs; ++pair) {
        const std::string_view digits = data.substr(kPairDigits * pair, kPairDigits);
        const unsigned rests = valueOf(digits[2]);
        cipherText[2 * pair] = codeOf(valueOf(digits[0]), rests / 2);
        cipherText[2 * pair + 1] = codeOf(valueOf(digits[1]), rests % 2);
    }
    if (data.size() % kPairDigits != 0)
        cipherText.back() =
            codeOf(valueOf(data[kPairDigits * pairs]), valueOf(data[kPairDigits * pairs + 1]));
    return cipherText;
}

// A ciphertext character's code counted from 14.
unsigned codeValue(char character) {
    const unsigned value =
        static_cast<unsigned>(static_cast<unsigned char>(character)) - kLowestCode;
    if (value >= kCodes)
        throw std::invalid_argument(
            "a printable form wraps ciphertexts, whose codes are 14 to 127");
    return value;
}

} // namespace

std::string Wrap(std::string_view cipherText) {
    const std::size_t pairs = cipherText.size() / 2;
    const bool odd = cipherText.size() % 2 != 0;
    std::string form(kDataStart + pairs * kPairDigits + (odd ? kLastDigits : 0), '0');
    std::copy(kPrintablePrefix.begin(), kPrintablePrefix.end(), form.begin());
    char* const data = form.data() + kDataStart;
    for (std::size_t pair = 0; pair < pairs; ++pair) {
        const unsigned first = codeValue(cipherText[2 * pair]);
        const unsigned second = codeValue(cipherText[2 * pair + 1]);
        data[kPairDigits * pair] = kDigits[first / 2];
        data[kPairDigits * pair + 1] = kDigits[second / 2];
        data[kPairDigits * pair + 2] = kDigits[2 * (first % 2) + second % 2];
    }
    if (odd) {
        const unsigned last = codeValue(cipherText.back());
        data[kPairDigits * pairs] = kDigits[last / 2];
        data[kPairDigits * pairs + 1] = kDigits[last % 2];
    }
    const unsigned check = checkOf(std::string_view(form).substr(kDataStart));
    form[kPrintablePrefix.size()] = kDigits[check / (kBase * kBase)];
    form[kPrintablePrefix.size() + 1] = kDigits[check / kBase % kBase];
    form[kPrintablePrefix.size() + 2] = kDigits[check % kBase];
    return form;
}

bool LooksWrapped(std::string_view text) {
    const std::string_view form = trimmed(text);
    const std::size_t mismatches = prefixMismatches(form);
    return mismatches == 0 ||
           (mismatches == 1 && form.size() > kDataStart &&
            std::all_of(form.begin() + kPrintablePrefix.size(), form.end(), isDigit));
}

std::string Unwrap(std::string_view text) {
    const std::string_view form = trimmed(text);
    if (std::optional<Message> damage = damageOf(form))
        throw DamagedForm(std::move(*damage));
    return decoded(form.substr(kDataStart));
}

} // namespace vellum::text

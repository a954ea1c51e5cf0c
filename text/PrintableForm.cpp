#include "PrintableForm.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
constexpr unsigned kPairDigits = 3;
constexpr std::size_t kLastDigits = 2;
constexpr std::size_t kDataStart = kPrefix.size() + kCheckDigits;
static_assert(WrappedLength(2) == kDataStart + kPairDigits &&
              WrappedLength(1) == kDataStart + kLastDigits);

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

// Both directions read a table for each code or digit instead of working it out (writing, on
// x86-64, after the blocks below it takes in vector registers): every line a filter wraps or
// unwraps goes through here. They go by runs of pairs, whose entries add up: an
// entry holds the characters (writing) or codes (reading) it makes in its low four bytes, and its
// share of the run's check in its high half: the sum of its digits, which the place of the run's
// first digit multiplies, in bits 32 to 47, and what is added unmultiplied (each digit times how
// far its place lies beyond that first one) in bits 48 to 63. The fields are wide enough for a
// whole run. What does not belong sets a flag of its own: writing, in bits 24 to 31, which the
// next pair's first digit is written over; reading, in bits 40 to 47, among the sum's unused
// bits, since a damaged form is refused whatever its check.
using RunPart = std::uint64_t;

constexpr RunPart partOf(std::uint64_t low, unsigned placed, unsigned unplaced) {
    return low | RunPart{placed} << 32 | RunPart{unplaced} << 48;
}

// The check's share of a run whose first digit is at `place`.
std::uint64_t checkShare(std::uint64_t place, RunPart run) {
    return place * (run >> 32 & 0xFFFF) + (run >> 48);
}

// Writing goes by runs of four pairs, eight codes and twelve digits; each pair is stored as four
// bytes of its own.
constexpr std::size_t kRunPairs = 4;
constexpr std::size_t kRunCodes = 2 * kRunPairs;
constexpr std::size_t kRunDigits = kPairDigits * kRunPairs;
constexpr RunPart kCodeFlags = RunPart{0xFF} << 24;

// Writing, at position `at` (0 to 7) of a run: a code's halved digit, and its share of its pair's
// rests digit, 2 × (code mod 2) for a pair's first code and code mod 2 for its second, counted
// from "0", in bytes 0 to 2 of its pair.
constexpr auto kCodeParts = [] {
    std::array<std::array<RunPart, 256>, kRunCodes> parts{};
    for (unsigned at = 0; at < kRunCodes; ++at) {
        const bool firstOfPair = at % 2 == 0;
        const unsigned beyond = kPairDigits * (at / 2); // its pair's places beyond the run's first
        for (unsigned code = 0; code < 256; ++code) {
            const unsigned value = code - kLowestCode;
            if (value >= kCodes) {
                parts[at][code] = RunPart{1} << (24 + at);
                continue;
            }
            const unsigned half = value / 2;
            const unsigned rest = firstOfPair ? 2 * (value % 2) : value % 2;
            const std::uint64_t digit = static_cast<unsigned char>(kDigits[half]);
            const std::uint64_t restShare = rest + (firstOfPair ? '0' : 0);
            const unsigned placed = half + rest;
            const unsigned unplaced = (firstOfPair ? 2 * rest : half + 2 * rest) + beyond * placed;
            parts[at][code] = partOf(digit << (8 * (at % 2)) | restShare << 16, placed, unplaced);
        }
    }
    return parts;
}();

// Reading goes by groups of two pairs, six digits and four codes, stored at once.
constexpr std::size_t kGroupCodes = 4;
constexpr std::size_t kGroupDigits = 6;
constexpr RunPart kDigitFlags = RunPart{0xFF} << 40;

// Reading, at place `at` (0 to 5) of a group: a halved digit makes twice itself in its code's
// byte; a rests digit makes its halving's rest in each of its pair's two, and the codes' lowest,
// 14, too. The second pair's codes are bytes 2 and 3.
constexpr auto kDigitParts = [] {
    std::array<std::array<RunPart, 256>, kGroupDigits> parts{};
    for (unsigned at = 0; at < kGroupDigits; ++at) {
        const unsigned role = at % kPairDigits;           // 0 and 1 halved digits, 2 the rests
        const unsigned pairCode = 2 * (at / kPairDigits); // its pair's first code's byte
        const unsigned weight = role + (at < kPairDigits ? 0 : kPairDigits);
        for (unsigned character = 0; character < 256; ++character) {
            const unsigned value = role == 2 ? kValuesUpTo<kHighestPairRest>[character]
                                             : kValuesUpTo<kHighestHalf>[character];
            if (value == kNoDigit) {
                parts[at][character] = RunPart{1} << (40 + at);
                continue;
            }
            const std::uint64_t codes =
                role == 2 ? (value / 2 + kLowestCode) | (value % 2 + kLowestCode) << 8
                          : std::uint64_t{value} << (8 * role + 1);
            parts[at][character] = partOf(codes << (8 * pairCode), value, weight * value);
        }
    }
    return parts;
}();

// Writes the low `count` bytes of `value` at `out`, the lowest first, in one store where the
// machine's byte order allows.
template <std::size_t count> void putLowBytes(char* out, std::uint64_t value) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out, &value, count);
    } else {
        for (std::size_t at = 0; at < count; ++at)
            out[at] = static_cast<char>(value >> (8 * at));
    }
}

// Writes the digits of every pair of `cipherText` at `out`, with one byte more, and returns their
// share of the check, the first digit's place being `firstPlace`; sets `outside` for a code no
// ciphertext has.
std::uint64_t writePairs(std::string_view cipherText, char* out, std::uint64_t firstPlace,
                         unsigned& outside) {
    const auto* const codes = reinterpret_cast<const unsigned char*>(cipherText.data());
    const auto pairAt = [&](const unsigned char* code, std::size_t pair, char* digits) {
        const RunPart part =
            kCodeParts[2 * pair][code[2 * pair]] + kCodeParts[2 * pair + 1][code[2 * pair + 1]];
        putLowBytes<kPairDigits + 1>(digits + kPairDigits * pair, part); // its flags written over
        return part;
    };
    RunPart seen = 0;
    std::uint64_t check = 0;
    const std::size_t runs = cipherText.size() / kRunCodes;
    for (std::size_t run = 0; run < runs; ++run) {
        const unsigned char* const code = codes + run * kRunCodes;
        char* const digits = out + run * kRunDigits;
        const RunPart whole = (pairAt(code, 0, digits) + pairAt(code, 1, digits)) +
                              (pairAt(code, 2, digits) + pairAt(code, 3, digits));
        seen |= whole;
        check += checkShare(firstPlace + run * kRunDigits, whole);
    }
    // The pairs after the last whole run, a run of their own.
    RunPart rest = 0;
    for (std::size_t pair = 0; pair < cipherText.size() % kRunCodes / 2; ++pair)
        rest += pairAt(codes + runs * kRunCodes, pair, out + runs * kRunDigits);
    seen |= rest;
    check += checkShare(firstPlace + runs * kRunDigits, rest);
    outside |= (seen & kCodeFlags) != 0 ? 1U : 0U;
    return check;
}

#if defined(__SSE2__)
// On x86-64, whose every processor has SSE2, writing begins with blocks of sixteen codes, eight
// pairs and 24 digits, a whole block in each step. The check's weights, each digit's place, are
// 16-bit and its sums 32-bit, which holds for the first kVectorBlocks; any blocks after them, and
// other machines, take the tables.
constexpr std::size_t kBlockCodes = 16;
constexpr std::size_t kBlockDigits = 24;
constexpr std::size_t kVectorBlocks = 256;

__m128i everyByte(char value) {
    return _mm_set1_epi8(value);
}

// The character of each halved digit, 0 to 56: "0" to "9", "A" to "Z", then "a" to "u".
__m128i halfCharacters(__m128i halves) {
    const __m128i pastNine =
        _mm_and_si128(_mm_cmpgt_epi8(halves, everyByte(9)), everyByte('A' - '9' - 1));
    const __m128i pastZ =
        _mm_and_si128(_mm_cmpgt_epi8(halves, everyByte(35)), everyByte('a' - 'Z' - 1));
    return _mm_add_epi8(_mm_add_epi8(halves, everyByte('0')), _mm_add_epi8(pastNine, pastZ));
}

// Writes four pairs' digits, each pair's three in a 32-bit lane with a zero byte on top, as twelve
// characters and two bytes more.
void writeFourPairs(char* out, __m128i pairs) {
    // Each 64-bit half holds two pairs; the second is moved down onto the first's zero byte.
    const __m128i packed =
        _mm_or_si128(_mm_and_si128(pairs, _mm_set1_epi64x(0xFFFFFF)),
                     _mm_and_si128(_mm_srli_epi64(pairs, 8), _mm_set1_epi64x(0xFFFFFF000000)));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), packed);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 6), _mm_srli_si128(packed, 8));
}

// Writes the digits of the whole blocks at the start of `cipherText` at `out`, with two bytes
// more, and adds their share to `check`; sets `outside` for a code no ciphertext has. Returns how
// many codes it wrote.
std::size_t writeBlocks(std::string_view cipherText, char* out, std::uint64_t& check,
                        unsigned& outside) {
    const std::size_t blocks = std::min(cipherText.size() / kBlockCodes, kVectorBlocks);
    const __m128i zero = _mm_setzero_si128();
    // The places of the first four pairs' halved digits, of the last four's, and of the rests.
    __m128i firstPlaces = _mm_setr_epi16(1, 2, 4, 5, 7, 8, 10, 11);
    __m128i lastPlaces = _mm_setr_epi16(13, 14, 16, 17, 19, 20, 22, 23);
    __m128i restPlaces = _mm_setr_epi16(3, 6, 9, 12, 15, 18, 21, 24);
    const __m128i nextBlock = _mm_set1_epi16(kBlockDigits);
    __m128i sums = zero;
    __m128i beyond = zero; // nonzero where a value lay above the highest
    for (std::size_t block = 0; block < blocks; ++block) {
        const __m128i values = _mm_sub_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(cipherText.data()) + block),
            everyByte(kLowestCode));
        beyond = _mm_or_si128(beyond, _mm_subs_epu8(values, everyByte(kCodes - 1)));
        const __m128i halves = _mm_and_si128(_mm_srli_epi16(values, 1), everyByte(0x7F));
        // Each pair's rests digit, 2 × (first mod 2) + (second mod 2), in a 16-bit lane.
        const __m128i odd = _mm_and_si128(values, everyByte(1));
        const __m128i rests = _mm_or_si128(_mm_and_si128(_mm_slli_epi16(odd, 1), _mm_set1_epi16(2)),
                                           _mm_srli_epi16(odd, 8));
        const __m128i halvesWritten = halfCharacters(halves);
        const __m128i restsWritten = _mm_add_epi16(rests, _mm_set1_epi16('0'));
        char* const digits = out + block * kBlockDigits;
        writeFourPairs(digits, _mm_unpacklo_epi16(halvesWritten, restsWritten));
        writeFourPairs(digits + kBlockDigits / 2, _mm_unpackhi_epi16(halvesWritten, restsWritten));
        sums = _mm_add_epi32(sums, _mm_madd_epi16(_mm_unpacklo_epi8(halves, zero), firstPlaces));
        sums = _mm_add_epi32(sums, _mm_madd_epi16(_mm_unpackhi_epi8(halves, zero), lastPlaces));
        sums = _mm_add_epi32(sums, _mm_madd_epi16(rests, restPlaces));
        firstPlaces = _mm_add_epi16(firstPlaces, nextBlock);
        lastPlaces = _mm_add_epi16(lastPlaces, nextBlock);
        restPlaces = _mm_add_epi16(restPlaces, nextBlock);
    }
    outside |= _mm_movemask_epi8(_mm_cmpeq_epi8(beyond, zero)) != 0xFFFF ? 1U : 0U;
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(1, 0, 3, 2)));
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(2, 3, 0, 1)));
    check += static_cast<std::uint32_t>(_mm_cvtsi128_si32(sums));
    return blocks * kBlockCodes;
}
#else
std::size_t writeBlocks(std::string_view, char*, std::uint64_t&, unsigned&) {
    return 0;
}
#endif

// Reads the codes of every pair of `data` into `out`, with two bytes more, and returns their share
// of the check; false in `undamaged` for a character that is no digit at its place.
std::uint64_t readPairs(std::string_view data, char* out, bool& undamaged) {
    const auto* const digits = reinterpret_cast<const unsigned char*>(data.data());
    RunPart seen = 0;
    std::uint64_t check = 0;
    const auto read = [&](const unsigned char* digit, std::size_t group) {
        const RunPart codes = kDigitParts[0][digit[0]] + kDigitParts[1][digit[1]] +
                              kDigitParts[2][digit[2]] + kDigitParts[3][digit[3]] +
                              kDigitParts[4][digit[4]] + kDigitParts[5][digit[5]];
        putLowBytes<kGroupCodes>(out + group * kGroupCodes, codes);
        seen |= codes;
        check += checkShare(group * kGroupDigits + 1, codes);
    };
    const std::size_t pairs = data.size() / kPairDigits;
    const std::size_t groups = pairs / 2;
    for (std::size_t group = 0; group < groups; ++group)
        read(digits + group * kGroupDigits, group);
    if (pairs % 2 != 0) {
        // A last pair alone, made a group with three "0"s, which read codes 14 and count nothing.
        const unsigned char* const last = digits + groups * kGroupDigits;
        const std::array<unsigned char, kGroupDigits> lastPair{last[0], last[1], last[2],
                                                               '0',     '0',     '0'};
        read(lastPair.data(), groups);
    }
    undamaged = (seen & kDigitFlags) == 0;
    return check;
}

// The check of data digits that are all digits.
unsigned checkOf(std::string_view data) {
    std::uint64_t check = data.size();
    std::uint64_t place = 0;
    for (const char digit : data)
        check += ++place * valueOf(digit);
    return static_cast<unsigned>(check % kCheckModulus);
}

// The number the three check digits of `form`, which has them, stand for; or one above any check
// when one is not a digit.
unsigned readCheck(std::string_view form) {
    const unsigned first = valueOf(form[kPrefix.size()]);
    const unsigned second = valueOf(form[kPrefix.size() + 1]);
    const unsigned third = valueOf(form[kPrefix.size() + 2]);
    if (((first | second | third) & kNoDigit) != 0)
        return kCheckModulus;
    return (first * kBase + second) * kBase + third;
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

// The two digits of each number below 63 × 63.
constexpr std::size_t kTwoDigitNumbers = std::size_t{kBase} * kBase;
constexpr auto kLowDigits = [] {
    std::array<std::array<char, 2>, kTwoDigitNumbers> digits{};
    for (unsigned number = 0; number < kTwoDigitNumbers; ++number)
        digits[number] = {kDigits[number / kBase], kDigits[number % kBase]};
    return digits;
}();

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
    if (!form.starts_with(kPrefix) || !hasWrappedLength(form))
        return false;
    const std::string_view data = form.substr(kDataStart);
    const std::size_t pairs = data.size() / kPairDigits;
    const std::size_t length = 2 * pairs + data.size() % kPairDigits / kLastDigits;
    cipherText.resize(length + 2);
    bool undamaged = true;
    std::uint64_t check = data.size() + readPairs(data, cipherText.data(), undamaged);
    if (length % 2 != 0) {
        const unsigned half = digitUpTo<kHighestHalf>(data[pairs * kPairDigits]);
        const unsigned rest = digitUpTo<kHighestLastRest>(data[pairs * kPairDigits + 1]);
        undamaged = undamaged && ((half | rest) & kNoDigit) == 0;
        check += weighted(pairs * kPairDigits, 0, half, rest);
        cipherText[length - 1] = codeOf(half, rest);
    }
    cipherText.resize(length);
    return undamaged && readCheck(form) == check % kCheckModulus;
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

void AppendWrapped(std::string_view cipherText, std::string& text) {
    const std::size_t start = text.size();
    const std::size_t length = WrappedLength(cipherText.size());
    text.resize(start + length + kWritingSlack);
    const bool written = WriteWrapped(cipherText, text.data() + start);
    text.resize(written ? start + length : start);
    if (!written)
        throw std::invalid_argument(
            "a printable form wraps ciphertexts, whose codes are 14 to 127");
}

// One pass over the ciphertext; the check digits, worked out on the way, are written last.
bool WriteWrapped(std::string_view cipherText, char* const form) {
    std::copy(kPrefix.begin(), kPrefix.end(), form);
    unsigned outside = 0;
    char* const data = form + kDataStart;
    std::uint64_t check = WrappedLength(cipherText.size()) - kDataStart;
    const std::size_t inBlocks = writeBlocks(cipherText, data, check, outside);
    const std::size_t blockDigits = inBlocks / 2 * kPairDigits;
    check += writePairs(cipherText.substr(inBlocks), data + blockDigits, blockDigits + 1, outside);
    if (cipherText.size() % 2 != 0) {
        const std::size_t pairs = cipherText.size() / 2;
        const unsigned last = codeValue(cipherText.back(), outside);
        char* const out = data + pairs * kPairDigits;
        out[0] = kDigits[last / 2];
        out[1] = kDigits[last % 2];
        check += weighted(pairs * kPairDigits, 0, last / 2, last % 2);
    }
    // The check's digits, the most significant first; the two below it from one table.
    const auto sum = static_cast<unsigned>(check % kCheckModulus);
    const unsigned top = sum / (kBase * kBase);
    form[kPrefix.size()] = kDigits[top];
    std::memcpy(form + kPrefix.size() + 1, kLowDigits[sum - top * kBase * kBase].data(), 2);
    return outside == 0;
}

// A bare ciphertext, the other form a filter reads, is turned away at its first character, by
// the prefix decodeUndamaged checks first.
bool UnwrapUndamaged(std::string_view text, std::string& cipherText) {
    return decodeUndamaged(trimmed(text), cipherText);
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

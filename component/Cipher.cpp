#include "component/Cipher.h"

#include "component/TextPrimitives.h"

#include <algorithm>
#include <string_view>

namespace vellum::component {

namespace {

constexpr int kShortestCipherText = 30;
// A random filler is round(r × 111 + 14): a code 14 to 125.
constexpr float kFillerScale = 111.0F;
constexpr float kFillerOffset = 14.0F;

template <const CipherFormat& format> void requireTableLength(const std::string& table) {
    if (table.size() != static_cast<std::size_t>(format.tableLength))
        throw Fault("key table of the wrong length");
}

void appendFillers(std::string& cipherText, Int16 count, std::optional<char> filler,
                   RandomSource& random) {
    for (Int16 at = 1; at <= count; at = at + 1)
        cipherText +=
            filler ? *filler : CharacterOf(DrawScaled(random, kFillerScale, kFillerOffset));
}

int codeOf(char character) {
    return static_cast<unsigned char>(character);
}

// The table character that shifts the cipher character at `term`, the key position plus the
// character's place in the ciphertext: the one at (term × key) mod table length, from 0. With
// places below 32,768 and keys below 112 nothing here comes near overflowing.
template <const CipherFormat& format> int shiftAt(std::string_view table, int term, int key) {
    return codeOf(table[static_cast<std::size_t>(term * key % format.tableLength)]);
}

// Each plaintext character shifted by the table character its place picks.
template <const CipherFormat& format>
void appendShifted(const std::string& plainText, const std::string& table, Int32 key,
                   std::string& cipherText) {
    // The characters are counted in 16 bits, and the count cannot step past its last value.
    if (ToInt16(Int32(plainText.size())) == Int16(32767))
        throw Fault("integer overflow in addition");
    const std::size_t prefixLength = cipherText.size();
    const int firstTerm = key.get() + static_cast<int>(prefixLength) + 1;
    cipherText.resize(prefixLength + plainText.size());
    // Through views and a pointer held apart: a character stored through the string itself could,
    // as far as the compiler knows, change the strings' own sizes and buffers.
    const std::string_view plain = plainText;
    const std::string_view shifts = table;
    char* const out = cipherText.data() + prefixLength;
    for (std::size_t at = 0; at < plain.size(); ++at) {
        const int shift = shiftAt<format>(shifts, firstTerm + static_cast<int>(at), key.get());
        const int code = (shift + codeOf(plain[at])) % format.modulus + format.offset;
        out[at] = static_cast<char>(code);
    }
}

// The plaintext characters at 1-based places `first` to `last` of a ciphertext; none when
// `last` comes before `first`.
template <const CipherFormat& format>
std::string decoded(const std::string& cipherText, const std::string& table, Int16 first,
                    Int16 last, Int32 key) {
    if (last < first)
        return {};
    if (static_cast<std::size_t>(last.get()) > cipherText.size())
        throw Fault("no character at that position");
    std::string plainText(static_cast<std::size_t>(last.get() - first.get() + 1), '\0');
    // Through views and a pointer held apart, as when encoding.
    const std::string_view cipher = cipherText;
    const std::string_view shifts = table;
    char* const out = plainText.data();
    for (std::size_t at = 0; at < plainText.size(); ++at) {
        const int place = first.get() + static_cast<int>(at);
        const int shift = shiftAt<format>(shifts, place + key.get(), key.get());
        // Moved up into the decoded codes by the modulus, at most twice.
        int code = (codeOf(cipher[static_cast<std::size_t>(place) - 1]) - shift) % format.modulus -
                   format.offset;
        code += code < format.lowestDecoded ? format.modulus : 0;
        code += code < format.lowestDecoded ? format.modulus : 0;
        out[at] = static_cast<char>(code);
    }
    return plainText;
}

} // namespace

std::int32_t FirstSeed(int hour, int month, int second) {
    const Int16 product = Int16(hour) * Int16(month);
    const std::int32_t secondDigits = second < 10 ? 10 : 100; // room for the second's digits
    return (Int32(product) * secondDigits + second).get();
}

void SeedFromClockDigits(RandomSource& random, Clock& clock) {
    const int hour = clock.Now().hour;
    const int month = clock.Now().month;
    const int second = clock.Now().second;
    random.Reseed(FirstSeed(hour, month, second));
}

Int32 DrawScaled(RandomSource& random, float scale, float offset) {
    return RoundToInt32(random.Draw() * scale + offset);
}

template <const CipherFormat& format>
std::string Scramble(const std::string& plainText, const std::string& table, RandomSource& random,
                     Clock& clock) {
    requireTableLength<format>(table);
    SeedFromClockDigits(random, clock);
    const Int32 key = DrawScaled(random, format.keySpan, 1.0F);
    const Int16 padCount = ToInt16(key % 8);
    const Int32 length(plainText.size());
    const Int16 trailingCount =
        ToInt16(Int32(Int16(kShortestCipherText) - padCount - Int16(2)) - length);

    std::string cipherText;
    cipherText.reserve(std::max<std::size_t>(kShortestCipherText, 9 + plainText.size()));
    cipherText += CharacterOf(CodeAt(table, key));
    cipherText +=
        CharacterOf((Int32(CodeAt(table, key + 1)) + length) % format.modulus + format.offset);
    appendFillers(cipherText, padCount, format.padFiller, random);
    appendShifted<format>(plainText, table, key, cipherText);
    if (!format.trailingFiller)
        random.Reseed(clock.Now().Serial());
    appendFillers(cipherText, trailingCount, format.trailingFiller, random);
    for (std::size_t at = 0; at < format.originals.size(); ++at)
        Substitute(cipherText, format.originals[at], format.written[at]);
    return cipherText;
}

template <const CipherFormat& format>
std::string Unscramble(std::string& cipherText, const std::string& table) {
    requireTableLength<format>(table);
    for (std::size_t at = 0; at < format.originals.size(); ++at)
        Substitute(cipherText, format.written[at], format.originals[at]);
    const Int32 key = cipherText.empty() ? Int32(1) : TablePosition(table, cipherText.front());
    const Int16 base = CodeAt(table, key + 1);
    const Int16 lengthCode = CodeAt(cipherText, 2);
    const Int16 modulus(format.modulus);
    Int16 length = (lengthCode - base) % modulus - Int16(format.offset);
    if (length < -1)
        length = length + modulus;
    const Int16 padCount = ToInt16(key % 8);

    return decoded<format>(cipherText, table, padCount + Int16(3), padCount + Int16(2) + length,
                           key);
}

template std::string Scramble<kTextCipher>(const std::string&, const std::string&, RandomSource&,
                                           Clock&);
template std::string Scramble<kBinaryCipher>(const std::string&, const std::string&, RandomSource&,
                                             Clock&);
template std::string Unscramble<kTextCipher>(std::string&, const std::string&);
template std::string Unscramble<kBinaryCipher>(std::string&, const std::string&);

} // namespace vellum::component

#include "component/Cipher.h"

#include "component/TextPrimitives.h"

#include <algorithm>
#include <string_view>

namespace vellum::component {

namespace {

void appendFillers(std::string& cipherText, Int16 count, std::optional<char> filler,
                   RandomSource& random) {
    for (Int16 at = 1; at <= count; at = at + 1)
        cipherText += filler ? *filler : RandomFiller(random);
}

// Each plaintext character shifted by the table character its place picks.
template <const CipherFormat& format>
void appendShifted(std::string_view plain, const std::string& table, Int32 key,
                   std::string& cipherText) {
    // The characters are counted in 16 bits, and the count cannot step past its last value.
    if (ToInt16(Int32(plain.size())) == Int16(32767))
        throw Fault("integer overflow in addition");
    const std::size_t prefixLength = cipherText.size();
    Shifts<format> shifts(table, key.get() + static_cast<int>(prefixLength) + 1, key.get());
    cipherText.resize(prefixLength + plain.size());
    // Through a pointer held apart: a character stored through the string itself could, as far as
    // the compiler knows, change the string's own size and buffer.
    char* const out = cipherText.data() + prefixLength;
    for (std::size_t at = 0; at < plain.size(); ++at)
        out[at] = Shifted<format>(shifts.Next(), plain[at]);
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
    Shifts<format> shifts(table, first.get() + key.get(), key.get());
    // Through a view and a pointer held apart, as when encoding.
    const std::string_view cipher =
        std::string_view(cipherText).substr(static_cast<std::size_t>(first.get() - 1));
    char* const out = plainText.data();
    const std::size_t count = plainText.size();
    for (std::size_t at = 0; at < count; ++at)
        out[at] = Unshifted<format>(shifts.Next(), cipher[at]);
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

template <const CipherFormat& format>
std::string Scramble(std::string_view plainText, const std::string& table, RandomSource& random,
                     Clock& clock) {
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
        random.Reseed(clock.NowSerial());
    appendFillers(cipherText, trailingCount, format.trailingFiller, random);
    Substitute(cipherText, format.originals, format.written);
    return cipherText;
}

template <const CipherFormat& format>
std::string Unscramble(std::string& cipherText, const std::string& table) {
    Substitute(cipherText, format.written, format.originals);
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

template std::string Scramble<kTextCipher>(std::string_view, const std::string&, RandomSource&,
                                           Clock&);
template std::string Scramble<kBinaryCipher>(std::string_view, const std::string&, RandomSource&,
                                             Clock&);
template std::string Unscramble<kTextCipher>(std::string&, const std::string&);
template std::string Unscramble<kBinaryCipher>(std::string&, const std::string&);

} // namespace vellum::component

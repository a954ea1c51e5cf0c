#include "component/Cipher.h"

#include "component/TextPrimitives.h"

#include <string_view>

namespace vellum::component {

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
    if (plainText.size() >= kLastSearchablePosition)
        throw Fault("integer overflow in addition");
    Scrambler<format> scrambler(table, Int32(plainText.size()), plainText.size(), random, clock);
    scrambler.Shift(plainText, 0);
    std::string cipherText = scrambler.Finish();
    // Nothing but a substitution writes these characters.
    if (cipherText.find_first_of(format.written, kLastSearchablePosition) != std::string::npos)
        throw Fault("search position beyond 32,767");
    return cipherText;
}

template <const CipherFormat& format>
std::string Unscramble(std::string& cipherText, const std::string& table) {
    Substitute(cipherText, format.written, format.originals);
    const Int32 key = KeyPositionOf<format>(cipherText, table);
    const Int16 length = LengthSaid<format>(cipherText, table, key);
    if (length < 1)
        return {};
    return Unscrambler<format>(cipherText, table, key)
        .Take(static_cast<std::size_t>(length.get()), 0);
}

template std::string Scramble<kTextCipher>(std::string_view, const std::string&, RandomSource&,
                                           Clock&);
template std::string Scramble<kBinaryCipher>(std::string_view, const std::string&, RandomSource&,
                                             Clock&);
template std::string Unscramble<kTextCipher>(std::string&, const std::string&);
template std::string Unscramble<kBinaryCipher>(std::string&, const std::string&);

} // namespace vellum::component

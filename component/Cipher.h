#pragma once

#include "component/Checked.h"
#include "component/Clock.h"
#include "component/RandomSource.h"
#include "component/TextPrimitives.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The layout both ciphers share: a random key character, a length character, pad fillers, one
// shifted character per plaintext character, trailing fillers up to 30, final substitutions.
namespace vellum::component {

struct CipherFormat {
    int tableLength;   // the key table's length, which the index formula divides by
    int modulus;       // of the length and cipher characters
    int offset;        // added to their remainders
    float keySpan;     // key positions run from 1 to keySpan + 1
    int lowestDecoded; // decoded codes below it wrap up by the modulus
    // A fixed filler, or none for random ones (the trailing ones after a second seeding).
    std::optional<char> padFiller;
    std::optional<char> trailingFiller;
    // The final substitutions: each `originals` character written as the `written` one.
    std::string_view originals;
    std::string_view written;
};

inline constexpr CipherFormat kTextCipher{.tableLength = 111,
                                          .modulus = 111,
                                          .offset = 14,
                                          .keySpan = 80.0F,
                                          .lowestDecoded = 14,
                                          .padFiller = std::nullopt,
                                          .trailingFiller = std::nullopt,
                                          .originals = "|;",
                                          .written = "\x7f~"};

inline constexpr CipherFormat kBinaryCipher{.tableLength = 127,
                                            .modulus = 254,
                                            .offset = 1,
                                            .keySpan = 96.0F,
                                            .lowestDecoded = 0,
                                            .padFiller = 'P',
                                            .trailingFiller = 'S',
                                            .originals = "|",
                                            .written = "\xff"};

// The text cipher's key table: 111 distinct codes 14 to 124. Positions 2 to 82 (every possible
// length character's base) stay at or below 112, so that every length 0 to 109 decodes whole.
std::string BuildTextKeyTable();
// The binary cipher's key table: 127 distinct codes 4 to 251.
std::string BuildBinaryKeyTable();

// The first seed: the decimal digits of hour × month followed by those of the second
// (09:30:07 in November gives 997; 00:12:45 gives 45).
std::int32_t FirstSeed(int hour, int month, int second);

// Reads the clock three times (hour, then month, then second) and reseeds with FirstSeed.
void SeedFromClockDigits(RandomSource& random, Clock& clock);

// One draw r scaled to round(r × scale + offset), in single precision, ties to even.
inline Int32 DrawScaled(RandomSource& random, float scale, float offset) {
    return RoundToInt32(random.Draw() * scale + offset);
}

// The table characters that shift the cipher characters, one after another from the one at
// `firstTerm`, the key position plus the character's place in the ciphertext. The term's table
// character is the one at (term × key) mod table length, from 0, so each next one lies `key`
// further on, round the table. With keys below 112 nothing here comes near overflowing.
template <const CipherFormat& format> class Shifts {
public:
    Shifts(std::string_view table, int firstTerm, int key)
        : m_table(table)
        , m_key(key)
        , m_index(firstTerm * key % format.tableLength) {
        if (table.size() != static_cast<std::size_t>(format.tableLength))
            throw Fault("key table of the wrong length");
    }

    int Next() {
        const int shift = static_cast<unsigned char>(m_table[static_cast<std::size_t>(m_index)]);
        m_index += m_key;
        m_index -= m_index >= format.tableLength ? format.tableLength : 0;
        return shift;
    }

private:
    std::string_view m_table;
    int m_key;
    int m_index;
};

// A plaintext character as the cipher character that `shift` makes of it.
template <const CipherFormat& format> char Shifted(int shift, char plain) {
    return static_cast<char>((shift + static_cast<unsigned char>(plain)) % format.modulus +
                             format.offset);
}

// A cipher character's plaintext character. The difference's remainder is moved up by the
// modulus until it is a decoded code; taken after adding the modulus, the remainder is above
// -offset - 1, so that one addition lands it where the format's additions, at most two, do.
template <const CipherFormat& format> char Unshifted(int shift, char cipher) {
    int code = (static_cast<unsigned char>(cipher) - shift + format.modulus) % format.modulus -
               format.offset;
    code += code < format.lowestDecoded ? format.modulus : 0;
    return static_cast<char>(code);
}

// Filler characters pad every ciphertext to at least this length.
inline constexpr int kShortestCipherText = 30;

// A random filler: round(r × 111 + 14), a code 14 to 125.
inline char RandomFiller(RandomSource& random) {
    return CharacterOf(DrawScaled(random, 111.0F, 14.0F));
}

// The ciphertext of any plaintext, with its key position and fillers drawn from `random`. The
// format, kTextCipher or kBinaryCipher, is a template argument so that its moduli are constants.
template <const CipherFormat& format>
std::string Scramble(std::string_view plainText, const std::string& table, RandomSource& random,
                     Clock& clock);

// The plaintext of a ciphertext. Undoes the substitutions in `cipherText` itself first; they
// stay undone even when a later step fails.
template <const CipherFormat& format>
std::string Unscramble(std::string& cipherText, const std::string& table);

} // namespace vellum::component

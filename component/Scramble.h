#pragma once

#include "component/Checked.h"
#include "component/Clock.h"
#include "component/RandomSource.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The layout every ciphertext shares, whoever writes it: a random key character, a length
// character, pad fillers, one shifted character per plaintext character, trailing fillers up to
// 30, final substitutions. The text and binary ciphers write it, and so does every front end's
// extended format, through the one Scrambler and Unscrambler below.
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

// Filler characters pad every ciphertext to at least this length.
inline constexpr std::size_t kShortestCipherText = 30;

// The text cipher's key table, built once for every caller: it never changes.
const std::string& TextCipherTable();

// The characters a ciphertext holds in place of `originals`, and back. A loop over the format's
// one or two characters, which the compiler unrolls: a search per character would be a call.
template <const CipherFormat& format> char Substituted(char character) {
    for (std::size_t at = 0; at < format.originals.size(); ++at)
        character = character == format.originals[at] ? format.written[at] : character;
    return character;
}

template <const CipherFormat& format> char Unsubstituted(char character) {
    for (std::size_t at = 0; at < format.written.size(); ++at)
        character = character == format.written[at] ? format.originals[at] : character;
    return character;
}

// The key position of a ciphertext's first character: its place in the table, 0 when the table
// lacks it, 1 for an empty text.
template <const CipherFormat& format>
Int32 KeyPositionOf(std::string_view cipherText, const std::string& table);

// The length a ciphertext's length character says for key position `key`, modulo the modulus,
// from -1 up (-1 for a length one short of the modulus). Fails when the text has no second
// character or the table none after the key character.
template <const CipherFormat& format>
Int16 LengthSaid(std::string_view cipherText, const std::string& table, Int32 key);

// The table characters that shift the cipher characters, one after another from the one at
// `firstTerm`, the key position plus the character's place in the ciphertext. The term's table
// character is the one at (term × key) mod table length, from 0, so each next one lies `key`
// further on, round the table. With keys below 112 nothing here comes near overflowing.
template <const CipherFormat& format> class Shifts {
public:
    Shifts(std::string_view table, int firstTerm, int key);

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

// Writes one ciphertext: the constructor its head, Shift() the shifted characters, Finish() the
// tail, each character with its final substitution made. A ciphertext of n characters says n;
// another format may say what it likes.
template <const CipherFormat& format> class Scrambler {
public:
    // Seeds `random` from the clock's digits, draws the key position and writes the key
    // character, the length character saying `lengthSaid` and the pad fillers, with room for
    // `characters` shifted ones after them.
    Scrambler(const std::string& table, Int32 lengthSaid, std::size_t characters,
              RandomSource& random, Clock& clock);

    // Appends each character of `plain` shifted, taken as the code `raisedBy` above its own.
    void Shift(std::string_view plain, int raisedBy);

    // Appends the trailing fillers, random ones after a reseeding from the clock, up to 30
    // characters, and hands the ciphertext over.
    std::string Finish();

private:
    RandomSource& m_random;
    Clock& m_clock;
    Int32 m_key;
    std::string m_cipherText;
    Shifts<format> m_shifts;
};

// Reads a ciphertext's shifted characters one after another, from the first after the pad
// fillers, with the substitutions undone as each is read.
template <const CipherFormat& format> class Unscrambler {
public:
    Unscrambler(std::string_view cipherText, const std::string& table, Int32 key);

    std::size_t Position() const { return m_at + 1; } // of the next character, from 1
    std::size_t Left() const { return m_cipherText.size() - std::min(m_at, m_cipherText.size()); }

    // The next character's plaintext code, less `loweredBy`; fails when none is left.
    int Next(int loweredBy);

    // The next `count` characters' plaintext codes, each less `loweredBy`; fails when fewer are
    // left.
    std::string Take(std::size_t count, int loweredBy);

private:
    std::string_view m_cipherText;
    std::size_t m_at;
    Shifts<format> m_shifts;
};

} // namespace vellum::component

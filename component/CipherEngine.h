#pragma once

#include "Checked.h"
#include "Clock.h"
#include "RandomSource.h"
#include "Seeding.h"
#include "TextPrimitives.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

// The ciphertext layout both ciphers share: a key character drawn at random, a length character,
// pad fillers, one shifted character per plaintext character, trailing fillers up to 30
// characters, and final substitutions. A failure inside it is a runtime::Fault.
//
// The format is a template argument so that its moduli are constants the compiler divides by
// cheaply, sixteen characters at a time when encoding.
namespace vellum::engine {

struct Substitution {
    char original;
    char written;
};

struct Format {
    int tableLength;   // the key table's length, which the index formula divides by
    int modulus;       // of the length and cipher characters
    int offset;        // added to their remainders
    float keySpan;     // key positions run from 1 to keySpan + 1
    int lowestDecoded; // decoded codes below it wrap up by the modulus
    // Filler characters; 0 draws random ones, the trailing ones after a second seeding.
    char padFiller;
    char trailingFiller;
    // Applied in order to the finished ciphertext, and undone in order before decoding.
    Substitution substitutions[2];
    int substitutionCount;
};

namespace detail {

using runtime::characterOf;
using runtime::codeAt;
using runtime::Int16;
using runtime::Int32;
using runtime::toInt16;

inline constexpr int kShortestCipherText = 30;

// The table characters the cipher characters are shifted by, one after another: first the one for
// `firstTerm` (the key position plus the character's place in the ciphertext), then for each
// next term. The index (term × key position) mod table length grows by the key position from one
// term to the next, so each step is an add and a compare instead of a product and a division.
// Decoding reads its shifts here; encoding reads the same ones from ShiftRows.
template <const Format& format> class Shifts {
public:
    // The table must have the format's length, and 0 <= keyPosition < that length; both are
    // checked before any character is encoded.
    Shifts(const std::string& table, Int32 firstTerm, Int32 keyPosition)
        : m_table(table.data())
        , m_step(keyPosition.get())
        , m_index(((firstTerm * keyPosition) % Int32(format.tableLength)).get()) {
        if (m_step < 0 || m_step >= format.tableLength || m_index < 0)
            throw runtime::Fault("key position outside the key table");
    }

    int next() {
        const int shift = static_cast<unsigned char>(m_table[m_index]);
        m_index += m_step;
        if (m_index >= format.tableLength)
            m_index -= format.tableLength;
        return shift;
    }

private:
    const char* m_table;
    int m_step;
    int m_index;
};

// Every code as the finished ciphertext writes it: the substitutions applied in order. They are
// applied character by character as the text is assembled, which ends the same as passes over the
// finished text: no assembled character has a code a substitution writes.
template <const Format& format> constexpr char substituted(char character) {
    for (int at = 0; at < format.substitutionCount; ++at)
        character = character == format.substitutions[at].original
                        ? format.substitutions[at].written
                        : character;
    return character;
}

template <const Format& format>
inline constexpr std::array<char, 256> kWritten = [] {
    std::array<char, 256> written{};
    for (std::size_t code = 0; code < written.size(); ++code)
        written[code] = substituted<format>(static_cast<char>(code));
    return written;
}();

template <const Format& format> char written(char character) {
    return kWritten<format>[static_cast<unsigned char>(character)];
}

// The written cipher character of a shift and a plain code (each 0 to 255). Plain arithmetic, no
// table, so that a block of them is worked out in vector registers.
template <const Format& format> char encoded(std::uint16_t shift, std::uint16_t plain) {
    static_assert(format.modulus - 1 + format.offset <= 255, "every cipher character has a code");
    const auto sum = static_cast<std::uint16_t>(shift + plain);
    return substituted<format>(static_cast<char>(sum % format.modulus + format.offset));
}

inline constexpr std::size_t kBlock = 16;

// The table characters the cipher characters are shifted by, for each key position k: the row of
// k holds at t the character at (t × k) mod length, for t from 0 to the length - 1 and then the
// first kBlock again. The character for term t is then the row's at t mod length, and a block of
// consecutive terms lies side by side. Each row is worked out once, when its key is first drawn.
template <const Format& format> class ShiftRows {
public:
    static constexpr std::size_t kLength = format.tableLength;
    static_assert(kBlock <= kLength, "a block never wraps more than once");
    using Row = std::array<unsigned char, kLength + kBlock>;

    // The table must have the format's length (checked before any character is encoded).
    const Row& of(const std::string& table, Int32 keyPosition) {
        const int key = keyPosition.get();
        if (key < 0 || static_cast<std::size_t>(key) >= kLength)
            throw runtime::Fault("key position outside the key table");
        if (m_table.size() != kLength || std::memcmp(table.data(), m_table.data(), kLength) != 0) {
            m_table = table;
            m_built.fill(false);
        }
        Row& row = m_rows[static_cast<std::size_t>(key)];
        if (!m_built[static_cast<std::size_t>(key)]) {
            std::size_t index = 0;
            for (unsigned char& shift : row) {
                shift = static_cast<unsigned char>(m_table[index]);
                index = (index + static_cast<std::size_t>(key)) % kLength;
            }
            m_built[static_cast<std::size_t>(key)] = true;
        }
        return row;
    }

    // This thread's rows: the ciphers run in any thread.
    static ShiftRows& local() {
        thread_local ShiftRows rows;
        return rows;
    }

private:
    std::string m_table; // the table the built rows come from
    std::array<Row, kLength> m_rows{};
    std::array<bool, kLength> m_built{};
};

// Encodes kBlock characters with their shifts: a loop of fixed length into a local block, which
// the compiler vectorises, since nothing it writes can be what it reads.
template <const Format& format>
void encodeBlock(const unsigned char* shifts, const char* plain, char* out) {
    std::array<char, kBlock> block;
    for (std::size_t at = 0; at < kBlock; ++at)
        block[at] = encoded<format>(shifts[at], static_cast<unsigned char>(plain[at]));
    std::copy(block.begin(), block.end(), out);
}

// Encodes `plain` (`count` characters) at `out`, the first with term `firstTerm`: blocks, the
// last one overlapping the one before it (its characters come out the same again); a text
// shorter than a block character by character.
template <const Format& format>
void encodeShifted(const typename ShiftRows<format>::Row& row, std::size_t firstTerm,
                   const char* plain, std::size_t count, char* out) {
    const auto shiftsAt = [&](std::size_t at) {
        return row.data() + (firstTerm + at) % ShiftRows<format>::kLength;
    };
    if (count < kBlock) {
        const unsigned char* const shifts = shiftsAt(0);
        for (std::size_t at = 0; at < count; ++at)
            out[at] = encoded<format>(shifts[at], static_cast<unsigned char>(plain[at]));
        return;
    }
    for (std::size_t at = 0; at + kBlock < count; at += kBlock)
        encodeBlock<format>(shiftsAt(at), plain + at, out + at);
    const std::size_t last = count - kBlock;
    encodeBlock<format>(shiftsAt(last), plain + last, out + last);
}

// The plain character of every difference of a cipher code and a shift (-255 to 255), worked
// out once: the remainder less the offset, with the modulus added while it is below the lowest
// decoded code. A remainder is above minus one modulus, so two additions always suffice.
template <const Format& format>
inline constexpr std::array<char, 511> kDecodedDifferences = [] {
    static_assert(format.offset + format.lowestDecoded <= format.modulus + 1);
    std::array<char, 511> decoded{};
    for (std::size_t at = 0; at < decoded.size(); ++at) {
        const int difference = static_cast<int>(at) - 255;
        int code = difference % format.modulus - format.offset;
        for (int pass = 0; pass < 2; ++pass)
            code += code < format.lowestDecoded ? format.modulus : 0;
        if (code < 0 || code > 255)
            throw runtime::Fault("character code out of range"); // fails the build
        decoded[at] = static_cast<char>(code);
    }
    return decoded;
}();

// Writes `count` fillers at `out`: `filler`, or random ones when it is 0, each as `written` has it.
template <typename Random>
void writeFillers(char* out, Int16 count, char filler, const std::array<char, 256>& written,
                  Random& random) {
    const auto total = static_cast<std::size_t>(std::max<int>(0, count.get()));
    if (filler != 0) {
        std::fill_n(out, total, written[static_cast<unsigned char>(filler)]);
        return;
    }
    for (std::size_t at = 0; at < total; ++at)
        out[at] = written[static_cast<unsigned char>(
            characterOf(runtime::drawScaled(random, 111.0f, 14.0f)))];
}

// A search position is 16 bits: a substituted character beyond position 32,767 could not have
// been found there, and fails. Only substitutions write their codes, so finding one is enough.
template <const Format& format> void requireSearchable(const std::string& cipherText) {
    if (cipherText.size() <= runtime::kLastSearchablePosition)
        return;
    const std::string_view beyond =
        std::string_view(cipherText).substr(runtime::kLastSearchablePosition);
    for (int at = 0; at < format.substitutionCount; ++at)
        if (beyond.find(format.substitutions[at].written) != std::string_view::npos)
            throw runtime::Fault("search position beyond 32,767");
}

// Undoes the substitutions in order. A text every search reaches the end of takes one pass, each
// character undone whole, which ends the same: blocks of 16 in a loop of fixed length, which the
// compiler vectorises, the last block overlapping the one before it (undoing twice changes
// nothing more). A longer text keeps its pass per substitution, so that a failure leaves exactly
// the earlier replacements made.
template <const Format& format> void undoSubstitutions(std::string& cipherText) {
    static_assert(
        [] {
            for (int undone = 0; undone < format.substitutionCount; ++undone)
                for (int step = 0; step < format.substitutionCount; ++step)
                    if (format.substitutions[undone].original == format.substitutions[step].written)
                        return false;
            return true;
        }(),
        "no undone character is undone again");
    const auto undo = [](char* characters, std::size_t count) {
        for (std::size_t at = 0; at < count; ++at)
            for (int step = 0; step < format.substitutionCount; ++step)
                characters[at] = characters[at] == format.substitutions[step].written
                                     ? format.substitutions[step].original
                                     : characters[at];
    };
    char* const text = cipherText.data();
    if (cipherText.size() > runtime::kLastSearchablePosition) {
        for (int step = 0; step < format.substitutionCount; ++step)
            runtime::substitute(cipherText, format.substitutions[step].written,
                                format.substitutions[step].original);
    } else if (cipherText.size() < kBlock) {
        undo(text, cipherText.size());
    } else {
        for (std::size_t at = 0; at + kBlock < cipherText.size(); at += kBlock)
            undo(text + at, kBlock);
        undo(text + cipherText.size() - kBlock, kBlock);
    }
}

// The table's actual length is what the index formula divides by; it must be the constant.
void requireLength(const std::string& table, int length);

} // namespace detail

// Assembles the ciphertext of `plainText` into `cipherText`, whose storage is reused.
template <const Format& format, typename Random, typename ClockType>
void assemble(const std::string& plainText, const std::string& table, Random& random,
              ClockType& clock, std::string& cipherText) {
    using namespace detail;
    requireLength(table, format.tableLength);
    runtime::seedFromClockDigits(random, clock);
    const Int32 key = runtime::drawScaled(random, format.keySpan, 1.0f);
    const Int16 padCount = toInt16(key % 8);
    const Int32 length = Int32(plainText.size());
    const Int16 trailingCount =
        toInt16(Int32(Int16(kShortestCipherText) - padCount - Int16(2)) - length);

    // Written in place through pointers: a store through the string itself could change its own
    // buffer pointer, as far as the compiler knows, which it would then reload for every character.
    const auto countOf = [](Int16 count) {
        return static_cast<std::size_t>(std::max<int>(0, count.get()));
    };
    const std::size_t prefixLength = 2 + countOf(padCount);
    cipherText.resize(prefixLength + plainText.size() + countOf(trailingCount));
    char* const out = cipherText.data();
    out[0] = written<format>(characterOf(codeAt(table, key)));
    out[1] = written<format>(
        characterOf((Int32(codeAt(table, key + 1)) + length) % format.modulus + format.offset));
    writeFillers(out + 2, padCount, format.padFiller, kWritten<format>, random);

    // The plaintext's characters are counted in 16 bits, and the count cannot pass its last value.
    if (toInt16(length) == Int16(std::numeric_limits<std::int16_t>::max()))
        throw runtime::Fault("integer overflow in addition");
    const std::size_t plainLength = plainText.size();
    char* const encoded = out + prefixLength;
    encodeShifted<format>(ShiftRows<format>::local().of(table, key),
                          static_cast<std::size_t>(1 + key.get()) + prefixLength, plainText.data(),
                          plainLength, encoded);

    if (format.trailingFiller == 0)
        random.Reseed(clock.NowSerial());
    writeFillers(encoded + plainLength, trailingCount, format.trailingFiller, kWritten<format>,
                 random);
    requireSearchable<format>(cipherText);
}

// Decodes `cipherText` into `plainText`, whose storage is reused. Rewrites `cipherText` by undoing
// the substitutions first; they stay undone even on failure.
template <const Format& format>
void decode(std::string& cipherText, const std::string& table, std::string& plainText) {
    using namespace detail;
    requireLength(table, format.tableLength);
    undoSubstitutions<format>(cipherText);
    const Int32 key =
        cipherText.empty() ? Int32(1) : runtime::tablePosition(table, cipherText.front());
    const Int16 base = codeAt(table, key + 1);
    const Int16 lengthCode = codeAt(cipherText, 2);

    const Int16 modulus(format.modulus);
    Int16 length = (lengthCode - base) % modulus - Int16(format.offset);
    if (length < -1)
        length = length + modulus;
    const Int16 padCount = toInt16(key % 8);

    // Decoded into a local buffer: stores into a std::string may alias the texts being read,
    // which would force the compiler to reload them for every character.
    static_assert(format.modulus - 1 - format.offset < 256, "a decoded length fits the buffer");
    std::array<char, 256> decoded;
    std::size_t decodedLength = 0;
    const Int16 first = padCount + Int16(3);
    const Int16 last = padCount + Int16(2) + length;
    if (first <= last) {
        if (static_cast<std::size_t>(last.get()) > cipherText.size())
            throw runtime::Fault("no character at that position");
        Shifts<format> shifts(table, Int32(first) + key, key);
        const char* const cipher = cipherText.data();
        for (std::size_t at = static_cast<std::size_t>(first.get()) - 1;
             at < static_cast<std::size_t>(last.get()); ++at) {
            // The difference, -255 to 255, moved up to index the table from 0.
            const int entry = static_cast<unsigned char>(cipher[at]) - shifts.next() + 255;
            decoded[decodedLength++] = kDecodedDifferences<format>[static_cast<std::size_t>(entry)];
        }
    }
    plainText.assign(decoded.data(), decodedLength);
}

} // namespace vellum::engine

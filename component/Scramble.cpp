#include "component/Scramble.h"

#include "component/Cipher.h"
#include "component/TextPrimitives.h"

#include <algorithm>

namespace vellum::component {

namespace {

// A plaintext code as the cipher character that `shift` makes of it.
template <const CipherFormat& format> char shifted(int shift, int code) {
    return static_cast<char>((shift + code) % format.modulus + format.offset);
}

// A cipher character's plaintext code. The difference's remainder is moved up by the modulus
// until it is a decoded code; taken after adding the modulus, the remainder is above
// -offset - 1, so that one addition lands it where the format's additions, at most two, do.
template <const CipherFormat& format> int unshifted(int shift, char cipher) {
    int code = (static_cast<unsigned char>(cipher) - shift + format.modulus) % format.modulus -
               format.offset;
    code += code < format.lowestDecoded ? format.modulus : 0;
    return code;
}

Int32 drawnKey(RandomSource& random, Clock& clock, float keySpan) {
    SeedFromClockDigits(random, clock);
    return DrawScaled(random, keySpan, 1.0F);
}

// Each character is written with the final substitutions made, so that a text is gone through
// once.
template <const CipherFormat& format>
void appendFillers(std::string& cipherText, std::size_t count, std::optional<char> filler,
                   RandomSource& random) {
    for (std::size_t at = 0; at < count; ++at)
        cipherText += Substituted<format>(filler ? *filler : RandomFiller(random));
}

// The key character, the length character and the pad fillers.
template <const CipherFormat& format>
std::string headOf(const std::string& table, Int32 key, Int32 lengthSaid, std::size_t characters,
                   RandomSource& random) {
    std::string head;
    head.reserve(std::max<std::size_t>(kShortestCipherText, 9 + characters));
    head += Substituted<format>(CharacterOf(CodeAt(table, key)));
    head += Substituted<format>(
        CharacterOf((Int32(CodeAt(table, key + 1)) + lengthSaid) % format.modulus + format.offset));
    appendFillers<format>(head, static_cast<std::size_t>(key.get() % 8), format.padFiller, random);
    return head;
}

} // namespace

const std::string& TextCipherTable() {
    static const std::string table = BuildTextKeyTable();
    return table;
}

template <const CipherFormat& format>
Int32 KeyPositionOf(std::string_view cipherText, const std::string& table) {
    if (cipherText.empty())
        return Int32(1);
    return TablePosition(table, Unsubstituted<format>(cipherText.front()));
}

template <const CipherFormat& format>
Int16 LengthSaid(std::string_view cipherText, const std::string& table, Int32 key) {
    const Int16 base = CodeAt(table, key + 1);
    const Int16 lengthCode = CodeAt(cipherText, 2);
    const Int16 unsubstituted =
        static_cast<unsigned char>(Unsubstituted<format>(static_cast<char>(lengthCode.get())));
    const Int16 modulus(format.modulus);
    const Int16 length = (unsubstituted - base) % modulus - Int16(format.offset);
    return length < -1 ? length + modulus : length;
}

template <const CipherFormat& format>
Shifts<format>::Shifts(std::string_view table, int firstTerm, int key)
    : m_table(table)
    , m_key(key)
    , m_index(firstTerm * key % format.tableLength) {
    if (table.size() != static_cast<std::size_t>(format.tableLength))
        throw Fault("key table of the wrong length");
}

template <const CipherFormat& format>
Scrambler<format>::Scrambler(const std::string& table, Int32 lengthSaid, std::size_t characters,
                             RandomSource& random, Clock& clock)
    : m_random(random)
    , m_clock(clock)
    , m_key(drawnKey(random, clock, format.keySpan))
    , m_cipherText(headOf<format>(table, m_key, lengthSaid, characters, random))
    , m_shifts(table, m_key.get() + static_cast<int>(m_cipherText.size()) + 1, m_key.get()) {}

template <const CipherFormat& format>
void Scrambler<format>::Shift(std::string_view plain, int raisedBy) {
    const std::size_t start = m_cipherText.size();
    m_cipherText.resize(start + plain.size());
    // Through a pointer held apart: a character stored through the string itself could, as far as
    // the compiler knows, change the string's own size and buffer.
    char* const out = m_cipherText.data() + start;
    for (std::size_t at = 0; at < plain.size(); ++at)
        out[at] = Substituted<format>(
            shifted<format>(m_shifts.Next(), static_cast<unsigned char>(plain[at]) + raisedBy));
}

template <const CipherFormat& format> std::string Scrambler<format>::Finish() {
    if (!format.trailingFiller)
        m_random.Reseed(m_clock.NowSerial());
    const std::size_t length = m_cipherText.size();
    appendFillers<format>(m_cipherText,
                          length < kShortestCipherText ? kShortestCipherText - length : 0,
                          format.trailingFiller, m_random);
    return std::move(m_cipherText);
}

template <const CipherFormat& format>
Unscrambler<format>::Unscrambler(std::string_view cipherText, const std::string& table, Int32 key)
    : m_cipherText(cipherText)
    , m_at(2 + static_cast<std::size_t>(key.get() % 8))
    , m_shifts(table, key.get() + static_cast<int>(m_at) + 1, key.get()) {}

template <const CipherFormat& format> int Unscrambler<format>::Next(int loweredBy) {
    if (Left() == 0)
        throw Fault("no character at that position");
    return unshifted<format>(m_shifts.Next(), Unsubstituted<format>(m_cipherText[m_at++])) -
           loweredBy;
}

template <const CipherFormat& format>
std::string Unscrambler<format>::Take(std::size_t count, int loweredBy) {
    if (Left() < count)
        throw Fault("no character at that position");
    std::string plain(count, '\0');
    // Through a pointer held apart, as when scrambling.
    char* const out = plain.data();
    const std::string_view cipher = m_cipherText.substr(m_at, count);
    for (std::size_t at = 0; at < count; ++at)
        out[at] = static_cast<char>(
            unshifted<format>(m_shifts.Next(), Unsubstituted<format>(cipher[at])) - loweredBy);
    m_at += count;
    return plain;
}

template Int32 KeyPositionOf<kTextCipher>(std::string_view, const std::string&);
template Int32 KeyPositionOf<kBinaryCipher>(std::string_view, const std::string&);
template Int16 LengthSaid<kTextCipher>(std::string_view, const std::string&, Int32);
template Int16 LengthSaid<kBinaryCipher>(std::string_view, const std::string&, Int32);
template class Shifts<kTextCipher>;
template class Shifts<kBinaryCipher>;
template class Scrambler<kTextCipher>;
template class Scrambler<kBinaryCipher>;
template class Unscrambler<kTextCipher>;
template class Unscrambler<kBinaryCipher>;

} // namespace vellum::component

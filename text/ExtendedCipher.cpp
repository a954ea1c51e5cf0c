#include "text/ExtendedCipher.h"

#include "component/Cipher.h"
#include "text/Units.h"

#include <algorithm>

namespace vellum::text {

namespace {

using component::kTextCipher;

constexpr int kSaysExtended = 110;
constexpr int kLastKeyPosition = 81;
constexpr int kLongestCount = 9; // digits: 111⁹ units lie beyond any memory
constexpr int kUnitCodeOffset = 14;

const std::string& keyTable() {
    static const std::string table = component::BuildTextKeyTable();
    return table;
}

int codeOf(char character) {
    return static_cast<unsigned char>(character);
}

// The final substitutions of the text cipher, and back: 124 is written as 127, 59 as 126.
char substituted(char character) {
    return character == '|' ? '\x7f' : character == ';' ? '~' : character;
}

char unsubstituted(char character) {
    return character == '\x7f' ? '|' : character == '~' ? ';' : character;
}

// The key position a ciphertext's first character stands for, 0 for none.
int keyOf(char keyCharacter) {
    const std::size_t found = keyTable().find(unsubstituted(keyCharacter));
    return found < kLastKeyPosition ? static_cast<int>(found) + 1 : 0;
}

// The code of the table character after the key character, which the length character counts
// from.
int lengthBase(int key) {
    return codeOf(keyTable()[static_cast<std::size_t>(key)]);
}

std::string headerOf(std::size_t unitCount) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>(unitCount % kUnitValues));
        unitCount /= kUnitValues;
    } while (unitCount > 0);
    int check = static_cast<int>(digits.size());
    for (const char digit : digits)
        check += digit;
    return static_cast<char>(digits.size()) + digits + static_cast<char>(check % kUnitValues);
}

// Each character is written with the final substitutions made, so that a long line is gone
// through once; the header's units and the line's are shifted one after the other, without
// joining them first.
std::string scrambled(std::string_view header, std::string_view units,
                      component::RandomSource& random, component::Clock& clock) {
    const std::string& table = keyTable();
    component::SeedFromClockDigits(random, clock);
    const int key = component::DrawScaled(random, kTextCipher.keySpan, 1.0F).get();
    std::string cipherText;
    cipherText.reserve(
        std::max<std::size_t>(component::kShortestCipherText, 9 + header.size() + units.size()));
    cipherText += substituted(table[static_cast<std::size_t>(key) - 1]);
    cipherText += substituted(static_cast<char>(
        (lengthBase(key) + kSaysExtended) % kTextCipher.modulus + kTextCipher.offset));
    for (int pad = 0; pad < key % 8; ++pad)
        cipherText += substituted(component::RandomFiller(random));
    std::size_t at = cipherText.size();
    component::Shifts<kTextCipher> shifts(table, key + static_cast<int>(at) + 1, key);
    cipherText.resize(at + header.size() + units.size());
    char* const out = cipherText.data(); // written through, as in the component
    for (const std::string_view part : {header, units})
        for (const char unit : part)
            out[at++] = substituted(component::Shifted<kTextCipher>(
                shifts.Next(), static_cast<char>(unit + kUnitCodeOffset)));
    random.Reseed(clock.NowSerial());
    while (cipherText.size() < component::kShortestCipherText)
        cipherText += substituted(component::RandomFiller(random));
    return cipherText;
}

Message cutShort() {
    return {"Refusal",
            VELLUM_TRANSLATABLE("Refusal", "The encrypted text is damaged: it has been "
                                           "cut short. Nothing was decrypted."),
            {}};
}

Message brokenAt(std::size_t position) {
    return {"Refusal",
            VELLUM_TRANSLATABLE("Refusal", "The encrypted text is damaged: character %1 does not "
                                           "fit its structure. Nothing was decrypted."),
            {std::to_string(position)}};
}

// The units of a ciphertext, one after another from the first after the pad fillers.
class UnitReader {
public:
    UnitReader(std::string_view cipherText, int key)
        : m_cipherText(cipherText)
        , m_at(2 + static_cast<std::size_t>(key % 8))
        , m_shifts(keyTable(), key + static_cast<int>(m_at) + 1, key) {}

    std::size_t Position() const { return m_at + 1; } // of the next unit's character
    std::size_t Left() const { return m_cipherText.size() - std::min(m_at, m_cipherText.size()); }

    int Next() {
        if (Left() == 0)
            throw DamagedCipher(cutShort());
        return unitOf(m_cipherText[m_at++]);
    }

    std::string Take(std::size_t count) {
        if (Left() < count)
            throw DamagedCipher(cutShort());
        std::string units(count, '\0');
        char* const out = units.data();
        for (std::size_t at = 0; at < count; ++at)
            out[at] = static_cast<char>(unitOf(m_cipherText[m_at + at]));
        m_at += count;
        return units;
    }

private:
    int unitOf(char cipher) {
        return component::Unshifted<kTextCipher>(m_shifts.Next(), unsubstituted(cipher)) -
               kUnitCodeOffset;
    }

    std::string_view m_cipherText;
    std::size_t m_at;
    component::Shifts<kTextCipher> m_shifts;
};

// The header's count of units, once its check holds.
std::size_t unitCountOf(UnitReader& reader) {
    const std::size_t digitsPosition = reader.Position();
    const int digits = reader.Next();
    if (digits < 1 || digits > kLongestCount)
        throw DamagedCipher(brokenAt(digitsPosition));
    std::size_t count = 0;
    int check = digits;
    for (int digit = 0; digit < digits; ++digit) {
        const int value = reader.Next();
        count = count * kUnitValues + static_cast<std::size_t>(value);
        check += value;
    }
    const std::size_t checkPosition = reader.Position();
    if (reader.Next() != check % kUnitValues)
        throw DamagedCipher(brokenAt(checkPosition));
    return count;
}

} // namespace

bool IsExtended(std::string_view cipherText) {
    if (cipherText.size() < 2)
        return false;
    const int key = keyOf(cipherText[0]);
    const int lengthCode = codeOf(unsubstituted(cipherText[1]));
    return key != 0 && (lengthCode - lengthBase(key) - kTextCipher.offset - kSaysExtended) %
                               kTextCipher.modulus ==
                           0;
}

std::string EncryptExtended(std::string_view line) {
    const std::string units = UnitsOf(line);
    return scrambled(headerOf(units.size()), units, component::ProcessRandom(),
                     component::ProcessClock());
}

std::string DecryptExtended(std::string_view cipherText) {
    if (!IsExtended(cipherText))
        throw std::invalid_argument("not an extended ciphertext");
    UnitReader reader(cipherText, keyOf(cipherText[0]));
    const std::size_t count = unitCountOf(reader);
    const std::size_t first = reader.Position();
    try {
        return TextOfUnits(reader.Take(count));
    } catch (const BrokenUnits& broken) {
        throw DamagedCipher(brokenAt(first + broken.Index()));
    }
}

} // namespace vellum::text

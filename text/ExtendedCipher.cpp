#include "text/ExtendedCipher.h"

#include "component/Scramble.h"
#include "text/Units.h"

namespace vellum::text {

namespace {

using component::kTextCipher;
using TextUnscrambler = component::Unscrambler<kTextCipher>;

constexpr int kSaysExtended = 110;
// What the text cipher reads a length character that says 110 as: no characters.
constexpr int kReadAsExtended = kSaysExtended - kTextCipher.modulus;
constexpr int kLastKeyPosition = 81;
constexpr int kLongestCount = 9; // digits: 111⁹ units lie beyond any memory
constexpr int kUnitCodeOffset = 14;

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

Message cutShort() {
    return {VELLUM_TRANSLATABLE("Refusal", "The encrypted text is damaged: it has been "
                                           "cut short. Nothing was decrypted."),
            {}};
}

Message brokenAt(std::size_t position) {
    return {VELLUM_TRANSLATABLE("Refusal", "The encrypted text is damaged: character %1 does not "
                                           "fit its structure. Nothing was decrypted."),
            {std::to_string(position)}};
}

int nextUnit(TextUnscrambler& reader) {
    if (reader.Left() == 0)
        throw DamagedCipher(cutShort());
    return reader.Next(kUnitCodeOffset);
}

// The header's count of units, once its check holds.
std::size_t unitCountOf(TextUnscrambler& reader) {
    const std::size_t digitsPosition = reader.Position();
    const int digits = nextUnit(reader);
    if (digits < 1 || digits > kLongestCount)
        throw DamagedCipher(brokenAt(digitsPosition));
    std::size_t count = 0;
    int check = digits;
    for (int digit = 0; digit < digits; ++digit) {
        const int value = nextUnit(reader);
        count = count * kUnitValues + static_cast<std::size_t>(value);
        check += value;
    }
    const std::size_t checkPosition = reader.Position();
    if (nextUnit(reader) != check % kUnitValues)
        throw DamagedCipher(brokenAt(checkPosition));
    return count;
}

// The key position of an extended ciphertext, or 0 for any other text.
int extendedKeyOf(std::string_view cipherText) {
    const std::string& table = component::TextCipherTable();
    if (cipherText.size() < 2)
        return 0;
    const component::Int32 key = component::KeyPositionOf<kTextCipher>(cipherText, table);
    const bool extended =
        key >= 1 && key <= kLastKeyPosition &&
        component::LengthSaid<kTextCipher>(cipherText, table, key) == kReadAsExtended;
    return extended ? key.get() : 0;
}

} // namespace

bool IsExtended(std::string_view cipherText) {
    return extendedKeyOf(cipherText) != 0;
}

std::string EncryptExtended(std::string_view line) {
    const std::string units = UnitsOf(line);
    const std::string header = headerOf(units.size());
    component::Scrambler<kTextCipher> scrambler(
        component::TextCipherTable(), kSaysExtended, header.size() + units.size(),
        component::ProcessRandom(), component::ProcessClock());
    scrambler.Shift(header, kUnitCodeOffset);
    scrambler.Shift(units, kUnitCodeOffset);
    return scrambler.Finish();
}

std::string DecryptExtended(std::string_view cipherText) {
    const int key = extendedKeyOf(cipherText);
    if (key == 0)
        throw std::invalid_argument("not an extended ciphertext");
    TextUnscrambler reader(cipherText, component::TextCipherTable(), key);
    const std::size_t count = unitCountOf(reader);
    if (reader.Left() < count)
        throw DamagedCipher(cutShort());
    const std::size_t first = reader.Position();
    try {
        return TextOfUnits(reader.Take(count, kUnitCodeOffset));
    } catch (const BrokenUnits& broken) {
        throw DamagedCipher(brokenAt(first + broken.Index()));
    }
}

} // namespace vellum::text

#include "text/Units.h"

#include "text/Utf8.h"

#include <array>
#include <optional>

namespace vellum::text {

namespace {

constexpr char32_t kFirstSingle = 0x20;
constexpr char32_t kLastSingle = 0x7E;
constexpr int kTabUnit = 95;
constexpr int kFirstPairLead = 96;
constexpr int kFirstTripleLead = 103;
constexpr int kQuadLead = 109;
constexpr char32_t kUnitsSquared = kUnitValues * kUnitValues;
constexpr char32_t kLastCharacter = 0x10FFFF;

struct Range {
    char32_t first, last;
};

constexpr std::array<Range, 6> kPairList{{{0x0000, 0x0008},
                                          {0x000A, 0x001F},
                                          {0x007F, 0x017F},
                                          {0x0370, 0x04FF},
                                          {0x2000, 0x204F},
                                          {0x20AC, 0x20AC}}};

// The character's entry in the two-unit list, or nothing.
std::optional<char32_t> pairEntryOf(char32_t character) {
    char32_t entry = 0;
    for (const Range& range : kPairList) {
        if (character < range.first)
            return std::nullopt;
        if (character <= range.last)
            return entry + character - range.first;
        entry += range.last - range.first + 1;
    }
    return std::nullopt;
}

// Past the last scalar value: no character. A plain number, which stays in a register on the
// path most characters of other scripts take.
constexpr char32_t kNoCharacter = kLastCharacter + 1;

char32_t pairCharacterOf(char32_t entry) {
    for (const Range& range : kPairList) {
        if (entry <= range.last - range.first)
            return range.first + entry;
        entry -= range.last - range.first + 1;
    }
    return kNoCharacter;
}

// Writes the character's units at `out`; where they end.
char* writeUnitsOf(char32_t character, char* out) {
    const auto unit = [&out](char32_t value) {
        *out++ = static_cast<char>(value);
    };
    if (character >= kFirstSingle && character <= kLastSingle) {
        unit(character - kFirstSingle);
    } else if (character == U'\t') {
        unit(kTabUnit);
    } else if (const std::optional<char32_t> entry = pairEntryOf(character)) {
        unit(kFirstPairLead + *entry / kUnitValues);
        unit(*entry % kUnitValues);
    } else {
        const bool inBmp = character <= 0xFFFF;
        unit(inBmp ? kFirstTripleLead + character / kUnitsSquared : kQuadLead);
        if (!inBmp)
            unit(character / kUnitsSquared);
        unit(character / kUnitValues % kUnitValues);
        unit(character % kUnitValues);
    }
    return out;
}

bool isScalarValue(char32_t character) {
    return character <= kLastCharacter && (character < 0xD800 || character > 0xDFFF);
}

// How many units a lead unit and those after it take; 1 for a unit that is no lead.
std::size_t lengthOf(char32_t lead) {
    if (lead > kQuadLead)
        return 1;
    return lead < kFirstTripleLead ? 2 : lead < kQuadLead ? 3 : 4;
}

// The character whose `length` units begin at `at` with a lead that is not a single unit's, or
// kNoCharacter; the units after the lead are one base-111 number, the first the most
// significant.
char32_t characterAt(std::string_view units, std::size_t at, std::size_t length) {
    const auto unit = [&units, at](std::size_t offset) {
        return static_cast<char32_t>(static_cast<unsigned char>(units[at + offset]));
    };
    const char32_t lead = unit(0);
    char32_t character = kNoCharacter;
    if (length == 2)
        character = pairCharacterOf((lead - kFirstPairLead) * kUnitValues + unit(1));
    else if (length == 3)
        character = (lead - kFirstTripleLead) * kUnitsSquared + unit(1) * kUnitValues + unit(2);
    else if (length == 4)
        character = unit(1) * kUnitsSquared + unit(2) * kUnitValues + unit(3);
    return isScalarValue(character) ? character : kNoCharacter;
}

} // namespace

// Written through a pointer into room made beforehand, so that no character checks the string's
// size.
std::string UnitsOf(std::string_view line) {
    std::string units(2 * line.size(), '\0'); // a one-byte control character takes two units
    char* out = units.data();
    std::size_t characters = 0;
    for (std::size_t at = 0; at < line.size(); ++characters) {
        const auto byte = static_cast<unsigned char>(line[at]);
        if (byte >= kFirstSingle && byte <= kLastSingle) { // most characters of most lines
            *out++ = static_cast<char>(byte - kFirstSingle);
            ++at;
            continue;
        }
        const Utf8Sequence sequence = DecodeUtf8(line, at);
        if (sequence.length == 0)
            throw NotUtf8(characters + 1);
        out = writeUnitsOf(sequence.character, out);
        at += sequence.length;
    }
    units.resize(static_cast<std::size_t>(out - units.data()));
    return units;
}

BrokenUnits::BrokenUnits(std::size_t index)
    : std::runtime_error("unit " + std::to_string(index) + " stands for no character")
    , m_index(index) {}

std::string TextOfUnits(std::string_view units) {
    // Two units stand for at most three bytes, three or four for at most four.
    std::string text(units.size() + units.size() / 2 + kLongestUtf8, '\0');
    char* out = text.data();
    for (std::size_t at = 0; at < units.size();) {
        const int lead = static_cast<unsigned char>(units[at]);
        if (lead < kTabUnit) { // most characters of most lines
            *out++ = static_cast<char>(static_cast<char32_t>(lead) + kFirstSingle);
            ++at;
            continue;
        }
        if (lead == kTabUnit) {
            *out++ = '\t';
            ++at;
            continue;
        }
        const std::size_t length = lengthOf(static_cast<char32_t>(lead));
        if (units.size() - at < length)
            throw BrokenUnits(at);
        const char32_t character = characterAt(units, at, length);
        if (character == kNoCharacter)
            throw BrokenUnits(at);
        out += WriteUtf8(character, out);
        at += length;
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

} // namespace vellum::text

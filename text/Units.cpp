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

std::optional<char32_t> pairCharacterOf(char32_t entry) {
    for (const Range& range : kPairList) {
        if (entry <= range.last - range.first)
            return range.first + entry;
        entry -= range.last - range.first + 1;
    }
    return std::nullopt;
}

void append(std::string& units, char32_t value) {
    units += static_cast<char>(value);
}

void appendUnitsOf(std::string& units, char32_t character) {
    if (character >= kFirstSingle && character <= kLastSingle) {
        append(units, character - kFirstSingle);
    } else if (character == U'\t') {
        append(units, kTabUnit);
    } else if (const std::optional<char32_t> entry = pairEntryOf(character)) {
        append(units, kFirstPairLead + *entry / kUnitValues);
        append(units, *entry % kUnitValues);
    } else {
        const bool inBmp = character <= 0xFFFF;
        append(units, inBmp ? kFirstTripleLead + character / kUnitsSquared : kQuadLead);
        if (!inBmp)
            append(units, character / kUnitsSquared);
        append(units, character / kUnitValues % kUnitValues);
        append(units, character % kUnitValues);
    }
}

bool isScalarValue(char32_t character) {
    return character <= kLastCharacter && (character < 0xD800 || character > 0xDFFF);
}

// The units after a lead, read as one number, the first the most significant.
char32_t numberOf(std::string_view units) {
    char32_t number = 0;
    for (const char unit : units)
        number = number * kUnitValues + static_cast<unsigned char>(unit);
    return number;
}

// How many units follow a lead unit.
std::size_t followingCount(int lead) {
    if (lead < kFirstPairLead)
        return 0;
    if (lead < kFirstTripleLead)
        return 1;
    return lead < kQuadLead ? 2 : 3;
}

// The character that `units`, a lead and all that follow it, stand for, or nothing.
std::optional<char32_t> characterOf(std::string_view units) {
    const int lead = static_cast<unsigned char>(units[0]);
    const char32_t rest = numberOf(units.substr(1));
    std::optional<char32_t> character;
    if (lead == kTabUnit)
        character = U'\t';
    else if (lead < kTabUnit)
        character = kFirstSingle + static_cast<char32_t>(lead);
    else if (lead < kFirstTripleLead)
        character =
            pairCharacterOf(static_cast<char32_t>(lead - kFirstPairLead) * kUnitValues + rest);
    else if (lead < kQuadLead)
        character = static_cast<char32_t>(lead - kFirstTripleLead) * kUnitsSquared + rest;
    else if (lead == kQuadLead)
        character = rest;
    return character && isScalarValue(*character) ? character : std::nullopt;
}

} // namespace

std::string UnitsOf(std::string_view line) {
    std::string units;
    units.reserve(line.size() + line.size() / 2);
    std::size_t characters = 0;
    for (std::size_t at = 0; at < line.size(); ++characters) {
        const std::optional<Utf8Sequence> sequence = DecodeUtf8(line, at);
        if (!sequence)
            throw NotUtf8(characters + 1);
        appendUnitsOf(units, sequence->character);
        at += sequence->length;
    }
    return units;
}

BrokenUnits::BrokenUnits(std::size_t index)
    : std::runtime_error("unit " + std::to_string(index) + " stands for no character")
    , m_index(index) {}

std::string TextOfUnits(std::string_view units) {
    std::string text;
    text.reserve(units.size());
    for (std::size_t at = 0; at < units.size();) {
        const std::size_t length = 1 + followingCount(static_cast<unsigned char>(units[at]));
        if (units.size() - at < length)
            throw BrokenUnits(at);
        const std::optional<char32_t> character = characterOf(units.substr(at, length));
        if (!character)
            throw BrokenUnits(at);
        AppendUtf8(text, *character);
        at += length;
    }
    return text;
}

} // namespace vellum::text

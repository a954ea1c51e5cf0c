#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// A line as units, the letters an extended ciphertext scrambles: values 0 to 110, stored one to
// a char. One unit stands for a printable ASCII character or a tab; a lead unit and one to three
// more stand for any other character:
//   0-94     U+0020 to U+007E             95   U+0009 (tab)
//   96-102   + 1 unit: entry (lead - 96) × 111 + u of the two-unit list below
//   103-108  + 2 units: (lead - 103) × 111² + u1 × 111 + u2, written for U+0000 to U+FFFF
//   109      + 3 units: u1 × 111² + u2 × 111 + u3, written for U+10000 to U+10FFFF
//   110      never written
// The two-unit list runs through U+0000-0008, U+000A-001F, U+007F-017F (DEL, Latin-1 and
// Latin Extended-A), U+0370-04FF (Greek and Cyrillic), U+2000-204F (spaces, dashes, quotes,
// the ellipsis...) and U+20AC (the euro sign), 769 entries. A writer uses the shortest form; a
// reader takes any form that gives a Unicode scalar value.
namespace vellum::text {

inline constexpr int kUnitValues = 111;

// The units of the UTF-8 text `line`; throws NotUtf8 where it stops being UTF-8.
std::string UnitsOf(std::string_view line);

// Units that stand for no text: Index() is the 0-based place of the first one that does not fit.
class BrokenUnits : public std::runtime_error {
public:
    explicit BrokenUnits(std::size_t index);
    std::size_t Index() const { return m_index; }

private:
    std::size_t m_index;
};

// The UTF-8 text that `units` stand for; throws BrokenUnits.
std::string TextOfUnits(std::string_view units);

} // namespace vellum::text

#pragma once

#include <string>

namespace vellum::component {

// The text cipher's table: 111 distinct codes 14 to 124. Positions 2 to 82 (every possible
// length character's base) stay at or below 112, so that every length 0 to 109 decodes whole.
std::string BuildTextKeyTable();

// The binary cipher's table: 127 distinct codes 4 to 251.
std::string BuildBinaryKeyTable();

} // namespace vellum::component

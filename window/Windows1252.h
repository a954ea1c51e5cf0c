#pragma once

#include <QString>
#include <optional>
#include <string>

namespace vellum {

// The component works on Windows-1252 codes; the window on Unicode text. Every byte 0 to 255
// has a character (the five undefined ones map to U+0081, U+008D, U+008F, U+0090, U+009D).

QString fromWindows1252(const std::string& codes);

// A character the code page cannot represent, and where it stands (1-based, in characters).
struct UnencodableCharacter {
    QString character;
    qsizetype position;
};

struct Windows1252Text {
    std::string codes;
    std::optional<UnencodableCharacter> unencodable; // set when `codes` would be wrong
};

Windows1252Text toWindows1252(const QString& text);

} // namespace vellum

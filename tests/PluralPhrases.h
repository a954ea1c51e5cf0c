#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// The plural table, translations/plural_phrases.txt, for the tests of the window and the command
// line alike: how a count of characters reads where a language's forms differ from English's.
namespace vellum::tests {

struct PluralPhrase {
    std::string language;
    unsigned long count;
    std::string phrase;
};

inline std::vector<PluralPhrase> PluralPhrases(const std::string& path) {
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::vector<PluralPhrase> phrases;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        PluralPhrase phrase;
        fields >> phrase.language >> phrase.count >> std::ws;
        std::getline(fields, phrase.phrase);
        phrases.push_back(phrase);
    }
    return phrases;
}

// Whether `text` says `phrase` as whole words: "21 символ" is in "в выводе 21 символ." and not
// in "в выводе 21 символа.".
inline bool SaysInWords(const std::string& text, const std::string& phrase) {
    const std::string arabicComma = "\u060C";
    std::string words = " ";
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, arabicComma.size(), arabicComma) == 0) {
            words += ' ';
            at += arabicComma.size() - 1;
        } else {
            words += text[at] == '.' || text[at] == ',' ? ' ' : text[at];
        }
    }
    return (words + " ").find(" " + phrase + " ") != std::string::npos;
}

} // namespace vellum::tests

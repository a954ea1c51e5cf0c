#include "filter/LineFilter.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vellum::filter {
namespace {

struct Outcome {
    bool filtered;
    std::string output;
    std::string failure;
};

// Feeds `input` in pieces of `piece` bytes, as reads from a pipe would deliver it.
Outcome run(Direction direction, const std::string& input, std::size_t piece = 4096,
            bool showControls = false) {
    LineFilter filter(direction, showControls);
    bool filtered = true;
    for (std::size_t at = 0; filtered && at < input.size(); at += piece)
        filtered = filter.Feed(std::string_view(input).substr(at, piece));
    filtered = filtered && filter.Finish();
    return {filtered, std::string(filter.Output()), filter.Failure()};
}

std::string joined(const std::vector<std::string>& lines, const char* ending = "\n") {
    std::string text;
    for (const std::string& line : lines)
        text += line + ending;
    return text;
}

TEST(LineFilterTest, EveryAcceptedCodeComesBackLineForLineWhateverTheReadsCut) {
    std::vector<std::string> lines{""};
    for (char code = 14; code <= 124; ++code)
        lines.push_back(std::string(static_cast<std::size_t>(code % 97 + 1), code));
    for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{65536}}) {
        const Outcome encrypted = run(Direction::Encrypt, joined(lines), piece);
        ASSERT_TRUE(encrypted.filtered) << encrypted.failure;
        for (const char code : encrypted.output)
            ASSERT_TRUE(code == '\n' || (code >= 14 && code <= 127)) << int(code);
        const Outcome decrypted = run(Direction::Decrypt, encrypted.output, piece);
        ASSERT_TRUE(decrypted.filtered) << decrypted.failure;
        EXPECT_EQ(decrypted.output, joined(lines)) << piece;
    }
}

TEST(LineFilterTest, LinesEndAtLfWithAnOptionalCrAndTheLastNeedsNoLf) {
    const struct {
        std::string input;
        std::string lines;
    } cases[] = {{"", ""},
                 {"\n", "\n"},
                 {"one\r\ntwo\r\n", "one\ntwo\n"},
                 {"one\ntwo", "one\ntwo\n"},
                 {"\r\n\n", "\n\n"}};
    for (const auto& each : cases) {
        const Outcome encrypted = run(Direction::Encrypt, each.input, 1);
        ASSERT_TRUE(encrypted.filtered) << encrypted.failure;
        EXPECT_EQ(run(Direction::Decrypt, encrypted.output).output, each.lines);
    }
}

TEST(LineFilterTest, StopsAtTheFirstLineItCannotFilterAndNamesIt) {
    const std::string refusedCode = "Error encrypting data: the character at position 2 (code 9) "
                                    "cannot be encrypted; only codes 14 to 124 can.";
    const struct {
        Direction direction;
        std::string input;
        std::size_t linesBefore;
        std::string failure;
    } cases[] = {
        {Direction::Encrypt, "ok\nt\tab\nnever\n", 1, "line 2: " + refusedCode},
        {Direction::Encrypt, "a\nb\n" + std::string(1'000'000, 'x') + "\n", 2,
         "line 3: Error encrypting data: the text has 1000000 characters; at most 109 can be "
         "encrypted."},
        {Direction::Encrypt, "caf\xE9\n", 0,
         "line 1: Character 4 of the text is not valid UTF-8; only UTF-8 text can be read."},
        {Direction::Encrypt, "ok \xE2\x9C\x93", 0,
         "line 1: Character 4 of the text, \"\xE2\x9C\x93\" (U+2713), has no Windows-1252 code; "
         "only Windows-1252 text can be encrypted or decrypted."},
        // A CR anywhere but before the LF is part of the line, and code 13 is refused.
        {Direction::Encrypt, "a\r\rb\r\n", 0,
         "line 1: Error encrypting data: the character at position 2 (code 13) cannot be "
         "encrypted; only codes 14 to 124 can."},
        {Direction::Decrypt, "\n", 0, "line 1: Error deciphering encrypted data."},
        {Direction::Decrypt, "x\r\n", 0, "line 1: Error deciphering encrypted data."}};
    for (const auto& each : cases) {
        const Outcome outcome = run(each.direction, each.input, 3);
        EXPECT_FALSE(outcome.filtered);
        EXPECT_EQ(outcome.failure, each.failure);
        EXPECT_EQ(std::count(outcome.output.begin(), outcome.output.end(), '\n'), each.linesBefore)
            << each.failure;
    }
}

TEST(LineFilterTest, WritesThePrintableFormAndReadsEitherFormLineByLine) {
    const std::vector<std::string> lines{"Meet me at nine", "", "9|30; ok", "\x0e\x1f"};
    const Outcome printable = run(Direction::EncryptToPrintable, joined(lines), 5);
    ASSERT_TRUE(printable.filtered) << printable.failure;
    for (const char code : printable.output)
        ASSERT_TRUE(code == '\n' || code == '_' || std::isalnum(static_cast<unsigned char>(code)));
    // Each printable line beside the bare ciphertext of the same line, and padded as a paste.
    const std::string bare = run(Direction::Encrypt, joined(lines)).output;
    std::string mixed;
    for (std::size_t at = 0, from = 0, bareFrom = 0; at < lines.size(); ++at) {
        const std::size_t end = printable.output.find('\n', from);
        const std::size_t bareEnd = bare.find('\n', bareFrom);
        mixed += "  " + printable.output.substr(from, end - from) + " \r\n";
        mixed += bare.substr(bareFrom, bareEnd - bareFrom + 1);
        from = end + 1;
        bareFrom = bareEnd + 1;
    }
    std::vector<std::string> twice;
    for (const std::string& line : lines)
        twice.insert(twice.end(), {line, line});
    const Outcome decrypted = run(Direction::Decrypt, mixed, 7);
    ASSERT_TRUE(decrypted.filtered) << decrypted.failure;
    EXPECT_EQ(decrypted.output, joined(twice));

    // A digit of the second line changed, or replaced by a letter of two bytes in UTF-8, which is
    // still one character where the message counts.
    const std::size_t second = printable.output.find('\n') + 1;
    std::string changed = printable.output;
    changed[second + 9] ^= 1;
    const std::string accented =
        printable.output.substr(0, second + 9) + "\xC3\xA9" + printable.output.substr(second + 10);
    for (const std::string& damaged : {changed, accented}) {
        const Outcome refused = run(Direction::Decrypt, damaged);
        EXPECT_FALSE(refused.filtered);
        EXPECT_TRUE(refused.failure.starts_with("line 2: The printable text is damaged: "))
            << refused.failure;
        EXPECT_EQ(refused.output, lines[0] + "\n");
    }
    EXPECT_NE(run(Direction::Decrypt, accented).failure.find("character 10 is not"),
              std::string::npos);
}

TEST(LineFilterTest, ShowsControlsInCaretNotationOnlyWhenAskedTo) {
    const std::string line = "\x0E|x\x1F";
    const std::string cipher = run(Direction::Encrypt, line).output;
    EXPECT_EQ(run(Direction::Decrypt, cipher).output, line + "\n");
    EXPECT_EQ(run(Direction::Decrypt, cipher, 4096, true).output, "^N|x^_\n");
}

} // namespace
} // namespace vellum::filter

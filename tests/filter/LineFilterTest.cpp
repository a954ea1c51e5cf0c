#include "filter/LineFilter.h"

#include "text/LineCipher.h"

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

TEST(LineFilterTest, EveryLineComesBackLineForLineWhateverTheReadsCut) {
    std::vector<std::string> lines{
        "", std::string("\0\t\r}~\x7f", 6), "caf\xC3\xA9 \xE2\x80\x94 \xE2\x82\xAC",
        "\xF0\x9F\x98\x80 \xD0\x9F\xD1\x80\xD0\xB8", std::string(70'000, 'x')};
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
    std::string cutShort = run(Direction::Encrypt, std::string(200, 'x')).output;
    cutShort.resize(150);
    component::ComponentSecurity security;
    const struct {
        Direction direction;
        std::string input;
        std::size_t linesBefore;
        std::string failure;
    } cases[] = {
        {Direction::Encrypt, "ok\ncaf\xE9\n", 1,
         "line 2: Character 4 of the text is not valid UTF-8; only UTF-8 text can be read."},
        {Direction::Decrypt, "\n", 0, "line 1: Error deciphering encrypted data."},
        {Direction::Decrypt, "x\r\n", 0, "line 1: Error deciphering encrypted data."},
        {Direction::Decrypt, cutShort, 0,
         "line 1: The encrypted text is damaged: it has been cut short. Nothing was decrypted."},
        {Direction::Decrypt, text::EncryptLine(security, "two\nlines"), 0,
         "line 1: The decrypted text holds a line break, so it cannot be written as one line; "
         "decrypt it in the window instead."}};
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
    const std::pair<std::string, std::string> damages[] = {
        {changed, "line 2: The printable text is damaged: its check does not match"},
        {accented, "line 2: Character 10 of the text, \"\xC3\xA9\" (U+00E9), cannot be part of "
                   "an encrypted text."}};
    for (const auto& [damaged, why] : damages) {
        const Outcome refused = run(Direction::Decrypt, damaged);
        EXPECT_FALSE(refused.filtered);
        EXPECT_TRUE(refused.failure.starts_with(why)) << refused.failure;
        EXPECT_EQ(refused.output, lines[0] + "\n");
    }
}

TEST(LineFilterTest, ShowsControlsInCaretNotationOnlyWhenAskedTo) {
    const std::string line = "\x0E|x\x1F\t\x7f\xC2\x9B\xC3\xA9";
    const std::string cipher = run(Direction::Encrypt, line).output;
    EXPECT_EQ(run(Direction::Decrypt, cipher).output, line + "\n");
    EXPECT_EQ(run(Direction::Decrypt, cipher, 4096, true).output, "^N|x^_\t^?M-^[\xC3\xA9\n");
}

} // namespace
} // namespace vellum::filter

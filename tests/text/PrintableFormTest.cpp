#include "text/PrintableForm.h"

#include "component/ComponentSecurity.h"
#include "component/Scramble.h"
#include "tests/vectors/KnownAnswers.h"
#include "text/LineCipher.h"
#include "text/QrCode.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vellum::text {
namespace {

struct Unwrapped {
    std::string cipherText;
    std::optional<std::string> damage;
};

Unwrapped unwrapOf(std::string_view text) {
    try {
        return {Unwrap(text), std::nullopt};
    } catch (const DamagedForm& damage) {
        return {{}, damage.what()};
    }
}

// Ciphertexts of lines of every accepted length, each of them encrypted afresh.
std::vector<std::string> cipherTexts(int each = 4) {
    component::ComponentSecurity component;
    std::vector<std::string> made;
    for (int length = 0; length <= 109; ++length)
        for (int round = 0; round < each; ++round) {
            std::string line;
            for (int at = 0; at < length; ++at)
                line += static_cast<char>(14 + (at * 31 + round * 7 + length) % 111);
            made.push_back(component.Encrypt(line));
        }
    return made;
}

TEST(PrintableFormTest, CarriesEveryCiphertextBackWholeInLettersDigitsAndUnderscores) {
    for (const std::string& cipherText : cipherTexts()) {
        const std::string form = Wrap(cipherText);
        EXPECT_TRUE(form.starts_with(kPrintablePrefix));
        EXPECT_LE(form.size(), kPrintablePrefix.size() + 3 + cipherText.size() * 3 / 2 + 2);
        for (const char character : form)
            ASSERT_TRUE(std::isalnum(static_cast<unsigned char>(character)) || character == '_')
                << form;
        for (const std::string& pasted : {form, " \t" + form + "\r\n"}) {
            ASSERT_TRUE(LooksWrapped(pasted));
            const Unwrapped unwrapped = unwrapOf(pasted);
            ASSERT_FALSE(unwrapped.damage.has_value()) << *unwrapped.damage;
            EXPECT_EQ(unwrapped.cipherText, cipherText);
        }
        EXPECT_FALSE(LooksWrapped(cipherText));
    }
    EXPECT_THROW(Wrap("plain\x7"), std::invalid_argument); // codes below 14 are no ciphertext's
}

// Any codes 14 to 127, in texts far longer than a line, whose digits' places grow large.
TEST(PrintableFormTest, CarriesLongTextsBackAndRefusesTheirStrayCodes) {
    for (const std::size_t length : {4095U, 4096U, 4097U, 4111U, 9001U}) {
        std::string codes;
        for (std::size_t at = 0; at < length; ++at)
            codes += static_cast<char>(14 + at * 37 % 114);
        const Unwrapped unwrapped = unwrapOf(Wrap(codes));
        ASSERT_FALSE(unwrapped.damage.has_value()) << *unwrapped.damage;
        EXPECT_EQ(unwrapped.cipherText, codes);
        for (const char stray : {'\x0d', '\x80'}) {
            codes[length / 3] = stray;
            EXPECT_THROW(Wrap(codes), std::invalid_argument) << length;
            codes[length / 3] = '\x0e';
        }
    }
}

// The forms the earlier build wrote are written again alike, and read back to their lines.
TEST(PrintableFormTest, FormsOfTheEarlierBuildAreWrittenAndReadAlike) {
    component::ComponentSecurity component;
    for (const testing::TextVector& vector : testing::kTextVectors) {
        EXPECT_EQ(Wrap(vector.cipherText), vector.printableForm);
        EXPECT_EQ(unwrapOf(vector.printableForm).cipherText, vector.cipherText);
        EXPECT_EQ(DecryptLine(component, vector.printableForm), vector.plainText);
        EXPECT_EQ(DecryptLine(component, vector.cipherText), vector.plainText);
    }
}

TEST(PrintableFormTest, NoCiphertextCanBeginWithThePrefix) {
    // A ciphertext begins with its key character: the table's character at the key position, 1
    // to 81, with "|" written as code 127 and ";" as "~".
    const std::string& table = component::TextCipherTable();
    for (std::size_t position = 1; position <= 81; ++position) {
        char key = table[position - 1];
        key = key == '|' ? '\x7f' : key == ';' ? '~' : key;
        EXPECT_NE(key, kPrintablePrefix.front()) << position;
    }
}

TEST(PrintableFormTest, RefusesEachKindOfDamageAndSaysWhy) {
    const std::string form = Wrap(cipherTexts(1)[29]);
    const struct {
        std::string damaged;
        std::string why;
    } cases[] = {
        {form.substr(0, 10) + "-" + form.substr(11), "character 11 is not a letter"},
        {form.substr(0, 8), "a length no printable text has"},
        {form.substr(0, 4) + (form[4] == 'z' ? 'y' : 'z') + form.substr(5), "check does not match"},
        {form.substr(0, 7) + "___" + form.substr(10), "check does not match"},
        {"vm8_" + form.substr(4), "does not begin with vm9_"},
        {"vm9_", "a length no printable text has"},
        // Checked forms worked out by hand: a rest past 1 in a last odd code, a rest past 3 in a
        // pair, a half past 56.
        {"vm9_00932", "character 9 stands for no scrambled text"},
        {"vm9_00F004", "character 10 stands for no scrambled text"},
        {"vm9_010v01", "character 8 stands for no scrambled text"},
    };
    // Sound forms worked out by hand, of one code and of a pair at the highest half and rest.
    EXPECT_EQ(unwrapOf("vm9_00530").cipherText, "\x14");
    EXPECT_EQ(unwrapOf("vm9_015u03").cipherText, "\x7f\x0f");
    for (const auto& each : cases) {
        ASSERT_TRUE(LooksWrapped(each.damaged)) << each.damaged;
        const Unwrapped unwrapped = unwrapOf(each.damaged);
        ASSERT_TRUE(unwrapped.damage.has_value()) << each.damaged;
        EXPECT_NE(unwrapped.damage->find(each.why), std::string::npos) << *unwrapped.damage;
        EXPECT_TRUE(unwrapped.damage->starts_with("The printable text is damaged: "));
        EXPECT_TRUE(unwrapped.cipherText.empty());
    }
}

// Every single character changed to every other printable ASCII character, in forms of short
// and long ciphertexts: recognised as a printable text and refused, at least 99 times in 100.
TEST(PrintableFormTest, CatchesASingleChangedCharacter) {
    int changes = 0;
    int caught = 0;
    const std::vector<std::string> made = cipherTexts(1);
    for (const std::size_t which : {0U, 29U, 60U, 109U}) {
        const std::string form = Wrap(made[which]);
        for (std::size_t at = 0; at < form.size(); ++at)
            for (char replacement = ' '; replacement <= '~'; ++replacement) {
                if (replacement == form[at])
                    continue;
                std::string changed = form;
                changed[at] = replacement;
                ++changes;
                caught += LooksWrapped(changed) && unwrapOf(changed).damage.has_value() ? 1 : 0;
            }
    }
    EXPECT_GE(caught * 100, changes * 99) << caught << " of " << changes;
}

// The check's guarantee, at the places where a weaker one would first fail: in a form of over
// 20,000 characters, every other digit is caught at the first and last places, where place × 62
// first passes the modulus, at the powers of two and every 509th place.
TEST(PrintableFormTest, CatchesEveryChangedDigitInFormsOfTwentyThousandCharacters) {
    component::ComponentSecurity security;
    const std::string form = Wrap(EncryptLine(security, std::string(13'400, 'q')));
    ASSERT_GT(form.size(), 20'000U);
    const std::string digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";
    std::vector<std::size_t> places = {7, 8, 1063, 1064, 1065, 1066};
    for (std::size_t at = form.size() - 8; at < form.size(); ++at)
        places.push_back(at);
    for (std::size_t place = 1; place < 20'000; place *= 2)
        places.push_back(6 + place); // data places count from 1 after the seven-character head
    for (std::size_t at = 7; at < form.size(); at += 509)
        places.push_back(at);
    for (const std::size_t at : places)
        for (const char digit : digits) {
            if (digit == form[at])
                continue;
            std::string changed = form;
            changed[at] = digit;
            ASSERT_TRUE(unwrapOf(changed).damage.has_value()) << at << " " << digit;
        }
}

// XML 1.0 text, a URL query's unreserved characters, the GSM 7-bit basic alphabet of SMS and a
// JSON string each take every character of the form as it stands.
TEST(PrintableFormTest, TravelsThroughXmlUrlsSmsAndJsonUnchanged) {
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const struct {
        const char* carrier;
        std::string keeps;
    } carriers[] = {
        {"XML element text, unescaped", letters + "_ !#$%()*+,-./:;=?@[]^`{|}~"},
        {"URL query, unreserved", letters + "-._~"},
        {"GSM 7-bit basic alphabet", letters + "@$_!\"#%&'()*+,-./:;<=>? "},
        {"JSON string, unescaped", letters + "_ !#$%&'()*+,-./:;<=>?@[]^`{|}~"},
    };
    for (const std::string& cipherText : cipherTexts(1)) {
        const std::string form = Wrap(cipherText);
        for (const auto& each : carriers)
            for (const char character : form)
                ASSERT_NE(each.keeps.find(character), std::string::npos)
                    << each.carrier << ": '" << character << "'";
    }
}

// One QR code holds a form of up to 2331 characters, the most byte mode holds at level M, in the
// largest code (177 modules a side); a longer one is refused with its length and the limit.
TEST(PrintableFormTest, FitsOneQrCodeUpToItsCapacity) {
    const std::string longest = "vm9_" + std::string(kQrCodeCapacity - 4, 'z');
    EXPECT_EQ(QrCodeOf(longest).Size(), 177);
    EXPECT_EQ(QrCodeOf("vm9_").Size(), 21);
    try {
        QrCodeOf(longest + "z");
        FAIL() << "a form of 2332 characters was drawn";
    } catch (const Refusal& refusal) {
        EXPECT_EQ(refusal.Why().arguments, (std::vector<std::string>{"2332", "2331"}));
        EXPECT_EQ(refusal.Why().count, 2332U);
    }
}

} // namespace
} // namespace vellum::text

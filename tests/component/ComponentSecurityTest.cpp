#include "component/ComponentSecurity.h"

#include "component/Cipher.h"
#include "tests/component/Fakes.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>

namespace {

using vellum::component::ComponentError;
using vellum::component::ComponentSecurity;

constexpr char kEncryptSource[] = "Vellum41.ComponentSecurity.Encrypt";
constexpr char kDecryptSource[] = "Vellum41.ComponentSecurity.Decrypt";

// Runs `operation` and returns the ComponentError it raised; fails the test if none.
ComponentError raisedBy(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const ComponentError& error) {
        return error;
    }
    ADD_FAILURE() << "no ComponentError raised";
    return ComponentError(0, "", "");
}

TEST(ComponentSecurity, IdentityProperties) {
    const ComponentSecurity component;
    EXPECT_EQ(component.ClassName(), "Vellum41.ComponentSecurity");
    EXPECT_EQ(component.ClassDescription(), "Vellum41.ComponentSecurity");
    EXPECT_EQ(component.ClassVersion(), "1.0.8");
    EXPECT_EQ(component.ClassID(), 48);
}

TEST(ComponentSecurity, EncryptRefusesWhatCannotComeBack) {
    struct Refusal {
        std::string plainText;
        std::string description;
    };
    const Refusal refusals[] = {
        {std::string(150, 'a'),
         "Error encrypting data: the text has 150 characters; at most 109 can be encrypted."},
        {std::string(110, 'a'),
         "Error encrypting data: the text has 110 characters; at most 109 can be encrypted."},
        {"caf\xe9",
         "Error encrypting data: the character at position 4 (code 233) cannot be encrypted; only "
         "codes 14 to 124 can."},
        {"a\tb", "Error encrypting data: the character at position 2 (code 9) cannot be encrypted; "
                 "only codes 14 to 124 can."},
        {"}", "Error encrypting data: the character at position 1 (code 125) cannot be encrypted; "
              "only codes 14 to 124 can."},
        {std::string("\0", 1), "Error encrypting data: the character at position 1 (code 0) cannot "
                               "be encrypted; only codes 14 to 124 can."},
    };
    ComponentSecurity component;
    for (const auto& refusal : refusals) {
        const ComponentError error = raisedBy([&] { (void)component.Encrypt(refusal.plainText); });
        EXPECT_EQ(error.Number(), 10006);
        EXPECT_EQ(error.Source(), kEncryptSource);
        EXPECT_EQ(error.Description(), refusal.description);
        EXPECT_STREQ(error.what(), refusal.description.c_str());
    }
}

TEST(ComponentSecurity, EncryptAcceptsTheBoundaries) {
    ComponentSecurity component;
    std::string plainText(109, 'x');
    plainText.front() = '\x0e';
    plainText.back() = '|';
    std::string cipherText = component.Encrypt(plainText);
    EXPECT_EQ(component.Decrypt(cipherText), plainText);
}

TEST(ComponentSecurity, AFailureInsideEncryptionIsError10006) {
    vellum::testing::ScriptedRandom faulty({1e38f});
    const vellum::component::ScopedOverride<vellum::component::RandomSource> route(faulty);
    ComponentSecurity component;
    const ComponentError error = raisedBy([&] { (void)component.Encrypt("hello"); });
    EXPECT_EQ(error.Number(), 10006);
    EXPECT_EQ(error.Source(), kEncryptSource);
    EXPECT_EQ(error.Description(), "Error encrypting data.");
}

TEST(ComponentSecurity, DecryptFailuresAreError10005) {
    const std::string table = vellum::component::BuildTextKeyTable();
    const std::array<std::string, 4> rejected = {
        "", "A", table.substr(110, 1) + std::string(40, 'a'), table.substr(0, 1) + "P"};
    ComponentSecurity component;
    for (std::string cipherText : rejected) {
        const ComponentError error = raisedBy([&] { (void)component.Decrypt(cipherText); });
        EXPECT_EQ(error.Number(), 10005);
        EXPECT_EQ(error.Source(), kDecryptSource);
        EXPECT_EQ(error.Description(), "Error deciphering encrypted data.");
    }
}

TEST(ComponentSecurity, DecryptLeavesTheCallersTextRewritten) {
    ComponentSecurity component;
    std::string cipherText = component.Encrypt("a|b;c");
    cipherText += "\x7f~";
    const std::string expected = [&] {
        std::string rewritten = cipherText;
        for (char& character : rewritten)
            character = character == '\x7f' ? '|' : character == '~' ? ';' : character;
        return rewritten;
    }();
    EXPECT_EQ(component.Decrypt(cipherText), "a|b;c");
    EXPECT_EQ(cipherText, expected);

    std::string failing = "~";
    EXPECT_THROW(component.Decrypt(failing), ComponentError);
    EXPECT_EQ(failing, ";");
}

TEST(ComponentSecurity, KeyPositionsCoverOneTo81WithTheEndsHalfAsOften) {
    const std::string table = vellum::component::BuildTextKeyTable();
    ComponentSecurity component;
    std::array<int, 82> counts{};
    constexpr int kEncryptions = 81 * 2000;
    for (int call = 0; call < kEncryptions; ++call) {
        char key = component.Encrypt("").front();
        key = key == '\x7f' ? '|' : key == '~' ? ';' : key;
        const auto position = table.find(key);
        ASSERT_LT(position, 81u);
        ++counts[position + 1];
    }
    constexpr double kMiddle = kEncryptions / 80.0;
    for (int position = 2; position <= 80; ++position)
        EXPECT_NEAR(counts[static_cast<std::size_t>(position)], kMiddle, kMiddle * 0.15)
            << position;
    EXPECT_NEAR(counts[1], kMiddle / 2, kMiddle * 0.1);
    EXPECT_NEAR(counts[81], kMiddle / 2, kMiddle * 0.1);
}

TEST(ComponentSecurity, TwoEncryptionsInTheSameSecondDiffer) {
    vellum::testing::ScriptedClock sameSecond({{2026, 11, 8, 9, 30, 7}});
    const vellum::component::ScopedOverride<vellum::component::Clock> route(sameSecond);
    ComponentSecurity component;
    std::string first = component.Encrypt("same text");
    std::string second = component.Encrypt("same text");
    EXPECT_NE(first, second);
    EXPECT_EQ(component.Decrypt(first), "same text");
    EXPECT_EQ(component.Decrypt(second), "same text");
}

} // namespace

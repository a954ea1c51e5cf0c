#include "component/TextPrimitives.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace vellum::component;

TEST(TextPrimitives, CodeAtCountsFromOneAndFailsOutside) {
    const std::string text = "A\xe9";
    EXPECT_EQ(CodeAt(text, 1).get(), 65);
    EXPECT_EQ(CodeAt(text, 2).get(), 233);
    EXPECT_THROW(CodeAt(text, 0), Fault);
    EXPECT_THROW(CodeAt(text, 3), Fault);
    EXPECT_THROW(CodeAt("", 1), Fault);
}

TEST(TextPrimitives, CharacterOfAcceptsCodesZeroTo255Only) {
    EXPECT_EQ(CharacterOf(0), '\0');
    EXPECT_EQ(CharacterOf(255), '\xff');
    EXPECT_THROW(CharacterOf(256), Fault);
    EXPECT_THROW(CharacterOf(-1), Fault);
}

TEST(TextPrimitives, TablePositionIsTheFirstOccurrence) {
    EXPECT_EQ(TablePosition("abca", 'a').get(), 1);
    EXPECT_EQ(TablePosition("abca", 'c').get(), 3);
    EXPECT_EQ(TablePosition("abca", 'z').get(), 0);
}

TEST(TextPrimitives, SubstituteReplacesEveryOccurrence) {
    std::string text = "|a||b|";
    Substitute(text, "|", "\x7f");
    EXPECT_EQ(text, "\x7f"
                    "a\x7f\x7f"
                    "b\x7f");
}

TEST(TextPrimitives, SubstituteFailsBeyondPosition32767AndKeepsEarlierReplacements) {
    std::string text(40000, 'x');
    text[0] = '|';
    text[32766] = '|'; // position 32,767: still searchable
    text[32767] = '|'; // position 32,768: fails
    text[39999] = '|';
    EXPECT_THROW(Substitute(text, "|", "\x7f"), Fault);
    EXPECT_EQ(text[0], '\x7f');
    EXPECT_EQ(text[32766], '\x7f');
    EXPECT_EQ(text[32767], '|');
    EXPECT_EQ(text[39999], '|');
}

TEST(TextPrimitives, SubstituteIgnoresLongTextsWithNothingToReplace) {
    std::string text(1 << 20, 'x');
    EXPECT_NO_THROW(Substitute(text, "|", "\x7f"));
}

TEST(TextPrimitives, RoundingTiesGoToEven) {
    const std::pair<float, int> cases[] = {{1.5f, 2},   {2.5f, 2},    {3.5f, 4}, {8.5f, 8},
                                           {96.5f, 96}, {80.49f, 80}, {0.5f, 0}, {-1.5f, -2}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundToInt32(value).get(), expected) << value;
}

TEST(TextPrimitives, RoundingFailsOnInvalidOrHugeValues) {
    EXPECT_THROW(RoundToInt32(std::numeric_limits<float>::quiet_NaN()), Fault);
    EXPECT_THROW(RoundToInt32(std::numeric_limits<float>::infinity()), Fault);
    EXPECT_THROW(RoundToInt32(3e9f), Fault);
}

} // namespace

#include "component/Checked.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using vellum::component::Fault;
using vellum::component::Int16;
using vellum::component::Int32;

struct OverflowCase {
    const char* name;
    std::function<void()> operation;
};

TEST(Checked, FailsWhereTheWidthEnds) {
    const OverflowCase cases[] = {
        {"16-bit counter past 32,767",
         [] {
             (void)(Int16(32767) + Int16(1));
         }},
        {"16-bit below -32,768",
         [] {
             (void)(Int16(-32768) - Int16(1));
         }},
        {"16-bit product",
         [] {
             (void)(Int16(200) * Int16(200));
         }},
        {"32-bit sum",
         [] {
             (void)(Int32(2147483647) + Int32(1));
         }},
        {"32-bit product",
         [] {
             (void)(Int32(65536) * Int32(32768));
         }},
        {"modulo by zero",
         [] {
             (void)(Int32(5) % Int32(0));
         }},
        {"narrowing 32,768",
         [] {
             (void)vellum::component::ToInt16(Int32(32768));
         }},
        {"narrowing -32,769",
         [] {
             (void)vellum::component::ToInt16(Int32(-32769));
         }},
        {"length beyond 32 bits",
         [] {
             (void)Int32(std::size_t{1} << 31);
         }},
    };
    for (const auto& overflow : cases)
        EXPECT_THROW(overflow.operation(), Fault) << overflow.name;
}

TEST(Checked, KeepsValuesThatFit) {
    EXPECT_EQ((Int16(32766) + Int16(1)).get(), 32767);
    EXPECT_EQ((Int16(-32767) - Int16(1)).get(), -32768);
    EXPECT_EQ(vellum::component::ToInt16(Int32(-32768)).get(), -32768);
    EXPECT_EQ((Int32(-2147483647 - 1) % Int32(-1)).get(), 0);
}

TEST(Checked, RemainderFollowsTheDividendsSign) {
    EXPECT_EQ((Int16(-5) % Int16(111)).get(), -5);
    EXPECT_EQ((Int16(-116) % Int16(111)).get(), -5);
    EXPECT_EQ((Int32(227) % Int32(111)).get(), 5);
}

TEST(Checked, MixedWidthsWidenToThirtyTwoBits) {
    const Int32 sum = Int16(32767) + Int32(1);
    EXPECT_EQ(sum.get(), 32768);
}

} // namespace

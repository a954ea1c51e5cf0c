#include "component/Cipher.h"

#include <gtest/gtest.h>
#include <set>

namespace {

int CodeAt(const std::string& table, std::size_t position) {
    return static_cast<unsigned char>(table.at(position - 1));
}

TEST(KeyTables, TextTableHasTheRequiredForm) {
    const std::string table = vellum::component::BuildTextKeyTable();
    ASSERT_EQ(table.size(), 111u);
    EXPECT_EQ(std::set<char>(table.begin(), table.end()).size(), 111u) << "characters repeat";
    for (std::size_t position = 1; position <= table.size(); ++position) {
        const int code = CodeAt(table, position);
        EXPECT_GE(code, 14) << position;
        EXPECT_LE(code, 126) << position;
        EXPECT_NE(code, 127) << position;
        if (position <= 81) {
            EXPECT_NE(code, 126) << "key character at " << position;
        }
        if (position >= 2 && position <= 82) {
            EXPECT_LE(code, 112) << "length base at " << position;
        }
    }
}

TEST(KeyTables, BinaryTableHasTheRequiredForm) {
    const std::string table = vellum::component::BuildBinaryKeyTable();
    ASSERT_EQ(table.size(), 127u);
    EXPECT_EQ(std::set<char>(table.begin(), table.end()).size(), 127u) << "characters repeat";
    for (std::size_t position = 1; position <= table.size(); ++position) {
        EXPECT_GE(CodeAt(table, position), 4) << position;
        EXPECT_LE(CodeAt(table, position), 251) << position;
    }
}

} // namespace

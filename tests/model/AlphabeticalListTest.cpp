#include "model/AlphabeticalList.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(AlphabeticalList, FoldsAsciiLettersAndBreaksTiesByByteValue) {
    std::vector<std::string> list;
    for (const char* item : {"b", "a", "B", "_x", "ab", "A", "a_", "\xE9", "z", "Ab"})
        insertAlphabetical(list, item);
    const std::vector<std::string> expected = {"_x", "A", "a", "a_", "Ab",
                                               "ab", "B", "b", "z",  "\xE9"};
    EXPECT_EQ(list, expected);
}

TEST(AlphabeticalList, NewItemGoesAfterEqualItems) {
    std::vector<std::string> list = {"a", "b", "b", "c"};
    EXPECT_EQ(insertAlphabetical(list, "b"), 3u);
    EXPECT_EQ(insertAlphabetical(list, "B"), 1u);
    EXPECT_EQ(insertAlphabetical(list, ""), 0u);
    EXPECT_EQ(insertAlphabetical(list, "d"), 7u);
}

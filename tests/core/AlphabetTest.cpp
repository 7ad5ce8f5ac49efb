// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Alphabet.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(Alphabet, CreateAlphabetsDerivesTheDefaultLettersFromTheOutputAlphabet) {
    Alphabet etymon{"Q+", "?"};
    Alphabet reflex{"x"};
    createAlphabets(etymon, reflex);
    ASSERT_EQ(etymon.size(), 26u); // a to z, ant .. voice for each
    EXPECT_EQ(etymon.front(), "a----+-+++---+-----+++");
    EXPECT_EQ(etymon.back(), "z+--+++++------+--+--+");
    EXPECT_EQ(reflex, etymon);
}

TEST(Alphabet, TheFirstColumnOfACharacterWinsAndOnlyPlusReadsAsPlus) {
    const Alphabet alphabet{"a+", "b-", "a-+", "c#x"};
    ASSERT_NE(findColumn(alphabet, 'a'), nullptr);
    EXPECT_EQ(*findColumn(alphabet, 'a'), "a+");
    EXPECT_EQ(findColumn(alphabet, 'A'), nullptr);
    // a sign other than "+" reads as minus, and so does a sign missing from a short column
    EXPECT_EQ(std::tuple(columnValue("a+", 0), columnValue("c#x", 0), columnValue("a+", 1),
                         columnValue("a+", 20)),
              std::tuple(true, false, false, false));
}

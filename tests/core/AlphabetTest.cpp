// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Alphabet.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

// The default table as linguists know it: ant .. voice for each letter.
const char* const defaultColumns[] = {
    "a----+-+++---+-----+++", "b+--+---+------+-----+", "c---+-+-+-+----+------",
    "d+--+-+-+------+-----+", "e----+-+++---------+++", "f+--++-+-------+--+---",
    "g--++---+-+----+-----+", "h---++-++----+--------", "i----+-++++--------+++",
    "j----+-++++---------++", "k--++---+-+----+------", "l+--+-++---+---------+",
    "m+--+--++-----+------+", "n+--+-++------+------+", "o--+-+-++-------+--+++",
    "p+--+---+------+------", "q--++----------+------", "r+--++++----+-------++",
    "s+--+++++------+--+---", "t+--+-+-+------+------", "u--+-+-++-+-----+--+++",
    "v+--++-+-------+--+--+", "w--+-+-++-+-----+---++", "x--+++-++-+----+------",
    "y----+-++++-----+--+++", "z+--+++++------+--+--+",
};

} // namespace

TEST(Alphabet, CreateAlphabetsDerivesTheDefaultLettersFromTheOutputAlphabet) {
    Alphabet etymon{"Q+", "?"};
    Alphabet reflex{"x"};
    createAlphabets(etymon, reflex);
    ASSERT_EQ(etymon.size(), std::size(defaultColumns));
    for (std::size_t i = 0; i < etymon.size(); ++i)
        EXPECT_EQ(etymon[i], defaultColumns[i]);
    EXPECT_EQ(reflex, etymon);
}

TEST(Alphabet, TheFirstColumnOfACharacterWinsAndOnlyPlusReadsAsPlus) {
    const Alphabet alphabet{"a+", "b-", "a-+", "c#x"};
    ASSERT_NE(findColumn(alphabet, 'a'), nullptr);
    EXPECT_EQ(*findColumn(alphabet, 'a'), "a+");
    EXPECT_EQ(findColumn(alphabet, 'A'), nullptr);
    EXPECT_TRUE(columnValue("a+", 0));
    EXPECT_FALSE(columnValue("c#x", 0)); // a sign other than "+" reads as minus
    EXPECT_FALSE(columnValue("a+", 1));  // a sign missing from a short column reads as minus
    EXPECT_FALSE(columnValue("a+", 20));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The column moves, insert, delete, rename and keep-the-changes answers are driven end to end
// through the editor in tests/ui/AlphabetScreensTest.cpp; here are the edge cases it cannot reach.

#include "model/AlphabetEditing.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

Alphabet lettersUpTo(char last) {
    Alphabet alphabet;
    for (char c = 'a'; c <= last; ++c)
        alphabet.push_back(std::string(1, c) + std::string(21, '-'));
    return alphabet;
}

std::string heads(const Alphabet& alphabet) {
    std::string text;
    for (const auto& column : alphabet)
        text += column.front();
    return text;
}

} // namespace

TEST(AlphabetEditing, ToggleSwitchesTheValueAndOnlyItsExclusivePartner) {
    // Items: 3 back, 9 front, 10 high, 13 low.
    const AlphabetColumn a = "a----+-+++---+-----+++"; // low +, front +, high -, back -
    const std::tuple<int, AlphabetColumn, AlphabetColumn> cases[] = {
        {10, a, "a----+-++++--------+++"},                        // high + turns low off
        {13, "i----+-++++--------+++", "i----+-+++---+-----+++"}, // low + turns high off
        {9, "u--+-+-++-+-----+--+++", "u----+-++++-----+--+++"},  // front + turns back off
        {3, a, "a--+-+-++----+-----+++"},                         // back + turns front off
        // switching a value off, or any other feature, touches nothing else
        {13, a, "a----+-+++---------+++"},
        {1, a, "a+---+-+++---+-----+++"},
        {21, a, "a----+-+++---+-----++-"},
        {10, "a-", "a---------+-----------"}, // a short column is filled out with minus signs
        {0, a, a},                            // items outside the values are left alone
        {22, a, a}};
    for (const auto& [item, before, after] : cases) {
        SCOPED_TRACE("item " + std::to_string(item) + " of " + before);
        AlphabetColumn column = before;
        toggleValue(column, item);
        EXPECT_EQ(column, after);
    }
}

TEST(AlphabetEditing, KeysGiveLettersDigitsAndShiftedDigits) {
    EXPECT_EQ(std::tuple(keyCharacter('Q', false), keyCharacter('Q', true),
                         keyCharacter('7', false), keyCharacter('-', false),
                         keyCharacter(' ', true)),
              std::tuple('q', 'Q', '7', std::nullopt, std::nullopt));
    const std::string shifted = ")!@#$%^&*(";
    for (char digit = '0'; digit <= '9'; ++digit) {
        const char expected = shifted[static_cast<std::size_t>(digit - '0')];
        EXPECT_EQ(keyCharacter(digit, true), expected);
        EXPECT_EQ(keyCharacter(expected, true), expected); // as a keyboard layout reports it
        EXPECT_EQ(keyCharacter(expected, false), std::nullopt);
    }
}

TEST(AlphabetEditing, RenameRefusesACharacterAnotherColumnHasButNotItsOwn) {
    Alphabet alphabet = lettersUpTo('e');
    EXPECT_TRUE(renameColumn(alphabet, 1, '@'));
    EXPECT_EQ(renameColumn(alphabet, 2, '@').message(),
              "Not that character: it already exists in the alphabet");
    EXPECT_TRUE(renameColumn(alphabet, 1, '@'));
    EXPECT_EQ(heads(alphabet), "a@cde");
    EXPECT_EQ(alphabet[1].substr(1), std::string(21, '-'));
}

TEST(AlphabetEditing, TheNewCharacterBoxTakesNewCodesFrom33To255) {
    Alphabet alphabet = lettersUpTo('e');
    ASSERT_TRUE(insertCopy(alphabet, 1)); // the new column still reads "b"
    constexpr std::string_view duplicate = "That character already exists in the alphabet.";
    EXPECT_EQ(acceptNewCharacter(alphabet, 2, 'b').message(), duplicate);
    EXPECT_FALSE(*acceptNewCharacter(alphabet, 2, 32));
    EXPECT_FALSE(*acceptNewCharacter(alphabet, 2, 0xA7)); // "§" ends a section
    EXPECT_EQ(heads(alphabet), "abbcde");
    EXPECT_TRUE(*acceptNewCharacter(alphabet, 2, 0xE9));
    EXPECT_EQ(acceptNewCharacter(alphabet, 0, 0xE9).message(), duplicate);
    EXPECT_TRUE(*acceptNewCharacter(alphabet, 0, '!'));
    EXPECT_EQ(heads(alphabet), "!b\xE9"
                               "cde");
}

TEST(AlphabetEditing, InsertAndDeleteKeepTheSizeLimits) {
    Alphabet full = lettersUpTo('z');
    for (char c = 'A'; c <= 'Z'; ++c)
        full.push_back(std::string(1, c) + std::string(21, '-'));
    const Alphabet fullBefore = full;
    EXPECT_EQ(insertCopy(full, 3).message(), "Alphabet is at maximum permitted size.");
    EXPECT_EQ(full, fullBefore);

    Alphabet smallest = lettersUpTo('e');
    EXPECT_EQ(deleteColumn(smallest, 0).message(),
              "You can't have an alphabet with fewer than 5 characters!");
    EXPECT_EQ(heads(smallest), "abcde");

    smallest.push_back("f" + std::string(21, '+'));
    EXPECT_TRUE(insertCopy(smallest, 0));
    EXPECT_EQ(heads(smallest), "aabcdef"); // the copy stands right of its original
    EXPECT_TRUE(deleteColumn(smallest, 1));
    EXPECT_EQ(heads(smallest), "abcdef");
}

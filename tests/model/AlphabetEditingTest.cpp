#include "model/AlphabetEditing.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarnel;

namespace {

// Items: 3 back, 9 front, 10 high, 13 low.
const AlphabetColumn plainA = "a----+-+++---+-----+++"; // low +, front +, high -, back -

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

struct ToggleCase {
    int item;
    AlphabetColumn before;
    AlphabetColumn after;
};

void PrintTo(const ToggleCase& c, std::ostream* out) {
    *out << "item " << c.item << " of \"" << c.before << '"';
}

class ToggleValue : public testing::TestWithParam<ToggleCase> {};

TEST_P(ToggleValue, SwitchesTheValueAndOnlyItsExclusivePartner) {
    AlphabetColumn column = GetParam().before;
    toggleValue(column, GetParam().item);
    EXPECT_EQ(column, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Exclusions, ToggleValue,
                         testing::Values(
                             // high + on a low vowel turns low off
                             ToggleCase{10, plainA, "a----+-++++--------+++"},
                             // low + turns high off; front + turns back off; back + turns front off
                             ToggleCase{13, "i----+-++++--------+++", "i----+-+++---+-----+++"},
                             ToggleCase{9, "u--+-+-++-+-----+--+++", "u----+-++++-----+--+++"},
                             ToggleCase{3, plainA, "a--+-+-++----+-----+++"},
                             // switching a value off, or any other feature, touches nothing else
                             ToggleCase{13, plainA, "a----+-+++---------+++"},
                             ToggleCase{1, plainA, "a+---+-+++---+-----+++"},
                             ToggleCase{21, plainA, "a----+-+++---+-----++-"},
                             // a short column is filled out with minus signs before it is changed
                             ToggleCase{10, "a-", "a---------+-----------"},
                             // items outside the values are left alone
                             ToggleCase{0, plainA, plainA}, ToggleCase{22, plainA, plainA}),
                         [](const testing::TestParamInfo<ToggleCase>& info) {
                             return "Item" + std::to_string(info.param.item) + "Case" +
                                    std::to_string(info.index);
                         });

TEST(AlphabetEditing, SwapsWithANeighbourButNotPastTheEnds) {
    Alphabet alphabet = lettersUpTo('e');
    EXPECT_FALSE(swapWithNeighbour(alphabet, 0, -1));
    EXPECT_FALSE(swapWithNeighbour(alphabet, 4, +1));
    EXPECT_EQ(heads(alphabet), "abcde");
    EXPECT_EQ(swapWithNeighbour(alphabet, 0, +1), 1u);
    EXPECT_EQ(heads(alphabet), "bacde");
    EXPECT_EQ(swapWithNeighbour(alphabet, 4, -1), 3u);
    EXPECT_EQ(heads(alphabet), "baced");
}

TEST(AlphabetEditing, InsertCopiesToTheRightUntilTheAlphabetIsFull) {
    Alphabet alphabet = lettersUpTo('e');
    alphabet[1] = plainA;
    alphabet[1].front() = 'b';
    EXPECT_FALSE(insertCopy(alphabet, 1));
    EXPECT_EQ(heads(alphabet), "abbcde");
    EXPECT_EQ(alphabet[2], alphabet[1]);

    alphabet.resize(maxAlphabetSize, "x");
    const Alphabet full = alphabet;
    EXPECT_EQ(insertCopy(alphabet, 0), "Alphabet is at maximum permitted size.");
    EXPECT_EQ(alphabet, full);
}

TEST(AlphabetEditing, DeleteRemovesAColumnButKeepsFive) {
    Alphabet alphabet = lettersUpTo('f');
    EXPECT_FALSE(deleteColumn(alphabet, 2));
    EXPECT_EQ(heads(alphabet), "abdef");
    EXPECT_EQ(deleteColumn(alphabet, 0),
              "You can't have an alphabet with fewer than 5 characters!");
    EXPECT_EQ(heads(alphabet), "abdef");
}

TEST(AlphabetEditing, KeysGiveLettersDigitsAndShiftedDigits) {
    EXPECT_EQ(keyCharacter('Q', false), 'q');
    EXPECT_EQ(keyCharacter('Q', true), 'Q');
    EXPECT_EQ(keyCharacter('7', false), '7');
    const std::string shifted = ")!@#$%^&*(";
    for (char digit = '0'; digit <= '9'; ++digit) {
        const char expected = shifted[static_cast<std::size_t>(digit - '0')];
        EXPECT_EQ(keyCharacter(digit, true), expected);
        EXPECT_EQ(keyCharacter(expected, true), expected); // as a keyboard layout reports it
        EXPECT_EQ(keyCharacter(expected, false), std::nullopt);
    }
    EXPECT_EQ(keyCharacter('-', false), std::nullopt);
    EXPECT_EQ(keyCharacter(' ', true), std::nullopt);
}

TEST(AlphabetEditing, RenameRefusesACharacterAnotherColumnHas) {
    Alphabet alphabet = lettersUpTo('e');
    EXPECT_FALSE(renameColumn(alphabet, 1, '@'));
    EXPECT_EQ(heads(alphabet), "a@cde");
    EXPECT_EQ(renameColumn(alphabet, 2, '@'),
              "Not that character: it already exists in the alphabet");
    EXPECT_EQ(heads(alphabet), "a@cde");
    EXPECT_FALSE(renameColumn(alphabet, 1, '@')); // its own character again
    EXPECT_EQ(alphabet[1].substr(1), std::string(21, '-'));
}

TEST(AlphabetEditing, TheNewCharacterBoxTakesNewCodesFrom33To255) {
    Alphabet alphabet = lettersUpTo('e');
    ASSERT_FALSE(insertCopy(alphabet, 1)); // the new column still reads "b"
    EXPECT_EQ(acceptNewCharacter(alphabet, 2, 'b'), NewCharacter::Duplicate);
    EXPECT_EQ(acceptNewCharacter(alphabet, 2, ' '), NewCharacter::Ignored);
    EXPECT_EQ(acceptNewCharacter(alphabet, 2, 32), NewCharacter::Ignored);
    EXPECT_EQ(heads(alphabet), "abbcde");
    EXPECT_EQ(acceptNewCharacter(alphabet, 2, 0xE9), NewCharacter::Accepted); // é
    EXPECT_EQ(heads(alphabet), "ab\xE9"
                               "cde");
    EXPECT_EQ(acceptNewCharacter(alphabet, 0, 0xE9), NewCharacter::Duplicate);
    EXPECT_EQ(acceptNewCharacter(alphabet, 0, '!'), NewCharacter::Accepted);
}

TEST(AlphabetEditing, NoRestoresBothAlphabetsYesKeepsThemCancelStays) {
    Alphabet etymon = lettersUpTo('f');
    Alphabet reflex = lettersUpTo('g');
    const AlphabetBackup backup{etymon, reflex};
    const auto edit = [&] {
        ASSERT_FALSE(insertCopy(etymon, 0));
        ASSERT_EQ(acceptNewCharacter(etymon, 1, 'Z'), NewCharacter::Accepted);
        ASSERT_FALSE(deleteColumn(etymon, 3));
        toggleValue(etymon[4], 10);
        createAlphabets(etymon, reflex);
    };

    edit();
    bool pending = true;
    EXPECT_FALSE(answerKeepChanges(KeepAnswer::Cancel, backup, etymon, reflex, pending));
    EXPECT_TRUE(pending);
    EXPECT_EQ(etymon.size(), 26u);

    EXPECT_TRUE(answerKeepChanges(KeepAnswer::No, backup, etymon, reflex, pending));
    EXPECT_FALSE(pending);
    EXPECT_EQ(etymon, backup.columns);
    EXPECT_EQ(reflex, backup.otherColumns);

    edit();
    pending = true;
    EXPECT_TRUE(answerKeepChanges(KeepAnswer::Yes, backup, etymon, reflex, pending));
    EXPECT_FALSE(pending);
    EXPECT_EQ(etymon.size(), 26u);
}

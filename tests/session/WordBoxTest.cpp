// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/WordBox.h"

#include "support/Words.h"

#include <gtest/gtest.h>

using namespace tarnel;
using Action = KeyCheck::Action;

namespace {

struct KeyCase {
    const char* name;
    std::string text;
    int key;
    DerivationMode mode;
    Action action;
    std::string message = {};
    bool removePrompt = false;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class WordBoxKeys : public testing::TestWithParam<KeyCase> {};

constexpr auto interactive = DerivationMode::Interactive;
constexpr auto reflexMode = DerivationMode::Reflex;
constexpr auto batch = DerivationMode::Batch;
constexpr auto accept = Action::Accept, refuse = Action::Refuse;
const std::string capsLock = "Did you forget to release \"Caps Lock\"?";
const std::string noSpace = "Space not allowed in ";
const std::string twenty(20, 'a');

} // namespace

TEST_P(WordBoxKeys, RunsTheChecksInTheirOrder) {
    Alphabet etymon = test::defaultAlphabet(), reflex = etymon;
    etymon.push_back("@");    // only in the Etymon Alphabet
    reflex.push_back("\xf1"); // n-tilde, only in the Reflex Alphabet
    const KeyCase& c = GetParam();
    const KeyCheck check = checkWordKey(c.text, c.key, c.mode, etymon, reflex);
    EXPECT_EQ(std::tuple(check.action, check.message.value_or(""), check.removePrompt),
              std::tuple(c.action, c.message, c.removePrompt));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, WordBoxKeys,
    testing::Values(
        KeyCase{"letterInAlphabet", "pa", 't', interactive, accept},
        KeyCase{"promptIsRemovedFirst", "Type etymon here", 'a', interactive, accept, "", true},
        KeyCase{"reflexPromptIsRemovedFirst", "Type reflex here", '?', reflexMode, refuse,
                "Character not in Reflex Alphabet.", true},
        KeyCase{"twentyRefusesALetter", twenty, 'a', interactive, refuse,
                "Maximum word length is 20."},
        KeyCase{"twentyRefusesACharacterMissingFromTheAlphabet", twenty, '?', interactive, refuse,
                "Maximum word length is 20."},
        KeyCase{"twentyTakesBackspace", twenty, keyBackspace, interactive, accept},
        KeyCase{"twentyTakesAPasteToCheckItsResult", twenty, keyPaste, interactive, accept},
        KeyCase{"twentyDerivesOnEnter", twenty, keyEnter, reflexMode, Action::Derive},
        KeyCase{"backspace", "ab", keyBackspace, interactive, accept},
        KeyCase{"paste", "ab", keyPaste, reflexMode, accept},
        KeyCase{"enterDerives", "ab", keyEnter, interactive, Action::Derive},
        KeyCase{"capsLock", "ab", 'A', interactive, refuse, capsLock},
        KeyCase{"capsLockInReflex", "ab", 'Q', reflexMode, refuse, capsLock},
        KeyCase{"spaceInEtymon", "ab", ' ', interactive, refuse, noSpace + "etymon."},
        KeyCase{"spaceInReflex", "ab", ' ', reflexMode, refuse, noSpace + "reflex."},
        KeyCase{"missingEtymonCharacter", "ab", '?', interactive, refuse,
                "Character\"?\"not found in Etymon Alphabet."},
        KeyCase{"etymonOnlyCharacterInReflex", "ab", '@', reflexMode, refuse,
                "Character not in Reflex Alphabet."},
        KeyCase{"reflexOnlyCharacterInReflex", "ab", 0xF1, reflexMode, accept},
        KeyCase{"etymonOnlyCharacter", "ab", '@', interactive, accept},
        KeyCase{"noAlphabetInBatchMode", "ab", 'a', batch, refuse},
        KeyCase{"capsLockInBatchMode", "ab", 'B', batch, refuse, capsLock}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordBoxKeys, ALetterReplacingASelectionAtTwentyIsTyped) {
    const Alphabet etymon = test::defaultAlphabet(), reflex = etymon;
    EXPECT_EQ(checkWordKey(twenty, 'a', interactive, etymon, reflex, 1).action, Action::Accept);
    EXPECT_EQ(checkWordKey(twenty + "a", 'a', interactive, etymon, reflex, 1).action,
              Action::Refuse);
}

TEST(WordBoxText, APasteIsTooLongWhenTheWordBeforeItsFirstBlankIs) {
    for (const auto& [text, tooLong] : {std::pair{twenty, false},
                                        {twenty + "a", true},
                                        {twenty + " and more", false},
                                        {std::string(), false}})
        EXPECT_EQ(pasteTooLong(text), tooLong) << text;
}

TEST(WordBoxText, APastedTextIsCutBeforeItsFirstBlank) {
    const auto cut = checkChangedText("pater noster");
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->text, "pater");
    EXPECT_EQ(cut->message, "Space not allowed in etymon.");
}

TEST(WordBoxText, PromptsAndBlankFreeTextsAreLeftAlone) {
    for (const char* text : {"Type etymon here", "Type reflex here", "pater", "", "Ty"})
        EXPECT_FALSE(checkChangedText(text)) << text;
    EXPECT_TRUE(checkChangedText("a b"));
    EXPECT_TRUE(checkChangedText(" "));
}

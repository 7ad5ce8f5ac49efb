// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ModelNameBox.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

using Action = NameBoxAnswer::Action;

TEST(ModelNameBox, TheRulesOfAName) {
    EXPECT_TRUE(checkModelName("abc"));
    EXPECT_TRUE(checkModelName(std::string(20, 'a')));
    EXPECT_EQ(checkModelName("ab").message(), "Model name must be at least three characters long.");
    EXPECT_EQ(checkModelName(std::string(21, 'a')).message(),
              "Model name limited to 20 characters.");
    EXPECT_EQ(checkModelName("a-b").message(),
              "A model name holds only letters, digits and \"_\".");
}

// Keys: name characters go in, a blank types "_" (not first), others type nothing; past 20
// characters any key takes the last one back.
TEST(ModelNameBox, EveryKeyIsAnsweredByTheRules) {
    EXPECT_EQ(nameBoxAnswer(3, NameBoxKey::Character, U'x').action, Action::Pass);
    EXPECT_EQ(nameBoxAnswer(3, NameBoxKey::Character, U'-').action, Action::Swallow);
    EXPECT_EQ(nameBoxAnswer(3, NameBoxKey::Character, U'\u00e9').action, Action::Swallow);
    EXPECT_EQ(nameBoxAnswer(0, NameBoxKey::Blank).action, Action::Swallow);
    EXPECT_EQ(nameBoxAnswer(2, NameBoxKey::Blank).action, Action::Underscore);
    EXPECT_EQ(nameBoxAnswer(20, NameBoxKey::Enter).action, Action::Accept);
    EXPECT_EQ(nameBoxAnswer(5, NameBoxKey::Paste).action, Action::Paste);
    const NameBoxAnswer tooLong = nameBoxAnswer(21, NameBoxKey::Enter);
    EXPECT_EQ(std::tie(tooLong.action, tooLong.message),
              std::tuple(Action::RemoveLast, "Maximum name length = 20"));
}

TEST(ModelNameBox, APasteKeepsNameCharactersInTheRoomLeft) {
    EXPECT_EQ(pastedModelName(U" old  latin!", 0), U"old__latin");
    EXPECT_EQ(pastedModelName(U" x", 2), U"_x");
    EXPECT_EQ(pastedModelName(U"abcdef", 17), U"abc");
    EXPECT_EQ(pastedModelName(U"abc", 20), U"");
}

} // namespace
} // namespace tarnel

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading rule text: its lines, a rule by its name, locations. What a rule does to a word is
// checked against the reference engine (EquivalenceTest.cpp).
#include "EngineFixture.h"
#include "engine/RuleText.h"

namespace tarnel::test {
namespace {

TEST(RuleText, SplitsNameIfAndThenLinesCuttingComments) {
    const Lines lines{"LENITION \xAB between vowels\xBB",
                      "A:  +syll (*-1) \xAB 1: not a then-line\xBB",
                      "B:  -voice (*)",
                      "1:  +voice (*) \xAB\xBB",
                      "2:  +cont (*)",
                      "END:  LENITION"};
    const RuleText text = splitRuleText(lines);
    EXPECT_EQ(text.stageName, "LENITION");
    EXPECT_EQ(text.ifBodies, (std::vector<std::string_view>{"+syll (*-1)", "-voice (*)"}));
    EXPECT_EQ(text.thenBodies, (std::vector<std::string_view>{"+voice (*)", "+cont (*)"}));
    const Lines ifsOnly = {"ODD", "A:  +syll (*)", "B:  B or C", "END:  ODD"};
    EXPECT_EQ(splitRuleText(ifsOnly).ifBodies.size(), 2u);
    EXPECT_TRUE(splitRuleText(ifsOnly).thenBodies.empty());
    EXPECT_EQ(splitRuleText({"  R1: Grimm  \xAB x\xBB"}).stageName, "Grimm");
    EXPECT_EQ(splitRuleText({"R1 Grimm"}).stageName, "R1 Grimm");
}

// A name ends at a blank or at the comment, as the model file reader takes it.
TEST(RuleText, FindRuleMatchesTheRuleNameExactlyFirstWins) {
    Model model;
    model.lst1Rule = {{"ALPHA \xAB\xBB"},
                      {"BETA \xAB one\xBB"},
                      {"BETA \xAB two\xBB"},
                      {},
                      {"GAMMA\xAB"
                       "no blank\xBB"}};
    std::vector<std::optional<int>> found;
    for (const char* name : {"BETA", "ALPHA", "GAMMA", "alpha", "ALPH"})
        found.push_back(findRule(model, name));
    EXPECT_EQ(found, (std::vector<std::optional<int>>{1, 0, 4, std::nullopt, std::nullopt}));
}

TEST(Location, ReadsTheTextAsAPositionAtFocus3OfLength5) {
    const std::pair<const char*, int> cases[] = {{"*", 3}, {"*+2", 5},   {"*-1", 2}, {"*+12", 15},
                                                 {"1", 0}, {"2", 1},     {"-1", 4},  {"-2", 3},
                                                 {"0", 5}, {"+cons", 5}, {"3x", 2},  {"", 5}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(resolveLocation(text, 3, 5), expected) << text;
    EXPECT_EQ(std::tuple(readNumber("12abc"), readNumber(" -3"), readNumber("cons")),
              std::tuple(12, -3, 0));
    EXPECT_EQ(readNumber("99999999999999999999"), readNumber("9999999"));
}

} // namespace
} // namespace tarnel::test

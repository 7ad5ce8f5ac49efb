#include "engine/RuleText.h"

#include "EngineFixture.h"
#include "engine/ParsedRule.h"
#include "engine/RuleTemplates.h"

namespace tarnel::test {
namespace {

TEST(RuleText, SplitsNameIfAndThenLinesCuttingComments) {
    const std::vector<std::string> lines = {"LENITION \xAB"
                                            "between vowels\xBB",
                                            "A:  +syll (*-1) \xAB"
                                            "1: not a then-line\xBB",
                                            "B:  -voice (*)",
                                            "1:  +voice (*) \xAB\xBB",
                                            "2:  +cont (*)",
                                            "END:  LENITION"};
    const RuleText text = splitRuleText(lines);
    EXPECT_EQ(text.stageName, "LENITION");
    EXPECT_EQ(text.ifBodies, (std::vector<std::string_view>{"+syll (*-1)", "-voice (*)"}));
    EXPECT_EQ(text.thenBodies, (std::vector<std::string_view>{"+voice (*)", "+cont (*)"}));
}

TEST(RuleText, RuleWithoutThenLinesHasOnlyIfLines) {
    const std::vector<std::string> lines = {"ODD", "A:  +syll (*)", "B:  B or C", "END:  ODD"};
    const RuleText text = splitRuleText(lines);
    EXPECT_EQ(text.ifBodies.size(), 2u);
    EXPECT_TRUE(text.thenBodies.empty());
}

TEST(RuleText, NameBeginningWithEndIsAnOrdinaryRule) {
    const ParsedRule rule = parseRule(makeRule("ENDING_LOSS", {"+syll (-1)"}, {"DELETE (-1)"}));
    EXPECT_EQ(rule.name, "ENDING_LOSS");
    EXPECT_EQ(rule.ifLines.size(), 1u);
    EXPECT_EQ(rule.thenLines.size(), 1u);
}

TEST(RuleText, StageNameIsTextAfterColonWhenThereIsOne) {
    EXPECT_EQ(splitRuleText({"  R1: Grimm  \xAB x\xBB"}).stageName, "Grimm");
    EXPECT_EQ(splitRuleText({"R1 Grimm"}).stageName, "R1 Grimm");
}

TEST(RuleText, FindRuleMatchesNameBeforeFirstBlankExactlyFirstWins) {
    Model model;
    model.lst1Rule = {{"ALPHA \xAB\xBB"}, {"BETA \xAB one\xBB"}, {"BETA \xAB two\xBB"}, {}};
    EXPECT_EQ(findRule(model, "BETA"), 1);
    EXPECT_EQ(findRule(model, "ALPHA"), 0);
    EXPECT_EQ(findRule(model, "alpha"), std::nullopt);
    EXPECT_EQ(findRule(model, "ALPH"), std::nullopt);
}

TEST(RuleText, NewRuleTemplateIsOneAbsoluteIfAndThenLine) {
    const std::vector<std::string> lines(newRuleTemplate.begin(), newRuleTemplate.end());
    const ParsedRule rule = parseRule(lines);
    EXPECT_EQ(rule.name, "NEW_RULE");
    ASSERT_EQ(rule.ifLines.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<AbsoluteIf>(rule.ifLines[0]));
    ASSERT_EQ(rule.thenLines.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<AbsoluteThen>(rule.thenLines[0]));
}

TEST(RuleText, LineTypeTemplatesParseAsTheirTypes) {
    const auto thenType = [](std::string_view body) {
        return parseThenLine(trimBlanks(cutComment(body))).index();
    };
    EXPECT_EQ(thenType(deleteLineTemplate), 1u);
    EXPECT_EQ(thenType(swapLineTemplate), 2u);
    EXPECT_EQ(thenType(insertLineTemplate), 3u);
    EXPECT_EQ(thenType(relativeLineTemplate), 4u);
    EXPECT_TRUE(std::holds_alternative<CountIf>(
        parseIfLine(trimBlanks(cutComment(countLineTemplate)), 1, 1)));
}

} // namespace
} // namespace tarnel::test

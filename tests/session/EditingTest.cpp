// SPDX-License-Identifier: GPL-3.0-or-later
// The rule editor's operations on a rule's lines, and storing the edited rule. The rule editor
// screen's tests check the captions of the elements, the name box and the comment box, a
// rename, the ninth unit, and a new name through the Supply.
#include "session/RuleEditing.h"
#include "session/RuleElements.h"
#include "session/RuleReturn.h"
#include "support/ModelBuilder.h"

#include <gtest/gtest.h>

namespace tarnel::test {
namespace {

const std::string c = noComment;

Lines rule(const Lines& body, const std::string& name = "Abc") {
    return ruleLines(name, body);
}

TEST(RuleElements, GivenEveryLineTypeThenEachTokenHasItsKind) {
    using enum ElementKind;
    using Kinds = std::vector<ElementKind>;
    const Lines lines =
        rule({"A:  B or C", "B:  COUNT +syll (*) (-1) > 1", "C:  voice (*) = voice (*+1)",
              "1:  +high (*) -low (*)", "2:  INSERT e (*+1)", "3:  SWAP (*) (*-1)"});
    std::vector<Kinds> kinds(lines.size());
    for (const Element& e : ruleElements(lines))
        kinds[static_cast<std::size_t>(e.line)].push_back(e.kind);
    EXPECT_EQ(kinds, (std::vector<Kinds>{
                         {Name, Comment},
                         {IfLabel, BranchLabel, Connective, BranchLabel, Comment},
                         {IfLabel, Keyword, Feature, Location, Location, Operator, Count, Comment},
                         {IfLabel, Feature, Location, Operator, Feature, Location, Comment},
                         {ThenLabel, Feature, Location, Feature, Location, Comment},
                         {ThenLabel, Keyword, Insertee, Location, Comment},
                         {ThenLabel, Keyword, Location, Location, Comment},
                         {EndLabel, EndName}}));
}

TEST(RuleEditing, ATenthThenLineIsRefused) {
    Lines body{"A:  +cons (*)"};
    for (int n = 1; n <= 9; ++n)
        body.push_back(std::to_string(n) + ":  -voice (*)");
    Lines lines = rule(body);
    for (const int line : {2, 11}) // 11: the END line
        EXPECT_EQ(insertThenLineAbove(lines, line).message(), "Maximum  9  THEN-lines permitted.");
    EXPECT_EQ(lines, rule(body));
}

TEST(RuleEditing, ThenLinesInsertedOrDeletedAreRenumbered) {
    Lines lines = rule({"A:  +cons (*)", "1:  -voice (*)", "2:  DELETE (*)"});
    EXPECT_TRUE(insertThenLineAbove(lines, 2));
    EXPECT_TRUE(insertThenLineAbove(lines, 5)); // the END line
    EXPECT_EQ(lines, rule({"A:  +cons (*)", "1:  +cons (*)", "2:  -voice (*)", "3:  DELETE (*)",
                           "4:  +cons (*)"}));
    EXPECT_TRUE(deleteLine(lines, 2));
    EXPECT_TRUE(deleteLine(lines, 2));
    EXPECT_EQ(lines, rule({"A:  +cons (*)", "1:  DELETE (*)", "2:  +cons (*)"}));
    EXPECT_TRUE(deleteLine(lines, 2));
    EXPECT_TRUE(deleteLine(lines, 2));
    EXPECT_EQ(lines, rule({"A:  +cons (*)"}));  // none left
    EXPECT_TRUE(insertThenLineAbove(lines, 2)); // the END line again
    EXPECT_EQ(lines, rule({"A:  +cons (*)", "1:  +cons (*)"}));
}

TEST(RuleEditing, LineTypeReplacesBodyAndCommentKeepingTheLabel) {
    Lines lines = rule({"A:  +cons (*)", "1:  -voice (*) \xAB mine \xBB"});
    setLineType(lines, 2, LineTemplate::Swap);
    setLineType(lines, 1, LineTemplate::Count);
    EXPECT_EQ(lines, rule({"A:  COUNT +cons (*) (*+1) = 1", "1:  SWAP (*) (*+1)"}));
}

TEST(RuleEditing, BranchingAddsTheNextTwoLettersAfterTheLastIfLine) {
    Lines lines = rule({"A:  +cons (*)", "B:  -syll (*)", "1:  +voice (*)"});
    lines[1] = "A:  +cons (*) \xAB keep \xBB";
    EXPECT_TRUE(makeBranching(lines, 1));
    Lines expected =
        rule({"A:  C and D", "B:  -syll (*)", "C:  +cons (*)", "D:  +cons (*)", "1:  +voice (*)"});
    expected[1] = "A:  C and D \xAB keep \xBB";
    EXPECT_EQ(lines, expected);
    Lines full = rule({});
    for (char l = 'A'; l <= 'Y'; ++l)
        full.insert(full.end() - 1, std::string(1, l) + ":  +cons (*)" + c);
    const Lines before = full;
    EXPECT_EQ(makeBranching(full, 1).message(),
              "Branching needs two more if-lines after Y, but if-line letters end at Z.");
    EXPECT_EQ(full, before);
}

TEST(RuleEditing, DeletedIfLineRelabelsLaterLinesAndTheBranchingLabelsThatNameThem) {
    Lines lines =
        rule({"A:  C or D", "B:  +nas (*)", "C:  +cons (*)", "D:  -syll (*)", "1:  +voice (*)"});
    EXPECT_TRUE(deleteLine(lines, 2));
    EXPECT_EQ(deleteLine(lines, 2).message(),
              "If-line B is named by the Branching line A.  Change or "
              "delete that line first.");
    Lines single = rule({"A:  +cons (*)", "1:  -voice (*)"});
    EXPECT_EQ(deleteLine(single, 1).message(),
              "A rule needs at least one if-line; this one cannot be deleted.");
    EXPECT_EQ(lines, rule({"A:  B or C", "B:  +cons (*)", "C:  -syll (*)", "1:  +voice (*)"}));
    EXPECT_EQ(single, rule({"A:  +cons (*)", "1:  -voice (*)"}));
}

TEST(RuleEditing, UnitsAreAddedAtTheEndAndDeletedButNeverTheLast) {
    Lines lines = rule({"A:   -syll (*-1)   +high (*)"}); // blanks are made canonical
    EXPECT_TRUE(insertUnit(lines, 1));
    EXPECT_EQ(lines[1], "A:  -syll (*-1) +high (*) +cons (*)" + c);
    EXPECT_TRUE(deleteUnit(lines, 1, 3)); // the location of the second unit
    EXPECT_EQ(lines[1], "A:  -syll (*-1) +cons (*)" + c);
    EXPECT_TRUE(deleteUnit(lines, 1, 0));
    EXPECT_EQ(deleteUnit(lines, 1, 0).message(),
              "An Absolute line needs at least one unit; this one cannot be deleted.");
    EXPECT_EQ(lines[1], "A:  +cons (*)" + c);
}

TEST(RuleEditing, ChangedFeatureKeepsTheSignAndToggleSwitchesIt) {
    Lines lines = rule({"A:  voice (*) = voice (*+1)", "1:  -syll (*-2)"});
    changeFeature(lines, 2, 0, "high");
    changeFeature(lines, 1, 3, "nas");
    toggleSign(lines, 2, 0);
    toggleSign(lines, 2, 1);
    toggleSign(lines, 1, 0); // unsigned: nothing to toggle
    EXPECT_EQ(lines, rule({"A:  voice (*) = nas (*+1)", "1:  +high (*+2)"}));
    setToken(lines, 2, 1, "(3)");
    toggleSign(lines, 2, 1);
    EXPECT_EQ(lines[2], "1:  +high (-3)" + c);
    toggleSign(lines, 2, 1);
    toggleSign(lines, 1, 1); // "(*)" has no sign
    EXPECT_EQ(lines, rule({"A:  voice (*) = nas (*+1)", "1:  +high (3)"}));
}

TEST(RuleEditing, OneClickGivesTheNextValue) {
    const std::tuple<std::string, int, std::string> cases[] = {
        {"B and C", 1, "B or C"},
        {"B or C", 1, "B and C"},
        {"COUNT +syll (*) (-1) = 0", 4, "COUNT +syll (*) (-1) > 0"},
        {"COUNT +syll (*) (-1) > 0", 4, "COUNT +syll (*) (-1) < 1"},
        {"COUNT +syll (*) (-1) > 2", 4, "COUNT +syll (*) (-1) < 2"},
        {"COUNT +syll (*) (-1) < 2", 4, "COUNT +syll (*) (-1) = 2"},
        {"COUNT +syll (*) (-1) = 2", 5, "COUNT +syll (*) (-1) = 3"},
        {"COUNT +syll (*) (-1) = 3", 5, "COUNT +syll (*) (-1) = 0"},
        {"COUNT +syll (*) (-1) < 3", 5, "COUNT +syll (*) (-1) < 1"},
        {"all (*) = all (*+1)", 2, "all (*) <> all (*+1)"},
        {"all (*) <> all (*+1)", 2, "all (*) = all (*+1)"},
        {"cons (*) = cons (*+1)", 2, "cons (*) = cons (*+1)"},
        {"+cons (*)", 0, "+cons (*)"}};
    for (const auto& [body, token, after] : cases) {
        Lines lines = rule({"A:  " + body});
        rotateElement(lines, 1, token);
        EXPECT_EQ(lines, rule({"A:  " + after})) << body << " at " << token;
    }
}

TEST(RuleEditing, CopyAndPasteCarryTheBodyBetweenRules) {
    const Lines source = rule({"A:  +syll (*)", "1:  DELETE (*)"}, "Src");
    Lines target = rule({"A:  +cons (*)"}, "Dst");
    pasteBody(target, {}); // nothing copied yet
    EXPECT_EQ(target, rule({"A:  +cons (*)"}, "Dst"));
    pasteBody(target, copyBody(source));
    EXPECT_EQ(target, rule({"A:  +syll (*)", "1:  DELETE (*)"}, "Dst"));
}

TEST(RuleEditing, ACommentIsEmptyOrAtLeastThreeCharacters) {
    Lines lines = rule({"A:  +cons (*)"});
    EXPECT_EQ(setComment(lines, 1, "ab").message(),
              "Comment must be 3 or more characters, or none at all.");
    EXPECT_EQ(lines, rule({"A:  +cons (*)"}));
    EXPECT_TRUE(setComment(lines, 1, "abc"));
    EXPECT_EQ(lines[1], "A:  +cons (*) \xAB abc \xBB");
    EXPECT_TRUE(setComment(lines, 1, ""));
    EXPECT_EQ(lines[1], "A:  +cons (*) \xAB ... \xBB");
}

TEST(NameBox, FirstLetterBecomesCapitalBlankBecomesUnderscoreOthersAreSwallowed) {
    for (const auto& [keys, name] :
         {std::pair{"abc", "Abc"}, {"1_a b-c!9", "A_bc9"}, {"Vowel raising", "Vowel_raising"}}) {
        std::string text;
        for (const char key : std::string_view(keys))
            if (const auto append = nameBoxKey(text, key).append)
                text += *append;
        EXPECT_EQ(text, name);
    }
    EXPECT_EQ(nameBoxKey("Ab", '-').message, "");
}

class KeepChanges : public testing::Test {
protected:
    void SetUp() override {
        model.lst1Rule = {rule({"A:  +syll (-1)"}, "Apocope"), rule({"A:  +cons (*)"}, "Lenition")};
        model.lstSupply = {"Apocope", "Lenition"};
        model.lstDiacOrd = {"Lenition", "-Lenition", "Apocope"};
        model.lstEtyOrd = {"Lenition"};
        model.lstReflOrd = {"-Lenition"};
        editing.oldName = "Lenition";
    }
    Model model;
    RuleDraft editing;
};

TEST_F(KeepChanges, AnExistingRuleIsStoredInPlaceAndItsNewNameFollowsInEveryOrder) {
    model.lstSupply = {"Apocope"}; // the old name is missing: reported, the Supply left alone
    editing.lines = rule({"A:  -voice (*)"}, "Assimilation");
    editing.nameChanged = true;
    const Result<std::string> kept = keepRuleChanges(model, editing);
    ASSERT_TRUE(kept);
    EXPECT_EQ(*kept, "Old rule name not found in lstSupply.");
    EXPECT_EQ(model.lst1Rule, (std::vector<Lines>{rule({"A:  +syll (-1)"}, "Apocope"),
                                                  rule({"A:  -voice (*)"}, "Assimilation")}));
    EXPECT_EQ(std::tie(model.lstSupply, model.lstDiacOrd, model.lstEtyOrd, model.lstReflOrd),
              std::tuple(Lines{"Apocope"}, Lines{"Assimilation", "-Assimilation", "Apocope"},
                         Lines{"Assimilation"}, Lines{"-Assimilation"}));
}

TEST_F(KeepChanges, ANewRuleIsRefusedUnderAnExistingNameElseStoredAndAddedToTheSupplyInOrder) {
    editing.newRule = true;
    editing.lines = rule({"A:  +low (*)"}, "Apocope");
    const Model before = model;
    const Result<std::string> refused = keepRuleChanges(model, editing);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.message(), "A rule named 'Apocope' already exists.  Use a different name.");
    EXPECT_EQ(model.lst1Rule, before.lst1Rule);
    EXPECT_EQ(model.lstSupply, before.lstSupply);
    editing.lines = rule({"A:  +low (*)"}, "Breaking");
    EXPECT_TRUE(keepRuleChanges(model, editing));
    EXPECT_EQ(model.lst1Rule.back(), editing.lines);
    EXPECT_EQ(model.lstSupply, (Lines{"Apocope", "Breaking", "Lenition"}));
}

} // namespace
} // namespace tarnel::test

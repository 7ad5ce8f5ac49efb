#include "engine/RuleEditing.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

using Lines = std::vector<std::string>;

const std::string c = " \xAB...\xBB";

Lines rule(std::initializer_list<std::string> body) {
    Lines lines{"Abc" + c};
    for (const std::string& line : body)
        lines.push_back(line + c);
    lines.push_back("END:  Abc");
    return lines;
}

TEST(RenameRule, NameLineKeepsItsCommentAndEndLineFollows) {
    Lines lines = {"NEW_RULE \xAB old \xBB", "A:  +cons (*)" + c, "END:  NEW_RULE"};
    renameRule(lines, "Lenition");
    EXPECT_EQ(lines.front(), "Lenition \xAB old \xBB");
    EXPECT_EQ(lines.back(), "END:  Lenition");
}

TEST(SetComment, ShortCommentsAreRefusedAndEmptyMeansDots) {
    Lines lines = rule({"A:  +cons (*)"});
    EXPECT_EQ(setComment(lines, 1, "ab"), "Comment must be 3 or more characters, or none at all.");
    EXPECT_EQ(lines[1], "A:  +cons (*)" + c);
    EXPECT_FALSE(setComment(lines, 1, "abc"));
    EXPECT_EQ(lines[1], "A:  +cons (*) \xAB abc \xBB");
    EXPECT_FALSE(setComment(lines, 0, ""));
    EXPECT_EQ(lines[0], "Abc \xAB ... \xBB");
}

TEST(ThenLines, InsertAboveRenumbersAndEndAppends) {
    Lines lines = rule({"A:  +cons (*)", "1:  -voice (*)", "2:  DELETE (*)"});
    EXPECT_FALSE(insertThenLineAbove(lines, 2));
    EXPECT_EQ(lines, rule({"A:  +cons (*)", "1:  +cons (*)", "2:  -voice (*)", "3:  DELETE (*)"}));
    EXPECT_FALSE(insertThenLineAbove(lines, 5)); // the END line
    EXPECT_EQ(lines[5], "4:  +cons (*)" + c);
    EXPECT_EQ(lines.back(), "END:  Abc");
}

TEST(ThenLines, TheTenthIsRefused) {
    Lines lines = rule({"A:  +cons (*)"});
    for (int i = 0; i < 9; ++i)
        ASSERT_FALSE(insertThenLineAbove(lines, static_cast<int>(lines.size()) - 1));
    const Lines nine = lines;
    EXPECT_EQ(insertThenLineAbove(lines, 2), "Maximum  9  THEN-lines permitted.");
    EXPECT_EQ(lines, nine);
    EXPECT_EQ(lines[10], "9:  +cons (*)" + c);
}

TEST(ThenLines, DeletingRenumbersFromOneAndMayLeaveNone) {
    Lines lines = rule({"A:  +cons (*)", "1:  -voice (*)", "2:  DELETE (*)"});
    EXPECT_FALSE(deleteLine(lines, 2));
    EXPECT_EQ(lines, rule({"A:  +cons (*)", "1:  DELETE (*)"}));
    EXPECT_FALSE(deleteLine(lines, 2));
    EXPECT_EQ(lines, rule({"A:  +cons (*)"}));
}

TEST(LineType, ReplacesBodyAndCommentKeepingTheLabel) {
    Lines lines = rule({"A:  +cons (*)", "1:  -voice (*) \xAB mine \xBB"});
    setLineType(lines, 2, LineTemplate::Swap);
    setLineType(lines, 1, LineTemplate::Count);
    EXPECT_EQ(lines, rule({"A:  COUNT +cons (*) (*+1) = 1", "1:  SWAP (*) (*+1)"}));
}

TEST(Branching, AddsTheNextTwoLettersAfterTheLastIfLine) {
    Lines lines = rule({"A:  +cons (*)", "B:  -syll (*)", "1:  +voice (*)"});
    lines[1] = "A:  +cons (*) \xAB keep \xBB";
    EXPECT_FALSE(makeBranching(lines, 1));
    EXPECT_EQ(lines[1], "A:  C and D \xAB keep \xBB");
    EXPECT_EQ(lines[3], "C:  +cons (*)" + c);
    EXPECT_EQ(lines[4], "D:  +cons (*)" + c);
    EXPECT_EQ(lines[5], "1:  +voice (*)" + c);
}

TEST(Branching, IsRefusedWhenNoTwoLettersRemain) {
    Lines lines{"Abc" + c};
    for (char l = 'A'; l <= 'Y'; ++l)
        lines.push_back(std::string(1, l) + ":  +cons (*)" + c);
    lines.push_back("END:  Abc");
    const Lines before = lines;
    EXPECT_TRUE(makeBranching(lines, 1));
    EXPECT_EQ(lines, before);
}

TEST(DeleteIfLine, RelabelsLaterLinesAndTheBranchingLabelsThatNameThem) {
    Lines lines =
        rule({"A:  C or D", "B:  +nas (*)", "C:  +cons (*)", "D:  -syll (*)", "1:  +voice (*)"});
    EXPECT_FALSE(deleteLine(lines, 2));
    EXPECT_EQ(lines, rule({"A:  B or C", "B:  +cons (*)", "C:  -syll (*)", "1:  +voice (*)"}));
}

TEST(DeleteIfLine, RefusedForANamedLineOrTheOnlyOne) {
    Lines lines = rule({"A:  B and C", "B:  +cons (*)", "C:  -syll (*)"});
    const Lines before = lines;
    EXPECT_EQ(deleteLine(lines, 3), "If-line C is named by the Branching line A.  Change or "
                                    "delete that line first.");
    Lines single = rule({"A:  +cons (*)", "1:  -voice (*)"});
    EXPECT_TRUE(deleteLine(single, 1));
    EXPECT_EQ(lines, before);
    EXPECT_EQ(single, rule({"A:  +cons (*)", "1:  -voice (*)"}));
}

TEST(AbsoluteUnits, NewUnitGoesAtTheEndAndTheNinthIsRefused) {
    Lines lines = rule({"A:  -syll (*-1)"});
    EXPECT_FALSE(insertUnit(lines, 1));
    EXPECT_EQ(lines[1], "A:  -syll (*-1) +cons (*)" + c);
    for (int i = 0; i < 6; ++i)
        ASSERT_FALSE(insertUnit(lines, 1));
    EXPECT_EQ(insertUnit(lines, 1), "Maximum 8 units permitted in Absolute line.");
}

TEST(AbsoluteUnits, DeleteRemovesTheClickedUnitButNeverTheLast) {
    Lines lines = rule({"A:  -syll (*-1) +high (*) +nas (1)"});
    EXPECT_FALSE(deleteUnit(lines, 1, 3)); // the location of the second unit
    EXPECT_EQ(lines[1], "A:  -syll (*-1) +nas (1)" + c);
    EXPECT_FALSE(deleteUnit(lines, 1, 0));
    EXPECT_TRUE(deleteUnit(lines, 1, 0));
    EXPECT_EQ(lines[1], "A:  +nas (1)" + c);
}

TEST(Features, ChangeKeepsTheSignAndToggleSwitchesIt) {
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

struct Rotation {
    std::string body;
    int token;
    std::string after;
};

class Rotate : public testing::TestWithParam<Rotation> {};

TEST_P(Rotate, OneClickGivesTheNextValue) {
    Lines lines = rule({"A:  " + GetParam().body});
    rotateElement(lines, 1, GetParam().token);
    EXPECT_EQ(lines[1], "A:  " + GetParam().after + c);
}

INSTANTIATE_TEST_SUITE_P(
    RuleEditing, Rotate,
    testing::Values(Rotation{"B and C", 1, "B or C"}, Rotation{"B or C", 1, "B and C"},
                    Rotation{"COUNT +syll (*) (-1) = 0", 4, "COUNT +syll (*) (-1) > 0"},
                    Rotation{"COUNT +syll (*) (-1) > 0", 4, "COUNT +syll (*) (-1) < 1"},
                    Rotation{"COUNT +syll (*) (-1) > 2", 4, "COUNT +syll (*) (-1) < 2"},
                    Rotation{"COUNT +syll (*) (-1) < 2", 4, "COUNT +syll (*) (-1) = 2"},
                    Rotation{"COUNT +syll (*) (-1) = 2", 5, "COUNT +syll (*) (-1) = 3"},
                    Rotation{"COUNT +syll (*) (-1) = 3", 5, "COUNT +syll (*) (-1) = 0"},
                    Rotation{"COUNT +syll (*) (-1) < 3", 5, "COUNT +syll (*) (-1) < 1"},
                    Rotation{"all (*) = all (*+1)", 2, "all (*) <> all (*+1)"},
                    Rotation{"all (*) <> all (*+1)", 2, "all (*) = all (*+1)"},
                    Rotation{"cons (*) = cons (*+1)", 2, "cons (*) = cons (*+1)"},
                    Rotation{"+cons (*)", 0, "+cons (*)"}));

TEST(CopyPaste, BodyTravelsBetweenRulesAndNameAndEndStay) {
    const Lines source = rule({"A:  +cons (*)", "1:  DELETE (*)"});
    Lines target = {"Xyz" + c, "A:  -syll (*)" + c, "END:  Xyz"};
    const Lines buffer = copyBody(source);
    EXPECT_EQ(buffer.size(), 2u);
    pasteBody(target, buffer);
    EXPECT_EQ(target, (Lines{"Xyz" + c, source[1], source[2], "END:  Xyz"}));
    pasteBody(target, {});
    EXPECT_EQ(target.size(), 4u);
}

} // namespace
} // namespace tarnel

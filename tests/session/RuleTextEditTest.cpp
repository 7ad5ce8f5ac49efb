// SPDX-License-Identifier: GPL-3.0-or-later
// Rules written as text: the rule editor's text view and New Rule from Text on the order
// screen, each one step of its history, refused while a problem remains.
#include "session/Document.h"
#include "session/RuleEditor.h"
#include "session/Session.h"
#include "support/ModelBuilder.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

using Lines = std::vector<std::string>;

const std::string c = " \xAB...\xBB";

const Lines lenition = test::rule("Lenition", {"+obstr (*)"}, {"+cont (*)"});

// A document holding Lenition, in the Diachronic Order, and its rule editor.
struct TextEditing : ::testing::Test {
    TextEditing() {
        document.replace(test::ModelBuilder()
                             .rule("Lenition", {"+obstr (*)"}, {"+cont (*)"})
                             .diachronic({"Lenition"}));
    }
    Document document;
    RuleEditor editor{document};
};

const std::string velarisation = "Final_N_Velarisation \xAB final n becomes velar \xBB\n"
                                 "A:  +nas (-1) +cor (-1) +syll (-2) \xAB after a vowel \xBB\n"
                                 "1:  -cor (-1) -ant (-1) +back (-1) +high (-1)\n"
                                 "END:  Final_N_Velarisation\n";

// A rule written from nothing as text is checked, stored, and undone as one step each.
TEST_F(TextEditing, ANewRuleWrittenAsTextIsStoredAndUndone) {
    editor.startNew();
    EXPECT_TRUE(editor.checkText(velarisation).empty());
    ASSERT_TRUE(editor.editText(velarisation));
    EXPECT_EQ(editor.undoCaption(), "Undo Edit Text");
    EXPECT_EQ(editor.currentName(), "Final_N_Velarisation");
    EXPECT_EQ(editor.lines()[2], "1:  -cor (-1) -ant (-1) +back (-1) +high (-1)" + c);
    editor.undo();
    EXPECT_EQ(editor.lines().front(), "NEW_RULE" + c);
    editor.redo();
    ASSERT_TRUE(editor.keep());
    EXPECT_EQ(document.model().lstSupply, (Lines{"Final_N_Velarisation", "Lenition"}));
    EXPECT_EQ(document.model().lst1Rule.back(), editor.lines());
    EXPECT_EQ(document.undoCaption(), "Undo Create Rule Final_N_Velarisation");
    document.undo();
    EXPECT_EQ(document.model().lstSupply, Lines{"Lenition"});
}

// Return stores no rule edited as text while a problem remains, and says which; a rule
// edited by its elements alone is kept as it always was.
TEST_F(TextEditing, ReturnIsRefusedWhileTheTextHasProblems) {
    ASSERT_TRUE(editor.open("Lenition"));
    editor.setToken(2, 1, "(+cons)");
    EXPECT_TRUE(editor.keepProblems().empty());
    ASSERT_TRUE(editor.open("Lenition"));
    ASSERT_TRUE(editor.editText("Lenition\nA:  +obstr (*)\n1:  +cnot (*)\nEND:  Lenition"));
    const Result<std::string> refused = editor.keep();
    EXPECT_EQ(refused.message(), std::string(keepProblemsHeadline) +
                                     "\r\nLine 1, column 6: \"cnot\" is no feature; did you "
                                     "mean \"cont\"?");
    EXPECT_EQ(document.model().lst1Rule.front(), lenition);
    ASSERT_TRUE(editor.editText("Lenition\nA:  +obstr (*)\n1:  +cont (*) -voice (*)\nEND:  "
                                "Lenition"));
    ASSERT_TRUE(editor.keep());
    EXPECT_EQ(document.model().lst1Rule.front()[2], "1:  +cont (*) -voice (*)" + c);
}

// Only a text of one whole rule takes the working copy's place; a renamed rule is renamed in
// the orders when kept.
TEST_F(TextEditing, OnlyOneWholeRuleReplacesTheWorkingCopy) {
    ASSERT_TRUE(editor.open("Lenition"));
    for (const std::string text : {"", "Lenition\nA:  +obstr (*)\n1:  +cont (*)",
                                   "One\nA:  +obstr (*)\nEND:  One\nTwo\nA:  +obstr (*)\nEND:  "
                                   "Two"}) {
        EXPECT_FALSE(editor.editText(text)) << text;
        EXPECT_EQ(editor.lines(), lenition);
        EXPECT_FALSE(editor.canUndo());
    }
    EXPECT_EQ(
        editor.editText("Lenition\nA:  +obstr (*)\n1:  +cont (*)\nEND:  Lenition\n\nX").message(),
        "The rule editor holds one rule, from its name line to its END line; the text "
        "holds 2 rules.");
    ASSERT_TRUE(editor.editText("Spirantisation\nA:  +obstr (*)\n1:  +cont (*)\nEND:  "
                                "Spirantisation"));
    EXPECT_TRUE(editor.nameChanged());
    ASSERT_TRUE(editor.keep());
    EXPECT_EQ(document.model().lstDiacOrd, Lines{"Spirantisation"});
}

// Two rules pasted are added as one change, or neither when one of them cannot be.
TEST(RulesFromText, TwoRulesAreAddedAsOneStepOrNotAtAll) {
    Session session(std::filesystem::temp_directory_path() / "tarnel-rules-from-text");
    session.newModel();
    const std::string apocope = "Apocope\nA:  +syll (-1)\n1:  DELETE (-1)\nEND:  Apocope\n";
    const std::string two = "\n" + velarisation + "\n\n" + apocope;
    ASSERT_TRUE(session.checkNewRules(two).empty());
    const auto added = session.addRulesFromText(two);
    ASSERT_TRUE(added);
    EXPECT_EQ(*added, (Lines{"Final_N_Velarisation", "Apocope"}));
    EXPECT_EQ(session.model().lstSupply, (Lines{"Apocope", "Final_N_Velarisation"}));
    EXPECT_EQ(session.model().lst1Rule.size(), 2u);
    EXPECT_EQ(session.undoCaption(), "Undo Create 2 Rules");

    const std::string again = "Syncope\nA:  -stress (*)\n1:  DELETE (*)\nEND:  Syncope\n" + apocope;
    EXPECT_EQ(session.addRulesFromText(again).message(),
              std::string(addProblemsHeadline) +
                  "\r\nRule Apocope: Name line, column 1: A rule named 'Apocope' already "
                  "exists.  Use a different name.");
    EXPECT_EQ(session.model().lst1Rule.size(), 2u);
    session.undo();
    EXPECT_TRUE(session.model().lstSupply.empty());
    EXPECT_TRUE(session.model().lst1Rule.empty());
}

} // namespace
} // namespace tarnel

// SPDX-License-Identifier: GPL-3.0-or-later
// Rule text: read as the model file's reader reads rules, and checked line by line against
// what the engine reads and the rule editor makes.
#include "session/RuleCheck.h"

#include "engine/CompiledRule.h"
#include "model/ModelFile.h"
#include "model/RuleName.h"
#include "support/Files.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tarnel {
namespace {

using Lines = std::vector<std::string>;

std::string joined(const Lines& lines, std::string_view separator = "\n") {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : std::string(separator)) + lines[i];
    return text;
}

// The rules a model file holds when `rulesText` stands in its Rules section.
Lines readByTheModelReader(const std::string& rulesText, std::vector<Lines>& rules) {
    std::string file = modelFileText(Model{});
    const std::string marker = "\xA7"
                               "4_START:Rules\r\n\r\n";
    file.insert(file.find(marker) + marker.size(), rulesText + "\r\n");
    const Result<LoadedModel> loaded = readModelText(file, "pasted");
    EXPECT_TRUE(loaded);
    rules = loaded->model.lst1Rule;
    return loaded->model.lstSupply;
}

std::vector<Lines> linesOf(const std::vector<TextRule>& rules) {
    std::vector<Lines> lines;
    std::ranges::transform(rules, std::back_inserter(lines), &TextRule::lines);
    return lines;
}

// Text pasted as a user would, blank lines, blanks, missing comments and all, reads as the
// model file's reader reads it: line for line, placeholders and trimming alike.
TEST(RuleTextReader, PastedRulesReadAsTheModelFileReaderReadsThem) {
    const std::vector<std::string> texts = {
        "One \xAB...\xBB\r\nA:  +cons (*) \xAB x y \xBB\r\n1:  -voice (*)\r\nEND:  One",
        "\r\n\r\n  Two_A\r\n\r\n   A:  +syll (*)   \r\n\r\n1:  DELETE (*)  \r\nEND:  Two_A\r\n"
        "Two_B \xAB"
        "b\xBB  \r\nA:  B or C\r\nB:  +nas (*)\r\nC:  -nas (*+1)\r\n"
        "1:  nas (*) = nas (*+1)\r\nEND:  Two_B\r\n\r\n",
    };
    for (const std::string& text : texts) {
        std::vector<Lines> expected;
        readByTheModelReader(text, expected);
        EXPECT_EQ(linesOf(readRulesText(text)), expected) << text;
        std::string lf = text;
        std::erase(lf, '\r');
        EXPECT_EQ(linesOf(readRulesText(lf)), expected) << "LF only";
    }
    EXPECT_TRUE(readRulesText("\r\n  \r\n").empty());
    const std::vector<TextRule> unended = readRulesText("Three\nA:  +cons (*)\n1:  +voice (*)");
    ASSERT_EQ(unended.size(), 1u);
    EXPECT_FALSE(unended.front().ended);
    EXPECT_EQ(unended.front().textLines, (std::vector<int>{0, 1, 2}));
}

// Every rule of the sample models is valid: a whole model file pasted reads as its rules, in
// file order, and the check finds nothing (no Supply to collide with).
TEST(RuleCheck, EveryRuleOfTheSamplesPasses) {
    for (const char* sample : {"span15.tnl", "igpay.tnl"}) {
        const std::string file = test::fileBytes(std::string(TARNEL_SAMPLES_DIR) + "/" + sample);
        const Result<LoadedModel> loaded = readModelText(file, sample);
        ASSERT_TRUE(loaded) << sample;
        const std::vector<TextRule> rules = readRulesText(file);
        EXPECT_EQ(linesOf(rules), loaded->model.lst1Rule) << sample;
        const std::vector<std::string> none;
        const std::vector<RuleProblem> problems = checkNewRules(rules, {none, {}});
        EXPECT_TRUE(problems.empty()) << sample << ": " << problemList("", problems);
        for (const Lines& rule : loaded->model.lst1Rule)
            EXPECT_TRUE(
                checkOneRule(readRulesText(joined(rule)), {loaded->model.lstSupply, ruleName(rule)})
                    .empty());
    }
}

// A rule with `body` between its name line and its END line, as text.
std::string ruleText(const Lines& body, const std::string& name = "Test_Rule") {
    return joined({name + " \xAB...\xBB", joined(body), "END:  " + name});
}

// The problems the check finds in `text`, a rule named `own` in a Supply holding Taken_Rule.
std::vector<std::string> problemTexts(const std::string& text, std::string_view own = {}) {
    const std::vector<std::string> supply = {"Taken_Rule"};
    std::vector<std::string> texts;
    std::ranges::transform(checkOneRule(readRulesText(text), {supply, own}),
                           std::back_inserter(texts), &RuleProblem::text);
    return texts;
}

struct Case {
    Lines body;
    std::vector<std::string> problems;
};

// Each kind of problem, said where the user typed it. The rule is named Test_Rule, the Supply
// holds Taken_Rule.
TEST(RuleCheck, EachProblemIsSaidAtItsLineAndColumn) {
    const std::vector<Case> cases = {
        {{"A:  +syll (*)", "1:  +high (*)"}, {}},
        {{"A:  B and C", "B:  +syll (*)", "C:  +voice (*) +vioce (*+1)", "1:  +high (*)"},
         {"Line C, column 17: \"vioce\" is no feature; did you mean \"voice\"?"}},
        {{"A:  +xyz (*)", "1:  +high (*)"}, {"Line A, column 6: \"xyz\" is no feature"}},
        {{"A:  +syll (*+)", "1:  +high (*)"},
         {"Line A, column 11: \"(*+)\" is no location; write (*), (*+1), (*-1), (1), (-1) or "
          "the like"}},
        {{"A:  +syll (+cons)", "1:  +high (*)"},
         {"Line A, column 11: \"(+cons)\" names no place in a word (Tarnel reads it as the "
          "place after the last segment); write (*), (*+1), (1), (-1) or the like"}},
        {{"A:  +syll (0)", "1:  +high (25)"},
         {"Line A, column 11: \"(0)\" names no segment: (1) is the first, (-1) the last",
          "Line 1, column 11: \"(25)\" lies beyond every word, which holds at most 20 segments"}},
        {{"A:  +syll (*) -ant (*) -asp (*) -back (*) -cor (*) -lat (*) -low (*) -nas (*) "
          "-cons (*)",
          "1:  +high (*)"},
         {"Line A, column 79: Maximum 8 units permitted in Absolute line."}},
        {{"A:  +syll  (*)", "1:  +high (*)"},
         {"Line A, column 10: Tarnel reads this line otherwise than it is written: one blank, "
          "no more, between its parts"}},
        {{"A:  B  and C", "B:  +syll (*)", "C:  +nas (*)", "1:  +high (*)"},
         {"Line A, column 6: Tarnel reads this line otherwise than it is written: one blank, "
          "no more, between its parts"}},
        {{"A:  B and D", "B:  +syll (*)", "C:  +nas (*)", "1:  +high (*)"},
         {"Line A, column 11: \"D\" names no if-line: the last is C"}},
        {{"A:  +syll (*)", "B:  A or C", "C:  +nas (*)", "1:  +high (*)"},
         {"Line B, column 5: \"A\" is not below line B: a Branching line names if-lines below "
          "it"}},
        {{"A:  +syll (*)", "B:  +nas (*)", "1:  +high (*)"},
         {"Line B: no Branching line leads here from line A, so this line decides nothing"}},
        {{"A:  +syll (*)", "C:  +nas (*)", "1:  +high (*)"},
         {"Line B, column 1: Tarnel reads this line as if-line B, so its label is \"B:\"",
          "Line B: no Branching line leads here from line A, so this line decides nothing"}},
        {{"A:  +syll (*)", "1:  voice (*) = voice (*)"},
         {"Line 1: a then-line with nothing the engine can do (it is skipped): it gives a place "
          "its own value"}},
        {{"A:  +syll (*)", "1:  SWAP (*+1) (*+1)"},
         {"Line 1, column 16: SWAP of a place with itself changes nothing (the line is "
          "skipped)"}},
        {{"A:  +syll (*)", "1:  INSERT e (-2)"},
         {"Line 1, column 14: End-of-word insert can only be (-1), not (-2) etc."}},
        {{"A:  +syll (*)", "1:  DELTE (*)"},
         {"Line 1, column 5: \"DELTE\" is no feature; did you mean \"DELETE\"?",
          "Line 1, column 5: a Relative line reads: feature, location, = or <>, feature, "
          "location, as cons (*) = cons (*+1)"}},
        {{"A:  COUNT +syll (*+1) (*) = 1", "B:  +nas (*)", "1:  +high (*)"},
         {"Line A, column 17: the count runs backwards, from (*+1) to (*), so this line never "
          "holds",
          "Line B: no Branching line leads here from line A, so this line decides nothing"}},
        {{"A:  COUNT +syll (*) (-1) < 0", "1:  +high (*)"},
         {"Line A, column 28: a count is never below 0, so this line never holds"}},
        {{"A:  all (*) <> all (*+1)", "1:  +all (*)"},
         {"Line A, column 13: \"all\" compares or copies whole segments with = only",
          "Line 1, column 6: \"all\" stands only in a Relative line, for whole segments"}},
        {{"A:  +syll (*) \xAB no \xBB", "1:  +high (*) \xAB x \xBB y"},
         {"Line A, column 15: Comment must be 3 or more characters, or none at all.",
          "Line 1, column 15: Comment must be 3 or more characters, or none at all.",
          "Line 1, column 21: only blanks may follow the comment's closing \xBB"}},
        {{"A:  +syll (*)"}, {"END line: the rule has no then-line, so it changes nothing"}},
        {{"A:  +syll (*)", "1:  +high (*) \xAB a\tb \xBB"},
         {"Line 1, column 18: a tab or other control character: write blanks"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(problemTexts(ruleText(c.body)), c.problems) << joined(c.body);
}

// The name, END line and the limits of the rule as a whole.
TEST(RuleCheck, NamesEndLinesAndTheRuleAsAWhole) {
    const std::string body = "\nA:  +syll (*)\n1:  +high (*)\n";
    using Texts = std::vector<std::string>;
    EXPECT_EQ(problemTexts("Ab" + body + "END:  Ab"), Texts{"Name line, column 1: Minimum name "
                                                            "length = 3."});
    EXPECT_EQ(problemTexts("Taken_Rule" + body + "END:  Taken_Rule"),
              Texts{"Name line, column 1: A rule named 'Taken_Rule' already exists.  Use a "
                    "different name."});
    EXPECT_TRUE(problemTexts("Taken_Rule" + body + "END:  Taken_Rule", "Taken_Rule").empty());
    EXPECT_EQ(problemTexts("lower-case" + body + "END:  lower-case"),
              (Texts{"Name line, column 1: a rule name begins with a capital letter, A to Z",
                     "Name line, column 6: \"-\" cannot stand in a rule name, which holds "
                     "letters, digits and _ only"}));
    EXPECT_EQ(problemTexts("Some_Rule" + body + "END:  Other"),
              Texts{"END line, column 7: the END line names the rule: END:  Some_Rule"});
    EXPECT_EQ(problemTexts("Some_Rule" + body),
              Texts{"Line 1: the rule has no END line after this line; end it with END:  "
                    "Some_Rule"});
    EXPECT_EQ(problemTexts("Some_Rule"),
              (Texts{"Name line: the rule has no END line after this line; end it with END:  "
                     "Some_Rule",
                     "Name line: the rule has no if-line, so it never applies",
                     "Name line: the rule has no then-line, so it changes nothing"}));
    std::string tenThen = "Some_Rule\nA:  +syll (*)\n";
    for (int i = 1; i <= 10; ++i)
        tenThen += std::to_string(i) + ":  +high (*)\n";
    EXPECT_EQ(problemTexts(tenThen + "END:  Some_Rule"),
              Texts{"Line 10: Maximum  9  THEN-lines permitted."});
    EXPECT_EQ(problemTexts(""), Texts{"The text holds no rule: a rule is its name line, its "
                                      "if-lines and then-lines, and its END line."});
    const std::vector<std::string> supply = {"Taken_Rule"};
    const auto two = checkOneRule(
        readRulesText("One_Rule" + body + "END:  One_Rule\n\nTwo_Rule" + body + "END:  Two_Rule"),
        {supply, {}});
    ASSERT_EQ(two.size(), 1u);
    EXPECT_EQ(two.front().line, 5);
}

// A condition the checker says never holds is one the engine compiles to hold nowhere; the
// valid lines around it are not.
TEST(RuleCheck, ANeverHoldingCountIsWhatTheEngineSkips) {
    const Lines rule = readRulesText(ruleText({"A:  B or C", "B:  COUNT +syll (*+1) (*) = 1",
                                               "C:  COUNT +syll (*) (*+1) = 1", "1:  +high (*)"}))
                           .front()
                           .lines;
    const CompiledRule compiled = compileRule(rule);
    EXPECT_EQ(compiled.ifLines[1].kind, IfStep::Kind::Never);
    EXPECT_NE(compiled.ifLines[2].kind, IfStep::Kind::Never);
}

} // namespace
} // namespace tarnel

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading rule text and applying one rule: locations, if-lines, then-lines.
#include "EngineFixture.h"
#include "engine/RuleText.h"

namespace tarnel::test {
namespace {

// Whether `body`, as line A of a rule, holds at `focus` of `word`.
bool holdsAt(const std::string& body, const Word& word, int focus) {
    const CompiledRule rule = compileRule({"T", "A:  " + body, "1:  +cons (*)", "END:  T"});
    return holdingFoci(rule, toPlanes(word), 1u << focus) != 0;
}

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
    EXPECT_EQ(findRule(model, "BETA"), 1);
    EXPECT_EQ(findRule(model, "ALPHA"), 0);
    EXPECT_EQ(findRule(model, "GAMMA"), 4);
    EXPECT_EQ(findRule(model, "alpha"), std::nullopt);
    EXPECT_EQ(findRule(model, "ALPH"), std::nullopt);
}

TEST(Location, ReadsTheTextAsAPositionAtFocus3OfLength5) {
    const std::pair<const char*, int> cases[] = {{"*", 3}, {"*+2", 5},   {"*-1", 2}, {"*+12", 15},
                                                 {"1", 0}, {"2", 1},     {"-1", 4},  {"-2", 3},
                                                 {"0", 5}, {"+cons", 5}, {"3x", 2},  {"", 5}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(resolveLocation(text, 3, 5), expected) << text;
    EXPECT_EQ(readNumber("12abc"), 12);
    EXPECT_EQ(readNumber(" -3"), -3);
    EXPECT_EQ(readNumber("cons"), 0);
    EXPECT_EQ(readNumber("99999999999999999999"), readNumber("9999999"));
}

TEST_F(EngineTest, IfLinesHoldAsRead) {
    // The word, the focus, the bodies that hold there and those that do not.
    const std::tuple<const char*, int, Lines, Lines> cases[] = {
        {"an", 0, {"+syll (*) +low (*) +nas (*+1)"}, {}},
        {"an", 1, {}, {"-nas (*+1)"}},
        {"a", 0, {"+syll (-1)"}, {"-syll (-2)"}},
        // an Absolute line reads two characters after "*": "*+12" is "*+1"
        {"pa", 0, {"+syll (*+12)", "+syll (2) -syll (1)", "voice (*) <> voice (*+1)"}, {}},
        {"pa", 0, {}, {"+syll (3)", "+bogus (*)", "-bogus (*)", "cons (*) = cons (*-1)"}},
        {"pa", 0, {}, {"voice (*) ~ voice (*+1)", "voice (*) = bogus (*+1)"}},
        {"aa", 0, {"all (*) = all (*+1)"}, {}},
        {"ae", 0, {}, {"all (*) = all (*+1)", "all (*) <> all (*+1)"}},
        {"ma", 0, {"nas (*) = voice (*+1)"}, {}},
        {"pata", 0, {"COUNT +syll (*) (-1) > 1", "COUNT -syll (1) (-1) < 3"}, {}},
        {"pata", 0, {}, {"COUNT +bogus (1) (-1) = 0"}},
        {"pata", 1, {"COUNT +syll (*) (*+2) = 2"}, {"COUNT +cons (*+1) (*) = 0"}},
        {"pata", 2, {"COUNT +syll (*) (*+2) = 0"}, {"COUNT +syll (*) (-1) > 1"}}};
    for (const auto& [text, focus, holding, failing] : cases)
        for (const bool holds : {true, false})
            for (const std::string& body : holds ? holding : failing)
                EXPECT_EQ(holdsAt(body, makeWord(text), focus), holds)
                    << text << " at " << focus << ": " << body;
    Word marked = makeWord("aa");
    marked.segments[1].set(markFeature, true); // "all" compares the mark too
    EXPECT_FALSE(holdsAt("all (*) = all (*+1)", marked, 0));
    Word cut = makeWord("pa");
    cut.length = 1; // a feature location reads position 1, one past the end, which holds "a"
    EXPECT_TRUE(holdsAt("+syll (+cons)", cut, 0));
    EXPECT_TRUE(holdsAt("+syll (0)", cut, 0));
}

TEST_F(EngineTest, RulesChangeTheWordAsRead) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"+syll (*)", "-low (*)", "pata", "pete"},
        {"+syll (*)", "+high (*)", "pa", "pi"},  // -low comes along
        {"+syll (*)", "+back (*)", "py", "pu"},  // -front comes along
        {"+syll (*)", "+front (*)", "pu", "py"}, // -back comes along
        {"+syll (*)", "+obstr (*+1)", "pa", "pa"},
        {"+syll (*)", "+syll (*) +nas (*", "ma", "ma"},
        {"+cons (*)", "voice (*) = voice (*+1)", "pba", "bba"},
        {"+cons (*)", "voice (*) <> voice (*+1)", "ppa", "bpa"},
        {"+syll (*)", "all (*) = all (*-1)", "pat", "ppt"},
        {"+syll (*)", "voice (*) = bogus (*-1)", "pat", "pat"},
        {"+syll (*)", "DELETE (*)", "pata", "pt"},
        {"+syll (*)", "DELETE (-1)", "aaaa", "aa"},
        {"+cons (*)", "SWAP (*) (*+1)", "pa", "ap"},
        {"+syll (*)", "SWAP (*) (*+1)", "pa", "pa"},
        {"+syll (*)", "INSERT e (*+1)", "pa", "pae"},
        {"+syll (*)", "INSERT e (*-1)", "ta", "tea"},
        {"+syll (*)", "INSERT e (*)", "pat", "pet"},
        {"+syll (*)", "INSERT e (1)", "pa", "epa"},
        {"+syll (*)", "INSERT e (-1)", "pat", "pate"},
        {"+syll (*)", "INSERT e (*-3)", "pat", "pat"},
        {"+syll (*)", "INSERT ~ (*+1)", "pat", "pat"}};
    for (const auto& [condition, change, before, after] : cases)
        EXPECT_EQ(applyTo(addRule("R", {condition}, {change}), before), after) << change;
    // Line A branches on B and C; a label that names no later line reads false, and anything
    // but "and" is "or".
    const std::pair<const char*, const char*> branches[] = {
        {"B or C", "pe"},  {"B and C", "pa"}, {"C or B", "pe"}, {"Y or B", "pe"},
        {"Y and B", "pa"}, {"A or A", "pa"},  {"? or B", "pe"}, {"B AND Y", "pe"}};
    for (const auto& [a, after] : branches)
        EXPECT_EQ(applyTo(addRule("R", {a, "+syll (*)", "+nas (*)"}, {"-low (*)"}), "pa"), after)
            << a;
    EXPECT_TRUE(messages.empty());
}

TEST_F(EngineTest, ObstruentBringsConsonantAndMinusConsonantDropsObstruent) {
    const int cons = *featureIndex("cons"), obstr = *featureIndex("obstr");
    applyTo(addRule("R", {"+syll (*)"}, {"+obstr (*)"}), "a");
    EXPECT_TRUE(engine().workingWord().segments[0][cons]);
    applyTo(addRule("S", {"+cons (*)"}, {"-cons (*)"}), "p");
    EXPECT_FALSE(engine().workingWord().segments[0][obstr]);
}

TEST_F(EngineTest, InsertFillsUpToTwentySegmentsThenOnlyReports) {
    const int rule = addRule("GROW", {"+syll (*)"}, {"INSERT a (-1)"});
    EXPECT_EQ(applyTo(rule, "ppppppppppppppppppa"), "ppppppppppppppppppaa");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(applyTo(rule, "ppppppppppppppppppaa"), "ppppppppppppppppppaa");
    EXPECT_EQ(messages, Lines(2, "Rule GROW not applied; INSERT exceeds 20-character limit."));
    messages.clear();
    EXPECT_EQ(applyTo(addRule("SET", {"+syll (*)"}, {"INSERT o (*)"}), "ppppppppppppppppppaa"),
              "ppppppppppppppppppaa"); // the limit holds for "(*)" too
    EXPECT_EQ(messages, Lines(2, "Rule SET not applied; INSERT exceeds 20-character limit."));
}

TEST_F(EngineTest, InsertAtSecondToLastEndReportsAtEveryFocusAndInsertsNothing) {
    EXPECT_EQ(applyTo(addRule("R", {"+syll (*)"}, {"INSERT e (-2)", "-low (*)"}), "papa"), "pepe");
    EXPECT_EQ(messages, Lines(2, "End-of-word insert can only be (-1), not (-2) etc."));
}

} // namespace
} // namespace tarnel::test

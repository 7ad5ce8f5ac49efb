#include "EngineFixture.h"

namespace tarnel::test {
namespace {

struct ChangeCase {
    const char* condition;
    const char* change;
    const char* before;
    const char* after;
};

class Changes : public EngineTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(Changes, ChangeTheWordAsRead) {
    const ChangeCase& c = GetParam();
    EXPECT_EQ(applyTo(addRule("R", {c.condition}, {c.change}), c.before), c.after)
        << c.condition << " / " << c.change;
    EXPECT_TRUE(messages.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    AbsoluteAndRelative, Changes,
    ::testing::Values(ChangeCase{"+syll (*)", "-low (*)", "pata", "pete"},
                      ChangeCase{"+syll (*)", "+high (*)", "pa", "pi"}, // -low comes along
                      ChangeCase{"+syll (*)", "+obstr (*+1)", "pa", "pa"},
                      ChangeCase{"+syll (*)", "+syll (*) +nas (*", "ma", "ma"},
                      ChangeCase{"+cons (*)", "voice (*) = voice (*+1)", "pba", "bba"},
                      ChangeCase{"+cons (*)", "voice (*) <> voice (*+1)", "ppa", "bpa"},
                      ChangeCase{"+syll (*)", "all (*) = all (*-1)", "pat", "ppt"},
                      ChangeCase{"+syll (*)", "voice (*) = bogus (*-1)", "pat", "pat"}));

INSTANTIATE_TEST_SUITE_P(DeleteSwapInsert, Changes,
                         ::testing::Values(ChangeCase{"+syll (*)", "DELETE (*)", "pata", "pt"},
                                           ChangeCase{"+syll (*)", "DELETE (-1)", "aaaa", "aa"},
                                           ChangeCase{"+cons (*)", "SWAP (*) (*+1)", "pa", "ap"},
                                           ChangeCase{"+syll (*)", "SWAP (*) (*+1)", "pa", "pa"},
                                           ChangeCase{"+syll (*)", "INSERT e (*+1)", "pa", "pae"},
                                           ChangeCase{"+syll (*)", "INSERT e (*-1)", "ta", "tea"},
                                           ChangeCase{"+syll (*)", "INSERT e (*)", "pat", "pet"},
                                           ChangeCase{"+syll (*)", "INSERT e (1)", "pa", "epa"},
                                           ChangeCase{"+syll (*)", "INSERT e (-1)", "pat", "pate"},
                                           ChangeCase{"+syll (*)", "INSERT e (*-3)", "pat", "pat"},
                                           ChangeCase{"+syll (*)", "INSERT ~ (*+1)", "pat",
                                                      "pat"}));

TEST_F(EngineTest, ObstruentBringsConsonantAndMinusConsonantDropsObstruent) {
    Word word = makeWord("a");
    engine.workingWord() = word;
    engine.applyRule(addRule("R", {"+syll (*)"}, {"+obstr (*)"}), passEtymon);
    EXPECT_TRUE(engine.workingWord().segments[0][3]);
    engine.workingWord() = makeWord("p");
    engine.applyRule(addRule("S", {"+cons (*)"}, {"-cons (*)"}), passEtymon);
    EXPECT_FALSE(engine.workingWord().segments[0][14]);
}

TEST_F(EngineTest, InsertBeyondTwentySegmentsOnlyReports) {
    const int rule = addRule("GROW", {"+syll (*)"}, {"INSERT a (*)"});
    EXPECT_EQ(applyTo(rule, "pppppppppppppppppppe"), "pppppppppppppppppppe");
    EXPECT_EQ(messages.texts, std::vector<std::string>{
                                  "Rule GROW not applied; INSERT exceeds 20-character limit."});
}

TEST_F(EngineTest, InsertAtSecondToLastEndReportsAtEveryFocusAndInsertsNothing) {
    EXPECT_EQ(applyTo(addRule("R", {"+syll (*)"}, {"INSERT e (-2)", "-low (*)"}), "papa"), "pepe");
    EXPECT_EQ(messages.texts,
              std::vector<std::string>(2, "End-of-word insert can only be (-1), not (-2) etc."));
}

TEST_F(EngineTest, InsertUpToTwentySegmentsThenStops) {
    const int rule = addRule("GROW", {"+syll (*)"}, {"INSERT a (-1)"});
    engine.workingWord() = makeWord("ppppppppppppppppppa");
    engine.applyRule(rule, passEtymon);
    EXPECT_TRUE(messages.texts.empty());
    engine.applyRule(rule, passEtymon);
    EXPECT_EQ(spell(engine.workingWord()), "ppppppppppppppppppaa");
    EXPECT_EQ(messages.texts.size(), 2u); // both vowels reach the limit
}

} // namespace
} // namespace tarnel::test

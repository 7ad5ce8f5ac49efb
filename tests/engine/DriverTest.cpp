#include "EngineFixture.h"

namespace tarnel::test {
namespace {

using Labels = std::vector<std::string>;

class Driver : public EngineTest {
protected:
    Driver() {
        addRule("RAISE_A", {"+low (*)"}, {"-low (*)"});                      // a > e
        addRule("RAISE_E", {"+syll (*) -low (*) -high (*)"}, {"+high (*)"}); // e > i
        addRule("LEFT", {"-syll (*) +syll (*+1)"}, {"SWAP (*) (*+1)"});      // pa > ap
        addRule("MARK", {"+syll (*)"}, {"+mark (*)"});
    }
};

TEST_F(Driver, TwoFociChangedInOneApplicationShowOneStage) {
    addDiachronic("RAISE_A");
    EXPECT_EQ(deriveText("patak"), "petek");
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "RAISE_A", "End"}));
    EXPECT_EQ(stages.stages[1].kind, stageDiachronic);
    EXPECT_EQ(stages.stages[2].kind, stageEnd);
}

TEST_F(Driver, RuleThatChangesNothingShowsNoStageAndStartsNoTraversal) {
    addDiachronic("RAISE_E", true);
    addDiachronic("RAISE_A");
    EXPECT_EQ(deriveText("pit"), "pit");
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "End"}));
}

TEST_F(Driver, MarkOnlyChangeIsNoChange) {
    addDiachronic("MARK");
    engine.derive("pa");
    EXPECT_FALSE(engine.changed());
    EXPECT_TRUE(engine.workingWord().segments[1][markFeature]);
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "End"}));
}

TEST_F(Driver, PersistentRuleAboveReappliesAfterEveryChange) {
    addDiachronic("RAISE_E", true);
    addDiachronic("RAISE_A");
    EXPECT_EQ(deriveText("pa"), "pi");
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "RAISE_A", "P-RAISE_E", "End"}));
    EXPECT_EQ(stages.stages[2].kind, stagePersistent);
}

TEST_F(Driver, PersistentRuleBelowIsNotYetActive) {
    addDiachronic("RAISE_A");
    addDiachronic("RAISE_E", true);
    EXPECT_EQ(deriveText("pa"), "pi");
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "RAISE_A", "RAISE_E", "End"}));
}

TEST_F(Driver, PersistentRuleIsReappliedAtOnceToItsOwnOutput) {
    addDiachronic("LEFT", true);
    EXPECT_EQ(deriveText("ppa"), "app");
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "LEFT", "P-LEFT", "End"}));
    EXPECT_EQ(spell(stages.stages[1].word), "pap");
    EXPECT_EQ(engine.lstPersist(), std::vector<int>{2});
}

TEST_F(Driver, MaskedPersistentRuleNeverRuns) {
    addDiachronic("-RAISE_E", true);
    addDiachronic("RAISE_A");
    addDiachronic("NO_SUCH_RULE");
    EXPECT_EQ(deriveText("pe"), "pe");
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "End"}));
    EXPECT_TRUE(engine.lstPersist().empty());
}

TEST_F(Driver, EtymonOrderRunsFirstAndItsStageAlwaysShows) {
    EXPECT_EQ(deriveText("pa"), "pa");
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "End"}));
    model.lstEtyOrd = {"RAISE_A"};
    stages.stages.clear();
    EXPECT_EQ(deriveText("pa"), "pe");
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "End"}));
}

TEST_F(Driver, RuleWithoutIfLinesNeverApplies) {
    model.lst1Rule.push_back({"BARE", "1:  -low (*)", "END:  BARE"});
    addDiachronic("BARE");
    EXPECT_EQ(deriveText("pa"), "pa");
}

TEST_F(Driver, RuleNamedEndingIsFoundAndApplied) {
    addRule("ENDING_LOSS", {"+syll (-1)"}, {"DELETE (-1)"});
    addDiachronic("ENDING_LOSS");
    EXPECT_EQ(deriveText("pata"), "pat");
    EXPECT_EQ(stages.labels(), (Labels{"Etymon", "ENDING_LOSS", "End"}));
}

TEST_F(Driver, ReflexModeInterpretsTheReflexWordOnly) {
    model.lstReflOrd = {"RAISE_A"};
    engine.workingWord() = makeWord("tt");
    engine.setDerivationMode(DerivationMode::Reflex);
    engine.derive("pa");
    EXPECT_EQ(spell(engine.reflexWord()), "pe");
    EXPECT_EQ(spell(engine.workingWord()), "tt");
    ASSERT_EQ(stages.labels(), (Labels{"Reflex"}));
    EXPECT_EQ(stages.stages[0].kind, stageReflex);
}

} // namespace
} // namespace tarnel::test

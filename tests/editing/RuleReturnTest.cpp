#include "engine/RuleReturn.h"

#include "core/Alphabet.h"
#include "core/Messages.h"
#include "engine/Engine.h"
#include "engine/RuleEditing.h"
#include "engine/RuleTemplates.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

using Lines = std::vector<std::string>;

std::string typedName(const std::string& keys) {
    std::string text;
    for (char key : keys)
        if (const auto ch = nameBoxKey(text, key).append)
            text += *ch;
    return text;
}

TEST(NameBox, FirstLetterBecomesCapitalBlankBecomesUnderscoreOthersAreSwallowed) {
    EXPECT_EQ(typedName("abc"), "Abc");
    EXPECT_EQ(typedName("1_a b-c!9"), "A_bc9");
    EXPECT_EQ(typedName("Vowel raising"), "Vowel_raising");
}

TEST(NameBox, The26thCharacterIsRefusedWithAMessage) {
    const std::string full(25, 'A');
    EXPECT_EQ(nameBoxKey(std::string(24, 'A'), 'b').append, 'b');
    EXPECT_FALSE(nameBoxKey(full, 'b').append);
    EXPECT_EQ(nameBoxKey(full, 'b').message, "Maximum name length = 25.");
    EXPECT_EQ(nameBoxKey("Ab", '-').message, "");
}

TEST(NameBox, EnterChecksLengthAndTheSupply) {
    Model model;
    model.lstSupply = {"Lenition"};
    EXPECT_EQ(checkNewRuleName(model, "Ab"), "Minimum name length = 3.");
    EXPECT_EQ(checkNewRuleName(model, "Abc"), std::nullopt);
    EXPECT_EQ(checkNewRuleName(model, "Lenition"),
              "A rule named 'Lenition' already exists.  Use a different name.");
}

Lines stored(const std::string& name, const std::string& condition) {
    return {name + " \xAB...\xBB", "A:  " + condition + " \xAB...\xBB", "END:  " + name};
}

class KeepChanges : public testing::Test {
protected:
    void SetUp() override {
        model.lst1Rule = {stored("Apocope", "+syll (-1)"), stored("Lenition", "+cons (*)")};
        model.lstSupply = {"Apocope", "Lenition"};
        model.lstDiacOrd = {"Lenition", "-Lenition", "Apocope"};
        model.lstM = {"", "M", ""};
        model.lstP = {"", "", ""};
        model.lstEtyOrd = {"Lenition"};
        model.lstReflOrd = {"-Lenition"};
        editing.oldName = editing.currentName = "Lenition";
        editing.lstRuleTemp = model.lst1Rule[1];
    }
    Model model;
    RuleEditing editing;
};

TEST_F(KeepChanges, AnExistingRuleIsStoredInPlace) {
    editing.lstRuleTemp[1] = "A:  -voice (*) \xAB...\xBB";
    EXPECT_TRUE(keepRuleChanges(model, editing).kept);
    EXPECT_EQ(model.lst1Rule[1], editing.lstRuleTemp);
    EXPECT_EQ(model.lst1Rule.size(), 2u);
    EXPECT_TRUE(model.unsavedChanges);
}

TEST_F(KeepChanges, ARenameReachesTheSupplyAndEveryOrderKeepingMasks) {
    renameRule(editing.lstRuleTemp, "Assimilation");
    editing.nameChanged = true;
    const KeptRule kept = keepRuleChanges(model, editing);
    EXPECT_TRUE(kept.kept);
    EXPECT_EQ(kept.message, "");
    EXPECT_EQ(model.lstSupply, (Lines{"Apocope", "Assimilation"}));
    EXPECT_EQ(model.lstDiacOrd, (Lines{"Assimilation", "-Assimilation", "Apocope"}));
    EXPECT_EQ(model.lstEtyOrd, (Lines{"Assimilation"}));
    EXPECT_EQ(model.lstReflOrd, (Lines{"-Assimilation"}));
    EXPECT_EQ(model.lst1Rule[1].back(), "END:  Assimilation");
}

TEST_F(KeepChanges, AnOldNameMissingFromTheSupplyIsReportedAndTheOrdersStillFollow) {
    model.lstSupply = {"Apocope"};
    renameRule(editing.lstRuleTemp, "Assimilation");
    editing.nameChanged = true;
    EXPECT_EQ(keepRuleChanges(model, editing).message, "Old rule name not found in lstSupply.");
    EXPECT_EQ(model.lstSupply, (Lines{"Apocope"}));
    EXPECT_EQ(model.lstEtyOrd, (Lines{"Assimilation"}));
}

TEST_F(KeepChanges, ANewRuleGoesIntoTheStoreAndTheSupplyInOrder) {
    editing.newRule = true;
    editing.lstRuleTemp = stored("Breaking", "+low (*)");
    EXPECT_TRUE(keepRuleChanges(model, editing).kept);
    EXPECT_EQ(model.lst1Rule.back(), editing.lstRuleTemp);
    EXPECT_EQ(model.lstSupply, (Lines{"Apocope", "Breaking", "Lenition"}));
}

TEST_F(KeepChanges, ANewRuleWhoseNameExistsIsRefusedAndNothingChanges) {
    editing.newRule = true;
    editing.lstRuleTemp = stored("Apocope", "+low (*)");
    const Model before = model;
    const KeptRule kept = keepRuleChanges(model, editing);
    EXPECT_FALSE(kept.kept);
    EXPECT_EQ(kept.message, "A rule named 'Apocope' already exists.  Use a different name.");
    EXPECT_EQ(model.lst1Rule, before.lst1Rule);
    EXPECT_EQ(model.lstSupply, before.lstSupply);
    EXPECT_FALSE(model.unsavedChanges);
}

class NoMessages : public MessageSink {
public:
    void showMessage(const std::string& text) override { ADD_FAILURE() << text; }
};

TEST(EditedRule, ARuleBuiltByEditingDerivesThroughTheEngine) {
    // Final devoicing: an obstruent at the end of the word loses its voice.
    RuleEditing editing;
    editing.newRule = true;
    editing.lstRuleTemp.assign(newRuleTemplate.begin(), newRuleTemplate.end());
    Lines& rule = editing.lstRuleTemp;
    renameRule(rule, "Devoicing");
    changeFeature(rule, 1, 0, "obstr");
    setToken(rule, 1, 1, "(-1)");
    changeFeature(rule, 2, 0, "voice");
    toggleSign(rule, 2, 0);
    setToken(rule, 2, 1, "(-1)");
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    ASSERT_TRUE(keepRuleChanges(model, editing).kept);
    model.lstDiacOrd = {"Devoicing"};
    model.lstM = model.lstP = {""};

    NoMessages messages;
    Engine engine(model, messages);
    engine.setDerivationMode(DerivationMode::Interactive);
    engine.derive("bad");
    const Word& word = engine.workingWord();
    const int voice = *featureIndex("voice");
    ASSERT_EQ(word.length, 3);
    EXPECT_TRUE(word.segments[0][voice]);
    EXPECT_FALSE(word.segments[2][voice]);
}

} // namespace
} // namespace tarnel

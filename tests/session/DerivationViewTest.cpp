// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/DerivationView.h"

#include "core/Alphabet.h"
#include "core/Encoder.h"
#include "engine/StageDisplay.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tarnel;

namespace {

class NoMessages : public MessageSink {
public:
    void showMessage(const std::string&) override { ADD_FAILURE() << "unexpected message"; }
};

Word encoded(std::string_view text) {
    Alphabet etymon, reflex;
    createAlphabets(etymon, reflex);
    Word word;
    NoMessages messages;
    encodeEtymon(text, EncodingTable(etymon), word, messages);
    return word;
}

// Every feature minus but cons, cont, obstr and voice: no row fits.
Word unfit() {
    Word word;
    word.length = 1;
    for (const char* name : {"cons", "cont", "obstr", "voice"})
        word.segments[0].set(*featureIndex(name), true);
    return word;
}

} // namespace

TEST(DerivationCaption, NamesTheModelAndTheMode) {
    EXPECT_EQ(derivationCaption(DerivationMode::Interactive, "span15"),
              "Model \"span15\", Interactive Mode, Diachronic Derivation");
    EXPECT_EQ(derivationCaption(DerivationMode::Reflex, "igpay"),
              "Model \"igpay\", Interactive Mode, Reflex Rules");
    EXPECT_EQ(derivationCaption(DerivationMode::Batch, "igpay"), "Model \"igpay\", Batch Mode");
}

TEST(WordBox, PromptFollowsTheMode) {
    EXPECT_EQ(wordPrompt(DerivationMode::Interactive), "Type etymon here");
    EXPECT_EQ(wordPrompt(DerivationMode::Reflex), "Type reflex here");
    EXPECT_EQ(wordPrompt(DerivationMode::Batch), "");
}

TEST(WordBox, DerivesOnlyAWordWithoutBlanks) {
    EXPECT_EQ(derivableWord("pater"), "pater");
    EXPECT_EQ(derivableWord(""), std::nullopt);
    EXPECT_EQ(derivableWord("pa ter"), std::nullopt);
    EXPECT_EQ(derivableWord(" pater"), std::nullopt);
    EXPECT_EQ(derivableWord("Type etymon here"), std::nullopt);
    EXPECT_EQ(derivableWord("Type reflex here"), std::nullopt);
}

TEST(DecodeStage, EtymonLabelGetsItsColonAndOneCellPerSegment) {
    const StageLine line = decodeStage(stageEtymon, "Etymon", encoded("pat"));
    EXPECT_EQ(line.label, "Etymon:");
    ASSERT_EQ(line.cells.size(), 3u);
    EXPECT_EQ(line.cells[0].codes, "p");
    EXPECT_EQ(line.cells[1].codes, "a");
    EXPECT_EQ(line.cells[1].colour, CellColour::Black);
}

TEST(DecodeStage, RuleAndPersistentLabelsStandAsGiven) {
    EXPECT_EQ(decodeStage(stageDiachronic, "VOICING", encoded("a")).label, "VOICING");
    EXPECT_EQ(decodeStage(stagePersistent, "P-VOICING", encoded("a")).label, "P-VOICING");
}

TEST(DecodeStage, EndLineShowsNoSymbols) {
    const StageLine line = decodeStage(stageEnd, "End", encoded("pat"));
    EXPECT_EQ(line.label, "End");
    EXPECT_TRUE(line.cells.empty());
}

TEST(DecodeStage, WorkingWordFallsBackToALetterButReflexToABox) {
    const Word word = unfit();
    const StageLine working = decodeStage(stageDiachronic, "R", word);
    const StageLine reflex = decodeStage(stageReflex, "Reflex", word);
    ASSERT_EQ(working.cells.size(), 1u);
    ASSERT_EQ(reflex.cells.size(), 1u);
    EXPECT_EQ(working.cells[0].codes, "g");
    EXPECT_EQ(working.cells[0].colour, CellColour::Red);
    EXPECT_EQ(reflex.cells[0].codes, "\xc5");
    EXPECT_EQ(reflex.cells[0].colour, CellColour::Red);
}

TEST(DecodeStage, BlueCellCarriesItsDifferingFeatures) {
    Word word = encoded("t");
    word.segments[0].set(*featureIndex("high"), true);
    const StageLine line = decodeStage(stageDiachronic, "PALATAL", word);
    ASSERT_EQ(line.cells.size(), 1u);
    EXPECT_EQ(line.cells[0].colour, CellColour::Blue);
    EXPECT_EQ(offFeatsText(line.cells[0].differs), " +high ");
}

TEST(OffFeats, EmptyForACellWithoutDifferences) {
    EXPECT_EQ(offFeatsText(""), "");
}

TEST(StageLabels, CoverEveryStageNameAndItsPersistentForm) {
    Model model;
    model.lst1Rule = {{"LENITION: voicing between vowels", "A ..."}, {"APOCOPE"}};
    const std::vector<std::string> labels = stageLabels(model);
    for (const char* expected : {"Etymon:", "End", "Reflex", "voicing between vowels",
                                 "P-voicing between vowels", "APOCOPE", "P-APOCOPE"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), expected), labels.end()) << expected;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/DerivationView.h"

#include "engine/StageDisplay.h"
#include "support/Words.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tarnel;

namespace {

// Every feature minus but cons, cont, obstr and voice: no row fits.
Word unfit() {
    Word word;
    word.length = 1;
    for (const char* name : {"cons", "cont", "obstr", "voice"})
        word.segments[0].set(*featureIndex(name), true);
    return word;
}

} // namespace

TEST(WordBox, DerivesOnlyAWordWithoutBlanks) {
    EXPECT_EQ(derivableWord("pater"), "pater");
    for (const char* text : {"", "pa ter", " pater", "Type etymon here", "Type reflex here"})
        EXPECT_EQ(derivableWord(text), std::nullopt) << text;
}

// The Etymon label gets its colon, a rule's stands as given, End shows no symbols; a sound no
// symbol fits falls back to a letter in a working word but to a box in the reflex.
TEST(DecodeStage, LabelsAndCellsFollowTheKindOfStage) {
    const StageLine etymon = decodeStage(stageEtymon, "Etymon", test::typed("pat"));
    EXPECT_EQ(etymon.label, "Etymon:");
    ASSERT_EQ(etymon.cells.size(), 3u);
    EXPECT_EQ(etymon.cells[0].codes + etymon.cells[1].codes, "pa");
    EXPECT_EQ(etymon.cells[1].colour, CellColour::Black);
    EXPECT_EQ(offFeatsText(etymon.cells[1].differs), "");
    EXPECT_EQ(decodeStage(stagePersistent, "P-VOICING", test::typed("a")).label, "P-VOICING");
    const StageLine end = decodeStage(stageEnd, "End", test::typed("pat"));
    EXPECT_EQ(std::tuple(end.label, end.cells.size()), std::tuple("End", 0u));

    const StageLine working = decodeStage(stageDiachronic, "R", unfit());
    const StageLine reflex = decodeStage(stageReflex, "Reflex", unfit());
    ASSERT_TRUE(working.cells.size() == 1 && reflex.cells.size() == 1);
    EXPECT_EQ(std::tie(working.cells[0].codes, working.cells[0].colour, reflex.cells[0].codes,
                       reflex.cells[0].colour),
              std::tuple("g", CellColour::Red, "\xc5", CellColour::Red));

    Word palatal = test::typed("t");
    palatal.segments[0].set(*featureIndex("high"), true);
    const StageLine blue = decodeStage(stageDiachronic, "PALATAL", palatal);
    EXPECT_EQ(blue.cells.at(0).colour, CellColour::Blue);
    EXPECT_EQ(offFeatsText(blue.cells[0].differs), " +high ");
}

TEST(StageLabels, CoverEveryStageNameAndItsPersistentForm) {
    Model model;
    model.lst1Rule = {{"LENITION: voicing between vowels", "A ..."}, {"APOCOPE"}};
    const std::vector<std::string> labels = stageLabels(model);
    for (const char* expected : {"Etymon:", "End", "Reflex", "voicing between vowels",
                                 "P-voicing between vowels", "APOCOPE", "P-APOCOPE"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), expected), labels.end()) << expected;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BatchRun.h"

#include "core/Alphabet.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

constexpr int voiceFeature = 20;

// A model whose one Diachronic rule voices t: "ata" gives "ada".
Model voicingModel(std::vector<std::string> vocabulary) {
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    model.lst1Rule = {{"Voicing \xAB...\xBB", "A:  +cor (*) -cont (*) \xAB...\xBB",
                       "1:  +voice (*) \xAB...\xBB", "END:  Voicing"}};
    model.lstSupply = {"Voicing"};
    model.lstDiacOrd = {"Voicing"};
    model.lstM = model.lstP = {""};
    model.lstVocab = std::move(vocabulary);
    return model;
}

TEST(BatchRun, KeepsEachItemAsDataWithTheLineTheListsShow) {
    const BatchRun run = runWholeBatch(voicingModel({"ata  ada", "ata  ata", "ate  eta"}));
    ASSERT_EQ(run.items.size(), 3u);
    EXPECT_EQ(run.goodCount(), 1);
    EXPECT_EQ(run.badCount(), 2);
    EXPECT_EQ(resultLine(run.items[0]), "ata > ada");
    EXPECT_EQ(resultLine(run.items[1]), "ata > ata:  seg.#2, voice");
    EXPECT_EQ(run.items[2].index, 2);
    EXPECT_EQ(run.items[2].etymon, "ate");
    EXPECT_EQ(run.items[1].derived.length, 3);
    EXPECT_TRUE(
        slotValue(run.items[1].derived.segments[1], voiceFeature)); // voiced in the derivation
    EXPECT_FALSE(slotValue(run.items[1].expected.segments[1], voiceFeature)); // not in the reflex
    EXPECT_FALSE(run.stopped);
}

} // namespace
} // namespace tarnel

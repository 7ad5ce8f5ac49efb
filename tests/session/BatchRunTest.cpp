// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BatchRun.h"

#include "session/BatchText.h"
#include "support/ModelBuilder.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

constexpr int voiceFeature = 20;

// A model whose one Diachronic rule voices t: "ata" gives "ada".
Model voicingModel(test::Lines vocabulary) {
    return test::ModelBuilder()
        .rule("Voicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
        .diachronic({"Voicing"})
        .vocabulary(std::move(vocabulary));
}

TEST(BatchRun, KeepsEachItemAsDataWithTheLineTheListsShow) {
    const BatchRun run = runWholeBatch(voicingModel({"ata  ada", "ata  ata", "ate  eta"}));
    ASSERT_EQ(run.items.size(), 3u);
    EXPECT_EQ(std::pair(run.goodCount(), run.badCount()), std::pair(1, 2));
    EXPECT_EQ(resultLine(run.items[0]), "ata > ada");
    EXPECT_EQ(resultLine(run.items[1]), "ata > ata:  seg.#2, voice");
    EXPECT_EQ(std::tie(run.items[2].index, run.items[2].etymon), std::tuple(2, "ate"));
    EXPECT_EQ(run.items[1].derived.length, 3);
    // voiced in the derivation, not in the reflex
    EXPECT_TRUE(slotValue(run.items[1].derived.segments[1], voiceFeature));
    EXPECT_FALSE(slotValue(run.items[1].expected.segments[1], voiceFeature));
    EXPECT_FALSE(run.stopped);
}

// The lines are read back as they were written; anything else is no line of a list.
TEST(BatchText, AResultLineReadsBackAsItsItem) {
    const BatchRun run = runWholeBatch(voicingModel({"ata  ada", "ata  ata"}));
    for (const BatchItemResult& item : run.items) {
        const auto read = parseResultLine(resultLine(item), item.good());
        ASSERT_TRUE(read);
        EXPECT_EQ(std::tie(read->etymon, read->reflex, read->discrepancy),
                  std::tuple("ata", item.reflex, item.good() ? "" : "seg.#2, voice"));
    }
    EXPECT_FALSE(parseResultLine("ata ada", true));
    EXPECT_FALSE(parseResultLine("ata > ata", false)); // a Bad line names its discrepancy
}

// What a person reads: each list under its own count, then the accuracy.
TEST(BatchText, CountsEachListUnderItsOwnName) {
    const BatchRun run = runWholeBatch(voicingModel({"ata  ada", "ata  ata", "ate  eta"}));
    const std::string text = batchText(run, insight::buildReport(voicingModel({}), run, {}));
    EXPECT_TRUE(text.starts_with("Good:  1\n  ata > ada\nBad:  2\n  ata > ata:  seg.#2, voice\n"))
        << text;
    EXPECT_NE(text.find("\n100% done\nGood 1 of 3 (33.3%)\nMean segment distance"),
              std::string::npos);
}

} // namespace
} // namespace tarnel

// SPDX-License-Identifier: GPL-3.0-or-later
// What the reference engine cannot check (EquivalenceTest.cpp): the cut of a long derivation and
// the texts of a batch run.
#include "BatchCollector.h"
#include "EngineFixture.h"

namespace tarnel::test {
namespace {

// Persistent rules that undo each other's changes on consonants: about 20,000 stages, were
// it not cut. A batch run after the cut is not cut itself: it reaches the last rule.
TEST_F(EngineTest, ADerivationIsCutAfterTenThousandRuleStages) {
    Lines order;
    for (int i = 0; i < 200; ++i) {
        const bool odd = i % 2 == 1;
        order.push_back("P FLIP" + std::to_string(i));
        addRule(order.back().substr(2), {odd ? "-syll (*) +voice (*)" : "-syll (*) -voice (*)"},
                {odd ? "-voice (*)" : "+voice (*)"});
    }
    order.push_back("RAISE_A");
    setDiachronic(order);
    for (int run = 0; run < 2; ++run) {
        stages.clear();
        engine().derive("p");
        EXPECT_EQ(std::count(stages.begin(), stages.end(), '/'), maxRuleStages + 1);
        EXPECT_TRUE(stages.ends_with("/0 End p") || stages.ends_with("/0 End b"));
    }
    EXPECT_EQ(messages, Lines(2, std::string(derivationCutMessage)));
    BatchCollector batch;
    model.lstVocab = {"a  e"};
    engine().runBatch(batch);
    EXPECT_EQ(std::tuple(batch.goodCount, messages.size()), std::tuple(1, 2u)); // no further cut
}

// The name of a rule whose header has no blank before its comment.
TEST_F(EngineTest, ARuleNamedRightBeforeItsCommentRuns) {
    model.lst1Rule.push_back({"LOWER\xAB"
                              "lower a vowel\xBB",
                              "A:  +high (*) \xAB\xBB", "1:  -high (*) \xAB\xBB", "END:  LOWER"});
    setDiachronic({"LOWER"});
    engine().derive("pi");
    EXPECT_EQ(stages, "1 Etymon pi/2 LOWER pe/0 End pe");
}

// The fixture collects the batch reports, and every progress text as it comes.
class Batch : public EngineTest, public BatchCollector {
protected:
    Batch() { setDiachronic({"RAISE_A"}); }
    void showBatchItem(const BatchItem& item) override {
        BatchCollector::showBatchItem(item);
        progressTexts.emplace_back(item.progress);
    }
    void run(Lines vocabulary) {
        model.lstVocab = std::move(vocabulary);
        EXPECT_TRUE(engine().runBatch(*this));
    }
    Lines progressTexts;
};

TEST_F(Batch, WritesGoodAndBadLinesWithFirstDiscrepancy) {
    run({"pata  pete", "pata  pate", " tap  pat ", "pat  bet", "piter  piters", "piters  piter"});
    EXPECT_EQ(goodText, "pata > pete\r\n");
    EXPECT_EQ(badText, "pata > pate:  seg.#2, low\r\n"
                       "tap > pat:  seg.#1, cor\r\n"
                       "pat > bet:  seg.#1, voice\r\n"
                       "piter > piters:  seg.#6, segment\r\n"
                       "piters > piter:  seg.#6, segment\r\n");
    EXPECT_EQ(std::tuple(goodCount, badCount, goodLabel(goodCount), badLabel(badCount)),
              std::tuple(1, 5, "Good:  1", "Bad:  5"));
    EXPECT_TRUE(stages.empty());
}

TEST_F(Batch, ReportsProgressAfterEveryItemAndEndsAtHundred) {
    run({});
    EXPECT_TRUE(goodText.empty() && badText.empty());
    EXPECT_EQ(progress, "100% done");
    run({"pa  pe", "pa  pe", "pa  pe"});
    EXPECT_EQ(progressTexts, (Lines{"0% done", "33% done", "67% done"}));
    EXPECT_EQ(progress, "100% done");
    EXPECT_EQ(progressText(1, 8), "13% done");
}

TEST_F(Batch, WordsLongerThanTwentyAreNeverGoodAndListedOnce) {
    const std::string etymon = std::string(20, 'p') + "a";
    const std::string reflex = std::string(20, 'p') + "i";
    run({etymon + "  " + reflex, "pa  pe", "pi  " + reflex});
    EXPECT_EQ(goodText, "pa > pe\r\n");
    EXPECT_EQ(badText, etymon + " > " + reflex + ":  seg.#21, segment\r\n" + "pi > " + reflex +
                           ":  seg.#2, ant\r\n");
    EXPECT_EQ(messages, Lines{tooLongItemsMessage({etymon + " > " + reflex, "pi > " + reflex})});
}

} // namespace
} // namespace tarnel::test

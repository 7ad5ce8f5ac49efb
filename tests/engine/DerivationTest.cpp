// Whole derivations through the orders, and batch runs over the vocabulary.
#include "EngineFixture.h"

namespace tarnel::test {
namespace {

TEST_F(EngineTest, DerivationShowsAStageForEveryChange) {
    model.lst1Rule.push_back({"BARE", "1:  -low (*)", "END:  BARE"});
    const std::tuple<Lines, const char*, const char*, std::vector<int>> cases[] = {
        // two foci changed in one application: one stage
        {{"RAISE_A"}, "patak", "1 Etymon patak / 2 RAISE_A petek / 0 End petek", {}},
        // a rule that changes nothing shows no stage and starts no traversal
        {{"P RAISE_E", "RAISE_A"}, "pit", "1 Etymon pit / 0 End pit", {1}},
        // a persistent rule above re-applies after every change; one below is not yet active
        {{"P RAISE_E", "RAISE_A"},
         "pa",
         "1 Etymon pa / 2 RAISE_A pe / 3 P-RAISE_E pi / 0 End pi",
         {1}},
        {{"RAISE_A", "P RAISE_E"},
         "pa",
         "1 Etymon pa / 2 RAISE_A pe / 2 RAISE_E pi / 0 End pi",
         {1}},
        // a persistent rule is re-applied at once to its own output
        {{"P LEFT"}, "ppa", "1 Etymon ppa / 2 LEFT pap / 3 P-LEFT app / 0 End app", {2}},
        // masked and unknown entries never run
        {{"P -RAISE_E", "RAISE_A", "NO_SUCH_RULE"}, "pe", "1 Etymon pe / 0 End pe", {}},
        {{"BARE"}, "pa", "1 Etymon pa / 0 End pa", {}}, // without if-lines a rule never applies
        {{"ENDING_LOSS"}, "pata", "1 Etymon pata / 2 ENDING_LOSS pat / 0 End pat", {}},
        // a change of the mark alone is no change
        {{"MARK"}, "pa", "1 Etymon pa / 0 End pa", {}}};
    for (const auto& [order, etymon, expected, persistent] : cases) {
        setDiachronic(order);
        stages.clear();
        engine.derive(etymon);
        EXPECT_EQ(stages, expected);
        EXPECT_EQ(engine.lstPersist(), persistent) << expected;
    }
    EXPECT_FALSE(engine.changed()); // after MARK, the last
    EXPECT_TRUE(engine.workingWord().segments[1][markFeature]);
}

TEST_F(EngineTest, EtymonOrderRunsFirstAndItsStageAlwaysShows) {
    model.lstEtyOrd = {"RAISE_A"};
    engine.derive("pa");
    EXPECT_EQ(stages, "1 Etymon pe / 0 End pe");
}

TEST_F(EngineTest, ReflexModeInterpretsTheReflexWordOnly) {
    model.lstReflOrd = {"RAISE_A"};
    engine.workingWord() = makeWord("tt");
    engine.setDerivationMode(DerivationMode::Reflex);
    engine.derive("pa");
    EXPECT_EQ(spell(engine.workingWord()), "tt");
    EXPECT_EQ(stages, "4 Reflex pe");
}

// Records every progress text as it comes.
struct RecordedBatch : BatchCollector {
    void showBatchItem(const BatchItem& item) override {
        BatchCollector::showBatchItem(item);
        progressTexts.emplace_back(item.progress);
    }
    Lines progressTexts;
};

class Batch : public EngineTest {
protected:
    Batch() { setDiachronic({"RAISE_A"}); }
    RecordedBatch run(Lines vocabulary) {
        model.lstVocab = std::move(vocabulary);
        RecordedBatch batch;
        EXPECT_TRUE(engine.runBatch(batch));
        return batch;
    }
};

TEST_F(Batch, WritesGoodAndBadLinesWithFirstDiscrepancy) {
    const RecordedBatch batch = run(
        {"pata  pete", "pata  pate", " tap  pat ", "pat  bet", "piter  piters", "piters  piter"});
    EXPECT_EQ(batch.goodText, "pata > pete\r\n");
    EXPECT_EQ(batch.badText, "pata > pate:  seg.#2, low\r\n"
                             "tap > pat:  seg.#1, cor\r\n"
                             "pat > bet:  seg.#1, voice\r\n"
                             "piter > piters:  seg.#6, segment\r\n"
                             "piters > piter:  seg.#6, segment\r\n");
    EXPECT_EQ(goodLabel(batch.goodCount), "Good:  1");
    EXPECT_EQ(badLabel(batch.badCount), "Bad:  5");
    EXPECT_TRUE(stages.empty());
}

TEST_F(Batch, ComparesReflexAfterReflexOrderIgnoringMark) {
    model.lstReflOrd = {"MARK"};
    EXPECT_EQ(run({"pa  pe"}).goodText, "pa > pe\r\n");
    EXPECT_TRUE(engine.reflexWord().segments[1][markFeature]);
}

TEST_F(Batch, ReportsProgressAfterEveryItemAndEndsAtHundred) {
    const RecordedBatch batch = run({"pa  pe", "pa  pe", "pa  pe"});
    EXPECT_EQ(batch.progressTexts, (Lines{"0% done", "33% done", "67% done"}));
    EXPECT_EQ(batch.progress, "100% done");
    EXPECT_EQ(progressText(1, 8), "13% done");
    const RecordedBatch empty = run({});
    EXPECT_TRUE(empty.goodText.empty() && empty.badText.empty());
    EXPECT_EQ(empty.progress, "100% done");
}

TEST_F(Batch, AsksBeforeMoreThanThreeHundredItems) {
    model.lstVocab.assign(300, "pa  pe");
    BatchCollector quiet;
    EXPECT_TRUE(engine.runBatch(quiet));
    EXPECT_TRUE(quiet.askedWarning.empty());
    EXPECT_EQ(quiet.goodCount, 300);
    model.lstVocab.push_back("pa  pe");
    BatchCollector cancelled;
    cancelled.answerLargeRun = false;
    EXPECT_FALSE(engine.runBatch(cancelled));
    EXPECT_EQ(cancelled.askedWarning, largeBatchWarning);
    EXPECT_EQ(cancelled.goodCount, 0);
    EXPECT_TRUE(cancelled.progress.empty());
}

TEST_F(Batch, PersistentRulesWorkWithoutStages) {
    setDiachronic({"P RAISE_E", "RAISE_A"});
    EXPECT_EQ(run({"pa  pi"}).goodCount, 1);
    EXPECT_TRUE(stages.empty());
    EXPECT_EQ(engine.derivationMode(), DerivationMode::Batch);
}

} // namespace
} // namespace tarnel::test

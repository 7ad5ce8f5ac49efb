#include "EngineFixture.h"

namespace tarnel::test {
namespace {

// Records every report as it comes.
struct RecordedBatch : BatchCollector {
    void showBatchItem(const BatchItem& item) override {
        BatchCollector::showBatchItem(item);
        progressTexts.push_back(std::string(item.progress));
    }
    std::vector<std::string> progressTexts;
};

class Batch : public EngineTest {
protected:
    Batch() {
        addRule("RAISE_A", {"+low (*)"}, {"-low (*)"});
        addRule("MARK", {"+syll (*)"}, {"+mark (*)"});
        addDiachronic("RAISE_A");
    }
    RecordedBatch run(std::vector<std::string> vocabulary) {
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
    EXPECT_EQ(batch.goodCount, 1);
    EXPECT_EQ(batch.badCount, 5);
    EXPECT_EQ(goodLabel(batch.goodCount), "Good:  1");
    EXPECT_EQ(badLabel(batch.badCount), "Bad:  5");
    EXPECT_TRUE(stages.stages.empty());
}

TEST_F(Batch, ComparesReflexAfterReflexOrderIgnoringMark) {
    model.lstReflOrd = {"MARK"};
    const RecordedBatch batch = run({"pa  pe"});
    EXPECT_EQ(batch.goodText, "pa > pe\r\n");
    EXPECT_TRUE(engine.reflexWord().segments[1][markFeature]);
}

TEST_F(Batch, ReportsProgressAfterEveryItemAndEndsAtHundred) {
    const RecordedBatch batch = run({"pa  pe", "pa  pe", "pa  pe"});
    EXPECT_EQ(batch.progressTexts, (std::vector<std::string>{"0% done", "33% done", "67% done"}));
    EXPECT_EQ(batch.progress, "100% done");
    EXPECT_EQ(progressText(1, 8), "13% done");
}

TEST_F(Batch, EmptyVocabularyEndsAtHundredWithNoLines) {
    const RecordedBatch batch = run({});
    EXPECT_TRUE(batch.goodText.empty() && batch.badText.empty());
    EXPECT_EQ(batch.progress, "100% done");
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
    addRule("RAISE_E", {"+syll (*) -low (*) -high (*)"}, {"+high (*)"});
    model.lstDiacOrd.insert(model.lstDiacOrd.begin(), "RAISE_E");
    model.lstP.insert(model.lstP.begin(), "P");
    const RecordedBatch batch = run({"pa  pi"});
    EXPECT_EQ(batch.goodCount, 1);
    EXPECT_TRUE(stages.stages.empty());
    EXPECT_EQ(engine.derivationMode(), DerivationMode::Batch);
}

} // namespace
} // namespace tarnel::test

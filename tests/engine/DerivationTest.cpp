// SPDX-License-Identifier: GPL-3.0-or-later
// Whole derivations through the orders, batch runs over the vocabulary, and derivations through
// arbitrary rule text.
#include "BatchCollector.h"
#include "EngineFixture.h"
#include "RandomText.h"

namespace tarnel::test {
namespace {

TEST_F(EngineTest, DerivationShowsAStageForEveryChange) {
    model.lst1Rule.push_back({"BARE", "1:  -low (*)", "END:  BARE"});
    addRule("TOSS", {"+syll (*)"}, {"+voice (*+1) -voice (*-1)"});
    const std::tuple<Lines, const char*, const char*, std::vector<int>> cases[] = {
        // two foci changed in one application: one stage
        {{"RAISE_A"}, "patak", "1 Etymon patak/2 RAISE_A petek/0 End petek", {}},
        // a rule that changes nothing shows no stage and starts no traversal
        {{"P RAISE_E", "RAISE_A"}, "pit", "1 Etymon pit/0 End pit", {1}},
        // a persistent rule above re-applies after every change; one below is not yet active
        {{"P RAISE_E", "RAISE_A"}, "pa", "1 Etymon pa/2 RAISE_A pe/3 P-RAISE_E pi/0 End pi", {1}},
        {{"RAISE_A", "P RAISE_E"}, "pa", "1 Etymon pa/2 RAISE_A pe/2 RAISE_E pi/0 End pi", {1}},
        // a persistent rule is re-applied at once to its own output
        {{"P LEFT"}, "ppa", "1 Etymon ppa/2 LEFT pap/3 P-LEFT app/0 End app", {2}},
        // masked and unknown entries never run
        {{"P -RAISE_E", "RAISE_A", "NO_SUCH_RULE"}, "pe", "1 Etymon pe/0 End pe", {}},
        {{"BARE"}, "pa", "1 Etymon pa/0 End pa", {}}, // without if-lines a rule never applies
        {{"ENDING_LOSS"}, "pata", "1 Etymon pata/2 ENDING_LOSS pat/0 End pat", {}},
        // every focus voices the next consonant and unvoices the one before: each write is
        // undone by a later focus but the last, beyond the word
        {{"TOSS"}, "papapapa", "1 Etymon papapapa/2 TOSS papapapa/0 End papapapa", {}},
        // a change of the mark alone is no change
        {{"MARK"}, "pa", "1 Etymon pa/0 End pa", {}}};
    for (const auto& [order, etymon, expected, persistent] : cases) {
        setDiachronic(order);
        stages.clear();
        engine().derive(etymon);
        EXPECT_EQ(stages, expected);
        EXPECT_EQ(engine().lstPersist(), persistent) << expected;
    }
    EXPECT_FALSE(engine().changed()); // after MARK, the last
    EXPECT_TRUE(engine().workingWord().segments[1][markFeature]);
}

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
    EXPECT_EQ(batch.goodCount, 1);
    EXPECT_EQ(messages.size(), 2u);
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

TEST_F(EngineTest, EtymonOrderRunsFirstAndReflexModeInterpretsTheReflexWordOnly) {
    model.lstEtyOrd = model.lstReflOrd = {"RAISE_A"};
    engine().derive("pat");
    EXPECT_EQ(stages, "1 Etymon pet/0 End pet"); // no stage of its own for an Etymon rule
    stages.clear();
    engine().setDerivationMode(DerivationMode::Reflex);
    engine().derive("pa");
    EXPECT_EQ(spell(engine().workingWord()), "pet");
    EXPECT_EQ(stages, "4 Reflex pe");
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
    EXPECT_EQ(goodCount, 1);
    EXPECT_EQ(badCount, 5);
    EXPECT_EQ(goodLabel(goodCount), "Good:  1");
    EXPECT_EQ(badLabel(badCount), "Bad:  5");
    EXPECT_TRUE(stages.empty());
}

TEST_F(Batch, ComparesReflexAfterReflexOrderIgnoringMark) {
    model.lstReflOrd = {"MARK"};
    run({"pa  pe"});
    EXPECT_EQ(goodText, "pa > pe\r\n");
    EXPECT_TRUE(engine().reflexWord().segments[1][markFeature]);
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

TEST_F(Batch, StopsAfterTheItemDuringWhichItWasAsked) {
    struct Stopper : BatchCollector {
        bool stopRequested() override { return goodCount == 2; }
    } stopper;
    model.lstVocab = {"pa  pe", "pa  pe", "pa  pe"};
    EXPECT_FALSE(engine().runBatch(stopper));
    EXPECT_EQ(stopper.goodCount, 2);
    EXPECT_EQ(stopper.progress, "33% done");
}

TEST_F(Batch, PersistentRulesWorkWithoutStages) {
    setDiachronic({"P RAISE_E", "RAISE_A"});
    run({"pa  pi"});
    EXPECT_EQ(goodCount, 1);
    EXPECT_TRUE(stages.empty());
    EXPECT_EQ(engine().derivationMode(), DerivationMode::Batch);
}

// Rule text comes unchecked from model files: whatever it says, the engine must neither
// crash, nor touch memory outside a word, nor loop. Run under the sanitizers this test
// checks the first two; finishing checks the third.
TEST_F(EngineTest, ArbitraryRuleTextNeverBreaksTheEngine) {
    RandomText random;
    for (int round = 0; round < 3000; ++round) {
        SCOPED_TRACE(round);
        model = random.model();

        const CompiledModel compiledModel(model);
        Engine fresh(compiledModel, *this, this);
        const auto lengthsValid = [&fresh] {
            const int lengths[] = {fresh.workingWord().length, fresh.reflexWord().length};
            return std::ranges::all_of(lengths,
                                       [](int n) { return n >= 0 && n <= maxTypedLength; });
        };
        for (const DerivationMode mode : {DerivationMode::Interactive, DerivationMode::Reflex}) {
            fresh.setDerivationMode(mode);
            fresh.derive(random.word());
            ASSERT_TRUE(lengthsValid());
        }
        BatchCollector batch;
        ASSERT_TRUE(fresh.runBatch(batch));
        ASSERT_TRUE(lengthsValid());
    }
}

} // namespace
} // namespace tarnel::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionFixture.h"
#include "model/RuleName.h"
#include "session/insight/OrderEntries.h"

#include <algorithm>
#include <tuple>

namespace tarnel {
namespace {

using test::Lines;

// What a batch run of the model with the rule so edited makes of the run `ran`, the run made
// again whole.
insight::RulePreview wholeRunAgain(const Model& model, const BatchRun& ran, const Lines& lines) {
    Model edited = model;
    *std::ranges::find_if(edited.lst1Rule, [&](const Lines& rule) {
        return ruleName(rule) == ruleName(lines);
    }) = lines;
    const BatchRun run = runWholeBatch(edited);
    insight::RulePreview preview;
    for (std::size_t i = 0; i < run.items.size(); ++i) {
        preview.fixed += !ran.items[i].good() && run.items[i].good() ? 1 : 0;
        preview.broken += ran.items[i].good() && !run.items[i].good() ? 1 : 0;
    }
    const std::vector<insight::OrderEntry> entries = insight::orderEntries(edited);
    const auto entry = std::ranges::find_if(entries, [&](const insight::OrderEntry& e) {
        return e.name == ruleName(lines) && !e.masked && e.rule;
    });
    preview.words = insight::ruleWords(edited, entries, run,
                                       static_cast<std::size_t>(entry - entries.begin()), {});
    return preview;
}

auto fields(const insight::RuleWord& w) {
    return std::tie(w.index, w.etymon, w.reflex, w.before, w.after, w.good);
}

struct Edit {
    Lines lines;
    bool changesRun; // some item ends otherwise
};

// span15 with Syncope_Pretonic run a second time near the end, a masked Final_E_Loss early
// in the order, and an item too long for a word in the middle of the Vocabulary.
class RulePreviewTest : public test::SessionFixture, public ::testing::WithParamInterface<Edit> {
protected:
    void SetUp() override {
        Result<LoadedModel> read = loadModelFile(std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl");
        ASSERT_TRUE(read);
        Model model = read->model;
        const auto insertEntry = [&](std::size_t at, const std::string& name) {
            model.lstDiacOrd.insert(model.lstDiacOrd.begin() + static_cast<long>(at), name);
            model.lstM.insert(model.lstM.begin() + static_cast<long>(at), "");
            model.lstP.insert(model.lstP.begin() + static_cast<long>(at), "");
        };
        insertEntry(model.lstDiacOrd.size() - 5, "Syncope_Pretonic");
        insertEntry(2, "-Final_E_Loss");
        model.lstVocab.insert(model.lstVocab.begin() + 200, "aaaaaaaaaaaaaaaaaaaaaaaaa  a");
        open(model);
        session.runBatch();
    }
};

void expectSame(const insight::RulePreview& preview, const insight::RulePreview& expected) {
    EXPECT_EQ(std::tuple(preview.note, preview.fixed, preview.broken),
              std::tuple(std::string(), expected.fixed, expected.broken));
    ASSERT_EQ(preview.words.size(), expected.words.size());
    for (std::size_t i = 0; i < preview.words.size(); ++i)
        EXPECT_EQ(fields(preview.words[i]), fields(expected.words[i])) << i;
}

TEST_P(RulePreviewTest, TellsWhatARunWithTheRuleStoredWouldGive) {
    const Edit& edit = GetParam();
    ASSERT_TRUE(session.ruleEditor().open(std::string(ruleName(edit.lines))));
    const insight::RulePreview unedited = session.previewRuleEdit({}, {});
    const insight::RulePreview preview = session.previewRuleEdit(edit.lines, {});
    expectSame(preview, wholeRunAgain(session.model(), session.lastBatch(), edit.lines));
    EXPECT_EQ(unedited.fixed + unedited.broken, 0);
    EXPECT_EQ(preview.fixed + preview.broken > 0, edit.changesRun);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, RulePreviewTest,
    ::testing::Values(
        // Once in the order, mid-way
        Edit{test::rule("Lenition", {"+cons (*) +voice (*)"}, {"-voice (*)"}), true},
        // First in the order, a deletion that changes what later items find beyond their end
        Edit{test::rule("AE_Monophthong", {"+syll (*) -stress (*) +cons (*-1)"}, {"DELETE (*)"}),
             true},
        // Last in the order
        Edit{test::rule("Aspirate_H_Loss", {"+syll (*) +low (*)"}, {"DELETE (*)"}), true},
        // Persistent
        Edit{test::rule("AI_Raising", {"+syll (*) +low (*)"}, {"-low (*)"}), true},
        // Twice in the order
        Edit{test::rule("Syncope_Pretonic", {"+syll (*) -stress (*) +cons (*+1)"}, {"DELETE (*)"}),
             true},
        // Masked before its one running entry
        Edit{test::rule("Final_E_Loss", {"+syll (*) -cons (*+1)"}, {"-stress (*)"}), true},
        // In the Etymon Order
        Edit{test::rule("AU_Diphthong", {"+syll (*) +round (*)"}, {"-round (*)"}), true}));

// Nasal nasalises the vowels of a word followed by a consonant in the spare position just past
// its end: in "pa", the t that "aat" left there. Made no longer a consonant, that t leaves
// "pa" as it is.
class CarriedWordTest : public test::SessionFixture {};

TEST_F(CarriedWordTest, AnItemStartsFromWhatTheEditLeftInTheWord) {
    const Lines unconsonant = test::rule("Unconsonant", {"+cons (*) +cor (*)"}, {"-cons (*)"});
    open(test::ModelBuilder()
             .rule("Unconsonant", {"+cons (*) +syll (*)"}, {"-cons (*)"})
             .rule("Nasal", {"+syll (*) +cons (0)"}, {"+nas (*)"})
             .diachronic({"Unconsonant", "Nasal"})
             .vocabulary({"aat  aat", "pa  pa"}));
    session.runBatch();
    ASSERT_FALSE(session.lastBatch().items.at(1).good());
    ASSERT_TRUE(session.ruleEditor().open("Unconsonant"));
    const insight::RulePreview preview = session.previewRuleEdit(unconsonant, {});
    expectSame(preview, wholeRunAgain(session.model(), session.lastBatch(), unconsonant));
    EXPECT_EQ(preview.fixed, 1);
}

// No rule here changes a length or reads past a word: what "aat" leaves past the end of "ba"
// is still there for "baX", whose X, missing from the alphabet, keeps it. Made nasal, it
// nasalises the a before it.
TEST_F(CarriedWordTest, WhatNoRuleSeesIsCarriedOnAsItIs) {
    const Lines nasalT = test::rule("NasalT", {"+cons (*) +cor (*)"}, {"+nas (*)"});
    open(test::ModelBuilder()
             .rule("NasalT", {"+cons (*) +syll (*)"}, {"+nas (*)"})
             .rule("Nasal", {"+syll (*) +nas (*+1)"}, {"+nas (*)"})
             .diachronic({"NasalT", "Nasal"})
             .vocabulary({"aat  aat", "ba  ba", "baX  bat"}));
    session.runBatch();
    ASSERT_TRUE(session.lastBatch().items.at(2).good());
    ASSERT_TRUE(session.ruleEditor().open("NasalT"));
    const insight::RulePreview preview = session.previewRuleEdit(nasalT, {});
    expectSame(preview, wholeRunAgain(session.model(), session.lastBatch(), nasalT));
    EXPECT_EQ(preview.broken, 2);
}

} // namespace
} // namespace tarnel

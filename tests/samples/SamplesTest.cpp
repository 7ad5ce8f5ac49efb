// SPDX-License-Identifier: GPL-3.0-or-later
// The sample models shipped with the program: each loads, its batch run stays at its level,
// and a few span15 derivations go through the stages a historical linguist expects.
#include "core/OutputAlphabet.h"
#include "engine/Batch.h"
#include "engine/BatchCollector.h"
#include "engine/Engine.h"
#include "engine/StageDisplay.h"
#include "model/ModelFile.h"
#include "support/Words.h"

#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnel {
namespace {

Model loadSample(const std::string& name) {
    const Result<LoadedModel> result =
        loadModelFile(std::string(TARNEL_SAMPLES_DIR) + "/" + name + ".tnl");
    if (!result)
        throw std::runtime_error(result.message());
    return result->model;
}

// Each stage as its label and the symbols the derivation screen would show.
struct SpelledStages : StageDisplay {
    struct Stage {
        std::string label;
        std::string symbols;
    };
    void showStage(int kind, const std::string& label, const Word& word) override {
        std::string symbols;
        for (int p = 0; kind != stageEnd && p < word.length; ++p)
            symbols += getSymbol(word.segments[static_cast<std::size_t>(p)]).codes;
        stages.push_back({label, symbols});
    }
    // The symbols of the stage labelled `label`, and of the stage before it.
    std::pair<std::string, std::string> around(const std::string& label) const {
        for (std::size_t i = 1; i < stages.size(); ++i)
            if (stages[i].label == label)
                return {stages[i - 1].symbols, stages[i].symbols};
        return {"(no stage " + label + ")", ""};
    }
    bool has(const std::string& label) const { return around(label).second != ""; }
    std::vector<Stage> stages;
};

struct BatchLevel {
    const char* sample;
    std::size_t minimumVocabulary;
    int minimumGoodPercent;
};

void PrintTo(const BatchLevel& level, std::ostream* out) {
    *out << level.sample;
}

class SampleBatch : public ::testing::TestWithParam<BatchLevel> {};

TEST_P(SampleBatch, KeepsItsShareOfGoodPairs) {
    const BatchLevel level = GetParam();
    const Model model = loadSample(level.sample);
    test::RecordedMessages messages;
    const CompiledModel compiled(model);
    Engine engine(compiled, messages);
    BatchCollector results;

    ASSERT_TRUE(engine.runBatch(results)); // to its end

    EXPECT_GE(model.lstVocab.size(), level.minimumVocabulary);
    EXPECT_EQ(results.goodCount + results.badCount, static_cast<int>(model.lstVocab.size()));
    EXPECT_GE(results.goodCount * 100,
              level.minimumGoodPercent * static_cast<int>(model.lstVocab.size()))
        << "Bad pairs:\n"
        << results.badText;
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleBatch,
                         ::testing::Values(BatchLevel{"igpay", 30, 100},
                                           BatchLevel{"span15", 550, 95}));

class Span15Derivation : public ::testing::Test {
protected:
    void derive(const std::string& etymon) {
        stages.stages.clear();
        engine.derive(etymon);
    }

    Model model = loadSample("span15");
    CompiledModel compiled{model};
    test::RecordedMessages messages;
    SpelledStages stages;
    Engine engine{compiled, messages, &stages};
};

// Symbols as the display font codes them, the stress mark before its vowel; the second group
// are those of the derivations below.
const std::string stress = "\xC8", yogh = "Z", openO = "\x8D", openE = "E", chWedge = "c\xE0",
                  palatalL = "\xB4", theta = "T", tap = "R";
const std::string shortI = "I", shortU = "U", ts = "ts", dz = "dz", longMark = "\xF9",
                  palatalN = "\xF8";

// One change of the handbooks, followed through the stages that show it: each listed stage
// comes after the one before it and leaves the word in the given symbols. A stage named in
// `absent` must not occur at all.
struct ChangePath {
    const char* change;
    std::string etymon;
    std::vector<std::pair<std::string, std::string>> stages;
    std::string absent = {};
};

void PrintTo(const ChangePath& path, std::ostream* out) {
    *out << path.change;
}

class Span15Change : public Span15Derivation, public ::testing::WithParamInterface<ChangePath> {};

TEST_P(Span15Change, GoesThroughItsStagesInOrder) {
    engine.setDerivationMode(DerivationMode::Interactive);
    derive(GetParam().etymon);

    std::size_t next = 0;
    for (const auto& [label, symbols] : GetParam().stages) {
        while (next < stages.stages.size() && stages.stages[next].label != label)
            ++next;
        ASSERT_LT(next, stages.stages.size()) << "no stage " << label << " in its place";
        EXPECT_EQ(stages.stages[next].symbols, symbols) << "after " << label;
    }
    if (!GetParam().absent.empty()) {
        EXPECT_FALSE(stages.has(GetParam().absent));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, Span15Change,
    ::testing::Values(
        ChangePath{"FiliumLosesItsFOnlyAfterItBecameH",
                   "f\xCElium",
                   {{"Lateral_Fricativisation", "f" + stress + "i" + yogh + "o"},
                    {"F_Aspiration", "h" + stress + "i" + yogh + "o"},
                    {"Velarisation", "h" + stress + "ixo"},
                    {"Aspirate_H_Loss", stress + "ixo"}}},
        ChangePath{"NoctemRaisesItsVowelInsteadOfDiphthongising",
                   "nOctem",
                   {{"KT_KS_Yod", "n" + stress + openO + "jt" + openE},
                    {"Open_Vowel_Raising", "n" + stress + "oj" + chWedge + openE},
                    {"Yod_Absorption", "n" + stress + "o" + chWedge + "e"},
                    {"End", ""}},
                   "Diphthong_UE"},
        ChangePath{"SyncopeReappliesThePersistentNasalAssimilation",
                   "s\xCAmitam",
                   {{"Syncope_Posttonic", "s" + stress + "emda"},
                    {"P-Nasal_Assimilation", "s" + stress + "enda"}}},
        ChangePath{"GBecomesYodAfterTheEarlySyncopeBesideR",
                   "gEnerum",
                   {{"Syncope_Early", "g" + stress + openE + "n" + tap + shortU},
                    {"G_Palatalisation", "j" + stress + openE + "n" + tap + shortU},
                    {"Diphthong_IE", "jj" + stress + "en" + tap + "o"},
                    {"P-Yod_Merger", "j" + stress + "en" + tap + "o"},
                    {"NR_Metathesis", "j" + stress + "e" + tap + "no"}}},
        ChangePath{"InitialYodIsLostBeforeUnstressedE",
                   "germ\xC2num",
                   {{"G_Palatalisation", "j" + openE + tap + "m" + stress + "a\xF9n" + shortU},
                    {"Initial_Yod_Loss", openE + tap + "m" + stress + "ano"}}},
        ChangePath{"YodFromGIsLostBesideIAndTheVowelsMerge",
                   "dIgitum",
                   {{"G_Palatalisation", "d" + stress + shortI + "j" + shortI + "t" + shortU},
                    {"Yod_Hiatus_Loss", "d" + stress + "eeto"},
                    {"Hiatus_Merger", "d" + stress + "eto"},
                    {"Lenition", "d" + stress + "edo"}}},
        ChangePath{"LatinDIsLostBeforeTheVoicingOfTheNewAffricate",
                   "r\342d\316cem",
                   {{"D_Loss", tap + "a" + stress + "i" + ts + "e"},
                    {"Lenition", tap + "a" + stress + "i" + dz + "e"},
                    {"Final_E_Loss", "ra" + stress + "i" + dz}}},
        ChangePath{"PtBecomesTtAndKeepsItsFinalE",
                   "sEptem",
                   {{"PT_PS_Assimilation", "s" + stress + openE + "tt" + openE},
                    {"Degemination", "sj" + stress + "ete"}},
                   "Final_E_Loss"},
        ChangePath{"UltBecomesUchThroughYod",
                   "mUltum",
                   {{"UL_Yod", "m" + stress + "ojto"},
                    {"JT_Affrication", "m" + stress + "oj" + chWedge + "o"},
                    {"O_Raising", "m" + stress + "uj" + chWedge + "o"},
                    {"Yod_Absorption", "m" + stress + "u" + chWedge + "o"}}},
        ChangePath{"DBeforeTheNewZIsLostAfterApocope",
                   "d\324decim",
                   {{"Syncope_Posttonic", "d" + stress + "od" + dz + "e"},
                    {"D_Z_Loss", "d" + stress + "o" + dz + "e"},
                    {"Interdentalisation", "d" + stress + "o" + theta + "e"}},
                   "Final_E_Loss"},
        ChangePath{
            "BBeforeDIsLostAfterO",
            "cUbitum",
            {{"Syncope_Posttonic", "k" + stress + "obdo"}, {"BD_Loss", "k" + stress + "odo"}},
            "BD_Vocalisation"},
        ChangePath{"LabiovelarLosesItsWAfterSyncope",
                   "sAnguinem",
                   {{"Syncope_Posttonic", "s" + stress + "angwne"},
                    {"Labiovelar_Cluster_Loss", "s" + stress + "angne"},
                    {"NN_Dissimilation", "s" + stress + "ang" + tap + "e"}}},
        ChangePath{"SyncopeReappliesThePersistentYodRules",
                   "sart\xC2ginem",
                   {{"Syncope_Posttonic", "sa" + tap + "t" + stress + "ajne"},
                    {"P-AI_Raising", "sa" + tap + "t" + stress + "ejne"},
                    {"P-Yod_Absorption", "sa" + tap + "t" + stress + "ene"},
                    {"Final_E_Loss", "sa" + tap + "t" + stress + "en"}}}));

// The changes that make span15 generalise beyond its Vocabulary, each on one word.
INSTANTIATE_TEST_SUITE_P(
    HandbookChanges, Span15Change,
    ::testing::Values(
        ChangePath{"MonosyllableKeepsItsFinalMAsN",
                   "cUm",
                   {{"Monosyllable_M_N", "k" + stress + shortU + "n"},
                    {"Vowel_Lowering", "k" + stress + "on"}},
                   "Final_M_Loss"},
        ChangePath{"EarlySyncopeAfterAGroupMakesMptThatEndsAsNt",
                   "cOmputum",
                   {{"Syncope_Early", "k" + stress + openO + "mpt" + shortU},
                    {"PT_PS_Assimilation", "k" + stress + openO + "mtt" + shortU},
                    {"Nasal_Assimilation", "k" + stress + openO + "ntt" + shortU},
                    {"Degemination", "kw" + stress + "ento"}},
                   "Lenition"},
        ChangePath{"TmLosesItsTAfterTheEarlySyncope",
                   "septim\xC2nam",
                   {{"Syncope_Early", "s" + openE + "ptm" + stress + "a" + longMark + "na"},
                    {"PT_PS_Assimilation", "s" + openE + "ttm" + stress + "a" + longMark + "na"},
                    {"Degemination", "setm" + stress + "ana"},
                    {"TM_Reduction", "sem" + stress + "ana"}}},
        ChangePath{"IvuLosesItsW",
                   "aest\xCEvum",
                   {{"V_Loss", openE + "st" + stress + "i" + longMark + shortU},
                    {"Open_Vowel_Closing", "est" + stress + "io"}},
                   "W_Fortition"},
        ChangePath{"DIsLostBeforeAStressedEAndTheLikeVowelsContractLate",
                   "vid\xCAre",
                   {{"D_Loss", "be" + stress + "e" + tap + "e"},
                    {"Final_E_Loss", "be" + stress + "e" + tap},
                    {"Vowel_Contraction", "b" + stress + "e" + tap}}},
        ChangePath{"TheYodOfOriuLetsTheDiphthongThrough",
                   "dOrium",
                   {{"Yod_Metathesis", "d" + stress + openO + "j" + tap + "o"},
                    {"Diphthong_UE", "dw" + stress + "ej" + tap + "o"},
                    {"Yod_Absorption", "dw" + stress + "e" + tap + "o"}},
                   "Open_Vowel_Raising"},
        ChangePath{"CloseOBeforePalatalNRises",
                   "cUneum",
                   {{"NJ_Palatal", "k" + stress + "o" + palatalN + "o"},
                    {"O_Raising", "k" + stress + "u" + palatalN + "o"}}},
        ChangePath{
            "AfterUTheKOfCtBecomesT",
            "l\333ctum",
            {{"UCT_Assimilation", "l" + stress + "utto"}, {"Degemination", "l" + stress + "uto"}},
            "KT_KS_Yod"},
        ChangePath{"IBeforeTheGlideFromBBecomesYod",
                   "c\xEEvit\xC2tem",
                   {{"BD_Vocalisation", ts + "iwd" + stress + "ad"},
                    {"IW_Glide_Shift", ts + "jud" + stress + "ad"},
                    {"Interdentalisation", theta + "jud" + stress + "ad"}}},
        ChangePath{"AlBeforeAVoicelessConsonantEndsAsO",
                   "cAlcem",
                   {{"AL_Vocalisation", "k" + stress + "aw" + ts + "e"},
                    {"AU_Monophthong", "k" + stress + "o" + ts + "e"},
                    {"Final_E_Loss", "k" + stress + "o" + ts}}},
        ChangePath{"AuBecomesOBeforeAVowelToo",
                   "aud\xCEtum",
                   {{"D_Loss", "aw" + stress + "ito"}, {"AU_Monophthong", "o" + stress + "ido"}}},
        ChangePath{"FStaysBeforeTheDiphthong",
                   "fEstam",
                   {{"Diphthong_IE", "fj" + stress + "esta"}},
                   "F_Aspiration"},
        ChangePath{"NoLateSyncopeAfterAGroup",
                   "sp\xEAr\xC2re",
                   {{"Prothesis", "espe" + tap + stress + "a" + tap + openE},
                    {"Final_E_Loss", "espe" + tap + stress + "a" + tap}},
                   "Syncope_Pretonic"}));

struct ReadReflex {
    std::string spelling;
    std::string symbols;
};

// Test names stay ASCII: an accented letter shows as "_".
void PrintTo(const ReadReflex& reflex, std::ostream* out) {
    for (const char c : reflex.spelling)
        *out << (static_cast<unsigned char>(c) < 0x80 ? c : '_');
}

class Span15Reflex : public Span15Derivation, public ::testing::WithParamInterface<ReadReflex> {};

TEST_P(Span15Reflex, SpellingIsReadIntoSegments) {
    engine.setDerivationMode(DerivationMode::Reflex);
    derive(GetParam().spelling);

    ASSERT_EQ(stages.stages.size(), 1u);
    EXPECT_EQ(stages.stages[0].label, "Reflex");
    EXPECT_EQ(stages.stages[0].symbols, GetParam().symbols);
}

// Silent h, j, qu, soft c, ll, rr, glides, and the stress from the spelling rules or the accent.
INSTANTIATE_TEST_SUITE_P(
    Spellings, Span15Reflex,
    ::testing::Values(ReadReflex{"hijo", stress + "ixo"}, ReadReflex{"queso", "k" + stress + "eso"},
                      ReadReflex{"ciento", theta + "j" + stress + "ento"},
                      ReadReflex{"caballo", "kab" + stress + "a" + palatalL + "o"},
                      ReadReflex{"tierra", "tj" + stress + "era"},
                      ReadReflex{"verdad", "be" + tap + "d" + stress + "ad"},
                      ReadReflex{"raz\xF3n", "ra" + theta + stress + "on"}));

} // namespace
} // namespace tarnel

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

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <sstream>
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

// The symbols the derivation screen would show, in ASCII: the display font's codes, with ' for
// the stress mark, : for length, 0 for open o, ^ for the wedge, & and ~ for palatal l and n.
// None of these is a code of its own, so every spelling stands for one sequence of codes.
std::string written(const Word& word) {
    static const std::map<char, char> marks = {{'\xC8', '\''}, {'\xF9', ':'}, {'\x8D', '0'},
                                               {'\xE0', '^'},  {'\xB4', '&'}, {'\xF8', '~'}};
    std::string symbols;
    for (int p = 0; p < word.length; ++p)
        for (const char code : getSymbol(word.segments[static_cast<std::size_t>(p)]).codes)
            symbols += marks.contains(code) ? marks.at(code) : code;
    return symbols;
}

// Each stage as its label and its symbols as `written` spells them.
struct SpelledStages : StageDisplay {
    struct Stage {
        std::string label;
        std::string symbols;
    };
    void showStage(int kind, const std::string& label, const Word& word) override {
        stages.push_back({label, kind == stageEnd ? "" : written(word)});
    }
    bool has(const std::string& label) const {
        return std::ranges::any_of(stages, [&](const Stage& s) { return s.label == label; });
    }
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

// One change of the handbooks, followed through the stages that show it: each listed stage
// "Label=symbols" comes after the one before it and leaves the word in those symbols; a stage
// "!Label" must not occur at all. Symbols are written as `written` spells them.
struct ChangePath {
    const char* change;
    std::string etymon;
    std::string stages;
};

void PrintTo(const ChangePath& path, std::ostream* out) {
    *out << path.change;
}

class Span15Change : public Span15Derivation, public ::testing::WithParamInterface<ChangePath> {};

TEST_P(Span15Change, GoesThroughItsStagesInOrder) {
    engine.setDerivationMode(DerivationMode::Interactive);
    derive(GetParam().etymon);

    std::istringstream path(GetParam().stages);
    std::size_t next = 0;
    for (std::string step; path >> step;) {
        if (step[0] == '!') {
            EXPECT_FALSE(stages.has(step.substr(1))) << step;
            continue;
        }
        const std::string label = step.substr(0, step.find('='));
        while (next < stages.stages.size() && stages.stages[next].label != label)
            ++next;
        ASSERT_LT(next, stages.stages.size()) << "no stage " << label << " in its place";
        EXPECT_EQ(stages.stages[next].symbols, step.substr(label.size() + 1)) << "after " << label;
    }
}

const ChangePath changes[] = {
    {"FiliumLosesItsFOnlyAfterItBecameH", "f\xCElium",
     "Lateral_Fricativisation=f'iZo F_Aspiration=h'iZo Velarisation=h'ixo Aspirate_H_Loss='ixo"},
    {"NoctemRaisesItsVowelInsteadOfDiphthongising", "nOctem",
     "KT_KS_Yod=n'0jtE Open_Vowel_Raising=n'ojc^E Yod_Absorption=n'oc^e End= !Diphthong_UE"},
    {"SyncopeReappliesThePersistentNasalAssimilation", "s\xCAmitam",
     "Syncope_Posttonic=s'emda P-Nasal_Assimilation=s'enda"},
    {"GBecomesYodAfterTheEarlySyncopeBesideR", "gEnerum",
     "Syncope_Early=g'EnRU G_Palatalisation=j'EnRU Diphthong_IE=jj'enRo "
     "P-Yod_Merger=j'enRo NR_Metathesis=j'eRno"},
    {"InitialYodIsLostBeforeUnstressedE", "germ\xC2num",
     "G_Palatalisation=jERm'a:nU Initial_Yod_Loss=ERm'ano"},
    {"YodFromGIsLostBesideIAndTheVowelsMerge", "dIgitum",
     "G_Palatalisation=d'IjItU Yod_Hiatus_Loss=d'eeto Hiatus_Merger=d'eto Lenition=d'edo"},
    {"LatinDIsLostBeforeTheVoicingOfTheNewAffricate", "r\342d\316cem",
     "D_Loss=Ra'itse Lenition=Ra'idze Final_E_Loss=ra'idz"},
    {"PtBecomesTtAndKeepsItsFinalE", "sEptem",
     "PT_PS_Assimilation=s'EttE Degemination=sj'ete !Final_E_Loss"},
    {"UltBecomesUchThroughYod", "mUltum",
     "UL_Yod=m'ojto JT_Affrication=m'ojc^o O_Raising=m'ujc^o Yod_Absorption=m'uc^o"},
    {"DBeforeTheNewZIsLostAfterApocope", "d\324decim",
     "Syncope_Posttonic=d'oddze D_Z_Loss=d'odze Interdentalisation=d'oTe !Final_E_Loss"},
    {"BBeforeDIsLostAfterO", "cUbitum", "Syncope_Posttonic=k'obdo BD_Loss=k'odo !BD_Vocalisation"},
    {"LabiovelarLosesItsWAfterSyncope", "sAnguinem",
     "Syncope_Posttonic=s'angwne Labiovelar_Cluster_Loss=s'angne NN_Dissimilation=s'angRe"},
    {"SyncopeReappliesThePersistentYodRules", "sart\xC2ginem",
     "Syncope_Posttonic=saRt'ajne P-AI_Raising=saRt'ejne P-Yod_Absorption=saRt'ene "
     "Final_E_Loss=saRt'en"}};
INSTANTIATE_TEST_SUITE_P(Changes, Span15Change, ::testing::ValuesIn(changes));

// The changes that make span15 generalise beyond its Vocabulary, each on one word.
const ChangePath handbookChanges[] = {
    {"MonosyllableKeepsItsFinalMAsN", "cUm",
     "Monosyllable_M_N=k'Un Vowel_Lowering=k'on !Final_M_Loss"},
    {"EarlySyncopeAfterAGroupMakesMptThatEndsAsNt", "cOmputum",
     "Syncope_Early=k'0mptU PT_PS_Assimilation=k'0mttU Nasal_Assimilation=k'0nttU "
     "Degemination=kw'ento !Lenition"},
    {"TmLosesItsTAfterTheEarlySyncope", "septim\xC2nam",
     "Syncope_Early=sEptm'a:na PT_PS_Assimilation=sEttm'a:na Degemination=setm'ana "
     "TM_Reduction=sem'ana"},
    {"IvuLosesItsW", "aest\xCEvum", "V_Loss=Est'i:U Open_Vowel_Closing=est'io !W_Fortition"},
    {"DIsLostBeforeAStressedEAndTheLikeVowelsContractLate", "vid\xCAre",
     "D_Loss=be'eRe Final_E_Loss=be'eR Vowel_Contraction=b'eR"},
    {"TheYodOfOriuLetsTheDiphthongThrough", "dOrium",
     "Yod_Metathesis=d'0jRo Diphthong_UE=dw'ejRo Yod_Absorption=dw'eRo !Open_Vowel_Raising"},
    {"CloseOBeforePalatalNRises", "cUneum", "NJ_Palatal=k'o~o O_Raising=k'u~o"},
    {"AfterUTheKOfCtBecomesT", "l\333ctum",
     "UCT_Assimilation=l'utto Degemination=l'uto !KT_KS_Yod"},
    {"IBeforeTheGlideFromBBecomesYod", "c\xEEvit\xC2tem",
     "BD_Vocalisation=tsiwd'ad IW_Glide_Shift=tsjud'ad Interdentalisation=Tjud'ad"},
    {"AlBeforeAVoicelessConsonantEndsAsO", "cAlcem",
     "AL_Vocalisation=k'awtse AU_Monophthong=k'otse Final_E_Loss=k'ots"},
    {"AuBecomesOBeforeAVowelToo", "aud\xCEtum", "D_Loss=aw'ito AU_Monophthong=o'ido"},
    {"FStaysBeforeTheDiphthong", "fEstam", "Diphthong_IE=fj'esta !F_Aspiration"},
    {"NoLateSyncopeAfterAGroup", "sp\xEAr\xC2re",
     "Prothesis=espeR'aRE Final_E_Loss=espeR'aR !Syncope_Pretonic"}};
INSTANTIATE_TEST_SUITE_P(HandbookChanges, Span15Change, ::testing::ValuesIn(handbookChanges));

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
const ReadReflex spellings[] = {{"hijo", "'ixo"},       {"queso", "k'eso"},   {"ciento", "Tj'ento"},
                                {"caballo", "kab'a&o"}, {"tierra", "tj'era"}, {"verdad", "beRd'ad"},
                                {"raz\xF3n", "raT'on"}};
INSTANTIATE_TEST_SUITE_P(Spellings, Span15Reflex, ::testing::ValuesIn(spellings));

} // namespace
} // namespace tarnel

// SPDX-License-Identifier: GPL-3.0-or-later
// On the span15 sample: the stages the insight traces end where the batch run ended, and the
// items left Bad on purpose are blamed as a linguist would blame them.
#include "model/ModelFile.h"
#include "session/insight/Distance.h"
#include "session/insight/Report.h"

#include <gtest/gtest.h>
#include <map>

namespace tarnel::insight {
namespace {

class Span15Insight : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Result<LoadedModel> read = loadModelFile(std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl");
        ASSERT_TRUE(read) << read.message();
        model = new Model(std::move(read->model));
        run = new BatchRun(runWholeBatch(*model));
    }
    static void TearDownTestSuite() {
        delete run;
        delete model;
    }
    static inline Model* model = nullptr;
    static inline BatchRun* run = nullptr;
};

TEST_F(Span15Insight, TracedStagesEndWhereTheBatchEnded) {
    const std::vector<ItemTrace> traces =
        traceEtymons(*model, orderEntries(*model), *run, Traced::AllItems);
    ASSERT_EQ(traces.size(), run->items.size());
    for (std::size_t i = 0; i < traces.size(); ++i) {
        const BatchItemResult& item = run->items[i];
        ASSERT_FALSE(traces[i].stages.empty()) << item.etymon;
        EXPECT_EQ(traces[i].stages.back().distance21,
                  featureDistance21(featureWord(item.derived), featureWord(item.expected)))
            << item.etymon;
    }
}

TEST_F(Span15Insight, BlamesTheRulesAKnownExceptionDefies) {
    const BatchReport report = buildReport(*model, *run, {});
    std::map<std::string, std::string> blamed;
    for (const ItemRow& row : report.items)
        if (row.blame)
            blamed[row.etymon] = row.blame->rule.value_or("-");
    // The analogy of creo keeps the hiatus; the h- of fErrum came from another dialect; the
    // analogical loss of -s is no sound change.
    for (const auto& [etymon, rule] : {std::pair{"cr\352d\312re", "Vowel_Contraction"},
                                       {"fErrum", "-"},
                                       {"fl\324rem", "Initial_Cluster_Palatal"},
                                       {"hOminem", "Diphthong_UE"},
                                       {"cOrpus", "-"},
                                       {"tEmpus", "-"}})
        EXPECT_EQ(blamed[etymon], rule) << etymon;
}

} // namespace
} // namespace tarnel::insight

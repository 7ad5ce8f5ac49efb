// SPDX-License-Identifier: GPL-3.0-or-later
// What the session does on two threads beside a batch run gives what it gives on one.
#include "InsightModel.h"
#include "SessionFixture.h"
#include "session/insight/Metrics.h"

namespace tarnel {
namespace {

using Texts = std::vector<std::string>;

Model misorderedModel(Texts vocabulary) {
    return test::voicingRules()
        .diachronic({"Voicing", "Missing", "Devoicing", "Nasal"})
        .vocabulary(std::move(vocabulary));
}

TEST(TwoThreads, EveryItemIsMeasuredInItsPlace) {
    ThreadPool pool(2);
    const Texts words{"ata  ada", "ata  ata", "anta  anda", "tat  dad", "ete  ede"};
    for (std::size_t n = 0; n <= words.size(); ++n) {
        const BatchRun run =
            runWholeBatch(misorderedModel(Texts(words.begin(), words.begin() + n)));
        const std::vector<insight::Distances> alone = insight::measureItems(run);
        const std::vector<insight::Distances> beside = insight::measureItems(run, &pool);
        ASSERT_EQ(beside.size(), n);
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_EQ(beside[i].segments, alone[i].segments) << n << " " << i;
            EXPECT_EQ(beside[i].features, alone[i].features) << n << " " << i;
        }
    }
}

class TwoThreadsSession : public test::SessionFixture {};

// The model is compiled while it is checked: the check and the runs are those of one thread.
TEST_F(TwoThreadsSession, AModelOpenedOnTwoThreadsIsCheckedAndRunAsOnOne) {
    write(misorderedModel({"ata  ada", "tat  tat", "anta  anda"}), "demo");
    std::vector<Texts> problems;
    std::vector<Texts> results;
    for (const int jobs : {1, 2}) {
        session.setJobs(jobs);
        ASSERT_TRUE(session.openModel("demo"));
        Texts texts;
        for (const ModelProblem& problem : session.fileProblems())
            texts.push_back(problem.text);
        problems.push_back(texts);
        session.runBatch();
        Texts items;
        for (const BatchItemResult& item : session.lastBatch().items)
            items.push_back(item.etymon + (item.good() ? " good" : " bad"));
        results.push_back(items);
        EXPECT_EQ(
            insight::distanceText(session.reportBatch({}).metrics),
            insight::distanceText(insight::summarise(insight::measureItems(session.lastBatch()),
                                                     session.lastBatch().goodCount())));
    }
    EXPECT_FALSE(problems[0].empty());
    EXPECT_EQ(problems[1], problems[0]);
    EXPECT_EQ(results[0].size(), 3u);
    EXPECT_EQ(results[1], results[0]);
}

} // namespace
} // namespace tarnel

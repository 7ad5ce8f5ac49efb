// SPDX-License-Identifier: GPL-3.0-or-later
// What the session does on a second thread beside a batch run gives what one thread gives.
#include "InsightModel.h"
#include "SessionFixture.h"
#include "session/insight/Metrics.h"

namespace tarnel {
namespace {

using Texts = std::vector<std::string>;

class TwoThreads : public test::SessionFixture {};

// The model is compiled while it is checked, and the run's items are measured in two halves.
TEST_F(TwoThreads, AModelOpenedOnTwoThreadsIsCheckedRunAndMeasuredAsOnOne) {
    write(test::voicingRules()
              .diachronic({"Voicing", "Missing", "Devoicing", "Nasal"})
              .vocabulary({"ata  ada", "tat  tat", "anta  anda"}),
          "demo");
    std::vector<Texts> seen;
    for (const int jobs : {1, 2, 1, 2}) { // the engine kept from one opening to the next
        session.setJobs(jobs);
        ASSERT_TRUE(session.openModel("demo"));
        Texts texts;
        for (const ModelProblem& problem : session.fileProblems())
            texts.push_back(problem.text);
        session.runBatch();
        for (const BatchItemResult& item : session.lastBatch().items)
            texts.push_back(item.etymon + (item.good() ? " good" : " bad"));
        texts.push_back(insight::distanceText(session.reportBatch({}).metrics));
        seen.push_back(texts);
    }
    EXPECT_GT(seen[0].size(), 4u);
    for (const Texts& texts : seen)
        EXPECT_EQ(texts, seen[0]);
}

} // namespace
} // namespace tarnel

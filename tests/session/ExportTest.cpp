// SPDX-License-Identifier: GPL-3.0-or-later
#include "InsightModel.h"
#include "core/IpaDisplay.h"
#include "session/insight/ReportExport.h"

#include <gtest/gtest.h>

namespace tarnel::insight {
namespace {

// One Bad item, Good in the previous run, blamed on a rule whose name has an accent and a
// quote: "ata > ada" is voiced, then devoiced again.
class ExportTest : public ::testing::Test {
protected:
    const Model model = test::voicingRules("D\xE9voicing\"")
                            .diachronic({"Voicing", "D\xE9voicing\""})
                            .vocabulary({"ata  ada"});
    const std::vector<PreviousItem> previous{{"ata", "ada", true, ""}, {"t\xE9", "t", true, ""}};
    BatchReport report = buildReport(model, runWholeBatch(model), {&previous, true, {}});
};

TEST_F(ExportTest, ItemsCsvQuotesWhereItMust) {
    EXPECT_EQ(itemsCsv(report),
              "\xEF\xBB\xBF" // a spreadsheet knows UTF-8 by it
              "Etymon,Reflex,Expected,Derived,Result,Since last run,Discrepancy,Segment distance,"
              "Normalised distance,Feature distance,Blamed rule,Why\r\n"
              "ata,ada,ada,ata,Bad,broken,\"seg.#2, voice\",1,0.333,0.048,\"D\xC3\xA9voicing\"\"\","
              "\"nearest after Voicing; D\xC3\xA9voicing\"\" moved it away\"\r\n");
}

TEST_F(ExportTest, JsonHoldsEveryPart) {
    EXPECT_EQ(itemsJson(report).dump(),
              R"([{"etymon":"ata","reflex":"ada","expected":"ada","derived":"ata","good":false,)"
              R"("change":"broken","before":"Before: Good","discrepancy":"seg.#2, voice",)"
              R"("segmentDistance":1,"normalisedDistance":0.333,"featureDistance":0.048,)"
              "\"blamedRule\":\"D\xC3\xA9voicing\\\"\",\"blame\":\"nearest after Voicing; "
              "D\xC3\xA9voicing\\\" moved it away\"}]");
    EXPECT_EQ(metricsJson(report.metrics).dump(),
              R"x({"items":1,"good":0,"bad":1,"accuracy":"Good 0 of 1 (0.0%)",)x"
              R"("meanSegmentDistance":1,"meanNormalisedDistance":0.333,"withinOneSegment":1,)"
              R"("meanFeatureDistance":0.048})");
    EXPECT_EQ(sinceJson(*report.since, report).dump(),
              R"({"summary":"Since the last run: 1 broken, 1 removed","fixed":[],)"
              R"("broken":[{"etymon":"ata","reflex":"ada","before":"Before: Good"}],"moved":[],)"
              "\"new\":[],\"removed\":[{\"etymon\":\"t\xC3\xA9\",\"reflex\":\"t\",\"good\":true,"
              "\"discrepancy\":null}]}");
    addImpact(report, measureRuleImpact(model, runWholeBatch(model)));
    EXPECT_EQ(report.rules->rows[1].impact, 1);
    const std::string whole = reportJson(report, "D\xE9mo").dump();
    EXPECT_TRUE(whole.starts_with("{\"model\":\"D\xC3\xA9mo\",\"items\":[{\"etymon\":\"ata\""));
    EXPECT_NE(whole.find(R"(,"rules":{"entries":[{"order":"Diachronic","position":1,)"
                         R"("name":"Voicing","masked":false,"persistent":false,"changed":1,)"),
              std::string::npos);
    EXPECT_NE(whole.find(R"(,"sinceBaseline":{"summary")"), std::string::npos);
    EXPECT_TRUE(whole.ends_with(R"("netGood":1,"fixes":[{"etymon":"ata","reflex":"ada"}],)"
                                R"("breaks":[]}],"stopped":false}})"));
}

TEST_F(ExportTest, AReportWithoutItemsKeepsTheCountsAndMeasures) {
    const BatchReport lean =
        buildReport(model, runWholeBatch(model), {&previous, false, {}, false});
    EXPECT_TRUE(lean.items.empty());
    EXPECT_FALSE(lean.rules);
    EXPECT_EQ(metricsJson(lean.metrics).dump(), metricsJson(report.metrics).dump());
    ASSERT_TRUE(lean.since);
    EXPECT_EQ(sinceText(*lean.since), sinceText(*report.since));
}

// A sound no symbol fits: the derived word shows its fallback letter, the reflex C5.
TEST(IpaText, DecodesAsTheDerivationScreenDoes) {
    std::string column = "X---------------------";
    for (const int feature : {3, 4, 14, 20}) // cons, cont, obstr, voice
        column[static_cast<std::size_t>(feature) + 1] = '+';
    test::RecordedMessages none;
    Word word;
    encodeEtymon("XaX", EncodingTable(Alphabet{column, "a----+-+++---+-----+++"}), word, none);
    EXPECT_EQ(derivedIpa(word), ipaDisplayText("gag"));
    EXPECT_EQ(expectedIpa(word), ipaDisplayText("\xC5"
                                                "a\xC5"));
    EXPECT_EQ(derivedIpa(word, [](const std::string& text) { return "<" + text + ">"; }),
              "<" + ipaDisplayText("gag") + ">");
}

} // namespace
} // namespace tarnel::insight

// SPDX-License-Identifier: GPL-3.0-or-later
#include "InsightModel.h"
#include "session/insight/Report.h"

#include <gtest/gtest.h>

namespace tarnel::insight {
namespace {

// The last item of `model` is Bad, and blamed on `rule` with `text`.
struct BlameCase {
    Model model;
    std::optional<std::string> rule;
    std::string text;
};

void PrintTo(const BlameCase& c, std::ostream* out) {
    *out << c.model.lstVocab.back();
    for (const std::string& entry : c.model.lstDiacOrd)
        *out << " / " << entry;
}

// The voicing rules in `diachronic` order, on the one item `item`.
Model voicing(const test::Lines& diachronic, const std::string& item) {
    return test::voicingRules().diachronic(diachronic).vocabulary({item});
}

class BlameTest : public ::testing::TestWithParam<BlameCase> {};

TEST_P(BlameTest, BlamesTheRuleThatLastMovedTheWordAway) {
    const BlameCase& c = GetParam();
    const BatchReport report = buildReport(c.model, runWholeBatch(c.model), {});
    ASSERT_EQ(report.items.size(), c.model.lstVocab.size());
    ASSERT_FALSE(report.items.back().good);
    ASSERT_TRUE(report.items.back().blame);
    EXPECT_EQ(report.items.back().blame->rule, c.rule);
    EXPECT_EQ(report.items.back().blame->text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    SmallModel, BlameTest,
    ::testing::Values(
        // Devoicing undoes the right change Voicing made.
        BlameCase{voicing({"Voicing", "Devoicing"}, "ata  ada"), "Devoicing",
                  "nearest after Voicing; Devoicing moved it away"},
        // No rule voices p.
        BlameCase{voicing({"Voicing"}, "apa  aba"), std::nullopt, std::string(missingChangeText)},
        BlameCase{voicing({"Devoicing"}, "ada  ada"), "Devoicing",
                  "nearest as the etymon; Devoicing moved it away"},
        // The persistent Devoicing, re-applied after Voicing, takes the word away.
        BlameCase{voicing({"P Devoicing", "Voicing"}, "ata  ada"), "Devoicing",
                  "nearest after Voicing; P-Devoicing moved it away"},
        // Of two stages as near, the later one counts.
        BlameCase{voicing({"Voicing", "Devoicing", "Revoicing", "Devoicing"}, "ata  ada"),
                  "Devoicing", "nearest after Revoicing; Devoicing moved it away"},
        // "aa" reads the t that "aat" left one past its end, so the rule raises its vowels:
        // the blame follows the derivation the batch made, from the words the item before left.
        BlameCase{test::ModelBuilder()
                      .rule("Raising", {"+syll (*) +cor (0)"}, {"+high (*)"})
                      .diachronic({"Raising"})
                      .vocabulary({"aat  aat", "aa  aa"}),
                  "Raising", "nearest as the etymon; Raising moved it away"},
        // A rule named "V:Voicing" shows its stages as "Voicing"; the blame names them so too.
        BlameCase{test::voicingRules()
                      .rule("V:Voicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
                      .diachronic({"V:Voicing", "Devoicing"})
                      .vocabulary({"ata  ada"}),
                  "Devoicing", "nearest after Voicing; Devoicing moved it away"}));

TEST(RuleUse, CountsTheItemsEachEntryChangedInEveryOrder) {
    // The Etymon Order devoices, the Reflex Order voices: "ada" is first made "ata".
    const Model model = test::voicingRules()
                            .diachronic({"Voicing", "-Devoicing", "Nasal"})
                            .etymonOrder({"Devoicing"})
                            .reflexOrder({"Voicing"})
                            .vocabulary({"ada  ata", "ata  ada", "apa  ata"});
    const RulesTable table = ruleUse(model, runWholeBatch(model));
    using Row = std::tuple<Order, std::string, int, int, int>;
    std::vector<Row> rows;
    for (const RuleRow& row : table.rows)
        rows.emplace_back(row.entry.order, row.entry.name, row.changed, row.good, row.bad);
    EXPECT_EQ(rows, (std::vector<Row>{{Order::Etymon, "Devoicing", 1, 1, 0},
                                      {Order::Diachronic, "Voicing", 2, 2, 0},
                                      {Order::Diachronic, "Devoicing", 0, 0, 0},
                                      {Order::Diachronic, "Nasal", 0, 0, 0},
                                      {Order::Reflex, "Voicing", 2, 1, 1}}));
    EXPECT_TRUE(table.rows[2].entry.masked);
    EXPECT_EQ(table.changedNothing, test::Lines{"Nasal"});
}

} // namespace
} // namespace tarnel::insight

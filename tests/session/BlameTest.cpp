// SPDX-License-Identifier: GPL-3.0-or-later
#include "InsightModel.h"
#include "session/insight/Report.h"

#include <gtest/gtest.h>

namespace tarnel::insight {
namespace {

struct BlameCase {
    test::Lines diachronic;
    const char* item;
    std::optional<std::string> rule;
    std::string text;
};

void PrintTo(const BlameCase& c, std::ostream* out) {
    *out << c.item;
    for (const std::string& entry : c.diachronic)
        *out << " / " << entry;
}

class BlameTest : public ::testing::TestWithParam<BlameCase> {};

TEST_P(BlameTest, BlamesTheRuleThatLastMovedTheWordAway) {
    const BlameCase& c = GetParam();
    const Model model = test::voicingRules().diachronic(c.diachronic).vocabulary({c.item});
    const BatchReport report = buildReport(model, runWholeBatch(model), {});
    ASSERT_EQ(report.items.size(), 1u);
    ASSERT_TRUE(report.items[0].blame);
    EXPECT_EQ(report.items[0].blame->rule, c.rule);
    EXPECT_EQ(report.items[0].blame->text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    SmallModel, BlameTest,
    ::testing::Values(
        // Devoicing undoes the right change Voicing made.
        BlameCase{{"Voicing", "Devoicing"},
                  "ata  ada",
                  "Devoicing",
                  "nearest after Voicing; Devoicing moved it away"},
        // No rule voices p.
        BlameCase{{"Voicing"}, "apa  aba", std::nullopt, std::string(missingChangeText)},
        BlameCase{{"Devoicing"},
                  "ada  ada",
                  "Devoicing",
                  "nearest as the etymon; Devoicing moved it away"},
        // The persistent Devoicing, re-applied after Voicing, takes the word away.
        BlameCase{{"P Devoicing", "Voicing"},
                  "ata  ada",
                  "Devoicing",
                  "nearest after Voicing; P-Devoicing moved it away"},
        // Of two stages as near, the later one counts.
        BlameCase{{"Voicing", "Devoicing", "Revoicing", "Devoicing"},
                  "ata  ada",
                  "Devoicing",
                  "nearest after Revoicing; Devoicing moved it away"}));

// "aa" reads the t that "aat" left one past its end, so the rule raises its vowels: the
// blame follows the derivation the batch made, from the words the item before left.
TEST(Blame, TracesAnItemFromTheWordsTheItemBeforeLeft) {
    const Model model = test::ModelBuilder()
                            .rule("Raising", {"+syll (*) +cor (0)"}, {"+high (*)"})
                            .diachronic({"Raising"})
                            .vocabulary({"aat  aat", "aa  aa"});
    const BatchReport report = buildReport(model, runWholeBatch(model), {});
    ASSERT_EQ(report.items.size(), 2u);
    ASSERT_FALSE(report.items[1].good);
    ASSERT_TRUE(report.items[1].blame);
    EXPECT_EQ(report.items[1].blame->rule, "Raising");
    EXPECT_EQ(report.items[1].blame->text, "nearest as the etymon; Raising moved it away");
}

// A rule named "V:Voicing" shows its stages as "Voicing"; the blame names them so too.
TEST(Blame, NamesStagesAsTheDerivationLabelsThem) {
    const Model model = test::voicingRules()
                            .rule("V:Voicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
                            .diachronic({"V:Voicing", "Devoicing"})
                            .vocabulary({"ata  ada"});
    const BatchReport report = buildReport(model, runWholeBatch(model), {});
    ASSERT_TRUE(report.items[0].blame);
    EXPECT_EQ(report.items[0].blame->text, "nearest after Voicing; Devoicing moved it away");
}

TEST(RuleUse, CountsTheItemsEachEntryChangedInEveryOrder) {
    // The Etymon Order devoices, the Reflex Order voices: "ada" is first made "ata".
    const Model model = test::voicingRules()
                            .diachronic({"Voicing", "-Devoicing", "Nasal"})
                            .etymonOrder({"Devoicing"})
                            .reflexOrder({"Voicing"})
                            .vocabulary({"ada  ata", "ata  ada", "apa  ata"});
    const RulesTable table = ruleUse(model, runWholeBatch(model));
    struct Row {
        Order order;
        std::string name;
        int changed, good, bad;
    };
    const std::vector<Row> expected = {{Order::Etymon, "Devoicing", 1, 1, 0},
                                       {Order::Diachronic, "Voicing", 2, 2, 0},
                                       {Order::Diachronic, "Devoicing", 0, 0, 0},
                                       {Order::Diachronic, "Nasal", 0, 0, 0},
                                       {Order::Reflex, "Voicing", 2, 1, 1}};
    ASSERT_EQ(table.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const RuleRow& row = table.rows[i];
        EXPECT_EQ(row.entry.order, expected[i].order) << i;
        EXPECT_EQ(row.entry.name, expected[i].name) << i;
        EXPECT_EQ(row.changed, expected[i].changed) << i;
        EXPECT_EQ(row.good, expected[i].good) << i;
        EXPECT_EQ(row.bad, expected[i].bad) << i;
    }
    EXPECT_TRUE(table.rows[2].entry.masked);
    EXPECT_EQ(table.changedNothing, test::Lines{"Nasal"});
}

} // namespace
} // namespace tarnel::insight

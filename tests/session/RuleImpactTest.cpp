// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/insight/RuleImpact.h"

#include "InsightModel.h"

#include <gtest/gtest.h>

namespace tarnel::insight {
namespace {

// Voicing makes "ata > ada" Good and "ata > ata", "ete > ete" Bad; Nasal does nothing.
const Model model = test::voicingRules()
                        .diachronic({"Nasal", "Voicing"})
                        .vocabulary({"ata  ata", "ata  ada", "ete  ete", "apa  apa"});

TEST(RuleImpact, MaskingAnEntryFixesAndBreaksItems) {
    const RuleImpact impact = measureRuleImpact(model, runWholeBatch(model));
    ASSERT_EQ(impact.entries.size(), 2u);
    EXPECT_EQ(impact.entries[0].netGood(), 0);
    const EntryImpact& voicing = impact.entries[1];
    EXPECT_EQ(std::tie(voicing.position, voicing.name, voicing.fixes, voicing.breaks),
              std::tuple(1, "Voicing", std::vector<int>{0, 2}, std::vector<int>{1}));
    EXPECT_EQ(voicing.netGood(), 1);
    EXPECT_FALSE(impact.stopped);
}

TEST(RuleImpact, RunsEachMaskedModelThroughTheRunnerAndStopsWhenAsked) {
    Model masked = model;
    masked.lstDiacOrd.push_back("-Nasal");
    std::vector<int> seen;
    const MaskedRunner runner = [&](int position) {
        seen.push_back(position);
        return runWholeBatch(withEntryMasked(masked, position));
    };
    std::vector<int> told;
    const auto once = [&](int measured, int total) {
        told.insert(told.end(), {measured, total});
        return false;
    };
    const RuleImpact impact = measureRuleImpact(masked, runWholeBatch(masked), once, runner);
    EXPECT_EQ(seen, std::vector<int>{0});
    EXPECT_EQ(told, (std::vector<int>{1, 2})); // the masked third entry is not measured
    EXPECT_EQ(std::pair(impact.entries.size(), impact.stopped), std::pair(std::size_t{1}, true));
}

} // namespace
} // namespace tarnel::insight

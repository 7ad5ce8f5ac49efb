// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrderEntries.h"
#include "Trace.h"
#include "session/BatchRun.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnel::insight {

// What one order entry did in a batch run: how many items it changed, and how those ended.
struct RuleRow {
    OrderEntry entry;
    int changed = 0;
    int good = 0;
    int bad = 0;
    std::optional<int> impact; // the net change in Good items were it masked, once measured
};

struct RulesTable {
    std::vector<RuleRow> rows;               // every entry of the three orders, in order
    std::vector<std::string> changedNothing; // the unmasked entries that changed no item
};

// `etymonTraces` must trace every item; `reflexChanges` gives the Reflex entries that
// changed each item's reflex.
RulesTable ruleUse(const std::vector<OrderEntry>& entries, const BatchRun& run,
                   const std::vector<ItemTrace>& etymonTraces,
                   const std::vector<std::vector<int>>& reflexChanges);

// Traces every item and tallies what each entry did.
RulesTable ruleUse(const Model& model, const BatchRun& run);

} // namespace tarnel::insight

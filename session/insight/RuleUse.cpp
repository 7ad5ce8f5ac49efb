// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleUse.h"

namespace tarnel::insight {

namespace {

void tally(RulesTable& table, const std::vector<int>& entries, bool good) {
    for (const int entry : entries) {
        RuleRow& row = table.rows[static_cast<std::size_t>(entry)];
        ++row.changed;
        ++(good ? row.good : row.bad);
    }
}

} // namespace

RulesTable ruleUse(const std::vector<OrderEntry>& entries, const BatchRun& run,
                   const std::vector<ItemTrace>& etymonTraces,
                   const std::vector<std::vector<int>>& reflexChanges) {
    RulesTable table;
    for (const OrderEntry& entry : entries) {
        table.rows.emplace_back();
        table.rows.back().entry = entry;
    }
    for (std::size_t i = 0; i < run.items.size(); ++i) {
        tally(table, etymonTraces[i].changedBy, run.items[i].good());
        tally(table, reflexChanges[i], run.items[i].good());
    }
    for (const RuleRow& row : table.rows)
        if (!row.entry.masked && row.changed == 0)
            table.changedNothing.push_back(row.entry.name);
    return table;
}

RulesTable ruleUse(const Model& model, const BatchRun& run) {
    const std::vector<OrderEntry> entries = orderEntries(model);
    return ruleUse(entries, run, traceEtymons(model, entries, run, Traced::AllItems),
                   traceReflexes(model, entries, run));
}

} // namespace tarnel::insight

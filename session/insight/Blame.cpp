// SPDX-License-Identifier: GPL-3.0-or-later
#include "Blame.h"

namespace tarnel::insight {

namespace {

// As the derivation screen labels the stage.
std::string stageLabel(const TracedStage& stage, const std::vector<OrderEntry>& entries) {
    const std::string& label = entries[static_cast<std::size_t>(stage.entry)].stage;
    return stage.reapplied ? "P-" + label : label;
}

// The last stage at the smallest distance: a later stage as close is nearer the end.
std::size_t lastNearest(const std::vector<TracedStage>& stages) {
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < stages.size(); ++i)
        if (stages[i].distance21 <= stages[nearest].distance21)
            nearest = i;
    return nearest;
}

} // namespace

std::optional<Blame> blame(const ItemTrace& trace, const std::vector<OrderEntry>& entries) {
    const std::vector<TracedStage>& stages = trace.stages;
    if (stages.empty())
        return std::nullopt;
    const std::size_t nearest = lastNearest(stages);
    if (nearest + 1 == stages.size())
        return Blame{std::nullopt, std::string(missingChangeText)};
    const TracedStage& culprit = stages[nearest + 1];
    const std::string where = nearest == 0
                                  ? "nearest as the etymon"
                                  : "nearest after " + stageLabel(stages[nearest], entries);
    return Blame{entries[static_cast<std::size_t>(culprit.entry)].name,
                 where + "; " + stageLabel(culprit, entries) + " moved it away"};
}

} // namespace tarnel::insight

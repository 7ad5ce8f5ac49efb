// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleImpact.h"

#include <algorithm>

namespace tarnel::insight {

namespace {

std::vector<int> unmaskedPositions(const Model& model) {
    std::vector<int> positions;
    for (std::size_t k = 0; k < model.lstDiacOrd.size(); ++k)
        if (!model.lstDiacOrd[k].starts_with('-'))
            positions.push_back(static_cast<int>(k));
    return positions;
}

EntryImpact compare(const BatchRun& current, const BatchRun& masked, int position,
                    std::string name) {
    EntryImpact impact;
    impact.position = position;
    impact.name = std::move(name);
    const std::size_t n = std::min(current.items.size(), masked.items.size());
    for (std::size_t i = 0; i < n; ++i) {
        const bool before = current.items[i].good();
        if (before != masked.items[i].good())
            (before ? impact.breaks : impact.fixes).push_back(static_cast<int>(i));
    }
    return impact;
}

} // namespace

Model withEntryMasked(const Model& model, int position) {
    Model masked = model;
    const auto k = static_cast<std::size_t>(position);
    masked.lstDiacOrd[k].insert(0, "-");
    masked.lstM.resize(std::max(masked.lstM.size(), masked.lstDiacOrd.size()));
    masked.lstM[k] = "M";
    return masked;
}

RuleImpact measureRuleImpact(const Model& model, const BatchRun& current,
                             const ImpactProgress& progress, const MaskedRunner& runner) {
    const std::vector<int> positions = unmaskedPositions(model);
    const int total = static_cast<int>(positions.size());
    RuleImpact impact;
    for (const int position : positions) {
        const BatchRun masked =
            runner ? runner(position) : runWholeBatch(withEntryMasked(model, position));
        impact.entries.push_back(compare(current, masked, position,
                                         model.lstDiacOrd[static_cast<std::size_t>(position)]));
        const int measured = static_cast<int>(impact.entries.size());
        if (progress && !progress(measured, total)) {
            impact.stopped = measured < total;
            break;
        }
    }
    return impact;
}

} // namespace tarnel::insight

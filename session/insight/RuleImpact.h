// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/BatchRun.h"

#include <functional>
#include <string>
#include <vector>

namespace tarnel::insight {

// What masking one Diachronic entry alone would do to the batch run.
struct EntryImpact {
    int position = 0;        // in the Diachronic Order, from 0
    std::string name;        // Windows-1252
    std::vector<int> fixes;  // the items (indexes into the run) that would turn Good
    std::vector<int> breaks; // the items that would turn Bad

    int netGood() const { return static_cast<int>(fixes.size()) - static_cast<int>(breaks.size()); }
};

struct RuleImpact {
    std::vector<EntryImpact> entries; // the unmasked entries measured, in order
    bool stopped = false;             // the progress callback ended the measuring early
};

// Runs the whole batch of the model with Diachronic entry `position` alone masked.
using MaskedRunner = std::function<BatchRun(int position)>;

// Told after each entry how many of how many are measured; returns false to stop there.
using ImpactProgress = std::function<bool(int measured, int total)>;

// `model` with Diachronic entry `position` masked, as the order screen masks it.
Model withEntryMasked(const Model& model, int position);

// Re-runs the batch once per unmasked Diachronic entry, with that entry alone masked, and
// compares each run with `current`, the run of `model` as it stands.
// Without a runner, each masked copy of the model runs through runWholeBatch.
RuleImpact measureRuleImpact(const Model& model, const BatchRun& current,
                             const ImpactProgress& progress = {}, const MaskedRunner& runner = {});

} // namespace tarnel::insight

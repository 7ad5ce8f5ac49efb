// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrderProbe.h"
#include "RuleWords.h"

#include <functional>

namespace tarnel {
class ThreadPool;
} // namespace tarnel

namespace tarnel::insight {

// The items of a batch run, each traced along the Diachronic Order of the model that ran it.
// Kept with the run, so that a preview of a rule edit takes every item up where the rule is
// used, with the word the item had there.
struct TracedRun {
    std::vector<Place> places;
    std::vector<ItemPath> paths;
};

// `run`, the last run of `model` compiled as `compiled`, traced on this thread and all but one
// of the threads of `pool`.
TracedRun traceRun(const Model& model, const CompiledModel& compiled, const BatchRun& run,
                   ThreadPool* pool);

// A rule of the store as edited, to preview.
struct RuleEdit {
    int rule = 0;                          // its index in the store
    const CompiledModel* edited = nullptr; // the run's model with the rule as edited
    std::size_t entry = 0;                 // the Diachronic entry whose changes are listed
    std::function<Model()> editedModel;    // the same as a model, for what the probe cannot
};

// What storing `edit` would do to `run`, the last run of the model `compiled` compiles, which
// `traced` traced. Only the Diachronic Order may use the edited rule. The items are taken up
// at the first place that uses the rule, with the word they had there, and an item whose
// word the edited rule leaves as the rule did, everywhere it runs, ends as it ended. Items
// the probe cannot follow (words longer than a word holds) are derived whole, as a batch run
// derives them. Items are derived on this thread and all but one of the threads of `pool`.
RulePreview previewEdit(const CompiledModel& compiled, const TracedRun& traced, const BatchRun& run,
                        const std::vector<OrderEntry>& entries, const RuleEdit& edit,
                        ThreadPool* pool, const Normaliser& normalise);

} // namespace tarnel::insight

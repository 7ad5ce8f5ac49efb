// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrderEntries.h"
#include "session/BatchRun.h"

#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace tarnel {
class CompiledModel;
class Engine;
} // namespace tarnel

namespace tarnel::insight {

// One stage of a derivation, measured against the item's expected reflex.
struct TracedStage {
    int entry = -1;         // the order entry that made it; -1 for the etymon
    bool reapplied = false; // a persistent re-application, the stage "P-" and the rule name
    int distance21 = 0;     // feature edit distance to the expected reflex, in 21sts
};

// The derivation of one etymon as the derivation screen shows it: the etymon after the
// Etymon Order, then every stage of the Diachronic Order and of persistent re-applications.
struct ItemTrace {
    std::vector<TracedStage> stages; // empty when the item was not traced
    std::vector<int> changedBy;      // each Etymon and Diachronic entry that changed the word
};

enum class Traced { BadItems, AllItems };

// Called for each stage of a traced derivation: `entry` is the order entry that made it, its
// place in `entries` (-1 for the word as encoded), `reapplied` a persistent re-application.
using StageVisitor = std::function<void(int entry, bool reapplied, const Word& word)>;

// Derives items of a run again, stage by stage, on one side: the etymon through the Etymon
// and Diachronic entries, or the reflex through the Reflex entries, each entry a stage of its
// own, each item from the words the run derived it from. Entries after `lastEntry` are left
// out, which shortens the derivations where only the stages up to it matter.
class StageTracer {
public:
    StageTracer(const Model& model, const std::vector<OrderEntry>& entries, bool etymonSide,
                std::size_t lastEntry = std::numeric_limits<std::size_t>::max());
    ~StageTracer();
    StageTracer(const StageTracer&) = delete;
    StageTracer& operator=(const StageTracer&) = delete;

    void trace(const BatchRun& run, std::size_t item, const StageVisitor& visit);

private:
    class Display;
    std::unique_ptr<Display> display_;
    std::unique_ptr<CompiledModel> compiled_;
    std::unique_ptr<Engine> engine_;
    bool etymonSide_;
};

// Derives the etymons of `run` again with their stages, one derivation per traced item, each
// from the words the run derived it from; the result runs parallel to `run.items`. `entries`
// are the order entries of `model`.
std::vector<ItemTrace> traceEtymons(const Model& model, const std::vector<OrderEntry>& entries,
                                    const BatchRun& run, Traced which);

// Interprets each reflex of `run` again, entry by entry: for each item, the Reflex entries
// that changed its reflex.
std::vector<std::vector<int>>
traceReflexes(const Model& model, const std::vector<OrderEntry>& entries, const BatchRun& run);

} // namespace tarnel::insight

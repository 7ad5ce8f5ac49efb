// SPDX-License-Identifier: GPL-3.0-or-later
#include "Trace.h"

#include "Distance.h"
#include "engine/Engine.h"

#include <algorithm>
#include <charconv>

namespace tarnel::insight {

namespace {

// The engine shows only the stages of the Diachronic Order, named after their rules. To see
// every entry at work, the entries to trace become the Diachronic Order of a copy of the
// model, each with a rule of its own named after the entry's place in `entries`. Rules never
// read their own names, so the copy derives every word exactly as the model does.
std::string tracingName(std::size_t entry) {
    return "r" + std::to_string(entry);
}

int entryOfLabel(std::string_view label) {
    if (label.starts_with("P-"))
        label.remove_prefix(2);
    int entry = -1;
    if (label.starts_with('r'))
        std::from_chars(label.data() + 1, label.data() + label.size(), entry);
    return entry;
}

bool onEtymonSide(Order order) {
    return order != Order::Reflex;
}

// Etymon side: the Etymon and unmasked Diachronic entries through the Etymon Alphabet;
// reflex side: the Reflex entries through the Reflex Alphabet. Both run as a Diachronic Order
// after an empty Etymon Order.
Model tracingModel(const Model& model, const std::vector<OrderEntry>& entries, bool etymonSide,
                   std::size_t lastEntry) {
    Model tracing;
    tracing.lstCol = etymonSide ? model.lstCol : model.lstColR;
    for (std::size_t i = 0; i < entries.size() && i <= lastEntry; ++i) {
        const OrderEntry& entry = entries[i];
        if (onEtymonSide(entry.order) != etymonSide || entry.masked || !entry.rule)
            continue;
        std::vector<std::string> lines = model.lst1Rule[static_cast<std::size_t>(*entry.rule)];
        lines.front() = tracingName(i);
        tracing.lst1Rule.push_back(std::move(lines));
        tracing.lstDiacOrd.push_back(tracingName(i));
        tracing.lstP.push_back(entry.persistent ? "P" : "");
        tracing.lstM.push_back("");
    }
    return tracing;
}

// Keeps the stages of one derivation at a time, measured against `expected`. An Etymon
// entry's change is part of the etymon stage.
class StageRecorder {
public:
    StageRecorder(const std::vector<OrderEntry>& entries, const FeatureWord* expected)
        : entries_(entries), expected_(expected) {}

    void stage(int entry, bool reapplied, const Word& word) {
        if (entry < 0) {
            trace_.stages.push_back({-1, false, distanceOf(word)});
            return;
        }
        if (std::find(trace_.changedBy.begin(), trace_.changedBy.end(), entry) ==
            trace_.changedBy.end())
            trace_.changedBy.push_back(entry);
        if (entries_[static_cast<std::size_t>(entry)].order == Order::Etymon)
            trace_.stages.front().distance21 = distanceOf(word);
        else
            trace_.stages.push_back({entry, reapplied, distanceOf(word)});
    }
    ItemTrace take() { return std::move(trace_); }

private:
    int distanceOf(const Word& word) const {
        return expected_ ? featureDistance21(featureWord(word), *expected_) : 0;
    }

    const std::vector<OrderEntry>& entries_;
    const FeatureWord* expected_;
    ItemTrace trace_;
};

} // namespace

// The one place insight uses the engine: derivations in interactive mode, stages shown, on
// the tracing model compiled once for all the words.
class StageTracer::Display : public StageDisplay, public MessageSink {
public:
    void showStage(int kind, const std::string& label, const Word& word) override {
        if (kind == stageEtymon)
            visit(-1, false, word);
        else if (kind == stageDiachronic || kind == stagePersistent)
            if (const int entry = entryOfLabel(label); entry >= 0)
                visit(entry, kind == stagePersistent, word);
    }
    // The batch run has shown its messages already.
    void showMessage(const std::string&) override {}

    StageVisitor visit;
};

StageTracer::StageTracer(const Model& model, const std::vector<OrderEntry>& entries,
                         bool etymonSide, std::size_t lastEntry)
    : display_(std::make_unique<Display>()),
      compiled_(
          std::make_unique<CompiledModel>(tracingModel(model, entries, etymonSide, lastEntry))),
      engine_(std::make_unique<Engine>(*compiled_, *display_, display_.get())),
      etymonSide_(etymonSide) {
    engine_->setDerivationMode(DerivationMode::Interactive);
}

StageTracer::~StageTracer() = default;

// The word is encoded over the one the run derived the item from, so what it holds beyond
// the text's length is what the batch's word held there.
void StageTracer::trace(const BatchRun& run, std::size_t item, const StageVisitor& visit) {
    display_->visit = visit;
    engine_->setWorkingWord(etymonSide_ ? run.workingBefore(item) : run.reflexBefore(item));
    engine_->derive(etymonSide_ ? run.items[item].etymon : run.items[item].reflex);
}

std::vector<ItemTrace> traceEtymons(const Model& model, const std::vector<OrderEntry>& entries,
                                    const BatchRun& run, Traced which) {
    StageTracer tracer(model, entries, true);
    std::vector<ItemTrace> traces(run.items.size());
    for (std::size_t i = 0; i < run.items.size(); ++i) {
        const BatchItemResult& item = run.items[i];
        if (which == Traced::BadItems && item.good())
            continue;
        const FeatureWord expected = featureWord(item.expected);
        StageRecorder recorder(entries, &expected);
        tracer.trace(run, i, [&recorder](int entry, bool reapplied, const Word& word) {
            recorder.stage(entry, reapplied, word);
        });
        traces[i] = recorder.take();
    }
    return traces;
}

std::vector<std::vector<int>>
traceReflexes(const Model& model, const std::vector<OrderEntry>& entries, const BatchRun& run) {
    StageTracer tracer(model, entries, false);
    std::vector<std::vector<int>> changes(run.items.size());
    for (std::size_t i = 0; i < run.items.size(); ++i) {
        StageRecorder recorder(entries, nullptr);
        tracer.trace(run, i, [&recorder](int entry, bool reapplied, const Word& word) {
            recorder.stage(entry, reapplied, word);
        });
        changes[i] = recorder.take().changedBy;
    }
    return changes;
}

} // namespace tarnel::insight

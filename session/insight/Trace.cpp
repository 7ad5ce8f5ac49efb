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
Model tracingModel(const Model& model, const std::vector<OrderEntry>& entries, bool etymonSide) {
    Model tracing;
    tracing.lstCol = etymonSide ? model.lstCol : model.lstColR;
    for (std::size_t i = 0; i < entries.size(); ++i) {
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

// Keeps the stages of one derivation at a time, measured against `expected`.
class StageRecorder : public StageDisplay, public MessageSink {
public:
    explicit StageRecorder(const std::vector<OrderEntry>& entries) : entries_(entries) {}

    void begin(const FeatureWord* expected) {
        expected_ = expected;
        trace_ = {};
    }
    ItemTrace take() { return std::move(trace_); }

    void showStage(int kind, const std::string& label, const Word& word) override {
        if (kind == stageEtymon) {
            trace_.stages.push_back({-1, false, distanceOf(word)});
        } else if (kind == stageDiachronic || kind == stagePersistent) {
            record(entryOfLabel(label), kind == stagePersistent, word);
        }
    }
    // The batch run has shown its messages already.
    void showMessage(const std::string&) override {}

private:
    int distanceOf(const Word& word) const {
        return expected_ ? featureDistance21(featureWord(word), *expected_) : 0;
    }

    // An Etymon entry's change is part of the etymon stage.
    void record(int entry, bool reapplied, const Word& word) {
        if (entry < 0 || static_cast<std::size_t>(entry) >= entries_.size() ||
            trace_.stages.empty())
            return;
        if (std::find(trace_.changedBy.begin(), trace_.changedBy.end(), entry) ==
            trace_.changedBy.end())
            trace_.changedBy.push_back(entry);
        if (entries_[static_cast<std::size_t>(entry)].order == Order::Etymon)
            trace_.stages.front().distance21 = distanceOf(word);
        else
            trace_.stages.push_back({entry, reapplied, distanceOf(word)});
    }

    const std::vector<OrderEntry>& entries_;
    const FeatureWord* expected_ = nullptr;
    ItemTrace trace_;
};

// The one place insight uses the engine: derivations in interactive mode, stages shown, on
// the tracing model compiled once for all the words.
class StageDeriver {
public:
    StageDeriver(const Model& model, StageRecorder& recorder)
        : compiled_(model), engine_(compiled_, recorder, &recorder) {
        engine_.setDerivationMode(DerivationMode::Interactive);
    }
    // The word is encoded over `start`, so what it holds beyond the text's length is what the
    // batch's word held there.
    void derive(std::string_view text, const Word& start) {
        engine_.setWorkingWord(start);
        engine_.derive(text);
    }

private:
    const CompiledModel compiled_;
    Engine engine_;
};

} // namespace

std::vector<ItemTrace> traceEtymons(const Model& model, const std::vector<OrderEntry>& entries,
                                    const BatchRun& run, Traced which) {
    const Model tracing = tracingModel(model, entries, true);
    StageRecorder recorder(entries);
    StageDeriver deriver(tracing, recorder);
    std::vector<ItemTrace> traces(run.items.size());
    for (std::size_t i = 0; i < run.items.size(); ++i) {
        const BatchItemResult& item = run.items[i];
        if (which == Traced::BadItems && item.good())
            continue;
        const FeatureWord expected = featureWord(item.expected);
        recorder.begin(&expected);
        deriver.derive(item.etymon, run.workingBefore(i));
        traces[i] = recorder.take();
    }
    return traces;
}

std::vector<std::vector<int>>
traceReflexes(const Model& model, const std::vector<OrderEntry>& entries, const BatchRun& run) {
    const Model tracing = tracingModel(model, entries, false);
    StageRecorder recorder(entries);
    StageDeriver deriver(tracing, recorder);
    std::vector<std::vector<int>> changes(run.items.size());
    for (std::size_t i = 0; i < run.items.size(); ++i) {
        recorder.begin(nullptr);
        deriver.derive(run.items[i].reflex, run.reflexBefore(i));
        changes[i] = recorder.take().changedBy;
    }
    return changes;
}

} // namespace tarnel::insight

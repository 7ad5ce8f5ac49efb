// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Messages.h"
#include "core/Word.h"
#include "engine/Batch.h"
#include "model/Model.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnel {

// One compared Vocabulary item of a batch run, as data: both front ends write their lines,
// their tables and their JSON from it.
struct BatchItemResult {
    int index = 0;      // the item's place in the Vocabulary, from 0
    std::string etymon; // Windows-1252, as the item holds them
    std::string reflex;
    Word derived;                           // the etymon after the Etymon and Diachronic Orders
    Word expected;                          // the reflex after the Reflex Order
    std::optional<Discrepancy> discrepancy; // none: the item is Good

    bool good() const { return !discrepancy; }
};

// A whole run: every item compared (in Vocabulary order; fewer when it was stopped) and the
// messages raised on the way, in order.
struct BatchRun {
    std::vector<BatchItemResult> items;
    std::vector<std::string> messages;
    bool stopped = false;

    int goodCount() const;
    int badCount() const;
};

// The line the Good or Bad list shows for `item`, without CR LF: "pater > padre" or
// "pater > padre:  seg.#3, voice".
std::string resultLine(const BatchItemResult& item);

// The item as the engine reported it.
BatchItemResult itemResult(const BatchItem& item);

// A batch display and message sink that keeps every item and message of a run in `run`.
class BatchRunRecorder : public BatchDisplay, public MessageSink {
public:
    explicit BatchRunRecorder(BatchRun& run) : run_(run) {}
    bool confirmLargeRun(std::string_view) override { return true; }
    void showBatchItem(const BatchItem& item) override;
    void showBatchEnd(std::string_view) override {}
    void showMessage(const std::string& text) override { run_.messages.push_back(text); }

private:
    BatchRun& run_;
};

// Derives and compares every item of the Vocabulary of `model`; a long Vocabulary is not
// questioned.
BatchRun runWholeBatch(const Model& model);

} // namespace tarnel

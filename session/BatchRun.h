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
    // The engine's words when the run began. A word keeps what the item before it left beyond
    // its length, so each item is derived from the words the one before it ended with.
    Word startWorking;
    Word startReflex;

    int goodCount() const;
    int badCount() const;
    // The words item `i` was derived from, as the run had them.
    const Word& workingBefore(std::size_t i) const;
    const Word& reflexBefore(std::size_t i) const;
};

// The item as the engine reported it.
BatchItemResult itemResult(const BatchItem& item);

// A batch display and message sink that keeps every item and message of a run in `run`, and
// passes each on to `display` and `messages` when they are given. A run that ends without
// its last item shown was stopped.
class BatchRunRecorder : public BatchDisplay, public MessageSink {
public:
    explicit BatchRunRecorder(BatchRun& run, BatchDisplay* display = nullptr,
                              MessageSink* messages = nullptr);
    void showBatchItem(const BatchItem& item) override;
    bool stopRequested() override;
    void showBatchEnd(std::string_view progress) override;
    void showMessage(const std::string& text) override;

private:
    BatchRun& run_;
    BatchDisplay* display_;
    MessageSink* messages_;
};

// Derives and compares every item of the Vocabulary of `model` on a new engine; a long
// Vocabulary is not questioned.
BatchRun runWholeBatch(const Model& model);

} // namespace tarnel

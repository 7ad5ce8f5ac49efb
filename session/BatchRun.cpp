// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchRun.h"

#include "engine/Engine.h"

#include <algorithm>

namespace tarnel {

BatchRunRecorder::BatchRunRecorder(BatchRun& run, BatchDisplay* display, MessageSink* messages)
    : run_(run), display_(display), messages_(messages) {
    run_.stopped = true; // until the end is shown
}

void BatchRunRecorder::showBatchItem(const BatchItem& item) {
    run_.items.push_back(itemResult(item));
    if (display_ != nullptr)
        display_->showBatchItem(item);
}

bool BatchRunRecorder::stopRequested() {
    return display_ != nullptr && display_->stopRequested();
}

void BatchRunRecorder::showBatchEnd(std::string_view progress) {
    run_.stopped = false;
    if (display_ != nullptr)
        display_->showBatchEnd(progress);
}

void BatchRunRecorder::showMessage(const std::string& text) {
    run_.messages.push_back(text);
    if (messages_ != nullptr)
        messages_->showMessage(text);
}

int BatchRun::goodCount() const {
    return static_cast<int>(
        std::count_if(items.begin(), items.end(), [](const auto& item) { return item.good(); }));
}

int BatchRun::badCount() const {
    return static_cast<int>(items.size()) - goodCount();
}

const Word& BatchRun::workingBefore(std::size_t i) const {
    return i == 0 ? startWorking : items[i - 1].derived;
}

const Word& BatchRun::reflexBefore(std::size_t i) const {
    return i == 0 ? startReflex : items[i - 1].expected;
}

BatchItemResult itemResult(const BatchItem& item) {
    return {item.index,    std::string(item.etymon), std::string(item.reflex),
            *item.derived, *item.expected,           item.discrepancy};
}

BatchRun runWholeBatch(const Model& model) {
    BatchRun run;
    BatchRunRecorder recorder(run);
    const CompiledModel compiled(model);
    Engine engine(compiled, recorder);
    engine.runBatch(recorder);
    return run;
}

} // namespace tarnel

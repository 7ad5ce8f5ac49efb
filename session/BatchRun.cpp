#include "BatchRun.h"

#include "engine/Engine.h"

#include <algorithm>

namespace tarnel {

namespace {

// Keeps every item and message of a run.
class RunRecorder : public BatchDisplay, public MessageSink {
public:
    explicit RunRecorder(BatchRun& run) : run_(run) {}
    bool confirmLargeRun(std::string_view) override { return true; }
    void showBatchItem(const BatchItem& item) override { run_.items.push_back(itemResult(item)); }
    void showBatchEnd(std::string_view) override {}
    void showMessage(const std::string& text) override { run_.messages.push_back(text); }

private:
    BatchRun& run_;
};

} // namespace

int BatchRun::goodCount() const {
    return static_cast<int>(
        std::count_if(items.begin(), items.end(), [](const auto& item) { return item.good(); }));
}

int BatchRun::badCount() const {
    return static_cast<int>(items.size()) - goodCount();
}

std::string resultLine(const BatchItemResult& item) {
    std::string line = item.etymon + " > " + item.reflex;
    if (item.discrepancy)
        line += ":  seg.#" + std::to_string(item.discrepancy->segment) + ", " +
                std::string(item.discrepancy->feature);
    return line;
}

BatchItemResult itemResult(const BatchItem& item) {
    return {item.index,    std::string(item.etymon), std::string(item.reflex),
            *item.derived, *item.expected,           item.discrepancy};
}

BatchRun runWholeBatch(const Model& model) {
    BatchRun run;
    RunRecorder recorder(run);
    const CompiledModel compiled(model);
    Engine engine(compiled, recorder);
    engine.runBatch(recorder);
    return run;
}

} // namespace tarnel

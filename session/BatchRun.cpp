// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchRun.h"

#include "engine/Engine.h"

#include <algorithm>

namespace tarnel {

void BatchRunRecorder::showBatchItem(const BatchItem& item) {
    run_.items.push_back(itemResult(item));
}

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
    BatchRunRecorder recorder(run);
    const CompiledModel compiled(model);
    Engine engine(compiled, recorder);
    engine.runBatch(recorder);
    return run;
}

} // namespace tarnel

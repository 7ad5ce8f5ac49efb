// SPDX-License-Identifier: GPL-3.0-or-later
// The search for the single edits of the Diachronic Order that make each Bad item Good: on the
// span15 sample with one rule moved out of its place, and on the shared 746-rule, 1,378-item
// model, on every core.
#include "BenchModels.h"
#include "engine/CompiledModel.h"
#include "engine/ThreadPool.h"
#include "model/ModelFile.h"
#include "session/insight/OrderFixes.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <stdexcept>
#include <string>

namespace tarnel {
namespace {

Model loaded(const std::string& path) {
    Result<LoadedModel> result = loadModelFile(path);
    if (!result)
        throw std::runtime_error(result.message());
    return result->model;
}

// span15 with Syncope_Early moved five places down.
Model span15Misordered() {
    Model model = loaded(std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl");
    auto& order = model.lstDiacOrd;
    const auto at = std::find(order.begin(), order.end(), "Syncope_Early");
    std::rotate(at, at + 1, at + 6);
    return model;
}

void searchFixes(benchmark::State& state, const Model& model) {
    const BatchRun run = runWholeBatch(model);
    const CompiledModel compiled(model);
    ThreadPool pool(defaultJobs());
    for (auto _ : state)
        benchmark::DoNotOptimize(insight::findOrderFixes(model, compiled, run, &pool));
    state.counters["bad"] = run.badCount();
}

void BM_OrderFixesSpan15(benchmark::State& state) {
    searchFixes(state, span15Misordered());
}

void BM_OrderFixesSteady(benchmark::State& state) {
    const std::string path = bench::sharedModelPath(bench::steadySharedModel);
    Result<LoadedModel> result = loadModelFile(path);
    if (!result) {
        state.SkipWithError(bench::missingSharedModel(bench::steadySharedModel).c_str());
        return;
    }
    searchFixes(state, result->model);
}

BENCHMARK(BM_OrderFixesSpan15)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OrderFixesSteady)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
} // namespace tarnel

BENCHMARK_MAIN();

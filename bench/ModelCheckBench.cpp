// SPDX-License-Identifier: GPL-3.0-or-later
// The check that follows every load, on the span15 sample and on the 746-rule, 1,378-item model
// generated apart from this repository (target: at most 50 ms each), the load itself not
// counted.
#include "BenchModels.h"
#include "model/ModelFile.h"
#include "session/ModelCheck.h"

#include <benchmark/benchmark.h>

namespace tarnel::bench {
namespace {

void runChecks(benchmark::State& state, const std::string& path) {
    const Result<LoadedModel> read = loadModelFile(path);
    if (!read) {
        state.SkipWithError(read.message().c_str());
        return;
    }
    state.SetLabel("target: <= 50 ms");
    for (auto _ : state)
        benchmark::DoNotOptimize(checkModel(read->model, read->lines));
}

void BM_CheckSpan15(benchmark::State& state) {
    runChecks(state, std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl");
}
BENCHMARK(BM_CheckSpan15)->Unit(benchmark::kMillisecond);

void BM_CheckSteadyShared(benchmark::State& state) {
    runChecks(state, sharedModelPath(steadySharedModel));
}
BENCHMARK(BM_CheckSteadyShared)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarnel::bench

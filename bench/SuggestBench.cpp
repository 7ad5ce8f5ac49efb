// SPDX-License-Identifier: GPL-3.0-or-later
// The search for new rules for the Bad items that lack a change, on every core: on the span15
// sample as it is (the target: within 10 s on a 2-core machine), on span15 with Lenition
// masked (a hundred items lack a change), and on the shared 746-rule cascade model.
#include "BenchModels.h"
#include "engine/CompiledModel.h"
#include "engine/ThreadPool.h"
#include "model/ModelFile.h"
#include "session/insight/Report.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>

namespace tarnel {
namespace {

constexpr double targetSeconds = 10.0;

std::optional<Model> loaded(const std::string& path) {
    Result<LoadedModel> result = loadModelFile(path);
    if (!result)
        return std::nullopt;
    return result->model;
}

void searchRules(benchmark::State& state, const std::optional<Model>& model,
                 const std::string& missing) {
    if (!model) {
        state.SkipWithError(missing.c_str());
        return;
    }
    const BatchRun run = runWholeBatch(*model);
    const CompiledModel compiled(*model);
    insight::ReportRequest request;
    const std::vector<int> items = insight::missingChangeItems(buildReport(*model, run, request));
    ThreadPool pool(defaultJobs());
    std::size_t groups = 0;
    for (auto _ : state)
        groups = insight::suggestRules(*model, compiled, run, items, &pool).groups.size();
    state.counters["items"] = static_cast<double>(items.size());
    state.counters["groups"] = static_cast<double>(groups);
    state.counters["target_s"] = targetSeconds;
}

const std::string span15Path = std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl";

void BM_SuggestSpan15(benchmark::State& state) {
    searchRules(state, loaded(span15Path), span15Path + " cannot be read");
}

void BM_SuggestSpan15WithoutLenition(benchmark::State& state) {
    std::optional<Model> model = loaded(span15Path);
    if (model) {
        auto& order = model->lstDiacOrd;
        const auto at = std::find(order.begin(), order.end(), "Lenition");
        if (at != order.end())
            *at = "-" + *at;
    }
    searchRules(state, model, span15Path + " cannot be read");
}

void BM_SuggestCascade(benchmark::State& state) {
    searchRules(state, loaded(bench::sharedModelPath(bench::cascadeSharedModel)),
                bench::missingSharedModel(bench::cascadeSharedModel));
}

BENCHMARK(BM_SuggestSpan15)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SuggestSpan15WithoutLenition)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SuggestCascade)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
} // namespace tarnel

BENCHMARK_MAIN();

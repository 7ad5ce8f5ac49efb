// SPDX-License-Identifier: GPL-3.0-or-later
// Batch runs and interactive derivations over the benchmark models of BenchModels.h, and batch
// runs over the models generated apart from this repository when they are there.
#include "BenchModels.h"
#include "engine/Engine.h"
#include "engine/ThreadPool.h"
#include "model/ModelFile.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace tarnel::bench {
namespace {

struct Silent : MessageSink, StageDisplay, BatchDisplay {
    void showMessage(const std::string&) override {}
    void showStage(int, const std::string&, const Word&) override { ++stages; }
    void showBatchItem(const BatchItem& item) override { benchmark::DoNotOptimize(item.goodCount); }
    void showBatchEnd(std::string_view) override {}
    std::int64_t stages = 0;
};

const Model& everyLineType() {
    static const Model model = everyLineTypeModel();
    return model;
}

const Model& lengthKeeping() {
    static const Model model = lengthKeepingModel();
    return model;
}

// One core, then every core (the argument is the number of threads).
void threadCounts(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1);
    if (defaultJobs() > 1)
        benchmark->Arg(defaultJobs());
}

void runBatches(benchmark::State& state, const Model& model, const char* target) {
    state.SetLabel(target);
    Silent silent;
    const CompiledModel compiled(model);
    Engine engine(compiled, silent, &silent);
    std::optional<ThreadPool> pool;
    if (state.range(0) > 1)
        pool.emplace(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.runBatch(silent, pool ? &*pool : nullptr));
    const auto items = static_cast<std::int64_t>(model.lstVocab.size());
    state.SetItemsProcessed(state.iterations() * items);
    state.counters["rule_applications_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * items * applicationsPerItem(model)),
        benchmark::Counter::kIsRate);
}

// The 150-rule model of every line type, 10,000 items.
void BM_EveryLineTypeBatch(benchmark::State& state) {
    runBatches(state, everyLineType(), "target: >= 200k items/s on one thread");
}
BENCHMARK(BM_EveryLineTypeBatch)->Apply(threadCounts)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 746-rule model whose words keep their length, 1,378 items.
void BM_LengthKeepingBatch(benchmark::State& state) {
    runBatches(state, lengthKeeping(), "target: >= 25M rule applications/s");
}
BENCHMARK(BM_LengthKeepingBatch)->Apply(threadCounts)->Unit(benchmark::kMillisecond)->UseRealTime();

// The models generated apart from this repository, as they are.
const Model* sharedModel(const char* name) {
    static std::map<std::string, std::optional<Model>> loaded;
    auto [entry, added] = loaded.try_emplace(name);
    if (added)
        if (Result<LoadedModel> read = loadModelFile(sharedModelPath(name)))
            entry->second = std::move(read->model);
    return entry->second ? &*entry->second : nullptr;
}

void runSharedBatches(benchmark::State& state, const char* name, const char* target) {
    if (const Model* model = sharedModel(name))
        runBatches(state, *model, target);
    else
        state.SkipWithError(missingSharedModel(name).c_str());
}

// 746 rules whose words keep their length, 1,378 items.
void BM_SteadySharedBatch(benchmark::State& state) {
    runSharedBatches(state, steadySharedModel,
                     "target: >= 25M rule applications/s, on 2 threads >= 1.8 times one's rate");
}
BENCHMARK(BM_SteadySharedBatch)->Apply(threadCounts)->Unit(benchmark::kMillisecond)->UseRealTime();

// 746 rules with DELETE and persistent rules, 1,378 items (persistent re-applications are not
// counted as rule applications).
void BM_CascadeSharedBatch(benchmark::State& state) {
    runSharedBatches(state, cascadeSharedModel, "target: on 2 threads >= 1.8 times one's rate");
}
BENCHMARK(BM_CascadeSharedBatch)->Apply(threadCounts)->Unit(benchmark::kMillisecond)->UseRealTime();

// One Derive click after another on the 150-rule model, each a Vocabulary etymon.
void BM_InteractiveDerive(benchmark::State& state) {
    Silent silent;
    const CompiledModel compiled(everyLineType());
    Engine engine(compiled, silent, &silent);
    engine.setDerivationMode(DerivationMode::Interactive);
    const std::vector<std::string>& vocabulary = everyLineType().lstVocab;
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string& item = vocabulary[next++ % vocabulary.size()];
        engine.derive(std::string_view(item).substr(0, item.find(' ')));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("target: <= 20 us a Derive");
    state.counters["stages"] = benchmark::Counter(static_cast<double>(silent.stages) /
                                                  static_cast<double>(state.iterations()));
}
BENCHMARK(BM_InteractiveDerive)->Unit(benchmark::kMicrosecond);

// From the click to the first item: the rules and orders of a 10,000-rule model made ready
// for a run (the Vocabulary is empty, so nothing else happens).
void BM_BatchStartTenThousandRules(benchmark::State& state) {
    const Model model = manyRulesModel(10'000);
    Silent silent;
    state.SetLabel("target: <= 20 ms");
    for (auto _ : state) {
        const CompiledModel compiled(model);
        Engine engine(compiled, silent, &silent);
        benchmark::DoNotOptimize(engine.runBatch(silent));
    }
}
BENCHMARK(BM_BatchStartTenThousandRules)->Unit(benchmark::kMillisecond);

// 1,000 persistent rules that undo each other's change, as a model gone wrong might: one
// 20-letter derivation would make some 500,000 stages; it is cut at the limit, so its time
// and memory stay those of 10,000 stages ("stages" counts Etymon and End too).
Model flippingModel() {
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    for (int i = 0; i < 1000; ++i) {
        const std::string name = "FLIP_" + std::to_string(i);
        const bool odd = i % 2 == 1;
        model.lst1Rule.push_back(
            {name + " \xAB...\xBB", odd ? "A:  +voice (*) \xAB\xBB" : "A:  -voice (*) \xAB\xBB",
             odd ? "1:  -voice (*) \xAB\xBB" : "1:  +voice (*) \xAB\xBB", "END:  " + name});
        model.lstDiacOrd.push_back(name);
        model.lstM.push_back("");
        model.lstP.push_back("P");
    }
    return model;
}

void BM_DerivationCutAtTheStageLimit(benchmark::State& state) {
    const CompiledModel flipping(flippingModel());
    Silent silent;
    Engine engine(flipping, silent, &silent);
    engine.setDerivationMode(DerivationMode::Interactive);
    for (auto _ : state)
        engine.derive("ptkptkptkptkptkptkpt");
    state.counters["stages"] = benchmark::Counter(static_cast<double>(silent.stages) /
                                                  static_cast<double>(state.iterations()));
}
BENCHMARK(BM_DerivationCutAtTheStageLimit)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarnel::bench

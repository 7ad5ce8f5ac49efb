// SPDX-License-Identifier: GPL-3.0-or-later
// Reading model files: a 100,000-item Vocabulary stored in alphabetical order, in reverse
// order and shuffled (target: at most 0.2 s in any order).
#include "BenchModels.h"
#include "model/ModelFile.h"

#include <benchmark/benchmark.h>

namespace tarnel::bench {
namespace {

constexpr int items = 100'000;

void BM_LoadVocabulary(benchmark::State& state, ItemOrder order) {
    const std::string text = vocabularyFile(items, order);
    state.SetLabel("target: <= 200 ms");
    for (auto _ : state)
        benchmark::DoNotOptimize(readModelText(text, "bench"));
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK_CAPTURE(BM_LoadVocabulary, sorted, ItemOrder::Sorted)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadVocabulary, reversed, ItemOrder::Reversed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadVocabulary, shuffled, ItemOrder::Shuffled)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarnel::bench

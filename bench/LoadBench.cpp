// Reading model files: a 100,000-item Vocabulary stored in reverse alphabetical order.
#include "BenchModels.h"
#include "model/ModelFile.h"

#include <benchmark/benchmark.h>

namespace tarnel::bench {
namespace {

void BM_LoadReversedVocabulary(benchmark::State& state) {
    const std::string text = reversedVocabularyFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(readModelText(text, "bench"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadReversedVocabulary)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarnel::bench

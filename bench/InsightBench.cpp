// SPDX-License-Identifier: GPL-3.0-or-later
// The batch run with what the batch screen adds to it: metrics, the comparison with the
// previous run and the blame of every Bad item (one derivation each), then the Rules table
// (a derivation of every item) and the rule impact (one batch per Diachronic entry). On the
// span15 sample and on a generated 746-rule, 1,378-item model whose reflexes are random, so
// that nearly every item is Bad: the dearest case for the blame.
#include "core/Alphabet.h"
#include "model/ModelFile.h"
#include "session/insight/Report.h"

#include <benchmark/benchmark.h>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnel {
namespace {

using namespace insight;

constexpr int largeRuleCount = 746;
constexpr int largeVocabularySize = 1378;

const Model& span15() {
    static const Model model = [] {
        Result<LoadedModel> result = loadModelFile(std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl");
        if (!result)
            throw std::runtime_error(result.message());
        return result->model;
    }();
    return model;
}

// Narrow conditions, as a linguist writes them, and the changes a real model makes.
std::vector<std::string> rule(const std::string& name, int i) {
    static const std::string features[] = {"voice", "nas", "cont", "high", "back", "round"};
    const std::string& f = features[i % 6];
    const std::string& g = features[(i / 6 + 1) % 6];
    const std::string thens[] = {"1:  -" + g + " (*) \xAB\xBB", "1:  DELETE (*+1) \xAB\xBB",
                                 "1:  " + g + " (*) = " + g + " (*-1) \xAB\xBB",
                                 "1:  INSERT e (*+1) \xAB\xBB"};
    const std::string condition =
        i % 2 == 0 ? "A:  +syll (*-1) -syll (*) +" + f + " (*) +syll (*+1) \xAB\xBB"
                   : "A:  -syll (*) -" + f + " (*) +cons (*+1) +" + g + " (*+1) \xAB\xBB";
    return {name + " \xAB...\xBB", condition, thens[i % 4], "END:  " + name};
}

std::string randomWord(std::mt19937& random) {
    static constexpr std::string_view letters = "ptkbdgmnslraeiou";
    std::uniform_int_distribution<int> length(3, 10);
    std::uniform_int_distribution<std::size_t> letter(0, letters.size() - 1);
    std::string word;
    for (int n = length(random); n > 0; --n)
        word += letters[letter(random)];
    return word;
}

const Model& largeModel() {
    static const Model model = [] {
        Model generated;
        createAlphabets(generated.lstCol, generated.lstColR);
        for (int i = 0; i < largeRuleCount; ++i) {
            const std::string name = "RULE_" + std::to_string(i);
            generated.lst1Rule.push_back(rule(name, i));
            generated.lstDiacOrd.push_back(name);
            generated.lstM.push_back("");
            generated.lstP.push_back(i % 50 == 0 ? "P" : "");
        }
        std::mt19937 random(1234);
        for (int i = 0; i < largeVocabularySize; ++i)
            generated.lstVocab.push_back(randomWord(random) + "  " + randomWord(random));
        return generated;
    }();
    return model;
}

const Model& chosen(const benchmark::State& state) {
    return state.range(0) == 0 ? span15() : largeModel();
}

void BM_Batch(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(runWholeBatch(chosen(state)));
}

// What the batch screen shows after each run.
void BM_BatchWithInsight(benchmark::State& state) {
    const Model& model = chosen(state);
    const std::vector<PreviousItem> previous = previousItems(runWholeBatch(model));
    for (auto _ : state) {
        const BatchRun run = runWholeBatch(model);
        benchmark::DoNotOptimize(buildReport(model, run, {&previous, false, {}}));
    }
}

void BM_BatchWithRulesTable(benchmark::State& state) {
    const Model& model = chosen(state);
    const std::vector<PreviousItem> previous = previousItems(runWholeBatch(model));
    for (auto _ : state) {
        const BatchRun run = runWholeBatch(model);
        benchmark::DoNotOptimize(buildReport(model, run, {&previous, true, {}}));
    }
}

void BM_RuleImpact(benchmark::State& state) {
    const BatchRun run = runWholeBatch(span15());
    for (auto _ : state)
        benchmark::DoNotOptimize(measureRuleImpact(span15(), run));
}

// Argument 0 is span15, 1 the generated model.
BENCHMARK(BM_Batch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchWithInsight)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchWithRulesTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RuleImpact)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarnel

BENCHMARK_MAIN();

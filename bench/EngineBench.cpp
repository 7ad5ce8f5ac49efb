// Batch items and interactive derivations per second over a synthetic model: 150
// Diachronic rules using every line type (a fifth of them persistent) and a 10,000-item
// Vocabulary of 4- to 12-segment words. Rule environments are as narrow as a real model's:
// a derivation shows about ten stages (the "stages" counter), so the persistent rules are
// re-applied a realistic number of times.
#include "core/Alphabet.h"
#include "engine/Engine.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tarnel {
namespace {

constexpr int ruleCount = 150;
constexpr int vocabularySize = 10'000;

struct Silent : MessageSink, StageDisplay, BatchDisplay {
    void showMessage(const std::string&) override {}
    void showStage(int, const std::string&, const Word&) override { ++stages; }
    bool confirmLargeRun(std::string_view) override { return true; }
    void showBatchItem(const BatchItem& item) override { benchmark::DoNotOptimize(item.goodCount); }
    void showBatchEnd(std::string_view) override {}
    std::int64_t stages = 0;
};

const std::array<std::string, 8> features = {"voice", "nas",   "cont", "high",
                                             "back",  "round", "low",  "stress"};

std::string feature(int i) {
    return features[static_cast<std::size_t>(i) % features.size()];
}

// Conditions narrow as a linguist's do: a segment and its neighbourhood.
std::vector<std::string> ifLines(int i) {
    const std::string f = feature(i);
    const std::string g = feature(i / 8 + 1);
    switch (i % 4) {
    case 0:
        return {"+syll (*) -" + f + " (*) +cons (*+1) +" + g + " (*+1)"};
    case 1:
        return {"B and C", "-syll (*) +" + f + " (*) +syll (*-1)", g + " (*) <> " + g + " (*+1)"};
    case 2:
        return {"B or C", "+syll (*-1) -syll (*) +" + g + " (*) +syll (*+1) -" + f + " (*+1)",
                "COUNT -syll (*-1) (*+1) = 3"};
    default:
        return {"COUNT -syll (*) (*+2) = 3"};
    }
}

std::string thenLine(int i) {
    const std::string f = feature(i + 3);
    switch (i % 5) {
    case 0:
        return "+" + f + " (*) -back (*)";
    case 1:
        return f + " (*) = " + f + " (*-1)";
    case 2:
        return "DELETE (*+1)";
    case 3:
        return "SWAP (*) (*+1)";
    default:
        return "INSERT e (*+1)";
    }
}

std::vector<std::string> rule(const std::string& name, int i) {
    std::vector<std::string> lines{name + " \xAB...\xBB"};
    const std::vector<std::string> ifs = ifLines(i);
    for (std::size_t k = 0; k < ifs.size(); ++k)
        lines.push_back(std::string(1, static_cast<char>('A' + k)) + ":  " + ifs[k] + " \xAB\xBB");
    lines.push_back("1:  " + thenLine(i) + " \xAB\xBB");
    lines.push_back("2:  -mark (*) \xAB\xBB");
    lines.push_back("END:  " + name);
    return lines;
}

std::string randomWord(std::mt19937& random) {
    static constexpr std::string_view letters = "ptkbdgmnslraeiou";
    std::uniform_int_distribution<int> length(4, 12);
    std::uniform_int_distribution<std::size_t> letter(0, letters.size() - 1);
    std::string word;
    for (int n = length(random); n > 0; --n)
        word += letters[letter(random)];
    return word;
}

Model syntheticModel() {
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    for (int i = 0; i < ruleCount; ++i) {
        const std::string name = "RULE_" + std::to_string(i);
        model.lst1Rule.push_back(rule(name, i));
        model.lstDiacOrd.push_back(name);
        model.lstM.push_back("");
        model.lstP.push_back(i % 5 == 0 ? "P" : "");
    }
    model.lstEtyOrd = {"RULE_1", "RULE_3"};
    model.lstReflOrd = {"RULE_5", "RULE_8"};
    std::mt19937 random(1234);
    for (int i = 0; i < vocabularySize; ++i)
        model.lstVocab.push_back(randomWord(random) + "  " + randomWord(random));
    return model;
}

const Model& model() {
    static const Model synthetic = syntheticModel();
    return synthetic;
}

void BM_BatchItems(benchmark::State& state) {
    Silent silent;
    Engine engine(model(), silent, &silent);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.runBatch(silent));
    state.SetItemsProcessed(state.iterations() * vocabularySize);
}
BENCHMARK(BM_BatchItems)->Unit(benchmark::kMillisecond);

void BM_InteractiveDerivations(benchmark::State& state) {
    Silent silent;
    Engine engine(model(), silent, &silent);
    engine.setDerivationMode(DerivationMode::Interactive);
    std::size_t next = 0;
    std::int64_t stages = 0;
    for (auto _ : state) {
        const std::string& item = model().lstVocab[next++ % model().lstVocab.size()];
        engine.derive(std::string_view(item).substr(0, item.find(' ')));
        stages += silent.stages;
        silent.stages = 0;
    }
    state.SetItemsProcessed(state.iterations());
    // How busy the model is: stages shown per derivation (Etymon and End included).
    state.counters["stages"] =
        benchmark::Counter(static_cast<double>(stages) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_InteractiveDerivations);

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
    const Model flipping = flippingModel();
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
} // namespace tarnel

BENCHMARK_MAIN();

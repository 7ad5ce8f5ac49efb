// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a 100,000-row word list (CSV, UTF-8) whose rows stand in reverse alphabetical
// order, the worst case for a list that keeps itself sorted: reading, checking every row
// and building the new Vocabulary.
#include "model/AlphabeticalList.h"
#include "session/exchange/WordListImport.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace tarnel {
namespace {

constexpr int rowCount = 100'000;

// A word of 4 to 9 letters spelling `index`, so that every row is its own item.
std::string word(int index, int salt) {
    std::string text;
    for (int n = index * 7 + salt; n > 0 || text.size() < 4; n /= 26)
        text += static_cast<char>('a' + n % 26);
    return text;
}

std::string reverseAlphabeticalList() {
    std::vector<std::string> items;
    for (int i = 0; i < rowCount; ++i)
        items.push_back(word(i, 3) + "," + word(i, 5));
    std::sort(items.begin(), items.end(),
              [](const std::string& a, const std::string& b) { return alphabeticalLess(b, a); });
    std::string text = "etymon,reflex\r\n";
    for (const std::string& item : items)
        text += item + "\r\n";
    return text;
}

void importReverseAlphabeticalList(benchmark::State& state) {
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    const std::string list = reverseAlphabeticalList();
    for (auto _ : state) {
        const auto import = readWordList(list, model);
        const auto vocabulary = vocabularyWithImport(model.lstVocab, *import);
        benchmark::DoNotOptimize(vocabulary.data());
        if (vocabulary.size() != rowCount)
            state.SkipWithError("rows were lost");
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(importReverseAlphabeticalList)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarnel

BENCHMARK_MAIN();

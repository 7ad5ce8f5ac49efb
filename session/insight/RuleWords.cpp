// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleWords.h"

#include "Trace.h"

namespace tarnel::insight {

std::optional<std::pair<Word, Word>> firstChange(StageTracer& tracer, const BatchRun& run,
                                                 std::size_t item, std::size_t entry) {
    std::optional<std::pair<Word, Word>> change;
    Word last;
    tracer.trace(run, item, [&](int stage, bool, const Word& word) {
        if (!change && stage == static_cast<int>(entry))
            change.emplace(last, word);
        last = word;
    });
    return change;
}

std::size_t lastTracedEntry(const std::vector<OrderEntry>& entries, std::size_t entry) {
    // A persistent entry may first change a word after a later entry; any other does so at
    // its own stage or never.
    return entries[entry].persistent ? entries.size() : entry;
}

std::vector<RuleWord> ruleWords(const Model& model, const std::vector<OrderEntry>& entries,
                                const BatchRun& run, std::size_t entry,
                                const Normaliser& normalise) {
    std::vector<RuleWord> words;
    if (entry >= entries.size() || entries[entry].masked || !entries[entry].rule)
        return words;
    const bool etymonSide = entries[entry].order != Order::Reflex;
    IpaSpeller speller(normalise);
    const auto spell = [&](const Word& word) {
        return etymonSide ? speller.derived(word) : speller.expected(word);
    };
    StageTracer tracer(model, entries, etymonSide, lastTracedEntry(entries, entry));
    for (std::size_t i = 0; i < run.items.size(); ++i)
        if (const auto change = firstChange(tracer, run, i, entry)) {
            const BatchItemResult& item = run.items[i];
            words.push_back({item.index, item.etymon, item.reflex, spell(change->first),
                             spell(change->second), item.good()});
        }
    return words;
}

Json ruleWordsJson(const std::string& rule, const std::vector<RuleWord>& words) {
    Json items = Json::Array{};
    for (const RuleWord& word : words)
        items.push(Json(Json::Object{})
                       .set("etymon", Json::fromCp1252(word.etymon))
                       .set("reflex", Json::fromCp1252(word.reflex))
                       .set("before", word.before)
                       .set("after", word.after)
                       .set("good", word.good));
    return Json(Json::Object{}).set("rule", Json::fromCp1252(rule)).set("items", std::move(items));
}

} // namespace tarnel::insight

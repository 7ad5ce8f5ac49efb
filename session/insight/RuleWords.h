// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrderEntries.h"
#include "Report.h"
#include "Trace.h"
#include "session/BatchRun.h"
#include "session/Json.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarnel::insight {

// An item whose word an order entry changed in a batch run: the word just before the
// entry's first change and just after it (a reflex for a Reflex entry), and how the item
// ended.
struct RuleWord {
    int index = 0;      // the item's place in the Vocabulary
    std::string etymon; // Windows-1252
    std::string reflex;
    std::string before; // IPA, UTF-8
    std::string after;
    bool good = false;
};

// The items of `run`, a run of `model`, whose word order entry `entry` (a place in
// `entries`) changed, in the run's order. A masked entry, or one that names no rule,
// changes nothing.
std::vector<RuleWord> ruleWords(const Model& model, const std::vector<OrderEntry>& entries,
                                const BatchRun& run, std::size_t entry,
                                const Normaliser& normalise);

// The word just before the first change entry `entry` made to item `item` of `run`, and just
// after it; `tracer` traces the entry's side, through it at least (see lastTracedEntry).
std::optional<std::pair<Word, Word>> firstChange(StageTracer& tracer, const BatchRun& run,
                                                 std::size_t item, std::size_t entry);
std::size_t lastTracedEntry(const std::vector<OrderEntry>& entries, std::size_t entry);

// What storing an edited rule would do to a batch run: the items whose word its first
// order entry would change, and how many items would turn Good (fixed) or Bad (broken); a
// note instead when there is nothing to compare with.
struct RulePreview {
    std::string note; // Windows-1252; empty when the items are shown
    int fixed = 0;
    int broken = 0;
    std::vector<RuleWord> words;
};

// {"rule": NAME, "items": [{"etymon", "reflex", "before", "after", "good"}…]}
Json ruleWordsJson(const std::string& rule, const std::vector<RuleWord>& words);

} // namespace tarnel::insight

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Blame.h"
#include "Distance.h"
#include "Metrics.h"
#include "OrderFixes.h"
#include "RuleImpact.h"
#include "RuleUse.h"
#include "SinceLastRun.h"
#include "Suggestions.h"
#include "core/OutputAlphabet.h"
#include "session/BatchRun.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tarnel::insight {

// Composes UTF-8 text to NFC; the front ends have the Unicode tables for it.
using Normaliser = std::function<std::string(const std::string&)>;

// The IPA text (UTF-8) of derived words and of expected reflexes, as the derivation screen
// shows them. Without a normaliser the text stays as the symbol table gives it. Decoding
// searches the whole symbol table, and a Vocabulary uses few sounds: a speller decodes each
// sound once, keyed by the 21 features that decoding reads.
class IpaSpeller {
public:
    explicit IpaSpeller(const Normaliser& normalise) : normalise_(normalise) {}
    std::string derived(const Word& word);
    std::string expected(const Word& word);

private:
    using Codes = std::unordered_map<std::uint32_t, std::string>;
    std::string spell(const Word& word, DecodedSymbol (*decode)(const Segment&), Codes& known);

    const Normaliser& normalise_;
    Codes derived_;
    Codes expected_;
};

// One word spelled by a speller of its own.
std::string derivedIpa(const Word& word, const Normaliser& normalise = {});
std::string expectedIpa(const Word& word, const Normaliser& normalise = {});

// One line of the Items table.
struct ItemRow {
    int index = 0;      // the item's place in the Vocabulary
    std::string etymon; // Windows-1252
    std::string reflex;
    std::string expectedIpa; // UTF-8
    std::string derivedIpa;
    bool good = false;
    std::string discrepancy; // "seg.#3, voice"; empty when Good
    Distances distances;
    std::optional<ItemComparison> since; // none when there is nothing to compare with
    std::optional<Blame> blame;          // Bad items only
    std::vector<int> fixes;              // the order fixes that turn it Good, best first
};

struct BatchReport {
    std::vector<ItemRow> items;
    RunMetrics metrics;
    std::optional<SinceLastRun> since;
    std::optional<RulesTable> rules;
    std::optional<RuleImpact> impact;
    std::optional<OrderFixes> orderFixes;
    std::optional<Suggestions> suggestions;
};

struct ReportRequest {
    const std::vector<PreviousItem>* previous = nullptr; // none: nothing to compare with
    bool rules = false; // the Rules table too, which traces every item, not only Bad ones
    Normaliser normalise;
    // The Items table, with each item's IPA and each Bad item's blame; the counts and the
    // measures need neither, and tracing the Bad items is the dearest part of a report.
    bool items = true;
    ThreadPool* pool = nullptr; // to measure the items on two threads
};

// Everything the batch screen and the report show about `run`, a run of `model`: one
// derivation per Bad item for the Items table, or per item with the Rules table.
BatchReport buildReport(const Model& model, const BatchRun& run, const ReportRequest& request);

// Adds a measured rule impact to the report and to its Rules table.
void addImpact(BatchReport& report, RuleImpact impact);

// Adds the order fixes found to the report and to its items. An item that a move or a mask
// turns Good blames the entry the best of them moves or masks: the order is at fault there.
void addOrderFixes(BatchReport& report, OrderFixes fixes);

// The Bad items of the report for which a change is missing.
std::vector<int> missingChangeItems(const BatchReport& report);

// The fixes of one item that a list shows at most.
inline constexpr std::size_t fixesShown = 10;

} // namespace tarnel::insight

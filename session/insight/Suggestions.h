// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RuleImpact.h"
#include "session/BatchRun.h"

#include <string>
#include <utility>
#include <vector>

namespace tarnel {
class CompiledModel;
class ThreadPool;
} // namespace tarnel

namespace tarnel::insight {

// What a Bad item's derived word lacks at its first segment that differs from the expected
// reflex: other values of some features, one segment fewer, or one more.
struct NeededChange {
    enum class Kind { Set, Delete, Insert };
    Kind kind = Kind::Set;
    // Set: each feature that differs, with its expected value. Insert: those in which the
    // inserted letter differs from the expected segment, set on it after the insertion.
    std::vector<std::pair<int, bool>> features;
    char letter = 0;          // Insert: the letter inserted
    bool beforeFocus = false; // Insert: at the start of the word, before the segment
    bool operator==(const NeededChange&) const = default;
};

// "+voice -cont", "DELETE", "INSERT e".
std::string changeText(const NeededChange& change);

// A rule that would make the change, at one place of the Diachronic Order, and what it does
// to the whole run there.
struct SuggestedRule {
    std::vector<std::string> lines; // as the model file holds a rule (Windows-1252)
    int place = 0;          // the Diachronic entry it goes before; the order's length: the end
    std::string before;     // that entry's rule name (Windows-1252); empty at the end
    std::vector<int> fixes; // the items (indexes into the run) it turns Good
    int broken = 0;         // the items it turns Bad
    int conditions = 0;     // the units of its if-lines

    int fixed() const { return static_cast<int>(fixes.size()); }
    int net() const { return fixed() - broken; }
};

// The items that need one change, and the best rules found for it.
struct SuggestionGroup {
    NeededChange change;
    std::vector<int> items;           // indexes into the run
    std::vector<SuggestedRule> rules; // best first: the most net Good items, then the fewest
                                      // conditions; at most `rulesSuggested`
};

struct Suggestions {
    std::vector<SuggestionGroup> groups; // the most items first
    bool stopped = false;                // the progress callback ended the search early
};

inline constexpr std::size_t rulesSuggested = 3;

// Groups `items`, Bad items of `run` (the last run of `model`) for which a change is missing,
// by the change each needs, and searches for each group rules that make it: if-lines on the
// values the group's items share at the changed segment and the two on either side, most
// specific first, then each condition dropped while the rule does no worse. Each rule is tried
// before every entry of the Diachronic Order, each item taken up there with the word the run
// gave it there. Runs on this thread and all but one of the threads of `pool`, telling
// `progress` as it goes.
Suggestions suggestRules(const Model& model, const CompiledModel& compiled, const BatchRun& run,
                         const std::vector<int>& items, ThreadPool* pool,
                         const ImpactProgress& progress = {});

// "before Syncope", "at the end".
std::string placeText(const SuggestedRule& rule);
// The rule's if-lines and then-lines without their comments: "A:  +syll (*-1); 1:  +voice (*)".
std::string ruleSummary(const SuggestedRule& rule);

// A rule name that `model` does not hold yet nor `taken` lists, made from the change:
// "Suggested_voice_1".
std::string suggestedName(const NeededChange& change, const Model& model,
                          const std::vector<std::string>& taken);

} // namespace tarnel::insight

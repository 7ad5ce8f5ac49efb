// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/BatchRun.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel::insight {

// An item of an earlier run, as little as the comparison needs, so that it can come from
// this session's last run or from an earlier JSON report. Texts are Windows-1252.
struct PreviousItem {
    std::string etymon;
    std::string reflex;
    bool good = false;
    std::string discrepancy; // "seg.#3, voice"; empty when good
};

// "seg.#3, voice", as the Bad list names it; empty for none.
std::string discrepancyText(const std::optional<Discrepancy>& discrepancy);

std::vector<PreviousItem> previousItems(const BatchRun& run);

enum class ItemChange {
    Unchanged,
    Fixed,  // Bad before, Good now
    Broken, // Good before, Bad now
    Moved,  // Bad before and now, at another discrepancy
    New,    // not in the earlier run
};

// "unchanged", "fixed", "broken", "still Bad at a new place", "new".
std::string_view changeName(ItemChange change);

struct ItemComparison {
    ItemChange change = ItemChange::Unchanged;
    std::string before; // "Before: Good", "Before: Bad at seg.#3, voice", "Before: not there"
};

struct SinceLastRun {
    std::vector<ItemComparison> items; // one per item of the current run, in its order
    std::vector<PreviousItem> removed; // earlier items the current run no longer has

    int count(ItemChange change) const;
};

// Items are matched by etymon and reflex text; the k-th occurrence of a pair that occurs
// more than once matches the k-th occurrence before.
SinceLastRun compareRuns(const std::vector<PreviousItem>& previous, const BatchRun& current);

// "Since the last run: 3 fixed, 2 broken, 1 still Bad at a new place, 4 new items,
// 1 removed"; kinds with no item are left out, and "no change" stands for none at all.
std::string sinceText(const SinceLastRun& since);

inline constexpr std::string_view nothingToCompareText =
    "Since the last run: nothing to compare with, this is the first run of this model";

} // namespace tarnel::insight

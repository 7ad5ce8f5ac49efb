// SPDX-License-Identifier: GPL-3.0-or-later
#include "SinceLastRun.h"

#include <algorithm>
#include <map>
#include <utility>

namespace tarnel::insight {

namespace {

using Pair = std::pair<std::string, std::string>;

std::string beforeText(const PreviousItem& item) {
    return item.good ? "Before: Good" : "Before: Bad at " + item.discrepancy;
}

ItemChange changeOf(const PreviousItem& before, const BatchItemResult& now) {
    if (before.good != now.good())
        return now.good() ? ItemChange::Fixed : ItemChange::Broken;
    if (!now.good() && before.discrepancy != discrepancyText(now.discrepancy))
        return ItemChange::Moved;
    return ItemChange::Unchanged;
}

// The earlier items of each etymon and reflex pair, in order, with how many are taken.
struct Occurrences {
    std::vector<std::size_t> items;
    std::size_t taken = 0;
};

} // namespace

std::string discrepancyText(const std::optional<Discrepancy>& discrepancy) {
    if (!discrepancy)
        return {};
    return "seg.#" + std::to_string(discrepancy->segment) + ", " +
           std::string(discrepancy->feature);
}

std::vector<PreviousItem> previousItems(const BatchRun& run) {
    std::vector<PreviousItem> items;
    items.reserve(run.items.size());
    for (const BatchItemResult& item : run.items)
        items.push_back({item.etymon, item.reflex, item.good(), discrepancyText(item.discrepancy)});
    return items;
}

std::string_view changeName(ItemChange change) {
    switch (change) {
    case ItemChange::Fixed:
        return "fixed";
    case ItemChange::Broken:
        return "broken";
    case ItemChange::Moved:
        return "still Bad at a new place";
    case ItemChange::New:
        return "new";
    case ItemChange::Unchanged:
        break;
    }
    return "unchanged";
}

int SinceLastRun::count(ItemChange change) const {
    return static_cast<int>(std::count_if(items.begin(), items.end(),
                                          [&](const auto& item) { return item.change == change; }));
}

SinceLastRun compareRuns(const std::vector<PreviousItem>& previous, const BatchRun& current) {
    std::map<Pair, Occurrences> earlier;
    for (std::size_t i = 0; i < previous.size(); ++i)
        earlier[{previous[i].etymon, previous[i].reflex}].items.push_back(i);
    std::vector<bool> matched(previous.size(), false);
    SinceLastRun since;
    for (const BatchItemResult& item : current.items) {
        const auto found = earlier.find({item.etymon, item.reflex});
        if (found == earlier.end() || found->second.taken == found->second.items.size()) {
            since.items.push_back({ItemChange::New, "Before: not there"});
            continue;
        }
        const std::size_t k = found->second.items[found->second.taken++];
        matched[k] = true;
        since.items.push_back({changeOf(previous[k], item), beforeText(previous[k])});
    }
    for (std::size_t i = 0; i < previous.size(); ++i)
        if (!matched[i])
            since.removed.push_back(previous[i]);
    return since;
}

std::string sinceText(const SinceLastRun& since) {
    const int added = since.count(ItemChange::New);
    const std::pair<int, std::string> parts[] = {
        {since.count(ItemChange::Fixed), " fixed"},
        {since.count(ItemChange::Broken), " broken"},
        {since.count(ItemChange::Moved), " still Bad at a new place"},
        {added, added == 1 ? " new item" : " new items"},
        {static_cast<int>(since.removed.size()), " removed"},
    };
    std::string text;
    for (const auto& [count, name] : parts)
        if (count > 0)
            text += (text.empty() ? "" : ", ") + std::to_string(count) + name;
    return "Since the last run: " + (text.empty() ? "no change" : text);
}

} // namespace tarnel::insight

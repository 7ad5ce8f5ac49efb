// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntrySearch.h"

#include <algorithm>
#include <cstdlib>

namespace tarnel::insight {

std::string entryName(const Model& model, int place) {
    std::string name = model.lstDiacOrd[static_cast<std::size_t>(place)];
    if (name.starts_with('-'))
        name.erase(0, 1);
    return name;
}

void EntrySearch::add(EditKind kind, int to, std::vector<Place> order, int from, int same) {
    Trial trial;
    trial.fix.edit = {kind, k_, to};
    trial.fix.name = entryName(model_, k_);
    trial.order = std::move(order);
    trial.from = from;
    trial.same = same;
    trials_.push_back(std::move(trial));
}

void EntrySearch::addTrials() {
    const int end = subject_.persistent ? n_ : k_ + 1;
    std::vector<Place> order = places_;
    order[static_cast<std::size_t>(k_)].masked = !subject_.masked;
    add(subject_.masked ? EditKind::Unmask : EditKind::Mask, -1, order, k_, end);
    if (subject_.masked)
        return;
    order = places_;
    order[static_cast<std::size_t>(k_)].persistent = !subject_.persistent;
    add(subject_.persistent ? EditKind::Unpersist : EditKind::Persist, -1, order, k_, n_);
    for (int to = std::max(0, k_ - reach_); to <= std::min(n_ - 1, k_ + reach_); ++to) {
        if (to == k_)
            continue;
        order = places_;
        order.erase(order.begin() + k_);
        order.insert(order.begin() + to, subject_);
        const int from = std::min(k_, to);
        add(EditKind::Move, to, std::move(order), from,
            subject_.persistent ? n_ : std::max(k_, to) + 1);
        // The entry it then runs next to, among those that run.
        const int step = to < k_ ? 1 : -1;
        for (int j = to; j != k_; j += step)
            if (places_[static_cast<std::size_t>(j)].runs()) {
                trials_.back().fix.neighbour = entryName(model_, j);
                break;
            }
    }
}

// Whether the trial surely leaves the item as it was: the entry's rule changes none of the
// words it would meet that it did not meet before, and met none it changed.
bool EntrySearch::unchanged(const Trial& trial, const ItemPath& path) const {
    const auto altersAt = [&](int place) { return alters_[path.before(place)]; };
    const auto altersFrom = [&](int place) { return altersLater_[path.before(place)]; };
    if (subject_.persistent || trial.fix.edit.kind == EditKind::Persist)
        return !altersFrom(trial.from);
    if (trial.fix.edit.kind != EditKind::Move)
        return !altersAt(k_);
    const int to = trial.fix.edit.to;
    return !altersAt(k_) && !altersAt(to < k_ ? to : to + 1);
}

void EntrySearch::addSwaps() {
    if (!subject_.runs())
        return;
    for (int j = k_ + 1; j <= std::min(n_ - 1, k_ + reach_); ++j) {
        if (!places_[static_cast<std::size_t>(j)].runs())
            continue;
        Swap swap;
        swap.with = j;
        swap.kept = places_;
        swap.kept.erase(swap.kept.begin() + j);
        swap.swapped = swap.kept;
        swap.kept.insert(swap.kept.begin() + k_ + 1, places_[static_cast<std::size_t>(j)]);
        swap.swapped.insert(swap.swapped.begin() + k_, places_[static_cast<std::size_t>(j)]);
        swaps_.push_back(std::move(swap));
    }
}

// With the entry A first and B second: A feeds B where B applies only with A before it, and
// bleeds it where B applies only without; B counter-feeds A where A would apply only after B,
// and counter-bleeds it where A applies only before B. Where neither changes the word that
// the first of them meets, their order makes no difference.
void EntrySearch::trySwap(Swap& swap, const ItemPath& path, int item, OrderProbe& probe) {
    const Place& other = places_[static_cast<std::size_t>(swap.with)];
    const bool persistent = subject_.persistent || other.persistent;
    const std::size_t met = path.before(k_);
    const bool aFirst = alters_[met];
    const bool bFirst = probe.alters(other.rule, path.words[met].word);
    if (!persistent && !aFirst && !bFirst)
        return;
    // Where the two leave one word in either order, all that follows is the same.
    if (!persistent) {
        const WordPlanes kept = probe.wordBefore(swap.kept, path, k_ + 1, k_ + 2);
        const WordPlanes swapped = probe.wordBefore(swap.swapped, path, k_, k_ + 2);
        if (kept.length == swapped.length && kept.plane == swapped.plane)
            return;
    }
    const int same = persistent ? n_ : swap.with + 1;
    OrderProbe::Outcome kept{
        path.good, std::binary_search(path.applied.begin(), path.applied.end(), swap.with)};
    if (swap.with > k_ + 1)
        kept = probe.derive(swap.kept, path, k_ + 1, same, k_ + 1);
    const OrderProbe::Outcome swapped = probe.derive(swap.swapped, path, k_, same, k_ + 1);
    if (swapped.good == kept.good)
        return;
    const bool bSecond = kept.watchedApplied;
    const bool aSecond = swapped.watchedApplied;
    const auto show = [&](Relation relation) {
        swap.shown[static_cast<std::size_t>(relation)].push_back(item);
    };
    if (bSecond != bFirst)
        show(bSecond ? Relation::Feeds : Relation::Bleeds);
    if (aSecond != aFirst)
        show(aSecond ? Relation::CounterFeeds : Relation::CounterBleeds);
}

std::vector<Interaction> EntrySearch::interactions() const {
    std::vector<Interaction> found;
    for (const Swap& swap : swaps_)
        for (std::size_t r = 0; r < swap.shown.size(); ++r) {
            if (swap.shown[r].empty())
                continue;
            const auto relation = static_cast<Relation>(r);
            const bool aActs = relation == Relation::Feeds || relation == Relation::Bleeds;
            Interaction interaction;
            interaction.rule = entryName(model_, aActs ? k_ : swap.with);
            interaction.other = entryName(model_, aActs ? swap.with : k_);
            interaction.relation = relation;
            interaction.items = swap.shown[r];
            found.push_back(std::move(interaction));
        }
    return found;
}

void EntrySearch::evaluate(const std::vector<ItemPath>& paths, OrderProbe& probe) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const ItemPath& path = paths[i];
        if (!path.known)
            continue;
        probe.forget();
        const std::size_t words = path.words.size();
        alters_.assign(words, false);
        altersLater_.assign(words + 1, false);
        for (std::size_t j = words; j-- > 0;) {
            alters_[j] = probe.alters(subject_.rule, path.words[j].word);
            altersLater_[j] = alters_[j] || altersLater_[j + 1];
        }
        // A rule that changes none of the item's words leaves it alone wherever it runs.
        for (Trial& trial : trials_) {
            if (!altersLater_[0] || unchanged(trial, path) ||
                probe.derive(trial.order, path, trial.from, trial.same).good == path.good)
                continue;
            (path.good ? trial.fix.breaks : trial.fix.fixes).push_back(static_cast<int>(i));
        }
        for (Swap& swap : swaps_)
            trySwap(swap, path, static_cast<int>(i), probe);
    }
}

EntryFindings EntrySearch::run(const std::vector<ItemPath>& paths, OrderProbe& probe) {
    if (subject_.rule < 0)
        return {};
    addTrials();
    addSwaps();
    evaluate(paths, probe);
    EntryFindings findings;
    for (Trial& trial : trials_)
        if (!trial.fix.fixes.empty())
            findings.fixes.push_back(std::move(trial.fix));
    findings.fixes = nearestMoves(std::move(findings.fixes));
    findings.interactions = interactions();
    return findings;
}

std::vector<int> EntrySearch::gains(const std::vector<ItemPath>& paths, OrderProbe& probe) {
    std::vector<int> gains(places_.size());
    if (!subject_.runs())
        return gains;
    addTrials();
    evaluate(paths, probe);
    for (const Trial& trial : trials_)
        if (trial.fix.edit.kind == EditKind::Move)
            gains[static_cast<std::size_t>(trial.fix.edit.to)] = trial.fix.net();
    return gains;
}

// Of the moves of the entry that do the very same, the shortest says it.
std::vector<OrderFix> EntrySearch::nearestMoves(std::vector<OrderFix> fixes) const {
    const auto distance = [this](const OrderFix& fix) { return std::abs(fix.edit.to - k_); };
    std::stable_sort(fixes.begin(), fixes.end(), [&](const OrderFix& a, const OrderFix& b) {
        return distance(a) < distance(b);
    });
    std::vector<OrderFix> kept;
    for (OrderFix& fix : fixes) {
        const bool same = std::any_of(kept.begin(), kept.end(), [&](const OrderFix& other) {
            return fix.edit.kind == EditKind::Move && other.edit.kind == EditKind::Move &&
                   fix.fixes == other.fixes && fix.breaks == other.breaks;
        });
        if (!same)
            kept.push_back(std::move(fix));
    }
    return kept;
}

} // namespace tarnel::insight

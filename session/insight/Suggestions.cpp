// SPDX-License-Identifier: GPL-3.0-or-later
#include "Suggestions.h"

#include "EntrySearch.h"
#include "Parallel.h"
#include "SuggestionText.h"
#include "core/Features.h"
#include "engine/CompiledModel.h"

#include <algorithm>
#include <mutex>
#include <tuple>

namespace tarnel::insight {

namespace {

// What one rule does to the run before each place of the order.
struct PlaceTally {
    std::vector<int> fixes;
    int broken = 0;
};

// Tries rules at every place of the Diachronic Order on every item of the run, in parallel,
// each item taken up at the place with the word its path kept there.
class RuleTrials {
public:
    RuleTrials(const CompiledModel& compiled, const std::vector<Place>& places,
               const std::vector<ItemPath>& paths, ThreadPool* pool, const ImpactProgress& progress,
               int trials)
        : compiled_(compiled), places_(places), paths_(paths), pool_(pool), progress_(progress),
          trials_(trials) {}

    // The rule at its best place: the most net Good items, then the fewest broken, then the
    // latest place. None when the search was stopped.
    std::optional<SuggestedRule> best(std::vector<std::string> lines, int conditions) {
        const std::optional<std::vector<PlaceTally>> tally = tallies(compileRule(lines));
        if (!tally)
            return std::nullopt;
        SuggestedRule rule;
        rule.lines = std::move(lines);
        rule.conditions = conditions;
        const auto key = [](const PlaceTally& t, int place) {
            return std::make_tuple(static_cast<int>(t.fixes.size()) - t.broken, -t.broken, place);
        };
        int best = 0;
        for (int p = 1; p < static_cast<int>(tally->size()); ++p)
            if (key((*tally)[static_cast<std::size_t>(p)], p) >
                key((*tally)[static_cast<std::size_t>(best)], best))
                best = p;
        const PlaceTally& chosen = (*tally)[static_cast<std::size_t>(best)];
        rule.place = best;
        rule.fixes = chosen.fixes;
        std::sort(rule.fixes.begin(), rule.fixes.end());
        rule.broken = chosen.broken;
        return rule;
    }

    // A trial that is not made still counts as done.
    void skip() { ++done_; }
    bool stopped() const { return stopped_; }

private:
    std::optional<std::vector<PlaceTally>> tallies(const CompiledRule& rule) {
        const int n = static_cast<int>(places_.size());
        const int count = static_cast<int>(paths_.size());
        std::vector<PlaceTally> tally(places_.size() + 1);
        std::mutex mutex;
        ImpactProgress told;
        if (progress_)
            told = [&](int now, int) {
                return progress_(done_ * count + now, std::max(trials_, 1) * count);
            };
        const bool complete =
            forEachParallel(count, compiled_, places_, pool_, told, [&](int i, OrderProbe& probe) {
                const ItemPath& path = paths_[static_cast<std::size_t>(i)];
                if (!path.known)
                    return;
                probe.forget();
                std::vector<int> turned;
                for (std::size_t j = 0; j < path.words.size(); ++j) {
                    if (!probe.alters(rule, path.words[j].word))
                        continue;
                    const int last = j + 1 < path.words.size() ? path.words[j + 1].place : n;
                    for (int p = path.words[j].place + 1; p <= last; ++p)
                        if (probe.endsGoodWith(rule, path, p) != path.good)
                            turned.push_back(p);
                }
                std::lock_guard lock(mutex);
                for (const int p : turned) {
                    PlaceTally& t = tally[static_cast<std::size_t>(p)];
                    if (path.good)
                        ++t.broken;
                    else
                        t.fixes.push_back(i);
                }
            });
        ++done_;
        if (!complete) {
            stopped_ = true;
            return std::nullopt;
        }
        return tally;
    }

    const CompiledModel& compiled_;
    const std::vector<Place>& places_;
    const std::vector<ItemPath>& paths_;
    ThreadPool* pool_;
    const ImpactProgress& progress_;
    int trials_;
    int done_ = 0;
    bool stopped_ = false;
};

// The conditions a search starts from: those all the group's items share, and, where the
// segments the change falls on differ, those of the items that share the commonest of them.
constexpr std::size_t segmentSeeds = 3;

struct Group {
    SuggestionGroup shown;
    std::vector<std::vector<Condition>> seeds;
};

using Focus = std::pair<const WordPlanes*, int>;

bool sameSegment(const Focus& a, const Focus& b) {
    for (int f = 0; f < soundFeatureCount; ++f)
        if (slotAt(*a.first, f, a.second) != slotAt(*b.first, f, b.second))
            return false;
    return true;
}

std::vector<std::vector<Condition>> seedsOf(const std::vector<Focus>& foci) {
    std::vector<std::vector<Focus>> bySegment;
    for (const Focus& focus : foci) {
        auto same = std::find_if(bySegment.begin(), bySegment.end(), [&](const auto& cluster) {
            return focus.second < focus.first->length &&
                   cluster.front().second < cluster.front().first->length &&
                   sameSegment(cluster.front(), focus);
        });
        if (same == bySegment.end())
            bySegment.push_back({focus});
        else
            same->push_back(focus);
    }
    std::vector<std::vector<Condition>> seeds{sharedConditions(foci)};
    if (bySegment.size() < 2)
        return seeds;
    std::stable_sort(bySegment.begin(), bySegment.end(),
                     [](const auto& a, const auto& b) { return a.size() > b.size(); });
    for (std::size_t c = 0; c < std::min(bySegment.size(), segmentSeeds); ++c)
        seeds.push_back(sharedConditions(bySegment[c]));
    return seeds;
}

std::vector<Group> groupItems(const std::vector<ItemPath>& paths, const std::vector<int>& items) {
    std::vector<Group> groups;
    std::vector<std::vector<Focus>> foci;
    for (const int item : items) {
        const ItemPath& path = paths[static_cast<std::size_t>(item)];
        if (!path.known || path.good)
            continue;
        const std::optional<ChangeAt> at = neededChange(path.words.back().word, path.expected);
        if (!at)
            continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const Group& g) { return g.shown.change == at->change; });
        if (group == groups.end()) {
            groups.push_back({{at->change, {}, {}}, {}});
            foci.emplace_back();
            group = groups.end() - 1;
        }
        group->shown.items.push_back(item);
        foci[static_cast<std::size_t>(group - groups.begin())].push_back(
            {&path.words.back().word, at->focus});
    }
    for (std::size_t g = 0; g < groups.size(); ++g)
        groups[g].seeds = seedsOf(foci[g]);
    std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        return a.shown.items.size() > b.shown.items.size();
    });
    return groups;
}

// Every item `fewer` fixes is among those `more` fixes (both sorted).
bool fixesAll(const std::vector<int>& more, const std::vector<int>& fewer) {
    return std::includes(more.begin(), more.end(), fewer.begin(), fewer.end());
}

// The best rules tried that do more good than harm. A rule says nothing new beside one chosen
// that fixes every item it fixes, breaks no more and has no more conditions, wherever each goes.
std::vector<SuggestedRule> bestRules(std::vector<SuggestedRule> tried) {
    std::stable_sort(tried.begin(), tried.end(), [](const auto& a, const auto& b) {
        return std::make_tuple(-a.net(), a.conditions) < std::make_tuple(-b.net(), b.conditions);
    });
    std::vector<SuggestedRule> rules;
    for (SuggestedRule& t : tried) {
        if (rules.size() == rulesSuggested)
            break;
        const bool dominated = std::any_of(rules.begin(), rules.end(), [&](const auto& c) {
            return fixesAll(c.fixes, t.fixes) && c.broken <= t.broken &&
                   c.conditions <= t.conditions;
        });
        if (t.net() > 0 && !dominated)
            rules.push_back(std::move(t));
    }
    return rules;
}

// From each seed, the most specific rule, then each condition dropped, the farthest from the
// focus first, while the rule does no worse; the last condition stays.
bool searchGroup(Group& group, const std::string& name, RuleTrials& trials) {
    std::vector<SuggestedRule> tried;
    const auto attempt = [&](const std::vector<Condition>& conditions) {
        auto rule = trials.best(suggestedLines(name, group.shown.change, conditions),
                                static_cast<int>(conditions.size()));
        if (rule)
            tried.push_back(std::move(*rule));
        return rule.has_value();
    };
    for (const std::vector<Condition>& seed : group.seeds) {
        if (seed.empty()) {
            trials.skip();
            continue;
        }
        if (!attempt(seed))
            return false;
        std::vector<Condition> current = seed;
        int best = tried.back().net();
        for (auto c = seed.rbegin(); c != seed.rend(); ++c) {
            if (current.size() == 1) {
                trials.skip();
                continue;
            }
            std::vector<Condition> fewer = current;
            std::erase(fewer, *c);
            if (!attempt(fewer))
                return false;
            if (tried.back().net() >= best) {
                current = std::move(fewer);
                best = tried.back().net();
            }
        }
    }
    group.shown.rules = bestRules(std::move(tried));
    return true;
}

} // namespace

Suggestions suggestRules(const Model& model, const CompiledModel& compiled, const BatchRun& run,
                         const std::vector<int>& items, ThreadPool* pool,
                         const ImpactProgress& progress) {
    const std::vector<Place> places = diachronicPlaces(model, compiled);
    const std::vector<ItemPath> paths = tracePaths(compiled, places, run, pool);
    std::vector<Group> groups = groupItems(paths, items);
    int total = 0;
    for (const Group& group : groups)
        for (const std::vector<Condition>& seed : group.seeds)
            total += 1 + static_cast<int>(seed.size());
    RuleTrials trials(compiled, places, paths, pool, progress, total);
    Suggestions found;
    std::vector<std::string> names;
    for (Group& group : groups) {
        names.push_back(suggestedName(group.shown.change, model, names));
        if (!searchGroup(group, names.back(), trials)) {
            found.stopped = true;
            break;
        }
        for (SuggestedRule& rule : group.shown.rules)
            if (rule.place < static_cast<int>(places.size()))
                rule.before = entryName(model, rule.place);
        found.groups.push_back(std::move(group.shown));
    }
    return found;
}

std::string placeText(const SuggestedRule& rule) {
    return rule.before.empty() ? "at the end" : "before " + rule.before;
}

std::string ruleSummary(const SuggestedRule& rule) {
    std::string text;
    for (std::size_t i = 1; i + 1 < rule.lines.size(); ++i) {
        const std::string& line = rule.lines[i];
        text += (text.empty() ? "" : "; ") + line.substr(0, line.find(" \xAB"));
    }
    return text;
}

} // namespace tarnel::insight

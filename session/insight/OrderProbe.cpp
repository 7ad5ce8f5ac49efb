// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrderProbe.h"

#include <algorithm>
#include <cstdint>

namespace tarnel::insight {

namespace {

bool samePlanes(const WordPlanes& a, const WordPlanes& b) {
    return a.length == b.length && a.plane == b.plane;
}

WordPlanes planesOf(const Word& word) {
    WordPlanes planes = toPlanes(word);
    planes.length = std::clamp(word.length, 0, maxTypedLength);
    return planes;
}

} // namespace

std::vector<Place> diachronicPlaces(const Model& model, const CompiledModel& compiled) {
    std::vector<Place> places;
    for (std::size_t k = 0; k < model.lstDiacOrd.size(); ++k) {
        std::string_view name = model.lstDiacOrd[k];
        Place place;
        place.masked = name.starts_with('-');
        if (place.masked)
            name.remove_prefix(1);
        place.rule = compiled.findRule(name).value_or(-1);
        place.persistent = k < model.lstP.size() && model.lstP[k] == "P";
        places.push_back(place);
    }
    return places;
}

std::size_t ItemPath::before(int place) const {
    const auto first = std::partition_point(words.begin(), words.end(),
                                            [place](const PathWord& w) { return w.place < place; });
    return static_cast<std::size_t>(first - words.begin()) - 1;
}

OrderProbe::OrderProbe(const CompiledModel& compiled, const std::vector<Place>& places)
    : places_(places), engine_(compiled, silent_) {
    for (std::size_t k = 0; k < places.size(); ++k)
        if (places[k].runs() && places[k].persistent)
            persistent_.push_back({static_cast<int>(k), places[k].rule});
}

// As the batch traverses the Diachronic Order: a persistent rule is active from its turn on,
// and every change is followed by one re-application of the active ones. Tells, when watched,
// whether the entry's own application changed the word.
bool OrderProbe::take(const Place& place, std::vector<int>& active, ItemPath* record, int at,
                      bool watch) {
    if (place.persistent)
        active.push_back(place.rule);
    const bool applied = apply(place.rule, record, at, watch);
    if (record != nullptr && applied)
        record->applied.push_back(at);
    if (engine_.changed()) {
        const std::size_t n = active.size();
        for (std::size_t i = 0; i < n; ++i)
            apply(active[i], record, at, false);
    }
    return applied;
}

// Rules are applied in the Etymon Order's pass, which changes the word alone and leaves the
// re-applications to `take`.
bool OrderProbe::apply(int rule, ItemPath* record, int place, bool watch) {
    if (record == nullptr && !watch) {
        engine_.applyRule(rule, passEtymon);
        return false;
    }
    const WordPlanes before = engine_.workingPlanes();
    engine_.applyRule(rule, passEtymon);
    if (samePlanes(before, engine_.workingPlanes()))
        return false;
    if (record != nullptr)
        record->words.push_back({place, engine_.workingPlanes()});
    return true;
}

ItemPath OrderProbe::trace(const BatchRun& run, std::size_t item) {
    const BatchItemResult& result = run.items[item];
    ItemPath path;
    if (result.etymon.size() > maxTypedLength || result.reflex.size() > maxTypedLength)
        return path;
    engine_.setWorkingWord(run.workingBefore(item));
    engine_.derive(result.etymon);
    engine_.traverseEtymonOrder();
    path.words.push_back({-1, engine_.workingPlanes()});
    std::vector<int> active;
    for (std::size_t k = 0; k < places_.size(); ++k)
        if (places_[k].runs())
            take(places_[k], active, &path, static_cast<int>(k), true);
    path.expected = planesOf(result.expected);
    path.good = !findDiscrepancy(engine_.workingPlanes(), path.expected);
    path.known =
        path.good == result.good() && samePlanes(engine_.workingPlanes(), planesOf(result.derived));
    return path;
}

bool OrderProbe::alters(int rule, const WordPlanes& word) {
    engine_.setWorkingPlanes(word);
    engine_.applyRule(rule, passEtymon);
    return !samePlanes(word, engine_.workingPlanes());
}

bool OrderProbe::Application::operator==(const Application& other) const {
    return changed == other.changed && samePlanes(word, other.word);
}

OrderProbe::Application OrderProbe::application(int rule, const WordPlanes& word) {
    engine_.setWorkingPlanes(word);
    engine_.applyRule(rule, passEtymon);
    return {engine_.workingPlanes(), engine_.changed()};
}

WordPlanes OrderProbe::startWord(const Word& before, std::string_view etymon) {
    engine_.setWorkingWord(before);
    engine_.derive(etymon);
    engine_.traverseEtymonOrder();
    return engine_.workingPlanes();
}

// As `take` goes, with the persistent rules known by the place that made them active, so
// that the watched entry is seen as it re-applies too.
OrderProbe::Ending OrderProbe::finish(const std::vector<Place>& order, const ItemPath& path,
                                      int from, const WordPlanes& word, int same, int watched) {
    Ending ending;
    engine_.setWorkingPlanes(word);
    std::vector<std::pair<int, int>> active(
        persistent_.begin(), std::find_if(persistent_.begin(), persistent_.end(),
                                          [from](const auto& p) { return p.first >= from; }));
    const auto apply = [&](int rule, int place) {
        if (place != watched || ending.watchedChange) {
            engine_.applyRule(rule, passEtymon);
            return engine_.changed();
        }
        const WordPlanes before = engine_.workingPlanes();
        engine_.applyRule(rule, passEtymon);
        if (engine_.changed())
            ending.watchedChange.emplace(before, engine_.workingPlanes());
        return engine_.changed();
    };
    std::size_t at = path.before(from);
    const int n = static_cast<int>(order.size());
    for (int k = from; k < n; ++k) {
        if (k >= same) {
            while (at + 1 < path.words.size() && path.words[at + 1].place < k)
                ++at;
            if (samePlanes(engine_.workingPlanes(), path.words[at].word)) {
                ending.good = path.good;
                ending.word = path.words.back().word;
                return ending;
            }
        }
        const Place& place = order[static_cast<std::size_t>(k)];
        if (!place.runs())
            continue;
        if (place.persistent)
            active.emplace_back(k, place.rule);
        if (apply(place.rule, k))
            for (std::size_t i = 0, m = active.size(); i < m; ++i)
                apply(active[i].second, active[i].first);
    }
    ending.word = engine_.workingPlanes();
    ending.good = !findDiscrepancy(ending.word, path.expected);
    return ending;
}

bool OrderProbe::State::operator==(const State& other) const {
    return place == other.place && samePlanes(word, other.word);
}

std::size_t OrderProbe::StateHash::operator()(const State& state) const {
    std::uint64_t hash = 1469598103934665603ull ^ static_cast<std::uint64_t>(state.place);
    for (const std::uint32_t plane : state.word.plane)
        hash = (hash ^ plane) * 1099511628211ull;
    return static_cast<std::size_t>(hash ^ static_cast<std::uint64_t>(state.word.length));
}

std::vector<int> OrderProbe::activeBefore(int place) const {
    std::vector<int> active;
    for (auto p = persistent_.begin(); p != persistent_.end() && p->first < place; ++p)
        active.push_back(p->second);
    return active;
}

WordPlanes OrderProbe::wordBefore(const std::vector<Place>& order, const ItemPath& path, int from,
                                  int until) {
    engine_.setWorkingPlanes(path.words[path.before(from)].word);
    std::vector<int> active = activeBefore(from);
    for (int k = from; k < until; ++k)
        if (order[static_cast<std::size_t>(k)].runs())
            take(order[static_cast<std::size_t>(k)], active, nullptr, k, false);
    return engine_.workingPlanes();
}

OrderProbe::Outcome OrderProbe::derive(const std::vector<Place>& order, const ItemPath& path,
                                       int from, int same, int watched) {
    engine_.setWorkingPlanes(path.words[path.before(from)].word);
    std::vector<int> active = activeBefore(from);
    return goOn(order, path, from, same, active, watched);
}

OrderProbe::Outcome OrderProbe::goOn(const std::vector<Place>& order, const ItemPath& path,
                                     int from, int same, std::vector<int>& active, int watched) {
    std::size_t at = path.before(from);
    Outcome outcome;
    passed_.clear();
    const int n = static_cast<int>(order.size());
    std::optional<bool> good;
    for (int k = from; k < n && !good; ++k) {
        if (k >= same) {
            while (at + 1 < path.words.size() && path.words[at + 1].place < k)
                ++at;
            State state{k, engine_.workingPlanes()};
            if (samePlanes(state.word, path.words[at].word)) {
                good = path.good;
                break;
            }
            if (const auto known = ends_.find(state); known != ends_.end()) {
                good = known->second;
                break;
            }
            passed_.push_back(std::move(state));
        }
        const Place& place = order[static_cast<std::size_t>(k)];
        if (place.runs() && take(place, active, nullptr, k, k == watched))
            outcome.watchedApplied = true;
    }
    if (!good)
        good = !findDiscrepancy(engine_.workingPlanes(), path.expected);
    for (State& state : passed_)
        ends_.emplace(std::move(state), *good);
    outcome.good = *good;
    return outcome;
}

bool OrderProbe::alters(const CompiledRule& rule, const WordPlanes& word) {
    engine_.setWorkingPlanes(word);
    engine_.applyCompiled(rule, passEtymon);
    return !samePlanes(word, engine_.workingPlanes());
}

// The new rule is not persistent; a change it makes is followed by one re-application of the
// persistent rules active at its place, as any entry's is.
bool OrderProbe::endsGoodWith(const CompiledRule& rule, const ItemPath& path, int place) {
    const WordPlanes& met = path.words[path.before(place)].word;
    if (!alters(rule, met))
        return path.good;
    std::vector<int> active = activeBefore(place);
    if (engine_.changed())
        for (const int persistent : active)
            apply(persistent, nullptr, place, false);
    return goOn(places_, path, place, place, active, -1).good;
}

} // namespace tarnel::insight

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Messages.h"
#include "engine/Engine.h"
#include "session/BatchRun.h"

#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tarnel::insight {

// One entry of the Diachronic Order as a run applies it.
struct Place {
    int rule = -1; // none: the entry names no rule, and does nothing
    bool masked = false;
    bool persistent = false;

    bool runs() const { return rule >= 0 && !masked; }
};

// The Diachronic Order of `model`, entry by entry, with the rules of `compiled`.
std::vector<Place> diachronicPlaces(const Model& model, const CompiledModel& compiled);

// A word an item took in the Diachronic Order, and the place at whose turn it was made (-1 for
// the word the order began with).
struct PathWord {
    int place = -1;
    WordPlanes word;
};

// The Diachronic derivation of one item as the last run made it: every word it took, in order.
struct ItemPath {
    // Derived again to the very word the run derived; an item that is not (its words hold
    // more than a word can, or the run's carried state reached it) is left alone.
    bool known = false;
    bool good = false;
    WordPlanes expected;
    std::vector<PathWord> words;
    std::vector<int> applied; // the places whose own application changed the word, in order

    // The word that the entry at `place` met: the last one made before its turn.
    std::size_t before(int place) const;
};

// Derives items under the Diachronic Order as it stands and under edits of it, in batch mode.
// An edit at some place cannot change the words before that place, so an item is taken up
// there with the word its path kept, rather than derived again from the etymon.
class OrderProbe {
public:
    OrderProbe(const CompiledModel& compiled, const std::vector<Place>& places);

    ItemPath trace(const BatchRun& run, std::size_t item);
    // Whether `rule` alone would change anything in `word`, "mark" and beyond its end included.
    bool alters(int rule, const WordPlanes& word);
    // How the item ends under `order`, the Diachronic Order edited at `from` and after, taken
    // up at `from`. From place `same` on, `order` is the one traced with the same persistent
    // rules active, so a word equal to the path's there ends as the path ended.
    struct Outcome {
        bool good = false;
        bool watchedApplied = false; // the entry at the watched place changed the word
    };
    Outcome derive(const std::vector<Place>& order, const ItemPath& path, int from, int same,
                   int watched = -1);
    // Whether `rule`, a rule the model does not hold, would change `word`; and how the item ends
    // were it run just before place `place` of the traced order (after its last for the order's
    // length), taken up there with the word the path kept.
    bool alters(const CompiledRule& rule, const WordPlanes& word);
    bool endsGoodWith(const CompiledRule& rule, const ItemPath& path, int place);
    // The word `order` leaves before place `until`, taken up at `from` as `derive` does.
    WordPlanes wordBefore(const std::vector<Place>& order, const ItemPath& path, int from,
                          int until);
    // What `rule` alone makes of `word`, and whether it changed a sound on the way (which is
    // what sets the active persistent rules going).
    struct Application {
        WordPlanes word;
        bool changed = false;
        bool operator==(const Application& other) const;
    };
    Application application(int rule, const WordPlanes& word);
    // The word an item takes into the Diachronic Order when derived from `before`: its etymon
    // encoded over it, then taken through the Etymon Order.
    WordPlanes startWord(const Word& before, std::string_view etymon);
    // How the item ends when taken up at place `from` of `order` with `word`: Good or not, its
    // last word, and the first change the entry at place `watched` made, as it began or
    // re-applied, with the word before it. From place `same` on, `order` is the one traced
    // with the same persistent rules active, so a word equal to the path's there ends as the
    // path ended.
    struct Ending {
        bool good = false;
        WordPlanes word;
        std::optional<std::pair<WordPlanes, WordPlanes>> watchedChange;
    };
    Ending finish(const std::vector<Place>& order, const ItemPath& path, int from,
                  const WordPlanes& word, int same, int watched);
    // Edits of one item often meet at some place with one word: how each word went on from
    // there is kept for the item's other edits until the probe turns to another item.
    void forget() { ends_.clear(); }

private:
    bool apply(int rule, ItemPath* record, int place, bool watch);
    // A word at a place of the order, the key to how the item ends from there.
    struct State {
        int place = 0;
        WordPlanes word;
        bool operator==(const State& other) const;
    };
    struct StateHash {
        std::size_t operator()(const State& state) const;
    };
    std::vector<int> activeBefore(int place) const;
    // Goes on from place `from` of `order` with the word and the active persistent rules as
    // they are; see `derive`.
    Outcome goOn(const std::vector<Place>& order, const ItemPath& path, int from, int same,
                 std::vector<int>& active, int watched);
    bool take(const Place& place, std::vector<int>& active, ItemPath* record, int at, bool watch);

    const std::vector<Place>& places_;
    std::vector<std::pair<int, int>> persistent_; // the place and rule of each, in order
    SilentMessages silent_;
    std::unordered_map<State, bool, StateHash> ends_; // whether the item ends Good from there
    std::vector<State> passed_;
    Engine engine_;
};

} // namespace tarnel::insight

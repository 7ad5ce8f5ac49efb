// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrderFixes.h"
#include "OrderProbe.h"

#include <array>
#include <string>
#include <vector>

namespace tarnel::insight {

// The rule name of Diachronic entry `place`, without the sign of a mask.
std::string entryName(const Model& model, int place);

// One edit tried on one entry: the order it makes, where it begins, and from where on the
// order and its active persistent rules are the traced ones again.
struct Trial {
    OrderFix fix;
    std::vector<Place> order;
    int from = 0;
    int same = 0;
};

// The entry and one after it made neighbours, in their order and swapped, and the items that
// show each way the two interact. Bringing the second up to the first crosses the entries
// between for both orders alike, so what differs comes of the two alone.
struct Swap {
    int with = 0;
    std::vector<Place> kept;               // the second brought up to just after the entry
    std::vector<Place> swapped;            // the second brought up to just before it
    std::array<std::vector<int>, 4> shown; // by Relation
};

struct EntryFindings {
    std::vector<OrderFix> fixes;
    std::vector<Interaction> interactions;
};

class EntrySearch {
public:
    EntrySearch(const Model& model, const std::vector<Place>& places, int entry, int reach)
        : model_(model), places_(places), k_(entry),
          subject_(places[static_cast<std::size_t>(entry)]), n_(static_cast<int>(places.size())),
          reach_(reach) {}

    EntryFindings run(const std::vector<ItemPath>& paths, OrderProbe& probe);
    std::vector<int> gains(const std::vector<ItemPath>& paths, OrderProbe& probe);

private:
    void addTrials();
    void addSwaps();
    void trySwap(Swap& swap, const ItemPath& path, int item, OrderProbe& probe);
    void evaluate(const std::vector<ItemPath>& paths, OrderProbe& probe);
    std::vector<Interaction> interactions() const;
    void add(EditKind kind, int to, std::vector<Place> order, int from, int same);
    bool unchanged(const Trial& trial, const ItemPath& path) const;
    std::vector<OrderFix> nearestMoves(std::vector<OrderFix> fixes) const;

    const Model& model_;
    const std::vector<Place>& places_;
    int k_;
    Place subject_;
    int n_;
    int reach_;
    std::vector<Trial> trials_;
    std::vector<Swap> swaps_;
    // For the item being tried: whether the entry's rule alters the word met at a place, and
    // whether it alters any word from there on.
    std::vector<bool> alters_;
    std::vector<bool> altersLater_;
};

} // namespace tarnel::insight

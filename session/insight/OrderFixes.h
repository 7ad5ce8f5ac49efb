// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrderProbe.h"
#include "RuleImpact.h"
#include "session/BatchRun.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {
class CompiledModel;
class ThreadPool;
} // namespace tarnel

namespace tarnel::insight {

enum class EditKind { Move, Mask, Unmask, Persist, Unpersist };

// "move", "mask", "unmask", "persist", "unpersist".
std::string_view editName(EditKind kind);

// One edit of the Diachronic Order.
struct OrderEdit {
    EditKind kind = EditKind::Move;
    int entry = 0; // the entry's place in the Diachronic Order, from 0
    int to = -1;   // a move's place for the entry, in the order after the move
};

// An edit that turns some Bad items of a run Good, and what it does to every item.
struct OrderFix {
    OrderEdit edit;
    std::string name;        // the entry's rule name (Windows-1252)
    std::string neighbour;   // a move's: the entry it then runs just before (up) or after (down)
    std::vector<int> fixes;  // the items (indexes into the run) it turns Good
    std::vector<int> breaks; // the items it turns Bad

    int fixed() const { return static_cast<int>(fixes.size()); }
    int broken() const { return static_cast<int>(breaks.size()); }
    int net() const { return fixed() - broken(); }
};

// "Good if Syncope ran before Palatal: +3 fixed, 1 broken" (Windows-1252).
std::string fixText(const OrderFix& fix);

// How two Diachronic entries work on each other, in the linguist's terms: whether the one
// that runs second applies to an item with and without the first before it.
enum class Relation { Feeds, Bleeds, CounterFeeds, CounterBleeds };

// "feeds", "bleeds", "counter-feeds", "counter-bleeds".
std::string_view relationName(Relation relation);

// `rule` feeds (bleeds, ...) `other` in the items whose result changes when the two, brought
// next to each other, run in the other order.
struct Interaction {
    std::string rule; // Windows-1252
    Relation relation = Relation::Feeds;
    std::string other;
    std::vector<int> items;
};

// "Yod_From_E feeds G_Palatalisation" (Windows-1252).
std::string interactionText(const Interaction& interaction);

struct OrderFixes {
    std::vector<OrderFix> fixes; // best first: the most net Good items, then the fewest broken
    std::vector<std::vector<int>> byItem;  // for each item of the run, the fixes that turn it Good
    std::vector<Interaction> interactions; // the most items first
    bool stopped = false;                  // the progress callback ended the search early
};

// On an order longer than this each way and back, an entry is tried this far from its place.
inline constexpr int moveReach = 30;

// Tries every single edit of the Diachronic Order of `model` on every item of `run`, its last
// run: masking or unmasking an entry, making it persistent or not, and moving it to every place
// (the nearest `moveReach` each way on a long order); and runs each entry next to each of those
// after it (as far), in both orders, to see how they interact. Each item is taken up at the place
// the edit begins with the word it had there in the run. Runs on this thread and all but one of
// the threads of `pool`, telling `progress` after each entry.
OrderFixes findOrderFixes(const Model& model, const CompiledModel& compiled, const BatchRun& run,
                          ThreadPool* pool, const ImpactProgress& progress = {});

// The net change in Good items of `run`, the last run of `model`, were Diachronic entry `entry`
// moved to each place of the order (0 at its own place, and everywhere for an entry that
// does not run).
std::vector<int> placeGains(const Model& model, const CompiledModel& compiled, const BatchRun& run,
                            int entry, ThreadPool* pool);

} // namespace tarnel::insight

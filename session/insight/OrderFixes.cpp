// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrderFixes.h"

#include "EntrySearch.h"
#include "engine/ThreadPool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <tuple>

namespace tarnel::insight {

namespace {

// Runs `task(index, probe)` for every index below `count` on this thread and all but one of
// the pool's, each with a probe of its own; `progress` hears on this thread how many are done.
template <typename Task>
bool forEachParallel(int count, const CompiledModel& compiled, const std::vector<Place>& places,
                     ThreadPool* pool, const ImpactProgress& progress, Task task) {
    std::atomic<int> next = 0;
    std::atomic<bool> stop = false;
    std::mutex mutex;
    std::condition_variable changed;
    int done = 0;
    int helpers = pool != nullptr ? std::max(pool->size() - 1, 0) : 0;
    const auto work = [&](bool here) {
        OrderProbe probe(compiled, places);
        for (int k = next++; k < count && !stop; k = next++) {
            task(k, probe);
            int now = 0;
            {
                std::lock_guard lock(mutex);
                now = ++done;
            }
            changed.notify_all();
            if (here && progress && !progress(now, count))
                stop = true;
        }
    };
    for (int h = 0; h < helpers; ++h)
        pool->submit([&] {
            work(false);
            std::lock_guard lock(mutex);
            --helpers;
            changed.notify_all();
        });
    work(true);
    std::unique_lock lock(mutex);
    while (helpers > 0) {
        const int seen = done;
        changed.wait(lock, [&] { return helpers == 0 || done != seen; });
        if (progress && !stop) {
            const int now = done;
            lock.unlock();
            if (!progress(now, count))
                stop = true;
            lock.lock();
        }
    }
    return done == count;
}

bool better(const OrderFix& a, const OrderFix& b) {
    const auto key = [](const OrderFix& f) {
        return std::make_tuple(-f.net(), f.broken(), static_cast<int>(f.edit.kind),
                               f.edit.kind == EditKind::Move ? std::abs(f.edit.to - f.edit.entry)
                                                             : 0,
                               f.edit.entry, f.edit.to);
    };
    return key(a) < key(b);
}

} // namespace

std::string_view editName(EditKind kind) {
    switch (kind) {
    case EditKind::Mask:
        return "mask";
    case EditKind::Unmask:
        return "unmask";
    case EditKind::Persist:
        return "persist";
    case EditKind::Unpersist:
        return "unpersist";
    case EditKind::Move:
        break;
    }
    return "move";
}

std::string_view relationName(Relation relation) {
    switch (relation) {
    case Relation::Bleeds:
        return "bleeds";
    case Relation::CounterFeeds:
        return "counter-feeds";
    case Relation::CounterBleeds:
        return "counter-bleeds";
    case Relation::Feeds:
        break;
    }
    return "feeds";
}

std::string interactionText(const Interaction& interaction) {
    return interaction.rule + " " + std::string(relationName(interaction.relation)) + " " +
           interaction.other;
}

std::string fixText(const OrderFix& fix) {
    std::string what;
    switch (fix.edit.kind) {
    case EditKind::Move:
        what = " ran " + std::string(fix.edit.to < fix.edit.entry ? "before " : "after ") +
               fix.neighbour;
        break;
    case EditKind::Mask:
        what = " were masked";
        break;
    case EditKind::Unmask:
        what = " were unmasked";
        break;
    case EditKind::Persist:
        what = " were persistent";
        break;
    case EditKind::Unpersist:
        what = " were not persistent";
        break;
    }
    return "Good if " + fix.name + what + ": +" + std::to_string(fix.fixed()) + " fixed, " +
           std::to_string(fix.broken()) + " broken";
}

std::vector<ItemPath> tracePaths(const CompiledModel& compiled, const std::vector<Place>& places,
                                 const BatchRun& run, ThreadPool* pool) {
    std::vector<ItemPath> paths(run.items.size());
    forEachParallel(
        static_cast<int>(paths.size()), compiled, places, pool, {}, [&](int i, OrderProbe& probe) {
            paths[static_cast<std::size_t>(i)] = probe.trace(run, static_cast<std::size_t>(i));
        });
    return paths;
}

std::vector<int> placeGains(const Model& model, const CompiledModel& compiled, const BatchRun& run,
                            int entry, ThreadPool* pool) {
    const std::vector<Place> places = diachronicPlaces(model, compiled);
    if (entry < 0 || entry >= static_cast<int>(places.size()))
        return {};
    const std::vector<ItemPath> paths = tracePaths(compiled, places, run, pool);
    OrderProbe probe(compiled, places);
    return EntrySearch(model, places, entry, static_cast<int>(places.size())).gains(paths, probe);
}

OrderFixes findOrderFixes(const Model& model, const CompiledModel& compiled, const BatchRun& run,
                          ThreadPool* pool, const ImpactProgress& progress) {
    const std::vector<Place> places = diachronicPlaces(model, compiled);
    const std::vector<ItemPath> paths = tracePaths(compiled, places, run, pool);
    const int n = static_cast<int>(places.size());
    const int reach = n > 2 * moveReach + 1 ? moveReach : n;
    std::vector<EntryFindings> byEntry(places.size());
    OrderFixes result;
    result.stopped =
        !forEachParallel(n, compiled, places, pool, progress, [&](int k, OrderProbe& probe) {
            byEntry[static_cast<std::size_t>(k)] =
                EntrySearch(model, places, k, reach).run(paths, probe);
        });
    for (EntryFindings& found : byEntry) {
        std::move(found.fixes.begin(), found.fixes.end(), std::back_inserter(result.fixes));
        std::move(found.interactions.begin(), found.interactions.end(),
                  std::back_inserter(result.interactions));
    }
    std::stable_sort(
        result.interactions.begin(), result.interactions.end(),
        [](const Interaction& a, const Interaction& b) { return a.items.size() > b.items.size(); });
    std::stable_sort(result.fixes.begin(), result.fixes.end(), better);
    result.byItem.resize(run.items.size());
    for (std::size_t f = 0; f < result.fixes.size(); ++f)
        for (const int item : result.fixes[f].fixes)
            result.byItem[static_cast<std::size_t>(item)].push_back(static_cast<int>(f));
    return result;
}

} // namespace tarnel::insight

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrderProbe.h"
#include "RuleImpact.h"
#include "engine/ThreadPool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace tarnel::insight {

// Runs `task(index, probe)` for every index below `count` on this thread and all but one of
// the pool's, each with a probe of its own; `progress` hears on this thread how many are done.
template <typename Task>
inline bool forEachParallel(int count, const CompiledModel& compiled,
                            const std::vector<Place>& places, ThreadPool* pool,
                            const ImpactProgress& progress, Task task) {
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

// Every item of `run`, the last run of the model whose Diachronic Order is `places`, traced
// along that order on this thread and all but one of the threads of `pool`.
std::vector<ItemPath> tracePaths(const CompiledModel& compiled, const std::vector<Place>& places,
                                 const BatchRun& run, ThreadPool* pool);

} // namespace tarnel::insight

#pragma once

#include "BatchReport.h"
#include "Engine.h"
#include "ThreadPool.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tarnel {

// A batch run on every thread of a pool, showing exactly what a run on one thread shows.
//
// Items are cut into chunks that the pool's threads derive each on an engine of their own.
// A word keeps what earlier items left in it (positions beyond its length, the "all" slot,
// characters missing from an alphabet), so a chunk cannot see the state it starts from: its
// engine tracks which values it made itself (WordKnowledge), and an item that would read any
// other is given up and run again here, on the calling engine, once the state before it is
// known. Here, in Vocabulary order, each item's messages and result are handed on with the
// words as a run on one thread would have them, and the calling engine's words follow.
class ParallelBatch {
public:
    ParallelBatch(Engine& engine, BatchReport& report, ThreadPool& pool);
    // True when the display asked to stop.
    bool run();

private:
    // A run's state after an item, as known to the thread that derived it.
    struct State {
        WordPlanes working;
        WordPlanes reflex;
        WordKnowledge workingKnowledge;
        WordKnowledge reflexKnowledge;
        bool changed = false;
    };
    struct Outcome {
        bool redo = false; // run again here, from the true state
        std::optional<Discrepancy> discrepancy;
        std::vector<std::string> messages;
        State after;
    };
    struct Chunk {
        int begin = 0;
        int end = 0;
        std::vector<Outcome> outcomes;
        bool done = false;
    };

    void submit(std::size_t chunk);
    void derive(Chunk& chunk, bool fromTrueState);
    void waitFor(const Chunk& chunk);
    bool deliver(Chunk& chunk);
    bool deliverDerived(int k, const Outcome& outcome, const State& start);
    bool deliverRedone(int k);
    void finish();

    Engine& engine_;
    const std::vector<VocabularyItem>& vocabulary_;
    BatchReport& report_;
    ThreadPool& pool_;
    std::vector<Chunk> chunks_;
    std::size_t submitted_ = 0;
    std::atomic<bool> stopping_ = false;
    std::mutex mutex_;
    std::condition_variable chunkDone_;
};

} // namespace tarnel

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
// known. Here, in Vocabulary order, each item's messages and result are handed on, and the
// calling engine's words are brought to the state each chunk reached.
class ParallelBatch {
public:
    ParallelBatch(Engine& engine, BatchDisplay& display, ThreadPool& pool);
    void run();

private:
    struct Outcome {
        bool redo = false; // run again here, from the true state
        std::optional<Discrepancy> discrepancy;
        std::vector<std::string> messages;
    };
    // Items run from one unseen state up to `end`, and the state they reached.
    struct Stretch {
        int begin = 0;
        int end = 0;
        WordPlanes working;
        WordPlanes reflex;
        WordKnowledge workingKnowledge;
        WordKnowledge reflexKnowledge;
        bool changed = false;
    };
    struct Chunk {
        int begin = 0;
        int end = 0;
        std::vector<Stretch> stretches;
        bool done = false;
    };

    void derive(Chunk& chunk, bool fromTrueState);
    void waitFor(const Chunk& chunk);
    void deliver(const Chunk& chunk);
    void catchUp(const Stretch& stretch);
    void finish();

    Engine& engine_;
    const std::vector<VocabularyItem>& vocabulary_;
    BatchReport report_;
    ThreadPool& pool_;
    std::vector<Outcome> outcomes_;
    std::vector<Chunk> chunks_;
    std::mutex mutex_;
    std::condition_variable chunkDone_;
};

} // namespace tarnel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BatchReporter.h"
#include "Engine.h"
#include "ThreadPool.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tarnel {

// A batch run on as many threads as a pool has, the calling thread among them, showing
// exactly what a run on one thread shows.
//
// Items are cut into chunks that the threads derive each on an engine of their own. A word
// keeps what earlier items left in it (positions beyond its length, the "all" slot,
// characters missing from an alphabet), so a chunk cannot see the state it starts from: its
// engine tracks which values it made itself (WordKnowledge), and an item that would read any
// other is given up and run again here, on the calling engine, once the state before it is
// known; when most items are given up, the other threads stop and the rest is run here alone.
// Here, in Vocabulary order, each item's messages and result are handed on with the words as
// a run on one thread would have them, and the calling engine's words follow. A chunk that no
// thread has taken when its turn comes is run here, as on one thread, so a busy machine makes
// the run no slower than that; while another thread still derives it, this one derives later
// chunks meanwhile.
class ParallelBatch {
public:
    ParallelBatch(Engine& engine, BatchReporter& reporter, MessageSink& messages, ThreadPool& pool);
    // True when the display asked to stop.
    bool run();

private:
    struct Outcome {
        bool redo = false; // run again here, from the true state
        std::optional<Discrepancy> discrepancy;
        std::vector<std::string> messages;
        EngineState after; // as known to the thread that derived it
    };
    struct Chunk {
        int begin = 0;
        int end = 0;
        std::vector<Outcome> outcomes;
        bool taken = false;
        bool done = false;
    };

    void work();
    void deriveTaken(Chunk& chunk, std::size_t index);
    Chunk* take(std::size_t& index);
    Chunk* next(std::size_t& index);
    void derive(Chunk& chunk, bool fromTrueState);
    bool takeHere(std::size_t index);
    bool runHere(const Chunk& chunk);
    bool deliver(const Chunk& chunk);
    bool deliverDerived(int k, const Outcome& outcome, const EngineState& start);
    bool deliverRedone(int k);
    void judgeThreads();
    void endWork();

    Engine& engine_;
    const std::vector<VocabularyItem>& vocabulary_;
    BatchReporter& reporter_;
    MessageSink& messages_;
    ThreadPool& pool_;
    std::vector<Chunk> chunks_;
    std::size_t ahead_; // how many chunks past the one shown threads may take
    std::mutex mutex_;  // guards the fields below and each chunk's flags
    std::condition_variable changed_;
    std::size_t untaken_ = 0; // no chunk before it is left to take
    std::size_t showing_ = 0; // the chunk being shown
    int working_ = 0;         // threads of the pool still on this run
    std::atomic<bool> stopping_ = false;
    std::atomic<bool> alone_ = false; // the threads take no more chunks and leave theirs
    // Items delivered from the threads' chunks so far, and how many of them were run again.
    int delivered_ = 0;
    int redone_ = 0;
    static constexpr int judgedAfter = 32;
};

} // namespace tarnel

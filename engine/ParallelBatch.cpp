// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParallelBatch.h"

#include <algorithm>

namespace tarnel {

namespace {

// Messages of one item, kept until the item is shown.
class MessageRecorder : public MessageSink {
public:
    void showMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// Large enough that a chunk's start, from a state it cannot see, is rare; smaller towards the
// end, so that all threads end at about the same time.
int chunkSize(int itemsLeft, int threads) {
    return std::clamp(itemsLeft / (threads * 4), std::min(itemsLeft, 4), 32);
}

} // namespace

ParallelBatch::ParallelBatch(Engine& engine, BatchReporter& reporter, MessageSink& messages,
                             ThreadPool& pool)
    : engine_(engine), vocabulary_(engine.model().vocabulary()), reporter_(reporter),
      messages_(messages), pool_(pool), ahead_(2 * static_cast<std::size_t>(pool.size()) + 2) {
    const int n = static_cast<int>(vocabulary_.size());
    for (int begin = 0; begin < n;) {
        const int end = begin + chunkSize(n - begin, pool.size());
        chunks_.push_back({begin, end, {}, false, false});
        begin = end;
    }
}

// This thread is one of the run's threads: the pool gives the others. Threads take chunks
// only a little ahead of the one shown, so that results wait in memory only briefly and a stop
// ends the run soon. Every thread has left the run before it ends.
bool ParallelBatch::run() {
    const int others = pool_.size() - 1;
    working_ = others;
    for (int t = 0; t < others; ++t)
        pool_.submit([this] { work(); });
    bool stopped = false;
    for (std::size_t c = 0; c < chunks_.size() && !stopped; ++c) {
        Chunk& chunk = chunks_[c];
        if (takeHere(c)) {
            stopped = runHere(chunk);
        } else {
            stopped = deliver(chunk);
            chunk.outcomes = {};
            judgeThreads();
        }
    }
    endWork();
    engine_.endBatch();
    return stopped;
}

void ParallelBatch::work() {
    std::size_t index = 0;
    while (Chunk* chunk = take(index))
        deriveTaken(*chunk, index);
}

void ParallelBatch::deriveTaken(Chunk& chunk, std::size_t index) {
    derive(chunk, index == 0);
    const std::lock_guard lock(mutex_);
    chunk.done = true;
    changed_.notify_all();
}

// The next chunk no one has taken, once it is near enough to the one shown; none when the
// run is ending. The last thread to leave says so while locked: the run may end at once and
// take the lock and the condition with it.
ParallelBatch::Chunk* ParallelBatch::take(std::size_t& index) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (Chunk* chunk = next(index))
            return chunk;
        if (stopping_ || alone_ || untaken_ == chunks_.size())
            break;
        changed_.wait(lock);
    }
    if (--working_ == 0)
        changed_.notify_all();
    return nullptr;
}

// With the lock held: the next chunk to take, if any is near enough to the one shown.
ParallelBatch::Chunk* ParallelBatch::next(std::size_t& index) {
    while (untaken_ < chunks_.size() && chunks_[untaken_].taken)
        ++untaken_;
    if (stopping_ || alone_ || untaken_ == chunks_.size() || untaken_ >= showing_ + ahead_)
        return nullptr;
    index = untaken_;
    chunks_[index].taken = true;
    return &chunks_[index];
}

// Chunk `index` is the one shown now: true when no thread has taken it, so it is run here;
// false once the thread that took it is done. Until then this thread derives later chunks as
// the pool's threads do.
bool ParallelBatch::takeHere(std::size_t index) {
    std::unique_lock lock(mutex_);
    showing_ = index;
    changed_.notify_all();
    Chunk& chunk = chunks_[index];
    if (!chunk.taken) {
        chunk.taken = true;
        return true;
    }
    while (!chunk.done) {
        std::size_t later = 0;
        if (Chunk* other = next(later)) {
            lock.unlock();
            deriveTaken(*other, later);
            lock.lock();
        } else {
            changed_.wait(lock);
        }
    }
    return false;
}

// The first chunk starts from the calling engine's words, which nothing touches until that
// chunk is delivered; every other chunk starts from a state it cannot see.
void ParallelBatch::derive(Chunk& chunk, bool fromTrueState) {
    MessageRecorder messages;
    Engine worker = engine_.batchWorker(messages, fromTrueState);
    EngineState before = worker.state();
    for (int k = chunk.begin; k < chunk.end && !stopping_ && !alone_; ++k) {
        messages.texts.clear();
        Outcome& outcome = chunk.outcomes.emplace_back();
        outcome.discrepancy = worker.compareItem(vocabulary_[static_cast<std::size_t>(k)]);
        outcome.messages = std::move(messages.texts);
        outcome.redo = worker.lostTrack();
        if (outcome.redo) {
            // The item after a given-up one starts from a state nobody here can know.
            before.workingKnowledge.forget();
            before.reflexKnowledge.forget();
            worker.setState(before);
        }
        outcome.after = before = worker.state();
    }
}

bool ParallelBatch::runHere(const Chunk& chunk) {
    for (int k = chunk.begin; k < chunk.end; ++k)
        if (deliverRedone(k))
            return true;
    return false;
}

void ParallelBatch::endWork() {
    std::unique_lock lock(mutex_);
    stopping_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return working_ == 0; });
}

// The calling engine's state is true at the chunk's start and after every given-up item;
// every other item's true state is that brought up to what its thread reached. Items its
// thread left when the run went on alone are run here.
bool ParallelBatch::deliver(const Chunk& chunk) {
    EngineState start = engine_.state();
    for (int k = chunk.begin; k < chunk.end; ++k) {
        const auto index = static_cast<std::size_t>(k - chunk.begin);
        if (index >= chunk.outcomes.size() || chunk.outcomes[index].redo) {
            ++redone_;
            if (deliverRedone(k))
                return true;
            start = engine_.state();
        } else if (deliverDerived(k, chunk.outcomes[index], start)) {
            return true;
        }
        ++delivered_;
    }
    return false;
}

// When most items the threads derived had to be run again here, because they read what
// earlier items left in the words, the threads only add work: the rest of the run is done
// here alone.
void ParallelBatch::judgeThreads() {
    if (delivered_ >= judgedAfter && 2 * redone_ > delivered_)
        alone_ = true;
}

// The changed flag is the last rule application's; without any rule in the orders it keeps
// its value.
bool ParallelBatch::deliverDerived(int k, const Outcome& outcome, const EngineState& start) {
    for (const std::string& message : outcome.messages)
        messages_.showMessage(message);
    EngineState exact = start;
    outcome.after.workingKnowledge.bringUp(exact.working, outcome.after.working);
    outcome.after.reflexKnowledge.bringUp(exact.reflex, outcome.after.reflex);
    if (engine_.hasRules())
        exact.changed = outcome.after.changed;
    engine_.setState(exact);
    return reporter_.show(k, vocabulary_[static_cast<std::size_t>(k)], outcome.discrepancy,
                          engine_.workingWord(), engine_.reflexWord());
}

bool ParallelBatch::deliverRedone(int k) {
    const VocabularyItem& entry = vocabulary_[static_cast<std::size_t>(k)];
    const std::optional<Discrepancy> discrepancy = engine_.compareItem(entry);
    return reporter_.show(k, entry, discrepancy, engine_.workingWord(), engine_.reflexWord());
}

} // namespace tarnel

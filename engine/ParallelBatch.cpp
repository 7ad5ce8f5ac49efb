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

// Small enough that every thread gets several chunks, large enough that a chunk's start, from
// a state it cannot see, is rare.
int chunkSize(int items, int threads) {
    return std::clamp(items / (threads * 8), 1, 64);
}

} // namespace

ParallelBatch::ParallelBatch(Engine& engine, BatchDisplay& display, ThreadPool& pool)
    : engine_(engine), vocabulary_(engine.model_->vocabulary()),
      report_(display, static_cast<int>(vocabulary_.size())), pool_(pool),
      outcomes_(vocabulary_.size()) {
    const int n = static_cast<int>(vocabulary_.size());
    const int size = chunkSize(n, pool.size());
    for (int begin = 0; begin < n; begin += size)
        chunks_.push_back({begin, std::min(begin + size, n), {}, false});
}

void ParallelBatch::run() {
    for (std::size_t c = 0; c < chunks_.size(); ++c)
        pool_.submit([this, c] { derive(chunks_[c], c == 0); });
    for (const Chunk& chunk : chunks_) {
        waitFor(chunk);
        deliver(chunk);
    }
    finish();
}

// The first chunk starts from the calling engine's words, which nothing touches until that
// chunk is delivered; every other chunk starts from a state it cannot see.
void ParallelBatch::derive(Chunk& chunk, bool fromTrueState) {
    MessageRecorder messages;
    Engine worker(*engine_.model_, messages);
    worker.orders_ = engine_.orders_;
    worker.mode_ = DerivationMode::Batch;
    worker.speculating_ = true;
    if (fromTrueState) {
        worker.working_ = engine_.working_;
        worker.reflex_ = engine_.reflex_;
        worker.changed_ = engine_.changed_;
        worker.workingKnowledge_.learnAll();
        worker.reflexKnowledge_.learnAll();
    }
    const auto close = [&](int end) {
        chunk.stretches.push_back(
            {chunk.stretches.empty() ? chunk.begin : chunk.stretches.back().end + 1, end,
             worker.working_, worker.reflex_, worker.workingKnowledge_, worker.reflexKnowledge_,
             worker.changed_});
    };
    for (int k = chunk.begin; k < chunk.end; ++k) {
        const WordPlanes working = worker.working_;
        const WordPlanes reflex = worker.reflex_;
        const WordKnowledge workingKnowledge = worker.workingKnowledge_;
        const WordKnowledge reflexKnowledge = worker.reflexKnowledge_;
        const bool changed = worker.changed_;
        messages.texts.clear();
        Outcome& outcome = outcomes_[static_cast<std::size_t>(k)];
        outcome.discrepancy = worker.compareItem(vocabulary_[static_cast<std::size_t>(k)]);
        outcome.messages = std::move(messages.texts);
        if (!worker.workingKnowledge_.lost() && !worker.reflexKnowledge_.lost())
            continue;
        // Given up: the stretch before it ends with the state before it, and the next one
        // starts from the state after it, which nobody here can know.
        outcome.redo = true;
        worker.working_ = working;
        worker.reflex_ = reflex;
        worker.workingKnowledge_ = workingKnowledge;
        worker.reflexKnowledge_ = reflexKnowledge;
        worker.changed_ = changed;
        close(k);
        worker.workingKnowledge_.forget();
        worker.reflexKnowledge_.forget();
    }
    close(chunk.end);
    // Told while locked: once the last chunk is done the run may end and take the lock and
    // the condition with it.
    const std::lock_guard lock(mutex_);
    chunk.done = true;
    chunkDone_.notify_all();
}

void ParallelBatch::waitFor(const Chunk& chunk) {
    std::unique_lock lock(mutex_);
    chunkDone_.wait(lock, [&chunk] { return chunk.done; });
}

void ParallelBatch::deliver(const Chunk& chunk) {
    for (const Stretch& stretch : chunk.stretches) {
        for (int k = stretch.begin; k < stretch.end; ++k) {
            const Outcome& outcome = outcomes_[static_cast<std::size_t>(k)];
            for (const std::string& message : outcome.messages)
                engine_.messages_->showMessage(message);
            report_.show(k, vocabulary_[static_cast<std::size_t>(k)], outcome.discrepancy);
        }
        catchUp(stretch);
        if (stretch.end < chunk.end) {
            const VocabularyItem& given = vocabulary_[static_cast<std::size_t>(stretch.end)];
            report_.show(stretch.end, given, engine_.compareItem(given));
        }
    }
}

// The calling engine's words, true before the stretch, brought to where it ended. The changed
// flag is the last rule application's; without any rule in the orders it keeps its value.
void ParallelBatch::catchUp(const Stretch& stretch) {
    if (stretch.begin == stretch.end)
        return;
    stretch.workingKnowledge.bringUp(engine_.working_, stretch.working);
    stretch.reflexKnowledge.bringUp(engine_.reflex_, stretch.reflex);
    const Orders& orders = engine_.orders_;
    if (!orders.etymon.empty() || !orders.diachronic.empty() || !orders.reflex.empty())
        engine_.changed_ = stretch.changed;
}

// What every item leaves behind whatever its word: the pass of the Reflex Order, and the
// persistent rules of the Diachronic Order all active.
void ParallelBatch::finish() {
    engine_.rulePass_ = passReflex;
    engine_.lstPersist_.clear();
    for (const DiachronicEntry& entry : engine_.orders_.diachronic)
        if (entry.persistent)
            engine_.lstPersist_.push_back(entry.rule);
}

} // namespace tarnel

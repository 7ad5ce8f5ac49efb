// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditPreview.h"

#include "Parallel.h"
#include "Trace.h"
#include "engine/ThreadPool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace tarnel::insight {

TracedRun traceRun(const Model& model, const CompiledModel& compiled, const BatchRun& run,
                   ThreadPool* pool) {
    TracedRun traced;
    traced.places = diachronicPlaces(model, compiled);
    traced.paths = tracePaths(compiled, traced.places, run, pool);
    return traced;
}

namespace {

bool samePlanes(const WordPlanes& a, const WordPlanes& b) {
    return a.length == b.length && a.plane == b.plane;
}

// The same length, and the same values at every position of the word.
bool sameInWord(const WordPlanes& a, const WordPlanes& b) {
    const std::uint32_t inside = positionsBelow(a.length);
    for (std::size_t s = 0; s < a.plane.size(); ++s)
        if (((a.plane[s] ^ b.plane[s]) & inside) != 0)
            return false;
    return a.length == b.length;
}

// `word` with what `beyond` holds past the word's end.
WordPlanes withBeyond(WordPlanes word, const WordPlanes& beyond) {
    const std::uint32_t inside = positionsBelow(word.length);
    for (std::size_t s = 0; s < word.plane.size(); ++s)
        word.plane[s] = (word.plane[s] & inside) | (beyond.plane[s] & ~inside);
    return word;
}

// How one item of the run with the edited rule ends, and the listed entry's first change.
struct ItemEnd {
    bool good = false;
    WordPlanes word;
    std::optional<std::pair<Word, Word>> change;
};

// Where the edited rule runs in the Diachronic Order.
struct Uses {
    std::vector<int> places;
    bool persistent = false;
    int watched = 0; // the listed entry's place
    int same = 0;    // from here on the order is the one traced

    Uses(const std::vector<Place>& order, const RuleEdit& edit, const OrderEntry& entry) {
        const int n = static_cast<int>(order.size());
        for (int k = 0; k < n; ++k) {
            const Place& place = order[static_cast<std::size_t>(k)];
            if (place.runs() && place.rule == edit.rule) {
                places.push_back(k);
                persistent = persistent || place.persistent;
            }
        }
        watched = entry.position;
        // An active persistent rule runs wherever the word changes: no later place is where
        // the order is the one traced.
        same = persistent || places.empty() ? n : places.back() + 1;
    }
};

using Change = std::optional<std::pair<Word, Word>>;

// Derives items with the edited rule, taken up from their traced paths.
class ItemDeriver {
public:
    ItemDeriver(const CompiledModel& compiled, const TracedRun& traced, const RuleEdit& edit,
                const Uses& uses)
        : traced_(traced), edit_(edit), uses_(uses), before_(compiled, traced.places),
          after_(*edit.edited, traced.places) {}

    // The item taken up at the first place where the edited rule does not do what the rule
    // did; where there is none, it ends as it ended.
    ItemEnd fromPath(const ItemPath& path) {
        Change seen;
        for (const int place : uses_.places) {
            const WordPlanes& word = path.words[path.before(place)].word;
            if (uses_.persistent)
                return from(path, place, word, {});
            const OrderProbe::Application now = after_.application(edit_.rule, word);
            if (now != before_.application(edit_.rule, word))
                return from(path, place, word, seen);
            if (place == uses_.watched && now.changed)
                seen.emplace(toWord(word), toWord(now.word));
        }
        return {path.good, path.words.back().word, seen};
    }

    WordPlanes startWord(const Word& before, std::string_view etymon) {
        return after_.startWord(before, etymon);
    }

    // The item from the start of the Diachronic Order, with `word`.
    ItemEnd fromStart(const ItemPath& path, const WordPlanes& word) {
        return from(path, 0, word, {});
    }

private:
    ItemEnd from(const ItemPath& path, int place, const WordPlanes& word, const Change& seen) {
        const OrderProbe::Ending ending =
            after_.finish(traced_.places, path, place, word, uses_.same, uses_.watched);
        ItemEnd end{ending.good, ending.word, seen};
        if (ending.watchedChange)
            end.change.emplace(toWord(ending.watchedChange->first),
                               toWord(ending.watchedChange->second));
        return end;
    }

    const TracedRun& traced_;
    const RuleEdit& edit_;
    const Uses& uses_;
    OrderProbe before_;
    OrderProbe after_;
};

// Runs `task(i, deriver)` for every item below `count`, on this thread and all but one of the
// threads of `pool`, each with a deriver of its own that `make(place)` builds in place.
template <typename Make, typename Task>
void forEachItem(std::size_t count, ThreadPool* pool, const Make& make, const Task& task) {
    std::atomic<std::size_t> next = 0;
    std::mutex mutex;
    std::condition_variable finished;
    int helpers = pool != nullptr ? std::max(pool->size() - 1, 0) : 0;
    const auto work = [&] {
        std::optional<ItemDeriver> deriver;
        make(deriver);
        for (std::size_t i = next++; i < count; i = next++)
            task(i, *deriver);
    };
    for (int h = 0; h < helpers; ++h)
        pool->submit([&] {
            work();
            std::lock_guard lock(mutex);
            --helpers;
            finished.notify_all();
        });
    work();
    std::unique_lock lock(mutex);
    finished.wait(lock, [&] { return helpers == 0; });
}

// The run with the edited rule, item after item. A word keeps what the item before it left
// beyond its length: while every item so far ended as in the run, the next starts as it
// started there, and was derived ahead, on every thread; after one that did not, the next is
// encoded over the new word, and taken up from its start when that differs where the rules
// may see it.
class EditedRun {
public:
    EditedRun(const CompiledModel& compiled, const TracedRun& traced, const BatchRun& run,
              const std::vector<OrderEntry>& entries, const RuleEdit& edit, ThreadPool* pool)
        : traced_(traced), run_(run), entries_(entries), edit_(edit),
          uses_(traced.places, edit, entries[edit.entry]), deriver_(compiled, traced, edit, uses_),
          engine_(*edit.edited, silent_), ahead_(run.items.size()) {
        for (const Place& place : traced.places)
            if (place.runs()) {
                const CompiledRule& rule = edit.edited->rule(place.rule);
                blind_ = blind_ && rule.keepsLength && rule.beyondSlots == 0;
            }
        forEachItem(
            run.items.size(), pool,
            [&](std::optional<ItemDeriver>& deriver) {
                deriver.emplace(compiled, traced, edit, uses_);
            },
            [&](std::size_t i, ItemDeriver& deriver) {
                if (traced.paths[i].known)
                    ahead_[i] = deriver.fromPath(traced.paths[i]);
            });
    }

    ItemEnd next(std::size_t i) {
        const ItemPath& path = traced_.paths[i];
        const Word start = carried_ ? toWord(carry_) : run_.workingBefore(i);
        ItemEnd end;
        if (!path.known) {
            end = whole(i, start);
        } else if (!carried_) {
            end = std::move(ahead_[i]);
        } else if (const WordPlanes word = deriver_.startWord(start, run_.items[i].etymon);
                   samePlanes(word, path.words.front().word)) {
            end = std::move(ahead_[i]);
        } else if (blind_ && sameInWord(word, path.words.front().word)) {
            // Only what lies past the word differs, which the rules neither read nor write.
            end = std::move(ahead_[i]);
            end.word = withBeyond(end.word, word);
        } else {
            end = deriver_.fromStart(path, word);
        }
        carry_ = end.word;
        carried_ = !samePlanes(end.word, path.known ? path.words.back().word
                                                    : toPlanes(run_.items[i].derived));
        return end;
    }

private:
    // As a batch run derives the item, and traced stage by stage for the listed entry.
    ItemEnd whole(std::size_t i, const Word& start) {
        const BatchItemResult& item = run_.items[i];
        engine_.setWorkingWord(start);
        engine_.setReflexWord(run_.reflexBefore(i));
        std::optional<Discrepancy> discrepancy = engine_.compareItem({item.etymon, item.reflex});
        if (item.etymon.size() > maxTypedLength || item.reflex.size() > maxTypedLength)
            discrepancy = discrepancy.value_or(tooLongDiscrepancy());
        ItemEnd end{!discrepancy, engine_.workingPlanes(), {}};
        if (!tracer_) {
            model_ = edit_.editedModel();
            tracer_ = std::make_unique<StageTracer>(*model_, entries_, true,
                                                    lastTracedEntry(entries_, edit_.entry));
        }
        BatchRun one;
        one.startWorking = start;
        one.items.push_back(item);
        end.change = firstChange(*tracer_, one, 0, edit_.entry);
        return end;
    }

    const TracedRun& traced_;
    const BatchRun& run_;
    const std::vector<OrderEntry>& entries_;
    const RuleEdit& edit_;
    const Uses uses_;
    ItemDeriver deriver_;
    SilentMessages silent_;
    Engine engine_;
    std::optional<Model> model_;
    std::unique_ptr<StageTracer> tracer_;
    std::vector<ItemEnd> ahead_;
    WordPlanes carry_;
    bool carried_ = false;
    // No rule of the Diachronic Order changes a word's length or reads past its end: what
    // lies there stays as the word came in.
    bool blind_ = true;
};

} // namespace

RulePreview previewEdit(const CompiledModel& compiled, const TracedRun& traced, const BatchRun& run,
                        const std::vector<OrderEntry>& entries, const RuleEdit& edit,
                        ThreadPool* pool, const Normaliser& normalise) {
    RulePreview preview;
    EditedRun edited(compiled, traced, run, entries, edit, pool);
    IpaSpeller speller(normalise);
    for (std::size_t i = 0; i < run.items.size(); ++i) {
        const BatchItemResult& item = run.items[i];
        const ItemEnd end = edited.next(i);
        preview.fixed += !item.good() && end.good ? 1 : 0;
        preview.broken += item.good() && !end.good ? 1 : 0;
        if (end.change)
            preview.words.push_back({item.index, item.etymon, item.reflex,
                                     speller.derived(end.change->first),
                                     speller.derived(end.change->second), end.good});
    }
    return preview;
}

} // namespace tarnel::insight

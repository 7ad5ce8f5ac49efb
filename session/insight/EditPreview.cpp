// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditPreview.h"

#include "OrderFixes.h"
#include "Trace.h"

#include <algorithm>
#include <memory>

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

// How one item of the run with the edited rule ends, and the listed entry's first change.
struct ItemEnd {
    bool good = false;
    WordPlanes word;
    std::optional<std::pair<Word, Word>> change;
};

// The run with the edited rule, item after item. A word keeps what the item before it left
// beyond its length: while every item so far ended as in the run, the next starts as it
// started there; after one that did not, the next is encoded over the new word, and taken
// up from its start when that differs.
class EditedRun {
public:
    EditedRun(const CompiledModel& compiled, const TracedRun& traced, const BatchRun& run,
              const std::vector<OrderEntry>& entries, const RuleEdit& edit)
        : traced_(traced), run_(run), entries_(entries), edit_(edit),
          before_(compiled, traced.places), after_(*edit.edited, traced.places),
          engine_(*edit.edited, silent_) {
        const int n = static_cast<int>(traced.places.size());
        for (int k = 0; k < n; ++k) {
            const Place& place = traced.places[static_cast<std::size_t>(k)];
            if (place.runs() && place.rule == edit.rule) {
                uses_.push_back(k);
                persistent_ = persistent_ || place.persistent;
            }
        }
        watched_ = entries[edit.entry].position;
        // An active persistent rule runs wherever the word changes: no later place is where
        // the order is the one traced.
        same_ = persistent_ || uses_.empty() ? n : uses_.back() + 1;
    }

    ItemEnd next(std::size_t i) {
        const ItemPath& path = traced_.paths[i];
        const Word start = carried_ ? toWord(carry_) : run_.workingBefore(i);
        ItemEnd end;
        if (!path.known) {
            end = whole(i, start);
        } else if (const WordPlanes word = carried_ ? after_.startWord(start, run_.items[i].etymon)
                                                    : path.words.front().word;
                   !samePlanes(word, path.words.front().word)) {
            end = ended(after_.finish(traced_.places, path, 0, word, same_, watched_), {});
        } else {
            end = fromPath(path);
        }
        carry_ = end.word;
        carried_ = !samePlanes(end.word, path.known ? path.words.back().word
                                                    : toPlanes(run_.items[i].derived));
        return end;
    }

private:
    struct Silent : MessageSink {
        void showMessage(const std::string&) override {}
    };
    using Change = std::optional<std::pair<Word, Word>>;

    ItemEnd ended(const OrderProbe::Ending& ending, const Change& seen) const {
        ItemEnd end{ending.good, ending.word, seen};
        if (ending.watchedChange)
            end.change.emplace(toWord(ending.watchedChange->first),
                               toWord(ending.watchedChange->second));
        return end;
    }

    // The item taken up at the first place where the edited rule does not do what the rule
    // did; where there is none, it ends as it ended.
    ItemEnd fromPath(const ItemPath& path) {
        Change seen;
        for (const int place : uses_) {
            const WordPlanes& word = path.words[path.before(place)].word;
            if (persistent_)
                return ended(after_.finish(traced_.places, path, place, word, same_, watched_), {});
            const OrderProbe::Application now = after_.application(edit_.rule, word);
            if (now != before_.application(edit_.rule, word))
                return ended(after_.finish(traced_.places, path, place, word, same_, watched_),
                             seen);
            if (place == watched_ && now.changed)
                seen.emplace(toWord(word), toWord(now.word));
        }
        return {path.good, path.words.back().word, seen};
    }

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
    OrderProbe before_;
    OrderProbe after_;
    Silent silent_;
    Engine engine_;
    std::optional<Model> model_;
    std::unique_ptr<StageTracer> tracer_;
    std::vector<int> uses_;
    bool persistent_ = false;
    int watched_ = 0;
    int same_ = 0;
    WordPlanes carry_;
    bool carried_ = false;
};

} // namespace

RulePreview previewEdit(const CompiledModel& compiled, const TracedRun& traced, const BatchRun& run,
                        const std::vector<OrderEntry>& entries, const RuleEdit& edit,
                        const Normaliser& normalise) {
    RulePreview preview;
    EditedRun edited(compiled, traced, run, entries, edit);
    for (std::size_t i = 0; i < run.items.size(); ++i) {
        const BatchItemResult& item = run.items[i];
        const ItemEnd end = edited.next(i);
        preview.fixed += !item.good() && end.good ? 1 : 0;
        preview.broken += item.good() && !end.good ? 1 : 0;
        if (end.change)
            preview.words.push_back({item.index, item.etymon, item.reflex,
                                     derivedIpa(end.change->first, normalise),
                                     derivedIpa(end.change->second, normalise), end.good});
    }
    return preview;
}

} // namespace tarnel::insight

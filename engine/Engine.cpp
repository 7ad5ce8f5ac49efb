// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engine.h"

#include "core/Encoder.h"

#include <algorithm>
#include <array>
#include <bit>

namespace tarnel {

namespace {

// Only the 21 features count: a rule that changes nothing but "mark" changes nothing.
bool soundsDiffer(const WordPlanes& before, const WordPlanes& after) {
    const std::uint32_t inWord = positionsBelow(after.length);
    std::uint32_t differ = 0;
    for (std::size_t s = 0; s < soundFeatureCount; ++s)
        differ |= before.plane[s] ^ after.plane[s];
    return (differ & inWord) != 0 || before.length != after.length;
}

// The writes of a rule that spreads, made for every focus of `foci` at once.
void spread(const CompiledRule& rule, WordPlanes& word, std::uint32_t foci,
            WordKnowledge* knowledge) {
    const std::uint32_t inside = positionsBelow(word.length);
    for (const SpreadWrite& write : rule.spreadWrites) {
        const std::uint32_t at =
            (write.offset >= 0 ? foci << write.offset : foci >> -write.offset) & inside;
        std::uint32_t& plane = word.plane[static_cast<std::size_t>(write.slot)];
        plane = write.plus ? plane | at : plane & ~at;
        if (knowledge != nullptr)
            knowledge->learn(1u << write.slot, at);
    }
}

// Whether the writes of a rule that spreads change a sound at any of `foci` of `word`, made
// one focus after another. Until the first change each focus finds the sounds as they were,
// and where no position of a slot is written twice at one focus, a write changes the sounds
// exactly when its slot is a sound that differs from its value.
bool spreadChangesSounds(const CompiledRule& rule, const WordPlanes& word, std::uint32_t foci) {
    const std::uint32_t inside = positionsBelow(word.length);
    const std::array<int, 3> anchors{0, -1, word.length};
    for (const SlotWrite& write : rule.writes) {
        const std::uint32_t differ =
            (word.plane[static_cast<std::size_t>(write.slot)] ^ write.value) & inside & write.sound;
        if (write.anchor == SlotWrite::Focus) {
            if ((seenFrom(differ, write.offset) & foci) != 0)
                return true;
        } else {
            const auto position = static_cast<unsigned>(anchors[write.anchor] + write.offset);
            if (position < static_cast<unsigned>(word.length) && ((differ >> position) & 1u) != 0)
                return true;
        }
    }
    return false;
}

// Whether any of the slots `slots` changed, at any position.
bool planesDiffer(const WordPlanes& before, const WordPlanes& after, std::uint32_t slots) {
    for (; slots != 0; slots &= slots - 1) {
        const auto s = static_cast<std::size_t>(std::countr_zero(slots));
        if (before.plane[s] != after.plane[s])
            return true;
    }
    return false;
}

// Most applications only decide line A and find no focus, so a long order is walked at the
// pace of fetching each rule from memory: the rules lie in the order of the store, not in that
// of the run. The rule a few entries ahead is asked for now, and what deciding and applying it
// reads once the rule itself has come. Always inlined: a call to a function with no effect
// may be dropped whole.
[[gnu::always_inline]] inline void
fetchAhead(const CompiledModel& model, const std::vector<DiachronicEntry>& entries, std::size_t i) {
    constexpr std::size_t ruleAhead = 8;
    constexpr std::size_t linesAhead = 4;
    if (i + ruleAhead < entries.size())
        prefetchRule(model.rule(entries[i + ruleAhead].rule));
    if (i + linesAhead < entries.size())
        prefetchRuleData(model.rule(entries[i + linesAhead].rule));
}

} // namespace

Engine::Engine(const CompiledModel& model, MessageSink& messages, StageDisplay* display)
    : model_(&model), orders_(model.orders()), messages_(&messages), display_(display) {}

void Engine::setModel(const CompiledModel& model) {
    model_ = &model;
    orders_ = model.orders();
}

void Engine::setMask(const std::vector<bool>& masked) {
    orders_ = model_->ordersMasking(masked);
}

void Engine::setDerivationMode(DerivationMode mode) {
    mode_ = mode;
    if (mode == DerivationMode::Interactive)
        rulePass_ = passEtymon;
    else if (mode == DerivationMode::Reflex)
        rulePass_ = passReflex;
}

// Rules see at most 20 positions, so position `length` (one past the end) always exists.
void Engine::setWorkingWord(const Word& word) {
    working_ = toPlanes(word);
    working_.length = std::clamp(word.length, 0, maxTypedLength);
}

void Engine::setReflexWord(const Word& word) {
    reflex_ = toPlanes(word);
    reflex_.length = std::clamp(word.length, 0, maxTypedLength);
}

// Encoding writes only the positions whose characters the alphabet holds; a run from an
// unseen state must know the features of the others.
void Engine::encodeInto(WordPlanes& word, std::string_view text, bool etymon) {
    Word encoded;
    const std::uint32_t written =
        etymon ? encodeEtymon(text, model_->etymonAlphabet(), encoded, *messages_)
               : encodeReflex(text, model_->reflexAlphabet(), encoded);
    copySegments(encoded, written, encodedSlots, word);
    word.length = encoded.length;
    if (WordKnowledge* knowledge = knowledgeOf(word)) {
        knowledge->learn(encodedSlots, written);
        if (!knowledge->knowsReads(soundFeatureSlots, 0, word.length))
            knowledge->lose();
    }
}

WordKnowledge* Engine::knowledgeOf(const WordPlanes& word) {
    if (!speculating_)
        return nullptr;
    return &word == &reflex_ ? &reflexKnowledge_ : &workingKnowledge_;
}

// Before a rule reads slots that no encoding writes, a run from an unseen state checks that
// it made their values itself.
bool Engine::knowsWhatItReads(const CompiledRule& rule, const WordPlanes& word) {
    WordKnowledge* knowledge = knowledgeOf(word);
    if (!knowledge->knowsReads(rule.unsureSlots, rule.beyondSlots, word.length))
        knowledge->lose();
    return !knowledge->lost();
}

void Engine::derive(std::string_view text) {
    ruleStages_ = 0;
    cut_ = false;
    if (rulePass_ == passReflex)
        encodeInto(reflex_, text, false);
    else
        encodeInto(working_, text, true);
    if (mode_ == DerivationMode::Interactive) {
        traverseEtymonOrder();
        traverseDiachronicOrder();
        show(stageEnd, "End", working_);
    } else if (mode_ == DerivationMode::Reflex) {
        traverseReflexOrder();
    }
}

// Line A is decided for every focus at once; after the then-lines have run at a focus, it
// is decided again for the foci after it, on the word as they left it. The scan keeps to
// the length the word had when the application began, whatever the rule inserts or deletes
// on the way, and a focus that a deletion has pushed beyond the end does not hold. Most
// applications find no focus, so that case is kept short.
void Engine::applyRule(int ruleIndex, int pass) {
    if (ruleIndex >= 0 && ruleIndex < model_->ruleCount())
        apply(model_->rule(ruleIndex), pass);
}

// The orders hold only indexes of the model's rules, so the traversals apply them directly.
void Engine::apply(const CompiledRule& rule, int pass) {
    rulePass_ = pass;
    changed_ = false;
    if (!rule.canChange)
        return;
    WordPlanes& word = pass == passReflex ? reflex_ : working_;
    const std::uint32_t candidates = positionsBelow(word.length);
    if (candidates == 0)
        return;
    const std::uint32_t foci = mayDecide(rule, word) ? holdingFoci(rule, word, candidates) : 0;
    if (foci != 0)
        applyAtFoci(rule, pass, word, foci);
}

// A run from an unseen state applies nothing once it is lost.
bool Engine::mayDecide(const CompiledRule& rule, const WordPlanes& word) {
    return !speculating_ || (rule.unsureSlots | rule.beyondSlots) == 0 ||
           knowsWhatItReads(rule, word);
}

// After the then-lines have run at a focus, line A is decided again for the foci after it,
// unless they changed none of the slots it reads and kept the length.
void Engine::applyAtFoci(const CompiledRule& rule, int pass, WordPlanes& word, std::uint32_t foci) {
    // Once a change is seen the flag stays set for the application.
    const bool detect = pass < passReflex;
    if (rule.setsOnly && (rule.writesOnce || !detect || !rule.spreads)) {
        applySets(rule, detect, word, foci);
        if (changed_ && pass > passEtymon)
            afterChange(rule, pass);
        return;
    }
    const std::uint32_t scanned = positionsBelow(word.length);
    const bool mayReread = !rule.keepsLength || rule.rereadSlots != 0;
    ChangeContext context{word, 0, rule.name, *messages_, knowledgeOf(word)};
    while (foci != 0) {
        // Once no change needs to be seen, a rule that spreads is applied at all foci but
        // the last at once.
        if (rule.spreads && !(detect && !changed_) && (foci & (foci - 1)) != 0) {
            const std::uint32_t last = 1u << (31 - std::countl_zero(foci));
            spread(rule, word, foci & ~last, context.knowledge);
            foci = last;
        }
        context.focus = std::countr_zero(foci);
        bool reread = false;
        if ((detect && !changed_) || mayReread) {
            const WordPlanes before = word;
            execute(rule.thenSteps, context);
            if (detect && !changed_)
                changed_ = soundsDiffer(before, word);
            reread = !rule.keepsLength || planesDiffer(before, word, rule.rereadSlots);
        } else {
            execute(rule.thenSteps, context);
        }
        // Foci after this one; with the length kept, positionsBelow(word.length) is `scanned`.
        const std::uint32_t later = scanned & ~((2u << context.focus) - 1);
        if (!mayDecide(rule, word))
            foci = 0;
        else if (!reread)
            foci &= later;
        else
            foci = holdingFoci(rule, word, later & positionsBelow(word.length));
    }
    if (changed_ && pass > passEtymon)
        afterChange(rule, pass);
}

// A rule whose then-steps only set slots keeps the length and runs its writes. One that
// spreads has the same foci throughout: its writes are made for all but the last at once, and
// whether they change the sounds is seen before any is made. Where a run may write a position
// of a slot twice, whether it changed the sounds is seen by comparing the word before and
// after it, until a change is seen.
void Engine::applySets(const CompiledRule& rule, bool detect, WordPlanes& word,
                       std::uint32_t foci) {
    WordKnowledge* knowledge = knowledgeOf(word);
    const auto run = [&](int focus) {
        return knowledge != nullptr ? runWrites<true>(rule.writes, word, focus, knowledge)
                                    : runWrites<false>(rule.writes, word, focus, nullptr);
    };
    if (rule.spreads) {
        if (detect)
            changed_ = spreadChangesSounds(rule, word, foci);
        const std::uint32_t last = 1u << (31 - std::countl_zero(foci));
        if (foci != last)
            spread(rule, word, foci & ~last, knowledge);
        run(std::countr_zero(last));
        return;
    }
    const std::uint32_t scanned = positionsBelow(word.length);
    while (foci != 0) {
        const int focus = std::countr_zero(foci);
        WriteEffect effect;
        if (detect && !changed_ && !rule.writesOnce) {
            const WordPlanes before = word;
            effect = run(focus);
            changed_ = soundsDiffer(before, word);
        } else {
            effect = run(focus);
            changed_ = changed_ || (detect && effect.sound != 0);
        }
        const std::uint32_t later = scanned & ~((2u << focus) - 1);
        if (knowledge != nullptr && !mayDecide(rule, word))
            foci = 0;
        else if (effect.reread == 0)
            foci &= later;
        else
            foci = holdingFoci(rule, word, later);
    }
}

void Engine::afterChange(const CompiledRule& rule, int pass) {
    if (pass == passDiachronic) {
        if (mode_ == DerivationMode::Interactive)
            showRuleStage(stageDiachronic, rule.name);
        traversePersistentRules();
    } else if (pass == passPersistent && mode_ == DerivationMode::Interactive) {
        showRuleStage(stagePersistent, "P-" + rule.name);
    }
}

void Engine::show(int kind, const std::string& label, const WordPlanes& word) {
    if (display_)
        display_->showStage(kind, label, toWord(word));
}

// The stage that reaches the limit is the last: the traversals stop after it.
void Engine::showRuleStage(int kind, const std::string& label) {
    show(kind, label, working_);
    if (++ruleStages_ == maxRuleStages) {
        cut_ = true;
        messages_->showMessage(std::string(derivationCutMessage));
    }
}

void Engine::traverseEtymonOrder() {
    rulePass_ = passEtymon;
    for (const int rule : orders_.etymon)
        apply(model_->rule(rule), passEtymon);
    if (mode_ == DerivationMode::Interactive)
        show(stageEtymon, "Etymon", working_);
}

// A persistent rule becomes active before it is applied, so that a change it makes on
// reaching its place is at once followed by its own re-application.
void Engine::traverseDiachronicOrder() {
    rulePass_ = passDiachronic;
    lstPersist_.clear();
    const std::vector<DiachronicEntry>& entries = orders_.diachronic;
    for (std::size_t i = 0; i < entries.size() && !cut_; ++i) {
        fetchAhead(*model_, entries, i);
        const DiachronicEntry& entry = entries[i];
        if (entry.persistent)
            lstPersist_.push_back(entry.rule);
        apply(model_->rule(entry.rule), passDiachronic);
    }
}

// Every rule active now is re-applied once, in Diachronic Order; a re-application starts
// no traversal of its own, so this always ends.
void Engine::traversePersistentRules() {
    rulePass_ = passPersistent;
    const std::size_t active = lstPersist_.size();
    for (std::size_t i = 0; i < active && !cut_; ++i)
        apply(model_->rule(lstPersist_[i]), passPersistent);
}

void Engine::traverseReflexOrder() {
    for (const int rule : orders_.reflex)
        apply(model_->rule(rule), passReflex);
    if (mode_ == DerivationMode::Reflex)
        show(stageReflex, "Reflex", reflex_);
}

void Engine::deriveItem(const VocabularyItem& item) {
    encodeInto(working_, item.etymon, true);
    traverseEtymonOrder();
    traverseDiachronicOrder();
    rulePass_ = passReflex;
    encodeInto(reflex_, item.reflex, false);
    traverseReflexOrder();
}

std::optional<Discrepancy> Engine::compareItem(const VocabularyItem& item) {
    deriveItem(item);
    return findDiscrepancy(working_, reflex_);
}

} // namespace tarnel

namespace tarnel {

Engine Engine::batchWorker(MessageSink& messages, bool knownState) const {
    Engine worker(*model_, messages);
    worker.orders_ = orders_;
    worker.mode_ = DerivationMode::Batch;
    worker.speculating_ = true;
    if (knownState) {
        worker.working_ = working_;
        worker.reflex_ = reflex_;
        worker.changed_ = changed_;
        worker.workingKnowledge_.learnAll();
        worker.reflexKnowledge_.learnAll();
    }
    return worker;
}

bool Engine::hasRules() const {
    return !orders_.etymon.empty() || !orders_.diachronic.empty() || !orders_.reflex.empty();
}

EngineState Engine::state() const {
    return {working_, reflex_, changed_, workingKnowledge_, reflexKnowledge_};
}

void Engine::setState(const EngineState& state) {
    working_ = state.working;
    reflex_ = state.reflex;
    changed_ = state.changed;
    workingKnowledge_ = state.workingKnowledge;
    reflexKnowledge_ = state.reflexKnowledge;
}

bool Engine::lostTrack() const {
    return workingKnowledge_.lost() || reflexKnowledge_.lost();
}

void Engine::endBatch() {
    rulePass_ = passReflex;
    lstPersist_.clear();
    for (const DiachronicEntry& entry : orders_.diachronic)
        if (entry.persistent)
            lstPersist_.push_back(entry.rule);
}

} // namespace tarnel

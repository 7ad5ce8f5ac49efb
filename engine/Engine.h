// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Batch.h"
#include "CompiledModel.h"
#include "DerivationMode.h"
#include "Knowledge.h"
#include "StageDisplay.h"
#include "WordPlanes.h"
#include "core/Messages.h"
#include "core/Word.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tarnel {

class ThreadPool;

// What one word of a run hands on to the next: the two words (which keep what is beyond their
// length) and the changed flag; and, for a run from a state it cannot see (a batch thread's),
// what it knows of its words.
struct EngineState {
    WordPlanes working;
    WordPlanes reflex;
    bool changed = false;
    WordKnowledge workingKnowledge;
    WordKnowledge reflexKnowledge;
};

// An interactive derivation shows at most this many rule stages. Persistent rules that keep
// undoing each other's changes can make hundreds of thousands; the derivation is cut at the
// limit, with a message, so that no model can exhaust memory this way.
inline constexpr int maxRuleStages = 10'000;
inline constexpr std::string_view derivationCutMessage =
    "The derivation was cut after 10,000 stages.";

// The rule pass: which order is being applied, and so which word the rules act on.
enum RulePass : int {
    passEtymon = 1,     // Etymon Order, working word
    passDiachronic = 2, // Diachronic Order, working word
    passPersistent = 3, // re-application of the active persistent rules, working word
    passReflex = 4,     // Reflex Order, reflex word
};

// Derives words through the rules of a compiled model. Holds the whole derivation state, so
// any number of engines may work side by side, on one model or several. The model must
// outlive the engine (or be replaced through setModel first).
class Engine {
public:
    Engine(const CompiledModel& model, MessageSink& messages, StageDisplay* display = nullptr);

    // The model rebuilt after an edit; the words, the mode and the pass stay as they are, and
    // the Diachronic Order is the new model's, with its own mask.
    void setModel(const CompiledModel& model);

    // Later runs apply the Diachronic Order under another mask (CompiledModel::ordersMasking),
    // for trying the model without some of its rules.
    void setMask(const std::vector<bool>& masked);

    // Choosing a mode sets the pass it starts from: 1 for Interactive, 4 for Reflex.
    void setDerivationMode(DerivationMode mode);
    DerivationMode derivationMode() const { return mode_; }
    int rulePass() const { return rulePass_; }

    // The Derive button: the typed text is encoded (through the Reflex Alphabet when the pass
    // is 4, else the Etymon Alphabet), then derived in mode Interactive (stages, ending with
    // kind 0 "End") or interpreted through the Reflex Order in mode Reflex.
    void derive(std::string_view text);

    // Derives and compares every Vocabulary item, until the display asks to stop; false when
    // it did. Leaves the mode at Batch. With a pool of more than one thread the items are
    // derived on as many threads, this one and all but one of the pool's; the display and the
    // message sink see exactly what a run on this thread alone shows, in the same order, and
    // the words end as that run leaves them.
    bool runBatch(BatchDisplay& display, ThreadPool* pool = nullptr);

    void applyRule(int ruleIndex, int pass);
    // A rule compiled apart from the model, applied as a rule of it would be: for trying a rule
    // that the model does not hold yet.
    void applyCompiled(const CompiledRule& rule, int pass) { apply(rule, pass); }
    void traverseEtymonOrder();
    void traverseDiachronicOrder();
    void traversePersistentRules();
    void traverseReflexOrder();

    // An engine for deriving batch items of this one's model under its orders on another
    // thread, its messages going to `messages`. It tracks what it knows of its words, which
    // are this engine's when `knownState` is set, else unseen.
    Engine batchWorker(MessageSink& messages, bool knownState) const;
    const CompiledModel& model() const { return *model_; }
    // Some order holds an entry, so that every item applies a rule.
    bool hasRules() const;
    // The words and the changed flag a run hands on, with what a worker knows of them; and a
    // run taken up from such a state (what the state does not know, this one keeps).
    EngineState state() const;
    void setState(const EngineState& state);
    // A worker read, since it last forgot, a value it did not make itself.
    bool lostTrack() const;
    // Derives and compares one Vocabulary item, as a batch run does.
    std::optional<Discrepancy> compareItem(const VocabularyItem& item);
    // What every item of a batch leaves behind whatever its word: the pass of the Reflex Order,
    // and every persistent rule of the Diachronic Order active.
    void endBatch();

    Word workingWord() const { return toWord(working_); }
    Word reflexWord() const { return toWord(reflex_); }
    void setWorkingWord(const Word& word);
    void setReflexWord(const Word& word);
    // The working word as the rules hold it, for a caller that keeps words to start from.
    const WordPlanes& workingPlanes() const { return working_; }
    void setWorkingPlanes(const WordPlanes& word) { working_ = word; }
    bool changed() const { return changed_; }
    const std::vector<int>& lstPersist() const { return lstPersist_; }

private:
    void apply(const CompiledRule& rule, int pass);
    bool mayDecide(const CompiledRule& rule, const WordPlanes& word);
    [[gnu::noinline]] void applyAtFoci(const CompiledRule& rule, int pass, WordPlanes& word,
                                       std::uint32_t foci);
    void applySets(const CompiledRule& rule, bool detect, WordPlanes& word, std::uint32_t foci);
    void encodeInto(WordPlanes& word, std::string_view text, bool etymon);
    bool knowsWhatItReads(const CompiledRule& rule, const WordPlanes& word);
    WordKnowledge* knowledgeOf(const WordPlanes& word);
    void afterChange(const CompiledRule& rule, int pass);
    void show(int kind, const std::string& label, const WordPlanes& word);
    void showRuleStage(int kind, const std::string& label);
    void deriveItem(const VocabularyItem& item);

    const CompiledModel* model_;
    Orders orders_;
    MessageSink* messages_;
    StageDisplay* display_;

    WordPlanes working_;
    WordPlanes reflex_;
    int rulePass_ = passEtymon;
    DerivationMode mode_ = DerivationMode::None;
    bool changed_ = false;
    int ruleStages_ = 0; // shown in this derivation
    bool cut_ = false;   // the derivation reached maxRuleStages
    std::vector<int> lstPersist_;
    // A run from a state it cannot see (a batch thread's) tracks what it knows of its words.
    bool speculating_ = false;
    WordKnowledge workingKnowledge_;
    WordKnowledge reflexKnowledge_;
};

} // namespace tarnel

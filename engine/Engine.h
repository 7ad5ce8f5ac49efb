#pragma once

#include "Batch.h"
#include "ParsedRule.h"
#include "StageDisplay.h"
#include "core/DerivationMode.h"
#include "core/Messages.h"
#include "core/Word.h"
#include "model/Model.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tarnel {

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

// Derives words through the rules of one model. Holds the whole derivation state, so any
// number of engines may work side by side. It reads the model and never changes it.
//
// Rule text is read once per run: `derive` and `runBatch` start a run, which re-reads the
// rules and orders of the model; the lower-level calls below use the current run's reading
// (call `startRun` after changing the model between them).
class Engine {
public:
    Engine(const Model& model, MessageSink& messages, StageDisplay* display = nullptr);

    // Choosing a mode sets the pass it starts from: 1 for Interactive, 4 for Reflex.
    void setDerivationMode(DerivationMode mode);
    DerivationMode derivationMode() const { return mode_; }
    int rulePass() const { return rulePass_; }

    // The Derive button: the typed text is encoded (through the Reflex Alphabet when the pass
    // is 4, else the Etymon Alphabet), then
    // derived in mode Interactive (stages, ending with kind 0 "End") or interpreted through
    // the Reflex Order in mode Reflex.
    void derive(std::string_view text);

    // Derives and compares every Vocabulary item. Returns false when the large-run warning
    // was cancelled (nothing ran). Leaves the mode at Batch.
    bool runBatch(BatchDisplay& display);

    void startRun();
    void applyRule(int ruleIndex, int pass);
    void traverseEtymonOrder();
    void traverseDiachronicOrder();
    void traversePersistentRules();
    void traverseReflexOrder();

    Word& workingWord() { return working_; }
    Word& reflexWord() { return reflex_; }
    bool changed() const { return changed_; }
    const std::vector<int>& lstPersist() const { return lstPersist_; }

private:
    struct DiachronicEntry {
        int rule = 0;
        bool persistent = false;
    };
    // The current run's reading of the model.
    struct Run {
        std::vector<std::optional<ParsedRule>> rules; // read when first applied
        std::vector<int> etymonOrder;
        std::vector<DiachronicEntry> diachronicOrder; // masked entries left out
        std::vector<int> reflexOrder;
    };

    const ParsedRule& parsedRule(int index);
    std::vector<int> resolveOrder(const std::vector<std::string>& order) const;
    bool lineAHolds(const ParsedRule& rule, const Word& word, int focus);
    bool lineValue(const ParsedRule& rule, const Word& word, int focus, int number);
    void applyAt(const ParsedRule& rule, int pass, Word& word, int focus);
    bool differsFromPrevious(const Word& word) const;
    void afterChange(const ParsedRule& rule, int pass);
    void show(int kind, const std::string& label, const Word& word);
    void showRuleStage(int kind, const std::string& label);
    void deriveItem(std::string_view etymon, std::string_view reflex);

    const Model& model_;
    MessageSink& messages_;
    StageDisplay* display_;

    Word working_;
    Word reflex_;
    Word previous_;
    int rulePass_ = passEtymon;
    DerivationMode mode_ = DerivationMode::None;
    // The truth table: the value of each if-line (A = 1) decided so far at this focus.
    std::array<bool, maxIfLines + 1> truthTable_{};
    std::array<bool, maxIfLines + 1> decided_{};
    bool changed_ = false;
    int ruleStages_ = 0; // shown in this derivation
    bool cut_ = false;   // the derivation reached maxRuleStages
    std::vector<int> lstPersist_;
    Run run_;
};

} // namespace tarnel

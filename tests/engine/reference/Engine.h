// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ParsedRule.h"
#include "core/Encoder.h"
#include "core/Messages.h"
#include "core/Word.h"
#include "engine/Batch.h"
#include "engine/DerivationMode.h"
#include "engine/StageDisplay.h"
#include "model/Model.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tarnel::reference {

// The rule pass: which order is being applied, and so which word the rules act on.
enum RulePass : int {
    passEtymon = 1,     // Etymon Order, working word
    passDiachronic = 2, // Diachronic Order, working word
    passPersistent = 3, // re-application of the active persistent rules, working word
    passReflex = 4,     // Reflex Order, reflex word
};

// The first place where the derived word and the reflex differ (features 0 to 20 of the
// positions both have, then a length difference as "segment").
std::optional<Discrepancy> findDiscrepancy(const Word& derived, const Word& reflex);

// The engine that reads rule text and evaluates it focus by focus, kept as the reference
// whose every answer the compiled engine must give: same stages, messages, batch lines and
// word state. It derives straight from a `Model`; rule text is read once per run.
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
        EncodingTable etymonAlphabet{Alphabet{}};
        EncodingTable reflexAlphabet{Alphabet{}};
    };

    const ParsedRule& parsedRule(int index);
    std::vector<int> resolveOrder(const std::vector<std::string>& order) const;
    bool lineAHolds(const ParsedRule& rule, const Word& word, int focus);
    bool lineValue(const ParsedRule& rule, const Word& word, int focus, int number);
    void applyAt(const ParsedRule& rule, int pass, Word& word, int focus);
    bool differsFromPrevious(const Word& word) const;
    void afterChange(const ParsedRule& rule, int pass);
    void show(int kind, const std::string& label, const Word& word);
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
    std::vector<int> lstPersist_;
    Run run_;
};

} // namespace tarnel::reference

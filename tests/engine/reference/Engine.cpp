// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engine.h"

#include "RuleText.h"
#include "core/Encoder.h"

#include <algorithm>

namespace tarnel::reference {

namespace {

using Index = std::size_t;

bool sameFeatures(const Segment& a, const Segment& b) {
    return ((a.bits ^ b.bits) & soundFeatureSlots) == 0;
}

} // namespace

Engine::Engine(const Model& model, MessageSink& messages, StageDisplay* display)
    : model_(model), messages_(messages), display_(display) {
    startRun();
}

void Engine::setDerivationMode(DerivationMode mode) {
    mode_ = mode;
    if (mode == DerivationMode::Interactive)
        rulePass_ = passEtymon;
    else if (mode == DerivationMode::Reflex)
        rulePass_ = passReflex;
}

void Engine::startRun() {
    run_.rules.assign(model_.lst1Rule.size(), std::nullopt);
    run_.etymonAlphabet = EncodingTable(model_.lstCol);
    run_.reflexAlphabet = EncodingTable(model_.lstColR);
    run_.etymonOrder = resolveOrder(model_.lstEtyOrd);
    run_.reflexOrder = resolveOrder(model_.lstReflOrd);
    run_.diachronicOrder.clear();
    for (std::size_t k = 0; k < model_.lstDiacOrd.size(); ++k) {
        const std::string& entry = model_.lstDiacOrd[k];
        if (entry.starts_with('-'))
            continue;
        if (const std::optional<int> rule = findRule(model_, entry)) {
            const bool persistent = k < model_.lstP.size() && model_.lstP[k] == "P";
            run_.diachronicOrder.push_back({*rule, persistent});
        }
    }
}

// Entries naming no rule are left out.
std::vector<int> Engine::resolveOrder(const std::vector<std::string>& order) const {
    std::vector<int> rules;
    for (const std::string& entry : order)
        if (const std::optional<int> rule = findRule(model_, entry))
            rules.push_back(*rule);
    return rules;
}

const ParsedRule& Engine::parsedRule(int index) {
    if (run_.rules.size() != model_.lst1Rule.size())
        run_.rules.assign(model_.lst1Rule.size(), std::nullopt);
    std::optional<ParsedRule>& rule = run_.rules[static_cast<Index>(index)];
    if (!rule)
        rule = parseRule(model_.lst1Rule[static_cast<Index>(index)]);
    return *rule;
}

void Engine::derive(std::string_view text) {
    startRun();
    if (rulePass_ == passReflex)
        encodeReflex(text, run_.reflexAlphabet, reflex_);
    else
        encodeEtymon(text, run_.etymonAlphabet, working_, messages_);
    if (mode_ == DerivationMode::Interactive) {
        traverseEtymonOrder();
        traverseDiachronicOrder();
        show(stageEnd, "End", working_);
    } else if (mode_ == DerivationMode::Reflex) {
        traverseReflexOrder();
    }
}

void Engine::applyRule(int ruleIndex, int pass) {
    if (ruleIndex < 0 || static_cast<Index>(ruleIndex) >= model_.lst1Rule.size())
        return;
    rulePass_ = pass;
    const ParsedRule& rule = parsedRule(ruleIndex);
    Word& word = pass == passReflex ? reflex_ : working_;
    changed_ = false;
    // The scan keeps to the length the word had when the application began, whatever the
    // rule inserts or deletes on the way.
    const int startLength = lengthOf(word);
    for (int focus = 0; focus < startLength; ++focus)
        if (lineAHolds(rule, word, focus))
            applyAt(rule, pass, word, focus);
    if (changed_ && pass > passEtymon)
        afterChange(rule, pass);
}

// A Branching line reads only later lines, so every line's value can be decided when it is
// first needed, starting from line A. Evaluation has no side effects: deciding only what
// line A depends on gives the same answer as evaluating every line from the last one up.
// A focus that a deletion has pushed beyond the end of the word does not hold.
bool Engine::lineAHolds(const ParsedRule& rule, const Word& word, int focus) {
    if (rule.ifLines.empty() || focus >= lengthOf(word))
        return false;
    decided_.fill(false);
    return lineValue(rule, word, focus, 1);
}

bool Engine::lineValue(const ParsedRule& rule, const Word& word, int focus, int number) {
    const auto k = static_cast<Index>(number);
    if (!decided_[k]) {
        truthTable_[k] = evaluate(rule.ifLines[k - 1], word, focus,
                                  [&](int later) { return lineValue(rule, word, focus, later); });
        decided_[k] = true;
    }
    return truthTable_[k];
}

// Once a change is seen the flag stays set for the application, so the previous word is
// only needed until then. Positions from the old length on need no copy: if the word grows
// into them, the lengths differ anyway.
void Engine::applyAt(const ParsedRule& rule, int pass, Word& word, int focus) {
    const bool detect = pass < passReflex && !changed_;
    if (detect) {
        std::copy_n(word.segments.begin(), lengthOf(word), previous_.segments.begin());
        previous_.length = word.length;
    }
    const ChangeContext context{word, focus, rule.name, messages_};
    for (const ThenLine& line : rule.thenLines)
        execute(line, context);
    if (detect)
        changed_ = differsFromPrevious(word);
}

// Only the 21 features count: a rule that changes nothing but "mark" changes nothing.
bool Engine::differsFromPrevious(const Word& word) const {
    const int length = lengthOf(word);
    for (int p = 0; p < length; ++p)
        if (!sameFeatures(word.segments[static_cast<Index>(p)],
                          previous_.segments[static_cast<Index>(p)]))
            return true;
    return length != lengthOf(previous_);
}

void Engine::afterChange(const ParsedRule& rule, int pass) {
    if (pass == passDiachronic) {
        if (mode_ == DerivationMode::Interactive)
            show(stageDiachronic, rule.name, working_);
        traversePersistentRules();
    } else if (pass == passPersistent && mode_ == DerivationMode::Interactive) {
        show(stagePersistent, "P-" + rule.name, working_);
    }
}

void Engine::show(int kind, const std::string& label, const Word& word) {
    if (display_)
        display_->showStage(kind, label, word);
}

void Engine::traverseEtymonOrder() {
    rulePass_ = passEtymon;
    for (const int rule : run_.etymonOrder)
        applyRule(rule, passEtymon);
    if (mode_ == DerivationMode::Interactive)
        show(stageEtymon, "Etymon", working_);
}

// A persistent rule becomes active before it is applied, so that a change it makes on
// reaching its place is at once followed by its own re-application.
void Engine::traverseDiachronicOrder() {
    rulePass_ = passDiachronic;
    lstPersist_.clear();
    for (const DiachronicEntry& entry : run_.diachronicOrder) {
        if (entry.persistent)
            lstPersist_.push_back(entry.rule);
        applyRule(entry.rule, passDiachronic);
    }
}

// Every rule active now is re-applied once, in Diachronic Order; a re-application starts
// no traversal of its own, so this always ends.
void Engine::traversePersistentRules() {
    rulePass_ = passPersistent;
    const std::size_t active = lstPersist_.size();
    for (std::size_t i = 0; i < active; ++i)
        applyRule(lstPersist_[i], passPersistent);
}

void Engine::traverseReflexOrder() {
    for (const int rule : run_.reflexOrder)
        applyRule(rule, passReflex);
    if (mode_ == DerivationMode::Reflex)
        show(stageReflex, "Reflex", reflex_);
}

} // namespace tarnel::reference

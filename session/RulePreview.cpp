// SPDX-License-Identifier: GPL-3.0-or-later
// What storing the rule being edited would do, shown before it is stored.
#include "Session.h"
#include "model/RuleName.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr const char* noRunNote = "Run the batch to see what storing this rule would do.";
constexpr const char* changedNote =
    "The model has changed since the last batch run: run it again to see what storing this "
    "rule would do.";
constexpr const char* noEntryNote =
    "This rule is in no order, or only masked: storing it changes no word.";

// The last run made again with the edited rule in the model, from the words it started with:
// what a batch run after Return would make of every item.
insight::RulePreview wholePreview(const BatchRun& ran, const Model& edited,
                                  const CompiledModel& compiled,
                                  const std::vector<insight::OrderEntry>& entries,
                                  std::size_t entry, ThreadPool* pool,
                                  const insight::Normaliser& normalise) {
    insight::RulePreview preview;
    BatchRun run;
    run.startWorking = ran.startWorking;
    run.startReflex = ran.startReflex;
    BatchRunRecorder recorder(run);
    Engine engine(compiled, recorder);
    engine.setWorkingWord(run.startWorking);
    engine.setReflexWord(run.startReflex);
    engine.runBatch(recorder, pool);
    for (std::size_t i = 0; i < run.items.size() && i < ran.items.size(); ++i) {
        const bool was = ran.items[i].good();
        const bool now = run.items[i].good();
        preview.fixed += !was && now ? 1 : 0;
        preview.broken += was && !now ? 1 : 0;
    }
    preview.words = insight::ruleWords(edited, entries, run, entry, normalise);
    return preview;
}

} // namespace

const insight::TracedRun& Session::tracedBatch() {
    if (!batchTraced_)
        batchTraced_ = std::make_unique<insight::TracedRun>(
            insight::traceRun(batchModel_, *batchCompiled_, batchRun_, pool()));
    return *batchTraced_;
}

// Only the edited rule is compiled. Where the Diachronic Order alone uses it, the items of
// the last run are taken up where it is used, with the words the run had there; a rule of
// the Etymon or Reflex Order changes words every later place reads, and the whole run is
// made again.
insight::RulePreview Session::previewRuleEdit(const std::optional<std::vector<std::string>>& lines,
                                              const insight::Normaliser& normalise) {
    insight::RulePreview preview;
    if (batchRun_.items.empty() || batchRun_.stopped) {
        preview.note = noRunNote;
        return preview;
    }
    if (!rulesOfLastBatch()) {
        preview.note = changedNote;
        return preview;
    }
    const std::string& name = ruleEditor().currentName();
    const std::optional<int> rule = batchCompiled_->findRule(name);
    if (!batchEntries_)
        batchEntries_ = insight::orderEntries(batchModel_);
    const std::vector<insight::OrderEntry>& entries = *batchEntries_;
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
        return e.name == name && !e.masked && e.rule;
    });
    if (!rule || entry == entries.end()) {
        preview.note = noEntryNote;
        return preview;
    }
    // The rule keeps the name its entries give it, whatever its text's first line says.
    std::vector<std::string> text = lines ? *lines : ruleEditor().lines();
    if (!text.empty())
        text.front() = name + text.front().substr(ruleName(text).size());
    const CompiledModel compiledEdit = batchCompiled_->withRule(*rule, text);
    const auto editedModel = [&] {
        Model edited = batchModel_;
        edited.lst1Rule[static_cast<std::size_t>(*rule)] = text;
        return edited;
    };
    const auto at = static_cast<std::size_t>(entry - entries.begin());
    const bool beyondDiachronic = std::any_of(entries.begin(), entries.end(), [&](const auto& e) {
        return e.order != insight::Order::Diachronic && e.rule == *rule;
    });
    if (beyondDiachronic)
        return wholePreview(batchRun_, editedModel(), compiledEdit, entries, at, pool(), normalise);
    return insight::previewEdit(*batchCompiled_, tracedBatch(), batchRun_, entries,
                                {*rule, &compiledEdit, at, editedModel}, pool(), normalise);
}

} // namespace tarnel
